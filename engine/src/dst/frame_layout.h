#pragma once

// Pieces of the coded frame's header shared by the encoder and the decoder.

#include "dst/bit_io.h"

#include <cstdint>

namespace orvi::engine::dst {

// Width of a table number when `count` tables are known: it may name any of
// them or introduce the next one.
inline int tableNumberBits(int count)
{
    int bits = 1;
    while ((1 << bits) <= count)
        ++bits;
    return bits;
}

// The probability of the dummy first symbol: filter 0's first coefficient,
// its seven low bits reversed, plus one.
inline unsigned firstSymbolProbability(int firstCoefficient)
{
    const unsigned low = unsigned(firstCoefficient) & 0x7Fu;
    unsigned reversed = 0;
    for (int i = 0; i < 7; ++i)
        reversed |= ((low >> i) & 1u) << (6 - i);
    return reversed + 1;
}

} // namespace orvi::engine::dst
