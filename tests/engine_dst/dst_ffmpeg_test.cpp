// An independent decoder: Debian's ffmpeg turns our DST DSDIFF files into
// the same PCM as the plain DSDIFF files of the same bits. ffmpeg decodes
// plain (uncompressed) DST frames wrongly, so every frame here must be coded.

#include "dst/dst_codec.h"
#include "signal/test_signal.h"

#include "engine_process.h"
#include "plain_checks.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace orvi::engine;

namespace {

uint64_t bigEndian(const QByteArray& bytes, qsizetype at, int count)
{
    uint64_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | uint8_t(bytes[at + i]);
    return value;
}

// The first byte of every DSTF chunk in a DST DSDIFF file, and FRTE's count.
std::vector<uint8_t> frameHeads(const QString& path, uint64_t& framesDeclared)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    std::vector<uint8_t> heads;
    for (qsizetype at = bytes.indexOf("FRTE"); at >= 0 && at + 12 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const auto size = qsizetype(bigEndian(bytes, at + 4, 8));
        if (id == "FRTE")
            framesDeclared = bigEndian(bytes, at + 12, 4);
        else if (id == "DSTF")
            heads.push_back(uint8_t(bytes[at + 12]));
        else
            break;
        at += 12 + size + size % 2;
    }
    return heads;
}

QString pcmMd5(const QString& path)
{
    return QString::fromUtf8(
               orvi::enginetest::runTool("ffmpeg", {"-v", "error", "-i", path, "-c:a", "pcm_f32le", "-f", "md5", "-"})
                   .out)
        .trimmed();
}

} // namespace

int main()
{
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg.isEmpty()) {
        std::printf("engine_dst_ffmpeg: skipped, ffmpeg is not installed (scripts/install-deps.sh installs it)\n");
        return 77;
    }
    QTemporaryDir folder;
    struct Case {
        int channels;
        int order;
        int frames; // whole frames: the DST file pads a partial one, the plain file does not
    };
    for (const Case c : {Case{2, 128, 75}, Case{2, 16, 39}, Case{6, 64, 30}}) {
        signal::SignalParameters spec;
        spec.channels = c.channels;
        spec.frequency = 997.0;
        spec.moreFrequencies = {3100.0};
        spec.noiseDb = -50.0;
        spec.bytesPerChannel = uint64_t(c.frames) * kBytesPerChannelFrame;
        const QString name = folder.filePath(QString("%1ch-%2").arg(c.channels).arg(c.order));
        std::string error;
        CHECK(signal::writeTestSignal(spec, signal::DsdFileFormat::Dsdiff, {}, (name + ".dff").toStdString(), error));
        CHECK(signal::writeTestSignal(spec, signal::DsdFileFormat::DstDsdiff, {}, (name + "-dst.dff").toStdString(),
                                      error, c.order));
        uint64_t framesDeclared = 0;
        const auto heads = frameHeads(name + "-dst.dff", framesDeclared);
        CHECK_EQ(heads.size(), size_t(c.frames));
        CHECK_EQ(framesDeclared, heads.size());
        CHECK(std::all_of(heads.begin(), heads.end(), [](uint8_t head) { return head & 0x80; }));
        const QString plain = pcmMd5(name + ".dff");
        CHECK(plain.startsWith("MD5="));
        CHECK_EQ(pcmMd5(name + "-dst.dff").toStdString(), plain.toStdString());
    }
    return orvi::test::finish("engine_dst_ffmpeg");
}
