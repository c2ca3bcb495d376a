#include "run/pack_plan.h"

#include <algorithm>
#include <cstdio>

namespace orvi::engine {

namespace {

std::string fileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string sizeText(uint64_t bytes)
{
    char text[32];
    if (bytes >= 1000000000ULL)
        std::snprintf(text, sizeof text, "%.2f GB", double(bytes) / 1e9);
    else
        std::snprintf(text, sizeof text, "%.1f MB", double(bytes) / 1e6);
    return text;
}

std::string planLine(const DiscContent& disc, const DiscPlan& plan)
{
    std::string areas;
    int count = 0;
    auto describe = [&](const char* name, const AreaPlan& area, size_t tracks) {
        if (tracks == 0)
            return;
        const uint64_t seconds = area.totalFrames / kFramesPerSecond;
        std::string coding;
        if (area.channelCount > 2)
            coding = " (" + std::to_string(area.channelCount) + " channels, DST)";
        else if (area.dst)
            coding = " (DST)";
        char text[96];
        std::snprintf(text, sizeof text, " %zu %s %llu:%02llu", tracks, tracks == 1 ? "track" : "tracks",
                      static_cast<unsigned long long>(seconds / 60), static_cast<unsigned long long>(seconds % 60));
        areas += (count++ ? ", " : " ") + std::string(name) + coding + text;
    };
    describe("stereo", plan.stereo, disc.stereoTracks.size());
    describe("multichannel", plan.multichannel, disc.multichannelTracks.size());
    return std::to_string(count) + (count == 1 ? " area:" : " areas:") + areas + "; estimated size "
        + sizeText(plan.imageBytes);
}

std::string trackLine(size_t number, size_t total, const DiscTrack& track)
{
    const std::string file = fileNameOf(track.path);
    const std::string& title = track.text.title.empty() ? file : track.text.title;
    return "[" + std::to_string(number) + "/" + std::to_string(total) + "] " + title + " \u2014 " + file;
}

std::vector<std::string> ProgressSteps::advance(uint64_t done, uint64_t total)
{
    std::vector<std::string> lines;
    if (total == 0)
        return lines;
    // A large read may cross several steps at once: each still gets its line.
    const int step = int(std::min<uint64_t>(done, total) * 20 / total);
    while (m_lastStep < step)
        lines.push_back("progress: " + std::to_string(++m_lastStep * 5) + "%");
    return lines;
}

} // namespace orvi::engine
