#pragma once

// DSF block bytes to the disc's order: bit-reverse every byte and interleave
// the channels. This runs over every audio byte of every DSF input, so the
// stereo case has a vector path.

#include <cstddef>
#include <cstdint>

namespace orvi::engine {

// `blocks` points at channel 0's bytes; channel c's bytes start
// c * blockStride bytes later. Writes count * channels bytes to `out`.
void interleaveDsfBlocks(const uint8_t* blocks, size_t blockStride, int channels, size_t count, uint8_t* out);

} // namespace orvi::engine
