// Whole runs of the engine read back with its own tools: generated DSF,
// DSDIFF and DST DSDIFF tracks packed with every kind of text, into stereo,
// multichannel and DST-coded areas; --inspect must show every field and
// --extract must give back every input bit. The window packs a mixed album
// unattended too. A "stop" line on standard input ends a run after the track
// in progress with a valid disc of the finished tracks.

#include "dst_dsdiff.h"
#include "engine_checks.h"
#include "engine_process.h"

#include "orvi_lathe_core.h"
#include "input/track_reader.h"
#include "reader/image_verify.h"
#include "reader/sacd_image.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define ORVI_PIPE(fds) _pipe(fds, 4096, _O_BINARY)
#else
#include <csignal>
#include <unistd.h>
#define ORVI_PIPE(fds) ::pipe(fds)
#endif

using namespace orvi::enginetest;

namespace {

ScratchDir dir;

// A track's whole DSD data in the disc's byte order, read through the
// engine's own input reader; empty with a message on stderr on failure.
std::vector<uint8_t> dsdData(const std::string& path)
{
    orvi::engine::OpenedTrack track = orvi::engine::openTrack(path);
    std::vector<uint8_t> data, chunk(64 * 1024);
    std::string error = track.errors.empty() ? "" : track.errors.front();
    for (int64_t got = 1; error.empty() && got > 0;) {
        got = track.source->read(chunk.data(), chunk.size(), error);
        data.insert(data.end(), chunk.begin(), chunk.begin() + std::max<int64_t>(got, 0));
    }
    if (!error.empty())
        std::fprintf(stderr, "cannot read %s: %s\n", path.c_str(), error.c_str());
    return error.empty() ? data : std::vector<uint8_t>();
}

// True when `extracted` starts with `input` and continues only with the
// DSD silence that pads a track to whole frames (and to one second).
bool holdsInputThenSilence(const std::vector<uint8_t>& extracted, std::vector<uint8_t> input)
{
    const bool longer = !input.empty() && extracted.size() >= input.size();
    input.resize(extracted.size(), 0x69);
    return longer && extracted == input;
}

// "@" stands for the scratch folder.
std::string at(std::string text)
{
    for (size_t i = 0; (i = text.find('@', i)) != std::string::npos; i += dir.path("").size())
        text.replace(i, 1, dir.path(""));
    return text;
}

QByteArray fileBytes(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether `lines` show `expected`: a whole line, where "..." stands for any
// text; with "!" first, whether no line is that.
bool shows(const std::vector<std::string>& lines, const std::string& expected)
{
    const bool absent = expected.starts_with("!");
    const std::string text = at(expected.substr(absent ? 1 : 0));
    const size_t gap = text.find("...");
    const std::string head = text.substr(0, gap), tail = gap == std::string::npos ? "" : text.substr(gap + 3);
    const bool found = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return gap == std::string::npos
            ? line == text
            : line.size() >= text.size() - 3 && line.starts_with(head) && line.ends_with(tail);
    });
    if (found == absent)
        std::fprintf(stderr, "  line \"%s\"\n", expected.c_str());
    return found != absent;
}

struct PackCase {
    const char* name;
    const char* options;                     // '|'-separated
    std::vector<std::string> inputs;         // in the scratch folder
    std::vector<std::string> out;            // the plan line's start, then lines the run shows
    std::vector<std::string> inspect;        // lines --inspect shows
    std::vector<std::string> err = {};       // standard error, all of it
    std::vector<std::string> extracted = {}; // the names --extract gives, where they matter
    int exitCode = 0;
};

// Packs, inspects and extracts; returns what --inspect showed.
std::vector<std::string> pack(const PackCase& c)
{
    std::fprintf(stderr, "case %s\n", c.name);
    const std::string image = dir.path(std::string(c.name) + ".iso");
    const QString optionText = QString::fromStdString(at(c.options));
    QStringList arguments = optionText.split(u'|', Qt::SkipEmptyParts) << "-o" << QString::fromStdString(image);
    for (const std::string& input : c.inputs)
        arguments << dir.qpath(input);
    const EngineRun run = runEngine(arguments);
    CHECK_EQ(run.exitCode, c.exitCode);
    CHECK_EQ(run.err.size(), c.err.size());
    for (const std::string& line : c.err)
        CHECK(shows(run.err, line));
    if (c.exitCode != 0) {
        CHECK(QDir(dir.qpath("")).entryList({QString(c.name) + ".iso*"}).isEmpty());
        return {};
    }
    CHECK(!run.out.empty() && shows({run.out.front()}, c.out.front()));
    for (size_t i = 1; i < c.out.size(); ++i)
        CHECK(shows(run.out, c.out[i]));
    // Every 5 % step, however large the reads.
    std::vector<std::string> progress, steps;
    std::copy_if(run.out.begin(), run.out.end(), std::back_inserter(progress),
                 [](const std::string& line) { return line.starts_with("progress: "); });
    for (int step = 5; step <= 100; step += 5)
        steps.push_back("progress: " + std::to_string(step) + "%");
    CHECK(progress == steps);
    CHECK_EQ(run.outHas("verified: every track matches its input"), optionText.contains("--verify"));
    CHECK_EQ(run.lastOut(),
             "SACD ISO created: " + QFileInfo(QString::fromStdString(image)).absoluteFilePath().toStdString());

    const EngineRun inspect = runEngine({"--inspect", QString::fromStdString(image)});
    CHECK_EQ(inspect.exitCode, 0);
    for (const std::string& line : c.inspect)
        CHECK(shows(inspect.out, line));

    // Extracted: stereo tracks ("01 ...") sort before multichannel ones ("MC01 ...").
    const std::string folder = dir.path(std::string(c.name) + "-tracks");
    const EngineRun extract = runEngine({"--extract", QString::fromStdString(image), QString::fromStdString(folder)});
    CHECK_EQ(extract.exitCode, 0);
    std::vector<std::string> files, inputs = c.inputs;
    for (const QString& file : QDir(QString::fromStdString(folder)).entryList(QDir::Files, QDir::Name))
        files.push_back(file.toStdString());
    CHECK(c.extracted.empty() || files == c.extracted);
    std::stable_partition(inputs.begin(), inputs.end(), [&](const std::string& input) {
        return orvi::engine::openTrack(dir.path(input)).channels == 2;
    });
    if (!CHECK_EQ(files.size(), inputs.size()))
        return inspect.out;
    for (size_t t = 0; t < inputs.size(); ++t) {
        CHECK(extract.outHas("extracted: " + folder + "/" + files[t]));
        if (!CHECK(holdsInputThenSilence(dsdData(folder + "/" + files[t]), dsdData(dir.path(inputs[t])))))
            std::fprintf(stderr, "  %s\n", files[t].c_str());
    }
    return inspect.out;
}

// The window, unattended, packs a mixed album end to end.
void windowPacksMixedAlbum()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QStringList tracks{dir.qpath("stereo.dsf"), dir.qpath("six.dsf"), dir.qpath("six.dff"), dir.qpath("window")};
    for (const QString& entry :
         QStringList{"QT_QPA_PLATFORM=offscreen", "ORVI_NO_UPDATE_CHECK=1", "ORVI_PACK_GUI_AUTOCLOSE=1",
                     "ORVI_PACK_GUI_NOCONFIRM=1", "ORVI_SETTINGS_DIR=" + dir.qpath("settings"),
                     "ORVI_PACK_GUI_LOG=" + dir.qpath("window.log"), "ORVI_PACK_GUI_AUTORUN=" + tracks.join('|')})
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QFileInfo(enginePath()).dir().filePath("OrviLathe"), {});
    CHECK(program.waitForFinished(120000) && program.exitCode() == 0);
    CHECK(fileBytes(dir.path("window.log")).contains("SACD ISO created: " + dir.path("window.iso")));
    CHECK(orvi::engine::reader::verifyImage(dir.path("window.iso"), {dir.path("stereo.dsf")},
                                            {dir.path("six.dsf"), dir.path("six.dff")})
              .empty());
}

// Stopped runs: the engine's entry runs in this process with a pipe as its
// standard input, and the stop is written from the track-started
// notification, so the test does not race the writer.
struct StopPlan {
    int stopAtTrack = 0;
    int stopInput = -1; // write end of the pipe that is the entry's standard input
    std::vector<std::string> partialImages;
    int startedTracks = 0;
};

// Runs the entry with a pipe as standard input and standard output captured.
int runEntry(std::vector<std::string> arguments, StopPlan& plan, std::string& output)
{
    int input[2];
    if (ORVI_PIPE(input) != 0)
        return -1000;
    plan.stopInput = input[1];
    std::FILE* capture = std::tmpfile();
    const int savedIn = ::dup(0), savedOut = ::dup(1);
    std::fflush(stdout);
    ::dup2(input[0], 0);
    ::dup2(fileno(capture), 1);

    arguments.insert(arguments.begin(), "OrviPackEngine");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    OrviLatheHooks hooks;
    hooks.trackStarted = [](int number, int, void* context) {
        auto* plan = static_cast<StopPlan*>(context);
        if (++plan->startedTracks == number && number == plan->stopAtTrack)
            CHECK_EQ(::write(plan->stopInput, "stop\n", 5), 5);
    };
    hooks.partialImageChanged = [](const char* path, void* context) {
        static_cast<StopPlan*>(context)->partialImages.push_back(path ? path : "(gone)");
    };
    hooks.context = &plan;
    const int code = orvi_lathe_main_with_hooks(int(arguments.size()), argv.data(), &hooks);

    std::fflush(stdout);
    ::dup2(savedOut, 1);
    ::dup2(savedIn, 0);
    for (int fd : {savedOut, savedIn, input[0], input[1]})
        ::close(fd);
    std::rewind(capture);
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, capture)) > 0;)
        output.append(buffer, got);
    std::fclose(capture);
    return code;
}

// Stopped after track k, for every k: a valid disc of the first k tracks.
void stopAfterEachTrack(const std::vector<std::string>& tracks, const std::vector<std::string>& options)
{
    for (int k = 1; k <= int(tracks.size()); ++k) {
        const std::string image = dir.path("stop" + std::to_string(options.size()) + std::to_string(k) + ".iso");
        std::vector<std::string> arguments = options;
        arguments.insert(arguments.end(), {"--verify", "-o", image});
        arguments.insert(arguments.end(), tracks.begin(), tracks.end());
        StopPlan plan;
        plan.stopAtTrack = k;
        std::string output;
        CHECK_EQ(runEntry(arguments, plan, output), -61);
        CHECK_EQ(plan.startedTracks, k);
        CHECK(output.ends_with(
            "SACD ISO created: " + QFileInfo(QString::fromStdString(image)).absoluteFilePath().toStdString() + "\n"));
        CHECK(output.find("verified: every track matches its input\n") != std::string::npos);
        // The run's own temporary file, announced once and gone at the end.
        CHECK(plan.partialImages.size() == 2 && plan.partialImages[0].starts_with(image + ".")
              && plan.partialImages[0].ends_with(".part") && plan.partialImages[1] == "(gone)"
              && !fileExists(plan.partialImages[0]));
        orvi::engine::reader::SacdImage disc;
        std::string error;
        CHECK(disc.open(image, error));
        size_t onDisc = 0;
        for (const auto& area : disc.areas())
            onDisc += area.tracks.size();
        CHECK_EQ(onDisc, size_t(k));
    }
}

// The executable, for both image kinds: a stop already waiting when the run
// starts ends it after the first track, and the process reports -61 as its
// exit byte. Without a stop the run ends by itself although nothing ever
// closes its standard input.
void stopThroughTheExecutable(const std::vector<std::string>& tracks)
{
    const struct {
        const char* option;
        QByteArray input;
        int exitCode;
        std::string trackLine; // how --inspect shows what was written
    } runs[] = {
        {"--verify", "stop\n", kStoppedProcessExit, "  track offset: 0, tracks: 1, first bonus track: 0"},
        {"--dsd-disc", "stop\n", kStoppedProcessExit, "  /DSD_DISC/Tag Album/01 - Tag One.dsf: ..."},
        {"--verify", "not a control word\n", 0, "  track offset: 0, tracks: 3, first bonus track: 0"},
    };
    for (const auto& r : runs) {
        QStringList arguments{r.option, "-o", dir.qpath("early.iso")};
        for (const std::string& track : tracks)
            arguments << QString::fromStdString(track);
        const EngineRun run = runEngine(arguments, {}, r.input);
        CHECK_EQ(run.exitCode, r.exitCode);
        CHECK_EQ(run.outHas("[2/3] Diin Two \u2014 two.dff"), r.exitCode == 0);
        CHECK(run.lastOut().starts_with("SACD ISO created: "));
        CHECK(shows(runEngine({"--inspect", dir.qpath("early.iso")}).out, r.trackLine));
    }
}

#ifndef _WIN32
// The executable, ended by SIGTERM while it writes: the partial image is
// removed and the process ends by that signal.
void terminatedRunLeavesNothing()
{
    const std::string track = dir.path("long.dsf");
    CHECK(makeTrack(track, 10.0, 700));
    QStringList arguments{"-o", dir.qpath("terminated.iso")};
    for (int copy = 0; copy < 8; ++copy)
        arguments << QString::fromStdString(track);
    QProcess process;
    process.start(enginePath(), arguments);
    CHECK(process.waitForStarted(10000));
    QByteArray output;
    while (!output.contains("[1/8]") && process.state() == QProcess::Running) {
        process.waitForReadyRead(1000);
        output += process.readAllStandardOutput();
    }
    const QDir folder(dir.qpath(""));
    CHECK_EQ(folder.entryList({"terminated.iso.*.part"}).size(), qsizetype(1));
    ::kill(pid_t(process.processId()), SIGTERM);
    CHECK(process.waitForFinished(30000) && process.exitStatus() == QProcess::CrashExit);
    CHECK(folder.entryList({"terminated.iso*"}).isEmpty());
}
#endif

} // namespace

int main()
{
    for (const auto& [name, seconds, frequency, options] : {
             std::tuple{"one.dsf", 2.0, 1000,
                        "--title|Tag One|--artist|Tag Artist|--album|Tag Album|--genre|Jazz|--date|2019-05-02|"
                        "--composer|Tag Composer"},
             {"two.dff", 1.5, 440, "--format|dff|--diin-title|Diin Two"},
             {"three.dsf", 1.2, 2000, "--title|Tag Three|--isrc|DEXYZ1900003"},
             {"dsd128.dsf", 1.0, 1000, "--rate|5644800"},
             {"mono.dsf", 1.0, 1000, "--channels|1"},
             {"stereo.dsf", 1.2, 1000, ""},
             {"stereo2.dff", 0.6, 700, "--format|dff"},
             {"six.dsf", 1.0, 300, "--channels|6|--noise|-30"},
             {"six.dff", 1.3, 2000, "--channels|6|--format|dff"},
             {"five.dsf", 1.1, 440, "--channels|5"},
         })
        CHECK(makeTrack(dir.path(name), seconds, frequency, QString(options).split(u'|', Qt::SkipEmptyParts)));
    const orvi::test::Frames sixFrames = orvi::test::dstFramesOf(dsdData(dir.path("six.dff")), 6);
    const auto bytes = [](const std::vector<uint8_t>& file) {
        return QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
    };
    CHECK(writeFile(dir.path("six-dst.dff"), bytes(orvi::test::buildDstDsdiff(sixFrames, 6))));
    CHECK(writeFile(
        dir.path("stereo-dst.dff"),
        bytes(orvi::test::buildDstDsdiff(orvi::test::dstFramesOf(dsdData(dir.path("stereo.dsf")), 2), 2, false))));
    QImage cover(64, 64, QImage::Format_RGB32);
    cover.fill(Qt::darkCyan);
    CHECK(cover.save(dir.qpath("cover.png")));
    CHECK(
        writeFile(dir.path("album.cue"),
                  "TITLE \"Cue Album\"\nPERFORMER \"Cue Artist\"\nFILE \"one.dsf\" WAVE\n"
                  "  TRACK 01 AUDIO\n    TITLE \"Cue One\"\n    INDEX 01 00:00:00\n"
                  "  TRACK 02 AUDIO\n    TITLE \"Cue Two\"\n    PERFORMER \"Cue Performer\"\n    INDEX 01 00:02:00\n"));

    const std::vector<std::string> album = {"one.dsf", "two.dff", "three.dsf"};
    const std::string albumPlan = "1 area: stereo 3 tracks 0:04; estimated size ... MB"; // without --pause
    const QString cjkTitle = QString(90, QChar(0x957F));                                 // 长: 270 bytes of UTF-8
    const std::string cjkOptions =
        "--album|\u4e2d\u6587\u4e13\u8f91|--track-title|3:\u7b2c\u4e09\u9996|--track-title|2:" + cjkTitle.toStdString();
    const std::string dstArea = "  channels: 6, loudspeaker config 4, frame format 0 (DST), fs code 4";
    const PackCase cases[] = {
        {"album",
         "--album|Round Trip|--artist|Orvi Ensemble|--label|Orvi Records|--copyright|(C) 2021 Orvi|--genre|classical|"
         "--date|2021-03-04|--catalog|CAT-77|--disc|2|--disc-total|3|--pause|44100|--verify|--isrc|1:US-AB1-21-00001|"
         "--track-title|2:Line Two|--track-artist|2:Line Artist|--cover|@cover.png",
         album,
         {"1 area: stereo 3 tracks 0:06; estimated size ... MB", "[1/3] Tag One \u2014 one.dsf",
          "[2/3] Line Two \u2014 two.dff", "[3/3] Tag Three \u2014 three.dsf"},
         // The area description holds no composer: a track's tag speaks for that track only. One second
         // (44100/44100) of pause before tracks 2 and 3.
         {"master TOC: sector 510, version 1.20, copies at 520 and 530 identical",
          "  album set size: 3, sequence number: 2",
          "  album catalog number: \"CAT-77\"",
          "  album genre: table 1 index 5 (Classical)",
          "  disc catalog number: \"CAT-77\"",
          "  disc genre: table 1 index 5 (Classical)",
          "  disc date: 2021-03-04",
          "  text channel 1: language \"en\", character set 2 (ISO 8859-1)",
          "    album title: \"Round Trip\"",
          "    album artist: \"Orvi Ensemble\"",
          "    album publisher: \"Orvi Records\"",
          "    album copyright: \"(C) 2021 Orvi\"",
          "    disc title: \"Round Trip\"",
          "    area description: \"Round Trip\"",
          "    area copyright: \"(C) 2021 Orvi\"",
          "  track offset: 0, tracks: 3, first bonus track: 0",
          "  track 2: sectors ..., time 00:03:00 + 00:01:38, mode 0, flags 0",
          "    ISRC: \"USAB12100001\"",
          "    ISRC: \"DEXYZ1900003\"",
          "    title: \"Tag One\"",
          "    performer: \"Tag Artist\"",
          "    title: \"Line Two\"",
          "    performer: \"Line Artist\"",
          "    title: \"Tag Three\"",
          "    performer: \"Orvi Ensemble\""},
         {},
         {"01 - Tag One.dsf", "02 - Line Two.dsf", "03 - Tag Three.dsf"}},
        // The command line over the CUE sheet over the file's tag over DIIN; the
        // genre and the date from the first file's tag.
        {"cue",
         "--cue|@album.cue|--track-title|1:Line One",
         album,
         {albumPlan, "CUE sheet @album.cue read as UTF-8 (detected; --cue-charset NAME overrides)"},
         {"    album title: \"Cue Album\"", "    album artist: \"Cue Artist\"", "    title: \"Line One\"",
          "    title: \"Cue Two\"", "    performer: \"Cue Performer\"", "    title: \"Tag Three\"",
          "  album genre: table 1 index 14 (Jazz)", "  disc date: 2019-05-02", "!    title: \"Cue One\""},
         {"warning: --cue: the sheet lists 2 tracks for 3 input tracks; its entries apply in order"}},
        // Extracted file names are cut to whole characters within the file system's byte limit.
        {"cjk",
         cjkOptions.c_str(),
         album,
         {albumPlan},
         {"  text channel 1: language \"zh\", character set 5 (GB 2312)",
          "    album title: \"\u4e2d\u6587\u4e13\u8f91\"", "    title: \"\u7b2c\u4e09\u9996\""},
         {},
         {"01 - Tag One.dsf", "02 - " + cjkTitle.left(66).toStdString() + ".dsf", "03 - \u7b2c\u4e09\u9996.dsf"}},
        {"refused",
         "",
         {"one.dsf", "dsd128.dsf", "mono.dsf"},
         {},
         {},
         {"error: @dsd128.dsf: sample rate 5644800 Hz: only DSD64 (2822400 Hz) fits on an SACD",
          "error: @mono.dsf: 1 channel: an SACD takes stereo (2-channel) or multichannel (5- or 6-channel) tracks"},
         {},
         1},
        {"mixed",
         "--verify",
         {"stereo.dsf", "six.dsf", "stereo2.dff", "six.dff"},
         {"2 areas: stereo 2 tracks 0:02, multichannel (6 channels, DST) 2 tracks 0:02; estimated size ... MB"},
         {"area TWOCHTOC: TOC at sector 544, version 1.20, 5 sectors, second copy identical",
          "  channels: 2, loudspeaker config 0, frame format 2 (plain DSD, 3 frames in 14 sectors), fs code 4",
          "area MULCHTOC: TOC at sector ...", dstArea,
          "  track text at TOC sector 0, index list at 0, access list at 5, web links at 0, track list 3 at 0, play "
          "lists at 0",
          "  access list: 18 entries, every 10 frames", "    entry 17: sector ...",
          "  DST frames: 174, bytes per frame ..."},
         {"warning: track 2: @stereo2.dff lasts 0.60 s; padded with silence to 1 s, the shortest track a disc allows"}},
        {"dst-stereo",
         "--dst-stereo|--dst-compression|16|--verify",
         {"five.dsf", "stereo.dsf"},
         {"2 areas: stereo (DST) 1 track 0:01, multichannel (5 channels, DST) 1 track 0:01; estimated size ... MB"},
         {"  channels: 2, loudspeaker config 0, frame format 0 (DST), fs code 4",
          "  channels: 5, loudspeaker config 3, frame format 0 (DST), fs code 4",
          "  DST frames: 90, bytes per frame ...", "  DST frames: 83, bytes per frame ..."}},
        {"uncompressed",
         "--no-encode|--verify",
         {"six.dff"},
         {"1 area: multichannel (6 channels, DST) 1 track 0:01; estimated size ... MB"},
         {"area MULCHTOC: TOC at sector 544, version 1.20, 37 sectors, second copy identical",
          "  DST frames: 98, bytes per frame 28225 min, 28225 mean, 28225 max; 98 uncompressed; ratio 1.000"},
         // Uncompressed six-channel frames break the area's byte-rate limit.
         {"warning: the multichannel area peaks at ... bytes/s, above the format's limit of 1873920 bytes/s "
          "(uncompressed frames, --no-encode): players may refuse the area"}},
        {"carried",
         "--verify",
         {"six-dst.dff"},
         {"1 area: multichannel (6 channels, DST) 1 track 0:01; estimated size ... MB",
          "@six-dst.dff: DST frames carried over as they are (give --dst-compression to code them again)"},
         {dstArea}},
        {"coded-again",
         "--dst-compression|32|--verify",
         {"six-dst.dff", "stereo-dst.dff"},
         {"2 areas: stereo 1 track 0:01, multichannel (6 channels, DST) 1 track 0:01; estimated size ... MB",
          "!@six-dst.dff: DST frames carried over as they are (give --dst-compression to code them again)"},
         {dstArea}},
    };
    for (const PackCase& c : cases) {
        const std::vector<std::string> shown = pack(c);
        if (std::string(c.name) != "album")
            continue;
        CHECK(fileBytes(dir.path("album.iso")).contains(fileBytes(dir.path("cover.png"))));
        CHECK_EQ(std::count(shown.begin(), shown.end(), "    composer: \"Tag Composer\""), std::ptrdiff_t(1));
        CHECK_EQ(orvi::engine::openTrack(dir.path("album-tracks/02 - Line Two.dsf")).text.title,
                 std::string("Line Two"));
        // The comparison behind --verify notices tracks that are not the inputs.
        const std::vector<std::string> problems = orvi::engine::reader::verifyImage(
            dir.path("album.iso"), {dir.path("two.dff"), dir.path("one.dsf"), dir.path("three.dsf")});
        CHECK(problems.size() == 2
              && problems[0].starts_with("track 1 (" + dir.path("two.dff") + "): DSD data differs"));
    }

    // DST frames carried into the multichannel area are stored as they were.
    orvi::engine::reader::SacdImage disc;
    std::string error;
    orvi::test::Frames stored;
    CHECK(disc.open(dir.path("carried.iso"), error) && disc.multichannelArea()
          && disc.readStoredFrames(
              *disc.multichannelArea(),
              [&](const uint8_t* frame, size_t bytes) { stored.emplace_back(frame, frame + bytes); }, error));
    CHECK(stored == sixFrames);

    windowPacksMixedAlbum();
    const std::vector<std::string> tracks = {dir.path("one.dsf"), dir.path("two.dff"), dir.path("three.dsf")};
    stopAfterEachTrack(tracks, {});
    // Also in DST areas: the stereo one (--dst-stereo) and the multichannel one.
    stopAfterEachTrack({tracks[0], dir.path("six.dsf"), dir.path("six.dff")}, {"--dst-stereo"});
    stopThroughTheExecutable(tracks);
#ifndef _WIN32
    terminatedRunLeavesNothing();
#endif

    return finish("tst_engine_round_trip");
}
