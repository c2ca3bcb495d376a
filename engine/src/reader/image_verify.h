#pragma once

#include <string>
#include <vector>

namespace orvi::engine::reader {

// Reads the tracks of the image's stereo and multichannel areas back (DST
// decoded) and compares each one's DSD bytes with the input file at the same
// position of that area (reopened from the paths). Returns one line per
// difference or problem; empty when every track matches.
std::vector<std::string> verifyImage(const std::string& imagePath, const std::vector<std::string>& stereoInputs,
                                     const std::vector<std::string>& multichannelInputs = {});

} // namespace orvi::engine::reader
