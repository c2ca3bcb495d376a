#include "platform/console.h"
#include "platform/std_streams.h"

#include <cstdlib>
#include <unistd.h>

namespace orvi::platform {

bool attachParentConsole()
{
    // A POSIX process inherits its terminal or redirection already; only make
    // sure the three standard descriptors exist.
    ensureStandardDescriptorsOpen();
    return ::isatty(1) || ::isatty(2);
}

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
