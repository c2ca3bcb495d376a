#pragma once

#include "input/track_reader.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace orvi::enginetest {

// A track's whole DSD data in the disc's byte order, read through the
// engine's own input reader; empty with a message on stderr on failure.
inline std::vector<uint8_t> dsdData(const std::string& path)
{
    orvi::engine::OpenedTrack track = orvi::engine::openTrack(path);
    std::vector<uint8_t> data, chunk(64 * 1024);
    std::string error = track.errors.empty() ? "" : track.errors.front();
    for (int64_t got = 1; error.empty() && got > 0;) {
        got = track.source->read(chunk.data(), chunk.size(), error);
        data.insert(data.end(), chunk.begin(), chunk.begin() + std::max<int64_t>(got, 0));
    }
    if (!error.empty())
        std::fprintf(stderr, "cannot read %s: %s\n", path.c_str(), error.c_str());
    return error.empty() ? data : std::vector<uint8_t>();
}

// True when `extracted` starts with `input` and continues only with the
// DSD silence that pads a track to whole frames (and to one second).
inline bool holdsInputThenSilence(const std::vector<uint8_t>& extracted, const std::vector<uint8_t>& input)
{
    return !input.empty() && extracted.size() >= input.size()
        && std::equal(input.begin(), input.end(), extracted.begin())
        && std::all_of(extracted.begin() + std::ptrdiff_t(input.size()), extracted.end(),
                       [](uint8_t byte) { return byte == 0x69; });
}

} // namespace orvi::enginetest
