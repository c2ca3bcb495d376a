// Packs generated DSF and DSDIFF tracks with every kind of text, then reads
// the image back with the engine's own tools: --inspect must show every
// field and --extract must give back every input bit.

#include "engine_checks.h"
#include "engine_process.h"
#include "round_trip_support.h"

#include "reader/image_verify.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

using namespace orvi::enginetest;

namespace {

// One album for every run: DSF and DSDIFF, tags, DIIN and an ISRC.
ScratchDir dir;
std::vector<std::string> tracks;

QStringList withTracks(QStringList arguments, const std::vector<std::string>& inputs = tracks)
{
    for (const std::string& track : inputs)
        arguments << QString::fromStdString(track);
    return arguments;
}

// Options written as one '|'-separated text.
QStringList options(const char* text)
{
    return QString::fromUtf8(text).split(u'|');
}

bool hasLine(const std::vector<std::string>& lines, const std::string& start, const std::string& part)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.starts_with(start) && line.find(part) != std::string::npos;
    });
}

QByteArray fileBytes(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void packInspectAndExtract()
{
    const std::string image = dir.path("album.iso"), cover = dir.path("cover.png");
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    CHECK(picture.save(QString::fromStdString(cover)));
    const EngineRun pack = runEngine(withTracks(
        options("--album|Round Trip|--artist|Orvi Ensemble|--label|Orvi Records|--copyright|(C) 2021 Orvi|--genre|"
                "classical|--date|2021-03-04|--catalog|CAT-77|--disc|2|--disc-total|3|--pause|44100|--verify|--isrc|"
                "1:US-AB1-21-00001|--track-title|2:Line Two|--track-artist|2:Line Artist")
        << "--cover" << QString::fromStdString(cover) << "-o" << QString::fromStdString(image)));
    CHECK_EQ(pack.exitCode, 0);
    CHECK(!pack.out.empty() && pack.out.front().starts_with("1 area: stereo 3 tracks 0:06; estimated size "));
    for (const char* line : {"[1/3] Tag One \u2014 one.dsf", "[2/3] Line Two \u2014 two.dff",
                             "[3/3] Tag Three \u2014 three.dsf", "verified: every track matches its input"})
        CHECK(pack.outHas(line));
    // Every 5 % step, however large the reads.
    std::vector<std::string> progress, steps;
    std::copy_if(pack.out.begin(), pack.out.end(), std::back_inserter(progress),
                 [](const std::string& line) { return line.starts_with("progress: "); });
    for (int step = 5; step <= 100; step += 5)
        steps.push_back("progress: " + std::to_string(step) + "%");
    CHECK(progress == steps);
    CHECK_EQ(pack.lastOut(),
             "SACD ISO created: " + QFileInfo(QString::fromStdString(image)).absoluteFilePath().toStdString());
    CHECK(fileBytes(image).contains(fileBytes(cover)));

    const EngineRun inspect = runEngine({"--inspect", QString::fromStdString(image)});
    CHECK_EQ(inspect.exitCode, 0);
    // The area description holds no composer: a track's tag speaks for that track only.
    for (const char* line :
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
          "  channels: 2, loudspeaker config 0, frame format 2 (plain DSD, 3 frames in 14 sectors), fs code 4",
          "  max byte rate: 716800",
          "  track offset: 0, tracks: 3, first bonus track: 0",
          "  max available channels: 0, mute flags: 0, copy management: 0",
          "    ISRC: \"USAB12100001\"",
          "    ISRC: \"DEXYZ1900003\"",
          "    title: \"Tag One\"",
          "    performer: \"Tag Artist\"",
          "    title: \"Line Two\"",
          "    performer: \"Line Artist\"",
          "    title: \"Tag Three\"",
          "    performer: \"Orvi Ensemble\""})
        CHECK(inspect.outHas(line));
    CHECK_EQ(std::count(inspect.out.begin(), inspect.out.end(), "    composer: \"Tag Composer\""), std::ptrdiff_t(1));
    // One second of pause (44100/44100 s = 75 frames) before tracks 2 and 3.
    CHECK(hasLine(inspect.out, "  track 2: ", "time 00:03:00 + 00:01:38"));

    const std::string folder = dir.path("extracted");
    const EngineRun extract = runEngine({"--extract", QString::fromStdString(image), QString::fromStdString(folder)});
    CHECK_EQ(extract.exitCode, 0);
    const char* names[] = {"01 - Tag One.dsf", "02 - Line Two.dsf", "03 - Tag Three.dsf"};
    for (size_t t = 0; t < tracks.size(); ++t) {
        const std::string extracted = folder + "/" + names[t];
        CHECK(extract.outHas("extracted: " + extracted));
        CHECK(holdsInputThenSilence(dsdData(extracted), dsdData(tracks[t])));
    }
    CHECK_EQ(orvi::engine::openTrack(folder + "/" + names[1]).text.title, std::string("Line Two"));

    // The comparison behind --verify notices tracks that are not the inputs.
    const std::vector<std::string> problems =
        orvi::engine::reader::verifyImage(image, {tracks[1], tracks[0], tracks[2]});
    CHECK(problems.size() == 2 && problems[0].starts_with("track 1 (" + tracks[1] + "): DSD data differs"));
}

// The command line over the CUE sheet over the file's tag over DIIN.
void cueSheetBetweenCommandLineAndFiles()
{
    const std::string cue = dir.path("album.cue"), image = dir.path("cue.iso");
    CHECK(writeFile(cue,
                    "TITLE \"Cue Album\"\nPERFORMER \"Cue Artist\"\nFILE \"one.dsf\" WAVE\n"
                    "  TRACK 01 AUDIO\n    TITLE \"Cue One\"\n    INDEX 01 00:00:00\n"
                    "  TRACK 02 AUDIO\n    TITLE \"Cue Two\"\n    PERFORMER \"Cue Performer\"\n"
                    "    INDEX 01 00:02:00\n"));
    const EngineRun pack = runEngine(withTracks(
        {"--cue", QString::fromStdString(cue), "--track-title", "1:Line One", "-o", QString::fromStdString(image)}));
    CHECK_EQ(pack.exitCode, 0);
    CHECK(pack.errHas("warning: --cue: the sheet lists 2 tracks for 3 input tracks; its entries apply in order"));
    CHECK(pack.outHas("CUE sheet " + cue + " read as UTF-8 (detected; --cue-charset NAME overrides)"));
    const EngineRun inspect = runEngine({"--inspect", QString::fromStdString(image)});
    for (const char* line :
         {"    album title: \"Cue Album\"", "    album artist: \"Cue Artist\"", "    title: \"Line One\"",
          "    title: \"Cue Two\"", "    performer: \"Cue Performer\"", "    title: \"Tag Three\"",
          "  album genre: table 1 index 14 (Jazz)", "  disc date: 2019-05-02"}) // the first file's tag genre and date
        CHECK(inspect.outHas(line));
    CHECK(!inspect.outHas("    title: \"Cue One\""));
}

void textInAnotherCharacterSet()
{
    const std::string image = dir.path("cjk.iso"), folder = dir.path("cjk");
    const QString longTitle = QString(90, QChar(0x957F)); // 长: 270 bytes of UTF-8
    CHECK_EQ(runEngine(withTracks({"--album", "\u4e2d\u6587\u4e13\u8f91", "--track-title", "3:\u7b2c\u4e09\u9996",
                                   "--track-title", "2:" + longTitle, "-o", QString::fromStdString(image)}))
                 .exitCode,
             0);
    const EngineRun inspect = runEngine({"--inspect", QString::fromStdString(image)});
    CHECK(inspect.outHas("    album title: \"\u4e2d\u6587\u4e13\u8f91\""));
    CHECK(inspect.outHas("    title: \"\u7b2c\u4e09\u9996\""));
    CHECK(hasLine(inspect.out, "  text channel 1: ", "character set 5 (GB 2312)"));
    // Extracted file names are cut to whole characters within the file system's byte limit.
    CHECK_EQ(runEngine({"--extract", QString::fromStdString(image), QString::fromStdString(folder)}).exitCode, 0);
    CHECK(fileExists(folder + "/02 - " + longTitle.left(66).toStdString() + ".dsf"));
}

void refusedInputsNameFileAndLeaveNothing()
{
    const std::string rate = dir.path("dsd128.dsf"), mono = dir.path("mono.dsf");
    CHECK(makeTrack(rate, 1.0, 1000, {"--rate", "5644800"}) && makeTrack(mono, 1.0, 1000, {"--channels", "1"}));
    const EngineRun run = runEngine(withTracks({"-o", dir.qpath("refused.iso")}, {tracks[0], rate, mono}));
    CHECK_EQ(run.exitCode, 1);
    CHECK(run.err
          == (std::vector<std::string>{
              "error: " + rate + ": sample rate 5644800 Hz: only DSD64 (2822400 Hz) fits on an SACD",
              "error: " + mono
                  + ": 1 channel: an SACD takes stereo (2-channel) or multichannel (5- or 6-channel) "
                    "tracks"}));
    CHECK(QDir(dir.qpath("")).entryList({"refused.iso*"}).isEmpty());
}

} // namespace

int main()
{
    tracks = {dir.path("one.dsf"), dir.path("two.dff"), dir.path("three.dsf")};
    CHECK(makeTrack(tracks[0], 2.0, 1000,
                    options("--title|Tag One|--artist|Tag Artist|--album|Tag Album|--genre|Jazz|--date|2019-05-02|"
                            "--composer|Tag Composer")));
    CHECK(makeTrack(tracks[1], 1.5, 440, {"--format", "dff", "--diin-title", "Diin Two"}));
    CHECK(makeTrack(tracks[2], 1.2, 2000, {"--title", "Tag Three", "--isrc", "DEXYZ1900003"}));
    packInspectAndExtract();
    cueSheetBetweenCommandLineAndFiles();
    textInAnotherCharacterSet();
    refusedInputsNameFileAndLeaveNothing();
    return finish("engine_round_trip");
}
