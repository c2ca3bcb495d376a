#include "image/disc_text.h"

namespace orvi::engine {

namespace {

std::string joinNonEmpty(const std::vector<std::string>& parts, const std::string& separator)
{
    std::string joined;
    for (const std::string& part : parts) {
        if (part.empty())
            continue;
        if (!joined.empty())
            joined += separator;
        joined += part;
    }
    return joined;
}

struct ResolvedTrackText {
    std::string title, performer, composer;
};

// A track without its own performer is credited to the album's conductor and
// orchestra; without its own composer, to the album's composer.
ResolvedTrackText resolveTrackText(const DiscTrack& track, const AlbumText& album)
{
    ResolvedTrackText resolved;
    resolved.title = withoutControlCharacters(track.text.title);
    resolved.performer = withoutControlCharacters(
        track.text.performer.empty() ? joinNonEmpty({album.conductor, album.orchestra}, ", ") : track.text.performer);
    resolved.composer = withoutControlCharacters(track.text.composer.empty() ? album.composer : track.text.composer);
    return resolved;
}

// A text from a CUE sheet or a tag is named by where it stands.
std::string named(const std::string& origin, const std::string& option)
{
    return origin.empty() ? option : origin;
}

std::string encoded(const DiscCharset& charset, const std::string& utf8)
{
    // Representability was established when the set was chosen.
    return encodeInCharset(charset, utf8).value_or(std::string());
}

} // namespace

DiscTextResult encodeDiscText(const DiscContent& disc)
{
    const AlbumText& album = disc.text;
    const std::string title = withoutControlCharacters(album.album);
    const std::string artist = withoutControlCharacters(album.artist);
    const std::string publisher = withoutControlCharacters(album.publisher);
    const std::string copyright = withoutControlCharacters(album.copyright);
    // Readers show the area description as the area's heading: the work and
    // who made it.
    const std::string description =
        withoutControlCharacters(joinNonEmpty({album.album, album.composer, album.conductor, album.orchestra}, " / "));

    std::vector<LabelledText> texts = {
        {named(album.origins.title, "--album"), title},
        {named(album.origins.performer, "--artist"), artist},
        {"--label", publisher},
        {"--copyright", copyright},
        {named(album.origins.composer, "--composer"), withoutControlCharacters(album.composer)},
        {"--conductor", withoutControlCharacters(album.conductor)},
        {"--orchestra", withoutControlCharacters(album.orchestra)},
    };
    std::vector<ResolvedTrackText> tracks; // stereo tracks, then multichannel ones
    std::vector<const DiscTrack*> all;
    for (const auto* area : {&disc.stereoTracks, &disc.multichannelTracks}) {
        for (const DiscTrack& track : *area)
            all.push_back(&track);
    }
    for (size_t i = 0; i < all.size(); ++i) {
        const DiscTrack& track = *all[i];
        tracks.push_back(resolveTrackText(track, album));
        const std::string label = "track " + std::to_string(track.number ? track.number : i + 1);
        // Only the track's own texts are named: a fallback from the album is
        // already checked under its option.
        const TextOrigins& origins = track.text.origins;
        texts.push_back({named(origins.title, label + " title"), tracks.back().title});
        if (!track.text.performer.empty())
            texts.push_back({named(origins.performer, label + " performer"), tracks.back().performer});
        if (!track.text.composer.empty())
            texts.push_back({named(origins.composer, label + " composer"), tracks.back().composer});
    }

    DiscTextResult result;
    const CharsetChoice choice = chooseDiscCharset(texts);
    result.errors = choice.errors;
    if (!choice.charset)
        return result;
    const DiscCharset& charset = *choice.charset;
    EncodedDiscText& text = result.text;
    text.charset = &charset;
    text.albumTitle = encoded(charset, title);
    text.albumArtist = encoded(charset, artist);
    text.albumPublisher = encoded(charset, publisher);
    text.albumCopyright = encoded(charset, copyright);
    text.areaDescription = encoded(charset, description);
    text.areaCopyright = text.albumCopyright;
    for (size_t i = 0; i < tracks.size(); ++i) {
        const ResolvedTrackText& track = tracks[i];
        std::vector<EncodedTrackItem> items;
        if (!track.title.empty())
            items.push_back({TrackTextType::Title, encoded(charset, track.title)});
        if (!track.performer.empty())
            items.push_back({TrackTextType::Performer, encoded(charset, track.performer)});
        if (!track.composer.empty())
            items.push_back({TrackTextType::Composer, encoded(charset, track.composer)});
        (i < disc.stereoTracks.size() ? text.tracks : text.multichannelTracks).push_back(std::move(items));
    }
    return result;
}

} // namespace orvi::engine
