#include "pcm_input.h"

#include "model/disc_model.h"
#include "signal/delta_sigma_modulator.h"

#include <QFile>

#ifdef ORVI_HAVE_SOXR
#include <soxr.h>
#endif

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace orvi::engine::signal {

#ifndef ORVI_HAVE_SOXR
bool convertPcmFile(const std::string&, const std::string&, DsdFileFormat, const DsdFileText&, int, std::string& error)
{
    error = "--from-pcm needs libsoxr, which this build does not have";
    return false;
}
#else

namespace {

// Music peaks at full scale, the modulator stays stable only up to -5 dB:
// -6 dB of headroom keeps the loudest peak (and resampling overshoot) safe.
constexpr float kGain = 0.5f;
constexpr float kLimit = 0.56f;

enum class SampleType { Int, Float };

struct WavFormat {
    SampleType type = SampleType::Int;
    int channels = 0;
    uint32_t rate = 0;
    int bits = 0;
    uint64_t dataBytes = 0;
};

uint32_t little(const char* bytes, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | uint8_t(bytes[i]);
    return value;
}

// Leaves `file` at the start of the sample data.
bool readWavHeader(QFile& file, WavFormat& format, std::string& error)
{
    char header[12];
    if (file.read(header, 12) != 12 || std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) {
        error = "not a WAV file";
        return false;
    }
    bool haveFormat = false;
    char chunk[8];
    while (file.read(chunk, 8) == 8) {
        const uint32_t size = little(chunk + 4, 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            const QByteArray body = file.read(size + size % 2);
            if (body.size() < 16) {
                error = "a WAV format chunk that is too short";
                return false;
            }
            uint32_t tag = little(body.data(), 2);
            if (tag == 0xFFFE && body.size() >= 26)
                tag = little(body.data() + 24, 2); // the extensible format's sub-format
            format.channels = int(little(body.data() + 2, 2));
            format.rate = little(body.data() + 4, 4);
            format.bits = int(little(body.data() + 14, 2));
            format.type = tag == 3 ? SampleType::Float : SampleType::Int;
            const bool supported = (tag == 1 && (format.bits == 16 || format.bits == 24 || format.bits == 32))
                || (tag == 3 && format.bits == 32);
            if (!supported) {
                error = "unsupported WAV sample format (16/24/32-bit integer or 32-bit float)";
                return false;
            }
            if (format.channels < 1 || format.channels > 6 || format.rate == 0) {
                error = "a WAV file needs 1..6 channels and a sample rate";
                return false;
            }
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) {
                error = "WAV data before its format";
                return false;
            }
            format.dataBytes = size;
            return true;
        } else if (!file.seek(file.pos() + size + size % 2)) {
            break;
        }
    }
    error = "a WAV file without sample data";
    return false;
}

float sampleAt(const char* bytes, const WavFormat& format)
{
    if (format.type == SampleType::Float) {
        float value;
        std::memcpy(&value, bytes, 4);
        return value;
    }
    const int bytesPerSample = format.bits / 8;
    const uint32_t raw = little(bytes, bytesPerSample) << (32 - format.bits);
    return float(int32_t(raw)) * 0x1.0p-31f;
}

struct SoxrDeleter {
    void operator()(soxr* resampler) const { soxr_delete(resampler); }
};

// Turns resampled audio into DSD bytes, eight samples per byte and channel.
class Modulation
{
public:
    Modulation(int channels, DsdFileWriter& writer)
        : m_channels(channels), m_writer(writer), m_modulators(size_t(channels))
    {
    }

    bool add(const float* interleaved, size_t frames, std::string& error)
    {
        for (size_t i = 0; i < frames; ++i) {
            for (int c = 0; c < m_channels; ++c)
                m_pending[size_t(c)][m_filled] =
                    double(std::clamp(interleaved[i * size_t(m_channels) + size_t(c)] * kGain, -kLimit, kLimit));
            if (++m_filled == 8 && !flushByte(error))
                return false;
        }
        return true;
    }

    bool finish(std::string& error)
    {
        if (m_filled == 0)
            return flushBytes(error);
        for (; m_filled < 8; ++m_filled)
            for (int c = 0; c < m_channels; ++c)
                m_pending[size_t(c)][m_filled] = 0.0;
        return flushByte(error) && flushBytes(error);
    }

private:
    bool flushByte(std::string& error)
    {
        for (int c = 0; c < m_channels; ++c)
            m_bytes.push_back(m_modulators[size_t(c)].modulateByte(m_pending[size_t(c)].data()));
        m_filled = 0;
        return m_bytes.size() < kBytesPerChannelFrame * size_t(m_channels) * 16 || flushBytes(error);
    }

    bool flushBytes(std::string& error)
    {
        const bool ok = m_bytes.empty() || m_writer.write(m_bytes.data(), m_bytes.size(), error);
        m_bytes.clear();
        return ok;
    }

    int m_channels;
    DsdFileWriter& m_writer;
    std::vector<DeltaSigmaModulator> m_modulators;
    std::array<std::array<double, 8>, 6> m_pending{};
    size_t m_filled = 0;
    std::vector<uint8_t> m_bytes;
};

} // namespace

bool convertPcmFile(const std::string& wavPath, const std::string& outputPath, DsdFileFormat format,
                    const DsdFileText& text, int dstOrder, std::string& error)
{
    QFile file(QString::fromStdString(wavPath));
    if (!file.open(QIODevice::ReadOnly)) {
        error = wavPath + ": cannot open: " + file.errorString().toStdString();
        return false;
    }
    WavFormat wav;
    if (!readWavHeader(file, wav, error)) {
        error = wavPath + ": " + error;
        return false;
    }
    soxr_error_t soxrError = nullptr;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    std::unique_ptr<soxr, SoxrDeleter> resampler(
        soxr_create(wav.rate, kDsd64Rate, unsigned(wav.channels), &soxrError, &io, &quality, nullptr));
    if (soxrError) {
        error = wavPath + ": cannot resample: " + soxrError;
        return false;
    }
    DsdFileWriter writer;
    if (!writer.open(outputPath, format, wav.channels, kDsd64Rate, error, dstOrder))
        return false;
    Modulation modulation(wav.channels, writer);

    const size_t frameBytes = size_t(wav.channels) * size_t(wav.bits / 8);
    constexpr size_t kInputFrames = 4096;
    const size_t outputFrames = size_t(double(kInputFrames) * kDsd64Rate / wav.rate) + 64;
    std::vector<float> input(kInputFrames * size_t(wav.channels));
    std::vector<float> output(outputFrames * size_t(wav.channels));
    uint64_t remaining = wav.dataBytes / frameBytes;
    for (;;) {
        const size_t frames = size_t(std::min<uint64_t>(remaining, kInputFrames));
        const QByteArray raw = file.read(qint64(frames * frameBytes));
        const size_t got = size_t(raw.size()) / frameBytes; // a short file ends early
        remaining = got < frames ? 0 : remaining - got;
        for (size_t i = 0; i < got * size_t(wav.channels); ++i)
            input[i] = sampleAt(raw.data() + i * size_t(wav.bits / 8), wav);
        // With no input left, soxr flushes what its filters still hold.
        size_t used = 0;
        size_t offset = 0;
        do {
            size_t produced = 0;
            soxrError = soxr_process(resampler.get(), got ? input.data() + offset * size_t(wav.channels) : nullptr,
                                     got - offset, &used, output.data(), outputFrames, &produced);
            if (soxrError) {
                error = wavPath + ": cannot resample: " + soxrError;
                return false;
            }
            if (!modulation.add(output.data(), produced, error))
                return false;
            offset += used;
            if (got == 0 && produced == 0)
                return modulation.finish(error) && writer.finish(text, error);
        } while (offset < got || got == 0);
    }
}
#endif

} // namespace orvi::engine::signal
