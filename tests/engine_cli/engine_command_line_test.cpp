// The engine executable's command line: help, version, usage errors, refused
// values and inputs, exit codes, and that a refused run writes nothing.

#include "engine_checks.h"
#include "engine_process.h"

#include <QFile>

#include <algorithm>

using namespace orvi::enginetest;

namespace {

const std::string kUsage = "usage: OrviPackEngine [options] -o OUTPUT TRACK...  (--help lists the options)";

void helpAndVersion()
{
    const EngineRun help = runEngine({"--help"});
    CHECK_EQ(help.exitCode, 0);
    CHECK(!help.out.empty() && help.out.front() == "usage: OrviPackEngine [options] -o OUTPUT TRACK...");
    CHECK(help.outHas("  --verify               read the finished image back and compare every track"));
    CHECK(help.err.empty());

    const EngineRun version = runEngine({"--version"});
    CHECK_EQ(version.exitCode, 0);
    CHECK(version.out == std::vector<std::string>{"OrviPackEngine " ORVI_ENGINE_VERSION_TEXT});
}

void usageErrorsExitTwo()
{
    const EngineRun run = runEngine({"--bogus", "--date", "2023-02-30", "--album"});
    CHECK_EQ(run.exitCode, 2);
    CHECK(run.out.empty());
    CHECK(run.err == (std::vector<std::string>{
                         "error: unknown option: --bogus",
                         "error: option --album needs a value",
                         "error: no output image given (-o OUTPUT)",
                         "error: no input track given",
                         "error: --date: \"2023-02-30\" is not a real calendar date (YYYY-MM-DD)",
                         kUsage,
                     }));
    const EngineRun noTracks = runEngine({"-o", "x.iso", "-inproc-host"});
    CHECK_EQ(noTracks.exitCode, 2);
    CHECK(noTracks.err == (std::vector<std::string>{"error: no input track given", kUsage}));
}

void invalidValuesAndInputsTogether()
{
    ScratchDir dir;
    const std::string good = dir.path("good.dsf");
    CHECK(makeTrack(good, 1.0, 1000));
    QFile text(dir.qpath("notes.dsf"));
    CHECK(text.open(QIODevice::WriteOnly) && text.write("just some text, not audio at all") > 0);
    text.close();
    const std::string output = dir.path("disc.iso");

    const EngineRun run = runEngine({"--genre", "Polka", "--barcode", "036000291453", "--cover",
                                     QString::fromStdString(good), "--dsd-disc", "--verify", "-o", QString::fromStdString(output),
                                     QString::fromStdString(good), dir.qpath("missing.dsf"), dir.qpath("notes.dsf")});
    CHECK_EQ(run.exitCode, 1);
    CHECK(run.out.empty());
    CHECK_EQ(run.err.size(), size_t(6));
    CHECK(run.errHas("error: --barcode: \"036000291453\" has a wrong check digit (expected 2)"));
    CHECK(run.errHas("error: --verify: reads SACD images back; not available with --dsd-disc"));
    CHECK(run.errHas("error: --cover: \"" + good + "\" is not a JPEG or PNG picture"));
    int namedFiles = 0;
    for (const std::string& line : run.err)
        namedFiles += line.starts_with("error: " + dir.path("missing.dsf") + ": ")
                      || line.starts_with("error: " + dir.path("notes.dsf") + ": ");
    CHECK_EQ(namedFiles, 2);
    CHECK(!fileExists(output));
    CHECK(!fileExists(output + ".part"));
}

void coverPictureChecked()
{
    ScratchDir dir;
    const std::string track = dir.path("t.dsf");
    CHECK(makeTrack(track, 1.0, 1000));
    QFile big(dir.qpath("big.jpg"));
    CHECK(big.open(QIODevice::WriteOnly) && big.write(QByteArray(16 * 1024 * 1024 + 1, '\xff')) > 0);
    big.close();
    QFile broken(dir.qpath("broken.png"));
    CHECK(broken.open(QIODevice::WriteOnly) && broken.write("\x89PNG\r\n\x1a\n and then nothing") > 0);
    broken.close();
    for (const std::string name : {"big.jpg", "broken.png", "absent.jpg"}) {
        const EngineRun run = runEngine({"--cover", dir.qpath(name), "-o", dir.qpath("x.iso"), QString::fromStdString(track)});
        CHECK_EQ(run.exitCode, 1);
        // The picture decoder may add a warning of its own; the refusal is one error line.
        CHECK(!run.err.empty() && run.err.back().starts_with("error: --cover: \"" + dir.path(name) + "\" "));
        CHECK_EQ(std::count_if(run.err.begin(), run.err.end(),
                               [](const std::string& line) { return line.starts_with("error: "); }),
                 std::ptrdiff_t(1));
    }
    CHECK(runEngine({"--cover", dir.qpath("big.jpg"), "-o", dir.qpath("x.iso"), QString::fromStdString(track)})
              .errHas("error: --cover: \"" + dir.path("big.jpg") + "\" is larger than 16 MiB"));
    CHECK(!fileExists(dir.path("x.iso")));
}

void unwritableOutputExitsThree()
{
    ScratchDir dir;
    const std::string track = dir.path("t.dsf");
    CHECK(makeTrack(track, 1.0, 1000));
    const std::string output = dir.path("no such folder/disc.iso");
    const EngineRun run = runEngine({"-o", QString::fromStdString(output), QString::fromStdString(track)});
    CHECK_EQ(run.exitCode, 3);
    CHECK(!run.err.empty() && run.err.back().starts_with("error: ") && run.err.back().find(output) != std::string::npos);
    CHECK(!run.lastOut().starts_with("SACD ISO created"));
}

void readingToolsRefuseWhatIsNotAnImage()
{
    ScratchDir dir;
    QFile junk(dir.qpath("junk.iso"));
    CHECK(junk.open(QIODevice::WriteOnly) && junk.write(QByteArray(600 * 2048, 'x')) > 0);
    junk.close();
    const EngineRun inspect = runEngine({"--inspect", dir.qpath("junk.iso")});
    CHECK_EQ(inspect.exitCode, 1);
    CHECK(inspect.err == std::vector<std::string>{"error: " + dir.path("junk.iso")
                                                  + ": no master TOC (\"SACDMTOC\") at sector 510"});
    const EngineRun extract = runEngine({"--extract", dir.qpath("short.iso"), dir.qpath("out")});
    CHECK_EQ(extract.exitCode, 1);
    CHECK_EQ(extract.err.size(), size_t(1));
}

} // namespace

// A track whose tag carries something unusable is still packed, and the
// user hears about the part that was left out.
void inFileTagProblemsAreReported()
{
    ScratchDir dir;
    const std::string track = dir.path("tagged.dsf");
    CHECK(makeTrack(track, 1.0, 1000, {"--isrc", "BADISRC"}));
    const EngineRun run = runEngine({"-o", dir.qpath("out.iso"), QString::fromStdString(track)});
    CHECK_EQ(run.exitCode, 0);
    CHECK(run.errHas("warning: " + track + ": ID3v2 ISRC \"BADISRC\" is not a valid ISRC; ignored"));
    CHECK(fileExists(dir.path("out.iso")));
}

int main()
{
    helpAndVersion();
    usageErrorsExitTwo();
    invalidValuesAndInputsTogether();
    coverPictureChecked();
    unwritableOutputExitsThree();
    readingToolsRefuseWhatIsNotAnImage();
    inFileTagProblemsAreReported();
    return finish("engine_command_line");
}
