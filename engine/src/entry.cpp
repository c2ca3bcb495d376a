// Temporary entry until the command-line parser lands.
#include "orvi_lathe_core.h"

#include <cstdio>
#include <cstring>

int orvi_lathe_main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::fputs("OrviPackEngine " ORVI_ENGINE_VERSION "\n", stdout);
        std::fflush(stdout);
        return 0;
    }
    std::fputs("error: packing is not implemented yet\n", stderr);
    std::fflush(stderr);
    return 2;
}
