#include "dst/prediction.h"

namespace orvi::engine::dst {

PredictionTables::PredictionTables(const Filter& filter)
    : m_groups((filter.order + 7) / 8), m_tables(size_t(m_groups))
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

} // namespace orvi::engine::dst
