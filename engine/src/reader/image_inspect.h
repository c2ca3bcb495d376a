#pragma once

#include <string>

namespace orvi::engine {
class EngineOutput;
}

namespace orvi::engine::reader {

// `--inspect IMAGE`: prints every field of the master TOC, the text channels,
// the area TOCs, the track lists and the track texts; for DST areas also the
// Access_List and a summary of the frames' sizes. Exit code 0, or 1 when
// the image cannot be read.
int inspectImage(const std::string& imagePath, EngineOutput& output);

} // namespace orvi::engine::reader
