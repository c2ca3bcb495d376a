#include "scripted_engine.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#define ORVI_READ _read
#else
#include <unistd.h>
#define ORVI_READ ::read
#endif

namespace {

void emit(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

// Reads descriptor 0 directly: the C stream may hold state from an earlier
// in-process run.
bool waitForStopLine()
{
    std::string line;
    for (char byte; ORVI_READ(0, &byte, 1) > 0;) {
        if (byte != '\n') {
            line += byte;
        } else {
            if (line.ends_with('\r'))
                line.pop_back();
            if (line == "stop")
                return true;
            line.clear();
        }
    }
    return false;
}

int runScript(int argc, char** argv, bool ownProcess)
{
    std::string script;
    std::string outputPath;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--script") == 0)
            script = argv[i + 1];
        else if (std::strcmp(argv[i], "-o") == 0)
            outputPath = argv[i + 1];
    }
    if (const char* fromEnvironment = std::getenv("ORVI_TEST_ENGINE_SCRIPT"); script.empty() && fromEnvironment)
        script = fromEnvironment;
    if (script.empty()) {
        emit(stderr, "scripted engine: no script\n");
        return 2;
    }

    std::istringstream steps(script);
    for (std::string step; std::getline(steps, step, ';');) {
        if (step.empty())
            continue;
        const std::size_t colon = step.find(':');
        const std::string command = step.substr(0, colon);
        std::string value = colon == std::string::npos ? std::string() : step.substr(colon + 1);
        if (value == "@out")
            value = outputPath;

        static const std::map<std::string, std::pair<bool, const char*>> texts{
            {"out", {false, "\n"}},      {"err", {true, "\n"}},    {"crlf", {false, "\r\n"}},
            {"errcrlf", {true, "\r\n"}}, {"partial", {false, ""}}, {"errpartial", {true, ""}}};
        if (const auto text = texts.find(command); text != texts.end()) {
            emit(text->second.first ? stderr : stdout, value + text->second.second);
        } else if (command == "created") {
            emit(stdout, "SACD ISO created: " + value + "\n");
        } else if (command == "flood") {
            const long count = std::atol(value.c_str());
            for (long i = 0; i < count; ++i)
                std::fprintf(stdout, "flood line %ld\n", i);
            std::fflush(stdout);
        } else if (command == "big") {
            emit(stdout, std::string(std::size_t(std::atol(value.c_str())), 'x'));
        } else if (command == "file") {
            const std::size_t sizeEnd = value.find(':');
            const std::string path = value.substr(sizeEnd + 1);
            std::ofstream(path == "@out" ? outputPath : path, std::ios::binary | std::ios::trunc)
                << std::string(std::size_t(std::atol(value.c_str())), 'D');
        } else if (command == "env") {
            const char* found = std::getenv(value.c_str());
            emit(stdout, found ? value + "=" + found + "\n" : value + " unset\n");
        } else if (command == "sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(value.c_str())));
        } else if (command == "waitstop") {
            emit(stdout, waitForStopLine() ? "got stop\n" : "stdin closed\n");
        } else if (command == "ignoreterm") {
            if (ownProcess)
                std::signal(SIGTERM, SIG_IGN);
        } else if (command == "exit") {
            return std::atoi(value.c_str());
        } else if (command == "crash") {
            if (ownProcess) {
#ifdef _WIN32
                // abort() is an ordinary exit with code 3 on Windows; a crash
                // ends the process with an exception status.
                TerminateProcess(GetCurrentProcess(), EXCEPTION_ACCESS_VIOLATION);
#endif
                std::abort();
            }
            emit(stdout, "crash skipped in-process\n");
            return 134;
        } else if (command == "throw") {
            throw std::runtime_error(value);
        } else if (command == "throwother") {
            throw 42;
        } else {
            emit(stderr, "scripted engine: unknown step " + step + "\n");
            return 2;
        }
    }
    return 0;
}

} // namespace

int scriptedEngineMain(int argc, char** argv)
{
    return runScript(argc, argv, false);
}

int scriptedEngineProcessMain(int argc, char** argv)
{
#ifdef _WIN32
    // The script's bytes exactly, without CR before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    try {
        return runScript(argc, argv, true);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "scripted engine threw: %s\n", error.what());
        return 70;
    }
}
