// The DST encoder on real recordings, against the simple strategy (one
// filter of the full order and one 64-entry table per channel, written raw).
// Per layout, order and strategy: compression ratio (DSD bytes / DST frame
// bytes), encode speed as a multiple of real time on one core (thread CPU
// time) and with every core (wall time, through the frame pool), decode speed
// on one core, and the process's peak memory. Every frame is decoded and
// compared with its input.

#include "dst/dst_codec.h"

#include <QDir>
#include <QFile>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

using namespace orvi::engine;

namespace {

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Calls `use` for each whole frame of the file, at most `maxFrames`.
template <typename Use>
bool forEachFrame(const QString& path, int channels, int maxFrames, Use&& use)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::vector<uint8_t> frame(dst::frameDsdBytes(channels));
    for (int n = 0; n < maxFrames
         && file.read(reinterpret_cast<char*>(frame.data()), qint64(frame.size())) == qint64(frame.size());
         ++n)
        if (!use(std::span<const uint8_t>(frame)))
            return false;
    return true;
}

struct Row {
    uint64_t dsdBytes = 0, frameBytes = 0, poolBytes = 0;
    double audioSeconds = 0, encodeCpu = 0, decodeCpu = 0, poolWall = 0;
    int badFrames = 0;
};

Row measure(const QStringList& files, int channels, const dst::EncodeOptions& options, int maxFrames)
{
    Row row;
    std::vector<uint8_t> decoded(dst::frameDsdBytes(channels));
    for (const QString& path : files) {
        forEachFrame(path, channels, maxFrames, [&](std::span<const uint8_t> dsd) {
            const double start = threadSeconds();
            const auto frame = dst::encodeFrame(dsd, channels, options);
            const double encoded = threadSeconds();
            std::string error;
            const bool ok = dst::decodeFrame(frame, channels, decoded, error);
            row.decodeCpu += threadSeconds() - encoded;
            row.encodeCpu += encoded - start;
            row.badFrames += ok && std::equal(decoded.begin(), decoded.end(), dsd.begin()) ? 0 : 1;
            row.dsdBytes += dsd.size();
            row.frameBytes += frame.size();
            row.audioSeconds += 1.0 / 75;
            return true;
        });
        const auto start = std::chrono::steady_clock::now();
        dst::FrameEncoderPool pool(channels, options, [&](std::vector<uint8_t>&& frame) {
            row.poolBytes += frame.size();
            return true;
        });
        forEachFrame(path, channels, maxFrames, [&](std::span<const uint8_t> dsd) { return pool.submit(dsd); });
        pool.finish();
        row.poolWall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    return row;
}

} // namespace

int main(int argc, char** argv)
{
    QString corpus = QStringLiteral(ORVI_BUILD_DIR "/dst_corpus");
    double seconds = 60;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc)
            seconds = std::stod(argv[++i]);
        else
            corpus = QString::fromLocal8Bit(argv[i]);
    }
    const int maxFrames = int(seconds * 75);
    std::printf("DST benchmark: corpus %s, up to %.0f s per piece\n", qPrintable(corpus), seconds);
    std::printf("%-9s %5s %-6s %7s %11s %11s %10s %8s\n", "layout", "order", "coder", "ratio", "enc x/core",
                "enc x/all", "dec x/core", "peak MiB");
    bool anything = false;
    for (const int channels : {2, 6}) {
        const QStringList files =
            QDir(corpus).entryList({QString("*.%1ch.raw").arg(channels)}, QDir::Files, QDir::Name);
        QStringList paths;
        for (const auto& name : files)
            paths << QDir(corpus).filePath(name);
        if (paths.isEmpty())
            continue;
        anything = true;
        for (const int order : {16, 32, 64, 128}) {
            for (const bool simple : {false, true}) {
                const Row row = measure(paths, channels, {order, simple}, maxFrames);
                std::printf("%-9s %5d %-6s %7.3f %11.2f %11.2f %10.2f %8.1f%s\n",
                            channels == 2 ? "stereo" : "6-channel", order, simple ? "simple" : "ours",
                            double(row.dsdBytes) / double(row.frameBytes), row.audioSeconds / row.encodeCpu,
                            row.audioSeconds / row.poolWall, row.audioSeconds / row.decodeCpu, peakMiB(),
                            row.badFrames                         ? "  FRAMES DO NOT DECODE"
                                : row.poolBytes != row.frameBytes ? "  POOL DIFFERS"
                                                                  : "");
                std::fflush(stdout);
            }
        }
    }
    if (!anything) {
        std::fprintf(stderr, "no corpus in %s: run bench/dst/make-corpus.sh first\n", qPrintable(corpus));
        return 1;
    }
    return 0;
}
