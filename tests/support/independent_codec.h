#pragma once

// Decodes disc text with a converter the engine does not use (glibc's iconv;
// the system's code pages on Windows), so that tests judge the engine's
// tables against another implementation.

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <optional>
#include <string>
#include <string_view>

namespace orvi::test {

// The converter's name of a disc Character_Set_Code.
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
    if (!charset)
        return std::nullopt;
#ifdef _WIN32
    const std::string_view name(charset);
    const UINT codePage = name == "SHIFT_JIS" ? 932 : name == "EUC-KR" ? 949 : name == "GB2312" ? 936
                          : name == "BIG5"    ? 950 : 28591;
    if (bytes.empty())
        return std::string();
    const int units = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
    if (units <= 0)
        return std::nullopt;
    std::wstring wide(size_t(units), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), wide.data(), units);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out.data(), size, nullptr, nullptr);
    return out;
#else
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
#endif
}

} // namespace orvi::test
