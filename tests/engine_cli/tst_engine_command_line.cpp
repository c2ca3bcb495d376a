// The engine's command line: reading it and judging option values (without
// any file), then the executable's help, version, usage errors, refused
// values and inputs, exit codes, and that a refused run writes nothing.

#include "cli/command_line.h"
#include "cli/pack_settings.h"
#include "cli/value_checks.h"
#include "engine_checks.h"
#include "engine_process.h"

#include <QBuffer>
#include <QImage>

#include <cstdio>
#include <filesystem>
#include <functional>

using namespace orvi::enginetest;
using namespace orvi::engine;
using namespace orvi::engine::cli;

namespace {

using Lines = std::vector<std::string>;

// Checks a pack command line with two tracks and the given options.
SettingsCheck judge(std::vector<std::string> options)
{
    options.insert(options.end(), {"-o", "out.iso", "a.dsf", "b.dff"});
    return checkSettings(readCommandLine(options));
}

std::string spaced(const std::vector<std::string>& options)
{
    std::string text;
    for (const std::string& option : options)
        text += " " + option;
    return text;
}

void readingTheCommandLine()
{
    const CommandLine line =
        readCommandLine({"a.dsf", "--album", "-Minus-", "-inproc-host", "-o", "x.iso", "--verify", "-inproc-ctl", "7",
                         "b.dsf", "-inproc-ctl-fn", "9", "--isrc", "2:USAB12000001"});
    CHECK(line.usageErrors.empty() && line.mode == Mode::Pack && line.options.verify);
    CHECK_EQ(line.options.album.value_or(""), std::string("-Minus-")); // a value may begin with "-"
    CHECK_EQ(line.output.value_or(""), std::string("x.iso"));
    CHECK(line.tracks == (Lines{"a.dsf", "b.dsf"}));
    CHECK_EQ(line.options.trackOptions.size(), size_t(1));
    CHECK(readCommandLine({"-o", "x.iso", "--", "-odd name.dsf"}).tracks == Lines{"-odd name.dsf"});

    const CommandLine inspect = readCommandLine({"--inspect", "disc.iso"});
    CHECK(inspect.mode == Mode::Inspect && inspect.usageErrors.empty() && inspect.inspectImage == "disc.iso");
    const CommandLine extract = readCommandLine({"--extract", "disc.iso", "out"});
    CHECK(extract.mode == Mode::Extract && extract.usageErrors.empty() && extract.extractDirectory == "out");
    CHECK(readCommandLine({"--bogus", "--help"}).mode == Mode::Help);
    CHECK(readCommandLine({"--version"}).mode == Mode::Version);

    // A value given twice is reported, never silently chosen.
    const struct {
        std::vector<std::string> arguments;
        Lines usageErrors;
    } cases[] = {
        {{"--help"}, {}},
        {{"-o", "x.iso", "--", "-odd name.dsf"}, {}},
        {{"-o"}, {"option -o needs a value", "no output image given (-o OUTPUT)", "no input track given"}},
        {{"-o", "a.iso", "-o", "b.iso", "--album", "A", "--album", "B", "t.dsf"},
         {"-o given twice (\"a.iso\" and \"b.iso\"); give it once",
          "--album given twice (\"A\" and \"B\"); give it once"}},
        {{"--extract", "disc.iso"}, {"option --extract needs a value"}},
        {{"--inspect", "disc.iso", "a.dsf"}, {"--inspect reads an image: it takes no -o and no tracks"}},
    };
    for (const auto& c : cases)
        if (!CHECK(readCommandLine(c.arguments).usageErrors == c.usageErrors))
            std::fprintf(stderr, "  (arguments%s)\n", spaced(c.arguments).c_str());
}

// Values taken: what they set, and the warnings for values without effect.
// (The engine's round trip packs a disc with most options and reads them back.)
void acceptedValues()
{
    const struct {
        std::vector<std::string> options;
        std::function<bool(const PackSettings&)> holds;
        Lines warnings = {};
    } cases[] = {
        {{"--genre", "RHYTHM & BLUES"}, [](const PackSettings& s) { return s.genreIndex == 24; }},
        {{"--genre", "29"}, [](const PackSettings& s) { return s.genreIndex == 29; }},
        {{"--date", "2024-02-29"},
         [](const PackSettings& s) {
             return s.date && s.date->year == 2024 && s.date->month == 2 && s.date->day == 29;
         }},
        {{"--date", "2000-02-29"}, [](const PackSettings& s) { return s.date && s.date->day == 29; }},
        {{"--year", "1999"},
         [](const PackSettings& s) { return s.date && s.date->year == 1999 && s.date->month == 0; }},
        {{"--year", "1999", "--date", "2001-05-06"},
         [](const PackSettings& s) { return s.date && s.date->year == 2001; },
         {"--year 1999 ignored: --date 2001-05-06 gives the disc date"}},
        {{"--catalog", "ABC-123 456/7890"},
         [](const PackSettings& s) { return s.catalogNumber == "ABC-123 456/7890"; }},
        {{"--barcode", "036000291452"}, [](const PackSettings& s) { return s.catalogNumber == "036000291452"; }},
        {{"--barcode", "4006381333931"}, [](const PackSettings& s) { return s.catalogNumber == "4006381333931"; }},
        {{"--barcode", "036000291452", "--catalog", "CAT 1"},
         [](const PackSettings& s) { return s.catalogNumber == "CAT 1"; },
         {"--barcode 036000291452 not written: the catalogue number CAT 1 from --catalog takes its place"}},
        {{"--disc", "3"}, [](const PackSettings& s) { return s.discNumber == 3 && s.discTotal == 3; }},
        {{}, [](const PackSettings& s) { return s.pauseFrames == 1 && s.dstOrder == 128 && !s.dstOrderGiven; }},
        {{"--pause", "0"}, [](const PackSettings& s) { return s.pauseFrames == 0; }},
        {{"--cue", "a.cue", "--cue-charset", "euc-kr"}, [](const PackSettings& s) { return s.cueCharset == "euc-kr"; }},
        {{"--track-title", "2:Allegro: ma non troppo", "--track-artist", "1:Ann", "--isrc", "1:us-ab1-20-00001",
          "--isrc", "2:GBXYZ0312345"},
         [](const PackSettings& s) {
             return s.trackText.at(1).title == "Allegro: ma non troppo" && s.trackText.at(0).performer == "Ann"
                 && s.trackText.at(0).isrc == "USAB12000001" && s.trackText.at(1).isrc == "GBXYZ0312345";
         }},
        {{"--dsd-disc", "--title", "T", "--no-playlist", "--pause", "0"},
         [](const PackSettings& s) { return s.dsdDisc && s.discTitle == "T" && !s.playlist; },
         {"--pause has no effect on a DSD Disc"}},
        {{"--dst-stereo", "--no-encode", "--dst-compression", "64"},
         [](const PackSettings& s) { return s.dstStereo && s.noEncode && s.dstOrder == 64 && s.dstOrderGiven; }},
        {{"--dst-compression", "1"}, [](const PackSettings& s) { return s.dstOrder == 1; }},
    };
    for (const auto& c : cases) {
        const SettingsCheck check = judge(c.options);
        if (!CHECK(check.errors.empty() && c.holds(check.settings) && check.warnings == c.warnings))
            std::fprintf(stderr, "  (options%s)\n", spaced(c.options).c_str());
    }
    // 588 samples are exactly one frame.
    for (const auto& [samples, frames] :
         {std::pair{0, 0u}, {1, 1u}, {150, 1u}, {588, 1u}, {589, 2u}, {44100, 75u}, {200000, 341u}})
        CHECK_EQ(pauseFramesFor(samples), frames);
}

// Values refused, each with its message, all of them at once.
void refusedValues()
{
    const std::string notIsrc = "\" is not an ISRC (CC-OOO-YY-DDDDD or the same 12 characters without hyphens)";
    const struct {
        std::vector<std::string> options;
        Lines errors;
    } cases[] = {
        {{"--cue", "a.cue", "--cue-charset", "klingon"},
         {"--cue-charset: \"klingon\" is not a character set name this system knows (e.g. windows-1252, GBK, "
          "Big5, Shift_JIS, EUC-KR, UTF-8)"}},
        {{"--cue-charset", "EUC-KR"}, {"--cue-charset: there is no --cue sheet to read with it"}},
        {{"--genre", "0"}, {"--genre: genre index 0 is not in 1..29"}},
        {{"--year", "99"}, {"--year: \"99\" is not a year (YYYY)"}},
        {{"--catalog", "ABCDEFGHIJKLMNOPQ"}, {"--catalog: \"ABCDEFGHIJKLMNOPQ\" is longer than 16 characters"}},
        {{"--catalog", "K\xc3\xb6ln"}, {"--catalog: \"K\xc3\xb6ln\" has characters outside ISO 646 (printable ASCII)"}},
        {{"--barcode", "4006381333932"}, {"--barcode: \"4006381333932\" has a wrong check digit (expected 1)"}},
        {{"--barcode", "12345"}, {"--barcode: \"12345\" is not a UPC-A (12 digits) or EAN-13 (13 digits) barcode"}},
        {{"--disc", "4", "--disc-total", "3"}, {"--disc: disc 4 is greater than --disc-total 3"}},
        {{"--disc-total", "65536"}, {"--disc-total: \"65536\" is not a whole number in 1..65535"}},
        {{"--disc", "0"}, {"--disc: \"0\" is not a whole number in 1..65535"}},
        {{"--pause", "-1"}, {"--pause: \"-1\" is not a whole number in 0..200000"}},
        {{"--pause", "200001"}, {"--pause: \"200001\" is not a whole number in 0..200000"}},
        {{"--dst-compression", "129"}, {"--dst-compression: \"129\" is not a whole number in 1..128"}},
        {{"--track-title", "1:One", "--track-title", "1:Uno", "--album", "  ", "--track-artist", "2:\u3000"},
         {"--album: the value is only spaces", "--track-title 1: given twice (\"One\" and \"Uno\"); give it once",
          "--track-artist 2: the value is only spaces"}},
        {{"--track-title", "3:Too far", "--track-artist", "x:Ann", "--track-title", "1:", "--isrc", "1:US-AB1-2000001",
          "--isrc", "2:U1AB12000001"},
         {"--track-title: track 3 does not exist (tracks 1..2)",
          "--track-artist: \"x:Ann\" is not N:VALUE (N = the track's position, from 1)",
          "--track-title 1: the value is empty", "--isrc 1: \"US-AB1-2000001" + notIsrc,
          "--isrc 2: \"U1AB12000001" + notIsrc}},
        {{"--album", "", "--dsd-disc", "--title", ""}, {"--album: the value is empty", "--title: the value is empty"}},
        {{"--title", "T", "--no-playlist"},
         {"--title: only valid with --dsd-disc", "--no-playlist: only valid with --dsd-disc"}},
        {{"--pause", "x", "--isrc", "9:x"},
         {"--pause: \"x\" is not a whole number in 0..200000", "--isrc: track 9 does not exist (tracks 1..2)"}},
    };
    for (const auto& c : cases)
        if (!CHECK(judge(c.options).errors == c.errors))
            std::fprintf(stderr, "  (options%s)\n", spaced(c.options).c_str());
    for (const char* bad :
         {"2023-02-29", "1900-02-29", "2024-13-01", "2024-04-31", "2024-4-01", "24-04-01", "2024/04/01", "0000-01-01"})
        CHECK(judge({"--date", bad}).errors
              == Lines{"--date: \"" + std::string(bad) + "\" is not a real calendar date (YYYY-MM-DD)"});
    const Lines unknown = judge({"--genre", "Polka"}).errors;
    CHECK(unknown.size() == 1
          && unknown[0].starts_with("--genre: unknown genre \"Polka\"; use an index 1..29 or one of: Not defi")
          && unknown[0].ends_with("World Music, Blues"));
}

const std::string kUsage = "usage: OrviPackEngine [options] -o OUTPUT TRACK...  (--help lists the options)";

// One folder and one generated track for every run.
ScratchDir dir;
std::string track;

EngineRun pack(QStringList options, const std::string& output)
{
    return runEngine(options << "-o" << QString::fromStdString(output) << QString::fromStdString(track));
}

void helpVersionAndUsageErrors()
{
    const EngineRun help = runEngine({"--help"});
    CHECK_EQ(help.exitCode, 0);
    CHECK(!help.out.empty() && help.out.front() == "usage: OrviPackEngine [options] -o OUTPUT TRACK...");
    CHECK(help.outHas("  --verify               read the finished image back and compare every track"));
    CHECK(help.err.empty());
    const EngineRun version = runEngine({"--version"});
    CHECK_EQ(version.exitCode, 0);
    CHECK(version.out == std::vector<std::string>{"OrviPackEngine " ORVI_ENGINE_VERSION_TEXT});

    // Every usage problem at once, then the value checks, then the usage line.
    const EngineRun run = runEngine({"--bogus", "--date", "2023-02-30", "--album"});
    CHECK_EQ(run.exitCode, 2);
    CHECK(run.out.empty());
    CHECK(run.err
          == (std::vector<std::string>{"error: unknown option: --bogus", "error: option --album needs a value",
                                       "error: no output image given (-o OUTPUT)", "error: no input track given",
                                       "error: --date: \"2023-02-30\" is not a real calendar date (YYYY-MM-DD)",
                                       kUsage}));
    const EngineRun noTracks = runEngine({"-o", "x.iso", "-inproc-host"});
    CHECK_EQ(noTracks.exitCode, 2);
    CHECK(noTracks.err == (std::vector<std::string>{"error: no input track given", kUsage}));
}

void invalidValuesAndInputsTogether()
{
    CHECK(writeFile(dir.path("notes.dsf"), "just some text, not audio at all"));
    const std::string output = dir.path("disc.iso");
    const EngineRun run =
        runEngine({"--genre", "Polka", "--barcode", "036000291453", "--cover", QString::fromStdString(track),
                   "--dsd-disc", "--verify", "-o", QString::fromStdString(output), QString::fromStdString(track),
                   dir.qpath("missing.dsf"), dir.qpath("notes.dsf")});
    CHECK_EQ(run.exitCode, 1);
    CHECK(run.out.empty());
    CHECK_EQ(run.err.size(), size_t(6));
    CHECK(run.errHas("error: --barcode: \"036000291453\" has a wrong check digit (expected 2)"));
    CHECK(run.errHas("error: --verify: reads SACD images back; not available with --dsd-disc"));
    CHECK(run.errHas("error: --cover: \"" + track + "\" is not a JPEG or PNG picture"));
    int namedFiles = 0;
    for (const std::string& line : run.err)
        namedFiles += line.starts_with("error: " + dir.path("missing.dsf") + ": ")
            || line.starts_with("error: " + dir.path("notes.dsf") + ": ");
    CHECK_EQ(namedFiles, 2);
    CHECK(!fileExists(output));
}

void coverPictureChecked()
{
    CHECK(writeFile(dir.path("big.jpg"), QByteArray(16 * 1024 * 1024 + 1, '\xff')));
    CHECK(writeFile(dir.path("broken.png"), "\x89PNG\r\n\x1a\n and then nothing"));
    // A JPEG cut short still decodes, with grey where the rest was: refused.
    QImage picture(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            picture.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    CHECK(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "JPEG", 90));
    CHECK(writeFile(dir.path("cut.jpg"), jpeg.left(jpeg.size() / 2)));
    for (const auto& [name, problem] : {std::pair{"big.jpg", "is larger than 16 MiB"},
                                        {"broken.png", "is damaged: byte 8 does not start a PNG chunk"},
                                        {"absent.jpg", "does not exist"},
                                        {"cut.jpg", "is damaged: "}}) {
        const EngineRun run = pack({"--cover", dir.qpath(name)}, dir.path("x.iso"));
        CHECK_EQ(run.exitCode, 1);
        // One error line; the decoder's own messages are inside it, never on their own.
        CHECK(run.err.size() == 1 && run.err[0].starts_with("error: --cover: \"" + dir.path(name) + "\" " + problem));
    }
    CHECK(!fileExists(dir.path("x.iso")));
}

void unwritableOutputExitsThree()
{
    const std::string output = dir.path("no such folder/disc.iso");
    const EngineRun run = pack({}, output);
    CHECK_EQ(run.exitCode, 3);
    CHECK(!run.err.empty() && run.err.back().starts_with("error: ")
          && run.err.back().find(output) != std::string::npos);
    CHECK(!run.lastOut().starts_with("SACD ISO created"));
}

// An OUTPUT that names an input, however spelled or linked, or that cannot be
// an image file, is refused before any input is read (the junk CUE sheet
// and cover would otherwise be reported too).
void outputNamingAnInputRefused()
{
    const auto trackBytes = std::filesystem::file_size(track);
    CHECK(writeFile(dir.path("sheet.cue"), "junk") && writeFile(dir.path("cover.jpg"), "junk"));
    std::filesystem::create_directory(dir.path("sub"));
    std::error_code noSymlinks;
    std::filesystem::create_symlink(track, dir.path("link.iso"), noSymlinks);
    std::filesystem::create_hard_link(track, dir.path("hard.iso"));
    const std::string sameAs = " is the same file as ";
    const std::string destroy = "; writing the image there would destroy it, choose another output name";
    const struct {
        std::string output, error;
    } cases[] = {
        {dir.path("sub/../t.dsf"), dir.path("sub/../t.dsf") + sameAs + "track 1 " + track + destroy},
        {dir.path("./link.iso"), dir.path("./link.iso") + sameAs + "track 1 " + track + destroy},
        {dir.path("hard.iso"), dir.path("hard.iso") + sameAs + "track 1 " + track + destroy},
        {dir.path("sheet.cue"), dir.path("sheet.cue") + sameAs + "--cue " + dir.path("sheet.cue") + destroy},
        {dir.path("cover.jpg"), dir.path("cover.jpg") + sameAs + "--cover " + dir.path("cover.jpg") + destroy},
        {dir.path("sub"), dir.path("sub") + " is a folder; give the path of the image file to write in it"},
        {"", "the output name is empty; give the path of the image to write"},
    };
    for (const auto& c : cases) {
        if (noSymlinks && c.output == dir.path("./link.iso")) {
            std::printf("skipped the symbolic link case: this system makes none (%s)\n", noSymlinks.message().c_str());
            continue;
        }
        const EngineRun run = pack({"--cue", dir.qpath("sheet.cue"), "--cover", dir.qpath("cover.jpg")}, c.output);
        CHECK_EQ(run.exitCode, 1);
        CHECK(run.err == std::vector<std::string>{"error: -o: " + c.error});
    }
    CHECK_EQ(std::filesystem::file_size(track), trackBytes);
}

// Text from a CUE sheet that no disc set holds is named by the sheet's line;
// the set the sheet was read in is in the log.
void cueSheetTextNamedByItsLine()
{
    const std::string cue = dir.path("sheet.cue"), clean = dir.path("clean.cue");
    CHECK(writeFile(cue, "TITLE \"R\xEAveries\"\nTRACK 01 AUDIO\n  TITLE \"\x81\"\n"));
    const EngineRun run =
        pack({"--cue", QString::fromStdString(cue), "--cue-charset", "windows-1251"}, dir.path("x.iso"));
    CHECK_EQ(run.exitCode, 1);
    CHECK(run.err
          == std::vector<std::string>{"error: " + cue
                                      + ":3 TITLE: \"\u0403\" cannot be written in any disc "
                                        "character set (ISO 8859-1, GB 2312, Big5, Shift-JIS, KSC 5601)"});
    CHECK(writeFile(clean, "TITLE \"R\xEAveries\"\nTRACK 01 AUDIO\n"));
    CHECK(pack({"--cue", QString::fromStdString(clean)}, dir.path("y.iso"))
              .outHas("CUE sheet " + clean + " read as windows-1252 (detected; --cue-charset NAME overrides)"));
}

void readingToolsRefuseWhatIsNotAnImage()
{
    CHECK(writeFile(dir.path("junk.iso"), QByteArray(600 * 2048, 'x')));
    const EngineRun inspect = runEngine({"--inspect", dir.qpath("junk.iso")});
    CHECK_EQ(inspect.exitCode, 1);
    CHECK(
        inspect.err
        == std::vector<std::string>{"error: " + dir.path("junk.iso") + ": no master TOC (\"SACDMTOC\") at sector 510"});
    const EngineRun extract = runEngine({"--extract", dir.qpath("short.iso"), dir.qpath("out")});
    CHECK_EQ(extract.exitCode, 1);
    CHECK(extract.err.size() == 1 && extract.err[0].starts_with("error: " + dir.path("short.iso") + ": cannot open: "));
}

// A track whose tag carries something unusable is still packed, and the
// user hears about the part that was left out.
void inFileTagProblemsAreReported()
{
    const std::string tagged = dir.path("tagged.dsf");
    CHECK(makeTrack(tagged, 1.0, 1000, {"--isrc", "BADISRC"}));
    const EngineRun run = runEngine({"-o", dir.qpath("out.iso"), QString::fromStdString(tagged)});
    CHECK_EQ(run.exitCode, 0);
    CHECK(run.errHas("warning: " + tagged + ": ID3v2 ISRC \"BADISRC\" is not a valid ISRC; ignored"));
    CHECK(fileExists(dir.path("out.iso")));
}

} // namespace

int main()
{
    readingTheCommandLine();
    acceptedValues();
    refusedValues();
    track = dir.path("t.dsf");
    CHECK(makeTrack(track, 1.0, 1000));
    helpVersionAndUsageErrors();
    invalidValuesAndInputsTogether();
    coverPictureChecked();
    unwritableOutputExitsThree();
    outputNamingAnInputRefused();
    cueSheetTextNamedByItsLine();
    readingToolsRefuseWhatIsNotAnImage();
    inFileTagProblemsAreReported();
    return finish("tst_engine_command_line");
}
