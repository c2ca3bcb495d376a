// Legacy character sets by name, as CUE sheets name them: the same text on
// every system (ICU through Qt on Linux, the system's code pages on Windows),
// and nothing at all for bytes the set does not allow or a name it does not know.

#include "plain_checks.h"
#include "text/legacy_codec.h"

#include <optional>
#include <string>

using namespace orvi::test;
using orvi::engine::text::decodeStrict;
using orvi::engine::text::isKnownCharset;

namespace {

struct Case {
    const char* charset;
    std::string bytes;
    std::optional<std::string> utf8; // nothing: refused
};

const Case kCases[] = {
    {"windows-1252", "\x80 \x93", "\u20ac \u201c"},
    {"WINDOWS-1251", "\xcf\xf0\xe8\xe2\xe5\xf2", "\u041f\u0440\u0438\u0432\u0435\u0442"},
    {"KOI8-R", "\xf0\xd2\xc9\xd7\xc5\xd4", "\u041f\u0440\u0438\u0432\u0435\u0442"},
    {"ISO-8859-1", "caf\xe9", "caf\u00e9"},
    {"Shift_JIS", "\x82\xa0\x83\x41", "\u3042\u30a2"},
    {"Shift_JIS", "\x82\x20", std::nullopt},
    {"GBK", "\xc4\xe3\xba\xc3", "\u4f60\u597d"},
    {"GB18030", "\xc4\xe3\xba\xc3", "\u4f60\u597d"},
    {"Big5", "\xa7\x41\xa6\x6e", "\u4f60\u597d"},
    {"EUC-KR", "\xc7\xd1\xb1\xdb", "\ud55c\uae00"},
    {"UTF-8", "\xc3\xa9", "\u00e9"},
    {"UTF-8", "\xc3", std::nullopt},
    {"no-such-set", "abc", std::nullopt},
};

} // namespace

int main()
{
    for (const Case& c : kCases) {
        const std::optional<QString> text = decodeStrict(QByteArray::fromStdString(c.bytes), c.charset);
        const std::string refused = std::string(c.charset) + " (refused)";
        CHECK_EQ(text ? text->toStdString() : refused, c.utf8.value_or(refused));
        CHECK_EQ(isKnownCharset(c.charset), std::string(c.charset) != "no-such-set");
    }
    return finish("engine_legacy_codec");
}
