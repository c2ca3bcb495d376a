#pragma once

// Which text goes on the disc: the command line first, then the CUE sheet,
// then what the track files carry themselves.

#include "cli/pack_settings.h"
#include "input/track_reader.h"
#include "model/disc_model.h"

#include <string>
#include <vector>

namespace orvi::engine {

// Builds the disc from the checked settings, the CUE sheet (null when none)
// and the opened tracks, whose sources move into the disc. Text that cannot
// be used (an in-file ISRC or genre the disc cannot hold) is left out with a
// line in `warnings`.
DiscContent buildDiscContent(const cli::PackSettings& settings, const CueSheet* cue, std::vector<OpenedTrack>& tracks,
                             std::vector<std::string>& warnings);

} // namespace orvi::engine
