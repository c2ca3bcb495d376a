#include "dst/probability_model.h"

#include <algorithm>
#include <cmath>

namespace orvi::engine::dst {

namespace {

struct SymbolCosts {
    std::array<double, 129> wrong{}; // bits to code a wrong prediction at p
    std::array<double, 129> right{};
    SymbolCosts()
    {
        for (int p = 1; p <= 128; ++p) {
            wrong[size_t(p)] = -std::log2(p / 256.0);
            right[size_t(p)] = -std::log2(1.0 - p / 256.0);
        }
    }
};

const SymbolCosts& symbolCosts()
{
    static const SymbolCosts costs;
    return costs;
}

int bestProbability(uint64_t total, uint64_t wrong)
{
    return std::clamp(int((wrong * 256 + total / 2) / total), 1, 128);
}

double binBits(uint64_t total, uint64_t wrong, int p)
{
    const auto& costs = symbolCosts();
    return double(wrong) * costs.wrong[size_t(p)] + double(total - wrong) * costs.right[size_t(p)];
}

// The best table for `counts` with its estimated bits.
std::pair<ProbabilityTable, double> bestTable(const BinCounts& counts)
{
    // Own bins' entries and bits, then the tail from each bin on merged.
    std::array<int, kMaxTableLength> entry{};
    std::array<double, kMaxTableLength + 1> ownBits{}; // bits of bins 0..i-1
    std::array<uint64_t, kMaxTableLength + 1> tailTotal{}, tailWrong{};
    for (int i = kMaxTableLength - 1; i >= 0; --i) {
        tailTotal[size_t(i)] = tailTotal[size_t(i + 1)] + counts.total[size_t(i)];
        tailWrong[size_t(i)] = tailWrong[size_t(i + 1)] + counts.wrong[size_t(i)];
    }
    for (int i = 0; i < kMaxTableLength; ++i) {
        const uint32_t total = counts.total[size_t(i)];
        // An empty bin repeats its neighbour, which codes in the fewest bits.
        entry[size_t(i)] = total ? bestProbability(total, counts.wrong[size_t(i)]) : i ? entry[size_t(i - 1)] : 128;
        ownBits[size_t(i + 1)] =
            ownBits[size_t(i)] + (total ? binBits(total, counts.wrong[size_t(i)], entry[size_t(i)]) : 0.0);
    }

    const TableCostModel tableCosts(entry);
    int bestLength = 2, bestTail = 0;
    double bestBits = INFINITY;
    for (int length = 2; length <= kMaxTableLength; ++length) {
        const int last = length - 1;
        const uint64_t total = tailTotal[size_t(last)];
        const int tail = total ? bestProbability(total, tailWrong[size_t(last)]) : entry[size_t(last - 1)];
        const double bits = ownBits[size_t(last)] + (total ? binBits(total, tailWrong[size_t(last)], tail) : 0.0)
            + double(tableCosts.bits(length, tail));
        if (bits < bestBits) {
            bestBits = bits;
            bestLength = length;
            bestTail = tail;
        }
    }
    ProbabilityTable best;
    best.entries.assign(entry.begin(), entry.begin() + bestLength - 1);
    best.entries.push_back(bestTail);
    return {std::move(best), bestBits};
}

} // namespace

void BinCounts::add(const BinCounts& other)
{
    for (size_t i = 0; i < total.size(); ++i) {
        total[i] += other.total[i];
        wrong[i] += other.wrong[i];
    }
}

TableChoice fullLengthTable(const BinCounts& counts)
{
    TableChoice choice;
    choice.halfProbability = true;
    for (size_t i = 0; i < counts.total.size(); ++i) {
        const uint32_t total = counts.total[i];
        choice.table.entries.push_back(total ? bestProbability(total, counts.wrong[i]) : 1);
        choice.bits += total ? binBits(total, counts.wrong[i], choice.table.entries.back()) : 0.0;
    }
    return choice;
}

TableChoice chooseTable(const BinCounts& head, const BinCounts& body, int order)
{
    auto [halfTable, halfBits] = bestTable(body);
    BinCounts all = body;
    all.add(head);
    auto [fullTable, fullBits] = bestTable(all);
    if (halfBits + order < fullBits)
        return {std::move(halfTable), true, halfBits + order};
    return {std::move(fullTable), false, fullBits};
}

} // namespace orvi::engine::dst
