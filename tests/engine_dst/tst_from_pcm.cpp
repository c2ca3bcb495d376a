// OrviTestSignal --from-pcm: every WAV sample format comes out as DSD64 of
// the right length, in the right channel order, at the right level: a
// constant level L per channel must give a share of 1 bits of (1 + L/2) / 2
// (the converter keeps 6 dB of headroom).

#include "engine_process.h"
#include "plain_checks.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <bit>
#include <cmath>
#include <vector>

namespace {

struct WavCase {
    int format; // 1 integer, 3 float
    int bits, channels, rate;
};

void appendLittle(QByteArray& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char(value >> (8 * i)));
}

double channelLevel(int channel)
{
    return channel % 2 ? -0.6 : 0.8 - 0.2 * channel;
}

// 0.2 s of a constant level per channel.
QByteArray wavFile(const WavCase& c)
{
    QByteArray data;
    for (int i = 0; i < c.rate / 5; ++i) {
        for (int ch = 0; ch < c.channels; ++ch) {
            const double level = channelLevel(ch);
            if (c.format == 3)
                appendLittle(data, std::bit_cast<uint32_t>(float(level)), 4);
            else
                appendLittle(data, uint32_t(int64_t(std::lround(level * std::ldexp(1.0, c.bits - 1)))), c.bits / 8);
        }
    }
    QByteArray wav("RIFF");
    appendLittle(wav, uint32_t(36 + data.size()), 4);
    wav += "WAVEfmt ";
    const int blockAlign = c.channels * c.bits / 8;
    for (const auto& [value, bytes] : {std::pair{16, 4},
                                       {c.format, 2},
                                       {c.channels, 2},
                                       {c.rate, 4},
                                       {c.rate * blockAlign, 4},
                                       {blockAlign, 2},
                                       {c.bits, 2}})
        appendLittle(wav, uint32_t(value), bytes);
    wav += "data";
    appendLittle(wav, uint32_t(data.size()), 4);
    return wav + data;
}

// Writes the WAV file and converts it; the tool's exit code and standard error.
int convert(const QByteArray& wavBytes, const QString& wav, const QString& output, QString& errorText)
{
    if (!orvi::enginetest::writeFile(wav.toStdString(), wavBytes))
        return -1;
    QProcess process;
    process.start(ORVI_TEST_SIGNAL_TOOL, {"--from-pcm", wav, "-o", output});
    process.waitForFinished(120000);
    errorText = QString::fromUtf8(process.readAllStandardError()).trimmed();
    return process.exitCode();
}

} // namespace

int main()
{
    QTemporaryDir folder;
    const QString wav = folder.filePath("in.wav"), dff = folder.filePath("out.dff");
    for (const WavCase& c :
         {WavCase{1, 16, 1, 44100}, {1, 24, 2, 48000}, {1, 32, 3, 96000}, {3, 32, 6, 88200}, {3, 32, 2, 44100}}) {
        QString errorText;
        if (!CHECK_EQ(convert(wavFile(c), wav, dff, errorText), 0)) {
            std::fprintf(stderr, "  %d-bit %d ch: %s\n", c.bits, c.channels, qPrintable(errorText));
            continue;
        }
        QFile out(dff);
        out.open(QIODevice::ReadOnly);
        const QByteArray bytes = out.readAll();
        const QByteArray dsd = bytes.mid(bytes.lastIndexOf("DSD ") + 12);
        CHECK_EQ(dsd.size() / c.channels, qsizetype(2822400 / 5 / 8)); // 0.2 s at 2 822 400 Hz
        // Shares of 1 bits in the second half, past the resampler's start.
        for (int ch = 0; ch < c.channels; ++ch) {
            int64_t ones = 0, bits = 0;
            for (qsizetype i = dsd.size() / 2 + ch; i < dsd.size(); i += c.channels, bits += 8)
                ones += std::popcount(uint8_t(dsd[i]));
            const double share = double(ones) / double(bits), expected = (1.0 + channelLevel(ch) / 2) / 2;
            if (!CHECK(std::abs(share - expected) < 0.01))
                std::fprintf(stderr, "  %d-bit %d ch, channel %d: share %.4f, expected %.4f\n", c.bits, c.channels, ch,
                             share, expected);
        }
    }
    QString errorText;
    CHECK_EQ(convert(wavFile({1, 8, 2, 44100}), wav, dff, errorText), 1);
    CHECK_EQ(errorText.toStdString(),
             "error: " + wav.toStdString() + ": unsupported WAV sample format (16/24/32-bit integer or 32-bit float)");
    return orvi::test::finish("tst_from_pcm");
}
