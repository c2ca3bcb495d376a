#include "platform/console.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace orvi::platform {

namespace {
// A descriptor that was closed by the parent would make the next open() take
// its number and turn printf output into writes to an unrelated file.
void ensureOpen(int fd, int flags)
{
    if (fcntl(fd, F_GETFD) != -1)
        return;
    const int nullFd = ::open("/dev/null", flags | O_CLOEXEC);
    if (nullFd < 0)
        return;
    if (nullFd != fd) {
        ::dup2(nullFd, fd); // dup2 clears close-on-exec on the copy
        ::close(nullFd);
    } else {
        fcntl(fd, F_SETFD, 0);
    }
}
} // namespace

bool attachParentConsole()
{
    // A POSIX process inherits its terminal or redirection already; only make
    // sure the three standard descriptors exist.
    ensureOpen(0, O_RDONLY);
    ensureOpen(1, O_WRONLY);
    ensureOpen(2, O_WRONLY);
    return ::isatty(1) || ::isatty(2);
}

} // namespace orvi::platform

namespace orvi::platform {

void preferHeadlessPlatformForEngine(int argc, char** argv)
{
    if (argc < 2 || !argv[1] || argv[1][0] != '-')
        return;
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return !value || !*value;
    };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

} // namespace orvi::platform
