// Discs with DST-coded areas: stereo and multichannel tracks together, a DST
// stereo area, uncompressed multichannel frames and DST input. Each is
// packed with --verify, then --inspect must show the DST structures and
// --extract must give back every input bit. The window packs such an album
// unattended too.

#include "dst_dsdiff.h"
#include "engine_checks.h"
#include "engine_process.h"
#include "round_trip_support.h"

#include "reader/image_verify.h"
#include "reader/sacd_image.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

using namespace orvi::enginetest;

namespace {

ScratchDir dir;

struct AreaCase {
    const char* name;
    QStringList options;
    std::vector<std::string> inputs; // file names in the scratch folder, in command-line order
    std::string planStart;
    std::vector<std::string> inspectLines; // line starts
    bool carried = false;                  // DST frames of the input are stored as they are
};

void packCheckAndExtract(const AreaCase& c)
{
    std::fprintf(stderr, "case %s\n", c.name);
    const std::string image = dir.path(std::string(c.name) + ".iso");
    QStringList arguments = c.options + QStringList{"--verify", "-o", QString::fromStdString(image)};
    for (const std::string& input : c.inputs)
        arguments << dir.qpath(input);
    const EngineRun pack = runEngine(arguments);
    CHECK_EQ(pack.exitCode, 0);
    CHECK(!pack.out.empty() && pack.out.front().starts_with(c.planStart));
    CHECK(pack.outHas("verified: every track matches its input"));
    CHECK_EQ(pack.outHas(dir.path(c.inputs[0])
                         + ": DST frames carried over as they are (give --dst-compression to code them again)"),
             c.carried);
    CHECK(pack.lastOut().starts_with("SACD ISO created: "));

    const EngineRun inspect = runEngine({"--inspect", QString::fromStdString(image)});
    CHECK_EQ(inspect.exitCode, 0);
    for (const std::string& start : c.inspectLines)
        if (!CHECK(std::any_of(inspect.out.begin(), inspect.out.end(),
                               [&](const std::string& line) { return line.starts_with(start); })))
            std::fprintf(stderr, "  no line \"%s\"\n", start.c_str());

    // Extracted: stereo tracks ("01 ...") sort before multichannel ones ("MC01 ...").
    const QDir folder(dir.qpath(std::string(c.name) + "-tracks"));
    CHECK_EQ(runEngine({"--extract", QString::fromStdString(image), folder.path()}).exitCode, 0);
    const QStringList files = folder.entryList({"*.dsf"}, QDir::Files, QDir::Name);
    std::vector<std::string> inputs = c.inputs;
    std::stable_partition(inputs.begin(), inputs.end(), [&](const std::string& input) {
        return orvi::engine::openTrack(dir.path(input)).channels == 2;
    });
    if (!CHECK_EQ(size_t(files.size()), inputs.size()))
        return;
    for (size_t t = 0; t < inputs.size(); ++t)
        if (!CHECK(holdsInputThenSilence(dsdData(folder.filePath(files[qsizetype(t)]).toStdString()),
                                         dsdData(dir.path(inputs[t])))))
            std::fprintf(stderr, "  %s\n", qPrintable(files[qsizetype(t)]));
}

// The window, unattended, packs a mixed album end to end.
void windowPacksMixedAlbum()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QStringList tracks{dir.qpath("stereo.dsf"), dir.qpath("six.dsf"), dir.qpath("six.dff")};
    for (const auto& [name, value] : {std::pair{"QT_QPA_PLATFORM", QString("offscreen")},
                                      {"ORVI_NO_UPDATE_CHECK", "1"},
                                      {"ORVI_SETTINGS_DIR", dir.qpath("settings")},
                                      {"ORVI_PACK_GUI_AUTORUN", (tracks + QStringList{dir.qpath("window")}).join('|')},
                                      {"ORVI_PACK_GUI_AUTOCLOSE", "1"},
                                      {"ORVI_PACK_GUI_NOCONFIRM", "1"},
                                      {"ORVI_PACK_GUI_LOG", dir.qpath("window.log")}})
        env.insert(name, value);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QFileInfo(enginePath()).dir().filePath("OrviLathe"), {});
    CHECK(program.waitForFinished(120000) && program.exitCode() == 0);
    QFile log(dir.qpath("window.log"));
    CHECK(log.open(QIODevice::ReadOnly) && log.readAll().contains("SACD ISO created: " + dir.path("window.iso")));
    CHECK(orvi::engine::reader::verifyImage(dir.path("window.iso"), {dir.path("stereo.dsf")},
                                            {dir.path("six.dsf"), dir.path("six.dff")})
              .empty());
}

} // namespace

int main()
{
    CHECK(makeTrack(dir.path("stereo.dsf"), 1.2, 1000));
    CHECK(makeTrack(dir.path("stereo2.dff"), 0.6, 700, {"--format", "dff"}));
    CHECK(makeTrack(dir.path("six.dsf"), 1.0, 300, {"--channels", "6", "--noise", "-30"}));
    CHECK(makeTrack(dir.path("six.dff"), 1.3, 2000, {"--channels", "6", "--format", "dff"}));
    CHECK(makeTrack(dir.path("five.dsf"), 1.1, 440, {"--channels", "5"}));
    const orvi::test::Frames sixFrames = orvi::test::dstFramesOf(dsdData(dir.path("six.dff")), 6);
    const auto bytes = [](const std::vector<uint8_t>& file) {
        return QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
    };
    CHECK(writeFile(dir.path("six-dst.dff"), bytes(orvi::test::buildDstDsdiff(sixFrames, 6))));
    CHECK(writeFile(
        dir.path("stereo-dst.dff"),
        bytes(orvi::test::buildDstDsdiff(orvi::test::dstFramesOf(dsdData(dir.path("stereo.dsf")), 2), 2, false))));

    const std::string dstArea = "  channels: 6, loudspeaker config 4, frame format 0 (DST), fs code 4";
    const AreaCase cases[] = {
        {"mixed",
         {},
         {"stereo.dsf", "six.dsf", "stereo2.dff", "six.dff"},
         "2 areas: stereo 2 tracks 0:02, multichannel (6 channels, DST) 2 tracks 0:02; estimated size ",
         {"area TWOCHTOC: TOC at sector 544, version 1.20, 5 sectors, second copy identical",
          "  channels: 2, loudspeaker config 0, frame format 2 (plain DSD, 3 frames in 14 sectors)",
          "area MULCHTOC: TOC at sector ", dstArea, "  track text at TOC sector 0, index list at 0, access list at 5,",
          "  access list: 18 entries, every 10 frames", "    entry 17: sector ",
          "  DST frames: 174, bytes per frame "}},
        {"dst-stereo",
         {"--dst-stereo", "--dst-compression", "16"},
         {"five.dsf", "stereo.dsf"},
         "2 areas: stereo (DST) 1 track 0:01, multichannel (5 channels, DST) 1 track 0:01; estimated size ",
         {"  channels: 2, loudspeaker config 0, frame format 0 (DST), fs code 4",
          "  channels: 5, loudspeaker config 3, frame format 0 (DST), fs code 4", "  DST frames: 90, bytes per frame ",
          "  DST frames: 83, bytes per frame "}},
        {"uncompressed",
         {"--no-encode"},
         {"six.dff"},
         "1 area: multichannel (6 channels, DST) 1 track 0:01",
         {"area MULCHTOC: TOC at sector 544, version 1.20, 37 sectors, second copy identical",
          "  DST frames: 98, bytes per frame 28225 min, 28225 mean, 28225 max; 98 uncompressed; ratio 1.000"}},
        {"carried", {}, {"six-dst.dff"}, "1 area: multichannel (6 channels, DST) 1 track 0:01", {dstArea}, true},
        {"coded-again",
         {"--dst-compression", "32"},
         {"six-dst.dff", "stereo-dst.dff"},
         "2 areas: stereo 1 track 0:01, multichannel (6 channels, DST) 1 track 0:01",
         {dstArea}},
    };
    for (const AreaCase& c : cases)
        packCheckAndExtract(c);

    // DST frames carried into the multichannel area are stored as they were.
    orvi::engine::reader::SacdImage disc;
    std::string error;
    orvi::test::Frames stored;
    CHECK(disc.open(dir.path("carried.iso"), error) && disc.multichannelArea()
          && disc.readStoredFrames(
              *disc.multichannelArea(),
              [&](const uint8_t* frame, size_t bytes) { stored.emplace_back(frame, frame + bytes); }, error));
    CHECK(stored == sixFrames);

    windowPacksMixedAlbum();

    // Uncompressed six-channel frames break the area's byte-rate limit.
    const EngineRun uncompressed = runEngine({"--no-encode", "-o", dir.qpath("rate.iso"), dir.qpath("six.dsf")});
    CHECK(std::any_of(uncompressed.err.begin(), uncompressed.err.end(), [](const std::string& line) {
        return line.starts_with("warning: the multichannel area peaks at ")
            && line.ends_with(" bytes/s, above the format's limit of 1873920 bytes/s (uncompressed frames, "
                              "--no-encode): players may refuse the area");
    }));
    return finish("engine_areas");
}
