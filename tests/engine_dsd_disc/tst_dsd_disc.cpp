// The DSD Disc and the file-system bridge of the SACD image, read by readers
// we did not write: 7z lists and extracts the UDF tree, xorriso the ISO 9660
// tree, ffprobe reads every file's tags and cover, ffmpeg decodes the audio,
// our DST DSDIFF files too. With --mount, the image is mounted as UDF where
// the machine allows it.

#include "dsddisc/disc_names.h"
#include "engine_checks.h"
#include "engine_process.h"
#include "reader/sacd_image.h"
#include "signal/test_signal.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <map>
#include <ranges>
#include <set>

using namespace orvi::enginetest;

namespace {

// The readers run on this system's programs; a Windows build under wine has
// none of them, and then only the engine's own checks run.
bool readersPresent()
{
    for (const char* program : {"7z", "xorriso", "ffprobe", "ffmpeg"}) {
        if (QStandardPaths::findExecutable(program).isEmpty()) {
            std::printf("skipped the checks by other readers: no %s on this system\n", program);
            return false;
        }
    }
    return true;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under `folder` by its path there.
std::map<std::string, QByteArray> filesUnder(const QString& folder)
{
    std::map<std::string, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files[path.mid(folder.size() + 1).toStdString()] = fileBytes(path);
    }
    return files;
}

// Both trees of `image`, extracted into `folder`/udf by 7z and `folder`/iso by
// xorriso, hold the same files (by name too where both trees use the same
// names); and the ISO 9660 volume id. Returns the UDF tree's file names.
std::set<std::string> readTrees(const std::string& image, const QString& folder, const std::string& isoVolume,
                                bool sameNames)
{
    const QString iso = QString::fromStdString(image);
    for (const QByteArray& line : runTool("xorriso", {"-indev", iso, "-pvd_info"}).out.split('\n'))
        if (line.startsWith("Volume Id"))
            CHECK_EQ(line.mid(line.indexOf(':') + 1).trimmed().toStdString(), isoVolume);
    CHECK_EQ(runTool("7z", {"x", "-o" + folder + "/udf", iso}).exitCode, 0);
    CHECK_EQ(runTool("xorriso", {"-osirrox", "on", "-indev", iso, "-extract", "/", folder + "/iso"}).exitCode, 0);
    const std::map<std::string, QByteArray> udf = filesUnder(folder + "/udf"), isoFiles = filesUnder(folder + "/iso");
    const auto udfBytes = std::views::values(udf), isoBytes = std::views::values(isoFiles);
    CHECK(!udf.empty() && (!sameNames || udf == isoFiles)
          && std::multiset<QByteArray>(udfBytes.begin(), udfBytes.end())
              == std::multiset<QByteArray>(isoBytes.begin(), isoBytes.end()));
    const auto names = std::views::keys(udf);
    return {names.begin(), names.end()};
}

std::map<std::string, std::string> tagsOf(const QString& file)
{
    std::map<std::string, std::string> tags;
    const Tool tool = runTool(
        "ffprobe",
        {"-v", "error", "-show_entries", "format_tags:stream=codec_type,codec_name", "-of", "default=nw=1", file});
    for (const QByteArray& raw : tool.out.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0)
            tags[line.left(eq).remove(QStringLiteral("TAG:")).toStdString()] += line.mid(eq + 1).toStdString();
    }
    return tags;
}

// ffmpeg's DSD decoders for the two layouts start from different filter
// states: their first 256 samples differ even for the same bits, so these
// are left out of a comparison between DSF and DSDIFF.
QByteArray decodedAudio(const QString& file, qsizetype skippedBytes = 256 * 4)
{
    return runTool("ffmpeg", {"-v", "error", "-i", file, "-map", "0:a", "-f", "f32le", "-"}).out.mid(skippedBytes);
}

// A DSF file's sample data: the payload of its "data" chunk.
QByteArray dsfData(const QByteArray& file)
{
    if (file.size() < 92 || file.mid(80, 4) != "data")
        return {};
    qint64 size = 0;
    for (int i = 7; i >= 0; --i)
        size = size << 8 | uchar(file[84 + i]);
    return file.mid(92, size - 12);
}

bool writeCover(const QString& path)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    return picture.save(path, "PNG");
}

struct TrackSpec {
    QString title;
    QString suffix = "dsf";
    bool dst = false; // a DSDIFF file of DST frames, decoded onto the disc
};

struct DiscCase {
    const char* name;
    std::vector<TrackSpec> tracks;
    QStringList options;            // "COVER" stands for a cover picture
    std::string folder;             // under DSD_DISC
    std::vector<std::string> files; // expected names in track order
    std::string warning;            // an expected warning line, or empty
    std::string volume;             // the UDF volume identifier --inspect shows
    std::string isoVolume;          // the ISO 9660 one xorriso shows
};

std::vector<DiscCase> discCases()
{
    const std::string longTitle = "A very long disc title that exceeds the volume identifier";
    std::vector<DiscCase> cases = {
        {"scripts and refused characters",
         {{"春江花月夜"}, {"さくら：桜", "dff"}, {"Café à l'été", "dff", true}, {"a<b>c:d\"e/f\\g|h?i*j"}},
         {"--album", "Åsa: Live/2024", "--artist", "Ensemble", "--genre", "Jazz", "--date", "2024-05-06", "--disc", "1",
          "--disc-total", "2", "--cover", "COVER"},
         "Åsa_ Live_2024",
         {"01 - 春江花月夜.dsf", "02 - さくら：桜.dsf", "03 - Café à l'été.dsf", "04 - a_b_c_d_e_f_g_h_i_j.dsf"},
         "",
         "Åsa: Live/2024",
         "_SA__LIVE_2024"},
        {"255 tracks of one title", {}, {"--title", "Many", "--no-playlist"}, "Many", {}, "", "Many", "MANY"},
        {"a title longer than the volume identifier",
         {{"Only"}},
         {"--title", QString::fromStdString(longTitle)},
         longTitle,
         {"01 - Only.dsf"},
         "warning: --title: \"" + longTitle
             + "\" is cut to \"A very long disc title that ex\" for the volume identifier, which holds 30 characters "
               "(15 beyond Latin-1)",
         "A very long disc title that ex",
         "A_VERY_LONG_DISC_TITLE_THAT_EX"},
    };
    for (int i = 1; i <= 255; ++i) {
        cases[1].tracks.push_back({"Same"});
        cases[1].files.push_back(QString::asprintf("%03d - Same.dsf", i).toStdString());
    }
    return cases;
}

void checkDisc(const DiscCase& c)
{
    std::fprintf(stderr, "case: %s\n", c.name);
    ScratchDir dir;
    const bool withCover = c.options.contains("COVER"), playlist = !c.options.contains("--no-playlist");
    QStringList options = c.options;
    options.replaceInStrings("COVER", dir.qpath("cover.png"));
    CHECK(writeCover(dir.qpath("cover.png")));
    QStringList inputs;
    for (size_t i = 0; i < c.tracks.size(); ++i) {
        const std::string path = dir.path("in" + std::to_string(i + 1) + "." + c.tracks[i].suffix.toStdString());
        // Tiny tracks for the long album; whole DSF blocks for a DSDIFF input,
        // so that its DSF copy decodes to exactly the same samples.
        const double seconds = c.tracks.size() > 10 ? 0.01 : c.tracks[i].suffix == "dff" ? 4096.0 * 86 / 352800 : 0.5;
        const QStringList dst = c.tracks[i].dst ? QStringList{"--dst", "32"} : QStringList{};
        CHECK(makeTrack(path, seconds, 500.0 + 100.0 * double(i), QStringList{"--title", c.tracks[i].title} + dst));
        inputs << QString::fromStdString(path);
    }
    const std::string image = dir.path("disc.iso");
    const EngineRun run = runEngine(options + QStringList{"--dsd-disc", "-o", QString::fromStdString(image)} + inputs);
    CHECK_EQ(run.exitCode, 0);
    CHECK_EQ(run.lastOut(), "SACD ISO created: " + image);
    CHECK(c.warning.empty() || run.errHas(c.warning));
    CHECK(runEngine({"--inspect", QString::fromStdString(image)}).outHas("DSD Disc: volume \"" + c.volume + "\""));
    if (run.exitCode != 0 || !readersPresent())
        return;

    const std::string top = "DSD_DISC/" + c.folder;
    std::set<std::string> expected;
    for (const std::string& name : c.files)
        expected.insert(top + "/" + name);
    if (playlist)
        expected.insert(top + ".ovp");
    CHECK(readTrees(image, dir.qpath(""), c.isoVolume, false) == expected);
    if (playlist) {
        const std::string artist = c.options.contains("--artist") ? "Ensemble" : "";
        std::string text = "#OVP 1\n#TITLE " + (c.options.contains("--title") ? c.folder : "Åsa: Live/2024") + "\n";
        for (size_t i = 0; i < c.files.size(); ++i)
            text += "#TRACK " + std::to_string(i + 1) + "|" + c.tracks[i].title.toStdString() + "|" + artist + "\n/"
                + top + "/" + c.files[i] + "\n";
        CHECK_EQ(fileBytes(dir.qpath("udf/" + top + ".ovp")).toStdString(), text);
    }
    for (size_t i = 0; i < c.files.size(); ++i) {
        if (c.files.size() > 10 && i != 0 && i + 1 != c.files.size())
            continue; // the first and the last of a long album stand for the rest
        const QString file = dir.qpath("udf/" + top + "/" + c.files[i]);
        std::map<std::string, std::string> tags = tagsOf(file);
        CHECK_EQ(tags["title"], c.tracks[i].title.toStdString());
        CHECK_EQ(tags["track"], std::to_string(i + 1) + "/" + std::to_string(c.files.size()));
        CHECK_EQ(tags["codec_type"], std::string(withCover ? "audiovideo" : "audio"));
        const QStringList albumTags =
            QString("album|Åsa: Live/2024|artist|Ensemble|album_artist|Ensemble|genre|Jazz|date|2024-05-06|disc|1/2")
                .split(u'|');
        for (qsizetype t = 0; withCover && t < albumTags.size(); t += 2)
            CHECK_EQ(tags[albumTags[t].toStdString()], albumTags[t + 1].toStdString());
        if (c.tracks[i].suffix == "dff")
            CHECK(decodedAudio(file) == decodedAudio(inputs[qsizetype(i)]) && !decodedAudio(file).isEmpty());
        else
            CHECK(dsfData(fileBytes(file)) == dsfData(fileBytes(inputs[qsizetype(i)])));
    }
}

// Names: Windows device names and trailing dots and spaces changed, long
// titles cut at a character boundary to 255 bytes of UTF-8 (which also keeps
// the UDF identifier within its 255 bytes).
void checkNames()
{
    using namespace orvi::engine::dsddisc;
    for (const auto& [given, name] : {std::pair{"con", "con_"}, {"COM1.txt", "COM1_.txt"}, {"Disc. ", "Disc__"}})
        CHECK_EQ(portableName(given), std::string(name));
    for (const char* repeated : {"音", "é", "🎵", "a"}) {
        const std::string name = trackFileName(1, 1, QString::fromUtf8(repeated).repeated(300).toStdString());
        const QString decoded = QString::fromStdString(name);
        CHECK(name.size() <= 255 && name.size() > 240); // the UDF form limits 4-byte characters first
        CHECK(decoded.toStdString() == name && !decoded.contains(QChar::ReplacementCharacter));
        CHECK(decoded.startsWith(u"01 - ") && decoded.endsWith(u".dsf"));
    }
}

// The SACD image's bridge: the disc's structures, tracks and cover as files,
// for both areas.
void checkSacdBridge()
{
    ScratchDir dir;
    CHECK(writeCover(dir.qpath("cover.png")));
    CHECK(makeTrack(dir.path("a.dsf"), 1.0, 440) && makeTrack(dir.path("b.dsf"), 1.0, 880));
    CHECK(makeTrack(dir.path("c.dsf"), 1.0, 300, {"--channels", "6"})
          && makeTrack(dir.path("d.dsf"), 1.5, 600, {"--channels", "6"}));
    const std::string image = dir.path("sacd.iso");
    CHECK_EQ(runEngine({"--album", "Bridge", "--cover", dir.qpath("cover.png"), "-o", QString::fromStdString(image),
                        dir.qpath("a.dsf"), dir.qpath("b.dsf"), dir.qpath("c.dsf"), dir.qpath("d.dsf")})
                 .exitCode,
             0);
    if (!readersPresent())
        return;
    CHECK(
        readTrees(image, dir.qpath(""), "BRIDGE", true)
        == (std::set<std::string>{"2C_AUDIO/2C_AREA1.TOC", "2C_AUDIO/2C_AREA2.TOC", "2C_AUDIO/2C_TAREA.2CH",
                                  "2C_AUDIO/TRACK001.2CH", "2C_AUDIO/TRACK002.2CH", "MC_AUDIO/MC_AREA1.TOC",
                                  "MC_AUDIO/MC_AREA2.TOC", "MC_AUDIO/MC_TAREA.MCH", "MC_AUDIO/TRACK001.MCH",
                                  "MC_AUDIO/TRACK002.MCH", "COVER.PNG", "MASTER1.TOC", "MASTER2.TOC", "MASTER3.TOC"}));
    CHECK(fileBytes(dir.qpath("udf/COVER.PNG")) == fileBytes(dir.qpath("cover.png")));
    // A multichannel track's file spans its sectors as the area's TOC gives them.
    orvi::engine::reader::SacdImage disc;
    std::string error;
    CHECK(disc.open(image, error) && disc.multichannelArea()
          && fileBytes(dir.qpath("udf/MC_AUDIO/TRACK002.MCH")).size()
              == qsizetype(disc.multichannelArea()->tracks[1].lengthSectors) * 2048);
}

// ffmpeg decodes our DST DSDIFF files to the same PCM as their plain twins.
// It decodes plain (uncompressed) DST frames wrongly, so these signals are
// ones every frame of which codes smaller.
void dstDecodedByFfmpeg()
{
    ScratchDir dir;
    // {channels, order, frames}: whole frames, as the DST file pads a partial one and the plain file does not.
    for (const auto& [channels, order, frames] : {std::tuple{2, 128, 75}, {2, 16, 39}, {6, 64, 30}}) {
        using namespace orvi::engine::signal;
        const SignalParameters spec{.channels = channels,
                                    .bytesPerChannel = uint64_t(frames) * orvi::engine::kBytesPerChannelFrame,
                                    .frequency = 997.0,
                                    .moreFrequencies = {3100.0},
                                    .noiseDb = -50.0};
        const std::string name = dir.path(std::to_string(channels) + "ch-" + std::to_string(order));
        std::string error;
        CHECK(writeTestSignal(spec, DsdFileFormat::Dsdiff, {}, name + ".dff", error)
              && writeTestSignal(spec, DsdFileFormat::DstDsdiff, {}, name + "-dst.dff", error, order));
        const QByteArray plain = decodedAudio(QString::fromStdString(name + ".dff"), 0);
        CHECK(!plain.isEmpty() && decodedAudio(QString::fromStdString(name + "-dst.dff"), 0) == plain);
    }
}

int mountTest()
{
    ScratchDir dir;
    CHECK(makeTrack(dir.path("a.dsf"), 0.5, 440, {"--title", "Mounted"}));
    const std::string image = dir.path("disc.iso");
    CHECK_EQ(
        runEngine({"--dsd-disc", "--title", "Mount", "-o", QString::fromStdString(image), dir.qpath("a.dsf")}).exitCode,
        0);
    const QString point = dir.qpath("mnt");
    QDir().mkpath(point);
    QProcess mount;
    mount.start("mount", {"-o", "loop,ro", "-t", "udf", QString::fromStdString(image), point});
    if (!mount.waitForFinished(30000) || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0) {
        std::printf("skipped: this machine cannot mount a UDF image (%s)\n",
                    mount.readAllStandardError().trimmed().constData());
        return 77;
    }
    CHECK(dsfData(fileBytes(point + "/DSD_DISC/Mount/01 - Mounted.dsf")) == dsfData(fileBytes(dir.qpath("a.dsf"))));
    CHECK(fileBytes(point + "/DSD_DISC/Mount.ovp").startsWith("#OVP 1\n#TITLE Mount\n"));
    QProcess::execute("umount", {point});
    return finish("tst_dsd_disc_mount");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--mount")
        return mountTest();
    checkNames();
    for (const DiscCase& c : discCases())
        checkDisc(c);
    checkSacdBridge();
    if (readersPresent())
        dstDecodedByFfmpeg();
    return finish("tst_dsd_disc_readers");
}
