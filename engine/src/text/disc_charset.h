#pragma once

// The character sets a disc's text channel can use, and the choice of the
// one set that represents every text of a disc. Text arrives as UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvi::engine {

struct DiscCharset {
    uint8_t code; // Character_Set_Code written in the TOCs
    const char* displayName;
    const char* language; // ISO 639 code that goes with it in the text channel
    bool doubleByte;      // strings end with a 2-byte NUL
};

// ISO 8859-1, GB 2312, Big5, Shift-JIS, KSC 5601.
const std::vector<DiscCharset>& discCharsets();
// The set with this Character_Set_Code, or null.
const DiscCharset* discCharsetByCode(uint8_t code);

// Control characters have no place in disc text (no line feeds either):
// they become spaces. A text of nothing but spaces is no text.
std::string withoutControlCharacters(const std::string& utf8);

// The bytes of `utf8` in `charset` without terminator, or nothing when some
// character has no place in the set's standard table. A character the set
// holds under another Unicode form (U+FF5E for U+301C and the like) is
// written as the set's own.
std::optional<std::string> encodeInCharset(const DiscCharset& charset, const std::string& utf8);

// `bytes` decoded to UTF-8. Strictly, nothing when a byte or pair is not in
// the set's table; leniently (for reading discs written elsewhere) such bytes
// read as U+FFFD.
std::optional<std::string> decodeInCharset(const DiscCharset& charset, std::string_view bytes, bool lenient = false);

struct LabelledText {
    std::string field; // how a problem names it, e.g. "--album" or "track 3 title"
    std::string text;  // UTF-8
};

struct CharsetChoice {
    const DiscCharset* charset = nullptr; // null when no set holds every text
    std::vector<std::string> errors;      // one line per text that stands in the way (also one too long)
};

// The set is chosen by the script of the texts: kana -> Shift-JIS, Hangul ->
// KSC 5601, Han only -> GB 2312, Big5, Shift-JIS; otherwise ISO 8859-1
// first. When the preferred set lacks a character, the next that holds every
// text. When none does, names each text that fits no set at all, or else the
// texts that keep the best-fitting set from holding everything.
CharsetChoice chooseDiscCharset(const std::vector<LabelledText>& texts);

} // namespace orvi::engine
