#include "reader/disc_text.h"

#include "text/disc_charset.h"

namespace orvi::engine::reader {

const char* characterSetName(uint8_t code)
{
    switch (code) {
    case 1:
        return "ISO 646";
    case 2:
        return "ISO 8859-1";
    case 3:
        return "Shift-JIS (RIS 506)";
    case 4:
        return "KSC 5601";
    case 5:
        return "GB 2312";
    case 6:
        return "Big5";
    case 7:
        return "ISO 8859-1 with ISO 2022";
    default:
        return "unknown";
    }
}

bool isTwoByteCharacterSet(uint8_t code)
{
    return code >= 3 && code <= 6;
}

std::string decodeDiscText(const uint8_t* bytes, size_t limit, uint8_t characterSet, size_t* length)
{
    size_t size = 0;
    while (size < limit && bytes[size] != 0)
        ++size;
    if (length)
        *length = size;
    const std::string_view raw(reinterpret_cast<const char*>(bytes), size);
    // Codes 1 and 7 are read as ISO 8859-1: they differ from it only outside
    // the printable range the engine writes.
    const DiscCharset* charset = discCharsetByCode(characterSet == 1 || characterSet == 7 ? 2 : characterSet);
    if (!charset)
        return std::string(raw);
    return decodeInCharset(*charset, raw, true).value_or(std::string());
}

} // namespace orvi::engine::reader
