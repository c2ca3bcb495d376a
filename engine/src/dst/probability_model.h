#pragma once

// Probability tables from counted predictions: how often the prediction was
// wrong for each size of the prediction sum, the table length that codes the
// channel in the fewest bits with the table's own cost included, and whether
// the channel's first `order` bits are better sent at 50 % (HalfProb).

#include "dst/side_info.h"

#include <array>
#include <cstdint>

namespace orvi::engine::dst {

// The table index of a prediction sum, before the table's length caps it.
inline unsigned tableBin(int predictionSum)
{
    const unsigned magnitude = unsigned(predictionSum < 0 ? -predictionSum : predictionSum) >> 3;
    return magnitude < kMaxTableLength - 1 ? magnitude : kMaxTableLength - 1;
}

struct BinCounts {
    std::array<uint32_t, kMaxTableLength> total{};
    std::array<uint32_t, kMaxTableLength> wrong{};
    void add(const BinCounts& other);
};

struct TableChoice {
    ProbabilityTable table;
    bool halfProbability = false;
    double bits = 0.0; // estimated code bits for the channel, the table included
};

// `head`: the predictions of the first `order` bits, `body`: the rest.
TableChoice chooseTable(const BinCounts& head, const BinCounts& body, int order);

// The simple strategy's table: 64 entries from `body`, HalfProb on.
TableChoice fullLengthTable(const BinCounts& body);

} // namespace orvi::engine::dst
