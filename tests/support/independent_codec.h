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
#include <utility>

namespace orvi::test {

// One form of the characters that converters map differently: the Windows
// code pages (and readers built on them) give the full-width or vendor forms
// where glibc keeps the standards' own, and glibc's GB 2312 reads A1AA as a
// horizontal bar. Text compared through this matches on either system.
inline char32_t commonForm(char32_t c)
{
    constexpr std::pair<char32_t, char32_t> kVendorForms[] = {
        {U'\uFF5E', U'\u301C'}, {U'\uFF0D', U'\u2212'}, {U'\u2225', U'\u2016'},
        {U'\uFFE0', U'\u00A2'}, {U'\uFFE1', U'\u00A3'}, {U'\uFFE2', U'\u00AC'},
        {U'\u2015', U'\u2014'}, {U'\uFFE4', U'\u00A6'}, {U'\u00B7', U'\u30FB'},
    };
    for (const auto& [vendor, common] : kVendorForms)
        if (c == vendor)
            return common;
    return c;
}

inline std::u32string commonForms(std::u32string text)
{
    for (char32_t& c : text)
        c = commonForm(c);
    return text;
}

// The converter's name of a disc Character_Set_Code.
inline const char* iconvNameForDiscCode(unsigned code)
{
    switch (code) {
    case 2:
        return "ISO-8859-1";
    case 3:
        return "SHIFT_JIS";
    case 4:
        return "EUC-KR";
    case 5:
        return "GB2312";
    case 6:
        return "BIG5";
    default:
        return nullptr;
    }
}

#ifdef _WIN32
inline UINT codePageOf(std::string_view name)
{
    constexpr std::pair<std::string_view, UINT> kPages[] = {
        {"SHIFT_JIS", 932},     {"EUC-KR", 949},        {"GB2312", 936},       {"BIG5", 950},
        {"windows-1251", 1251}, {"windows-1252", 1252}, {"ISO-8859-1", 28591}, {"GB18030", 54936},
    };
    for (const auto& [known, page] : kPages)
        if (known.size() == name.size() && _strnicmp(known.data(), name.data(), name.size()) == 0)
            return page == 54936 && !IsValidCodePage(page) ? 936 : page; // wine lacks 54936; GBK is its two-byte part
    return 0;
}
#endif

// `utf8` in `charset`, or nothing when a character has no exact form there.
inline std::optional<std::string> encodeIndependently(const char* charset, std::string_view utf8)
{
#ifdef _WIN32
    const UINT codePage = codePageOf(charset);
    const int units =
        codePage ? MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()), nullptr, 0) : 0;
    if (units <= 0)
        return std::nullopt;
    std::wstring wide(size_t(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), units);
    BOOL lossy = FALSE;
    const bool gb18030 = codePage == 54936; // takes neither flags nor the lossy report, and holds everything
    const DWORD flags = gb18030 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* report = gb18030 ? nullptr : &lossy;
    const int size = WideCharToMultiByte(codePage, flags, wide.data(), units, nullptr, 0, nullptr, report);
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), units, out.data(), size, nullptr, report);
    if (size <= 0 || lossy)
        return std::nullopt;
    return out;
#else
    const iconv_t converter = iconv_open(charset, "UTF-8");
    if (converter == iconv_t(-1))
        return std::nullopt;
    std::string out(utf8.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
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

// `bytes` in `charset` as UTF-8, or nothing when any byte sequence is invalid.
inline std::optional<std::string> decodeIndependently(const char* charset, std::string_view bytes)
{
    if (!charset)
        return std::nullopt;
#ifdef _WIN32
    const UINT codePage = codePageOf(charset);
    if (!codePage)
        return std::nullopt;
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
