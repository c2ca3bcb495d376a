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

std::string planLine(const DiscSpec& disc, uint64_t totalFrames, uint64_t imageBytes)
{
    const uint64_t seconds = totalFrames / kFramesPerSecond;
    const size_t count = disc.stereoTracks.size();
    char line[160];
    std::snprintf(line, sizeof line, "1 area: stereo %zu %s %llu:%02llu; estimated size %s", count,
                  count == 1 ? "track" : "tracks", static_cast<unsigned long long>(seconds / 60),
                  static_cast<unsigned long long>(seconds % 60), sizeText(imageBytes).c_str());
    return line;
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
    while (lastStep_ < step)
        lines.push_back("progress: " + std::to_string(++lastStep_ * 5) + "%");
    return lines;
}

} // namespace orvi::engine
