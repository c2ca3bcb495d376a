#include "run/text_resolution.h"

#include "cli/value_checks.h"
#include "input/id3_genre.h"
#include "text/utf8.h"

#include <algorithm>
#include <initializer_list>
#include <map>

namespace orvi::engine {

namespace {

// A candidate text and where it came from ("" for the command line).
struct Source {
    const std::string& text;
    std::string origin;
};

// The first candidate that says something (blank text says nothing) into
// `value`, its origin into `origin`.
void takeFirst(std::initializer_list<Source> sources, std::string& value, std::string& origin)
{
    for (const Source& source : sources) {
        if (!text::isBlank(source.text)) {
            value = source.text;
            origin = source.origin;
            return;
        }
    }
}

std::string joinDistinct(std::initializer_list<const std::string*> parts)
{
    std::vector<std::string> taken;
    std::string joined;
    for (const std::string* part : parts) {
        if (text::isBlank(*part) || std::find(taken.begin(), taken.end(), *part) != taken.end())
            continue;
        taken.push_back(*part);
        if (!joined.empty())
            joined += "; ";
        joined += *part;
    }
    return joined;
}

// Album-level tags: the first track file that carries the field.
Source albumTag(const std::vector<OpenedTrack>& tracks, const std::vector<std::string>& paths,
                std::string AlbumText::*field, const char* frame)
{
    static const std::string kNone;
    for (size_t i = 0; i < tracks.size(); ++i) {
        if (!text::isBlank(tracks[i].album.*field))
            return {tracks[i].album.*field, paths[i] + " tag " + frame};
    }
    return {kNone, {}};
}

AlbumText resolveAlbumText(const AlbumText& given, const CueSheet* cue, const std::vector<OpenedTrack>& tracks,
                           const std::vector<std::string>& paths)
{
    static const CueSheet kNoCue;
    const CueSheet& sheet = cue ? *cue : kNoCue;
    AlbumText text;
    takeFirst(
        {{given.album, {}}, {sheet.title, sheet.origins.title}, albumTag(tracks, paths, &AlbumText::album, "TALB")},
        text.album, text.origins.title);
    takeFirst({{given.artist, {}},
               {sheet.performer, sheet.origins.performer},
               albumTag(tracks, paths, &AlbumText::artist, "TPE2")},
              text.artist, text.origins.performer);
    std::string unused;
    takeFirst({{given.publisher, {}}, albumTag(tracks, paths, &AlbumText::publisher, "TPUB")}, text.publisher, unused);
    takeFirst({{given.copyright, {}}, albumTag(tracks, paths, &AlbumText::copyright, "TCOP")}, text.copyright, unused);
    takeFirst({{given.composer, {}}, {sheet.songwriter, sheet.origins.songwriter}}, text.composer,
              text.origins.composer);
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

// Each track's text comes from that track's own sources; the album's text
// fills only what none of them gives.
TrackText resolveTrackText(const TrackText& given, const CueTrack* cueTrack, const OpenedTrack& track,
                           const std::string& path, const AlbumText& album, std::vector<std::string>& warnings)
{
    static const CueTrack kNoCueTrack;
    const CueTrack& cue = cueTrack ? *cueTrack : kNoCueTrack;
    TrackText text;
    takeFirst({{given.title, {}}, {cue.title, cue.origins.title}, {track.text.title, path + " tag"}}, text.title,
              text.origins.title);
    takeFirst({{given.performer, {}}, {cue.performer, cue.origins.performer}, {track.text.performer, path + " tag"}},
              text.performer, text.origins.performer);
    if (text.performer.empty()) {
        text.performer = joinDistinct({&album.artist, &album.conductor, &album.orchestra});
        text.origins.performer = album.origins.performer;
    }
    takeFirst({{cue.songwriter, cue.origins.songwriter},
               {track.text.composer, path + " tag"},
               {album.composer, album.origins.composer}},
              text.composer, text.origins.composer);
    if (!given.isrc.empty())
        text.isrc = given.isrc; // already checked with its option
    if (text.isrc.empty())
        text.isrc = usableIsrc(cue.isrc, "CUE sheet track " + std::to_string(cue.number), warnings);
    if (text.isrc.empty())
        text.isrc = usableIsrc(track.text.isrc, path, warnings);
    if (!track.genre.empty()) {
        if (auto index = discGenreForTag(track.genre))
            text.genreIndex = *index;
        else
            warnings.push_back(path + ": genre \"" + track.genre
                               + "\" has no counterpart in the disc's genre table; no genre written for it");
    }
    return text;
}

// The disc's genre: the one most of the tracks carry (the earliest wins a tie).
uint16_t commonGenre(const DiscContent& disc)
{
    std::map<uint16_t, size_t> counts;
    uint16_t best = 0;
    for (const auto* area : {&disc.stereoTracks, &disc.multichannelTracks}) {
        for (const DiscTrack& track : *area) {
            const uint16_t genre = track.text.genreIndex;
            if (genre != 0 && ++counts[genre] > (best ? counts[best] : 0))
                best = genre;
        }
    }
    return best;
}

DiscDate taggedDate(const std::vector<OpenedTrack>& tracks)
{
    for (const OpenedTrack& track : tracks) {
        if (track.date.empty())
            continue;
        if (auto date = cli::checkDate(track.date.substr(0, 10)).value)
            return *date;
        if (auto year = cli::checkYear(track.date.substr(0, 4)).value)
            return DiscDate{*year, 0, 0};
    }
    return {};
}

} // namespace

DiscContent buildDiscContent(const cli::PackSettings& settings, const CueSheet* cue, std::vector<OpenedTrack>& tracks,
                             std::vector<std::string>& warnings)
{
    DiscContent disc;
    disc.text = resolveAlbumText(settings.text, cue, tracks, settings.tracks);
    disc.date = settings.date.value_or(taggedDate(tracks));
    disc.catalogNumber = settings.catalogNumber;
    disc.discNumber = settings.discNumber;
    disc.discTotal = settings.discTotal;
    disc.coverPath = settings.coverPath;
    disc.dst = DstSettings{settings.dstOrder, settings.dstOrderGiven, settings.dstStereo, settings.noEncode};

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
    disc.genreIndex = settings.genreIndex ? settings.genreIndex : commonGenre(disc);
    return disc;
}

} // namespace orvi::engine
