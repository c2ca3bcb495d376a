#pragma once

// In-file ID3v2 tags (DSF metadata pointer, DSDIFF "ID3 " chunk), parsed
// with TagLib. A tag is extra information: a damaged one is a warning, never
// a reason to refuse the audio.

#include "input/input_file.h"
#include "input/track_reader.h"

#include <cstdint>

namespace orvi::engine {

// Tags above this size (usually huge pictures) are skipped with a warning to
// keep the engine's memory bounded.
inline constexpr uint64_t kMaxTagBytes = 16u << 20;

// Reads the ID3v2 tag that starts at `offset` and may take at most
// `available` bytes, and fills `track`'s text fields that are still empty.
void readId3TagAt(InputFile& file, uint64_t offset, uint64_t available, OpenedTrack& track);

// Fills `track`'s empty text fields from a whole ID3v2 tag in memory.
void applyId3Tag(const uint8_t* tag, size_t size, const std::string& path, OpenedTrack& track);

} // namespace orvi::engine
