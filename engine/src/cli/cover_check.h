#pragma once

#include <string>
#include <vector>

namespace orvi::engine::cli {

inline constexpr long long kMaxCoverBytes = 16LL * 1024 * 1024;

struct CoverCheck {
    std::string problem;               // empty when the picture is usable; names the file
    std::vector<std::string> warnings; // what the picture decoder said about a usable picture
};

// Decodes the whole picture strictly: it must be a JPEG or PNG of at most
// 16 MiB that decodes to the end without complaint (a truncated or corrupt
// JPEG is refused). The decoder's own messages are collected here instead
// of reaching standard error.
CoverCheck checkCoverPicture(const std::string& path);

} // namespace orvi::engine::cli
