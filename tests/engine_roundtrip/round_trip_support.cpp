#include "round_trip_support.h"

#include "input/track_reader.h"

#include <algorithm>
#include <cstdio>

namespace orvi::enginetest {

std::vector<uint8_t> dsdData(const std::string& path)
{
    orvi::engine::OpenedTrack track = orvi::engine::openTrack(path);
    if (!track.errors.empty()) {
        std::fprintf(stderr, "cannot read %s: %s\n", path.c_str(), track.errors.front().c_str());
        return {};
    }
    std::vector<uint8_t> data;
    std::vector<uint8_t> chunk(64 * 1024);
    std::string error;
    int64_t got;
    while ((got = track.source->read(chunk.data(), chunk.size(), error)) > 0)
        data.insert(data.end(), chunk.begin(), chunk.begin() + got);
    if (got < 0)
        std::fprintf(stderr, "cannot read %s: %s\n", path.c_str(), error.c_str());
    return data;
}

bool holdsInputThenSilence(const std::vector<uint8_t>& extracted, const std::vector<uint8_t>& input)
{
    constexpr uint8_t kDsdSilence = 0x69;
    if (input.empty() || extracted.size() < input.size())
        return false;
    return std::equal(input.begin(), input.end(), extracted.begin())
        && std::all_of(extracted.begin() + std::ptrdiff_t(input.size()), extracted.end(),
                       [](uint8_t byte) { return byte == kDsdSilence; });
}

} // namespace orvi::enginetest
