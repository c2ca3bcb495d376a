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

double peakAmplitude(const SignalParameters& spec)
{
    return std::pow(10.0, spec.levelDb / 20.0) + (spec.noiseDb ? std::pow(10.0, *spec.noiseDb / 20.0) : 0.0);
}

SignalGenerator::SignalGenerator(const SignalParameters& spec)
    : m_spec(spec), m_toneAmplitude(std::pow(10.0, spec.levelDb / 20.0) / double(1 + spec.moreFrequencies.size())),
      m_noiseAmplitude(spec.noiseDb ? std::pow(10.0, *spec.noiseDb / 20.0) : 0.0)
{
    for (int c = 0; c < spec.channels; ++c) {
        Channel channel{{}, 0x9E3779B97F4A7C15ull * uint64_t(c + 1), {}};
        const double offset = c * std::numbers::pi / 2.0;
        std::vector<double> frequencies{spec.frequency};
        frequencies.insert(frequencies.end(), spec.moreFrequencies.begin(), spec.moreFrequencies.end());
        for (const double frequency : frequencies) {
            const double step = 2.0 * std::numbers::pi * frequency / spec.sampleRate;
            channel.tones.push_back({std::cos(offset), std::sin(offset), std::cos(step), std::sin(step)});
        }
        m_channels.push_back(std::move(channel));
    }
}

size_t SignalGenerator::generate(uint8_t* out, size_t bytesPerChannel)
{
    const size_t count = static_cast<size_t>(std::min<uint64_t>(bytesPerChannel, m_spec.bytesPerChannel - m_produced));
    const size_t channelCount = m_channels.size();
    if (m_spec.silence) {
        std::fill(out, out + count * channelCount, kDsdSilenceByte);
        m_produced += count;
        return count;
    }
    double samples[8];
    for (size_t i = 0; i < count; ++i) {
        for (size_t c = 0; c < channelCount; ++c) {
            Channel& channel = m_channels[c];
            std::fill(std::begin(samples), std::end(samples), 0.0);
            for (Oscillator& tone : channel.tones) {
                double re = tone.re, im = tone.im;
                for (double& sample : samples) {
                    sample += m_toneAmplitude * im;
                    const double nextRe = re * tone.stepRe - im * tone.stepIm;
                    im = re * tone.stepIm + im * tone.stepRe;
                    re = nextRe;
                }
                const double norm = 1.0 / std::sqrt(re * re + im * im);
                tone.re = re * norm;
                tone.im = im * norm;
            }
            if (m_noiseAmplitude > 0.0) {
                for (double& sample : samples) {
                    uint64_t& x = channel.noiseState;
                    x ^= x << 13;
                    x ^= x >> 7;
                    x ^= x << 17;
                    sample += m_noiseAmplitude * (double(x >> 11) * 0x1.0p-52 - 1.0); // uniform in [-1, 1)
                }
            }
            out[i * channelCount + c] = channel.modulator.modulateByte(samples);
        }
    }
    m_produced += count;
    return count;
}

std::vector<uint8_t> SignalGenerator::generateAll()
{
    std::vector<uint8_t> bytes(static_cast<size_t>(m_spec.bytesPerChannel - m_produced) * m_spec.channels);
    generate(bytes.data(), static_cast<size_t>(m_spec.bytesPerChannel - m_produced));
    return bytes;
}

bool writeTestSignal(const SignalParameters& spec, DsdFileFormat format, const DsdFileText& text,
                     const std::string& path, std::string& error, int dstOrder)
{
    DsdFileWriter writer;
    if (!writer.open(path, format, spec.channels, spec.sampleRate, error, dstOrder))
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
