#include "run/pack_plan.h"

#include <algorithm>
#include <cstdio>

namespace orvi::engine {

namespace {

constexpr uint64_t kSamplesPerFrame = uint64_t(kBytesPerChannelFrame) * 8;
constexpr uint64_t kSectorBytes = 2048;
// Sectors before the first area: file system, master TOCs and the gap.
constexpr uint64_t kLeadSectors = 544;
// One plain area TOC with track text, written twice.
constexpr uint64_t kAreaTocSectors = 2 * 8;

std::string fileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string sizeText(uint64_t bytes)
{
    char text[32];
    if (bytes >= 1000000000ULL)
        std::snprintf(text, sizeof text, "%.2f GB", double(bytes) / 1e9);
    else
        std::snprintf(text, sizeof text, "%.1f MB", double(bytes) / 1e6);
    return text;
}

} // namespace

uint64_t trackFrames(uint64_t samplesPerChannel)
{
    const uint64_t frames = (samplesPerChannel + kSamplesPerFrame - 1) / kSamplesPerFrame;
    return frames < kFramesPerSecond ? kFramesPerSecond : frames;
}

std::string planLine(const DiscSpec& disc, uint64_t coverBytes)
{
    uint64_t frames = 0;
    for (const DiscTrack& track : disc.stereoTracks)
        frames += track.pauseFrames + (track.source ? trackFrames(track.source->sampleCount()) : 0);
    // 3 frames in 14 sectors, plus the closing sector of the track area.
    const uint64_t audioSectors = (frames * 14 + 2) / 3 + 1;
    const uint64_t bytes = (kLeadSectors + kAreaTocSectors + audioSectors) * kSectorBytes + coverBytes;
    const uint64_t seconds = frames / kFramesPerSecond;
    const size_t count = disc.stereoTracks.size();
    char line[160];
    std::snprintf(line, sizeof line, "1 area: stereo %zu %s %llu:%02llu; estimated size %s", count,
                  count == 1 ? "track" : "tracks", static_cast<unsigned long long>(seconds / 60),
                  static_cast<unsigned long long>(seconds % 60), sizeText(bytes).c_str());
    return line;
}

std::string trackLine(size_t number, size_t total, const DiscTrack& track)
{
    const std::string file = fileNameOf(track.path);
    const std::string& title = track.text.title.empty() ? file : track.text.title;
    return "[" + std::to_string(number) + "/" + std::to_string(total) + "] " + title + " \u2014 " + file;
}

std::string ProgressSteps::advance(uint64_t done, uint64_t total)
{
    if (total == 0)
        return {};
    const int step = int(std::min<uint64_t>(done, total) * 20 / total);
    if (step <= lastStep_)
        return {};
    lastStep_ = step;
    return "progress: " + std::to_string(step * 5) + "%";
}

} // namespace orvi::engine
