#pragma once

// Decodes disc text with a converter the engine does not use (glibc's
// iconv), so that tests judge the engine's tables against another
// implementation. A Windows branch (MultiByteToWideChar) belongs here too.

#include <iconv.h>

#include <cerrno>
#include <optional>
#include <string>
#include <string_view>

namespace orvi::test {

// The iconv name of a disc Character_Set_Code.
inline const char* iconvNameForDiscCode(unsigned code)
{
    switch (code) {
    case 2: return "ISO-8859-1";
    case 3: return "SHIFT_JIS";
    case 4: return "EUC-KR";
    case 5: return "GB2312";
    case 6: return "BIG5";
    default: return nullptr;
    }
}

// `bytes` in `charset` as UTF-8, or nothing when any byte sequence is invalid.
inline std::optional<std::string> decodeIndependently(const char* charset, std::string_view bytes)
{
    const iconv_t converter = iconv_open("UTF-8", charset);
    if (converter == iconv_t(-1))
        return std::nullopt;
    std::string out(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    const size_t done = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (done == size_t(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace orvi::test
