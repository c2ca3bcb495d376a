#include "session/inproc_runner_threads.h"

#include "session/line_split.h"
#include "platform/std_streams.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <thread>

namespace orvi::inproc {

namespace {
constexpr int readSize = 4096;
constexpr std::size_t fragmentLimit = 65536;
constexpr auto flushInterval = std::chrono::milliseconds(50);

std::string addressText(std::uintptr_t address)
{
    char text[32];
    std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(address));
    return text;
}

std::string formatted(const char* format, int value)
{
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The worker's own lines must not end the thread when the sink throws: the
// engine's result still has to be recorded.
void deliverQuietly(const GuardedSink& sink, const std::string& line)
{
    try {
        sink.deliver(line);
    } catch (...) {
    }
}
} // namespace

void appendLog(const std::string& path, const char* data, std::size_t size)
{
    if (path.empty())
        return;
    if (std::FILE* file = std::fopen(path.c_str(), "ab")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
}

void appendLog(const std::string& path, const std::string& text)
{
    appendLog(path, text.data(), text.size());
}

std::vector<std::string> engineArguments(const std::vector<std::string>& argv, const InprocCtlQueue* queue)
{
    std::vector<std::string> strings = argv;
    strings.emplace_back("-inproc-host");
    if (queue) {
        strings.emplace_back("-inproc-ctl");
        strings.push_back(addressText(reinterpret_cast<std::uintptr_t>(queue)));
        strings.emplace_back("-inproc-ctl-fn");
        strings.push_back(addressText(reinterpret_cast<std::uintptr_t>(&controlRead)));
    }
    return strings;
}

void runWorker(std::shared_ptr<InProcRunner::WorkerState> state, std::vector<std::string> argv, EngineEntry entry,
               std::shared_ptr<GuardedSink> sink, std::shared_ptr<InprocCtlQueue> queue, std::string logPath)
{
    std::vector<std::string> strings = engineArguments(argv, queue.get());
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (std::string& text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    const int argc = int(strings.size());

    appendLog(logPath, formatted("[inproc] calling entry argc=%d\n", argc));
    try {
        state->rc = entry(argc, pointers.data());
    } catch (const std::exception& error) {
        state->rc = -1;
        deliverQuietly(*sink, std::string("[inproc] the engine threw an exception: ") + error.what() + "\n");
    } catch (...) {
        state->rc = -1;
        deliverQuietly(*sink, "[inproc] the engine threw a non-std exception\n");
    }
    if (sink->isSet()) {
        char line[96];
        std::snprintf(line, sizeof line, "[inproc] engine entry returned rc=%d (args=%d)\n", state->rc.load(), argc);
        deliverQuietly(*sink, line);
        appendLog(logPath, formatted("[inproc] entry rc=%d\n", state->rc.load()));
    }
    state->running = false;
    state->done = true;
}

void runReader(std::shared_ptr<InProcRunner::ReaderState> state, int fd, std::string logPath)
{
    char buffer[readSize];
    std::string tail;
    for (;;) {
        const int count = platform::readDescriptor(fd, buffer, readSize);
        if (count < 1) {
            if (count < 0 && errno == EINTR)
                continue;
            std::lock_guard lock(state->mutex);
            tail.swap(state->pending);
            break;
        }
        std::string chunk;
        {
            std::lock_guard lock(state->mutex);
            state->pending.append(buffer, std::size_t(count));
            chunk = takeOutputChunk(state->pending, fragmentLimit);
        }
        if (chunk.empty())
            continue;
        appendLog(logPath, chunk);
        if (state->abandoned)
            continue;
        try {
            state->sink->deliver(chunk);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "[inproc] log sink threw: %s\n", error.what());
        } catch (...) {
            std::fputs("[inproc] log sink threw a non-std exception\n", stderr);
        }
    }
    if (!tail.empty() && !state->abandoned) {
        try {
            state->sink->deliver(tail);
        } catch (...) {
            std::fputs("[inproc] log sink threw (tail)\n", stderr);
        }
    }
    platform::closeDescriptor(fd);
    state->done = true;
}

void runFlusher(std::shared_ptr<InProcRunner::WorkerState> state)
{
    while (!state->done) {
        std::this_thread::sleep_for(flushInterval);
        platform::flushStdio();
    }
    platform::flushStdio();
}

} // namespace orvi::inproc
