#pragma once

// DSDIFF files with "DST " sound data for the engine's tests, built from
// disc-order DSD by the engine's own codec: FRTE, one DSTF per frame and a
// DSTI index that can be told to lie.

#include "dst/dst_codec.h"
#include "signal/dsd_file_layout.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orvi::test {

using Frames = std::vector<std::vector<uint8_t>>;

// Codes whole frames of `dsd` (the last one padded with silence).
inline Frames dstFramesOf(const std::vector<uint8_t>& dsd, int channels, int order = 8)
{
    const size_t frameBytes = engine::dst::frameDsdBytes(channels);
    Frames frames;
    for (size_t at = 0; at < dsd.size(); at += frameBytes) {
        std::vector<uint8_t> frame(frameBytes, 0x69);
        std::copy(dsd.begin() + std::ptrdiff_t(at), dsd.begin() + std::ptrdiff_t(std::min(dsd.size(), at + frameBytes)),
                  frame.begin());
        frames.push_back(engine::dst::encodeFrame(frame, channels, engine::dst::EncodeOptions{order}));
    }
    return frames;
}

struct DstIndexLie {
    size_t frame = 0;         // 0-based entry that lies
    uint32_t lengthDelta = 1; // added to its length
};

// The whole file; `frameCount` overrides FRTE's count; no index without `withIndex`.
inline std::vector<uint8_t> buildDstDsdiff(const Frames& frames, int channels, bool withIndex = true,
                                           std::optional<DstIndexLie> lie = {}, std::optional<uint32_t> frameCount = {})
{
    using namespace engine::signal;
    const std::vector<uint8_t> version = dsdiffVersionChunk();
    const std::vector<uint8_t> property = dsdiffPropertyChunk(channels, engine::kDsd64Rate, "DST ");
    const uint32_t count = frameCount.value_or(uint32_t(frames.size()));
    std::vector<uint8_t> sound =
        dsdiffChunk("FRTE", {uint8_t(count >> 24), uint8_t(count >> 16), uint8_t(count >> 8), uint8_t(count), 0, 75});
    // Frame data offsets in the file: form header (16), FVER, PROP, DST header.
    uint64_t at = 16 + version.size() + property.size() + 12 + sound.size();
    std::vector<uint8_t> index;
    for (size_t f = 0; f < frames.size(); ++f) {
        const std::vector<uint8_t> chunk = dsdiffChunk("DSTF", frames[f]);
        const uint64_t offset = at + 12;
        const uint32_t length = uint32_t(frames[f].size()) + (lie && lie->frame == f ? lie->lengthDelta : 0);
        for (int b = 7; b >= 0; --b)
            index.push_back(uint8_t(offset >> (8 * b)));
        for (int b = 3; b >= 0; --b)
            index.push_back(uint8_t(length >> (8 * b)));
        sound.insert(sound.end(), chunk.begin(), chunk.end());
        at += chunk.size();
    }
    std::vector<std::vector<uint8_t>> chunks = {version, property, dsdiffChunk("DST ", sound)};
    if (withIndex)
        chunks.push_back(dsdiffChunk("DSTI", index));
    return dsdiffForm(chunks);
}

} // namespace orvi::test
