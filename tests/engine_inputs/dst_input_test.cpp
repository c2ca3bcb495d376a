// DSDIFF input with DST frames: read back decoded or frame by frame, and
// refused, naming the file and the frame, when it is cut, its index lies or
// a frame does not decode.

#include "dst_dsdiff.h"
#include "plain_checks.h"
#include "test_files.h"

#include "input/track_formats.h"
#include "input/track_reader.h"
#include "signal/dsd_file_layout.h"
#include "signal/test_signal.h"

using namespace orvi::engine;
using namespace orvi::engine::signal;
using namespace orvi::test;

namespace {

// DSDIFF with DST frames, indexed or not: decoded to the frames' DSD, or
// handed over frame by frame exactly as stored.
void dstInputDecodesAndHandsFramesOver(const TestFolder& folder)
{
    SignalParameters spec;
    spec.channels = 5;
    spec.bytesPerChannel = 3 * kBytesPerChannelFrame - 100;
    std::vector<uint8_t> dsd = SignalGenerator(spec).generateAll();
    const Frames frames = dstFramesOf(dsd, 5);
    dsd.resize(3 * 5 * kBytesPerChannelFrame, 0x69);
    for (const bool indexed : {true, false}) {
        const std::string path =
            folder.write(indexed ? "indexed.dff" : "plain-list.dff", buildDstDsdiff(frames, 5, indexed));
        OpenedTrack track = openTrack(path), again = openTrack(path);
        if (!CHECK(track.source && again.source))
            continue;
        std::string error;
        CHECK(readAll(*track.source, 7000, error) == dsd && error.empty());
        CHECK(track.channels == 5 && track.sampleCount == 3 * kBytesPerChannelFrame * 8);
        std::vector<uint8_t> frame;
        Frames handedOver;
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
    const Frames frames = dstFramesOf(dsd, 2);
    const std::vector<uint8_t> whole = buildDstDsdiff(frames, 2, false);
    const std::string frame3 = bytesText(frames[2].size());
    checkRefused(folder, "cut.dff", std::vector<uint8_t>(whole.begin(), whole.end() - 100),
                 "<path>: truncated: DST frame 3: 'DSTF' chunk says " + frame3 + ", only "
                     + bytesText(frames[2].size() - 100 + (frames[2].size() & 1)) + " follow");
    checkRefused(folder, "count.dff", buildDstDsdiff(frames, 2, false, {}, 4),
                 "<path>: truncated: 'FRTE' says 4 DST frames, the file has 3");
    checkRefused(folder, "short-index.dff", buildDstDsdiff(frames, 2, true, {}, 4),
                 "<path>: damaged: the 'DSTI' index has 36 bytes, 4 frames need 48 bytes");
    const uint64_t frame2At = 16 + dsdiffVersionChunk().size() + dsdiffPropertyChunk(2, kDsd64Rate, "DST ").size() + 12
        + 18 + 12 + frames[0].size() + (frames[0].size() & 1) + 12;
    checkRefused(folder, "lying-index.dff", buildDstDsdiff(frames, 2, true, DstIndexLie{1, 5}),
                 "<path>: damaged: the 'DSTI' index puts DST frame 2 at byte " + std::to_string(frame2At) + " with "
                     + bytesText(frames[1].size() + 5) + ", the file has it at byte " + std::to_string(frame2At)
                     + " with " + bytesText(frames[1].size()));

    // An uncompressed frame 10 bytes short opens (frames are decoded as
    // they are read) and fails when its turn comes.
    Frames damaged = frames;
    damaged[1] = dst::plainFrame(std::vector<uint8_t>(dsd.begin(), dsd.begin() + 2 * kBytesPerChannelFrame - 10));
    const std::string path = folder.write("undecodable.dff", buildDstDsdiff(damaged, 2));
    OpenedTrack track = openTrack(path);
    std::string error;
    if (CHECK(track.source)) {
        CHECK_EQ(readAll(*track.source, 4096, error).size(), size_t(2 * kBytesPerChannelFrame));
        CHECK(error.starts_with(path + ": DST frame 2 does not decode: "));
    }
}

} // namespace

int main()
{
    TestFolder folder;
    dstInputDecodesAndHandsFramesOver(folder);
    dstRefusals(folder);
    return finish("engine_dst_input");
}
