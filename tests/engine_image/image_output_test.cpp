// How the writer treats its output and the run: its own temporary file and
// the rename, stopping between tracks, failures that must leave nothing behind,
// and the checks made before anything is written.

#include "image/image_file.h"
#include "image/image_writer.h"
#include "image_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

using namespace imagetest;
using orvi::engine::DiscContent;
using orvi::engine::WriteStatus;

namespace {

// The system's own wording for a failed open ("No such file or directory" on
// Linux, "The system cannot find the path specified." on Windows).
std::string systemOpenError(const std::string& path, QIODevice::OpenMode mode)
{
    QFile file(QString::fromStdString(path));
    return file.open(mode) ? std::string("(opened)") : file.errorString().toStdString();
}

void writeText(const std::string& path, const char* text)
{
    QFile file(QString::fromStdString(path));
    CHECK(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Temporary files left beside the image.
bool partFilesIn(const QTemporaryDir& dir)
{
    return !QDir(dir.path()).entryList({"*.part"}, QDir::Files | QDir::Hidden).isEmpty();
}

DiscContent fourTrackDisc()
{
    DiscContent disc;
    disc.text.album = "Stop Test";
    for (uint32_t i = 1; i <= 4; ++i)
        disc.stereoTracks.push_back(patternTrack(1.2, i, "Track " + std::to_string(i), i == 1 ? 0 : 5));
    return disc;
}

// The image is written to its own temporary file and replaces the old one
// only when it is complete (the engine's round trip checks the progress).
void checkPartFileAndReplace()
{
    QTemporaryDir dir;
    const std::string output = dir.filePath("disc.iso").toStdString();
    writeText(output, "old image");
    DiscContent disc = fourTrackDisc();
    bool partSeen = false;
    bool oldKept = true;
    std::string partPath;
    orvi::engine::WriteObserver observer;
    observer.partialFileCreated = [&](const std::string& path) { partPath = path; };
    observer.trackStarted = [&](size_t, const orvi::engine::DiscTrack&) {
        partSeen = !partPath.empty() && fileExists(partPath);
        const auto old = readFile(output);
        oldKept = oldKept && std::string(old.begin(), old.end()) == "old image";
    };
    CHECK(orvi::engine::writeImage(disc, output, observer).status == WriteStatus::Written);
    CHECK(partSeen && oldKept && !partFilesIn(dir));
    const Image image{readFile(output)};
    CHECK(image.bytes.size() > 600u * kSector && image.text(510, 0, 8) == "SACDMTOC");
}

// The disc closes after the second track: its TOCs count two tracks and the
// area ends with them (the engine's stop tests read such discs back).
void checkStopAfterTwoTracks()
{
    QTemporaryDir dir;
    const std::string output = dir.filePath("stopped.iso").toStdString();
    DiscContent disc = fourTrackDisc();
    ObserverProbe probe;
    probe.stopAfterTracks = 2;
    const auto result = orvi::engine::writeImage(disc, output, probe.observer());
    CHECK(result.status == WriteStatus::Stopped);
    CHECK(result.tracksWritten == 2 && probe.tracksStarted == 2);
    CHECK(!partFilesIn(dir));
    const Image image{readFile(output)};
    if (!CHECK(image.bytes.size() > 600u * kSector))
        return;
    // 1.2 s = 90 frames per track, a 5-frame pause before the second.
    CHECK_EQ(image.u8(544, 69), 2u);
    CHECK_EQ(image.timeCodeFrames(544, 64), 185u);
    CHECK_EQ(image.u32(545, 8 + 8), 0u); // no third track
    const uint32_t areaEnd = image.u32(544, 76);
    CHECK_EQ(uint64_t(areaEnd - image.u32(544, 72)), uint64_t(185) * kFrameBytes / 2016);
    CHECK_EQ(image.u32(545, 8 + 4) + image.u32(545, 1028 + 4) - 1, areaEnd);
    CHECK_EQ(image.u32(510, 68), areaEnd + 1);                       // TOC-2 right after the area
    CHECK(image.u16(549, 8 + 2) != 0 && image.u16(549, 8 + 4) == 0); // track text only for the written tracks
}

// Runs that fail: each gives its status and one error, leaves no temporary
// file and keeps the image that was there.
void checkFailures()
{
    QTemporaryDir dir;
    const std::string missing = dir.filePath("missing/disc.iso").toStdString();
    const std::string taken = dir.filePath("taken.iso").toStdString(); // a folder sits where the image should go
    const std::string old = dir.filePath("old.iso").toStdString();
    CHECK(QDir(dir.path()).mkdir("taken.iso"));
    writeText(old, "old");
    struct {
        std::string output;
        DiscContent disc;
        WriteStatus status;
        std::string start, then; // of the error
    } cases[] = {
        {missing, fourTrackDisc(), WriteStatus::OutputFailed, "cannot create " + missing + ".",
         ".part: " + systemOpenError(missing, QIODevice::WriteOnly)},
        {taken, fourTrackDisc(), WriteStatus::OutputFailed, "cannot rename " + taken + ".", ".part to " + taken + ": "},
        {old, fourTrackDisc(), WriteStatus::InvalidInput, "pattern.dsf: read error at byte 200000", ""},
    };
    cases[2].disc.stereoTracks[2].source = std::make_unique<PatternSource>(1000000, 9, 200000);
    for (auto& c : cases) {
        const auto result = orvi::engine::writeImage(c.disc, c.output, {});
        CHECK(result.status == c.status);
        if (!CHECK(result.errors.size() == 1 && result.errors[0].starts_with(c.start)
                   && result.errors[0].find(c.then, c.start.size()) != std::string::npos))
            std::fprintf(stderr, "  (%s)\n", result.errors.empty() ? "no error" : result.errors[0].c_str());
        CHECK(!partFilesIn(dir));
    }
    CHECK((readFile(old) == std::vector<uint8_t>{'o', 'l', 'd'}));
}

#ifndef _WIN32
// A write that fails while the audio streams (here: past a file-size limit,
// as a full disk would) ends the run with the file's own message, and the
// ".part" is gone: the writes in flight are over before it is removed.
void checkWriteFailureDuringAudio()
{
    QTemporaryDir dir;
    const std::string output = dir.filePath("disc.iso").toStdString();
    DiscContent disc;
    disc.text.album = "Full Disk";
    disc.stereoTracks.push_back(patternTrack(12.0, 5));
    rlimit previous{};
    CHECK(::getrlimit(RLIMIT_FSIZE, &previous) == 0);
    rlimit limited = previous;
    limited.rlim_cur = 5 * 1024 * 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    CHECK(::setrlimit(RLIMIT_FSIZE, &limited) == 0);
    const auto result = orvi::engine::writeImage(disc, output, {});
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    CHECK(result.status == WriteStatus::OutputFailed);
    CHECK(result.errors.size() == 1 && result.errors[0].starts_with("cannot write " + output + ".")
          && result.errors[0].ends_with(".part: File too large"));
    CHECK(!fileExists(output));
    CHECK(!partFilesIn(dir));
}
#endif

class ChannelsSource : public PatternSource
{
public:
    explicit ChannelsSource(int channels) : PatternSource(2822400, 1), m_channels(channels) {}
    int channelCount() const override { return m_channels; }
    const int m_channels;
};

void checkValidation()
{
    std::vector<std::string> warnings;
    {
        DiscContent disc = fourTrackDisc();
        disc.catalogNumber = "12345678901234567";
        disc.genreIndex = 30;
        disc.discNumber = 3;
        disc.discTotal = 2;
        disc.stereoTracks[1].text.isrc = "US-ABC-21-00042";
        disc.stereoTracks[2].text.isrc = "usabc2100042"; // lower case is accepted
        disc.stereoTracks[3].source = std::make_unique<ChannelsSource>(1);
        for (int channels : {6, 5}) // one multichannel area takes one channel count
            disc.multichannelTracks.push_back(
                {"mc" + std::to_string(channels) + ".dsf", 0, {}, 0, std::make_unique<ChannelsSource>(channels)});
        CHECK((
            orvi::engine::validateDisc(disc, warnings)
            == std::vector<std::string>{
                "--catalog: \"12345678901234567\" has 17 characters, at most 16 fit",
                "--genre: index 30 is not in the General genre table (1..29)",
                "--disc: 3 must be 1..2",
                "track 2 ISRC: \"US-ABC-21-00042\" is not an ISRC (2 letters, 3 letters or digits, 7 digits)",
                "track 4: track4.dsf: 1-channel audio, the stereo area takes 2 channels",
                "track 6: mc5.dsf: 5 channels, but the multichannel area has 6 (the first multichannel track's count): "
                "one disc takes 5- or 6-channel tracks, not both",
            }));
    }
    {
        DiscContent disc;
        CHECK(orvi::engine::validateDisc(disc, warnings) == std::vector<std::string>{"tracks: no track to write"});
        disc.catalogNumber = "caf\xc3\xa9";
        for (int i = 0; i < 256; ++i)
            disc.stereoTracks.push_back(patternTrack(1.0, uint32_t(i)));
        CHECK(orvi::engine::validateDisc(disc, warnings)
              == (std::vector<std::string>{
                  "--catalog: \"caf\xc3\xa9\" may hold only ISO 646 characters (letters, digits, punctuation)",
                  "tracks: 256 stereo tracks, an area holds at most 255"}));
    }
    CHECK(warnings.empty());
    {
        // Capacity: 2 hours need a dual-layer disc, 3.5 hours fit none.
        DiscContent disc;
        disc.stereoTracks.push_back({});
        disc.stereoTracks[0].source = std::make_unique<PatternSource>(uint64_t(7200) * 2822400, 1);
        CHECK(orvi::engine::validateDisc(disc, warnings).empty());
        CHECK(warnings
              == std::vector<std::string>{"the image takes 5.16 GB, more than a single-layer disc holds (4.7 GB): "
                                          "it needs a dual-layer disc"});
        disc.stereoTracks[0].source = std::make_unique<PatternSource>(uint64_t(12600) * 2822400, 1);
        CHECK(orvi::engine::validateDisc(disc, warnings)
              == std::vector<std::string>{
                  "tracks: the image would take 9.03 GB, more than a dual-layer disc holds (8.5 GB)"});
        QTemporaryDir dir;
        CHECK(orvi::engine::writeImage(disc, dir.filePath("huge.iso").toStdString(), {}).status
              == WriteStatus::InvalidInput);
        CHECK(QDir(dir.path()).isEmpty());
    }
}

// Two runs writing one OUTPUT: each has its own temporary file, and a
// temporary file that another program replaced is never published.
void checkConcurrentRunsToOneOutput()
{
    QTemporaryDir dir;
    const std::string output = dir.filePath("disc.iso").toStdString();
    orvi::engine::ImageFile first(output);
    orvi::engine::ImageFile second(output);
    CHECK(first.open() && second.open());
    CHECK(first.partPath() != second.partPath());
    CHECK(first.append(reinterpret_cast<const uint8_t*>("first"), 5));
    CHECK(second.append(reinterpret_cast<const uint8_t*>("second"), 6));
#ifdef _WIN32
    std::puts("skipped on Windows: an open temporary image cannot be replaced by another program there");
#else
    const std::string intruder = dir.filePath("intruder").toStdString();
    writeText(intruder, "foreign");
    CHECK(QFile::remove(QString::fromStdString(first.partPath())));
    CHECK(QFile::rename(QString::fromStdString(intruder), QString::fromStdString(first.partPath())));
    CHECK(!first.commit());
    CHECK_EQ(first.error(),
             "the temporary image " + first.partPath()
                 + " was replaced or removed by another program "
                   "while it was written; "
                 + output + " was left as it was");
    CHECK(!fileExists(output));
#endif
    CHECK(second.commit());
    const auto published = readFile(output);
    CHECK_EQ(std::string(published.begin(), published.end()), std::string("second"));
}

void checkCoverProblemsWarn()
{
    QTemporaryDir dir;
    const std::string output = dir.filePath("disc.iso").toStdString();
    const std::string notAPicture = dir.filePath("cover.jpg").toStdString();
    writeText(notAPicture, "plain text");
    const std::string missing = dir.filePath("missing.png").toStdString();
    for (const std::string& cover : {notAPicture, missing}) {
        DiscContent disc = fourTrackDisc();
        disc.coverPath = cover;
        ObserverProbe probe;
        const auto result = orvi::engine::writeImage(disc, output, probe.observer());
        CHECK(result.status == WriteStatus::Written);
        const std::string expected = cover == missing
            ? "cover picture not stored: cannot read " + missing + ": " + systemOpenError(missing, QIODevice::ReadOnly)
            : "cover picture not stored: " + notAPicture + " is neither a JPEG nor a PNG picture";
        CHECK(probe.warnings == std::vector<std::string>{expected});
    }
}

} // namespace

int main()
{
    checkPartFileAndReplace();
    checkStopAfterTwoTracks();
    checkFailures();
#ifndef _WIN32
    checkWriteFailureDuringAudio();
#endif
    checkValidation();
    checkCoverProblemsWarn();
    checkConcurrentRunsToOneOutput();
    return finish("image_output_test");
}
