// Packs generated DSF and DSDIFF tracks with every kind of text, then reads
// the image back with the engine's own reading tools: --inspect must show
// every field and --extract must give back every input bit.

#include "engine_checks.h"
#include "engine_process.h"
#include "round_trip_support.h"

#include "input/track_reader.h"
#include "reader/image_verify.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <algorithm>

using namespace orvi::enginetest;

namespace {

struct Album {
    ScratchDir dir;
    std::vector<std::string> tracks;

    Album()
    {
        tracks = {dir.path("one.dsf"), dir.path("two.dff"), dir.path("three.dsf")};
        CHECK(makeTrack(tracks[0], 2.0, 1000,
                        {"--title", "Tag One", "--artist", "Tag Artist", "--album", "Tag Album", "--genre", "Jazz",
                         "--date", "2019-05-02", "--composer", "Tag Composer"}));
        CHECK(makeTrack(tracks[1], 1.5, 440, {"--format", "dff", "--diin-title", "Diin Two"}));
        CHECK(makeTrack(tracks[2], 1.2, 2000, {"--title", "Tag Three", "--isrc", "DEXYZ1900003"}));
    }
    QStringList trackArguments() const
    {
        QStringList list;
        for (const std::string& track : tracks)
            list << QString::fromStdString(track);
        return list;
    }
};

void packInspectAndExtract()
{
    Album album;
    const std::string image = album.dir.path("album.iso");
    const std::string cover = album.dir.path("cover.png");
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    CHECK(picture.save(QString::fromStdString(cover)));
    QStringList arguments{"--cover",
                          QString::fromStdString(cover),
                          "--album",
                          "Round Trip",
                          "--artist",
                          "Orvi Ensemble",
                          "--label",
                          "Orvi Records",
                          "--copyright",
                          "(C) 2021 Orvi",
                          "--genre",
                          "classical",
                          "--date",
                          "2021-03-04",
                          "--catalog",
                          "CAT-77",
                          "--disc",
                          "2",
                          "--disc-total",
                          "3",
                          "--pause",
                          "44100",
                          "--verify",
                          "--isrc",
                          "1:US-AB1-21-00001",
                          "--track-title",
                          "2:Line Two",
                          "--track-artist",
                          "2:Line Artist",
                          "-o",
                          QString::fromStdString(image)};
    arguments << album.trackArguments();
    const EngineRun pack = runEngine(arguments);
    CHECK_EQ(pack.exitCode, 0);
    CHECK(!pack.out.empty() && pack.out.front().starts_with("1 area: stereo 3 tracks 0:06; estimated size "));
    CHECK(pack.outHas("[1/3] Tag One \u2014 one.dsf"));
    CHECK(pack.outHas("[2/3] Line Two \u2014 two.dff"));
    CHECK(pack.outHas("[3/3] Tag Three \u2014 three.dsf"));
    std::vector<std::string> progress; // every 5 % step, however large the reads
    std::copy_if(pack.out.begin(), pack.out.end(), std::back_inserter(progress),
                 [](const std::string& line) { return line.starts_with("progress: "); });
    CHECK_EQ(progress.size(), size_t(20));
    for (size_t i = 0; i < progress.size(); ++i)
        CHECK_EQ(progress[i], "progress: " + std::to_string(5 * (i + 1)) + "%");
    CHECK(pack.outHas("verified: every track matches its input"));
    CHECK_EQ(pack.lastOut(),
             "SACD ISO created: " + QFileInfo(QString::fromStdString(image)).absoluteFilePath().toStdString());
    CHECK(!fileExists(image + ".part"));
    QFile coverFile(QString::fromStdString(cover)), imageFile(QString::fromStdString(image));
    CHECK(coverFile.open(QIODevice::ReadOnly) && imageFile.open(QIODevice::ReadOnly));
    CHECK(imageFile.readAll().contains(coverFile.readAll())); // the picture travels in the image

    const EngineRun inspect = runEngine({"--inspect", QString::fromStdString(image)});
    CHECK_EQ(inspect.exitCode, 0);
    for (const char* line : {
             "master TOC: sector 510, version 1.20, copies at 520 and 530 identical",
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
             "    area description: \"Round Trip\"", // no composer: a track's tag speaks for that track only
             "    area copyright: \"(C) 2021 Orvi\"",
             "  channels: 2, loudspeaker config 0, frame format 2 (plain DSD, 3 frames in 14 sectors), fs code 4",
             "  max byte rate: 716800",
             "  track offset: 0, tracks: 3, first bonus track: 0",
             "  max available channels: 0, mute flags: 0, copy management: 0",
             "    ISRC: \"USAB12100001\"",
             "    ISRC: \"DEXYZ1900003\"",
             "    title: \"Tag One\"",
             "    performer: \"Tag Artist\"",
             "    composer: \"Tag Composer\"",
             "    title: \"Line Two\"",
             "    performer: \"Line Artist\"",
             "    title: \"Tag Three\"",
             "    performer: \"Orvi Ensemble\"",
         })
        CHECK(inspect.outHas(line));
    // One second of pause (44100/44100 s = 75 frames) before tracks 2 and 3.
    bool pauseSeen = false;
    for (const std::string& line : inspect.out)
        pauseSeen = pauseSeen
            || (line.starts_with("  track 2: ") && line.find("time 00:03:00 + 00:01:38") != std::string::npos);
    CHECK(pauseSeen);
    CHECK_EQ(std::count(inspect.out.begin(), inspect.out.end(), "    composer: \"Tag Composer\""), std::ptrdiff_t(1));

    const std::string folder = album.dir.path("extracted");
    const EngineRun extract = runEngine({"--extract", QString::fromStdString(image), QString::fromStdString(folder)});
    CHECK_EQ(extract.exitCode, 0);
    const std::vector<std::string> names = {"01 - Tag One.dsf", "02 - Line Two.dsf", "03 - Tag Three.dsf"};
    for (size_t t = 0; t < names.size(); ++t) {
        const std::string extracted = folder + "/" + names[t];
        CHECK(extract.outHas("extracted: " + extracted));
        CHECK(holdsInputThenSilence(dsdData(extracted), dsdData(album.tracks[t])));
    }
    CHECK_EQ(orvi::engine::openTrack(folder + "/" + names[1]).text.title, std::string("Line Two"));

    // The comparison behind --verify does notice tracks that are not the inputs.
    const std::vector<std::string> swapped = {album.tracks[1], album.tracks[0], album.tracks[2]};
    const std::vector<std::string> problems = orvi::engine::reader::verifyImage(image, swapped);
    CHECK_EQ(problems.size(), size_t(2));
    CHECK(!problems.empty() && problems.front().starts_with("track 1 (" + album.tracks[1] + "): DSD data differs"));
    CHECK(orvi::engine::reader::verifyImage(image, album.tracks).empty());
}

void cueSheetBetweenCommandLineAndFiles()
{
    Album album;
    const std::string cue = album.dir.path("album.cue");
    QFile sheet(QString::fromStdString(cue));
    CHECK(sheet.open(QIODevice::WriteOnly));
    sheet.write("TITLE \"Cue Album\"\nPERFORMER \"Cue Artist\"\nFILE \"one.dsf\" WAVE\n"
                "  TRACK 01 AUDIO\n    TITLE \"Cue One\"\n    INDEX 01 00:00:00\n"
                "  TRACK 02 AUDIO\n    TITLE \"Cue Two\"\n    PERFORMER \"Cue Performer\"\n    INDEX 01 00:02:00\n");
    sheet.close();
    const std::string image = album.dir.path("cue.iso");
    QStringList arguments{"--cue", QString::fromStdString(cue),  "--track-title", "1:Line One",
                          "-o",    QString::fromStdString(image)};
    arguments << album.trackArguments();
    const EngineRun pack = runEngine(arguments);
    CHECK_EQ(pack.exitCode, 0);
    CHECK(pack.errHas("warning: --cue: the sheet lists 2 tracks for 3 input tracks; its entries apply in order"));
    CHECK(pack.outHas("CUE sheet " + cue + " read as UTF-8 (detected; --cue-charset NAME overrides)"));

    const EngineRun inspect = runEngine({"--inspect", QString::fromStdString(image)});
    for (const char* line : {
             "    album title: \"Cue Album\"", // CUE over the first file's tag album
             "    album artist: \"Cue Artist\"",
             "    title: \"Line One\"", // command line over CUE over tag
             "    title: \"Cue Two\"",  // CUE over DIIN
             "    performer: \"Cue Performer\"",
             "    title: \"Tag Three\"",               // only the file has one
             "  album genre: table 1 index 14 (Jazz)", // the first file's tag genre and date
             "  disc date: 2019-05-02",
         })
        CHECK(inspect.outHas(line));
    CHECK(!inspect.outHas("    title: \"Cue One\""));
}

void textInAnotherCharacterSet()
{
    Album album;
    const std::string image = album.dir.path("cjk.iso");
    const QString longTitle = QString(90, QChar(0x957F)); // 长: 270 bytes of UTF-8
    QStringList arguments{"--album",
                          "\u4e2d\u6587\u4e13\u8f91",
                          "--track-title",
                          "3:\u7b2c\u4e09\u9996",
                          "--track-title",
                          "2:" + longTitle,
                          "-o",
                          QString::fromStdString(image)};
    arguments << album.trackArguments();
    CHECK_EQ(runEngine(arguments).exitCode, 0);
    // Extracted file names are cut to whole characters within the file system's byte limit.
    const std::string folder = album.dir.path("extracted");
    CHECK_EQ(runEngine({"--extract", QString::fromStdString(image), QString::fromStdString(folder)}).exitCode, 0);
    CHECK(fileExists(folder + "/02 - " + longTitle.left(66).toStdString() + ".dsf"));
    const EngineRun inspect = runEngine({"--inspect", QString::fromStdString(image)});
    CHECK(inspect.outHas("    album title: \"\u4e2d\u6587\u4e13\u8f91\""));
    CHECK(inspect.outHas("    title: \"\u7b2c\u4e09\u9996\""));
    bool gb2312 = false;
    for (const std::string& line : inspect.out)
        gb2312 = gb2312 || (line.starts_with("  text channel 1: ") && line.ends_with("character set 5 (GB 2312)"));
    CHECK(gb2312);
}

void refusedInputsNameFileAndLeaveNothing()
{
    Album album;
    const std::string rate = album.dir.path("dsd128.dsf");
    CHECK(makeTrack(rate, 1.0, 1000, {"--rate", "5644800"}));
    const std::string mono = album.dir.path("mono.dsf");
    CHECK(makeTrack(mono, 1.0, 1000, {"--channels", "1"}));
    const std::string image = album.dir.path("refused.iso");
    const EngineRun run = runEngine({"-o", QString::fromStdString(image), QString::fromStdString(album.tracks[0]),
                                     QString::fromStdString(rate), QString::fromStdString(mono)});
    CHECK_EQ(run.exitCode, 1);
    CHECK_EQ(run.err.size(), size_t(2));
    CHECK(run.errHas("error: " + rate + ": sample rate 5644800 Hz: only DSD64 (2822400 Hz) fits on an SACD"));
    CHECK(run.errHas("error: " + mono
                     + ": 1 channel: an SACD takes stereo (2-channel) or multichannel (5- or "
                       "6-channel) tracks"));
    CHECK(QDir(QString::fromStdString(album.dir.path(""))).entryList({"refused.iso*"}).isEmpty());
}

} // namespace

int main()
{
    packInspectAndExtract();
    cueSheetBetweenCommandLineAndFiles();
    textInAnotherCharacterSet();
    refusedInputsNameFileAndLeaveNothing();
    return finish("engine_round_trip");
}
