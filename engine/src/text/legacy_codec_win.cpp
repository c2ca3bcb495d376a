#include "text/legacy_codec.h"

#ifdef _WIN32

#include <QStringDecoder>

#include <windows.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace orvi::engine::text {
namespace {

// Qt without ICU still knows the Unicode forms and Latin-1 itself; those
// have no usable code page (1200/1201 are not available to
// MultiByteToWideChar) or gain nothing from one.
bool isQtBuiltin(const std::string& charset)
{
    return QStringDecoder(charset.c_str()).isValid();
}

struct CodePageName {
    std::string_view name; // lower case, without '-', '_', ' ' and '.'
    UINT codePage;
};

// Only code pages that accept MB_ERR_INVALID_CHARS: the ISO-2022 and other
// stateful pages refuse the flag, so a strict decode is impossible there.
constexpr std::array kCodePages{
    CodePageName{"usascii", 20127},
    CodePageName{"ascii", 20127},
    CodePageName{"windows1250", 1250},
    CodePageName{"cp1250", 1250},
    CodePageName{"windows1251", 1251},
    CodePageName{"cp1251", 1251},
    CodePageName{"windows1252", 1252},
    CodePageName{"cp1252", 1252},
    CodePageName{"windows1253", 1253},
    CodePageName{"cp1253", 1253},
    CodePageName{"windows1254", 1254},
    CodePageName{"cp1254", 1254},
    CodePageName{"windows1255", 1255},
    CodePageName{"cp1255", 1255},
    CodePageName{"windows1256", 1256},
    CodePageName{"cp1256", 1256},
    CodePageName{"windows1257", 1257},
    CodePageName{"cp1257", 1257},
    CodePageName{"windows1258", 1258},
    CodePageName{"cp1258", 1258},
    CodePageName{"windows874", 874},
    CodePageName{"tis620", 874},
    CodePageName{"iso88592", 28592},
    CodePageName{"latin2", 28592},
    CodePageName{"iso88593", 28593},
    CodePageName{"iso88594", 28594},
    CodePageName{"iso88595", 28595},
    CodePageName{"iso88596", 28596},
    CodePageName{"iso88597", 28597},
    CodePageName{"iso88598", 28598},
    CodePageName{"iso88599", 28599},
    CodePageName{"iso885913", 28603},
    CodePageName{"iso885915", 28605},
    CodePageName{"latin9", 28605},
    CodePageName{"koi8r", 20866},
    CodePageName{"koi8u", 21866},
    CodePageName{"ibm866", 866},
    CodePageName{"cp866", 866},
    CodePageName{"ibm855", 855},
    CodePageName{"cp855", 855},
    CodePageName{"ibm437", 437},
    CodePageName{"cp437", 437},
    CodePageName{"ibm850", 850},
    CodePageName{"cp850", 850},
    CodePageName{"ibm852", 852},
    CodePageName{"cp852", 852},
    CodePageName{"macintosh", 10000},
    CodePageName{"maccyrillic", 10007},
    CodePageName{"maccentraleurope", 10029},
    CodePageName{"shiftjis", 932},
    CodePageName{"sjis", 932},
    CodePageName{"windows31j", 932},
    CodePageName{"cp932", 932},
    CodePageName{"mskanji", 932},
    CodePageName{"eucjp", 20932},
    CodePageName{"gbk", 936},
    CodePageName{"gb2312", 936},
    CodePageName{"cp936", 936},
    CodePageName{"gb18030", 54936},
    CodePageName{"big5", 950},
    CodePageName{"cp950", 950},
    CodePageName{"big5hkscs", 950},
    CodePageName{"euckr", 949},
    CodePageName{"uhc", 949},
    CodePageName{"cp949", 949},
};

constexpr UINT kGb18030 = 54936;
constexpr UINT kGbk = 936;

std::string normalised(const std::string& charset)
{
    std::string key;
    for (const char c : charset) {
        if (c == '-' || c == '_' || c == ' ' || c == '.')
            continue;
        key += char(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

UINT codePageFor(const std::string& charset)
{
    const std::string key = normalised(charset);
    const auto it = std::find_if(kCodePages.begin(), kCodePages.end(),
                                 [&](const CodePageName& entry) { return entry.name == key; });
    if (it == kCodePages.end() || !IsValidCodePage(it->codePage)) {
        // Some systems (wine among them) lack GB18030's page; GBK is its
        // two-byte subset, which covers ordinary Chinese text. Four-byte
        // sequences are then refused as invalid rather than misread.
        if (it != kCodePages.end() && it->codePage == kGb18030 && IsValidCodePage(kGbk))
            return kGbk;
        return 0;
    }
    return it->codePage;
}

// Code page 949 is Microsoft's extension of EUC-KR: it also takes lead and
// trail bytes below A1, which makes Shift_JIS or Big5 text read as valid
// Hangul. EUC-KR itself pairs bytes of A1..FE only.
bool isEucKrShaped(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80)
            continue;
        if (lead < 0xA1 || lead == 0xFF || i + 1 == bytes.size())
            return false;
        const auto trail = static_cast<unsigned char>(bytes[++i]);
        if (trail < 0xA1 || trail == 0xFF)
            return false;
    }
    return true;
}

} // namespace

bool isKnownCharset(const std::string& charset)
{
    return isQtBuiltin(charset) || codePageFor(charset) != 0;
}

std::optional<QString> decodeStrict(const QByteArray& bytes, const std::string& charset)
{
    if (isQtBuiltin(charset)) {
        QStringDecoder decoder(charset.c_str(), QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(bytes);
        if (decoder.hasError())
            return std::nullopt;
        return text;
    }
    const UINT codePage = codePageFor(charset);
    if (codePage == 0)
        return std::nullopt;
    if (bytes.isEmpty())
        return QString();
    if (normalised(charset) == "euckr" && !isEucKrShaped(bytes))
        return std::nullopt;
    const int inputSize = int(bytes.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), inputSize, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(size_t(length), L'\0');
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), inputSize, wide.data(), length)
        != length)
        return std::nullopt;
    return QString::fromWCharArray(wide.data(), length);
}

} // namespace orvi::engine::text

#endif
