// Round trips: what the readers deliver must be the disc's byte order, bit
// for bit, whatever the file layout, length or read size; the test signals
// are what was asked for; and the text inside the files is read as written.

#include "plain_checks.h"
#include "test_files.h"

#include "cli/pack_settings.h"
#include "input/dsf_interleave.h"
#include "input/track_reader.h"
#include "run/text_resolution.h"
#include "signal/dsd_file_layout.h"
#include "signal/id3_tag_writer.h"
#include "signal/test_signal.h"

#include <QProcess>
#include <QStringList>

#include <array>
#include <cmath>
#include <numbers>

using namespace orvi::engine;
using namespace orvi::engine::signal;
using orvi::test::TestFolder;

namespace {

// Spelled out bit by bit on purpose: the readers use a table. The file's
// first (least significant) sample becomes the disc byte's MSB.
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
    for (size_t piece : {size_t(2), size_t(6), size_t(8190), size_t(1) << 20})
        if (!CHECK(readTrack(path, piece, &track) == expected))
            std::fprintf(stderr, "  read in pieces of %zu bytes\n", piece);
    // The sample count rounded up to whole bytes.
    CHECK(track.channels == 2 && track.sampleRate == kDsd64Rate && track.sampleCount == bytesPerChannel * 8);

    // Some writers stop the data chunk right after the last sample instead
    // of padding the last block; nothing past the chunk may be read.
    std::vector<uint8_t> unpadded(data.begin(), data.begin() + 8192 + 4096 + 5);
    const std::string unpaddedPath =
        folder.write("unpadded.dsf", buildDsf(dsfHeaderFor(2, kDsd64Rate, samples, unpadded.size(), 0), unpadded));
    CHECK(readTrack(unpaddedPath, 8192) == expected);
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

// Level (dB) of the tone at `frequency` in channel `channel` of stereo audio.
double levelDb(const std::vector<uint8_t>& bytes, int channel, double frequency)
{
    double real = 0, imaginary = 0;
    const double step = 2 * std::numbers::pi * frequency / kDsd64Rate;
    size_t n = 0;
    for (size_t i = channel; i < bytes.size(); i += 2)
        for (int bit = 7; bit >= 0; --bit, ++n) {
            const double sample = (bytes[i] >> bit) & 1 ? 1.0 : -1.0;
            real += sample * std::cos(step * n);
            imaginary -= sample * std::sin(step * n);
        }
    return 20 * std::log10(2 * std::hypot(real, imaginary) / n);
}

// The generator's tones at their levels, and only shaped noise elsewhere in
// the audio band.
void modulatorMakesTheRequestedTone()
{
    // {frequency, lowest, highest level}, in both channels.
    const auto check = [](const SignalParameters& spec, std::vector<std::array<double, 3>> bands) {
        const auto bytes = SignalGenerator(spec).generateAll();
        for (int channel = 0; channel < 2; ++channel)
            for (const auto& [frequency, lowest, highest] : bands) {
                const double measured = levelDb(bytes, channel, frequency);
                if (!CHECK(measured > lowest && measured < highest))
                    std::fprintf(stderr, "  %.0f Hz at %.3f dB (level %.1f dB)\n", frequency, measured, spec.levelDb);
            }
    };
    SignalParameters spec;
    spec.bytesPerChannel = kDsd64Rate / 8 / 2; // 0.5 s: exactly 500 periods of 1 kHz
    for (double level : {kLoudestStableLevelDb, -6.0, -20.0}) {
        spec.levelDb = level;
        check(spec, {{1000, level - 0.1, level + 0.1}, {7000, -999, -100}});
    }
    // Two tones sharing -6 dB, over noise: each tone at -12 dB, the noise well
    // above the modulator's own floor at 7 kHz.
    spec.levelDb = -6;
    spec.moreFrequencies = {3000};
    spec.noiseDb = -30; // the sum peaks at -5.4 dB, within the stable range
    const double each = -6 + 20 * std::log10(0.5);
    check(spec, {{1000, each - 0.2, each + 0.2}, {3000, each - 0.2, each + 0.2}, {7000, -120, 0}});

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

// Text carried inside DSD files: ID3v2 (DSF metadata pointer, DSDIFF "ID3 "
// chunk) and DSDIFF DIIN.
const std::vector<uint8_t> kAudio(2 * 5000, 0x69);

OpenedTrack openAccepted(const std::string& path)
{
    OpenedTrack track = openTrack(path);
    if (!CHECK(track.errors.empty() && track.source))
        std::fprintf(stderr, "  %s\n", orvi::test::joined(track.errors).c_str());
    return track;
}

TagFields fullTag()
{
    TagFields tag;
    tag.title = "Ständchen";
    tag.artist = "Fritz Wunderlich";
    tag.album = "Schubert: Lieder";
    tag.albumArtist = "Fritz Wunderlich & Hubert Giesen";
    tag.composer = "Franz Schubert";
    tag.genre = "Classical";
    tag.date = "1965-10-02";
    tag.isrc = "de-a12-65-00001";
    tag.publisher = "Orvi Test Records";
    tag.copyright = "℗ 1965 Orvi";
    return tag;
}

// What a file's text gave: the track's title, performer, composer and ISRC,
// the album's title, artist, composer, publisher and copyright, the genre,
// the date and the warnings.
std::vector<std::string> textOf(const OpenedTrack& track)
{
    return {track.text.title,      track.text.performer, track.text.composer,  track.text.isrc,
            track.album.album,     track.album.artist,   track.album.composer, track.album.publisher,
            track.album.copyright, track.genre,          track.date,           orvi::test::joined(track.warnings)};
}

// ID3v2 in DSF and DSDIFF, DIIN, both together, and tags that are damaged:
// those are warnings, and the file is still taken.
void textFromFiles(const TestFolder& folder)
{
    TagFields v23;
    v23.version = 3;
    v23.title = "月亮代表我的心";
    v23.artist = "邓丽君";
    v23.date = "1977";
    TagFields titleOnly;
    titleOnly.title = "Title from the tag";
    TagFields badIsrc;
    badIsrc.title = "Fine";
    badIsrc.isrc = "US-123";
    const std::vector<uint8_t> garbage(40, 'x');
    std::vector<uint8_t> cutTag = renderId3Tag(fullTag());
    const std::string whole = std::to_string(cutTag.size());
    cutTag.resize(30);
    // TCOM names the track's composer only: the album's stays empty.
    const std::vector<std::string> full = {"Ständchen",
                                           "Fritz Wunderlich",
                                           "Franz Schubert",
                                           "DEA126500001",
                                           "Schubert: Lieder",
                                           "Fritz Wunderlich & Hubert Giesen",
                                           "",
                                           "Orvi Test Records",
                                           "℗ 1965 Orvi",
                                           "Classical",
                                           "1965-10-02",
                                           ""};
    const auto only = [](std::string title, std::string performer, std::string date, std::string warning) {
        return std::vector<std::string>{title, performer, "", "", "", "", "", "", "", "", date, warning};
    };
    const struct {
        std::string name;
        std::vector<uint8_t> bytes;
        std::vector<std::string> text; // "<path>" in the warning stands for the file's path
    } cases[] = {
        {"full.dsf", buildDsf(kAudio, 2, kDsd64Rate, renderId3Tag(fullTag())), full},
        {"tagged.dff", buildDsdiff(kAudio, 2, kDsd64Rate, renderId3Tag(fullTag())), full},
        {"v23.dsf", buildDsf(kAudio, 2, kDsd64Rate, renderId3Tag(v23)), only("月亮代表我的心", "邓丽君", "1977", "")},
        // DIIN text is nominally ASCII; Latin-1 bytes from other writers are read as such.
        {"diin.dff", buildDsdiff(kAudio, 2, kDsd64Rate, {}, "Caf\xE9 Noir", "Quartet"),
         only("Café Noir", "Quartet", "", "")},
        // With both, the tag speaks first and DIIN fills what it leaves out.
        {"both.dff", buildDsdiff(kAudio, 2, kDsd64Rate, renderId3Tag(titleOnly), "Title from DIIN", "Artist from DIIN"),
         only("Title from the tag", "Artist from DIIN", "", "")},
        {"isrc.dsf", buildDsf(kAudio, 2, kDsd64Rate, renderId3Tag(badIsrc)),
         only("Fine", "", "", "<path>: ID3v2 ISRC \"US-123\" is not a valid ISRC; ignored")},
        {"garbage.dsf", buildDsf(kAudio, 2, kDsd64Rate, garbage),
         only("", "", "", "<path>: no ID3v2 tag at byte 16476; in-file text ignored")},
        {"garbage.dff", buildDsdiff(kAudio, 2, kDsd64Rate, garbage),
         only("", "", "", "<path>: ID3v2 tag could not be read; its text is ignored")},
        {"cuttag.dsf", buildDsf(kAudio, 2, kDsd64Rate, cutTag),
         only("", "", "", "<path>: ID3v2 tag says " + whole + " bytes, file has 30 left; in-file text ignored")},
    };
    for (const auto& c : cases) {
        const std::string path = folder.write(c.name, c.bytes);
        std::vector<std::string> expected = c.text;
        if (expected.back().starts_with("<path>"))
            expected.back().replace(0, 6, path);
        if (!CHECK(textOf(openAccepted(path)) == expected))
            std::fprintf(stderr, "  (case %s)\n", c.name.c_str());
    }
}

// Each track's tags fill that track; the album's fields come from album-level
// tags, and the disc genre from what the tracks carry.
void eachTrackKeepsItsOwnTags(const TestFolder& folder)
{
    const struct {
        const char *composer, *genre;
        uint16_t discGenre;
    } tracks[] = {
        {"J. S. Bach", "Hip-Hop", 13},
        {"G. F. H\u00E4ndel", "Soundtrack", 26},
        {"", "R&B", 24},
        {"", "(17)", 23},
        {"", "Rock", 23},
        {"", "Pop", 20},
        {"", "Polka", 0},
    };
    cli::PackSettings settings;
    std::vector<OpenedTrack> opened;
    for (const auto& t : tracks) {
        TagFields tag;
        tag.title = t.genre;
        tag.composer = t.composer;
        tag.genre = t.genre;
        tag.album = opened.empty() ? "" : "Album From Track 2";
        settings.tracks.push_back(folder.write("t" + std::to_string(opened.size()) + ".dsf",
                                               buildDsf(kAudio, 2, kDsd64Rate, renderId3Tag(tag))));
        opened.push_back(openAccepted(settings.tracks.back()));
    }
    std::vector<std::string> warnings;
    const DiscContent disc = buildDiscContent(settings, nullptr, opened, warnings);
    CHECK_EQ(disc.text.composer, "");
    CHECK_EQ(disc.text.album, "Album From Track 2");
    CHECK_EQ(disc.genreIndex, uint16_t(23)); // the genre most tracks carry
    for (size_t i = 0; i < disc.stereoTracks.size(); ++i) {
        CHECK_EQ(disc.stereoTracks[i].text.composer, std::string(tracks[i].composer));
        CHECK_EQ(disc.stereoTracks[i].text.genreIndex, tracks[i].discGenre);
    }
    CHECK_EQ(orvi::test::joined(warnings),
             settings.tracks.back()
                 + ": genre \"Polka\" has no counterpart in the disc's genre table; no genre written "
                   "for it");
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
    textFromFiles(folder);
    eachTrackKeepsItsOwnTags(folder);
    return orvi::test::finish("engine_input_round_trip");
}
