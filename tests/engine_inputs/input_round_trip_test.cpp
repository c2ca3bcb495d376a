// Audio round trips: what the readers deliver must be the disc's byte order,
// bit for bit, whatever the file layout, length or read size.

#include "plain_checks.h"
#include "test_files.h"

#include "input/dsf_interleave.h"
#include "input/track_reader.h"
#include "signal/dsd_file_layout.h"
#include "signal/test_signal.h"

#include <QProcess>
#include <QStringList>

#include <cmath>
#include <numbers>

using namespace orvi::engine;
using namespace orvi::engine::signal;
using orvi::test::TestFolder;

namespace {

// Spelled out bit by bit on purpose: the readers use a table.
uint8_t reversedByHand(uint8_t value)
{
    uint8_t result = 0;
    for (int bit = 0; bit < 8; ++bit)
        result = static_cast<uint8_t>((result << 1) | ((value >> bit) & 1));
    return result;
}

std::vector<uint8_t> readTrack(const std::string& path, size_t pieceBytes, OpenedTrack* opened = nullptr)
{
    OpenedTrack track = openTrack(path);
    if (!CHECK(track.errors.empty() && track.source)) {
        std::fprintf(stderr, "  %s\n", orvi::test::joined(track.errors).c_str());
        return {};
    }
    std::string error;
    auto bytes = orvi::test::readAll(*track.source, pieceBytes, error);
    CHECK_EQ(error, "");
    CHECK_EQ(track.source->sampleCount(), track.sampleCount);
    if (opened)
        *opened = std::move(track);
    return bytes;
}

// A DSF written byte by byte in its own layout: two channels, a sample
// count that is neither a whole block nor a whole byte.
void dsfLayoutIsConvertedToDiscOrder(const TestFolder& folder)
{
    const uint64_t samples = (4096 + 5) * 8 - 3; // last byte only partly used
    const size_t bytesPerChannel = 4096 + 5;
    std::vector<uint8_t> data(2 * 2 * 4096, 0);
    for (size_t i = 0; i < bytesPerChannel; ++i) {
        const size_t group = i / 4096, offset = i % 4096;
        data[group * 8192 + offset] = static_cast<uint8_t>(i * 7 + 1);         // left
        data[group * 8192 + 4096 + offset] = static_cast<uint8_t>(i * 13 + 2); // right
    }
    auto header = dsfHeaderFor(2, kDsd64Rate, samples, data.size(), 0);
    const std::string path = folder.write("layout.dsf", buildDsf(header, data));

    std::vector<uint8_t> expected;
    for (size_t i = 0; i < bytesPerChannel; ++i) {
        expected.push_back(reversedByHand(static_cast<uint8_t>(i * 7 + 1)));
        expected.push_back(reversedByHand(static_cast<uint8_t>(i * 13 + 2)));
    }
    OpenedTrack track;
    for (size_t piece : {size_t(2), size_t(6), size_t(8190), size_t(1) << 20}) {
        const auto delivered = readTrack(path, piece, &track);
        CHECK_EQ(delivered.size(), expected.size());
        CHECK(delivered == expected);
    }
    CHECK_EQ(track.channels, 2);
    CHECK_EQ(track.sampleRate, kDsd64Rate);
    CHECK_EQ(track.sampleCount, uint64_t(bytesPerChannel) * 8); // rounded up to whole bytes

    // Some writers stop the data chunk right after the last sample instead
    // of padding the last block; nothing past the chunk may be read.
    std::vector<uint8_t> unpadded(data.begin(), data.begin() + 8192 + 4096 + 5);
    const std::string unpaddedPath =
        folder.write("unpadded.dsf", buildDsf(dsfHeaderFor(2, kDsd64Rate, samples, unpadded.size(), 0), unpadded));
    CHECK(readTrack(unpaddedPath, 8192) == expected);

    // The specific bit order: a file byte whose first (least significant)
    // sample alone is set becomes a disc byte with only the MSB set.
    std::vector<uint8_t> single(2 * 4096, 0);
    single[0] = 0x01;
    single[4096] = 0x0e;
    const std::string singlePath =
        folder.write("single.dsf", buildDsf(dsfHeaderFor(2, kDsd64Rate, 8, single.size(), 0), single));
    const auto firstBytes = readTrack(singlePath, 64);
    CHECK(firstBytes == (std::vector<uint8_t>{0x80, 0x70}));
}

// Every channel count and every length around the vector width.
void blockInterleavingForAnyChannelCount()
{
    constexpr size_t stride = 64;
    for (int channels : {1, 2, 5, 6}) {
        std::vector<uint8_t> blocks(stride * channels);
        for (size_t i = 0; i < blocks.size(); ++i)
            blocks[i] = static_cast<uint8_t>(i * 37 + 11);
        for (size_t count : {size_t(1), size_t(15), size_t(16), size_t(17), size_t(33), stride}) {
            std::vector<uint8_t> out(count * channels, 0xAA);
            interleaveDsfBlocks(blocks.data(), stride, channels, count, out.data());
            size_t wrong = 0;
            for (size_t i = 0; i < count; ++i)
                for (int c = 0; c < channels; ++c)
                    wrong += out[i * channels + c] != reversedByHand(blocks[c * stride + i]);
            if (!CHECK_EQ(wrong, size_t(0)))
                std::fprintf(stderr, "  %d channels, %zu bytes each\n", channels, count);
        }
    }
}

// Generated DSF and DSDIFF files, with a tag after the audio, read back as
// generated; the channels differ, so a swap cannot pass unnoticed.
void generatedFilesReadBackIdentically(const TestFolder& folder)
{
    DsdFileText text;
    TagFields tag;
    tag.title = "After the audio";
    text.id3Tag = renderId3Tag(tag);
    for (uint64_t bytesPerChannel : {uint64_t(1), uint64_t(4096), uint64_t(4096 * 3 + 1), uint64_t(100001)}) {
        SignalParameters spec;
        spec.bytesPerChannel = bytesPerChannel;
        spec.frequency = 997;
        const std::vector<uint8_t> expected = SignalGenerator(spec).generateAll();
        size_t differing = 0;
        for (size_t i = 0; i < expected.size(); i += 2)
            differing += expected[i] != expected[i + 1];
        CHECK(expected.size() == bytesPerChannel * 2 && (bytesPerChannel < 4096 || differing > 1000));
        for (const auto format : {DsdFileFormat::Dsf, DsdFileFormat::Dsdiff}) {
            const std::string path =
                folder.path(std::to_string(bytesPerChannel) + (format == DsdFileFormat::Dsf ? ".dsf" : ".dff"));
            std::string error;
            CHECK(writeTestSignal(spec, format, text, path, error) && error.empty());
            OpenedTrack track;
            if (!CHECK(readTrack(path, 9408, &track) == expected))
                std::fprintf(stderr, "  %s\n", path.c_str());
            CHECK_EQ(track.sampleCount, bytesPerChannel * 8);
            CHECK_EQ(track.text.title, "After the audio"); // the tag was read, and not as audio
        }
    }
}

// Amplitude of the tone at `frequency` in channel `channel`.
double toneAmplitude(const std::vector<uint8_t>& bytes, int channels, int channel, double frequency)
{
    double real = 0, imaginary = 0;
    const double step = 2 * std::numbers::pi * frequency / kDsd64Rate;
    size_t n = 0;
    for (size_t i = channel; i < bytes.size(); i += channels)
        for (int bit = 7; bit >= 0; --bit, ++n) {
            const double sample = (bytes[i] >> bit) & 1 ? 1.0 : -1.0;
            real += sample * std::cos(step * n);
            imaginary -= sample * std::sin(step * n);
        }
    return 2 * std::hypot(real, imaginary) / n;
}

void modulatorMakesTheRequestedTone()
{
    for (double level : {kLoudestStableLevelDb, -6.0, -20.0}) {
        SignalParameters spec;
        spec.bytesPerChannel = kDsd64Rate / 8 / 2; // 0.5 s: exactly 500 periods of 1 kHz
        spec.levelDb = level;
        const auto bytes = SignalGenerator(spec).generateAll();
        for (int channel = 0; channel < 2; ++channel) {
            const double measured = 20 * std::log10(toneAmplitude(bytes, 2, channel, 1000));
            if (!CHECK(std::abs(measured - level) < 0.1))
                std::fprintf(stderr, "  level %.1f dB came out as %.3f dB\n", level, measured);
            // In the audio band away from the tone, only shaped noise.
            const double elsewhere = 20 * std::log10(toneAmplitude(bytes, 2, channel, 7000));
            if (!CHECK(elsewhere < -100))
                std::fprintf(stderr, "  at 7 kHz: %.1f dB\n", elsewhere);
        }
    }
    // Two tones sharing -6 dB, over noise: each tone at -12 dB.
    SignalParameters mix;
    mix.bytesPerChannel = kDsd64Rate / 8 / 2;
    mix.frequency = 1000;
    mix.moreFrequencies = {3000};
    mix.noiseDb = -30; // the sum peaks at -5.4 dB, within the stable range
    const auto mixed = SignalGenerator(mix).generateAll();
    for (double frequency : {1000.0, 3000.0}) {
        const double measured = 20 * std::log10(toneAmplitude(mixed, 2, 1, frequency));
        if (!CHECK(std::abs(measured + 6.0 - 20 * std::log10(0.5)) < 0.2))
            std::fprintf(stderr, "  %.0f Hz in the mix: %.3f dB\n", frequency, measured);
    }
    // The noise is there: well above the modulator's own floor at 7 kHz.
    CHECK(20 * std::log10(toneAmplitude(mixed, 2, 1, 7000)) > -120);

    SignalParameters silence;
    silence.silence = true;
    silence.bytesPerChannel = 10;
    CHECK(SignalGenerator(silence).generateAll() == std::vector<uint8_t>(20, 0x69));
}

// The generator's command line gives the same audio as its library, with the tags asked for.
void generatorCommandLine(const TestFolder& folder)
{
    const QString tool = QStringLiteral(ORVI_TEST_SIGNAL_TOOL);
    const std::string path = folder.path("tool.dff");
    CHECK_EQ(QProcess::execute(tool,
                               {"--seconds", "0.25", "--freq", "440", "--level", "-10", "--title", "Tone A", "--artist",
                                "Generator", "-o", QString::fromStdString(path)}),
             0);
    SignalParameters spec;
    spec.bytesPerChannel = bytesForSeconds(0.25, kDsd64Rate);
    spec.frequency = 440;
    spec.levelDb = -10;
    OpenedTrack track;
    CHECK(readTrack(path, 65536, &track) == SignalGenerator(spec).generateAll());
    CHECK(track.text.title == "Tone A" && track.text.performer == "Generator");
    QProcess usage;
    usage.start(tool, {"--seconds", "1"});
    usage.waitForFinished();
    CHECK_EQ(usage.exitCode(), 2);
    // CR LF: the line end of a Windows program's text output.
    CHECK(usage.readAllStandardError()
              .replace("\r\n", "\n")
              .startsWith("error: no output file (-o)\nusage: OrviTestSignal"));
}

} // namespace

int main()
{
    TestFolder folder;
    dsfLayoutIsConvertedToDiscOrder(folder);
    blockInterleavingForAnyChannelCount();
    generatedFilesReadBackIdentically(folder);
    modulatorMakesTheRequestedTone();
    generatorCommandLine(folder);
    return orvi::test::finish("engine_input_round_trip");
}
