#pragma once

// Checks on OUTPUT made before any input is read: the image must never
// replace a file the user gave as input, however the two paths are spelled.

#include <string>
#include <vector>

namespace orvi::engine {

struct NamedInput {
    std::string option; // how the problem names it: "track 2", "--cue", "--cover"
    std::string path;
};

// One line per problem (no "error: " prefix): an empty name, an existing
// folder, or an input that OUTPUT names (same path after normalising, or the
// same file through a symbolic or hard link).
std::vector<std::string> checkOutputPath(const std::string& output, const std::vector<NamedInput>& inputs);

// Whether the two paths name one file: by device and inode where both exist,
// else by their normalised absolute spelling.
bool sameFile(const std::string& a, const std::string& b);

} // namespace orvi::engine
