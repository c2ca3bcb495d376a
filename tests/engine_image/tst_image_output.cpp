// How the writer treats its output and the run: its own temporary file and
// the rename, stopping between tracks, failures that must leave nothing behind,
// and the checks made before anything is written.

#include "image/image_file.h"
#include "image/image_writer.h"
#include "image_test_support.h"

#include <QDir>

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

// Temporary files left beside the image.
bool partFilesIn(const Scratch& scratch)
{
    return !QDir(scratch.dir.path()).entryList({"*.part"}, QDir::Files | QDir::Hidden).isEmpty();
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
// only when it is closed. A stop after the second track closes a disc of two
// tracks: its TOCs count two and the area ends with them (the engine's stop
// tests read such discs back).
void checkStopAfterTwoTracks()
{
    Scratch scratch;
    const std::string output = scratch.path("disc.iso");
    CHECK(writeFile(output, "old image"));
    ObserverProbe probe;
    probe.stopAfterTracks = 2;
    std::string partPath;
    bool partSeen = true, oldKept = true;
    probe.onTrack = [&] {
        partSeen = partSeen && !partPath.empty() && fileExists(partPath);
        oldKept = oldKept && readFile(output) == "old image";
    };
    orvi::engine::WriteObserver observer = probe.observer();
    observer.partialFileCreated = [&](const std::string& path) { partPath = path; };
    DiscContent disc = fourTrackDisc();
    const auto result = orvi::engine::writeImage(disc, output, observer);
    CHECK(result.status == WriteStatus::Stopped && result.tracksWritten == 2 && probe.tracksStarted == 2);
    CHECK(partSeen && oldKept && !partFilesIn(scratch));
    const Image image{readFile(output)};
    if (!CHECK(image.bytes.size() > 600u * kSector))
        return;
    // 1.2 s = 90 frames per track, a 5-frame pause before the second.
    const uint32_t areaEnd = image.u32(544, 76);
    CHECK(image.u8(544, 69) == 2 && image.timeCodeFrames(544, 64) == 185 && image.u32(545, 8 + 8) == 0);
    CHECK_EQ(uint64_t(areaEnd - image.u32(544, 72)), uint64_t(185) * kFrameBytes / 2016);
    CHECK_EQ(image.u32(545, 8 + 4) + image.u32(545, 1028 + 4) - 1, areaEnd);
    CHECK_EQ(image.u32(510, 68), areaEnd + 1);                       // TOC-2 right after the area
    CHECK(image.u16(549, 8 + 2) != 0 && image.u16(549, 8 + 4) == 0); // track text only for the written tracks
}

// Runs that fail: each gives its status and one error, leaves no temporary
// file and keeps the image that was there.
void checkFailures()
{
    Scratch scratch;
    const std::string missing = scratch.path("missing/disc.iso");
    const std::string taken = scratch.path("taken.iso"); // a folder sits where the image should go
    const std::string old = scratch.path("old.iso");
    CHECK(QDir(scratch.dir.path()).mkdir("taken.iso") && writeFile(old, "old"));
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
        CHECK(!partFilesIn(scratch));
    }
    CHECK_EQ(readFile(old), "old");
}

#ifndef _WIN32
// A write that fails while the audio streams (here: past a file-size limit,
// as a full disk would) ends the run with the file's own message, and the
// ".part" is gone: the writes in flight are over before it is removed.
void checkWriteFailureDuringAudio()
{
    Scratch scratch;
    const std::string output = scratch.path("disc.iso");
    DiscContent disc;
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
    CHECK(!fileExists(output) && !partFilesIn(scratch));
}
#endif

std::unique_ptr<PatternSource> channels(int count, uint64_t seconds = 1)
{
    return std::make_unique<PatternSource>(seconds * 2822400, 1, -1, count);
}

// Everything wrong with a disc at once, each named; warnings only where the disc can still be written.
void checkValidation()
{
    std::vector<std::string> warnings;
    DiscContent disc = fourTrackDisc();
    disc.catalogNumber = "12345678901234567";
    disc.genreIndex = 30;
    disc.discNumber = 3;
    disc.discTotal = 2;
    disc.stereoTracks[1].text.isrc = "US-ABC-21-00042";
    disc.stereoTracks[2].text.isrc = "usabc2100042"; // lower case is accepted
    disc.stereoTracks[3].source = channels(1);
    for (int count : {6, 5}) // one multichannel area takes one channel count
        disc.multichannelTracks.push_back({"mc" + std::to_string(count) + ".dsf", 0, {}, 0, channels(count)});
    CHECK((orvi::engine::validateDisc(disc, warnings)
           == std::vector<std::string>{
               "--catalog: \"12345678901234567\" has 17 characters, at most 16 fit",
               "--genre: index 30 is not in the General genre table (1..29)",
               "--disc: 3 must be 1..2",
               "track 2 ISRC: \"US-ABC-21-00042\" is not an ISRC (2 letters, 3 letters or digits, 7 digits)",
               "track 4: track4.dsf: 1-channel audio, the stereo area takes 2 channels",
               "track 6: mc5.dsf: 5 channels, but the multichannel area has 6 (the first multichannel track's count): "
               "one disc takes 5- or 6-channel tracks, not both",
           }));
    DiscContent empty;
    CHECK(orvi::engine::validateDisc(empty, warnings) == std::vector<std::string>{"tracks: no track to write"});
    empty.catalogNumber = "caf\xc3\xa9";
    for (int i = 0; i < 256; ++i)
        empty.stereoTracks.push_back(patternTrack(1.0, uint32_t(i)));
    CHECK(orvi::engine::validateDisc(empty, warnings)
          == (std::vector<std::string>{
              "--catalog: \"caf\xc3\xa9\" may hold only ISO 646 characters (letters, digits, punctuation)",
              "tracks: 256 stereo tracks, an area holds at most 255"}));
    CHECK(warnings.empty());

    // Capacity: 2 hours need a dual-layer disc, 3.5 hours fit none.
    DiscContent huge;
    huge.stereoTracks.push_back({});
    huge.stereoTracks[0].source = channels(2, 7200);
    CHECK(orvi::engine::validateDisc(huge, warnings).empty());
    CHECK(warnings
          == std::vector<std::string>{"the image takes 5.16 GB, more than a single-layer disc holds (4.7 GB): "
                                      "it needs a dual-layer disc"});
    huge.stereoTracks[0].source = channels(2, 12600);
    CHECK(orvi::engine::validateDisc(huge, warnings)
          == std::vector<std::string>{
              "tracks: the image would take 9.03 GB, more than a dual-layer disc holds (8.5 GB)"});
    Scratch scratch;
    CHECK(orvi::engine::writeImage(huge, scratch.path("huge.iso"), {}).status == WriteStatus::InvalidInput);
    CHECK(QDir(scratch.dir.path()).isEmpty());
}

// Two runs writing one OUTPUT: each has its own temporary file, and a
// temporary file that another program replaced is never published.
void checkConcurrentRunsToOneOutput()
{
    Scratch scratch;
    const std::string output = scratch.path("disc.iso");
    orvi::engine::ImageFile first(output), second(output);
    CHECK(first.open() && second.open() && first.partPath() != second.partPath());
    CHECK(first.append(reinterpret_cast<const uint8_t*>("first"), 5));
    CHECK(second.append(reinterpret_cast<const uint8_t*>("second"), 6));
#ifdef _WIN32
    std::puts("skipped on Windows: an open temporary image cannot be replaced by another program there");
#else
    CHECK(QFile::remove(QString::fromStdString(first.partPath())) && writeFile(first.partPath(), "foreign"));
    CHECK(!first.commit());
    CHECK_EQ(first.error(),
             "the temporary image " + first.partPath()
                 + " was replaced or removed by another program while it was written; " + output
                 + " was left as it was");
    CHECK(!fileExists(output));
#endif
    CHECK(second.commit());
    CHECK_EQ(readFile(output), "second");
}

void checkCoverProblemsWarn()
{
    Scratch scratch;
    const std::string notAPicture = scratch.path("cover.jpg"), missing = scratch.path("missing.png");
    CHECK(writeFile(notAPicture, "plain text"));
    for (const auto& [cover, warning] : {
             std::pair{notAPicture, notAPicture + " is neither a JPEG nor a PNG picture"},
             {missing, "cannot read " + missing + ": " + systemOpenError(missing, QIODevice::ReadOnly)},
         }) {
        DiscContent disc = fourTrackDisc();
        disc.coverPath = cover;
        ObserverProbe probe;
        CHECK(orvi::engine::writeImage(disc, scratch.path("disc.iso"), probe.observer()).status
              == WriteStatus::Written);
        CHECK(probe.warnings == std::vector<std::string>{"cover picture not stored: " + warning});
    }
}

} // namespace

int main()
{
    checkStopAfterTwoTracks();
    checkFailures();
#ifndef _WIN32
    checkWriteFailureDuringAudio();
#endif
    checkValidation();
    checkCoverProblemsWarn();
    checkConcurrentRunsToOneOutput();
    return finish("tst_image_output");
}
