#pragma once

// The plan line printed before writing and the per-track and progress lines.

#include "image/disc_plan.h"
#include "model/disc_model.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::engine {

// "2 areas: stereo 12 tracks 61:20, multichannel (6 channels, DST) 12 tracks
// 61:20; estimated size 5.41 GB": each area's tracks and playing time
// (pauses included), and the image's size.
std::string planLine(const DiscContent& disc, const DiscPlan& plan);

// "2.41 GB", or "12.3 MB" below a gigabyte.
std::string sizeText(uint64_t bytes);

// "[3/12] Allegro — 03.dsf"; a track without a title shows its file name.
std::string trackLine(size_t number, size_t total, const DiscTrack& track);

// Emits "progress: NN%" each time another 5 % of the total is done.
class ProgressSteps
{
public:
    // The lines of every 5 % step reached since the last call, in order.
    std::vector<std::string> advance(uint64_t done, uint64_t total);

private:
    int m_lastStep = 0;
};

} // namespace orvi::engine
