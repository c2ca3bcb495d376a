// OrviPackEngine: the packing engine as a program of its own. Besides calling
// the entry it does what only a process may do: when SIGINT or SIGTERM ends
// it (or SIGPIPE, when whoever read its output has gone), the partial image of
// the running job is removed first, then the process ends by that same signal
// so its parent sees how it ended.

#include "orvi_lathe_core.h"
#include "orvi_lathe_arguments.h"

#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
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
    orvi::engine::Utf8Arguments arguments(argc, argv);
    return orvi_lathe_main_with_hooks(arguments.count(), arguments.pointers(), &hooks);
}
