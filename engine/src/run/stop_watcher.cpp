#include "run/stop_watcher.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace orvi::engine {

namespace {

enum class InputState { Ready, Quiet, Closed };

constexpr int kWatchIntervalMs = 100;

#ifdef _WIN32
InputState waitForInput(int fd, int timeoutMs)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr)
        return InputState::Closed;
    const DWORD type = GetFileType(handle);
    if (type == FILE_TYPE_DISK)
        return InputState::Ready; // reads return at once; the end of a file closes the watch
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (type == FILE_TYPE_PIPE) {
            DWORD available = 0;
            if (!PeekNamedPipe(handle, nullptr, 0, nullptr, &available, nullptr))
                return InputState::Closed;
            if (available > 0)
                return InputState::Ready;
        } else if (type == FILE_TYPE_CHAR) {
            // A console: only a finished line can be read without blocking.
            INPUT_RECORD records[64];
            DWORD count = 0;
            if (!PeekConsoleInputW(handle, records, 64, &count))
                return InputState::Closed;
            for (DWORD i = 0; i < count; ++i) {
                const KEY_EVENT_RECORD& key = records[i].Event.KeyEvent;
                if (records[i].EventType == KEY_EVENT && key.bKeyDown && key.wVirtualKeyCode == VK_RETURN)
                    return InputState::Ready;
            }
        } else {
            return InputState::Closed;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return InputState::Quiet;
        Sleep(20);
    }
}

long readInput(int fd, char* buffer, unsigned size)
{
    return _read(fd, buffer, size);
}
#else
InputState waitForInput(int fd, int timeoutMs)
{
    pollfd entry{fd, POLLIN, 0};
    const int result = ::poll(&entry, 1, timeoutMs);
    if (result < 0)
        return errno == EINTR ? InputState::Quiet : InputState::Closed;
    if (result == 0)
        return InputState::Quiet;
    if (entry.revents & (POLLIN | POLLHUP))
        return InputState::Ready; // a hang-up reads as the end of the input
    return InputState::Closed;
}

long readInput(int fd, char* buffer, unsigned size)
{
    return long(::read(fd, buffer, size));
}
#endif

} // namespace

StopWatcher::StopWatcher(int fd) : m_fd(fd), m_thread([this] { watch(); }) {}

StopWatcher::~StopWatcher()
{
    m_finishing = true;
    if (m_thread.joinable())
        m_thread.join();
}

bool StopWatcher::stopRequested()
{
    if (!m_stopSeen && m_inputOpen) {
        std::lock_guard lock(m_readMutex);
        if (m_inputOpen && !drainWaiting())
            m_inputOpen = false;
    }
    return m_stopSeen;
}

void StopWatcher::watch()
{
    while (!m_finishing && m_inputOpen && !m_stopSeen) {
        const InputState state = waitForInput(m_fd, kWatchIntervalMs);
        if (state == InputState::Closed) {
            m_inputOpen = false;
        } else if (state == InputState::Ready) {
            std::lock_guard lock(m_readMutex);
            if (m_inputOpen && !drainWaiting())
                m_inputOpen = false;
        }
    }
}

bool StopWatcher::drainWaiting()
{
    // Bounded, so a chatty input cannot hold a track boundary up.
    for (int round = 0; round < 64 && !m_stopSeen; ++round) {
        const InputState state = waitForInput(m_fd, 0);
        if (state == InputState::Quiet)
            return true;
        if (state == InputState::Closed)
            return false;
        char buffer[256];
        const long count = readInput(m_fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            // The end of the input also ends a last line without its line feed.
            m_pending += '\n';
            takeLines();
            return false;
        }
        m_pending.append(buffer, size_t(count));
        takeLines();
    }
    return true;
}

void StopWatcher::takeLines()
{
    size_t end;
    while ((end = m_pending.find('\n')) != std::string::npos) {
        std::string line = m_pending.substr(0, end);
        m_pending.erase(0, end + 1);
        const auto notBlank = [](char c) { return c != ' ' && c != '\t' && c != '\r'; };
        line.erase(line.begin(), std::find_if(line.begin(), line.end(), notBlank));
        line.erase(std::find_if(line.rbegin(), line.rend(), notBlank).base(), line.end());
        if (line == "stop")
            m_stopSeen = true;
    }
    if (m_pending.size() > 4096)
        m_pending.clear(); // not a control line anyone sends
}

} // namespace orvi::engine
