// Inputs the engine must refuse, and exactly what it says about them; DSDIFF
// with DST frames read back decoded or frame by frame, and refused, naming
// the file and the frame, when it is cut, its index lies or a frame does not
// decode.

#include "dst_dsdiff.h"
#include "plain_checks.h"
#include "test_files.h"

#include "input/byte_fields.h"
#include "input/track_formats.h"
#include "input/track_reader.h"
#include "signal/dsd_file_layout.h"
#include "signal/test_signal.h"

#include <algorithm>

using namespace orvi::engine;
using namespace orvi::engine::signal;
using orvi::test::joined;
using orvi::test::TestFolder;

namespace {

const std::vector<uint8_t> kAudio(2 * 8192, 0x69); // two DSF block groups of stereo

void dsfRefusals(const TestFolder& folder)
{
    // Every problem at once, not one per try (the engine's round trip refuses a DSD128 and a mono file).
    checkRefused(folder, "four-dsd128.dsf", buildDsf(std::vector<uint8_t>(4 * 100, 0x69), 4, 2 * kDsd64Rate),
                 "<path>: sample rate 5644800 Hz: only DSD64 (2822400 Hz) fits on an SACD\n"
                 "<path>: 4 channels: an SACD takes stereo (2-channel) or multichannel (5- or 6-channel) tracks");

    std::vector<uint8_t> cut = buildDsf(kAudio, 2, kDsd64Rate);
    cut.resize(92 + 1000);
    checkRefused(folder, "cut.dsf", cut, "<path>: truncated: data chunk says 16384 bytes, file has 1000 bytes");
    checkRefused(folder, "stub.dsf", std::vector<uint8_t>(cut.begin(), cut.begin() + 50),
                 "<path>: truncated: a DSF header needs 92 bytes, file has 50 bytes");

    std::vector<uint8_t> group(8192, 0);
    DsfHeaderFields tooManySamples = dsfHeaderFor(2, kDsd64Rate, 3 * 4096 * 8, group.size(), 0);
    checkRefused(folder, "samples.dsf", buildDsf(tooManySamples, group),
                 "<path>: damaged header: 98304 samples on 2 channels need 24576 bytes of data, the data chunk "
                 "holds 8192 bytes");
    DsfHeaderFields absurd = dsfHeaderFor(2, kDsd64Rate, uint64_t(1) << 62, group.size(), 0);
    checkRefused(folder, "absurd.dsf", buildDsf(absurd, group),
                 "<path>: damaged header: 4611686018427387904 samples on 2 channels do not fit in a data chunk of "
                 "8192 bytes");
    DsfHeaderFields bigFile = dsfHeaderFor(2, kDsd64Rate, 4096 * 8, group.size(), 0);
    bigFile.fileSize = 999999;
    checkRefused(folder, "filesize.dsf", buildDsf(bigFile, group),
                 "<path>: truncated: header says the file has 999999 bytes, it has 8284 bytes");
    DsfHeaderFields pointer = dsfHeaderFor(2, kDsd64Rate, 4096 * 8, group.size(), 10);
    pointer.metadataPointer = 100;
    checkRefused(folder, "pointer.dsf", buildDsf(pointer, group, std::vector<uint8_t>(10, 0)),
                 "<path>: damaged header: metadata pointer 100 lies outside the tag area (bytes 8284..8294)");

    std::vector<uint8_t> badFmt = buildDsf(group, 2, kDsd64Rate);
    badFmt[30] = 'x';
    checkRefused(folder, "fmt.dsf", badFmt, "<path>: damaged header: expected 'fmt ' chunk at byte 28, found 'fmx '");
    DsfHeaderFields version = dsfHeaderFor(2, kDsd64Rate, 4096 * 8, group.size(), 0);
    version.version = 2;
    checkRefused(folder, "version.dsf", buildDsf(version, group),
                 "<path>: DSF version 2 is not supported (version 1 expected)");
    DsfHeaderFields bytesPerSample = dsfHeaderFor(2, kDsd64Rate, 4096 * 8, group.size(), 0);
    bytesPerSample.bitsPerSample = 8;
    checkRefused(folder, "bits.dsf", buildDsf(bytesPerSample, group),
                 "<path>: 8 bits per sample is not supported (1 expected)");
    for (const auto& [type, expected] : {std::pair{9u,
                                                   "<path>: channel type 9 is not defined (1..7), so its "
                                                   "channels cannot be placed"},
                                         {7u,
                                          "<path>: damaged header: channel type 7 has 6 channels, the header "
                                          "says 2"}}) {
        DsfHeaderFields fields = dsfHeaderFor(2, kDsd64Rate, 4096 * 8, group.size(), 0);
        fields.channelType = type;
        checkRefused(folder, "type.dsf", buildDsf(fields, group), expected);
    }
}

// The file's channel IDs, rewritten in place.
std::vector<uint8_t> withChannelIds(std::vector<uint8_t> file, const char* left, const char* right)
{
    const auto at = std::search(file.begin(), file.end(), "SLFTSRGT", "SLFTSRGT" + 8);
    if (CHECK(at != file.end())) {
        std::copy_n(left, 4, at);
        std::copy_n(right, 4, at + 4);
    }
    return file;
}

// Channels go onto the disc by their IDs, not their place in the file.
void dsdiffChannelsByTheirIds(const TestFolder& folder)
{
    std::vector<uint8_t> audio;
    for (int i = 0; i < 3000; ++i)
        audio.insert(audio.end(), {0x11, 0x22});
    const std::string path =
        folder.write("swapped.dff", withChannelIds(buildDsdiff(audio, 2, kDsd64Rate), "SRGT", "SLFT"));
    OpenedTrack track = openTrack(path);
    if (CHECK(track.source)) {
        std::string error;
        const std::vector<uint8_t> read = orvi::test::readAll(*track.source, 1001 * 2, error);
        CHECK_EQ(read.size(), audio.size());
        CHECK(std::all_of(read.begin(), read.end(),
                          [&, i = size_t(0)](uint8_t b) mutable { return b == (i++ % 2 ? 0x11 : 0x22); }));
    }
    checkRefused(folder, "unplaced.dff", withChannelIds(buildDsdiff(audio, 2, kDsd64Rate), "SLFT", "C001"),
                 "<path>: channel 'C001' cannot be placed on the disc with 2 channels (unknown or not in this "
                 "layout); the channel list is 'SLFT', 'C001'");
    checkRefused(folder, "twice.dff", withChannelIds(buildDsdiff(audio, 2, kDsd64Rate), "SLFT", "MLFT"),
                 "<path>: channel 'MLFT' cannot be placed on the disc with 2 channels (named twice); the channel "
                 "list is 'SLFT', 'MLFT'");
}

std::vector<uint8_t> dsdiffWith(const std::vector<uint8_t>& property, const std::vector<uint8_t>& sound)
{
    return dsdiffForm({dsdiffVersionChunk(), property, sound});
}

void dsdiffRefusals(const TestFolder& folder)
{
    std::vector<uint8_t> cut = buildDsdiff(std::vector<uint8_t>(8192, 0x69), 2, kDsd64Rate);
    cut.resize(cut.size() - 1000);
    checkRefused(folder, "cut.dff", cut, "<path>: truncated: 'DSD ' chunk says 8192 bytes, file has 7192 bytes");

    // FS claims more than its PROP chunk holds; the file itself is long enough.
    std::vector<uint8_t> lyingProperty{'S', 'N', 'D', ' '};
    for (const auto& piece : {dsdiffChunkHeader("FS  ", 100), std::vector<uint8_t>{0, 0x2b, 0x11, 0}})
        lyingProperty.insert(lyingProperty.end(), piece.begin(), piece.end());
    checkRefused(folder, "lying.dff",
                 dsdiffWith(dsdiffChunk("PROP", lyingProperty), dsdiffChunk("DSD ", std::vector<uint8_t>(400))),
                 "<path>: damaged: 'FS  ' chunk at byte 48 says 100 bytes, but its 'PROP' chunk has only 4 bytes "
                 "left");

    std::vector<uint8_t> longForm = buildDsdiff(std::vector<uint8_t>(100, 0x69), 2, kDsd64Rate);
    storeBigEndian(longForm.data() + 4, longForm.size(), 8);
    checkRefused(folder, "form.dff", longForm,
                 "<path>: truncated: 'FRM8' chunk says " + std::to_string(longForm.size()) + " bytes, file has "
                     + std::to_string(longForm.size() - 12) + " bytes");

    checkRefused(folder, "rate.dff", buildDsdiff(std::vector<uint8_t>(500, 0x69), 2, 44100),
                 "<path>: sample rate 44100 Hz: only DSD64 (2822400 Hz) fits on an SACD");
    checkRefused(folder, "odd.dff",
                 dsdiffWith(dsdiffPropertyChunk(2, kDsd64Rate), dsdiffChunk("DSD ", std::vector<uint8_t>(8191))),
                 "<path>: damaged: 'DSD ' chunk of 8191 bytes does not divide into 2 channels");
    checkRefused(folder, "nosound.dff", dsdiffForm({dsdiffVersionChunk(), dsdiffPropertyChunk(2, kDsd64Rate)}),
                 "<path>: damaged: no 'DSD ' sound data chunk");
    checkRefused(folder, "noprop.dff", dsdiffForm({dsdiffVersionChunk(), dsdiffChunk("DSD ", {0, 0})}),
                 "<path>: damaged header: no 'PROP' chunk");
    checkRefused(folder, "version.dff",
                 dsdiffForm({dsdiffChunk("FVER", {2, 0, 0, 0}), dsdiffPropertyChunk(2, kDsd64Rate),
                             dsdiffChunk("DSD ", {0, 0})}),
                 "<path>: DSDIFF version 2.0.0.0 is not supported (1.x expected)");
    std::vector<uint8_t> aiff = buildDsdiff({0, 0}, 2, kDsd64Rate);
    std::copy_n("AIFF", 4, aiff.begin() + 12);
    checkRefused(folder, "aiff.dff", aiff, "<path>: not a DSD file: DSDIFF form type 'AIFF', expected 'DSD '");
}

void otherFiles(const TestFolder& folder)
{
    checkRefused(folder, "song.dsf", {'R', 'I', 'F', 'F', 0x24, 0, 0, 0, 'W', 'A', 'V', 'E'},
                 "<path>: not a DSD file: it starts with 'RIFF', not a DSF ('DSD ') or DSDIFF ('FRM8') header");
    checkRefused(folder, "empty.dff", {}, "<path>: not a DSD file: only 0 bytes");
    const std::string missing = folder.path("missing.dsf");
    const OpenedTrack track = openTrack(missing);
    CHECK_EQ(track.errors.size(), size_t(1));
    CHECK(!track.errors.empty() && track.errors[0].rfind(missing + ": cannot open: ", 0) == 0);
}

// A file that shrinks after it was opened fails the read, naming the file.
void shrinkingFile(const TestFolder& folder)
{
    const std::string path = folder.write("shrinks.dsf", buildDsf(kAudio, 2, kDsd64Rate));
    OpenedTrack track = openTrack(path);
    if (!CHECK(track.source))
        return;
    QFile::resize(QString::fromStdString(path), 1000);
    std::vector<uint8_t> buffer(65536);
    std::string error;
    CHECK_EQ(track.source->read(buffer.data(), buffer.size(), error), int64_t(-1));
    CHECK_EQ(error, path + ": read failed at byte 1000: file ended early");
}

// DSDIFF with DST frames, indexed or not: decoded to the frames' DSD, or
// handed over frame by frame exactly as stored.
void dstInputDecodesAndHandsFramesOver(const TestFolder& folder)
{
    SignalParameters spec;
    spec.channels = 5;
    spec.bytesPerChannel = 3 * kBytesPerChannelFrame - 100;
    std::vector<uint8_t> dsd = SignalGenerator(spec).generateAll();
    const orvi::test::Frames frames = orvi::test::dstFramesOf(dsd, 5);
    dsd.resize(3 * 5 * kBytesPerChannelFrame, 0x69);
    for (const bool indexed : {true, false}) {
        const std::string path =
            folder.write(indexed ? "indexed.dff" : "plain-list.dff", orvi::test::buildDstDsdiff(frames, 5, indexed));
        OpenedTrack track = openTrack(path), again = openTrack(path);
        if (!CHECK(track.source && again.source))
            continue;
        std::string error;
        CHECK(orvi::test::readAll(*track.source, 7000, error) == dsd && error.empty());
        CHECK(track.channels == 5 && track.sampleCount == 3 * kBytesPerChannelFrame * 8);
        std::vector<uint8_t> frame;
        orvi::test::Frames handedOver;
        while (again.source->readDstFrame(frame, error))
            handedOver.push_back(frame);
        CHECK(again.source->holdsDstFrames() && handedOver == frames && error.empty());
    }
}

// DST input that ends early, lies in its index or carries a frame that does
// not decode: refused naming the file and the frame.
void dstRefusals(const TestFolder& folder)
{
    // Noise: no coder shrinks it, so every frame is far longer than the cut.
    std::vector<uint8_t> dsd(3 * 2 * kBytesPerChannelFrame);
    uint32_t state = 12345;
    for (uint8_t& byte : dsd)
        byte = uint8_t((state = state * 1103515245u + 12345u) >> 24);
    const orvi::test::Frames frames = orvi::test::dstFramesOf(dsd, 2);
    const std::vector<uint8_t> whole = orvi::test::buildDstDsdiff(frames, 2, false);
    const std::string frame3 = bytesText(frames[2].size());
    checkRefused(folder, "cut.dff", std::vector<uint8_t>(whole.begin(), whole.end() - 100),
                 "<path>: truncated: DST frame 3: 'DSTF' chunk says " + frame3 + ", only "
                     + bytesText(frames[2].size() - 100 + (frames[2].size() & 1)) + " follow");
    checkRefused(folder, "count.dff", orvi::test::buildDstDsdiff(frames, 2, false, {}, 4),
                 "<path>: truncated: 'FRTE' says 4 DST frames, the file has 3");
    checkRefused(folder, "short-index.dff", orvi::test::buildDstDsdiff(frames, 2, true, {}, 4),
                 "<path>: damaged: the 'DSTI' index has 36 bytes, 4 frames need 48 bytes");
    const uint64_t frame2At = 16 + dsdiffVersionChunk().size() + dsdiffPropertyChunk(2, kDsd64Rate, "DST ").size() + 12
        + 18 + 12 + frames[0].size() + (frames[0].size() & 1) + 12;
    checkRefused(folder, "lying-index.dff", orvi::test::buildDstDsdiff(frames, 2, true, orvi::test::DstIndexLie{1, 5}),
                 "<path>: damaged: the 'DSTI' index puts DST frame 2 at byte " + std::to_string(frame2At) + " with "
                     + bytesText(frames[1].size() + 5) + ", the file has it at byte " + std::to_string(frame2At)
                     + " with " + bytesText(frames[1].size()));

    // An uncompressed frame 10 bytes short opens (frames are decoded as
    // they are read) and fails when its turn comes.
    orvi::test::Frames damaged = frames;
    damaged[1] = dst::plainFrame(std::vector<uint8_t>(dsd.begin(), dsd.begin() + 2 * kBytesPerChannelFrame - 10));
    const std::string path = folder.write("undecodable.dff", orvi::test::buildDstDsdiff(damaged, 2));
    OpenedTrack track = openTrack(path);
    std::string error;
    if (CHECK(track.source)) {
        CHECK_EQ(orvi::test::readAll(*track.source, 4096, error).size(), size_t(2 * kBytesPerChannelFrame));
        CHECK(error.starts_with(path + ": DST frame 2 does not decode: "));
    }
}

} // namespace

int main()
{
    TestFolder folder;
    dsfRefusals(folder);
    dsdiffRefusals(folder);
    dsdiffChannelsByTheirIds(folder);
    otherFiles(folder);
    shrinkingFile(folder);
    dstInputDecodesAndHandsFramesOver(folder);
    dstRefusals(folder);
    return orvi::test::finish("engine_input_refusals");
}
