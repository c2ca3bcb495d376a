#pragma once

// Converts text with a converter the engine does not use (glibc's iconv;
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
    constexpr const char* kNames[] = {"ISO-8859-1", "SHIFT_JIS", "EUC-KR", "GB2312", "BIG5"}; // codes 2..6
    return code >= 2 && code <= 6 ? kNames[code - 2] : nullptr;
}

#ifdef _WIN32
inline UINT codePageOf(std::string_view name)
{
    constexpr std::pair<std::string_view, UINT> kPages[] = {
        {"SHIFT_JIS", 932},     {"EUC-KR", 949},        {"GB2312", 936},       {"BIG5", 950},      {"UTF-8", CP_UTF8},
        {"windows-1251", 1251}, {"windows-1252", 1252}, {"ISO-8859-1", 28591}, {"GB18030", 54936},
    };
    for (const auto& [known, page] : kPages)
        if (known.size() == name.size() && _strnicmp(known.data(), name.data(), name.size()) == 0)
            return page == 54936 && !IsValidCodePage(page) ? 936 : page; // wine lacks 54936; GBK is its two-byte part
    return 0;
}
#endif

// `bytes` from charset `from` to `to`, or nothing when a byte sequence is
// invalid or a character has no exact form in `to`.
inline std::optional<std::string> convert(const char* from, const char* to, std::string_view bytes)
{
    if (!from)
        return std::nullopt;
#ifdef _WIN32
    const UINT in = codePageOf(from), out = codePageOf(to);
    if (!in || !out)
        return std::nullopt;
    if (bytes.empty())
        return std::string();
    const int units = MultiByteToWideChar(in, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
    if (units <= 0)
        return std::nullopt;
    std::wstring wide(size_t(units), L'\0');
    MultiByteToWideChar(in, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), wide.data(), units);
    // UTF-8 and GB18030 hold everything and take neither the flag nor the lossy report.
    const bool whole = out == CP_UTF8 || out == 54936;
    BOOL lossy = FALSE;
    const DWORD flags = whole ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* report = whole ? nullptr : &lossy;
    const int size = WideCharToMultiByte(out, flags, wide.data(), units, nullptr, 0, nullptr, report);
    if (size <= 0)
        return std::nullopt;
    std::string result(size_t(size), '\0');
    WideCharToMultiByte(out, flags, wide.data(), units, result.data(), size, nullptr, report);
    if (lossy)
        return std::nullopt;
    return result;
#else
    const iconv_t converter = iconv_open(to, from);
    if (converter == iconv_t(-1))
        return std::nullopt;
    std::string result(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* outPtr = result.data();
    size_t outLeft = result.size();
    const size_t done = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (done == size_t(-1) || inLeft != 0)
        return std::nullopt;
    result.resize(result.size() - outLeft);
    return result;
#endif
}

// `utf8` in `charset`, or nothing when a character has no exact form there.
inline std::optional<std::string> encodeIndependently(const char* charset, std::string_view utf8)
{
    return convert("UTF-8", charset, utf8);
}

// `bytes` in `charset` as UTF-8, or nothing when any byte sequence is invalid.
inline std::optional<std::string> decodeIndependently(const char* charset, std::string_view bytes)
{
    return convert(charset, "UTF-8", bytes);
}

} // namespace orvi::test
