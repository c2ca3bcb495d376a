#include "dst/filter_design.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace orvi::engine::dst {

namespace {

// A longer filter is kept only where it lowers the prediction error by more
// than this share of the signal's energy: below that, its coefficients cost
// more than they save.
constexpr double kMinErrorGain = 1e-4;

// The error below which the bits count as fully predicted (silence patterns).
constexpr double kPredictedError = 1e-9;

constexpr int kMaxCoefficient = 255;

} // namespace

// Where the compiler can, a copy for processors with a popcount instruction.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__) && !defined(__SANITIZE_THREAD__)
__attribute__((target_clones("popcnt", "default")))
#endif
Autocorrelation
autocorrelation(const ChannelBits& bits, int maxLag)
{
    Autocorrelation r{};
    ChannelBits later{}; // the bits moved bitShift places later, word-aligned
    for (int bitShift = 0; bitShift < 64 && bitShift <= maxLag; ++bitShift) {
        later[0] = bits[0] >> bitShift;
        for (size_t i = 1; i < later.size(); ++i)
            later[i] = bitShift ? (bits[i] >> bitShift) | (bits[i - 1] << (64 - bitShift)) : bits[i];
        // Every lag with this bit shift: one, two or three whole words further.
        for (int lag = bitShift; lag <= maxLag; lag += 64) {
            const size_t wordShift = size_t(lag / 64);
            int differing = std::popcount((bits[wordShift] ^ later[0]) & (~uint64_t(0) >> bitShift)); // t >= lag
            for (size_t i = wordShift + 1; i < bits.size(); ++i)
                differing += std::popcount(bits[i] ^ later[i - wordShift]);
            r[size_t(lag)] = double(kChannelFrameBits - lag) - 2.0 * differing;
        }
    }
    return r;
}

double residualEnergy(const Filter& filter, const Autocorrelation& r)
{
    const auto& c = filter.coefficients;
    double cross = 0.0, power = 0.0;
    for (int i = 0; i < filter.order; ++i) {
        cross += c[size_t(i)] * r[size_t(i + 1)];
        for (int j = 0; j < filter.order; ++j)
            power += double(c[size_t(i)]) * c[size_t(j)] * r[size_t(std::abs(i - j))];
    }
    return power > 0.0 ? r[0] - cross * cross / power : r[0];
}

Filter designFilter(const Autocorrelation& r, int maxOrder, bool adaptive)
{
    const double minGain = adaptive ? kMinErrorGain * r[0] : 0.0;
    maxOrder = std::clamp(maxOrder, 1, kMaxPredictionOrder);
    // Levinson-Durbin, keeping the predictor of the chosen order.
    std::array<double, kMaxPredictionOrder + 1> a{}, next{};
    a[0] = 1.0;
    double error = r[0];
    std::array<double, kMaxPredictionOrder + 1> best{};
    int bestOrder = 0;
    for (int m = 1; m <= maxOrder && error > kPredictedError * r[0]; ++m) {
        double acc = r[size_t(m)];
        for (int i = 1; i < m; ++i)
            acc += a[size_t(i)] * r[size_t(m - i)];
        const double k = std::clamp(-acc / error, -1.0, 1.0);
        if (!std::isfinite(k))
            break;
        next = a;
        for (int i = 1; i < m; ++i)
            next[size_t(i)] = a[size_t(i)] + k * a[size_t(m - i)];
        next[size_t(m)] = k;
        a = next;
        const double nextError = std::max(0.0, error * (1.0 - k * k));
        if (bestOrder == 0 || nextError < error - minGain) {
            best = a;
            bestOrder = m;
        }
        error = nextError;
    }

    Filter filter;
    double largest = 0.0;
    for (int i = 1; i <= bestOrder; ++i)
        largest = std::max(largest, std::abs(best[size_t(i)]));
    if (largest > 0.0) {
        const double scale = kMaxCoefficient / largest;
        for (int i = 1; i <= bestOrder; ++i) {
            filter.coefficients[size_t(i - 1)] =
                std::clamp(int(std::lround(-best[size_t(i)] * scale)), -kMaxCoefficient, kMaxCoefficient);
            if (filter.coefficients[size_t(i - 1)] != 0)
                filter.order = i;
        }
    }
    std::fill(filter.coefficients.begin() + filter.order, filter.coefficients.end(), 0);
    if (filter.coefficients[0] == 0 && filter.order == 1) // nothing to predict from: follow the last bit's sign
        filter.coefficients[0] = r[1] >= 0 ? kMaxCoefficient : -kMaxCoefficient;
    return filter;
}

} // namespace orvi::engine::dst
