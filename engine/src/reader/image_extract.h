#pragma once

#include <string>

namespace orvi::engine {
class EngineOutput;
}

namespace orvi::engine::reader {

// `--extract IMAGE DIR`: writes each track of each area as a DSF file (DST
// decoded) into DIR, creating it: "NN - <title>.dsf" (or "NN.dsf" without a
// title) for the stereo area, "MCNN - <title>.dsf" for the multichannel one.
// Exit code 0, 1 when the image cannot be read, 3 when a file cannot be written.
int extractImage(const std::string& imagePath, const std::string& directory, EngineOutput& output);

} // namespace orvi::engine::reader
