#pragma once

// Streams the tracks of a DST-coded area into its Track Area: each track's
// audio coded frame by frame on worker threads (or stored as uncompressed
// DST frames), pauses and padding as coded silence, and the frames of DST
// input carried over as they are unless the user chose a prediction order.

#include "image/area_run.h"
#include "image/image_file.h"
#include "image/toc_builder.h"
#include "model/disc_model.h"

#include <string>
#include <vector>

namespace orvi::engine {

struct DstAreaOptions {
    int maxOrder = 128;
    bool plainFrames = false; // uncompressed DST frames
    bool carryOver = false;   // DST input frames go in as they are
};

// Writes the Track Area at the file's end (area.trackAreaStartLsn) and fills
// `area`'s tracks, end, frames, byte rate and Access_List. Returns false when
// writing failed; an input fault sets `inputError` and ends the area early.
bool writeDstTrackArea(ImageFile& file, std::vector<DiscTrack>& tracks, uint64_t plannedFrames,
                       const DstAreaOptions& options, AreaPlacement& area, AreaRun& run, std::string& inputError);

} // namespace orvi::engine
