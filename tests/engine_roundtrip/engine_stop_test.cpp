// A "stop" line on standard input: the engine finishes the track in
// progress, closes the image as a valid disc of the finished tracks, prints
// the success line and returns -61. Checked at every track boundary by
// running the entry in this process, with the stop written from the
// track-started notification, so the test does not race the writer.

#include "engine_checks.h"
#include "engine_process.h"

#include "orvi_lathe_core.h"
#include "reader/sacd_image.h"

#include <QDir>
#include <QFileInfo>
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
        QStringList options;
        QByteArray input;
        int exitCode;
        std::string trackLine; // how --inspect shows what was written
    } runs[] = {
        {{}, "stop\n", kStoppedProcessExit, "  track offset: 0, tracks: 1, first bonus track: 0"},
        {{"--dsd-disc"}, "stop\n", kStoppedProcessExit, "  /DSD_DISC/DSD Disc/01 - one.dsf: "},
        {{}, "not a control word\n", 0, "  track offset: 0, tracks: 3, first bonus track: 0"},
    };
    for (const auto& r : runs) {
        QStringList arguments = r.options + QStringList{"-o", dir.qpath("early.iso")};
        for (const std::string& track : tracks)
            arguments << QString::fromStdString(track);
        const EngineRun run = runEngine(arguments, {}, r.input);
        CHECK_EQ(run.exitCode, r.exitCode);
        CHECK_EQ(run.outHas("[2/3] two.dsf \u2014 two.dsf"), r.exitCode == 0);
        CHECK(run.lastOut().starts_with("SACD ISO created: "));
        const std::vector<std::string> shown = runEngine({"--inspect", dir.qpath("early.iso")}).out;
        CHECK(std::any_of(shown.begin(), shown.end(), [&](const auto& line) { return line.starts_with(r.trackLine); }));
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
    const std::vector<std::string> tracks = {dir.path("one.dsf"), dir.path("two.dsf"), dir.path("three.dsf")};
    for (size_t t = 0; t < tracks.size(); ++t)
        CHECK(makeTrack(tracks[t], 1.0 + 0.5 * double(t), 500.0 * double(t + 1)));
    stopAfterEachTrack(tracks, {});
    // Also in DST areas: the stereo one (--dst-stereo) and the multichannel one.
    const std::vector<std::string> mixed = {tracks[0], dir.path("six-a.dsf"), dir.path("six-b.dsf")};
    CHECK(makeTrack(mixed[1], 1.0, 300, {"--channels", "6"}) && makeTrack(mixed[2], 1.2, 900, {"--channels", "6"}));
    stopAfterEachTrack(mixed, {"--dst-stereo"});
    stopThroughTheExecutable(tracks);
#ifndef _WIN32
    terminatedRunLeavesNothing();
#endif
    return finish("engine_stop");
}
