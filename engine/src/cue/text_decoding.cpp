#include "cue/text_decoding.h"

#include "text/legacy_codec.h"

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

// The sets rippers and taggers write sheets in. Earlier ones win a tie, so
// the Western code page of Windows comes first.
constexpr std::array<const char*, 11> kLegacyCandidates{
    "windows-1252", "windows-1250", "windows-1251", "KOI8-R",  "IBM866", "x-mac-cyrillic",
    "ISO-8859-7",   "Shift_JIS",    "EUC-KR",       "GB18030", "Big5",
};

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

// The detector's names as our candidates spell them. The GB family all
// decodes as GB18030, which contains GB 2312 and GBK.
std::string candidateName(const std::string& detected)
{
    if (detected == "GB2312" || detected == "GBK" || detected == "GB18030")
        return "GB18030";
    if (detected == "BIG5")
        return "Big5";
    if (detected == "SHIFT_JIS")
        return "Shift_JIS";
    if (detected == "UHC")
        return "EUC-KR";
    if (detected == "MAC-CYRILLIC")
        return "x-mac-cyrillic";
    if (detected.rfind("WINDOWS-", 0) == 0)
        return "windows-" + detected.substr(8);
    return detected;
}

enum class Script { None, Latin, Greek, Cyrillic, Hangul, Kana, Han, Other };

Script scriptOf(QChar c)
{
    switch (c.script()) {
    case QChar::Script_Latin:
        return Script::Latin;
    case QChar::Script_Greek:
        return Script::Greek;
    case QChar::Script_Cyrillic:
        return Script::Cyrillic;
    case QChar::Script_Hangul:
        return Script::Hangul;
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
        return Script::Kana;
    case QChar::Script_Han:
        return Script::Han;
    default:
        return c.isLetter() ? Script::Other : Script::None;
    }
}

// How much a reading looks like text people write: letters of one script
// per word, no stray symbols, no capitals inside lower-case words. A wrong
// code page shows as a Cyrillic letter inside a Latin word ("Rкveries"),
// symbols between letters ("Ã¤") or Han inside a Latin word.
int plausibility(const QString& text)
{
    const QStringView usualPunctuation(u"«»—–№…“”„‘’·•×°©®™€");
    int score = 0;
    Script wordScript = Script::None;
    bool mixed = false;
    QChar previous;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        const Script script = scriptOf(c);
        if (script == Script::None) {
            if (c.unicode() >= 0x80 && !c.isSpace() && !usualPunctuation.contains(c))
                score -= 3;
            score -= mixed ? 6 : 0;
            wordScript = Script::None;
            mixed = false;
        } else {
            const bool kanaWithHan = (script == Script::Kana && wordScript == Script::Han)
                || (script == Script::Han && wordScript == Script::Kana);
            if (wordScript != Script::None && script != wordScript && !kanaWithHan)
                mixed = true;
            if (wordScript == Script::None || !kanaWithHan)
                wordScript = script;
            if (c.unicode() >= 0x80)
                score += script == Script::Han ? 3 : script == Script::Hangul || script == Script::Kana ? 4 : 2;
            // A capital inside a lower-case word ("RÍveries", "пРивет").
            if (c.isUpper() && c.unicode() >= 0x80
                && ((previous.isLower() && previous.unicode() >= 0x80) || (previous.isLetter() && next.isLower())))
                score -= 3;
        }
        previous = c;
    }
    return score - (mixed ? 6 : 0);
}

std::optional<QString> withoutMark(const QByteArray& bytes, const ByteOrderMark& mark, const char* encoding)
{
    return text::decodeStrict(bytes.sliced(qsizetype(mark.bytes.size())), encoding);
}

} // namespace

DecodedText decodeUnknownText(const QByteArray& bytes, const std::string& charset)
{
    for (const ByteOrderMark& mark : kByteOrderMarks) {
        if (!bytes.startsWith(QByteArrayView(mark.bytes.data(), static_cast<qsizetype>(mark.bytes.size()))))
            continue;
        if (auto text = withoutMark(bytes, mark, mark.encoding))
            return {*text, mark.encoding, {}};
        return {{}, mark.encoding, std::string("not valid ") + mark.encoding + " despite its byte-order mark"};
    }
    if (!charset.empty()) {
        if (auto text = text::decodeStrict(bytes, charset))
            return {*text, charset, {}};
        return {{}, charset, "not valid " + charset + " (--cue-charset); check the name of its character set"};
    }
    if (auto text = text::decodeStrict(bytes, "UTF-8"))
        return {*text, "UTF-8", {}};

    const std::string detected = candidateName(detectWithUchardet(bytes));
    std::vector<std::string> candidates;
    if (!detected.empty() && text::isKnownCharset(detected))
        candidates.push_back(detected);
    candidates.insert(candidates.end(), kLegacyCandidates.begin(), kLegacyCandidates.end());

    DecodedText best;
    int bestScore = 0;
    for (const std::string& name : candidates) {
        const auto text = text::decodeStrict(bytes, name);
        if (!text)
            continue;
        // The detector's guess wins a tie.
        const int score = plausibility(*text) * 2 + (name == detected ? 1 : 0);
        if (best.encoding.empty() || score > bestScore) {
            best = {*text, name, {}};
            bestScore = score;
        }
    }
    if (!best.encoding.empty())
        return best;
    return {{}, {}, "cannot tell its character set; save it as UTF-8 or name its set with --cue-charset"};
}

} // namespace orvi::engine
