#include "image/disc_plan.h"

#include "image/image_writer.h"
#include "image/sacd_layout.h"
#include "image/toc_builder.h"
#include "model/isrc.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace orvi::engine {

namespace {

constexpr uint64_t kSamplesPerFrame = kDsd64Rate / kFramesPerSecond;
constexpr uint64_t kSingleLayerBytes = 4'700'000'000ull;
constexpr uint64_t kDualLayerBytes = 8'500'000'000ull;
constexpr uint16_t kGeneralGenreCount = 29;

std::string gigabytes(uint64_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f GB", double(bytes) / 1e9);
    return text;
}

// The disc stores an ISRC as its 12 characters without hyphens.
bool isIsrc(const std::string& isrc)
{
    return isrc.size() == 12 && normalizeIsrc(isrc).has_value();
}

void checkDiscFields(const DiscContent& disc, std::vector<std::string>& errors)
{
    if (disc.catalogNumber.size() > 16)
        errors.push_back("--catalog: \"" + disc.catalogNumber + "\" has " + std::to_string(disc.catalogNumber.size())
                         + " characters, at most 16 fit");
    if (std::any_of(disc.catalogNumber.begin(), disc.catalogNumber.end(), [](char c) { return c < 0x20 || c > 0x7e; }))
        errors.push_back("--catalog: \"" + disc.catalogNumber
                         + "\" may hold only ISO 646 characters (letters, digits, punctuation)");
    if (disc.genreIndex > kGeneralGenreCount)
        errors.push_back("--genre: index " + std::to_string(disc.genreIndex) + " is not in the General genre table (1.."
                         + std::to_string(kGeneralGenreCount) + ")");
    if (disc.discTotal < 1)
        errors.push_back("--disc-total: must be 1..65535");
    if (disc.discNumber < 1 || disc.discNumber > disc.discTotal)
        errors.push_back("--disc: " + std::to_string(disc.discNumber) + " must be 1.."
                         + std::to_string(disc.discTotal));
    if (disc.date.month > 12 || disc.date.day > 31 || (disc.date.day != 0 && disc.date.month == 0)
        || (disc.date.year == 0 && (disc.date.month != 0 || disc.date.day != 0)))
        errors.push_back("--date: not a calendar date");
}

void checkArea(const std::vector<DiscTrack>& tracks, bool multichannel, size_t numberBase,
               std::vector<std::string>& errors)
{
    const std::string area = multichannel ? "multichannel" : "stereo";
    if (tracks.size() > sacd::kMaxTracks)
        errors.push_back("tracks: " + std::to_string(tracks.size()) + " " + area + " tracks, an area holds at most "
                         + std::to_string(sacd::kMaxTracks));
    const int areaChannels = tracks.empty() || !tracks.front().source ? 0 : tracks.front().source->channelCount();
    for (size_t i = 0; i < tracks.size(); ++i) {
        const DiscTrack& track = tracks[i];
        const std::string label = "track " + std::to_string(track.number ? track.number : numberBase + i + 1);
        const int channels = track.source ? track.source->channelCount() : 0;
        if (!track.source)
            errors.push_back(label + ": " + track.path + ": no audio");
        else if (!multichannel && channels != 2)
            errors.push_back(label + ": " + track.path + ": " + std::to_string(channels)
                             + "-channel audio, the stereo area takes 2 channels");
        else if (multichannel && channels != 5 && channels != 6)
            errors.push_back(label + ": " + track.path + ": " + std::to_string(channels)
                             + "-channel audio, the multichannel area takes 5 or 6 channels");
        else if (channels != areaChannels)
            errors.push_back(
                label + ": " + track.path + ": " + std::to_string(channels)
                + " channels, but the multichannel area has " + std::to_string(areaChannels)
                + " (the first multichannel track's count): one disc takes 5- or 6-channel tracks, not both");
        if (!track.text.isrc.empty() && !isIsrc(track.text.isrc))
            errors.push_back(label + " ISRC: \"" + track.text.isrc
                             + "\" is not an ISRC (2 letters, 3 letters or digits, 7 digits)");
    }
}

void checkTracks(const DiscContent& disc, std::vector<std::string>& errors)
{
    if (disc.stereoTracks.empty() && disc.multichannelTracks.empty())
        errors.push_back("tracks: no track to write");
    checkArea(disc.stereoTracks, false, 0, errors);
    checkArea(disc.multichannelTracks, true, disc.stereoTracks.size(), errors);
}

AreaPlan planArea(const std::vector<DiscTrack>& tracks, bool dst, const EncodedDiscText& text, const TrackItems& items)
{
    AreaPlan area;
    if (tracks.empty())
        return area;
    area.dst = dst;
    area.channelCount = tracks.front().source ? tracks.front().source->channelCount() : 0;
    if (text.charset)
        area.tocSectors = areaTocSectors(text, items, tracks.size(), dst);
    for (size_t i = 0; i < tracks.size(); ++i) {
        const DiscTrack& track = tracks[i];
        const uint64_t frames = track.source ? framesForSamples(track.source->sampleCount()) : 0;
        area.trackFrames.push_back(std::max<uint64_t>(frames, kFramesPerSecond));
        area.totalFrames += (i == 0 ? 0 : track.pauseFrames) + area.trackFrames.back();
    }
    return area;
}

// Sectors of an area's Track Area: exact for plain DSD; for DST, what
// uncompressed frames take, or (coded) a typical 2.5:1 of it.
uint64_t trackAreaSectors(const AreaPlan& area, const DstSettings& dst)
{
    if (area.tocSectors == 0)
        return 0;
    if (!area.dst)
        return sacd::trackAreaSectors(area.totalFrames);
    const uint64_t plainBytes = area.totalFrames * (uint64_t(area.channelCount) * kBytesPerChannelFrame + 8);
    const bool coded = area.channelCount == 2 || !dst.noEncode;
    return (coded ? plainBytes * 2 / 5 : plainBytes) / 2040 + 1;
}

} // namespace

uint64_t framesForSamples(uint64_t samplesPerChannel)
{
    return (samplesPerChannel + kSamplesPerFrame - 1) / kSamplesPerFrame;
}

DiscPlan planDisc(const DiscContent& disc, std::vector<std::string>& errors, std::vector<std::string>& warnings)
{
    DiscPlan plan;
    checkDiscFields(disc, errors);
    checkTracks(disc, errors);

    DiscTextResult text = encodeDiscText(disc);
    errors.insert(errors.end(), text.errors.begin(), text.errors.end());
    plan.text = std::move(text.text);
    if (plan.text.charset) {
        const std::vector<std::string> limits = textLimitProblems(plan.text);
        errors.insert(errors.end(), limits.begin(), limits.end());
    }
    plan.stereo = planArea(disc.stereoTracks, disc.dst.stereo, plan.text, plan.text.tracks);
    plan.multichannel = planArea(disc.multichannelTracks, true, plan.text, plan.text.multichannelTracks);

    // The file-system bridge adds a file entry per file and a few sectors
    // of directories after the last area, next to the cover picture.
    const uint64_t bridgeSectors = disc.stereoTracks.size() + disc.multichannelTracks.size() + 32;
    const QFileInfo cover(QString::fromStdString(disc.coverPath));
    const uint64_t coverSectors = disc.coverPath.empty() || !cover.isFile()
        ? 0
        : (uint64_t(cover.size()) + sacd::kSectorSize - 1) / sacd::kSectorSize;
    plan.imageBytes = (uint64_t(sacd::kStereoAreaLsn) + 2ull * plan.stereo.tocSectors
                       + trackAreaSectors(plan.stereo, disc.dst) + 2ull * plan.multichannel.tocSectors
                       + trackAreaSectors(plan.multichannel, disc.dst) + coverSectors + bridgeSectors)
        * sacd::kSectorSize;
    checkCapacity(plan.imageBytes, errors, warnings);
    return plan;
}

void checkCapacity(uint64_t imageBytes, std::vector<std::string>& errors, std::vector<std::string>& warnings)
{
    if (imageBytes > kDualLayerBytes)
        errors.push_back("tracks: the image would take " + gigabytes(imageBytes)
                         + ", more than a dual-layer disc holds (8.5 GB)");
    else if (imageBytes > kSingleLayerBytes)
        warnings.push_back("the image takes " + gigabytes(imageBytes)
                           + ", more than a single-layer disc holds (4.7 GB): it needs a dual-layer disc");
}

std::vector<std::string> validateDisc(const DiscContent& disc, std::vector<std::string>& warnings)
{
    std::vector<std::string> errors;
    planDisc(disc, errors, warnings);
    return errors;
}

} // namespace orvi::engine
