#include "dst/prediction.h"

#include <algorithm>

namespace orvi::engine::dst {

PredictionTables::PredictionTables(const Filter& filter) : m_groups((filter.order + 7) / 8), m_tables(size_t(m_groups))
{
    for (int g = 0; g < m_groups; ++g) {
        for (int history = 0; history < 256; ++history) {
            int sum = 0;
            for (int j = 0; j < 8; ++j) {
                const int coefficient = filter.coefficients[size_t(8 * g + j)];
                sum += (history >> j) & 1 ? coefficient : -coefficient;
            }
            m_tables[size_t(g)][size_t(history)] = static_cast<int16_t>(sum);
        }
    }
}

ChannelBits channelBits(std::span<const uint8_t> frameDsd, int channelCount, int channel)
{
    ChannelBits words{};
    const uint8_t* byte = frameDsd.data() + channel;
    for (auto& word : words) {
        for (int i = 0; i < 8; ++i, byte += channelCount)
            word = (word << 8) | *byte;
    }
    return words;
}

void predictAll(const PredictionTables& tables, const ChannelBits& bits, std::span<int16_t> sums)
{
    // The stream with the virtual history in front: 0xAA ends in the 0 that
    // precedes the frame's first bit.
    constexpr int kHistoryBits = kMaxPredictionOrder;
    std::array<uint8_t, kHistoryBits / 8 + kBytesPerChannelFrame + 1> stream{};
    std::fill_n(stream.begin(), kHistoryBits / 8, uint8_t(0xAA));
    for (int w = 0; w < kChannelFrameWords; ++w)
        for (int i = 0; i < 8; ++i)
            stream[size_t(kHistoryBits / 8 + 8 * w + i)] = uint8_t(bits[size_t(w)] >> (56 - 8 * i));

    // window[s]: the eight bits before stream bit s, the newest in bit 0,
    // which is the history byte of group 0 at that bit.
    std::vector<uint8_t> window(size_t(kHistoryBits + kChannelFrameBits));
    for (size_t s = 8; s < window.size(); ++s) {
        const size_t first = s - 8;
        const unsigned pair = (unsigned(stream[first >> 3]) << 8) | stream[(first >> 3) + 1];
        window[s] = uint8_t(pair >> (8 - (first & 7)));
    }

    // Sums wrap at 16 bits like the decoders' accumulators; unsigned, so the
    // wrap is defined. Four groups per pass cut the traffic on `total`.
    std::vector<uint16_t> total(size_t(kChannelFrameBits), 0);
    const int groups = tables.groups();
    int g = 0;
    for (; g + 4 <= groups; g += 4) {
        const auto &t0 = tables.group(g), &t1 = tables.group(g + 1), &t2 = tables.group(g + 2),
                   &t3 = tables.group(g + 3);
        const uint8_t* h0 = window.data() + kHistoryBits - 8 * g;
        const uint8_t *h1 = h0 - 8, *h2 = h0 - 16, *h3 = h0 - 24;
        for (size_t t = 0; t < total.size(); ++t)
            total[t] = uint16_t(total[t] + uint16_t(t0[h0[t]]) + uint16_t(t1[h1[t]]) + uint16_t(t2[h2[t]])
                                + uint16_t(t3[h3[t]]));
    }
    for (; g < groups; ++g) {
        const auto& table = tables.group(g);
        const uint8_t* history = window.data() + kHistoryBits - 8 * g;
        for (size_t t = 0; t < total.size(); ++t)
            total[t] = uint16_t(total[t] + uint16_t(table[history[t]]));
    }
    for (size_t t = 0; t < total.size(); ++t)
        sums[t] = static_cast<int16_t>(total[t]);
}

} // namespace orvi::engine::dst
