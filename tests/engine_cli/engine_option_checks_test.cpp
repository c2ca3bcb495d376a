// Reading the command line and judging option values, without any file.

#include "cli/command_line.h"
#include "cli/pack_settings.h"
#include "cli/value_checks.h"
#include "engine_checks.h"

#include <algorithm>

using namespace orvi::engine;
using namespace orvi::engine::cli;

namespace {

CommandLine read(std::vector<std::string> arguments)
{
    return readCommandLine(arguments);
}

// Checks a pack command line with two tracks and the given options.
SettingsCheck judge(std::vector<std::string> options)
{
    options.insert(options.end(), {"-o", "out.iso", "a.dsf", "b.dff"});
    return checkSettings(read(options));
}

bool has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void optionsInAnyOrderAndRunnerArgumentsIgnored()
{
    const CommandLine line = read({"a.dsf", "--album", "-Minus-", "-inproc-host", "-o", "x.iso", "--verify",
                                   "-inproc-ctl", "7", "b.dsf", "-inproc-ctl-fn", "9", "--isrc", "2:USAB12000001"});
    CHECK(line.usageErrors.empty());
    CHECK(line.mode == Mode::Pack);
    CHECK_EQ(line.options.album.value_or(""), std::string("-Minus-")); // a value may begin with "-"
    CHECK_EQ(line.output.value_or(""), std::string("x.iso"));
    CHECK(line.tracks == (std::vector<std::string>{"a.dsf", "b.dsf"}));
    CHECK(line.options.verify);
    CHECK_EQ(line.options.trackOptions.size(), size_t(1));

    const CommandLine ended = read({"-o", "x.iso", "--", "-odd name.dsf"});
    CHECK(ended.usageErrors.empty());
    CHECK(ended.tracks == std::vector<std::string>{"-odd name.dsf"});
}

void everyUsageProblemReportedAtOnce()
{
    const CommandLine line = read({"--bogus", "--genre"});
    CHECK(line.usageErrors
          == (std::vector<std::string>{"unknown option: --bogus", "option --genre needs a value",
                                       "no output image given (-o OUTPUT)", "no input track given"}));
    CHECK(read({"-o"}).usageErrors.front() == "option -o needs a value");
}

// A value given twice, or blank, is reported, never silently chosen.
void repeatedAndBlankValues()
{
    CHECK(read({"-o", "a.iso", "-o", "b.iso", "--album", "A", "--album", "B", "t.dsf"}).usageErrors
          == (std::vector<std::string>{"-o given twice (\"a.iso\" and \"b.iso\"); give it once",
                                       "--album given twice (\"A\" and \"B\"); give it once"}));
    CHECK(judge({"--track-title", "1:One", "--track-title", "1:Uno", "--album", "  ", "--track-artist", "2:\u3000"})
              .errors
          == (std::vector<std::string>{"--album: the value is only spaces",
                                       "--track-title 1: given twice (\"One\" and \"Uno\"); give it once",
                                       "--track-artist 2: the value is only spaces"}));
    CHECK_EQ(judge({"--cue", "a.cue", "--cue-charset", "euc-kr"}).settings.cueCharset, std::string("euc-kr"));
}

void helpVersionAndReadingModes()
{
    CHECK(read({"--bogus", "--help"}).mode == Mode::Help);
    CHECK(read({"--help"}).usageErrors.empty());
    CHECK(read({"--version"}).mode == Mode::Version);
    const CommandLine inspect = read({"--inspect", "disc.iso"});
    CHECK(inspect.mode == Mode::Inspect && inspect.usageErrors.empty());
    CHECK_EQ(inspect.inspectImage, std::string("disc.iso"));
    const CommandLine extract = read({"--extract", "disc.iso", "out"});
    CHECK(extract.mode == Mode::Extract && extract.usageErrors.empty());
    CHECK_EQ(extract.extractDirectory, std::string("out"));
    CHECK(read({"--extract", "disc.iso"}).usageErrors == std::vector<std::string>{"option --extract needs a value"});
    CHECK(read({"--inspect", "disc.iso", "a.dsf"}).usageErrors
          == std::vector<std::string>{"--inspect reads an image: it takes no -o and no tracks"});
}

void genreByNameOrIndex()
{
    CHECK_EQ(judge({"--genre", "classical"}).settings.genreIndex, uint16_t(5));
    CHECK_EQ(judge({"--genre", "RHYTHM & BLUES"}).settings.genreIndex, uint16_t(24));
    CHECK_EQ(judge({"--genre", "29"}).settings.genreIndex, uint16_t(29));
    const SettingsCheck unknown = judge({"--genre", "Polka"});
    CHECK_EQ(unknown.errors.size(), size_t(1));
    CHECK_EQ(unknown.errors.front().substr(0, 70),
             std::string("--genre: unknown genre \"Polka\"; use an index 1..29 or one of: Not defi"));
    CHECK(unknown.errors.front().ends_with("World Music, Blues"));
}

void datesAndYears()
{
    const SettingsCheck leap = judge({"--date", "2024-02-29"});
    CHECK(leap.errors.empty());
    CHECK(leap.settings.date && leap.settings.date->year == 2024 && leap.settings.date->month == 2
          && leap.settings.date->day == 29);
    for (const char* bad :
         {"2023-02-29", "1900-02-29", "2024-13-01", "2024-04-31", "2024-4-01", "24-04-01", "2024/04/01", "0000-01-01"})
        CHECK(judge({"--date", bad}).errors
              == std::vector<std::string>{"--date: \"" + std::string(bad)
                                          + "\" is not a real calendar date (YYYY-MM-DD)"});
    CHECK(judge({"--date", "2000-02-29"}).errors.empty());

    const SettingsCheck year = judge({"--year", "1999"});
    CHECK(year.settings.date && year.settings.date->year == 1999 && year.settings.date->month == 0);

    const SettingsCheck both = judge({"--year", "1999", "--date", "2001-05-06"});
    CHECK(both.errors.empty());
    CHECK_EQ(both.settings.date->year, uint16_t(2001));
    CHECK(both.warnings == std::vector<std::string>{"--year 1999 ignored: --date 2001-05-06 gives the disc date"});
}

void catalogueAndBarcode()
{
    CHECK_EQ(judge({"--catalog", "ABC-123 456/7890"}).settings.catalogNumber, std::string("ABC-123 456/7890"));

    CHECK_EQ(judge({"--barcode", "036000291452"}).settings.catalogNumber, std::string("036000291452"));   // UPC-A
    CHECK_EQ(judge({"--barcode", "4006381333931"}).settings.catalogNumber, std::string("4006381333931")); // EAN-13

    const SettingsCheck both = judge({"--barcode", "036000291452", "--catalog", "CAT 1"});
    CHECK(both.errors.empty());
    CHECK_EQ(both.settings.catalogNumber, std::string("CAT 1"));
    CHECK(both.warnings
          == std::vector<std::string>{
              "--barcode 036000291452 not written: the catalogue number CAT 1 from --catalog takes its place"});
}

void discNumbers()
{
    const SettingsCheck set = judge({"--disc", "2", "--disc-total", "3"});
    CHECK(set.errors.empty());
    CHECK(set.settings.discNumber == 2 && set.settings.discTotal == 3);
    CHECK_EQ(judge({"--disc", "3"}).settings.discTotal, uint16_t(3));
}

void pauseAndDstOrder()
{
    // 588 samples are exactly one frame.
    for (const auto& [samples, frames] :
         {std::pair{0, 0u}, {1, 1u}, {150, 1u}, {588, 1u}, {589, 2u}, {44100, 75u}, {200000, 341u}})
        CHECK_EQ(pauseFramesFor(samples), frames);
    CHECK_EQ(judge({}).settings.pauseFrames, 1u);
    CHECK_EQ(judge({"--pause", "0"}).settings.pauseFrames, 0u);
    CHECK_EQ(judge({"--dst-compression", "1"}).settings.dstOrder, 1);
}

void perTrackOptions()
{
    const SettingsCheck given = judge({"--track-title", "2:Allegro: ma non troppo", "--track-artist", "1:Ann", "--isrc",
                                       "1:us-ab1-20-00001", "--isrc", "2:GBXYZ0312345"});
    CHECK(given.errors.empty());
    CHECK_EQ(given.settings.trackText.at(1).title, std::string("Allegro: ma non troppo"));
    CHECK_EQ(given.settings.trackText.at(0).performer, std::string("Ann"));
    CHECK_EQ(given.settings.trackText.at(0).isrc, std::string("USAB12000001"));
    CHECK_EQ(given.settings.trackText.at(1).isrc, std::string("GBXYZ0312345"));

    const SettingsCheck bad = judge({"--track-title", "3:Too far", "--track-artist", "x:Ann", "--track-title",
                                     "1:", "--isrc", "1:US-AB1-2000001", "--isrc", "2:U1AB12000001"});
    CHECK(bad.errors
          == (std::vector<std::string>{
              "--track-title: track 3 does not exist (tracks 1..2)",
              "--track-artist: \"x:Ann\" is not N:VALUE (N = the track's position, from 1)",
              "--track-title 1: the value is empty",
              "--isrc 1: \"US-AB1-2000001\" is not an ISRC (CC-OOO-YY-DDDDD or the same 12 characters without hyphens)",
              "--isrc 2: \"U1AB12000001\" is not an ISRC (CC-OOO-YY-DDDDD or the same 12 characters without hyphens)",
          }));
}

void textsAndLaterVersionOptions()
{
    CHECK(judge({"--album", "", "--dsd-disc", "--title", ""}).errors
          == (std::vector<std::string>{"--album: the value is empty", "--title: the value is empty"}));
    CHECK_EQ(judge({"--label", "Orvi"}).settings.text.publisher, std::string("Orvi"));
    CHECK(judge({"--title", "T", "--no-playlist"}).errors
          == (std::vector<std::string>{"--title: only valid with --dsd-disc",
                                       "--no-playlist: only valid with --dsd-disc"}));
    const SettingsCheck disc = judge({"--dsd-disc", "--title", "T", "--no-playlist", "--pause", "0"});
    CHECK(disc.errors.empty() && disc.settings.dsdDisc && disc.settings.discTitle == "T" && !disc.settings.playlist);
    CHECK(disc.warnings == std::vector<std::string>{"--pause has no effect on a DSD Disc"});
    const auto dst = judge({"--dst-stereo", "--no-encode", "--dst-compression", "64"});
    CHECK(dst.errors.empty() && dst.settings.dstStereo && dst.settings.noEncode && dst.settings.dstOrder == 64
          && dst.settings.dstOrderGiven);
    CHECK(!judge({}).settings.dstOrderGiven);
}

// Values refused on their own, each with its one message.
void singleValueRefusals()
{
    const struct {
        std::vector<std::string> options;
        std::string error;
    } cases[] = {
        {{"--cue", "a.cue", "--cue-charset", "klingon"},
         "--cue-charset: \"klingon\" is not a character set name this system knows (e.g. windows-1252, GBK, "
         "Big5, Shift_JIS, EUC-KR, UTF-8)"},
        {{"--cue-charset", "EUC-KR"}, "--cue-charset: there is no --cue sheet to read with it"},
        {{"--genre", "0"}, "--genre: genre index 0 is not in 1..29"},
        {{"--year", "99"}, "--year: \"99\" is not a year (YYYY)"},
        {{"--catalog", "ABCDEFGHIJKLMNOPQ"}, "--catalog: \"ABCDEFGHIJKLMNOPQ\" is longer than 16 characters"},
        {{"--catalog", "K\xc3\xb6ln"}, "--catalog: \"K\xc3\xb6ln\" has characters outside ISO 646 (printable ASCII)"},
        {{"--barcode", "4006381333932"}, "--barcode: \"4006381333932\" has a wrong check digit (expected 1)"},
        {{"--barcode", "12345"}, "--barcode: \"12345\" is not a UPC-A (12 digits) or EAN-13 (13 digits) barcode"},
        {{"--disc", "4", "--disc-total", "3"}, "--disc: disc 4 is greater than --disc-total 3"},
        {{"--disc-total", "65536"}, "--disc-total: \"65536\" is not a whole number in 1..65535"},
        {{"--disc", "0"}, "--disc: \"0\" is not a whole number in 1..65535"},
        {{"--pause", "-1"}, "--pause: \"-1\" is not a whole number in 0..200000"},
        {{"--pause", "200001"}, "--pause: \"200001\" is not a whole number in 0..200000"},
        {{"--dst-compression", "129"}, "--dst-compression: \"129\" is not a whole number in 1..128"},
    };
    for (const auto& c : cases)
        CHECK(judge(c.options).errors == std::vector<std::string>{c.error});
}

void allValueProblemsTogether()
{
    const SettingsCheck check =
        judge({"--genre", "Polka", "--date", "2023-02-29", "--barcode", "1", "--pause", "x", "--isrc", "9:x"});
    CHECK_EQ(check.errors.size(), size_t(5));
    CHECK(has(check.errors, "--pause: \"x\" is not a whole number in 0..200000"));
    CHECK(has(check.errors, "--isrc: track 9 does not exist (tracks 1..2)"));
}

} // namespace

int main()
{
    optionsInAnyOrderAndRunnerArgumentsIgnored();
    everyUsageProblemReportedAtOnce();
    repeatedAndBlankValues();
    helpVersionAndReadingModes();
    genreByNameOrIndex();
    datesAndYears();
    catalogueAndBarcode();
    discNumbers();
    pauseAndDstOrder();
    perTrackOptions();
    textsAndLaterVersionOptions();
    singleValueRefusals();
    allValueProblemsTogether();
    return orvi::enginetest::finish("engine_option_checks");
}
