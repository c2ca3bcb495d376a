#pragma once

// ISRC as the disc stores it: 12 characters, no hyphens.

#include <optional>
#include <string>
#include <string_view>

namespace orvi::engine {

// Accepts CC-OOO-YY-DDDDD or the same 12 characters without hyphens
// (2 letters, 3 letters/digits, 7 digits; letters in either case) and
// returns the 12 characters upper-cased; nullopt when it is not an ISRC.
std::optional<std::string> normalizeIsrc(std::string_view text);

} // namespace orvi::engine
