// The disc text sets, character by character: every character a set holds
// goes onto the disc and decodes, with a converter of another make, to what
// was typed; every character it lacks is refused there and goes to a set
// that holds it, or is refused with a message.

#include "independent_codec.h"
#include "image_test_support.h"
#include "text/disc_charset.h"
#include "text/utf8.h"

using namespace orvi::engine;
using orvi::test::commonForm;

namespace {

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

// The one character `utf8` holds; 0 for none or several.
char32_t single(const std::optional<std::string>& utf8)
{
    const std::u32string text = utf8 ? text::decodeUtf8(*utf8) : U"";
    return text.size() == 1 ? text[0] : 0;
}

// A typed variant is written as the set's own form, which a reader may show
// in either form.
void everyCharacterOfEverySet(uint8_t code, size_t atLeast) // characters of the standard, printable ASCII included
{
    const DiscCharset* set = discCharsetByCode(code);
    if (!CHECK(set != nullptr))
        return;
    size_t held = 0, wrong = 0, misplaced = 0;
    for (char32_t c = 0x20; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const std::string typed = text::encodeUtf8(std::u32string(1, c));
        if (const auto bytes = encodeInCharset(*set, typed)) {
            ++held;
            const char32_t read =
                single(orvi::test::decodeIndependently(orvi::test::iconvNameForDiscCode(code), *bytes));
            if (read == 0 && windowsLacks(code, c))
                continue;
            const char32_t ours = single(decodeInCharset(*set, *bytes));
            const bool ok = read != 0 && commonForm(c) == commonForm(read) && commonForm(ours) == commonForm(read)
                && chooseDiscCharset({{"t", typed}}).charset != nullptr;
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
    CHECK(wrong == 0 && misplaced == 0 && held >= atLeast);
}

} // namespace

int main()
{
    for (const auto& [code, atLeast] :
         {std::pair<uint8_t, size_t>{2, 191}, {3, 6'900}, {4, 8'300}, {5, 7'500}, {6, 13'500}})
        everyCharacterOfEverySet(code, atLeast);
    return imagetest::finish("disc_charset_test");
}
