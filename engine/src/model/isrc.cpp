#include "model/isrc.h"

#include <cctype>

namespace orvi::engine {

std::optional<std::string> normalizeIsrc(std::string_view text)
{
    std::string compact;
    if (text.size() == 15) {
        if (text[2] != '-' || text[6] != '-' || text[9] != '-')
            return std::nullopt;
        compact = std::string(text.substr(0, 2)) + std::string(text.substr(3, 3)) + std::string(text.substr(7, 2))
            + std::string(text.substr(10));
    } else if (text.size() == 12) {
        compact = std::string(text);
    } else {
        return std::nullopt;
    }
    for (size_t i = 0; i < compact.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(compact[i]);
        const bool ok = i < 2 ? std::isalpha(c) : i < 5 ? std::isalnum(c) : std::isdigit(c);
        if (!ok || c >= 0x80)
            return std::nullopt;
        compact[i] = static_cast<char>(std::toupper(c));
    }
    return compact;
}

} // namespace orvi::engine
