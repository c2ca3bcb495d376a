#pragma once

// What the per-format readers share with the dispatcher in track_reader.cpp.

#include "input/input_file.h"
#include "input/track_reader.h"

#include <memory>
#include <string>

namespace orvi::engine {

// Each fills `track` (source, format, text) or appends its errors.
void readDsf(std::unique_ptr<InputFile> file, OpenedTrack& track);
void readDsdiff(std::unique_ptr<InputFile> file, OpenedTrack& track);

// Appends an error for every way `channels`/`sampleRate` cannot go on the
// disc in this version.
void checkDiscFormat(const std::string& path, int channels, uint32_t sampleRate, OpenedTrack& track);

// Four header bytes as text for messages: printable ones as they are, the
// rest as \xNN.
std::string describeChunkId(const uint8_t* id);

// "1 byte", "45 bytes".
std::string bytesText(uint64_t count);

} // namespace orvi::engine
