#pragma once

// The "DST " sound data of a DSDIFF file: an FRTE chunk (frame count and
// rate), then one DSTF chunk per 1/75-s frame (each optionally followed by a
// DSTC checksum), and optionally a top-level DSTI index of the frames.

#include "input/input_file.h"
#include "model/disc_model.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvi::engine {

struct DstSoundChunks {
    uint64_t soundOffset = 0; // data of the "DST " chunk
    uint64_t soundSize = 0;
    std::optional<uint64_t> indexOffset; // data of the "DSTI" chunk, when there is one
    uint64_t indexSize = 0;
};

// Walks every frame (and the index against them) without decoding; on a
// fault appends "<path>: <problem>" lines to `errors` and returns null.
// Otherwise returns a source that decodes the frames as they are read and
// puts the channels in disc order (`order`: file channel -> disc position),
// or, when they are in disc order already, also hands the frames over as
// stored; `frameCount` is their number.
std::unique_ptr<DsdSource> openDstSound(std::unique_ptr<InputFile> file, std::vector<uint8_t> order,
                                        const DstSoundChunks& chunks, uint64_t& frameCount,
                                        std::vector<std::string>& errors);

// What is wrong with a "DST " sound chunk of which only `available` bytes
// are in the file, naming the frame that was cut.
std::string dstTruncationProblem(InputFile& file, uint64_t soundOffset, uint64_t available);

} // namespace orvi::engine
