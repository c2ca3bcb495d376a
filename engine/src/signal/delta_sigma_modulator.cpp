#include "signal/delta_sigma_modulator.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace orvi::engine::signal {
namespace {

constexpr int N = DeltaSigmaModulator::kOrder;
constexpr double kLargestNoiseGain = 1.5;
// Beyond this the loop has overloaded; restart it from rest.
constexpr double kOverloadLimit = 16.0;

using Polynomial = std::array<double, N + 1>;

// Poles of a digital Butterworth high-pass with cut-off `cutoff` (cycles
// per sample), by the bilinear transform of the analogue prototype.
std::array<std::complex<double>, N> butterworthPoles(double cutoff)
{
    const double warped = 2.0 * std::tan(std::numbers::pi * cutoff);
    std::array<std::complex<double>, N> poles;
    for (int k = 0; k < N; ++k) {
        const double angle = std::numbers::pi * (2.0 * k + N + 1) / (2.0 * N);
        const std::complex<double> analogue = warped * std::polar(1.0, angle);
        poles[k] = (2.0 + analogue) / (2.0 - analogue);
    }
    return poles;
}

Polynomial expand(const std::array<std::complex<double>, N>& roots)
{
    std::array<std::complex<double>, N + 1> coefficients{};
    coefficients[0] = 1.0;
    for (int k = 0; k < N; ++k)
        for (int i = k + 1; i > 0; --i)
            coefficients[i] -= roots[k] * coefficients[i - 1];
    Polynomial real{};
    for (int i = 0; i <= N; ++i)
        real[i] = coefficients[i].real();
    return real;
}

// |NTF| at z = -1 (half the sample rate), where a high-pass NTF peaks.
double gainAtNyquist(const Polynomial& denominator)
{
    double value = 0.0;
    for (int i = 0; i <= N; ++i)
        value += denominator[i] * ((N - i) % 2 == 0 ? 1.0 : -1.0);
    return std::pow(2.0, N) / std::abs(value);
}

Polynomial designDenominator()
{
    double low = 1e-4, high = 0.49;
    for (int step = 0; step < 100; ++step) {
        const double middle = 0.5 * (low + high);
        if (gainAtNyquist(expand(butterworthPoles(middle))) > kLargestNoiseGain)
            high = middle;
        else
            low = middle;
    }
    return expand(butterworthPoles(low));
}

Polynomial numerator()
{
    Polynomial coefficients{}; // (z-1)^5
    for (int i = 0; i <= N; ++i) {
        double binomial = 1.0;
        for (int j = 0; j < i; ++j)
            binomial = binomial * (N - j) / (j + 1);
        coefficients[i] = (i % 2 == 0 ? 1.0 : -1.0) * binomial;
    }
    return coefficients;
}

struct LoopFilter {
    Polynomial denominator = designDenominator();
    std::array<double, N> errorTaps{}; // n[k] - d[k], k = 1..5
    LoopFilter()
    {
        const Polynomial n = numerator();
        for (int k = 1; k <= N; ++k)
            errorTaps[k - 1] = n[k] - denominator[k];
    }
};

const LoopFilter& loopFilter()
{
    static const LoopFilter filter;
    return filter;
}

} // namespace

DeltaSigmaModulator::DeltaSigmaModulator()
{
    loopFilter();
}

const std::array<double, DeltaSigmaModulator::kOrder + 1>& DeltaSigmaModulator::denominator()
{
    return loopFilter().denominator;
}

// Y = X + NTF·E with E the quantiser's error: the quantiser sees
// V = X + (NTF - 1)·E, and (NTF - 1) = (N - D)/D is strictly causal because
// both polynomials are monic.
uint8_t DeltaSigmaModulator::modulateByte(const double* samples)
{
    const LoopFilter& filter = loopFilter();
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
        double shaped = 0.0;
        for (int k = 0; k < N; ++k)
            shaped += filter.errorTaps[k] * m_errors[k] - filter.denominator[k + 1] * m_feedback[k];
        double input = samples[bit] + shaped;
        if (std::abs(input) > kOverloadLimit) {
            m_errors.fill(0.0);
            m_feedback.fill(0.0);
            shaped = 0.0;
            input = samples[bit];
        }
        const double output = input >= 0.0 ? 1.0 : -1.0;
        for (int k = N - 1; k > 0; --k) {
            m_errors[k] = m_errors[k - 1];
            m_feedback[k] = m_feedback[k - 1];
        }
        m_errors[0] = output - input;
        m_feedback[0] = shaped;
        byte = static_cast<uint8_t>((byte << 1) | (output > 0.0 ? 1 : 0));
    }
    return byte;
}

} // namespace orvi::engine::signal
