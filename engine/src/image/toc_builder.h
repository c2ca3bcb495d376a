#pragma once

// Builds the Master TOC and the stereo Area TOC sectors from the disc's
// description and where its tracks ended up.

#include "image/disc_text.h"
#include "model/disc_model.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::engine {

struct TrackPlacement {
    uint32_t startLsn = 0;
    uint32_t lengthSectors = 0;
    uint32_t startFrame = 0; // time code of its first frame (after its pause)
    uint32_t frames = 0;
};

struct AreaPlacement {
    uint32_t toc1Lsn = 0;
    uint32_t toc2Lsn = 0;
    uint32_t tocSectors = 0;
    uint32_t trackAreaStartLsn = 0;
    uint32_t trackAreaEndLsn = 0;
    uint32_t totalFrames = 0;
    std::vector<TrackPlacement> tracks;
};

// Sectors of the Track_Text for the first `trackCount` tracks (0 when none
// has text).
uint32_t trackTextSectors(const EncodedDiscText& text, size_t trackCount);
// Sectors of one stereo Area TOC for the first `trackCount` tracks.
uint32_t stereoAreaTocSectors(const EncodedDiscText& text, size_t trackCount);
// Problems with the format's text limits, naming the fields concerned.
std::vector<std::string> textLimitProblems(const EncodedDiscText& text);

// The 10 sectors of one Master TOC copy.
std::vector<uint8_t> buildMasterToc(const DiscSpec& disc, const EncodedDiscText& text, const AreaPlacement& stereo);
// The `stereo.tocSectors` sectors of the stereo Area TOC (TOC-1 and TOC-2 alike).
std::vector<uint8_t> buildStereoAreaToc(const DiscSpec& disc, const EncodedDiscText& text, const AreaPlacement& stereo);

} // namespace orvi::engine
