#pragma once

// A 1-bit delta-sigma modulator for test signals: fifth order, error-feedback
// structure, noise transfer function NTF(z) = (z-1)^5 / D(z) with all zeros at
// DC and the poles of a Butterworth high-pass, placed so that the NTF's
// largest gain is 1.5 (the usual stability rule for 1-bit loops). Stable for
// inputs up to -5 dBFS (peak 0.56; measured); beyond that it overloads and
// resets its state (an audible click, never a runaway).

#include <array>
#include <cstdint>

namespace orvi::engine::signal {

// The loudest peak level (dB, 0 = full modulation) the loop stays stable at.
inline constexpr double kLoudestStableLevelDb = -5.0;

class DeltaSigmaModulator
{
public:
    static constexpr int kOrder = 5;

    DeltaSigmaModulator();

    // Modulates eight samples (full scale = ±1.0) into one byte, the first
    // sample in the MSB, bit 1 = "+".
    uint8_t modulateByte(const double* samples);

    // The loop filter's coefficients, exposed for tests of the design:
    // D(z) = z^5 + d[1] z^4 + ... + d[5].
    static const std::array<double, kOrder + 1>& denominator();

private:
    std::array<double, kOrder> m_errors{};   // e[n-1] .. e[n-5]
    std::array<double, kOrder> m_feedback{}; // w[n-1] .. w[n-5]
};

} // namespace orvi::engine::signal
