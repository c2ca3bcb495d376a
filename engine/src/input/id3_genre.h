#pragma once

// Genres as taggers write them ("Rock", "Hip-Hop", "R&B", "(17)") mapped to
// the disc's General genre table.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvi::engine {

// The General genre index for a tag's genre text, or nothing when it has no
// counterpart there.
std::optional<uint16_t> discGenreForTag(std::string_view genre);

} // namespace orvi::engine
