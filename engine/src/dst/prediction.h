#pragma once

// The prediction filter as decoders run it: P = sum of c[i] * (+1 or -1 for
// the bit i+1 places back), through one 256-entry table of partial sums per
// eight coefficients, so a prediction costs order/8 look-ups and no branch.
// The history before a frame is 0, 1, 0, 1, ... (newest first) in every frame.

#include "dst/dst_codec.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace orvi::engine::dst {

inline constexpr int kChannelFrameBits = int(kBytesPerChannelFrame) * 8; // 37632
inline constexpr int kChannelFrameWords = kChannelFrameBits / 64;        // 588

struct Filter {
    int order = 1;                                       // 1..128
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
        // Group g's history byte is byte g of the register, read in place.
        static_assert(std::endian::native == std::endian::little);
        const auto* bytes = reinterpret_cast<const unsigned char*>(m_history.data());
        int sum = 0;
        for (int g = 0; g < m_tables.groups(); ++g)
            sum += m_tables.group(g)[bytes[g]];
        return static_cast<int16_t>(sum);
    }

    void push(unsigned bit)
    {
        m_history[1] = (m_history[1] << 1) | (m_history[0] >> 63);
        m_history[0] = (m_history[0] << 1) | bit;
    }

private:
    const PredictionTables& m_tables;
    std::array<uint64_t, 2> m_history{0xAAAAAAAAAAAAAAAAull, 0xAAAAAAAAAAAAAAAAull}; // newest bits first
};

// One channel's bits of a frame, 64 to a word, the first bit in the MSB.
using ChannelBits = std::array<uint64_t, kChannelFrameWords>;
ChannelBits channelBits(std::span<const uint8_t> frameDsd, int channelCount, int channel);

// The prediction sums (wrapped to 16 bits) for every bit of a channel whose
// bits are all known, as the encoder has them: group by group over the whole
// frame instead of bit by bit, which keeps each table in the cache.
void predictAll(const PredictionTables& tables, const ChannelBits& bits, std::span<int16_t> sums);

} // namespace orvi::engine::dst
