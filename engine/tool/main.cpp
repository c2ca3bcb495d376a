// OrviPackEngine: the packing engine as a program of its own. Besides calling
// the entry it does what only a process may do: when SIGINT or SIGTERM ends
// it (or SIGPIPE, when whoever read its output has gone), the partial image of
// the running job is removed first, then the process ends by that same signal
// so its parent sees how it ended.

#include "orvi_lathe_core.h"

#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#define orvi_unlink _unlink
#else
#include <unistd.h>
#define orvi_unlink unlink
#endif

namespace {

// The handler may only touch these: a fixed buffer and an atomic flag.
char partialImagePath[4096];
volatile std::sig_atomic_t partialImageKnown = 0;

void rememberPartialImage(const char* path, void*)
{
    partialImageKnown = 0;
    if (!path || std::strlen(path) >= sizeof partialImagePath)
        return;
    std::memcpy(partialImagePath, path, std::strlen(path) + 1);
    partialImageKnown = 1;
}

extern "C" void removePartialImageAndEnd(int signalNumber)
{
    if (partialImageKnown)
        orvi_unlink(partialImagePath);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

// The entry takes UTF-8. Windows hands main() the arguments in the ANSI code
// page, where any character outside it became '?', so they are read again
// from the wide command line.
std::vector<std::string> utf8Arguments(int argc, char** argv)
{
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> arguments;
        for (int i = 0; i < count; ++i) {
            const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
            std::string argument(size_t(size > 0 ? size - 1 : 0), '\0');
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
            arguments.push_back(std::move(argument));
        }
        LocalFree(wide);
        return arguments;
    }
#endif
    return {argv, argv + argc};
}

} // namespace

int main(int argc, char** argv)
{
    std::signal(SIGINT, removePartialImageAndEnd);
    std::signal(SIGTERM, removePartialImageAndEnd);
#ifdef SIGPIPE
    std::signal(SIGPIPE, removePartialImageAndEnd);
#endif
    OrviLatheHooks hooks;
    hooks.partialImageChanged = rememberPartialImage;
    std::vector<std::string> arguments = utf8Arguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    return orvi_lathe_main_with_hooks(int(arguments.size()), pointers.data(), &hooks);
}
