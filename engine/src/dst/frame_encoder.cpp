// The DST encoder: per channel a least-squares prediction filter and a
// probability table fitted to the frame, channels with the same filter and
// table share them, and the bits go through the arithmetic coder. A frame
// that would not come out smaller than the plain one is sent plain.

#include "dst/arithmetic_coder.h"
#include "dst/dst_codec.h"
#include "dst/filter_design.h"
#include "dst/frame_layout.h"
#include "dst/probability_model.h"

#include <algorithm>

namespace orvi::engine::dst {

namespace {

// Per bit: the table bin in the low 6 bits, "prediction wrong" in bit 7.
constexpr uint8_t kWrongFlag = 0x80;

struct ChannelPlan {
    Filter filter;
    TableChoice choice;
    std::vector<uint8_t> bins; // one per bit
    int shared = 0;            // the filter and table number
};

ChannelPlan planChannel(std::span<const uint8_t> dsd, int channelCount, int channel, const EncodeOptions& options)
{
    ChannelPlan plan;
    const ChannelBits bits = channelBits(dsd, channelCount, channel);
    const int maxOrder = std::clamp(options.maxOrder, 1, kMaxPredictionOrder);
    plan.filter = designFilter(autocorrelation(bits, maxOrder), maxOrder, !options.simpleStrategy);
    std::vector<int16_t> sums(kChannelFrameBits);
    predictAll(PredictionTables(plan.filter), bits, sums);
    plan.bins.resize(kChannelFrameBits);
    std::array<BinCounts, 2> counts; // [0]: the first `order` bits, [1]: the rest
    for (int t = 0; t < kChannelFrameBits; ++t) {
        const int sum = sums[size_t(t)];
        const unsigned bit = unsigned(bits[size_t(t / 64)] >> (63 - t % 64)) & 1u;
        const unsigned wrong = bit ^ (sum >= 0 ? 1u : 0u);
        const unsigned index = tableBin(sum);
        BinCounts& part = counts[t >= plan.filter.order ? 1 : 0];
        ++part.total[index];
        part.wrong[index] += wrong;
        plan.bins[size_t(t)] = uint8_t(index | (wrong << 7));
    }
    plan.choice = options.simpleStrategy ? fullLengthTable(counts[1])
                                         : chooseTable(counts[0], counts[1], plan.filter.order);
    return plan;
}

bool sameCoding(const ChannelPlan& a, const ChannelPlan& b)
{
    return a.filter.order == b.filter.order && a.filter.coefficients == b.filter.coefficients
        && a.choice.table.entries == b.choice.table.entries && a.choice.halfProbability == b.choice.halfProbability;
}

// Per bit: the probability minus one in the low 7 bits, the symbol in bit 7;
// written into `codes` at every `stride`-th place.
void symbolCodes(const ChannelPlan& plan, uint8_t* codes, size_t stride)
{
    const auto& entries = plan.choice.table.entries;
    const unsigned last = unsigned(entries.size() - 1);
    const size_t halfUntil = plan.choice.halfProbability ? size_t(plan.filter.order) : 0;
    for (size_t t = 0; t < plan.bins.size(); ++t) {
        const uint8_t bin = plan.bins[t];
        const unsigned p = t < halfUntil ? 128u : unsigned(entries[std::min(unsigned(bin & 0x3F), last)]);
        codes[t * stride] = uint8_t((p - 1) | ((bin & kWrongFlag) ^ kWrongFlag));
    }
}

} // namespace

std::vector<uint8_t> encodeFrame(std::span<const uint8_t> dsd, int channelCount, const EncodeOptions& options)
{
    if (channelCount < 1 || channelCount > 6 || dsd.size() != frameDsdBytes(channelCount))
        return plainFrame(dsd);
    const size_t plainBits = (dsd.size() + 1) * 8;

    std::vector<ChannelPlan> plans;
    std::vector<int> distinct; // the channel that introduces each filter/table
    double estimate = 0.0;
    for (int ch = 0; ch < channelCount; ++ch) {
        plans.push_back(planChannel(dsd, channelCount, ch, options));
        ChannelPlan& plan = plans.back();
        const auto same = options.simpleStrategy
            ? distinct.end()
            : std::find_if(distinct.begin(), distinct.end(),
                           [&](int other) { return sameCoding(plans[size_t(other)], plan); });
        plan.shared = int(same - distinct.begin());
        if (same == distinct.end()) {
            distinct.push_back(ch);
            estimate += plan.choice.bits + double(filterBits(plan.filter));
        } else {
            estimate += plan.choice.bits - double(tableBits(plan.choice.table));
        }
    }
    if (estimate >= double(plainBits))
        return plainFrame(dsd);

    BitWriter out;
    out.put(0b1111, 4); // coded; one segment per channel, the same for filters and tables and all channels
    out.put(1, 1);      // tables mapped as the filters
    const bool allShared = distinct.size() == 1;
    out.put(allShared ? 1 : 0, 1);
    if (!allShared) {
        int known = 1;
        for (int ch = 1; ch < channelCount; ++ch) {
            out.put(uint32_t(plans[size_t(ch)].shared), tableNumberBits(known));
            known = std::max(known, plans[size_t(ch)].shared + 1);
        }
    }
    for (const auto& plan : plans)
        out.put(plan.choice.halfProbability ? 1 : 0, 1);
    for (const int ch : distinct)
        writeFilter(out, plans[size_t(ch)].filter, options.simpleStrategy);
    for (const int ch : distinct)
        writeTable(out, plans[size_t(ch)].choice.table, options.simpleStrategy);
    out.put(0, 1); // the arithmetic code starts with a 0 bit

    // In coding order: time first, then channel.
    std::vector<uint8_t> codes(size_t(kChannelFrameBits) * size_t(channelCount));
    for (int ch = 0; ch < channelCount; ++ch)
        symbolCodes(plans[size_t(ch)], codes.data() + ch, size_t(channelCount));
    ArithmeticEncoder coder(out);
    coder.encode(1, firstSymbolProbability(plans[0].filter.coefficients[0]));
    for (const uint8_t code : codes)
        coder.encode(code >> 7, (code & 0x7Fu) + 1);
    coder.finish();
    if (out.bitCount() > plainBits)
        return plainFrame(dsd);
    return out.take();
}

} // namespace orvi::engine::dst
