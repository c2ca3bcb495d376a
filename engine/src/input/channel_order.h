#pragma once

// DSDIFF names each channel by an ID ("SLFT", "C   ", ...); the disc wants
// them in its own order: L, R (stereo); L, R, C, LS, RS (5); L, R, C, LFE,
// LS, RS (6). These find each file channel's place and move the bytes there.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvi::engine {

// The disc position of every file channel, in file order; nothing (and
// `problem` saying why) when an ID is unknown, repeated or missing from the
// layout for this channel count.
std::optional<std::vector<uint8_t>> discChannelOrder(const std::vector<std::string>& ids, std::string& problem);

// True when the order keeps every channel where it is.
bool isIdentityOrder(const std::vector<uint8_t>& order);

// Moves each channel's byte of every interleaved frame in `bytes` (a whole
// number of frames) to its disc position.
void reorderChannels(uint8_t* bytes, size_t count, const std::vector<uint8_t>& order);

} // namespace orvi::engine
