#include "run/text_resolution.h"

#include "cli/genre_table.h"
#include "cli/value_checks.h"

#include <algorithm>
#include <initializer_list>

namespace orvi::engine {

namespace {

const std::string& firstGiven(std::initializer_list<const std::string*> candidates)
{
    static const std::string kNone;
    for (const std::string* candidate : candidates) {
        if (!candidate->empty())
            return *candidate;
    }
    return kNone;
}

std::string joinDistinct(std::initializer_list<const std::string*> parts)
{
    std::vector<std::string> taken;
    std::string joined;
    for (const std::string* part : parts) {
        if (part->empty() || std::find(taken.begin(), taken.end(), *part) != taken.end())
            continue;
        taken.push_back(*part);
        if (!joined.empty())
            joined += "; ";
        joined += *part;
    }
    return joined;
}

AlbumText resolveAlbumText(const AlbumText& given, const CueSheet* cue, const std::vector<OpenedTrack>& tracks)
{
    static const AlbumText kNoAlbum;
    const AlbumText& inFile = tracks.empty() ? kNoAlbum : tracks.front().album;
    const std::string noCue;
    AlbumText text;
    text.album = firstGiven({&given.album, cue ? &cue->title : &noCue, &inFile.album});
    text.artist = firstGiven({&given.artist, cue ? &cue->performer : &noCue, &inFile.artist});
    text.publisher = firstGiven({&given.publisher, &inFile.publisher});
    text.copyright = firstGiven({&given.copyright, &inFile.copyright});
    text.composer = firstGiven({&given.composer, &inFile.composer});
    text.conductor = given.conductor;
    text.orchestra = given.orchestra;
    return text;
}

std::string usableIsrc(const std::string& candidate, const std::string& origin, std::vector<std::string>& warnings)
{
    if (candidate.empty())
        return {};
    auto checked = cli::checkIsrc(candidate);
    if (!checked.value) {
        warnings.push_back(origin + ": ISRC " + checked.problem + "; not written");
        return {};
    }
    return *checked.value;
}

TrackText resolveTrackText(const TrackText& given, const CueTrack* cueTrack, const OpenedTrack& track,
                           const std::string& path, const AlbumText& album, std::vector<std::string>& warnings)
{
    static const CueTrack kNoCueTrack;
    const CueTrack& cue = cueTrack ? *cueTrack : kNoCueTrack;
    TrackText text;
    text.title = firstGiven({&given.title, &cue.title, &track.text.title});
    text.performer = firstGiven({&given.performer, &cue.performer, &track.text.performer});
    if (text.performer.empty())
        text.performer = joinDistinct({&album.artist, &album.conductor, &album.orchestra});
    text.composer = firstGiven({&track.text.composer, &album.composer});
    if (!given.isrc.empty())
        text.isrc = given.isrc; // already checked with its option
    if (text.isrc.empty())
        text.isrc = usableIsrc(cue.isrc, "CUE sheet track " + std::to_string(cue.number), warnings);
    if (text.isrc.empty())
        text.isrc = usableIsrc(track.text.isrc, path, warnings);
    return text;
}

void takeInFileDiscFields(const OpenedTrack& first, const std::string& path, DiscSpec& disc,
                          std::vector<std::string>& warnings)
{
    if (disc.genreIndex == 0 && !first.genre.empty()) {
        if (auto index = findGeneralGenre(first.genre))
            disc.genreIndex = *index;
        else
            warnings.push_back(path + ": genre \"" + first.genre
                               + "\" is not in the disc's genre table; no genre written");
    }
    if (disc.date.year == 0 && !first.date.empty()) {
        if (auto date = cli::checkDate(first.date.substr(0, 10)).value)
            disc.date = *date;
        else if (auto year = cli::checkYear(first.date.substr(0, 4)).value)
            disc.date = DiscDate{*year, 0, 0};
    }
}

} // namespace

DiscSpec buildDiscSpec(const cli::PackSettings& settings, const CueSheet* cue, std::vector<OpenedTrack>& tracks,
                       std::vector<std::string>& warnings)
{
    DiscSpec disc;
    disc.text = resolveAlbumText(settings.text, cue, tracks);
    disc.genreIndex = settings.genreIndex;
    disc.date = settings.date.value_or(DiscDate{});
    disc.catalogNumber = settings.catalogNumber;
    disc.discNumber = settings.discNumber;
    disc.discTotal = settings.discTotal;
    disc.coverPath = settings.coverPath;
    disc.dst = DstSettings{settings.dstOrder, settings.dstOrderGiven, settings.dstStereo, settings.noEncode};
    if (!tracks.empty())
        takeInFileDiscFields(tracks.front(), settings.tracks.front(), disc, warnings);

    if (cue && !cue->tracks.empty() && cue->tracks.size() != tracks.size())
        warnings.push_back("--cue: the sheet lists " + std::to_string(cue->tracks.size()) + " tracks for "
                           + std::to_string(tracks.size()) + " input tracks; its entries apply in order");

    static const TrackText kNothingGiven;
    for (size_t i = 0; i < tracks.size(); ++i) {
        const auto given = settings.trackText.find(i);
        const CueTrack* cueTrack = cue && i < cue->tracks.size() ? &cue->tracks[i] : nullptr;
        DiscTrack track;
        track.path = settings.tracks[i];
        track.number = i + 1;
        track.text = resolveTrackText(given == settings.trackText.end() ? kNothingGiven : given->second, cueTrack,
                                      tracks[i], track.path, disc.text, warnings);
        track.pauseFrames = i == 0 ? 0 : settings.pauseFrames;
        const bool multichannel = tracks[i].channels > 2;
        track.source = std::move(tracks[i].source);
        (multichannel ? disc.multichannelTracks : disc.stereoTracks).push_back(std::move(track));
    }
    return disc;
}

} // namespace orvi::engine
