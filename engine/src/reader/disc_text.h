#pragma once

// Disc text as stored in the TOCs: NUL-terminated in one of the disc's
// character sets, decoded here to UTF-8.

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvi::engine::reader {

// The name of a Character_Set_Code, e.g. "ISO 8859-1"; "unknown" otherwise.
const char* characterSetName(uint8_t code);

// True for the sets whose characters take two bytes.
bool isTwoByteCharacterSet(uint8_t code);

// Decodes the string at `bytes` (up to its NUL or `limit` bytes) to UTF-8.
// Bytes the set does not define read as U+FFFD. `length` receives the
// number of bytes before the NUL.
std::string decodeDiscText(const uint8_t* bytes, size_t limit, uint8_t characterSet, size_t* length = nullptr);

} // namespace orvi::engine::reader
