#include "platform/console.h"

#include <cstdio>
#include <io.h>
#include <windows.h>

namespace orvi::platform {

namespace {
bool handleUsable(HANDLE h)
{
    return h != nullptr && h != INVALID_HANDLE_VALUE;
}

void reopenOnNulIfDetached(FILE* stream, int fd)
{
    if (_fileno(stream) == -2) {
        _close(fd);
        FILE* ignored = nullptr;
        freopen_s(&ignored, "NUL", "w", stream);
    }
}

void reopenOnConsoleIfNotRedirected(HANDLE remembered, FILE* stream, int fd)
{
    if (!handleUsable(remembered)) {
        _close(fd);
        FILE* ignored = nullptr;
        freopen_s(&ignored, "CONOUT$", "w", stream);
    }
}
} // namespace

bool attachParentConsole()
{
    const HANDLE outAtEntry = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE errAtEntry = GetStdHandle(STD_ERROR_HANDLE);

    if (GetConsoleWindow() == nullptr) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
            reopenOnNulIfDetached(stdout, 1);
            reopenOnNulIfDetached(stderr, 2);
            return false;
        }
        reopenOnConsoleIfNotRedirected(outAtEntry, stdout, 1);
        reopenOnConsoleIfNotRedirected(errAtEntry, stderr, 2);
    }
    SetConsoleOutputCP(65001);
    SetConsoleCP(65001);
    return GetConsoleWindow() != nullptr;
}

} // namespace orvi::platform

namespace orvi::platform {

void preferHeadlessPlatformForEngine(int, char**) {}

} // namespace orvi::platform
