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

void everyId3FieldFromDsf(const TestFolder& folder)
{
    const OpenedTrack track =
        openAccepted(folder.write("full.dsf", buildDsf(kAudio, 2, kDsd64Rate, renderId3Tag(fullTag()))));
    // TCOM names the track's composer only: the album's stays empty.
    const std::vector<std::string> read = {
        track.text.title,      track.text.performer, track.text.composer,  track.text.isrc,
        track.album.album,     track.album.artist,   track.album.composer, track.album.publisher,
        track.album.copyright, track.genre,          track.date,           joined(track.warnings)};
    CHECK(read
          == (std::vector<std::string>{"Ständchen", "Fritz Wunderlich", "Franz Schubert", "DEA126500001",
                                       "Schubert: Lieder", "Fritz Wunderlich & Hubert Giesen", "", "Orvi Test Records",
                                       "℗ 1965 Orvi", "Classical", "1965-10-02", ""}));
}

void id3v23TagWithChineseText(const TestFolder& folder)
{
    TagFields tag;
    tag.version = 3;
    tag.title = "月亮代表我的心";
    tag.artist = "邓丽君";
    tag.date = "1977";
    const OpenedTrack track = openAccepted(folder.write("v23.dsf", buildDsf(kAudio, 2, kDsd64Rate, renderId3Tag(tag))));
    CHECK_EQ(track.text.title, "月亮代表我的心");
    CHECK_EQ(track.text.performer, "邓丽君");
    CHECK_EQ(track.date, "1977");
}

void dsdiffTextSources(const TestFolder& folder)
{
    const OpenedTrack tagged =
        openAccepted(folder.write("tagged.dff", buildDsdiff(kAudio, 2, kDsd64Rate, renderId3Tag(fullTag()))));
    CHECK_EQ(tagged.text.title, "Ständchen");
    CHECK_EQ(tagged.album.album, "Schubert: Lieder");
    CHECK_EQ(tagged.text.isrc, "DEA126500001");

    // DIIN text is nominally ASCII; Latin-1 bytes from other writers are read as such.
    const OpenedTrack diin =
        openAccepted(folder.write("diin.dff", buildDsdiff(kAudio, 2, kDsd64Rate, {}, "Caf\xE9 Noir", "Quartet")));
    CHECK_EQ(diin.text.title, "Café Noir");
    CHECK_EQ(diin.text.performer, "Quartet");

    // With both, the tag speaks first and DIIN fills what it leaves out.
    TagFields titleOnly;
    titleOnly.title = "Title from the tag";
    const OpenedTrack both = openAccepted(folder.write(
        "both.dff",
        buildDsdiff(kAudio, 2, kDsd64Rate, renderId3Tag(titleOnly), "Title from DIIN", "Artist from DIIN")));
    CHECK_EQ(both.text.title, "Title from the tag");
    CHECK_EQ(both.text.performer, "Artist from DIIN");
}

void damagedTagsAreWarnings(const TestFolder& folder)
{
    TagFields badIsrc;
    badIsrc.title = "Fine";
    badIsrc.isrc = "US-123";
    const std::vector<uint8_t> garbage(40, 'x');
    std::vector<uint8_t> cutTag = renderId3Tag(fullTag());
    const std::string whole = std::to_string(cutTag.size());
    cutTag.resize(30);
    const struct {
        std::string name;
        std::vector<uint8_t> tag;
        std::string warning, title;
    } cases[] = {
        {"isrc.dsf", renderId3Tag(badIsrc), "ID3v2 ISRC \"US-123\" is not a valid ISRC; ignored", "Fine"},
        {"garbage.dsf", garbage, "no ID3v2 tag at byte 16476; in-file text ignored", ""},
        {"garbage.dff", garbage, "ID3v2 tag could not be read; its text is ignored", ""},
        {"cuttag.dsf", cutTag, "ID3v2 tag says " + whole + " bytes, file has 30 left; in-file text ignored", ""},
    };
    for (const auto& c : cases) {
        const std::string path = folder.write(c.name,
                                              c.name.ends_with(".dsf") ? buildDsf(kAudio, 2, kDsd64Rate, c.tag)
                                                                       : buildDsdiff(kAudio, 2, kDsd64Rate, c.tag));
        const OpenedTrack track = openAccepted(path);
        CHECK_EQ(joined(track.warnings), path + ": " + c.warning);
        CHECK_EQ(track.text.title, c.title);
        CHECK_EQ(track.text.isrc, "");
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
    everyId3FieldFromDsf(folder);
    id3v23TagWithChineseText(folder);
    dsdiffTextSources(folder);
    damagedTagsAreWarnings(folder);
    eachTrackKeepsItsOwnTags(folder);
    return orvi::test::finish("engine_input_metadata");
}
