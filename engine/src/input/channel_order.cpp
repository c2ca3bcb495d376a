#include "input/channel_order.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orvi::engine {

namespace {

struct Placement {
    std::string_view id;
    int stereo, five, six; // disc positions, -1 = not in that layout
};

// The stereo IDs and the multichannel front IDs both mean left and right.
constexpr std::array<Placement, 8> kPlacements{{
    {"SLFT", 0, 0, 0},
    {"SRGT", 1, 1, 1},
    {"MLFT", 0, 0, 0},
    {"MRGT", 1, 1, 1},
    {"C   ", -1, 2, 2},
    {"LFE ", -1, -1, 3},
    {"LS  ", -1, 3, 4},
    {"RS  ", -1, 4, 5},
}};

int positionOf(std::string_view id, size_t channels)
{
    for (const Placement& p : kPlacements) {
        if (p.id == id)
            return channels == 2 ? p.stereo : channels == 5 ? p.five : channels == 6 ? p.six : -1;
    }
    return -1;
}

} // namespace

std::optional<std::vector<uint8_t>> discChannelOrder(const std::vector<std::string>& ids, std::string& problem)
{
    std::vector<uint8_t> order;
    std::vector<bool> taken(ids.size(), false);
    for (const std::string& id : ids) {
        const int position = positionOf(id, ids.size());
        if (position < 0 || taken[size_t(position)]) {
            problem = "channel '" + id + "' cannot be placed on the disc with " + std::to_string(ids.size())
                + " channels (" + (position < 0 ? "unknown or not in this layout" : "named twice")
                + "); the channel list is ";
            for (size_t i = 0; i < ids.size(); ++i)
                problem += (i ? ", '" : "'") + ids[i] + "'";
            return std::nullopt;
        }
        taken[size_t(position)] = true;
        order.push_back(uint8_t(position));
    }
    return order;
}

bool isIdentityOrder(const std::vector<uint8_t>& order)
{
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] != i)
            return false;
    }
    return true;
}

void reorderChannels(uint8_t* bytes, size_t count, const std::vector<uint8_t>& order)
{
    const size_t channels = order.size();
    std::array<uint8_t, 8> frame{};
    for (size_t at = 0; at + channels <= count; at += channels) {
        for (size_t c = 0; c < channels; ++c)
            frame[order[c]] = bytes[at + c];
        std::copy_n(frame.begin(), channels, bytes + at);
    }
}

} // namespace orvi::engine
