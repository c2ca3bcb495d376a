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
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
__attribute__((target_clones("popcnt", "default")))
#endif
Autocorrelation autocorrelation(const ChannelBits& bits, int maxLag)
{
    Autocorrelation r{};
    for (int lag = 0; lag <= maxLag; ++lag) {
        const int wordShift = lag / 64;
        const int bitShift = lag % 64;
        int differing = 0;
        for (int i = wordShift; i < kChannelFrameWords; ++i) {
            // The bits `lag` places earlier, aligned with word i.
            uint64_t earlier = bits[size_t(i - wordShift)] >> bitShift;
            if (bitShift != 0 && i - wordShift > 0)
                earlier |= bits[size_t(i - wordShift - 1)] << (64 - bitShift);
            uint64_t differ = bits[size_t(i)] ^ earlier;
            if (i == wordShift)
                differ &= ~uint64_t(0) >> bitShift; // only t >= lag
            differing += std::popcount(differ);
        }
        r[size_t(lag)] = double(kChannelFrameBits - lag) - 2.0 * differing;
    }
    return r;
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
