// Reading the command line and judging option values, without any file.

#include "cli/command_line.h"
#include "cli/pack_settings.h"
#include "cli/value_checks.h"
#include "engine_checks.h"

#include <functional>

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

std::string joined(const std::vector<std::string>& options)
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
        {{"-o"}, {"option -o needs a value", "no output image given (-o OUTPUT)", "no input track given"}},
        {{"-o", "a.iso", "-o", "b.iso", "--album", "A", "--album", "B", "t.dsf"},
         {"-o given twice (\"a.iso\" and \"b.iso\"); give it once",
          "--album given twice (\"A\" and \"B\"); give it once"}},
        {{"--extract", "disc.iso"}, {"option --extract needs a value"}},
        {{"--inspect", "disc.iso", "a.dsf"}, {"--inspect reads an image: it takes no -o and no tracks"}},
    };
    for (const auto& c : cases)
        if (!CHECK(readCommandLine(c.arguments).usageErrors == c.usageErrors))
            std::fprintf(stderr, "  (arguments%s)\n", joined(c.arguments).c_str());
}

// Values taken: what they set, and the warnings for values without effect.
void acceptedValues()
{
    const struct {
        std::vector<std::string> options;
        std::function<bool(const PackSettings&)> holds;
        Lines warnings = {};
    } cases[] = {
        {{"--genre", "classical"}, [](const PackSettings& s) { return s.genreIndex == 5; }},
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
        {{"--disc", "2", "--disc-total", "3"},
         [](const PackSettings& s) { return s.discNumber == 2 && s.discTotal == 3; }},
        {{"--disc", "3"}, [](const PackSettings& s) { return s.discNumber == 3 && s.discTotal == 3; }},
        {{}, [](const PackSettings& s) { return s.pauseFrames == 1 && s.dstOrder == 128 && !s.dstOrderGiven; }},
        {{"--pause", "0"}, [](const PackSettings& s) { return s.pauseFrames == 0; }},
        {{"--label", "Orvi"}, [](const PackSettings& s) { return s.text.publisher == "Orvi"; }},
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
            std::fprintf(stderr, "  (options%s)\n", joined(c.options).c_str());
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
            std::fprintf(stderr, "  (options%s)\n", joined(c.options).c_str());
    for (const char* bad :
         {"2023-02-29", "1900-02-29", "2024-13-01", "2024-04-31", "2024-4-01", "24-04-01", "2024/04/01", "0000-01-01"})
        CHECK(judge({"--date", bad}).errors
              == Lines{"--date: \"" + std::string(bad) + "\" is not a real calendar date (YYYY-MM-DD)"});
    const Lines unknown = judge({"--genre", "Polka"}).errors;
    CHECK(unknown.size() == 1
          && unknown[0].starts_with("--genre: unknown genre \"Polka\"; use an index 1..29 or one of: Not defi")
          && unknown[0].ends_with("World Music, Blues"));
}

} // namespace

int main()
{
    readingTheCommandLine();
    acceptedValues();
    refusedValues();
    return orvi::enginetest::finish("engine_option_checks");
}
