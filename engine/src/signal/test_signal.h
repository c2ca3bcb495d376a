#pragma once

// Test signals for the engine's tests and benchmarks: sine tones through a
// delta-sigma modulator, or DSD silence, as disc-order bytes in memory or
// streamed into DSF/DSDIFF files.

#include "model/disc_model.h"
#include "signal/delta_sigma_modulator.h"
#include "signal/dsd_file_writer.h"
#include "signal/id3_tag_writer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvi::engine::signal {

struct SignalParameters {
    int channels = 2;
    uint32_t sampleRate = kDsd64Rate;
    uint64_t bytesPerChannel = kDsd64Rate / 8; // length: 8 samples per byte
    double frequency = 1000.0;                 // Hz, the tone
    std::vector<double> moreFrequencies;       // Hz, further tones; all tones share the level equally
    double levelDb = -6.0;                     // peak of the tones' sum, 0 dB = full modulation (±1)
    std::optional<double> noiseDb;             // white noise added, peak level (dB), none by default
    bool silence = false;                      // the DSD silence pattern instead of tones
};

// The largest value the modulator sees for `spec` (tones' peak + noise peak).
double peakAmplitude(const SignalParameters& spec);

// Bytes per channel for a duration, rounded to the nearest whole byte.
uint64_t bytesForSeconds(double seconds, uint32_t sampleRate);

// Produces the signal piece by piece in the disc's byte order. Channel c's
// tones start c quarter-turns later than channel 0's (and its noise has its
// own seed), so no two channels carry the same bits and a channel mix-up
// cannot go unnoticed. The same spec always gives the same bits.
class SignalGenerator
{
public:
    explicit SignalGenerator(const SignalParameters& spec);
    // Fills `out` with up to `bytesPerChannel` bytes of every channel;
    // returns the bytes per channel produced (0 at the end).
    size_t generate(uint8_t* out, size_t bytesPerChannel);
    // The whole signal at once (for short test signals).
    std::vector<uint8_t> generateAll();

private:
    SignalParameters m_spec;
    uint64_t m_produced = 0; // bytes per channel
    // A tone advances by rotating a unit phasor: far cheaper than a sine
    // per sample, and renormalised every byte so it cannot drift.
    struct Oscillator {
        double re, im, stepRe, stepIm;
    };
    struct Channel {
        std::vector<Oscillator> tones;
        uint64_t noiseState; // xorshift64
        DeltaSigmaModulator modulator;
    };
    double m_toneAmplitude = 0.0;
    double m_noiseAmplitude = 0.0;
    std::vector<Channel> m_channels;
};

// Streams the signal into a DSF or DSDIFF file with the given text
// (`dstOrder`: the DST encoder's order for DstDsdiff).
bool writeTestSignal(const SignalParameters& spec, DsdFileFormat format, const DsdFileText& text,
                     const std::string& path, std::string& error, int dstOrder = 128);

} // namespace orvi::engine::signal
