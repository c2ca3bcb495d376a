#pragma once

// Everything about a disc that is known before a byte is written: its text
// in the chosen character set, the Area TOC size, the frames of each track and
// the image size. Planning is also the validation of the disc.

#include "image/disc_text.h"
#include "model/disc_model.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::engine {

struct AreaPlan {
    uint32_t tocSectors = 0; // for all tracks (0: no such area); a stopped disc keeps it
    bool dst = false;
    int channelCount = 0;
    std::vector<uint64_t> trackFrames; // audio frames per track, at least 1 s
    uint64_t totalFrames = 0;          // including the pauses
};

struct DiscPlan {
    EncodedDiscText text;
    AreaPlan stereo;
    AreaPlan multichannel;
    uint64_t imageBytes = 0;
};

// Frames a track of `samplesPerChannel` takes before the 1-second minimum.
uint64_t framesForSamples(uint64_t samplesPerChannel);

// An image over a dual-layer disc (8.5 GB) is an error, over a single layer
// (4.7 GB) a warning.
void checkCapacity(uint64_t imageBytes, std::vector<std::string>& errors, std::vector<std::string>& warnings);

DiscPlan planDisc(const DiscContent& disc, std::vector<std::string>& errors, std::vector<std::string>& warnings);

} // namespace orvi::engine
