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

// Channels share a filter (and so a table) where the shared one leaves at
// most this much more of their signal unexplained than a filter each: the
// coefficients saved outweigh the slightly worse prediction (measured on
// recordings: sharing pays on most stereo frames).
constexpr double kShareLoss = 0.03;

struct ChannelPlan {
    Filter filter;
    TableChoice choice;
    std::vector<uint8_t> bins;       // one per bit
    std::array<BinCounts, 2> counts; // [0]: the first `order` bits, [1]: the rest
    int shared = 0;                  // the filter and table number
};

ChannelPlan predictChannel(const ChannelBits& bits, const Filter& filter)
{
    ChannelPlan plan;
    plan.filter = filter;
    std::vector<int16_t> sums(kChannelFrameBits);
    predictAll(PredictionTables(filter), bits, sums);
    plan.bins.resize(kChannelFrameBits);
    for (int t = 0; t < kChannelFrameBits; ++t) {
        const int sum = sums[size_t(t)];
        const unsigned bit = unsigned(bits[size_t(t / 64)] >> (63 - t % 64)) & 1u;
        const unsigned wrong = bit ^ (sum >= 0 ? 1u : 0u);
        const unsigned index = tableBin(sum);
        BinCounts& part = plan.counts[t >= filter.order ? 1 : 0];
        ++part.total[index];
        part.wrong[index] += wrong;
        plan.bins[size_t(t)] = uint8_t(index | (wrong << 7));
    }
    return plan;
}

// Channels that share one filter and table.
struct ChannelGroup {
    std::vector<int> members;
    Autocorrelation sum{};
    Filter filter;
    double aloneEnergy = 0.0; // what the members' own filters leave unexplained
};

// Each channel joins the group whose filter suits it best, or starts its own.
std::vector<ChannelGroup> groupChannels(const std::vector<Autocorrelation>& r, const std::vector<Filter>& own,
                                        int maxOrder, bool allowSharing)
{
    std::vector<ChannelGroup> groups;
    for (size_t ch = 0; ch < r.size(); ++ch) {
        const double alone = residualEnergy(own[ch], r[ch]);
        ChannelGroup* best = nullptr;
        ChannelGroup joined, bestJoined;
        double bestLoss = 1.0 + kShareLoss;
        for (auto& group : groups) {
            if (!allowSharing)
                break;
            joined = group;
            joined.members.push_back(int(ch));
            for (size_t k = 0; k < joined.sum.size(); ++k)
                joined.sum[k] += r[ch][k];
            joined.filter = designFilter(joined.sum, maxOrder);
            joined.aloneEnergy += alone;
            double together = 0.0;
            for (const int member : joined.members)
                together += residualEnergy(joined.filter, r[size_t(member)]);
            const double loss = together / std::max(joined.aloneEnergy, 1e-9);
            if (loss <= bestLoss) {
                bestLoss = loss;
                best = &group;
                bestJoined = std::move(joined);
            }
        }
        if (best)
            *best = std::move(bestJoined);
        else
            groups.push_back({{int(ch)}, r[ch], own[ch], alone});
    }
    return groups;
}

// Each channel's filter and table, shared within groups of channels.
std::vector<ChannelPlan> planChannels(std::span<const uint8_t> dsd, int channelCount, const EncodeOptions& options)
{
    const int maxOrder = std::clamp(options.maxOrder, 1, kMaxPredictionOrder);
    std::vector<ChannelBits> bits;
    std::vector<Autocorrelation> r;
    std::vector<Filter> own;
    for (int ch = 0; ch < channelCount; ++ch) {
        bits.push_back(channelBits(dsd, channelCount, ch));
        r.push_back(autocorrelation(bits.back(), maxOrder));
        own.push_back(designFilter(r.back(), maxOrder, !options.simpleStrategy));
    }
    std::vector<ChannelPlan> plans(static_cast<size_t>(channelCount));
    for (const auto& group : groupChannels(r, own, maxOrder, !options.simpleStrategy)) {
        std::array<BinCounts, 2> counts;
        for (const int ch : group.members) {
            plans[size_t(ch)] = predictChannel(bits[size_t(ch)], group.filter);
            counts[0].add(plans[size_t(ch)].counts[0]);
            counts[1].add(plans[size_t(ch)].counts[1]);
        }
        TableChoice choice =
            options.simpleStrategy ? fullLengthTable(counts[1]) : chooseTable(counts[0], counts[1], group.filter.order);
        for (const int ch : group.members) {
            plans[size_t(ch)].choice = choice;
            choice.bits = 0.0; // the group's bits are all in its first channel's estimate
        }
    }
    return plans;
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

    std::vector<ChannelPlan> plans = planChannels(dsd, channelCount, options);
    std::vector<int> distinct; // the channel that introduces each filter/table
    double estimate = 0.0;
    for (int ch = 0; ch < channelCount; ++ch) {
        ChannelPlan& plan = plans[size_t(ch)];
        const auto same =
            options.simpleStrategy ? distinct.end() : std::find_if(distinct.begin(), distinct.end(), [&](int other) {
                return sameCoding(plans[size_t(other)], plan);
            });
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
