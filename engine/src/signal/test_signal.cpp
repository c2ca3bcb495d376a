#include "signal/test_signal.h"

#include "input/dsd_bit_order.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvi::engine::signal {

uint64_t bytesForSeconds(double seconds, uint32_t sampleRate)
{
    return static_cast<uint64_t>(std::llround(seconds * sampleRate / 8.0));
}

SignalGenerator::SignalGenerator(const SignalSpec& spec)
    : spec_(spec), amplitude_(std::pow(10.0, spec.levelDb / 20.0)),
      stepCos_(std::cos(2.0 * std::numbers::pi * spec.frequency / spec.sampleRate)),
      stepSin_(std::sin(2.0 * std::numbers::pi * spec.frequency / spec.sampleRate)),
      modulators_(static_cast<size_t>(spec.channels))
{
    for (int c = 0; c < spec.channels; ++c) {
        const double offset = c * std::numbers::pi / 2.0;
        phaseCos_.push_back(std::cos(offset));
        phaseSin_.push_back(std::sin(offset));
    }
}

size_t SignalGenerator::generate(uint8_t* out, size_t bytesPerChannel)
{
    const size_t count = static_cast<size_t>(std::min<uint64_t>(bytesPerChannel, spec_.bytesPerChannel - produced_));
    const size_t channels = static_cast<size_t>(spec_.channels);
    if (spec_.silence) {
        std::fill(out, out + count * channels, kDsdSilenceByte);
    } else {
        double samples[8];
        for (size_t i = 0; i < count; ++i) {
            for (size_t c = 0; c < channels; ++c) {
                double re = phaseCos_[c], im = phaseSin_[c];
                for (int bit = 0; bit < 8; ++bit) {
                    samples[bit] = amplitude_ * im;
                    const double nextRe = re * stepCos_ - im * stepSin_;
                    im = re * stepSin_ + im * stepCos_;
                    re = nextRe;
                }
                const double norm = 1.0 / std::sqrt(re * re + im * im);
                phaseCos_[c] = re * norm;
                phaseSin_[c] = im * norm;
                out[i * channels + c] = modulators_[c].modulateByte(samples);
            }
        }
    }
    produced_ += count;
    return count;
}

std::vector<uint8_t> SignalGenerator::generateAll()
{
    std::vector<uint8_t> bytes(static_cast<size_t>(spec_.bytesPerChannel - produced_) * spec_.channels);
    generate(bytes.data(), static_cast<size_t>(spec_.bytesPerChannel - produced_));
    return bytes;
}

bool writeTestSignal(const SignalSpec& spec, DsdFileFormat format, const DsdFileText& text, const std::string& path,
                     std::string& error)
{
    DsdFileWriter writer;
    if (!writer.open(path, format, spec.channels, spec.sampleRate, error))
        return false;
    SignalGenerator generator(spec);
    constexpr size_t kPieceBytesPerChannel = 64 * 1024;
    std::vector<uint8_t> piece(kPieceBytesPerChannel * spec.channels);
    while (const size_t produced = generator.generate(piece.data(), kPieceBytesPerChannel))
        if (!writer.write(piece.data(), produced * spec.channels, error))
            return false;
    return writer.finish(text, error);
}

} // namespace orvi::engine::signal
