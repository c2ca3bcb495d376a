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
    int channelCount = 2;
    bool dst = false;                // DST-coded (flexible format) rather than plain 3-in-14
    uint32_t maxByteRate = 0;        // DST only: measured over the frames written
    std::vector<uint8_t> accessList; // DST only: its 32 sectors
    uint32_t toc1Lsn = 0;
    uint32_t toc2Lsn = 0;
    uint32_t tocSectors = 0;
    uint32_t trackAreaStartLsn = 0;
    uint32_t trackAreaEndLsn = 0;
    uint32_t totalFrames = 0;
    std::vector<TrackPlacement> tracks;
};

using TrackItems = std::vector<std::vector<EncodedTrackItem>>;

// Sectors of the Track_Text for the first `trackCount` tracks of an area
// (0 when none has text).
uint32_t trackTextSectors(const EncodedDiscText& text, const TrackItems& items, size_t trackCount);
// Sectors of one Area TOC for the first `trackCount` tracks; a DST area adds
// its Access_List.
uint32_t areaTocSectors(const EncodedDiscText& text, const TrackItems& items, size_t trackCount, bool dst);
// Problems with the format's text limits, naming the fields concerned.
std::vector<std::string> textLimitProblems(const EncodedDiscText& text);

// The 10 sectors of one Master TOC copy; an area whose tocSectors is 0 is absent.
std::vector<uint8_t> buildMasterToc(const DiscContent& disc, const EncodedDiscText& text, const AreaPlacement& stereo,
                                    const AreaPlacement& multichannel);
// The `area.tocSectors` sectors of an Area TOC (TOC-1 and TOC-2 alike); `tracks`
// and `items` are the area's, of which the first area.tracks.size() were written.
std::vector<uint8_t> buildAreaToc(const DiscContent& disc, const EncodedDiscText& text, const AreaPlacement& area,
                                  const std::vector<DiscTrack>& tracks, const TrackItems& items);

} // namespace orvi::engine
