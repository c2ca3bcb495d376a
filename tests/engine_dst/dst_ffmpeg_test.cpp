// An independent decoder: Debian's ffmpeg turns our DST DSDIFF files into
// the same PCM as the plain DSDIFF files of the same bits. ffmpeg decodes
// plain (uncompressed) DST frames wrongly, so the signals here are ones
// every frame of which codes smaller.

#include "signal/test_signal.h"

#include "engine_process.h"
#include "plain_checks.h"

#include <QStandardPaths>
#include <QTemporaryDir>

using namespace orvi::engine;

int main()
{
    if (QStandardPaths::findExecutable("ffmpeg").isEmpty()) {
        std::printf("engine_dst_ffmpeg: skipped, ffmpeg is not installed (scripts/install-deps.sh installs it)\n");
        return 77;
    }
    QTemporaryDir folder;
    const auto pcmMd5 = [](const QString& path) {
        return orvi::enginetest::runTool("ffmpeg", {"-v", "error", "-i", path, "-c:a", "pcm_f32le", "-f", "md5", "-"})
            .out.trimmed()
            .toStdString();
    };
    // {channels, order, frames}: whole frames, as the DST file pads a partial one and the plain file does not.
    for (const auto& [channels, order, frames] : {std::tuple{2, 128, 75}, {2, 16, 39}, {6, 64, 30}}) {
        signal::SignalParameters spec;
        spec.channels = channels;
        spec.frequency = 997.0;
        spec.moreFrequencies = {3100.0};
        spec.noiseDb = -50.0;
        spec.bytesPerChannel = uint64_t(frames) * kBytesPerChannelFrame;
        const std::string name = folder.filePath(QString("%1ch-%2").arg(channels).arg(order)).toStdString();
        std::string error;
        CHECK(signal::writeTestSignal(spec, signal::DsdFileFormat::Dsdiff, {}, name + ".dff", error));
        CHECK(signal::writeTestSignal(spec, signal::DsdFileFormat::DstDsdiff, {}, name + "-dst.dff", error, order));
        const std::string plain = pcmMd5(QString::fromStdString(name + ".dff"));
        CHECK(plain.starts_with("MD5="));
        CHECK_EQ(pcmMd5(QString::fromStdString(name + "-dst.dff")), plain);
    }
    return orvi::test::finish("engine_dst_ffmpeg");
}
