#pragma once

#include <string>

namespace orvi::engine::cli {

inline constexpr long long kMaxCoverBytes = 16LL * 1024 * 1024;

// Empty when `path` is a JPEG or PNG picture that decodes and is at most
// 16 MiB; otherwise what is wrong, naming the file.
std::string checkCoverPicture(const std::string& path);

} // namespace orvi::engine::cli
