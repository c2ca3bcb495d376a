#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::enginetest {

// A track's whole DSD data in the disc's byte order, read through the
// engine's own input reader; empty with a message on stderr on failure.
std::vector<uint8_t> dsdData(const std::string& path);

// True when `extracted` starts with `input` and continues only with the
// DSD silence that pads a track to whole frames (and to one second).
bool holdsInputThenSilence(const std::vector<uint8_t>& extracted, const std::vector<uint8_t>& input);

} // namespace orvi::enginetest
