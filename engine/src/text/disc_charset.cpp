#include "text/disc_charset.h"

#include "text/disc_charset_tables.h"
#include "text/utf8.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace orvi::engine {

namespace {

constexpr uint8_t kLatin1 = 2, kShiftJis = 3, kKsc5601 = 4, kGb2312 = 5, kBig5 = 6;

// Unicode forms of one character that different mappings of the same
// standard use (JIS X 0208's WAVE DASH is U+301C in the standard mapping and
// U+FF5E in Windows' one, and so on). A set holding one of a pair takes the
// other too.
constexpr std::array<std::pair<char32_t, char32_t>, 8> kVariants{{
    {U'\u301C', U'\uFF5E'}, // wave dash, fullwidth tilde
    {U'\u2212', U'\uFF0D'}, // minus sign, fullwidth hyphen-minus
    {U'\u2016', U'\u2225'}, // double vertical line, parallel to
    {U'\u00A2', U'\uFFE0'}, // cent sign
    {U'\u00A3', U'\uFFE1'}, // pound sign
    {U'\u00AC', U'\uFFE2'}, // not sign
    {U'\u2014', U'\u2015'}, // em dash, horizontal bar
    {U'\u00A6', U'\uFFE4'}, // broken bar
}};

// One set's table both ways, built once from the generated rows.
class TableCodec
{
public:
    explicit TableCodec(const text::CharsetTable& table)
    {
        uint16_t code = 0x20;
        for (char32_t c : text::decodeUtf8(reinterpret_cast<const char*>(table.singleBytes)))
            add(c, code++);
        const char8_t* const* row = table.rows;
        for (unsigned lead = table.leadFirst; lead <= table.leadLast; ++lead, ++row) {
            std::vector<uint16_t> cells;
            for (const auto& range : table.trails) {
                for (unsigned trail = range[0]; range[1] != 0 && trail <= range[1]; ++trail)
                    cells.push_back(uint16_t(lead << 8 | trail));
            }
            size_t cell = 0;
            for (char32_t c : text::decodeUtf8(reinterpret_cast<const char*>(*row)))
                add(c, cells.at(cell++));
        }
        for (const auto& [a, b] : kVariants) {
            if (m_encode.contains(a) && !m_encode.contains(b))
                m_encode.emplace(b, m_encode.at(a));
            else if (m_encode.contains(b) && !m_encode.contains(a))
                m_encode.emplace(a, m_encode.at(b));
        }
    }

    std::optional<std::string> encode(const std::u32string& text) const
    {
        std::string bytes;
        for (char32_t c : text) {
            const auto found = m_encode.find(c);
            if (found == m_encode.end())
                return std::nullopt;
            if (found->second > 0xFF)
                bytes += char(found->second >> 8);
            bytes += char(found->second & 0xFF);
        }
        return bytes;
    }

    // Strict: nothing when a byte or pair is not in the table. Lenient: such
    // a byte or pair reads as U+FFFD (bytes below 0x80 as ASCII).
    std::optional<std::u32string> decode(std::string_view bytes, bool lenient) const
    {
        std::u32string text;
        for (size_t i = 0; i < bytes.size(); ++i) {
            const uint8_t first = uint8_t(bytes[i]);
            auto found = m_decode.find(first);
            if (found == m_decode.end() && first >= 0x80 && i + 1 < bytes.size()) {
                found = m_decode.find(uint16_t(first << 8 | uint8_t(bytes[++i])));
            }
            if (found != m_decode.end())
                text += found->second;
            else if (lenient)
                text += first < 0x80 ? char32_t(first) : U'\uFFFD';
            else
                return std::nullopt;
        }
        return text;
    }

private:
    void add(char32_t c, uint16_t code)
    {
        if (c == 0x7F)
            return; // no character in this cell
        m_encode.emplace(c, code);
        m_decode.emplace(code, c);
    }

    std::unordered_map<char32_t, uint16_t> m_encode;
    std::unordered_map<uint16_t, char32_t> m_decode;
};

const TableCodec* codecFor(uint8_t code)
{
    // Immutable once built; the initialisation is thread-safe.
    static const TableCodec shiftJis(text::shiftJisTable());
    static const TableCodec ksc5601(text::ksc5601Table());
    static const TableCodec gb2312(text::gb2312Table());
    static const TableCodec big5(text::big5Table());
    switch (code) {
    case kShiftJis:
        return &shiftJis;
    case kKsc5601:
        return &ksc5601;
    case kGb2312:
        return &gb2312;
    case kBig5:
        return &big5;
    default:
        return nullptr;
    }
}

bool isLatin1Printable(char32_t c)
{
    return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF);
}

bool isKana(char32_t c)
{
    return (c >= 0x3041 && c <= 0x30FF && c != 0x30FB) || (c >= 0x31F0 && c <= 0x31FF) || (c >= 0xFF66 && c <= 0xFF9F);
}
bool isHangul(char32_t c)
{
    return (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3131 && c <= 0x318E);
}
bool isHan(char32_t c)
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF);
}

// Character_Set_Codes in the order the texts' script asks for.
std::vector<uint8_t> preferenceFor(const std::vector<LabelledText>& texts)
{
    bool kana = false, hangul = false, han = false;
    for (const LabelledText& text : texts) {
        for (char32_t c : text::decodeUtf8(text.text)) {
            kana = kana || isKana(c);
            hangul = hangul || isHangul(c);
            han = han || isHan(c);
        }
    }
    if (kana)
        return {kShiftJis, kKsc5601, kGb2312, kBig5, kLatin1};
    if (hangul)
        return {kKsc5601, kShiftJis, kGb2312, kBig5, kLatin1};
    if (han)
        return {kGb2312, kBig5, kShiftJis, kKsc5601, kLatin1};
    return {kLatin1, kGb2312, kBig5, kShiftJis, kKsc5601};
}

std::string candidateList()
{
    std::string names;
    for (const DiscCharset& set : discCharsets())
        names += (names.empty() ? "" : ", ") + std::string(set.displayName);
    return names;
}

// Disc readers cut a single text at 1024 bytes, terminator included.
constexpr size_t kMaxTextBytes = 1024;

std::vector<std::string> overLongTexts(const DiscCharset& set, const std::vector<LabelledText>& texts)
{
    std::vector<std::string> problems;
    const size_t terminator = set.doubleByte ? 2 : 1;
    for (const LabelledText& text : texts) {
        const size_t bytes = encodeInCharset(set, text.text).value_or(std::string()).size();
        if (bytes + terminator > kMaxTextBytes)
            problems.push_back(text.field + ": " + std::to_string(bytes) + " bytes in " + set.displayName
                               + "; disc readers show at most " + std::to_string(kMaxTextBytes - terminator)
                               + " bytes of one text");
    }
    return problems;
}

} // namespace

const std::vector<DiscCharset>& discCharsets()
{
    static const std::vector<DiscCharset> sets = {
        {kLatin1, "ISO 8859-1", "en", false}, {kGb2312, "GB 2312", "zh", true},   {kBig5, "Big5", "zh", true},
        {kShiftJis, "Shift-JIS", "ja", true}, {kKsc5601, "KSC 5601", "ko", true},
    };
    return sets;
}

const DiscCharset* discCharsetByCode(uint8_t code)
{
    const auto& sets = discCharsets();
    const auto found = std::find_if(sets.begin(), sets.end(), [code](const DiscCharset& s) { return s.code == code; });
    return found == sets.end() ? nullptr : &*found;
}

std::string withoutControlCharacters(const std::string& utf8)
{
    std::u32string text = text::decodeUtf8(utf8);
    for (char32_t& c : text) {
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            c = U' ';
    }
    std::string cleaned = text::encodeUtf8(text);
    return text::isBlank(cleaned) ? std::string() : cleaned;
}

std::optional<std::string> encodeInCharset(const DiscCharset& charset, const std::string& utf8)
{
    const std::u32string text = text::decodeUtf8(utf8);
    if (const TableCodec* codec = codecFor(charset.code))
        return codec->encode(text);
    std::string bytes;
    for (char32_t c : text) {
        if (!isLatin1Printable(c))
            return std::nullopt;
        bytes += char(c);
    }
    return bytes;
}

std::optional<std::string> decodeInCharset(const DiscCharset& charset, std::string_view bytes, bool lenient)
{
    if (const TableCodec* codec = codecFor(charset.code)) {
        const auto text = codec->decode(bytes, lenient);
        return text ? std::optional(text::encodeUtf8(*text)) : std::nullopt;
    }
    std::u32string text;
    for (char byte : bytes)
        text += char32_t(uint8_t(byte));
    return text::encodeUtf8(text);
}

CharsetChoice chooseDiscCharset(const std::vector<LabelledText>& texts)
{
    std::vector<const DiscCharset*> sets;
    for (uint8_t code : preferenceFor(texts))
        sets.push_back(discCharsetByCode(code));
    // fits[t][s]: text t representable in set s.
    std::vector<std::vector<bool>> fits(texts.size(), std::vector<bool>(sets.size(), true));
    for (size_t t = 0; t < texts.size(); ++t) {
        for (size_t s = 0; s < sets.size() && !texts[t].text.empty(); ++s)
            fits[t][s] = encodeInCharset(*sets[s], texts[t].text).has_value();
    }

    CharsetChoice choice;
    for (size_t s = 0; s < sets.size(); ++s) {
        if (std::all_of(fits.begin(), fits.end(), [s](const auto& row) { return row[s]; })) {
            choice.charset = sets[s];
            choice.errors = overLongTexts(*sets[s], texts);
            return choice;
        }
    }

    for (size_t t = 0; t < texts.size(); ++t) {
        if (std::none_of(fits[t].begin(), fits[t].end(), [](bool f) { return f; })) {
            choice.errors.push_back(texts[t].field + ": \"" + texts[t].text
                                    + "\" cannot be written in any disc character set (" + candidateList() + ")");
        }
    }
    if (!choice.errors.empty())
        return choice;

    // Every text fits somewhere, but not all in one set: name the texts
    // that the set holding the most of them cannot take.
    size_t best = 0;
    size_t bestCount = 0;
    for (size_t s = 0; s < sets.size(); ++s) {
        size_t count = 0;
        for (size_t t = 0; t < texts.size(); ++t)
            count += !texts[t].text.empty() && fits[t][s];
        if (count > bestCount) {
            best = s;
            bestCount = count;
        }
    }
    for (size_t t = 0; t < texts.size(); ++t) {
        if (!fits[t][best]) {
            choice.errors.push_back(texts[t].field + ": \"" + texts[t].text
                                    + "\" does not share one disc character set with the other texts (most of them fit "
                                    + sets[best]->displayName + ", which cannot hold this one)");
        }
    }
    return choice;
}

} // namespace orvi::engine
