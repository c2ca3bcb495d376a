#include "cli/value_checks.h"

#include "cli/genre_table.h"
#include "model/isrc.h"

#include <algorithm>
#include <cctype>

namespace orvi::engine::cli {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

unsigned digitsValue(std::string_view digits)
{
    unsigned value = 0;
    for (char c : digits)
        value = value * 10 + unsigned(c - '0');
    return value;
}

bool isLeapYear(unsigned year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned daysInMonth(unsigned year, unsigned month)
{
    static constexpr unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

} // namespace

Checked<uint16_t> checkGenre(std::string_view text)
{
    if (auto index = findGeneralGenre(text))
        return {index, {}};
    if (allDigits(text))
        return Checked<uint16_t>::fail("genre index " + std::string(text) + " is not in 1..29");
    return Checked<uint16_t>::fail("unknown genre " + quoted(text)
                                   + "; use an index 1..29 or one of: " + generalGenreNameList());
}

Checked<DiscDate> checkDate(std::string_view text)
{
    const std::string problem = quoted(text) + " is not a real calendar date (YYYY-MM-DD)";
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !allDigits(text.substr(0, 4))
        || !allDigits(text.substr(5, 2)) || !allDigits(text.substr(8, 2)))
        return Checked<DiscDate>::fail(problem);
    const unsigned year = digitsValue(text.substr(0, 4));
    const unsigned month = digitsValue(text.substr(5, 2));
    const unsigned day = digitsValue(text.substr(8, 2));
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return Checked<DiscDate>::fail(problem);
    return {DiscDate{uint16_t(year), uint8_t(month), uint8_t(day)}, {}};
}

Checked<uint16_t> checkYear(std::string_view text)
{
    if (text.size() != 4 || !allDigits(text) || digitsValue(text) == 0)
        return Checked<uint16_t>::fail(quoted(text) + " is not a year (YYYY)");
    return {uint16_t(digitsValue(text)), {}};
}

Checked<std::string> checkCatalogNumber(std::string_view text)
{
    // The disc's catalogue fields hold 16 ISO 646 characters; printable
    // ASCII is the part of it every reader shows alike.
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7e; }))
        return Checked<std::string>::fail(quoted(text) + " has characters outside ISO 646 (printable ASCII)");
    if (text.size() > 16)
        return Checked<std::string>::fail(quoted(text) + " is longer than 16 characters");
    return {std::string(text), {}};
}

Checked<std::string> checkBarcode(std::string_view text)
{
    if (!allDigits(text) || (text.size() != 12 && text.size() != 13))
        return Checked<std::string>::fail(quoted(text) + " is not a UPC-A (12 digits) or EAN-13 (13 digits) barcode");
    // Weights 3,1,3,... counted from the digit left of the check digit;
    // the same rule serves UPC-A and EAN-13.
    unsigned sum = 0;
    const size_t payload = text.size() - 1;
    for (size_t i = 0; i < payload; ++i) {
        const unsigned digit = unsigned(text[payload - 1 - i] - '0');
        sum += (i % 2 == 0) ? 3 * digit : digit;
    }
    const unsigned expected = (10 - sum % 10) % 10;
    if (unsigned(text.back() - '0') != expected)
        return Checked<std::string>::fail(quoted(text) + " has a wrong check digit (expected "
                                          + std::to_string(expected) + ")");
    return {std::string(text), {}};
}

Checked<std::string> checkIsrc(std::string_view text)
{
    if (auto compact = normalizeIsrc(text))
        return {std::move(*compact), {}};
    return Checked<std::string>::fail(quoted(text)
                                      + " is not an ISRC (CC-OOO-YY-DDDDD or the same 12 characters without hyphens)");
}

Checked<uint32_t> checkNumber(std::string_view text, uint32_t min, uint32_t max)
{
    const std::string problem =
        quoted(text) + " is not a whole number in " + std::to_string(min) + ".." + std::to_string(max);
    if (!allDigits(text) || text.size() > 9)
        return Checked<uint32_t>::fail(problem);
    const unsigned value = digitsValue(text);
    if (value < min || value > max)
        return Checked<uint32_t>::fail(problem);
    return {value, {}};
}

} // namespace orvi::engine::cli
