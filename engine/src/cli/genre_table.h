#pragma once

// The General genre table of the disc format (table code 1), indexes 1..29.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvi::engine {

inline constexpr uint16_t kGeneralGenreCount = 29;

// Name of a General genre index 1..29; empty for any other index.
std::string_view generalGenreName(uint16_t index);

// Index of a genre name (compared without regard to ASCII letter case) or of
// a decimal index 1..29; nothing when the text is neither.
std::optional<uint16_t> findGeneralGenre(std::string_view nameOrIndex);

// "Not defined, Adult Contemporary, ..., Blues": for messages.
std::string generalGenreNameList();

} // namespace orvi::engine
