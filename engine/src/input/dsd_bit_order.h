#pragma once

// DSF stores the first sample of each byte in the LSB; the disc (and
// DSDIFF) in the MSB. Converting is a per-byte bit reversal, done through a
// table because it runs over every audio byte.

#include <array>
#include <cstdint>

namespace orvi::engine {

inline constexpr std::array<uint8_t, 256> kReversedBits = [] {
    std::array<uint8_t, 256> table{};
    for (int value = 0; value < 256; ++value) {
        int reversed = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (value & (1 << bit))
                reversed |= 0x80 >> bit;
        table[value] = static_cast<uint8_t>(reversed);
    }
    return table;
}();

// DSD silence as the disc carries it (first sample in the MSB).
inline constexpr uint8_t kDsdSilenceByte = 0x69;

} // namespace orvi::engine
