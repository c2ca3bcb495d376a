#include "reader/image_inspect.h"

#include "cli/genre_table.h"
#include "reader/disc_text.h"
#include "reader/dsd_disc_image.h"
#include "reader/sacd_image.h"
#include "run/engine_output.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace orvi::engine::reader {

namespace {

constexpr const char* kMasterTextFields[16] = {
    "album title",          "album artist",          "album publisher",          "album copyright",
    "album title phonetic", "album artist phonetic", "album publisher phonetic", "album copyright phonetic",
    "disc title",           "disc artist",           "disc publisher",           "disc copyright",
    "disc title phonetic",  "disc artist phonetic",  "disc publisher phonetic",  "disc copyright phonetic",
};

std::string textTypeName(uint8_t type)
{
    static constexpr const char* kNames[8] = {"title",    "performer", "songwriter",    "composer",
                                              "arranger", "message",   "extra message", "copyright"};
    const uint8_t base = type & 0x7F;
    if (base < 1 || base > 8)
        return "text type " + std::to_string(type);
    return std::string(kNames[base - 1]) + (type & 0x80 ? " phonetic" : "");
}

std::string genreText(const GenreCode& genre)
{
    if (genre.table == 0 && genre.index == 0)
        return "none";
    std::string text = "table " + std::to_string(genre.table) + " index " + std::to_string(genre.index);
    if (genre.table == 1 && !generalGenreName(genre.index).empty())
        text += " (" + std::string(generalGenreName(genre.index)) + ")";
    return text;
}

std::string genreList(const GenreCode (&genres)[4])
{
    std::string text;
    for (const GenreCode& genre : genres) {
        if (genre.table == 0 && genre.index == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += genreText(genre);
    }
    return text.empty() ? "none" : text;
}

std::string dateText(uint16_t year, uint8_t month, uint8_t day)
{
    char text[24];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned(year), unsigned(month), unsigned(day));
    return text;
}

std::string channelText(size_t number, const TextChannel& channel)
{
    return "text channel " + std::to_string(number) + ": language \"" + channel.language + "\", character set "
        + std::to_string(channel.characterSet) + " (" + characterSetName(channel.characterSet) + ")";
}

std::string frameFormatText(uint8_t format)
{
    switch (format) {
    case 0:
        return "0 (DST)";
    case 2:
        return "2 (plain DSD, 3 frames in 14 sectors)";
    case 3:
        return "3 (plain DSD, 3 frames in 16 sectors)";
    default:
        return std::to_string(format) + " (reserved)";
    }
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

void printMaster(const MasterToc& m, EngineOutput& out)
{
    out.line("master TOC: sector 510, version " + std::to_string(m.versionMajor) + "." + std::to_string(m.versionMinor)
             + ", copies at 520 and 530 " + (m.copiesIdentical ? "identical" : "DIFFERENT"));
    out.line("  album set size: " + std::to_string(m.albumSetSize)
             + ", sequence number: " + std::to_string(m.albumSequenceNumber));
    out.line("  album catalog number: " + quoted(m.albumCatalogNumber));
    out.line("  album genre: " + genreList(m.albumGenres));
    out.line("  disc catalog number: " + quoted(m.discCatalogNumber));
    out.line("  disc genre: " + genreList(m.discGenres));
    out.line("  disc date: " + dateText(m.year, m.month, m.day));
    out.line("  disc flags: " + std::to_string(m.discFlags) + (m.discFlags & 0x80 ? " (hybrid)" : " (not hybrid)"));
    out.line("  stereo area TOC: " + std::to_string(m.stereoToc1) + " and " + std::to_string(m.stereoToc2) + ", "
             + std::to_string(m.stereoTocLength) + " sectors");
    out.line("  multichannel area TOC: " + std::to_string(m.multichannelToc1) + " and "
             + std::to_string(m.multichannelToc2) + ", " + std::to_string(m.multichannelTocLength) + " sectors");
    out.line("  text channels: " + std::to_string(m.textChannels.size()));
    for (size_t c = 0; c < m.textChannels.size(); ++c) {
        out.line("  " + channelText(c + 1, m.textChannels[c]));
        for (int f = 0; f < 16; ++f) {
            if (!m.texts[c].fields[f].empty())
                out.line("    " + std::string(kMasterTextFields[f]) + ": " + quoted(m.texts[c].fields[f]));
        }
    }
}

void printTrack(size_t number, const AreaTrack& track, EngineOutput& out)
{
    out.line("  track " + std::to_string(number) + ": sectors " + std::to_string(track.startSector) + " + "
             + std::to_string(track.lengthSectors) + ", time " + track.startTime.text() + " + "
             + track.timeLength.text() + ", mode " + std::to_string(track.mode) + ", flags "
             + std::to_string(track.flags));
    out.line("    ISRC: " + quoted(track.isrc));
    out.line("    genre: " + genreText(track.genre));
    for (size_t c = 0; c < track.texts.size(); ++c) {
        for (const TrackTextItem& item : track.texts[c])
            out.line("    " + (track.texts.size() > 1 ? "channel " + std::to_string(c + 1) + " " : std::string())
                     + textTypeName(item.type) + ": " + quoted(item.text));
    }
}

// The DST frames' sizes: how well the area is coded, and how many frames
// are stored uncompressed.
void printDstFrames(SacdImage& image, const AreaToc& a, EngineOutput& out)
{
    uint64_t count = 0, total = 0, plain = 0;
    size_t smallest = SIZE_MAX, largest = 0;
    std::string error;
    const bool read = image.readStoredFrames(
        a,
        [&](const uint8_t* frame, size_t bytes) {
            ++count;
            total += bytes;
            smallest = std::min(smallest, bytes);
            largest = std::max(largest, bytes);
            plain += (frame[0] & 0x80) == 0;
        },
        error);
    if (!read) {
        out.line("  DST frames: unreadable: " + error);
        return;
    }
    if (count == 0)
        return;
    const uint64_t dsd = count * a.channelCount * 4704;
    char line[200];
    std::snprintf(line, sizeof line,
                  "  DST frames: %llu, bytes per frame %zu min, %llu mean, %zu max; %llu uncompressed; ratio %.3f",
                  static_cast<unsigned long long>(count), smallest, static_cast<unsigned long long>(total / count),
                  largest, static_cast<unsigned long long>(plain), double(dsd) / double(total));
    out.line(line);
}

void printAccessList(const AreaToc& a, EngineOutput& out)
{
    out.line("  access list: " + std::to_string(a.accessList.size()) + " entries, every " + std::to_string(a.accessStep)
             + " frames");
    for (size_t n = 0; n < a.accessList.size(); ++n) {
        const AccessEntry& e = a.accessList[n];
        out.line("    entry " + std::to_string(n) + ": sector " + std::to_string(e.sector)
                 + (e.detailed ? ", detailed list " : ", margin ") + std::to_string(e.margin));
    }
}

void printArea(SacdImage& image, const AreaToc& a, EngineOutput& out)
{
    out.line("area " + a.signature + ": TOC at sector " + std::to_string(a.tocSector) + ", version "
             + std::to_string(a.versionMajor) + "." + std::to_string(a.versionMinor) + ", "
             + std::to_string(a.tocLength) + " sectors, second copy "
             + (a.copiesIdentical ? "identical" : "DIFFERENT"));
    out.line("  channels: " + std::to_string(a.channelCount) + ", loudspeaker config " + std::to_string(a.areaConfig)
             + ", frame format " + frameFormatText(a.frameFormat) + ", fs code " + std::to_string(a.fsCode));
    out.line("  max available channels: " + std::to_string(a.maxAvailableChannels) + ", mute flags: "
             + std::to_string(a.muteFlags) + ", copy management: " + std::to_string(a.copyManagement));
    out.line("  max byte rate: " + std::to_string(a.maxByteRate));
    out.line("  total play time: " + a.totalPlayTime.text());
    out.line("  track offset: " + std::to_string(a.trackOffset) + ", tracks: " + std::to_string(a.tracks.size())
             + ", first bonus track: " + std::to_string(a.firstBonusTrack));
    out.line("  track area: sectors " + std::to_string(a.trackAreaStart) + " to " + std::to_string(a.trackAreaEnd));
    out.line("  track text at TOC sector " + std::to_string(a.trackTextPointer) + ", index list at "
             + std::to_string(a.indexListPointer) + ", access list at " + std::to_string(a.accessListPointer)
             + ", web links at " + std::to_string(a.webLinkListPointer) + ", track list 3 at "
             + std::to_string(a.trackList3Pointer) + ", play lists at " + std::to_string(a.playListsPointer));
    out.line("  text channels: " + std::to_string(a.textChannels.size()));
    for (size_t c = 0; c < a.textChannels.size(); ++c) {
        out.line("  " + channelText(c + 1, a.textChannels[c]));
        if (c < a.areaDescriptions.size() && !a.areaDescriptions[c].empty())
            out.line("    area description: " + quoted(a.areaDescriptions[c]));
        if (c < a.areaCopyrights.size() && !a.areaCopyrights[c].empty())
            out.line("    area copyright: " + quoted(a.areaCopyrights[c]));
    }
    if (a.accessListPointer != 0)
        printAccessList(a, out);
    if (a.frameFormat == 0)
        printDstFrames(image, a, out);
    for (size_t t = 0; t < a.tracks.size(); ++t)
        printTrack(t + 1, a.tracks[t], out);
}

} // namespace

int inspectImage(const std::string& imagePath, EngineOutput& output)
{
    SacdImage image;
    std::string error;
    if (!image.open(imagePath, error)) {
        if (isDsdDiscImage(imagePath))
            return inspectDsdDisc(imagePath, output);
        output.error(error);
        return 1;
    }
    printMaster(image.master(), output);
    for (const AreaToc& area : image.areas())
        printArea(image, area, output);
    return 0;
}

} // namespace orvi::engine::reader
