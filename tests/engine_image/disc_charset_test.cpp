// The disc text sets, character by character: every character a set holds
// goes onto the disc and decodes, with a converter of another make, to what
// was typed; every character it lacks is refused there and goes to a set
// that holds it, or is refused with a message.

#include "independent_codec.h"
#include "image_test_support.h"
#include "text/disc_charset.h"
#include "text/utf8.h"

#include <algorithm>
#include <utility>

using namespace imagetest;
using namespace orvi::engine;

namespace {

// A variant typed by the user is written as the set's own form, which a
// reader may show in either form.
bool sameCharacter(char32_t typed, char32_t read)
{
    return orvi::test::commonForm(typed) == orvi::test::commonForm(read);
}

// Code page 949 predates KS X 1001:2002, which added the circled ieung-u at A2E8.
bool windowsLacks([[maybe_unused]] uint8_t code, [[maybe_unused]] char32_t c)
{
#ifdef _WIN32
    if (code == 4 && c == U'\u327E') {
        std::fprintf(stderr, "skipped on Windows: code page 949 has no U+327E to read KS X 1001:2002's A2E8\n");
        return true;
    }
#endif
    return false;
}

void everyCharacterOfEverySet()
{
    struct Expectation {
        uint8_t code;
        size_t atLeast; // characters of the standard (printable ASCII included)
    };
    for (const Expectation expected : {Expectation{2, 191}, {3, 6'900}, {4, 8'300}, {5, 7'500}, {6, 13'500}}) {
        const DiscCharset* set = discCharsetByCode(expected.code);
        CHECK(set != nullptr);
        if (!set)
            continue;
        const char* iconvName = orvi::test::iconvNameForDiscCode(expected.code);
        size_t held = 0, wrong = 0, misplaced = 0;
        for (char32_t c = 0x20; c <= 0xFFFF; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            const std::string typed = orvi::engine::text::encodeUtf8(std::u32string(1, c));
            const auto bytes = encodeInCharset(*set, typed);
            if (bytes) {
                ++held;
                const auto read = orvi::test::decodeIndependently(iconvName, *bytes);
                const auto ours = decodeInCharset(*set, *bytes);
                const std::u32string readBack = read ? orvi::engine::text::decodeUtf8(*read) : U"";
                const std::u32string ourBack = ours ? orvi::engine::text::decodeUtf8(*ours) : U"";
                if (!read && windowsLacks(expected.code, c))
                    continue;
                const bool ok = readBack.size() == 1 && ourBack.size() == 1 && sameCharacter(c, readBack[0])
                    && sameCharacter(ourBack[0], readBack[0]) && chooseDiscCharset({{"t", typed}}).charset != nullptr;
                if (!ok && ++wrong <= 5)
                    std::fprintf(stderr, "%s: U+%04X written as it is not read back\n", set->displayName, unsigned(c));
                continue;
            }
            const CharsetChoice choice = chooseDiscCharset({{"t", typed}});
            const bool placed =
                choice.charset ? encodeInCharset(*choice.charset, typed).has_value() : choice.errors.size() == 1;
            if (!placed && ++misplaced <= 5)
                std::fprintf(stderr, "U+%04X refused by %s goes nowhere sensible\n", unsigned(c), set->displayName);
        }
        CHECK_EQ(wrong, size_t(0));
        CHECK_EQ(misplaced, size_t(0));
        CHECK(held >= expected.atLeast);
    }
}

} // namespace

int main()
{
    everyCharacterOfEverySet();
    return finish("disc_charset_test");
}
