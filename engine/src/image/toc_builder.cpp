#include "image/toc_builder.h"

#include "image/byte_writer.h"
#include "image/sacd_layout.h"

#include <algorithm>
#include <cstring>

namespace orvi::engine {

namespace {

constexpr uint32_t kMasterTextStringsOffset = 64;
constexpr uint32_t kAreaTextStringsOffset = 208;
constexpr uint32_t kTrackTextItemsOffset = 4096; // after the 2-sector pointer table
constexpr uint32_t kMaxTrackTextSectors = 32;
constexpr uint32_t kAccessListSectorOffset = 5;
constexpr uint32_t kAccessListSectors = 32;
constexpr uint32_t kFrameFormatDst = 0;
constexpr uint32_t kFrameFormat3In14 = 2;

// The Track_Text follows the Access_List in DST areas.
uint32_t trackTextSectorOffset(bool dst)
{
    return kAccessListSectorOffset + (dst ? kAccessListSectors : 0);
}

// The disc's own structures are big-endian, with time codes and genre codes.
class SectorWriter : public ByteWriter
{
public:
    using ByteWriter::ByteWriter;
    void u16(size_t at, uint32_t v) { be16(at, v); }
    void u32(size_t at, uint32_t v) { be32(at, v); }
    void timeCode(size_t at, uint64_t frame)
    {
        const auto tc = sacd::timeCode(frame);
        std::memcpy(this->at(at), tc.data(), tc.size());
    }
    void genre(size_t at, uint16_t index)
    {
        if (index == 0)
            return;
        u8(at, 1); // General genre table
        u16(at + 2, index);
    }
};

// A catalogue number: 16 characters padded with spaces, all zero when absent.
std::string catalogField(const std::string& catalog)
{
    if (catalog.empty())
        return std::string(16, '\0');
    std::string field = catalog.substr(0, 16);
    field.resize(16, ' ');
    return field;
}

void putTextChannel(SectorWriter& sector, size_t countAt, size_t channelsAt, const EncodedDiscText& text)
{
    sector.u8(countAt, 1);
    sector.bytes(channelsAt, text.charset->language);
    sector.u8(channelsAt + 2, text.charset->code);
}

size_t itemBytes(const EncodedTrackItem& item, const EncodedDiscText& text)
{
    const size_t raw = 2 + item.bytes.size() + text.terminator().size();
    return (raw + 3) / 4 * 4;
}

size_t trackItemsBytes(const EncodedDiscText& text, const TrackItems& tracks, size_t trackCount)
{
    size_t total = 0;
    for (size_t t = 0; t < trackCount && t < tracks.size(); ++t) {
        if (tracks[t].empty())
            continue;
        total += 4;
        for (const EncodedTrackItem& item : tracks[t])
            total += itemBytes(item, text);
    }
    return total;
}

std::vector<const std::string*> masterStrings(const EncodedDiscText& text)
{
    // Album set members share the album's text as the disc's own.
    return {&text.albumTitle, &text.albumArtist, &text.albumPublisher, &text.albumCopyright,
            &text.albumTitle, &text.albumArtist, &text.albumPublisher, &text.albumCopyright};
}

size_t stringsBytes(const std::vector<const std::string*>& strings, const EncodedDiscText& text)
{
    size_t total = 0;
    for (const std::string* s : strings) {
        if (!s->empty())
            total += s->size() + text.terminator().size();
    }
    return total;
}

void buildMasterText(uint8_t* sector, const EncodedDiscText& text)
{
    SectorWriter out(sector);
    out.bytes(0, "SACDText");
    // Pointer slots: album title, artist, publisher, copyright, their 4
    // phonetic forms, then the same 8 for the disc.
    const std::vector<const std::string*> strings = masterStrings(text);
    const size_t slots[8] = {0, 1, 2, 3, 8, 9, 10, 11};
    uint32_t at = kMasterTextStringsOffset;
    for (size_t i = 0; i < strings.size(); ++i) {
        if (strings[i]->empty())
            continue;
        out.u16(16 + 2 * slots[i], at);
        out.bytes(at, *strings[i] + text.terminator());
        at += uint32_t(strings[i]->size() + text.terminator().size());
    }
}

void buildTrackText(uint8_t* base, const EncodedDiscText& text, const TrackItems& tracks, size_t trackCount)
{
    SectorWriter out(base);
    out.bytes(0, "SACDTTxt");
    uint32_t at = kTrackTextItemsOffset;
    for (size_t t = 0; t < trackCount; ++t) {
        const std::vector<EncodedTrackItem>& items = tracks[t];
        if (items.empty())
            continue;
        out.u16(8 + 2 * t, at);
        out.u8(at, uint8_t(items.size()));
        at += 4;
        for (const EncodedTrackItem& item : items) {
            out.u8(at, uint8_t(item.type));
            out.u8(at + 1, 0x20);
            out.bytes(at + 2, item.bytes); // terminator and padding stay zero
            at += uint32_t(itemBytes(item, text));
        }
    }
}

} // namespace

uint32_t trackTextSectors(const EncodedDiscText& text, const TrackItems& tracks, size_t trackCount)
{
    const size_t items = trackItemsBytes(text, tracks, trackCount);
    if (items == 0)
        return 0;
    return uint32_t((kTrackTextItemsOffset + items + sacd::kSectorSize - 1) / sacd::kSectorSize);
}

uint32_t areaTocSectors(const EncodedDiscText& text, const TrackItems& items, size_t trackCount, bool dst)
{
    return trackTextSectorOffset(dst) + trackTextSectors(text, items, trackCount);
}

std::vector<std::string> textLimitProblems(const EncodedDiscText& text)
{
    std::vector<std::string> problems;
    const std::string charset = text.charset->displayName;
    const size_t master = stringsBytes(masterStrings(text), text);
    const size_t masterRoom = sacd::kSectorSize - kMasterTextStringsOffset;
    if (master > masterRoom) {
        problems.push_back("--album, --artist, --label, --copyright: " + std::to_string(master) + " bytes in " + charset
                           + " (stored twice, for album and disc), at most " + std::to_string(masterRoom)
                           + " fit in the disc text");
    }
    const size_t area = stringsBytes({&text.areaDescription, &text.areaCopyright}, text);
    const size_t areaRoom = sacd::kSectorSize - kAreaTextStringsOffset;
    if (area > areaRoom) {
        problems.push_back("--album, --composer, --conductor, --orchestra, --copyright: area text takes "
                           + std::to_string(area) + " bytes in " + charset + ", at most " + std::to_string(areaRoom)
                           + " fit");
    }
    const size_t itemsRoom = kMaxTrackTextSectors * sacd::kSectorSize - kTrackTextItemsOffset;
    for (const TrackItems* tracks : {&text.tracks, &text.multichannelTracks}) {
        const size_t items = trackItemsBytes(text, *tracks, tracks->size());
        if (items > itemsRoom) {
            problems.push_back(std::string(tracks == &text.tracks ? "" : "multichannel ")
                               + "track titles, performers and composers: " + std::to_string(items) + " bytes in "
                               + charset + ", at most " + std::to_string(itemsRoom) + " fit in the track text");
        }
    }
    return problems;
}

std::vector<uint8_t> buildMasterToc(const DiscContent& disc, const EncodedDiscText& text, const AreaPlacement& stereo,
                                    const AreaPlacement& multichannel)
{
    std::vector<uint8_t> toc(sacd::kMasterTocSectors * sacd::kSectorSize, 0);
    SectorWriter out(toc.data());
    out.bytes(0, "SACDMTOC");
    out.u8(8, sacd::kFormatVersionMajor);
    out.u8(9, sacd::kFormatVersionMinor);
    out.u16(16, disc.discTotal);
    out.u16(18, disc.discNumber);
    out.bytes(24, catalogField(disc.catalogNumber));
    out.genre(40, disc.genreIndex);
    if (stereo.tocSectors) {
        out.u32(64, stereo.toc1Lsn);
        out.u32(68, stereo.toc2Lsn);
        out.u16(84, stereo.tocSectors);
    }
    if (multichannel.tocSectors) {
        out.u32(72, multichannel.toc1Lsn);
        out.u32(76, multichannel.toc2Lsn);
        out.u16(86, multichannel.tocSectors);
    }
    out.bytes(88, catalogField(disc.catalogNumber));
    out.genre(104, disc.genreIndex);
    out.u16(120, disc.date.year);
    out.u8(122, disc.date.month);
    out.u8(123, disc.date.day);
    putTextChannel(out, 128, 136, text);

    buildMasterText(toc.data() + sacd::kSectorSize, text);
    for (uint32_t channel = 2; channel <= 8; ++channel)
        std::memcpy(toc.data() + channel * sacd::kSectorSize, "SACDText", 8);
    std::memcpy(toc.data() + 9 * sacd::kSectorSize, "SACD_Man", 8);
    return toc;
}

std::vector<uint8_t> buildAreaToc(const DiscContent& disc, const EncodedDiscText& text, const AreaPlacement& placement,
                                  const std::vector<DiscTrack>& tracks, const TrackItems& items)
{
    std::vector<uint8_t> toc(size_t(placement.tocSectors) * sacd::kSectorSize, 0);
    const size_t trackCount = placement.tracks.size();
    const bool stereo = placement.channelCount == 2;

    SectorWriter area(toc.data());
    area.bytes(0, stereo ? "TWOCHTOC" : "MULCHTOC");
    area.u8(8, sacd::kFormatVersionMajor);
    area.u8(9, sacd::kFormatVersionMinor);
    area.u16(10, placement.tocSectors);
    area.u32(16, placement.dst ? placement.maxByteRate : sacd::kFixedFormatByteRate);
    area.u8(20, 4); // 64 x 44 100 Hz
    area.u8(21, placement.dst ? kFrameFormatDst : kFrameFormat3In14);
    area.u8(32, uint32_t(placement.channelCount));
    // Loudspeaker configuration: 0 stereo, 3 five channels, 4 five channels
    // and the LFE as channel 4.
    area.u8(33, stereo ? 0 : placement.channelCount == 5 ? 3 : 4);
    area.timeCode(64, placement.totalFrames);
    area.u8(69, uint8_t(trackCount));
    area.u32(72, placement.trackAreaStartLsn);
    area.u32(76, placement.trackAreaEndLsn);
    putTextChannel(area, 80, 88, text);
    const bool hasTrackText = trackTextSectors(text, items, trackCount) > 0;
    area.u16(128, hasTrackText ? trackTextSectorOffset(placement.dst) : 0);
    area.u16(132, placement.dst ? kAccessListSectorOffset : 0);
    uint32_t at = kAreaTextStringsOffset;
    const std::string* areaStrings[2] = {&text.areaDescription, &text.areaCopyright};
    for (size_t i = 0; i < 2; ++i) {
        if (areaStrings[i]->empty())
            continue;
        area.u16(144 + 2 * i, at);
        area.bytes(at, *areaStrings[i] + text.terminator());
        at += uint32_t(areaStrings[i]->size() + text.terminator().size());
    }

    SectorWriter list1(toc.data() + 1 * sacd::kSectorSize);
    SectorWriter list2(toc.data() + 2 * sacd::kSectorSize);
    SectorWriter isrcGenre(toc.data() + 3 * sacd::kSectorSize);
    list1.bytes(0, "SACDTRL1");
    list2.bytes(0, "SACDTRL2");
    isrcGenre.bytes(0, "SACD_IGL");
    for (size_t t = 0; t < trackCount; ++t) {
        const TrackPlacement& track = placement.tracks[t];
        list1.u32(8 + 4 * t, track.startLsn);
        list1.u32(1028 + 4 * t, track.lengthSectors);
        list2.timeCode(8 + 4 * t, track.startFrame);
        list2.timeCode(1028 + 4 * t, track.frames);
        const std::string& isrc = tracks[t].text.isrc;
        if (!isrc.empty()) {
            std::string upper = isrc;
            std::transform(upper.begin(), upper.end(), upper.begin(),
                           [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
            isrcGenre.bytes(8 + 12 * t, upper);
        }
        const uint16_t trackGenre = tracks[t].text.genreIndex;
        isrcGenre.genre(3072 + 4 * t, trackGenre ? trackGenre : disc.genreIndex);
    }
    if (placement.dst)
        std::memcpy(toc.data() + kAccessListSectorOffset * sacd::kSectorSize, placement.accessList.data(),
                    std::min<size_t>(placement.accessList.size(), kAccessListSectors * sacd::kSectorSize));
    if (hasTrackText)
        buildTrackText(toc.data() + trackTextSectorOffset(placement.dst) * sacd::kSectorSize, text, items, trackCount);
    return toc;
}

} // namespace orvi::engine
