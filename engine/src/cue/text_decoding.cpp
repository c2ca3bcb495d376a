#include "cue/text_decoding.h"

#include <QStringDecoder>

#include <uchardet/uchardet.h>

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace orvi::engine {
namespace {

struct ByteOrderMark {
    std::string_view bytes;
    const char* encoding;
};

// Longer marks first: the UTF-32LE mark begins with the UTF-16LE one. (The
// marks hold NUL bytes, hence the sized literals.)
using namespace std::string_view_literals;
constexpr std::array<ByteOrderMark, 5> kByteOrderMarks{{
    {"\xFF\xFE\x00\x00"sv, "UTF-32LE"},
    {"\x00\x00\xFE\xFF"sv, "UTF-32BE"},
    {"\xEF\xBB\xBF"sv, "UTF-8"},
    {"\xFF\xFE"sv, "UTF-16LE"},
    {"\xFE\xFF"sv, "UTF-16BE"},
}};

std::optional<QString> decodeStrictly(const char* encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::string detectWithUchardet(const QByteArray& bytes)
{
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(uchardet_new(),
                                                                                         uchardet_delete);
    if (uchardet_handle_data(detector.get(), bytes.constData(), static_cast<size_t>(bytes.size())) != 0)
        return {};
    uchardet_data_end(detector.get());
    const char* charset = uchardet_get_charset(detector.get());
    return charset ? std::string(charset) : std::string();
}

// Maps the detector's names to the converter names we report. The GB
// family all decodes as GB18030, which contains GB 2312 and GBK.
std::string converterName(const std::string& detected)
{
    if (detected == "GB2312" || detected == "GBK" || detected == "GB18030")
        return "GB18030";
    if (detected == "BIG5")
        return "Big5";
    if (detected == "SHIFT_JIS")
        return "Shift_JIS";
    if (detected.rfind("WINDOWS-", 0) == 0)
        return "windows-" + detected.substr(8);
    return detected;
}

// Short Cyrillic text is easily taken for the wrong Cyrillic code page
// (the lower-case letters of windows-1251 and Mac Cyrillic coincide), so
// the family is compared by how much each decoding looks like words.
constexpr std::array<const char*, 5> kCyrillicFamily{"windows-1251", "KOI8-R", "IBM866", "ISO-8859-5",
                                                      "x-mac-cyrillic"};

bool isCyrillicFamily(const std::string& name)
{
    return name == "windows-1251" || name == "KOI8-R" || name == "IBM866" || name == "ISO-8859-5"
        || name == "MAC-CYRILLIC" || name == "IBM855";
}

int wordLikeness(const QString& text)
{
    const QStringView usualPunctuation(u"«»—–№…“”„’");
    int score = 0;
    QChar previous;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            if (c.isLetter())
                score += 1;
            else if (!usualPunctuation.contains(c))
                score -= 2;
            if (c.isUpper() && previous.isLower() && previous.unicode() >= 0x80)
                score -= 2;
        }
        previous = c;
    }
    return score;
}

DecodedText decodeCyrillic(QByteArrayView bytes)
{
    DecodedText best;
    int bestScore = 0;
    for (const char* name : kCyrillicFamily) {
        const auto text = decodeStrictly(name, bytes);
        if (!text)
            continue;
        const int score = wordLikeness(*text);
        if (best.encoding.empty() || score > bestScore) {
            best = {*text, name == std::string_view("x-mac-cyrillic") ? "MAC-CYRILLIC" : name, {}};
            bestScore = score;
        }
    }
    return best;
}

} // namespace

DecodedText decodeUnknownText(const QByteArray& bytes)
{
    for (const ByteOrderMark& mark : kByteOrderMarks) {
        if (bytes.startsWith(QByteArrayView(mark.bytes.data(), static_cast<qsizetype>(mark.bytes.size())))) {
            if (auto text = decodeStrictly(mark.encoding, QByteArrayView(bytes).sliced(mark.bytes.size())))
                return {*text, mark.encoding, {}};
            return {{}, mark.encoding, std::string("not valid ") + mark.encoding + " despite its byte-order mark"};
        }
    }
    if (auto text = decodeStrictly("UTF-8", bytes))
        return {*text, "UTF-8", {}};

    const std::string detected = detectWithUchardet(bytes);
    const std::string name = converterName(detected);
    if (isCyrillicFamily(name)) {
        DecodedText cyrillic = decodeCyrillic(bytes);
        if (!cyrillic.encoding.empty())
            return cyrillic;
    }
    if (!name.empty()) {
        if (auto text = decodeStrictly(name.c_str(), bytes))
            return {*text, name, {}};
    }
    return {{}, {},
            "cannot tell its character set" + (name.empty() ? std::string() : " (it looks like " + name + " but does not decode as it)")
                + "; save it as UTF-8"};
}

} // namespace orvi::engine
