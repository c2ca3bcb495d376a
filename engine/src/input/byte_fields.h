#pragma once

// Fixed-width integer fields in file headers: DSF is little-endian, DSDIFF
// big-endian. Header-sized helpers only; audio never goes through these.

#include <cstddef>
#include <cstdint>

namespace orvi::engine {

inline uint64_t loadLittleEndian(const uint8_t* p, size_t width)
{
    uint64_t value = 0;
    for (size_t i = width; i-- > 0;)
        value = (value << 8) | p[i];
    return value;
}

inline uint64_t loadBigEndian(const uint8_t* p, size_t width)
{
    uint64_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value = (value << 8) | p[i];
    return value;
}

inline void storeLittleEndian(uint8_t* p, uint64_t value, size_t width)
{
    for (size_t i = 0; i < width; ++i, value >>= 8)
        p[i] = static_cast<uint8_t>(value);
}

inline void storeBigEndian(uint8_t* p, uint64_t value, size_t width)
{
    for (size_t i = width; i-- > 0; value >>= 8)
        p[i] = static_cast<uint8_t>(value);
}

} // namespace orvi::engine
