#pragma once

// The character sets a disc's text channel can use, and the choice of the
// one set that represents every text of a disc. Text arrives as UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvi::engine {

struct DiscCharset {
    uint8_t code;          // Character_Set_Code written in the TOCs
    const char* codecName; // the name the converter knows it by
    const char* displayName;
    const char* language;  // ISO 639 code that goes with it in the text channel
    bool doubleByte;       // strings end with a 2-byte NUL
};

// Candidates in order of preference: ISO 8859-1, GB 2312, Big5, Shift-JIS, KSC 5601.
const std::vector<DiscCharset>& discCharsets();

// Control characters have no place in disc text (no line feeds either):
// they become spaces.
std::string withoutControlCharacters(const std::string& utf8);

// The bytes of `utf8` in `charset` without terminator, or nothing when some
// character has no representation there.
std::optional<std::string> encodeInCharset(const DiscCharset& charset, const std::string& utf8);

struct LabelledText {
    std::string field; // how a problem names it, e.g. "--album" or "track 3 title"
    std::string text;  // UTF-8
};

struct CharsetChoice {
    const DiscCharset* charset = nullptr; // null when refused
    std::vector<std::string> errors;      // one line per text that stands in the way
};

// The first candidate that represents every non-empty text. When none does,
// names each text that fits no set at all, or else the texts that keep the
// best-fitting set from holding everything.
CharsetChoice chooseDiscCharset(const std::vector<LabelledText>& texts);

} // namespace orvi::engine
