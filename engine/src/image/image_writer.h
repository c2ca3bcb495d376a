#pragma once

// Writes the Scarlet Book disc image: three master TOCs (510, 520, 530), the
// stereo area at 544 and the multichannel area after it (or at 544 when it
// is the only one), each Area TOC-1, Track Area, Area TOC-2; the stereo Track
// Area in the 3-frames-in-14-sectors plain DSD format or DST-coded, the
// multichannel one DST-coded. Then the cover picture, and a UDF 1.02 + ISO
// 9660 bridge that shows the disc's structures, tracks and cover as files
// when the image is mounted. The audio is streamed (DST frames coded on
// worker threads): memory stays small whatever the album length.

#include "image/disc_plan.h"
#include "model/disc_model.h"

#include <string>
#include <vector>

namespace orvi::engine {

// Checks everything that can be checked before writing: every text
// representable in one disc character set, length limits, track count
// 1..255, channel counts, capacity (over 4.7 GB a warning, over 8.5 GB
// refused), catalogue number (ISO 646, at most 16 characters) and ISRC form.
// Returns one line per problem naming the field ("--album: ...",
// "track 3 title: ..."); warnings are appended to `warnings`. Lines carry no
// "error: "/"warning: " prefix: the caller adds it when printing.
std::vector<std::string> validateDisc(const DiscContent& disc, std::vector<std::string>& warnings);

// Writes the image to a temporary file of its own beside outputPath, flushes it
// and renames it over outputPath only when complete; a failed run removes it
// and leaves
// nothing under outputPath. Validates first (status InvalidInput, nothing
// written). Polls observer.stopRequested after each finished track: when it
// answers true, the image is closed as a valid disc of the finished tracks
// (status Stopped). Output faults (disk full, permission) give OutputFailed
// with a message saying which; a track that cannot be read gives InvalidInput.
// Warnings (validateDisc's own, tracks padded to 1 s, a cover that could not
// be stored) go to observer.warning, without prefix; a caller that ran
// validateDisc beforehand need not print its warnings a second time.
WriteResult writeImage(DiscContent& disc, const std::string& outputPath, const WriteObserver& observer);

// The same with a plan the caller already made with planDisc and found free
// of errors (and whose warnings it printed): nothing is planned or reported
// twice.
WriteResult writeImage(DiscContent& disc, DiscPlan plan, const std::string& outputPath, const WriteObserver& observer);

} // namespace orvi::engine
