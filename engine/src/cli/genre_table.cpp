#include "cli/genre_table.h"

#include <array>
#include <cctype>

namespace orvi::engine {

namespace {

constexpr std::array<std::string_view, kGeneralGenreCount> kGenreNames = {
    "Not defined",
    "Adult Contemporary",
    "Alternative Rock",
    "Children's Music",
    "Classical",
    "Contemporary Christian",
    "Country",
    "Dance",
    "Easy Listening",
    "Erotic",
    "Folk",
    "Gospel",
    "Hip Hop",
    "Jazz",
    "Latin",
    "Musical",
    "New Age",
    "Opera",
    "Operetta",
    "Pop Music",
    "RAP",
    "Reggae",
    "Rock Music",
    "Rhythm & Blues",
    "Sound Effects",
    "Sound Track",
    "Spoken Word",
    "World Music",
    "Blues",
};

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<uint16_t> parseSmallIndex(std::string_view text)
{
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + unsigned(c - '0');
    }
    return static_cast<uint16_t>(value);
}

} // namespace

std::string_view generalGenreName(uint16_t index)
{
    if (index < 1 || index > kGeneralGenreCount)
        return {};
    return kGenreNames[index - 1];
}

std::optional<uint16_t> findGeneralGenre(std::string_view nameOrIndex)
{
    if (auto index = parseSmallIndex(nameOrIndex)) {
        if (*index >= 1 && *index <= kGeneralGenreCount)
            return index;
        return std::nullopt;
    }
    for (size_t i = 0; i < kGenreNames.size(); ++i) {
        if (equalsIgnoringCase(kGenreNames[i], nameOrIndex))
            return static_cast<uint16_t>(i + 1);
    }
    return std::nullopt;
}

std::string generalGenreNameList()
{
    std::string list;
    for (std::string_view name : kGenreNames) {
        if (!list.empty())
            list += ", ";
        list += name;
    }
    return list;
}

} // namespace orvi::engine
