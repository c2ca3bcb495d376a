#pragma once

// The reading tools for a DSD Disc image: a UDF volume with a /DSD_DISC
// folder (and no SACD master TOC).

#include <string>

namespace orvi::engine {
class EngineOutput;
}

namespace orvi::engine::reader {

// True when `imagePath` holds a UDF volume with a /DSD_DISC folder.
bool isDsdDiscImage(const std::string& imagePath);

// `--inspect`: the volume identifier, then every folder and file with its size.
int inspectDsdDisc(const std::string& imagePath, EngineOutput& output);

// `--extract`: copies every folder and file into DIR, keeping the tree
// (DIR/DSD_DISC/<title>/...). Exit code 0, 1 when the image cannot be read,
// 3 when a file cannot be written.
int extractDsdDisc(const std::string& imagePath, const std::string& directory, EngineOutput& output);

} // namespace orvi::engine::reader
