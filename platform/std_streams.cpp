#include "platform/std_streams.h"

#include <cstdio>
#include <iostream>

// Flushing the C and C++ streams is the same everywhere; only the descriptor
// work differs per system.
namespace orvi::platform {

void flushStdio()
{
    std::fflush(stdout);
    std::fflush(stderr);
}

void flushAllStandardStreams()
{
    std::cout.flush();
    std::cerr.flush();
    flushStdio();
}

} // namespace orvi::platform
