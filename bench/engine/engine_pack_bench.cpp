// Packing benchmark: 5 tracks of 4 minutes of stereo DSD64 (20 minutes),
// packed by the engine executable and, side by side, copied byte for byte
// to a file on the same disk by engine_copy_baseline (a plain read/write loop
// with a 1 MiB buffer). Both sides run as child processes, so both pay for
// their start-up; the engine's own start-up is measured and shown apart.
// Each side runs 3 times, alternating, and the medians are compared (goal:
// pack at most 1.25 x copy); the engine's peak memory goal is under 64 MiB.
// One more run writes the same album as a DSD Disc, for its time and memory.

#include "signal/dsd_file_writer.h"
#include "signal/test_signal.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
namespace sig = orvi::engine::signal;

constexpr int kTracks = 5;
constexpr double kTrackSeconds = 240.0;
constexpr double kGeneratedSeconds = 30.0; // generated once per track, then repeated
constexpr int kRounds = 3;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A 4-minute track: 30 s of a tone (its own frequency per track) repeated.
bool writeTrack(const std::string& path, int number, std::string& error)
{
    sig::SignalParameters spec;
    spec.bytesPerChannel = sig::bytesForSeconds(kGeneratedSeconds, spec.sampleRate);
    spec.frequency = 300.0 + 250.0 * number;
    const std::vector<uint8_t> piece = sig::SignalGenerator(spec).generateAll();
    sig::DsdFileWriter writer;
    if (!writer.open(path, sig::DsdFileFormat::Dsf, spec.channels, spec.sampleRate, error))
        return false;
    for (double written = 0; written < kTrackSeconds; written += kGeneratedSeconds) {
        if (!writer.write(piece.data(), piece.size(), error))
            return false;
    }
    return writer.finish({}, error);
}

double cpuSeconds(const rusage& usage)
{
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct ChildRun {
    int exitCode = -1;
    double wallSeconds = 0;
    double cpuSeconds = 0;
    long peakKiB = 0;
};

// Runs `program` with `arguments` as a child with no input and no output;
// wall time from just before the spawn to the end of the wait.
ChildRun runChild(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<std::string> all{program};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ChildRun run;
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.wallSeconds = secondsSince(start);
    run.peakKiB = usage.ru_maxrss;
    run.cpuSeconds = cpuSeconds(usage);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string listed(const std::vector<double>& values)
{
    std::string text;
    for (double value : values) {
        char number[32];
        std::snprintf(number, sizeof number, "%s%.3f", text.empty() ? "" : " ", value);
        text += number;
    }
    return text;
}

uint64_t fileBytes(const std::vector<std::string>& paths)
{
    uint64_t total = 0;
    for (const std::string& path : paths) {
        struct stat info {
        };
        if (::stat(path.c_str(), &info) == 0)
            total += uint64_t(info.st_size);
    }
    return total;
}

} // namespace

int main(int argc, char** argv)
{
    // [WORK_DIR [ENGINE]]: ENGINE lets an older build be measured the same way.
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir work(base + QStringLiteral("/orvi-pack-bench-XXXXXX"));
    if (!work.isValid()) {
        std::fprintf(stderr, "cannot create a work folder under %s\n", qPrintable(base));
        return 1;
    }
    const std::string dir = work.path().toStdString();

    auto start = Clock::now();
    std::vector<std::string> tracks;
    for (int t = 0; t < kTracks; ++t) {
        tracks.push_back(dir + "/track" + std::to_string(t + 1) + ".dsf");
        std::string error;
        if (!writeTrack(tracks.back(), t, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    }
    std::printf("generated %d tracks x %.0f s of stereo DSD64 in %.1f s (%s)\n", kTracks, kTrackSeconds,
                secondsSince(start), dir.c_str());

    const std::string engine = argc > 2 ? argv[2] : ORVI_ENGINE_TOOL;
    const std::string copyPath = dir + "/copy.bin";
    const std::string imagePath = dir + "/bench.iso";
    std::vector<std::string> copyArguments{copyPath};
    copyArguments.insert(copyArguments.end(), tracks.begin(), tracks.end());
    std::vector<std::string> packArguments{"--album", "Benchmark", "-o", imagePath};
    packArguments.insert(packArguments.end(), tracks.begin(), tracks.end());

    // Both sides read inputs that are already cached (the first copy warms
    // them) and start from programs whose libraries are cached too.
    if (runChild(ORVI_COPY_TOOL, copyArguments).exitCode != 0) {
        std::fprintf(stderr, "the copy failed\n");
        return 1;
    }
    ::unlink(copyPath.c_str());
    std::vector<double> startTimes;
    for (int run = 0; run < 5; ++run)
        startTimes.push_back(runChild(engine, {"--version"}).wallSeconds);

    std::vector<double> copyTimes, packTimes, copyCpu, packCpu;
    long peakKiB = 0;
    for (int round = 0; round < kRounds; ++round) {
        // Each side starts with no dirty pages left by the other.
        ::sync();
        const ChildRun copy = runChild(ORVI_COPY_TOOL, copyArguments);
        ::unlink(copyPath.c_str());
        if (copy.exitCode != 0) {
            std::fprintf(stderr, "the copy failed\n");
            return 1;
        }
        copyTimes.push_back(copy.wallSeconds);
        copyCpu.push_back(copy.cpuSeconds);
        ::sync();

        const ChildRun pack = runChild(engine, packArguments);
        ::unlink(imagePath.c_str());
        if (pack.exitCode != 0) {
            std::fprintf(stderr, "the engine failed with exit code %d\n", pack.exitCode);
            return 1;
        }
        packTimes.push_back(pack.wallSeconds);
        packCpu.push_back(pack.cpuSeconds);
        peakKiB = std::max(peakKiB, pack.peakKiB);
    }
    const double copy = median(copyTimes);
    const double pack = median(packTimes);
    std::printf("input: %.1f MB in %d files, read from the page cache; outputs written to %s (not synced)\n",
                double(fileBytes(tracks)) / 1e6, kTracks, dir.c_str());
    std::printf("measured: wall time from spawning each child to its end (start-up included on both sides),\n"
                "          processor time (user + system) of the child; median of %d runs, alternating\n",
                kRounds);
    std::printf("copy (engine_copy_baseline: read/write, 1 MiB buffer): %.3f s, processor time %.3f s  [runs: %s]\n",
                copy, median(copyCpu), listed(copyTimes).c_str());
    std::printf("pack (%s): %.3f s, processor time %.3f s  [runs: %s]\n", engine.c_str(), pack, median(packCpu),
                listed(packTimes).c_str());
    std::printf("engine start-up (--version, median of 5): %.3f s, included in pack\n", median(startTimes));
    std::printf("pack/copy: %.2f wall, %.2f processor time (goal: wall <= 1.25)\n", pack / copy,
                median(packCpu) / median(copyCpu));
    std::printf("engine peak memory: %.1f MiB (goal < 64 MiB)\n", double(peakKiB) / 1024.0);
    std::vector<std::string> discArguments{"--dsd-disc"};
    discArguments.insert(discArguments.end(), packArguments.begin(), packArguments.end());
    ::sync();
    const ChildRun disc = runChild(engine, discArguments);
    ::unlink(imagePath.c_str());
    if (disc.exitCode != 0) {
        std::fprintf(stderr, "the engine failed with exit code %d on the DSD Disc\n", disc.exitCode);
        return 1;
    }
    std::printf("DSD Disc (--dsd-disc, one run): %.3f s (%.2f x copy), peak memory %.1f MiB\n", disc.wallSeconds,
                disc.wallSeconds / copy, double(disc.peakKiB) / 1024.0);
    double load[1] = {0};
    if (::getloadavg(load, 1) == 1)
        std::printf("load average during the run: %.2f on %ld cores\n", load[0], ::sysconf(_SC_NPROCESSORS_ONLN));
    return 0;
}
