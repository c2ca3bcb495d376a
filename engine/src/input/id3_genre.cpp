#include "input/id3_genre.h"

#include "cli/genre_table.h"

#include <taglib/id3v1genres.h>

#include <array>
#include <cctype>
#include <string>
#include <utility>

namespace orvi::engine {

namespace {

// Letters and digits only, lower case: "Hip-Hop", "hip hop" and "HipHop"
// compare equal, "R&B" becomes "rb".
std::string folded(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            out += char(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// Common tag genres (ID3v1's list and what taggers write) by their nearest
// General genre.
constexpr std::array<std::pair<std::string_view, uint16_t>, 60> kAliases{{
    {"adultcontemporary", 2},
    {"alternative", 3},
    {"altrock", 3},
    {"alternrock", 3},
    {"indie", 3},
    {"indierock", 3},
    {"grunge", 3},
    {"childrens", 4},
    {"childrensmusic", 4},
    {"kids", 4},
    {"classical", 5},
    {"baroque", 5},
    {"chambermusic", 5},
    {"symphony", 5},
    {"christian", 6},
    {"christianrock", 6},
    {"country", 7},
    {"dance", 8},
    {"electronic", 8},
    {"techno", 8},
    {"house", 8},
    {"disco", 8},
    {"trance", 8},
    {"eurodance", 8},
    {"easylistening", 9},
    {"lounge", 9},
    {"folk", 11},
    {"gospel", 12},
    {"hiphop", 13},
    {"jazz", 14},
    {"swing", 14},
    {"bebop", 14},
    {"latin", 15},
    {"salsa", 15},
    {"tango", 15},
    {"showtunes", 16},
    {"newage", 17},
    {"ambient", 17},
    {"pop", 20},
    {"rap", 21},
    {"gangsta", 21},
    {"ska", 22},
    {"rock", 23},
    {"classicrock", 23},
    {"hardrock", 23},
    {"softrock", 23},
    {"metal", 23},
    {"heavymetal", 23},
    {"punk", 23},
    {"punkrock", 23},
    {"rb", 24},
    {"rnb", 24},
    {"soul", 24},
    {"funk", 24},
    {"soundclip", 25},
    {"soundtrack", 26},
    {"score", 26},
    {"speech", 27},
    {"audiobook", 27},
    {"world", 28},
}};

// "(17)" and "17" are ID3v1 genre numbers, not General table indexes.
std::string id3v1Name(std::string_view genre)
{
    std::string_view number = genre;
    if (number.size() > 2 && number.front() == '(' && number.back() == ')')
        number = number.substr(1, number.size() - 2);
    if (number.empty() || number.size() > 3)
        return std::string(genre);
    int index = 0;
    for (char c : number) {
        if (c < '0' || c > '9')
            return std::string(genre);
        index = index * 10 + (c - '0');
    }
    return TagLib::ID3v1::genre(index).to8Bit(true);
}

} // namespace

std::optional<uint16_t> discGenreForTag(std::string_view genre)
{
    const std::string name = folded(id3v1Name(genre));
    if (name.empty())
        return std::nullopt;
    for (uint16_t index = 2; index <= kGeneralGenreCount; ++index) {
        if (folded(generalGenreName(index)) == name)
            return index;
    }
    for (const auto& [alias, index] : kAliases) {
        if (alias == name)
            return index;
    }
    return std::nullopt;
}

} // namespace orvi::engine
