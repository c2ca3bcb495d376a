// Packing benchmark: 5 tracks of 4 minutes of stereo DSD64 (20 minutes),
// packed by the engine executable and, side by side, copied byte for byte
// to a file on the same disk. Prints both times, their ratio (goal: at most
// 1.25) and the engine's peak memory (goal: under 64 MiB).

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
constexpr int kRounds = 2;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A 4-minute track: 30 s of a tone (its own frequency per track) repeated.
bool writeTrack(const std::string& path, int number, std::string& error)
{
    sig::SignalSpec spec;
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

uint64_t copyFiles(const std::vector<std::string>& inputs, const std::string& output)
{
    std::vector<char> buffer(1 << 20);
    const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    uint64_t total = 0;
    for (const std::string& input : inputs) {
        const int in = ::open(input.c_str(), O_RDONLY);
        ssize_t got;
        while ((got = ::read(in, buffer.data(), buffer.size())) > 0) {
            if (::write(out, buffer.data(), size_t(got)) != got) {
                std::perror("copy");
                break;
            }
            total += uint64_t(got);
        }
        ::close(in);
    }
    ::close(out);
    return total;
}

double cpuSeconds(const rusage& usage)
{
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ownCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return cpuSeconds(usage);
}

// Runs the engine as a child; returns its exit status, peak memory in KiB
// and processor time.
int runEngine(const std::vector<std::string>& arguments, long& peakKiB, double& cpu)
{
    std::vector<std::string> all{ORVI_ENGINE_TOOL};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    peakKiB = usage.ru_maxrss;
    cpu = cpuSeconds(usage);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

int main(int argc, char** argv)
{
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

    // Both sides read inputs that are already cached: the first copy warms them.
    const std::string copyPath = dir + "/copy.bin";
    const uint64_t bytes = copyFiles(tracks, copyPath);
    ::unlink(copyPath.c_str());
    std::vector<double> copyTimes, packTimes, copyCpu, packCpu;
    long peakKiB = 0;
    for (int round = 0; round < kRounds; ++round) {
        // Each side starts with no dirty pages left by the other.
        ::sync();
        const double cpuBefore = ownCpuSeconds();
        start = Clock::now();
        copyFiles(tracks, copyPath);
        copyTimes.push_back(secondsSince(start));
        copyCpu.push_back(ownCpuSeconds() - cpuBefore);
        ::unlink(copyPath.c_str());
        ::sync();

        std::vector<std::string> arguments{"--album", "Benchmark", "-o", dir + "/bench.iso"};
        arguments.insert(arguments.end(), tracks.begin(), tracks.end());
        long roundPeak = 0;
        double roundCpu = 0;
        start = Clock::now();
        const int code = runEngine(arguments, roundPeak, roundCpu);
        packTimes.push_back(secondsSince(start));
        packCpu.push_back(roundCpu);
        peakKiB = std::max(peakKiB, roundPeak);
        if (code != 0) {
            std::fprintf(stderr, "the engine failed with exit code %d\n", code);
            return 1;
        }
        ::unlink((dir + "/bench.iso").c_str());
    }
    const double copy = *std::min_element(copyTimes.begin(), copyTimes.end());
    const double pack = *std::min_element(packTimes.begin(), packTimes.end());
    std::printf("input: %.1f MB in %d files\n", double(bytes) / 1e6, kTracks);
    std::printf("copy: %.2f s (best of %d), processor time %.2f s\n", copy, kRounds,
                *std::min_element(copyCpu.begin(), copyCpu.end()));
    std::printf("pack: %.2f s (best of %d), processor time %.2f s\n", pack, kRounds,
                *std::min_element(packCpu.begin(), packCpu.end()));
    std::printf("pack/copy: %.2f (goal <= 1.25)\n", pack / copy);
    std::printf("engine peak memory: %.1f MiB (goal < 64 MiB)\n", double(peakKiB) / 1024.0);
    double load[1] = {0};
    if (::getloadavg(load, 1) == 1)
        std::printf("load average during the run: %.2f on %ld cores\n", load[0], ::sysconf(_SC_NPROCESSORS_ONLN));
    return 0;
}
