// The DST decoder. Strict: a frame that breaks any rule the players rely on
// is refused with what is wrong, and nothing is read outside the frame.

#include "dst/arithmetic_coder.h"
#include "dst/dst_codec.h"
#include "dst/frame_layout.h"
#include "dst/probability_model.h"

#include <algorithm>
#include <cstring>

namespace orvi::engine::dst {

namespace {

// The reference decoder refuses a frame that runs on further than this many
// bits past the point where its arithmetic code ends.
constexpr size_t kMaxTrailingBits = 20;

// Accepts only one segment per channel (the only form players decode).
bool readSegmentation(BitReader& in, int channelCount, std::string& error)
{
    const bool sameForAll = in.bit();
    for (int ch = 0; ch < (sameForAll ? 1 : channelCount); ++ch) {
        if (!in.bit()) {
            error = "the frame has several segments per channel, which is not supported";
            return false;
        }
    }
    return true;
}

// Reads which table each channel uses; `count` becomes the number of tables.
bool readMapping(BitReader& in, int channelCount, std::array<int, 6>& map, int& count, std::string& error)
{
    map.fill(0);
    count = 1;
    if (in.bit()) // the same for all channels
        return true;
    for (int ch = 1; ch < channelCount; ++ch) {
        const int number = int(in.get(tableNumberBits(count)));
        if (number > count) {
            error = "the frame maps a channel to a table it does not define";
            return false;
        }
        if (number == count)
            ++count;
        map[size_t(ch)] = number;
    }
    return true;
}

bool decodeCoded(std::span<const uint8_t> frame, int channelCount, std::span<uint8_t> dsd, std::string& error)
{
    BitReader in(frame);
    in.bit(); // the coded flag
    const bool tablesSegmentedAsFilters = in.bit();
    if (!readSegmentation(in, channelCount, error)
        || (!tablesSegmentedAsFilters && !readSegmentation(in, channelCount, error)))
        return false;
    std::array<int, 6> filterMap{}, tableMap{};
    int filterCount = 0, tableCount = 0;
    const bool tablesMappedAsFilters = in.bit();
    if (!readMapping(in, channelCount, filterMap, filterCount, error))
        return false;
    tableMap = filterMap;
    tableCount = filterCount;
    if (!tablesMappedAsFilters && !readMapping(in, channelCount, tableMap, tableCount, error))
        return false;
    std::array<bool, 6> halfProbability{};
    for (int ch = 0; ch < channelCount; ++ch)
        halfProbability[size_t(ch)] = in.bit();
    std::vector<Filter> filters(static_cast<size_t>(filterCount));
    for (auto& filter : filters)
        if (!readFilter(in, filter, error))
            return false;
    std::vector<ProbabilityTable> tables(static_cast<size_t>(tableCount));
    for (auto& table : tables)
        if (!readTable(in, table, error))
            return false;
    if (in.pastEnd() || in.bit() != 0) {
        error = in.pastEnd() ? "the frame ends inside its header" : "the arithmetic code does not start with a 0 bit";
        return false;
    }
    const size_t codeStart = in.position() - 1;

    std::vector<PredictionTables> predictionTables;
    predictionTables.reserve(filters.size());
    for (const auto& filter : filters)
        predictionTables.emplace_back(filter);
    std::vector<Predictor> predictors;
    std::array<const ProbabilityTable*, 6> channelTable{};
    std::array<int, 6> halfUntil{};
    for (int ch = 0; ch < channelCount; ++ch) {
        predictors.emplace_back(predictionTables[size_t(filterMap[size_t(ch)])]);
        channelTable[size_t(ch)] = &tables[size_t(tableMap[size_t(ch)])];
        halfUntil[size_t(ch)] = halfProbability[size_t(ch)] ? filters[size_t(filterMap[size_t(ch)])].order : 0;
    }

    ArithmeticDecoder decoder(in);
    decoder.decode(firstSymbolProbability(filters[0].coefficients[0]));
    std::array<unsigned, 6> byte{};
    for (int t = 0; t < kChannelFrameBits; ++t) {
        for (int ch = 0; ch < channelCount; ++ch) {
            Predictor& predictor = predictors[size_t(ch)];
            const int sum = predictor.predict();
            const auto& entries = channelTable[size_t(ch)]->entries;
            const unsigned p = t < halfUntil[size_t(ch)]
                ? 128u
                : unsigned(entries[std::min(size_t(tableBin(sum)), entries.size() - 1)]);
            const unsigned bit = decoder.decode(p) ^ (sum < 0 ? 1u : 0u);
            predictor.push(bit);
            byte[size_t(ch)] = (byte[size_t(ch)] << 1) | bit;
        }
        if (t % 8 == 7) {
            uint8_t* out = dsd.data() + size_t(t / 8) * size_t(channelCount);
            for (int ch = 0; ch < channelCount; ++ch)
                out[ch] = uint8_t(byte[size_t(ch)]);
        }
    }
    if (frame.size() * 8 - codeStart > decoder.doublings() + kMaxTrailingBits) {
        error = "the frame runs on past the end of its arithmetic code";
        return false;
    }
    return true;
}

} // namespace

bool decodeFrame(std::span<const uint8_t> frame, int channelCount, std::span<uint8_t> dsd, std::string& error)
{
    if (channelCount < 1 || channelCount > 6 || dsd.size() != frameDsdBytes(channelCount)) {
        error = "unsupported channel count " + std::to_string(channelCount);
        return false;
    }
    if (frame.empty()) {
        error = "the frame is empty";
        return false;
    }
    if (frame[0] & 0x80)
        return decodeCoded(frame, channelCount, dsd, error);
    if (frame[0] != 0x00 || frame.size() != dsd.size() + 1) {
        error = frame[0] != 0x00
            ? "a plain frame's first byte is not 0"
            : "a plain frame of " + std::to_string(frame.size()) + " bytes, not " + std::to_string(dsd.size() + 1);
        return false;
    }
    std::memcpy(dsd.data(), frame.data() + 1, dsd.size());
    return true;
}

} // namespace orvi::engine::dst
