#pragma once

#include <string>
#include <vector>

namespace orvi::engine::reader {

// Reads the image's stereo tracks back and compares each one's DSD bytes with
// the input file at the same position (reopened from `inputs`). Returns one
// line per difference or problem; empty when every track matches.
std::vector<std::string> verifyImage(const std::string& imagePath, const std::vector<std::string>& inputs);

} // namespace orvi::engine::reader
