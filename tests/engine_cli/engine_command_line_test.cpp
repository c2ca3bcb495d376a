// The engine executable's command line: help, version, usage errors, refused
// values and inputs, exit codes, and that a refused run writes nothing.

#include "engine_checks.h"
#include "engine_process.h"

#include <QBuffer>
#include <QImage>

#include <cstdio>
#include <filesystem>

using namespace orvi::enginetest;

namespace {

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
    return finish("engine_command_line");
}
