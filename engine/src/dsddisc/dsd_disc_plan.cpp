#include "dsddisc/dsd_disc_plan.h"

#include "cli/genre_table.h"
#include "image/cover_picture.h"
#include "image/disc_plan.h"
#include "image/file_system_bridge.h"
#include "run/pack_plan.h"
#include "signal/dsd_file_layout.h"

#include <QFileInfo>

#include <cstdio>

namespace orvi::engine::dsddisc {

namespace {

constexpr uint64_t kSector = 2048;
constexpr size_t kMaxTracks = 999; // three-digit name prefixes

uint64_t sectors(uint64_t bytes)
{
    return (bytes + kSector - 1) / kSector;
}

std::string dateText(const DiscDate& date)
{
    if (date.year == 0)
        return {};
    char text[16];
    if (date.month == 0)
        std::snprintf(text, sizeof text, "%04u", unsigned(date.year));
    else
        std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned(date.year), unsigned(date.month),
                      unsigned(date.day));
    return text;
}

std::vector<const DiscTrack*> tracksInOrder(const DiscContent& disc)
{
    std::vector<const DiscTrack*> tracks;
    for (const auto* area : {&disc.stereoTracks, &disc.multichannelTracks}) {
        for (const DiscTrack& track : *area)
            tracks.push_back(&track);
    }
    return tracks;
}

signal::TagFields tagFor(const DiscContent& disc, const DiscTrack& track, size_t number, size_t total)
{
    signal::TagFields tag;
    tag.version = 3;
    tag.title = track.text.title;
    tag.artist = track.text.performer;
    tag.album = disc.text.album;
    tag.albumArtist = disc.text.artist;
    tag.composer = track.text.composer;
    tag.genre = std::string(generalGenreName(disc.genreIndex));
    tag.date = dateText(disc.date);
    tag.isrc = track.text.isrc;
    tag.publisher = disc.text.publisher;
    tag.copyright = disc.text.copyright;
    tag.trackNumber = int(number);
    tag.trackTotal = int(total);
    tag.discNumber = disc.discNumber;
    tag.discTotal = disc.discTotal;
    return tag;
}

void planTitle(const DiscContent& disc, const DsdDiscOptions& options, DsdDiscPlan& plan,
               std::vector<std::string>& warnings)
{
    plan.title = options.title.value_or(disc.text.album);
    if (plan.title.empty())
        plan.title = "DSD Disc";
    plan.volume = volumeIdentifierFor(plan.title);
    if (plan.volume.cut)
        warnings.push_back("--title: \"" + plan.title + "\" is cut to \"" + plan.volume.udf
                           + "\" for the volume identifier, which holds 30 characters (15 beyond Latin-1)");
    const std::string folder = portableName(plan.title);
    plan.folderName = fittedName("", folder, "");
    if (options.playlist)
        plan.playlistName = fittedName("", folder, ".ovp");
}

} // namespace

DsdDiscPlan planDsdDisc(const DiscContent& disc, const DsdDiscOptions& options, std::vector<std::string>& errors,
                        std::vector<std::string>& warnings)
{
    DsdDiscPlan plan;
    planTitle(disc, options, plan, warnings);
    if (!disc.coverPath.empty()) {
        std::string problem;
        const std::unique_ptr<CoverPicture> cover = CoverPicture::open(disc.coverPath, problem);
        if (!cover || !cover->readAll(plan.picture, problem))
            errors.push_back("--cover: " + problem);
        else
            plan.pictureMime = cover->mimeType();
    }

    const std::vector<const DiscTrack*> tracks = tracksInOrder(disc);
    if (tracks.empty())
        errors.push_back("tracks: no track to write");
    if (tracks.size() > kMaxTracks)
        errors.push_back("tracks: " + std::to_string(tracks.size()) + " tracks, a DSD Disc takes at most "
                         + std::to_string(kMaxTracks));
    uint64_t dataSectors = 0;
    for (size_t i = 0; i < tracks.size(); ++i) {
        const DiscTrack& track = *tracks[i];
        DsdDiscFile file;
        file.track = &track;
        file.tag = tagFor(disc, track, i + 1, tracks.size());
        const std::string name = track.text.title.empty()
            ? QFileInfo(QString::fromStdString(track.path)).completeBaseName().toStdString()
            : track.text.title;
        file.fileName = trackFileName(i + 1, tracks.size(), name);
        if (!track.source) {
            errors.push_back("track " + std::to_string(i + 1) + ": " + track.path + ": no audio");
            continue;
        }
        const uint64_t tagBytes = renderFileTag(plan, file).size();
        file.bytes = signal::dsfFileBytes(track.source->channelCount(), track.source->sampleCount(), tagBytes);
        plan.samples += track.source->sampleCount();
        dataSectors += sectors(file.bytes);
        plan.files.push_back(std::move(file));
    }
    if (!plan.playlistName.empty())
        dataSectors += sectors(playlistText(plan, plan.files.size()).size());
    // The file-system structures: a file entry per file, a few sectors of
    // directories and descriptors.
    plan.imageBytes = (kUdfAnchorLsn + 1 + dataSectors + plan.files.size() + 32) * kSector;
    checkCapacity(plan.imageBytes, errors, warnings);
    return plan;
}

std::vector<uint8_t> renderFileTag(const DsdDiscPlan& plan, const DsdDiscFile& file)
{
    signal::TagFields tag = file.tag;
    tag.picture = plan.picture;
    tag.pictureMime = plan.pictureMime;
    return signal::renderId3Tag(tag);
}

std::string rootPath(const DsdDiscPlan& plan, const DsdDiscFile& file)
{
    return std::string("/") + kRootFolder + "/" + plan.folderName + "/" + file.fileName;
}

// A line break inside a text would end its playlist line early.
std::string oneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

std::string playlistText(const DsdDiscPlan& plan, size_t tracks)
{
    std::string text = "#OVP 1\n#TITLE " + oneLine(plan.title) + "\n";
    for (size_t i = 0; i < tracks && i < plan.files.size(); ++i) {
        const DsdDiscFile& file = plan.files[i];
        text +=
            "#TRACK " + std::to_string(i + 1) + "|" + oneLine(file.tag.title) + "|" + oneLine(file.tag.artist) + "\n";
        text += rootPath(plan, file) + "\n";
    }
    return text;
}

std::string dsdDiscPlanLine(const DsdDiscPlan& plan)
{
    const uint64_t seconds = plan.samples / kDsd64Rate;
    const size_t count = plan.files.size();
    char line[96];
    std::snprintf(line, sizeof line, ": %zu %s %llu:%02llu; estimated size ", count, count == 1 ? "track" : "tracks",
                  static_cast<unsigned long long>(seconds / 60), static_cast<unsigned long long>(seconds % 60));
    return "DSD Disc \"" + plan.title + "\"" + line + sizeText(plan.imageBytes);
}

} // namespace orvi::engine::dsddisc
