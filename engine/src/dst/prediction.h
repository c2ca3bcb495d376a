#pragma once

// The prediction filter as decoders run it: P = sum of c[i] * (+1 or -1 for
// the bit i+1 places back), through one 256-entry table of partial sums per
// eight coefficients, so a prediction costs order/8 look-ups and no branch.
// The history before a frame is 0, 1, 0, 1, ... (newest first) in every frame.

#include "dst/dst_codec.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace orvi::engine::dst {

inline constexpr int kChannelFrameBits = int(kBytesPerChannelFrame) * 8; // 37632
inline constexpr int kChannelFrameWords = kChannelFrameBits / 64;        // 588

struct Filter {
    int order = 1;                          // 1..128
    std::array<int, kMaxPredictionOrder> coefficients{}; // -256..255; zero past `order`
};

class PredictionTables
{
public:
    explicit PredictionTables(const Filter& filter);
    int groups() const { return m_groups; }
    const std::array<int16_t, 256>& group(int g) const { return m_tables[size_t(g)]; }

private:
    int m_groups;
    std::vector<std::array<int16_t, 256>> m_tables;
};

// One channel's running prediction. `history` holds the newest bit in bit 0.
class Predictor
{
public:
    explicit Predictor(const PredictionTables& tables) : m_tables(tables) {}

    // The prediction sum, wrapped to 16 bits as decoders accumulate it.
    int predict() const
    {
        int sum = 0;
        const int low = m_tables.groups() < 8 ? m_tables.groups() : 8;
        for (int g = 0; g < low; ++g)
            sum += m_tables.group(g)[(m_recent >> (8 * g)) & 0xFF];
        for (int g = 8; g < m_tables.groups(); ++g)
            sum += m_tables.group(g)[(m_older >> (8 * (g - 8))) & 0xFF];
        return static_cast<int16_t>(sum);
    }

    void push(unsigned bit)
    {
        m_older = (m_older << 1) | (m_recent >> 63);
        m_recent = (m_recent << 1) | bit;
    }

private:
    const PredictionTables& m_tables;
    uint64_t m_recent = 0xAAAAAAAAAAAAAAAAull;
    uint64_t m_older = 0xAAAAAAAAAAAAAAAAull;
};

// One channel's bits of a frame, 64 to a word, the first bit in the MSB.
using ChannelBits = std::array<uint64_t, kChannelFrameWords>;
ChannelBits channelBits(std::span<const uint8_t> frameDsd, int channelCount, int channel);

// The prediction sums (wrapped to 16 bits) for every bit of a channel whose
// bits are all known, as the encoder has them: group by group over the whole
// frame instead of bit by bit, which keeps each table in the cache.
void predictAll(const PredictionTables& tables, const ChannelBits& bits, std::span<int16_t> sums);

} // namespace orvi::engine::dst
