// Text carried inside DSD files: ID3v2 (DSF metadata pointer, DSDIFF "ID3 "
// chunk) and DSDIFF DIIN.

#include "plain_checks.h"
#include "test_files.h"

#include "cli/pack_settings.h"
#include "input/track_reader.h"
#include "run/text_resolution.h"
#include "signal/dsd_file_layout.h"
#include "signal/id3_tag_writer.h"

using namespace orvi::engine;
using namespace orvi::engine::signal;
using orvi::test::joined;
using orvi::test::TestFolder;

namespace {

const std::vector<uint8_t> kAudio(2 * 5000, 0x69);

OpenedTrack openAccepted(const std::string& path)
{
    OpenedTrack track = openTrack(path);
    if (!CHECK(track.errors.empty() && track.source))
        std::fprintf(stderr, "  %s\n", joined(track.errors).c_str());
    return track;
}

TagFields fullTag()
{
    TagFields tag;
    tag.title = "Ständchen";
    tag.artist = "Fritz Wunderlich";
    tag.album = "Schubert: Lieder";
    tag.albumArtist = "Fritz Wunderlich & Hubert Giesen";
    tag.composer = "Franz Schubert";
    tag.genre = "Classical";
    tag.date = "1965-10-02";
    tag.isrc = "de-a12-65-00001";
    tag.publisher = "Orvi Test Records";
    tag.copyright = "℗ 1965 Orvi";
    return tag;
}

// What a file's text gave: the track's title, performer, composer and ISRC,
// the album's title, artist, composer, publisher and copyright, the genre,
// the date and the warnings.
std::vector<std::string> textOf(const OpenedTrack& track)
{
    return {track.text.title,      track.text.performer, track.text.composer,  track.text.isrc,
            track.album.album,     track.album.artist,   track.album.composer, track.album.publisher,
            track.album.copyright, track.genre,          track.date,           joined(track.warnings)};
}

// ID3v2 in DSF and DSDIFF, DIIN, both together, and tags that are damaged:
// those are warnings, and the file is still taken.
void textFromFiles(const TestFolder& folder)
{
    TagFields v23;
    v23.version = 3;
    v23.title = "月亮代表我的心";
    v23.artist = "邓丽君";
    v23.date = "1977";
    TagFields titleOnly;
    titleOnly.title = "Title from the tag";
    TagFields badIsrc;
    badIsrc.title = "Fine";
    badIsrc.isrc = "US-123";
    const std::vector<uint8_t> garbage(40, 'x');
    std::vector<uint8_t> cutTag = renderId3Tag(fullTag());
    const std::string whole = std::to_string(cutTag.size());
    cutTag.resize(30);
    // TCOM names the track's composer only: the album's stays empty.
    const std::vector<std::string> full = {"Ständchen",
                                           "Fritz Wunderlich",
                                           "Franz Schubert",
                                           "DEA126500001",
                                           "Schubert: Lieder",
                                           "Fritz Wunderlich & Hubert Giesen",
                                           "",
                                           "Orvi Test Records",
                                           "℗ 1965 Orvi",
                                           "Classical",
                                           "1965-10-02",
                                           ""};
    const auto only = [](std::string title, std::string performer, std::string date, std::string warning) {
        return std::vector<std::string>{title, performer, "", "", "", "", "", "", "", "", date, warning};
    };
    const struct {
        std::string name;
        std::vector<uint8_t> bytes;
        std::vector<std::string> text; // "<path>" in the warning stands for the file's path
    } cases[] = {
        {"full.dsf", buildDsf(kAudio, 2, kDsd64Rate, renderId3Tag(fullTag())), full},
        {"tagged.dff", buildDsdiff(kAudio, 2, kDsd64Rate, renderId3Tag(fullTag())), full},
        {"v23.dsf", buildDsf(kAudio, 2, kDsd64Rate, renderId3Tag(v23)), only("月亮代表我的心", "邓丽君", "1977", "")},
        // DIIN text is nominally ASCII; Latin-1 bytes from other writers are read as such.
        {"diin.dff", buildDsdiff(kAudio, 2, kDsd64Rate, {}, "Caf\xE9 Noir", "Quartet"),
         only("Café Noir", "Quartet", "", "")},
        // With both, the tag speaks first and DIIN fills what it leaves out.
        {"both.dff", buildDsdiff(kAudio, 2, kDsd64Rate, renderId3Tag(titleOnly), "Title from DIIN", "Artist from DIIN"),
         only("Title from the tag", "Artist from DIIN", "", "")},
        {"isrc.dsf", buildDsf(kAudio, 2, kDsd64Rate, renderId3Tag(badIsrc)),
         only("Fine", "", "", "<path>: ID3v2 ISRC \"US-123\" is not a valid ISRC; ignored")},
        {"garbage.dsf", buildDsf(kAudio, 2, kDsd64Rate, garbage),
         only("", "", "", "<path>: no ID3v2 tag at byte 16476; in-file text ignored")},
        {"garbage.dff", buildDsdiff(kAudio, 2, kDsd64Rate, garbage),
         only("", "", "", "<path>: ID3v2 tag could not be read; its text is ignored")},
        {"cuttag.dsf", buildDsf(kAudio, 2, kDsd64Rate, cutTag),
         only("", "", "", "<path>: ID3v2 tag says " + whole + " bytes, file has 30 left; in-file text ignored")},
    };
    for (const auto& c : cases) {
        const std::string path = folder.write(c.name, c.bytes);
        std::vector<std::string> expected = c.text;
        if (expected.back().starts_with("<path>"))
            expected.back().replace(0, 6, path);
        if (!CHECK(textOf(openAccepted(path)) == expected))
            std::fprintf(stderr, "  (case %s)\n", c.name.c_str());
    }
}

// Each track's tags fill that track; the album's fields come from album-level
// tags, and the disc genre from what the tracks carry.
void eachTrackKeepsItsOwnTags(const TestFolder& folder)
{
    const struct {
        const char *composer, *genre;
        uint16_t discGenre;
    } tracks[] = {
        {"J. S. Bach", "Hip-Hop", 13},
        {"G. F. H\u00E4ndel", "Soundtrack", 26},
        {"", "R&B", 24},
        {"", "(17)", 23},
        {"", "Rock", 23},
        {"", "Pop", 20},
        {"", "Polka", 0},
    };
    cli::PackSettings settings;
    std::vector<OpenedTrack> opened;
    for (const auto& t : tracks) {
        TagFields tag;
        tag.title = t.genre;
        tag.composer = t.composer;
        tag.genre = t.genre;
        tag.album = opened.empty() ? "" : "Album From Track 2";
        settings.tracks.push_back(folder.write("t" + std::to_string(opened.size()) + ".dsf",
                                               buildDsf(kAudio, 2, kDsd64Rate, renderId3Tag(tag))));
        opened.push_back(openAccepted(settings.tracks.back()));
    }
    std::vector<std::string> warnings;
    const DiscContent disc = buildDiscContent(settings, nullptr, opened, warnings);
    CHECK_EQ(disc.text.composer, "");
    CHECK_EQ(disc.text.album, "Album From Track 2");
    CHECK_EQ(disc.genreIndex, uint16_t(23)); // the genre most tracks carry
    for (size_t i = 0; i < disc.stereoTracks.size(); ++i) {
        CHECK_EQ(disc.stereoTracks[i].text.composer, std::string(tracks[i].composer));
        CHECK_EQ(disc.stereoTracks[i].text.genreIndex, tracks[i].discGenre);
    }
    CHECK_EQ(joined(warnings),
             settings.tracks.back()
                 + ": genre \"Polka\" has no counterpart in the disc's genre table; no genre written "
                   "for it");
}

} // namespace

int main()
{
    TestFolder folder;
    textFromFiles(folder);
    eachTrackKeepsItsOwnTags(folder);
    return orvi::test::finish("engine_input_metadata");
}
