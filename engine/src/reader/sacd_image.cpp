#include "reader/sacd_image.h"

#include "dst/dst_codec.h"
#include "reader/disc_text.h"

#include <cstdio>
#include <cstring>

namespace orvi::engine::reader {

namespace {

constexpr uint32_t kMasterTocSector = 510;
constexpr uint32_t kMasterTocSectors = 10;
constexpr uint32_t kTrackTextMaxSectors = 32;
constexpr size_t kChannelFrameBytes = 4704;
constexpr uint32_t kAccessListSectors = 32;
constexpr uint8_t kFrameFormatDst = 0;
constexpr uint8_t kAudioPacket = 2;

uint16_t u16(const uint8_t* p)
{
    return uint16_t(p[0] << 8 | p[1]);
}
uint32_t u32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

TimeCode timeCodeAt(const uint8_t* p)
{
    return TimeCode{p[0], p[1], p[2]};
}
bool isNoTimeCode(const uint8_t* p)
{
    return p[0] == 0xFF && p[1] == 0xFF && p[2] == 0xFF;
}

GenreCode genreAt(const uint8_t* p)
{
    return GenreCode{p[0], u16(p + 2)};
}

bool hasSignature(const std::vector<uint8_t>& data, size_t offset, const char* signature)
{
    return data.size() >= offset + 8 && std::memcmp(data.data() + offset, signature, 8) == 0;
}

std::string isoText(const uint8_t* p, size_t size)
{
    std::string text(reinterpret_cast<const char*>(p), size);
    while (!text.empty() && (text.back() == '\0' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::vector<TextChannel> textChannelsAt(const uint8_t* countByte, const uint8_t* channels)
{
    std::vector<TextChannel> list;
    const unsigned count = std::min<unsigned>(*countByte, 8);
    for (unsigned c = 0; c < count; ++c) {
        const uint8_t* entry = channels + 4 * c;
        list.push_back(TextChannel{std::string(reinterpret_cast<const char*>(entry), 2), entry[2]});
    }
    return list;
}

std::string sectorText(uint32_t sector)
{
    return "sector " + std::to_string(sector);
}

// Reads the text items of one track in one channel; `table` is the whole
// Track_Text block, `offset` the item list's place in it.
std::vector<TrackTextItem> readTrackTextItems(const std::vector<uint8_t>& table, size_t offset, uint8_t characterSet)
{
    std::vector<TrackTextItem> items;
    if (offset + 4 > table.size())
        return items;
    const unsigned count = table[offset];
    size_t pos = offset + 4;
    for (unsigned i = 0; i < count && pos + 2 < table.size(); ++i) {
        TrackTextItem item;
        item.type = table[pos];
        size_t length = 0;
        item.text = decodeDiscText(table.data() + pos + 2, table.size() - pos - 2, characterSet, &length);
        items.push_back(item);
        // The string ends in one NUL (two in two-byte sets), then zeros up to
        // a multiple of four; no item type is zero, so zeros are skipped.
        pos += 2 + length + 1;
        while (pos < table.size() && (pos % 4 != 0 || table[pos] == 0) && i + 1 < count)
            ++pos;
    }
    return items;
}

} // namespace

std::string TimeCode::text() const
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02u:%02u:%02u", minutes, seconds, frames);
    return buffer;
}

bool SacdImage::readSectors(uint32_t sector, uint32_t count, std::vector<uint8_t>& out)
{
    if (uint64_t(sector) + count > m_sectorCount)
        return false;
    out.resize(size_t(count) * kSectorSize);
    if (!m_file.seek(qint64(sector) * kSectorSize))
        return false;
    return m_file.read(reinterpret_cast<char*>(out.data()), qint64(out.size())) == qint64(out.size());
}

const AreaToc* SacdImage::multichannelArea() const
{
    for (const AreaToc& area : m_areas) {
        if (area.signature == "MULCHTOC")
            return &area;
    }
    return nullptr;
}

const AreaToc* SacdImage::stereoArea() const
{
    for (const AreaToc& area : m_areas) {
        if (area.signature == "TWOCHTOC")
            return &area;
    }
    return nullptr;
}

bool SacdImage::open(const std::string& path, std::string& error)
{
    m_file.setFileName(QString::fromStdString(path));
    if (!m_file.open(QIODevice::ReadOnly)) {
        error = path + ": cannot open: " + m_file.errorString().toStdString();
        return false;
    }
    m_sectorCount = uint64_t(m_file.size()) / kSectorSize;
    if (!readMasterToc(error)) {
        error = path + ": " + error;
        return false;
    }
    const MasterToc& m = m_master;
    if (m.stereoToc1 && !readArea(m.stereoToc1, m.stereoTocLength, m.stereoToc2, error)) {
        error = path + ": stereo area: " + error;
        return false;
    }
    if (m.multichannelToc1 && !readArea(m.multichannelToc1, m.multichannelTocLength, m.multichannelToc2, error)) {
        error = path + ": multichannel area: " + error;
        return false;
    }
    return true;
}

bool SacdImage::readMasterToc(std::string& error)
{
    std::vector<uint8_t> toc;
    if (!readSectors(kMasterTocSector, kMasterTocSectors, toc)) {
        error = "too short for a master TOC (" + std::to_string(m_sectorCount) + " sectors)";
        return false;
    }
    if (!hasSignature(toc, 0, "SACDMTOC")) {
        error = "no master TOC (\"SACDMTOC\") at sector 510";
        return false;
    }
    const uint8_t* p = toc.data();
    MasterToc& m = m_master;
    m.versionMajor = p[8];
    m.versionMinor = p[9];
    m.albumSetSize = u16(p + 16);
    m.albumSequenceNumber = u16(p + 18);
    m.albumCatalogNumber = isoText(p + 24, 16);
    for (int g = 0; g < 4; ++g) {
        m.albumGenres[g] = genreAt(p + 40 + 4 * g);
        m.discGenres[g] = genreAt(p + 104 + 4 * g);
    }
    m.stereoToc1 = u32(p + 64);
    m.stereoToc2 = u32(p + 68);
    m.multichannelToc1 = u32(p + 72);
    m.multichannelToc2 = u32(p + 76);
    m.discFlags = p[80];
    m.stereoTocLength = u16(p + 84);
    m.multichannelTocLength = u16(p + 86);
    m.discCatalogNumber = isoText(p + 88, 16);
    m.year = u16(p + 120);
    m.month = p[122];
    m.day = p[123];
    m.textChannels = textChannelsAt(p + 128, p + 136);

    for (int s = 1; s <= 8; ++s) {
        if (!hasSignature(toc, size_t(s) * kSectorSize, "SACDText")) {
            error = "master text sector " + std::to_string(kMasterTocSector + s) + " lacks \"SACDText\"";
            return false;
        }
    }
    if (!hasSignature(toc, 9 * kSectorSize, "SACD_Man")) {
        error = "manufacturer sector 519 lacks \"SACD_Man\"";
        return false;
    }
    for (size_t c = 0; c < m.textChannels.size(); ++c) {
        const uint8_t* sector = p + (c + 1) * kSectorSize;
        MasterText text;
        for (int f = 0; f < 16; ++f) {
            const uint16_t pointer = u16(sector + 16 + 2 * f);
            if (pointer != 0 && pointer < kSectorSize)
                text.fields[f] =
                    decodeDiscText(sector + pointer, kSectorSize - pointer, m.textChannels[c].characterSet);
        }
        m.texts.push_back(text);
    }

    std::vector<uint8_t> copy;
    m.copiesIdentical = readSectors(520, kMasterTocSectors, copy) && copy == toc
        && readSectors(530, kMasterTocSectors, copy) && copy == toc;
    return true;
}

bool SacdImage::readArea(uint32_t tocSector, uint16_t length, uint32_t copySector, std::string& error)
{
    std::vector<uint8_t> toc;
    if (length < 5 || !readSectors(tocSector, length, toc)) {
        error =
            "area TOC at " + sectorText(tocSector) + " (" + std::to_string(length) + " sectors) lies outside the image";
        return false;
    }
    AreaToc area;
    area.signature = std::string(reinterpret_cast<const char*>(toc.data()), 8);
    if (area.signature != "TWOCHTOC" && area.signature != "MULCHTOC") {
        error = "no area TOC signature at " + sectorText(tocSector);
        return false;
    }
    const uint8_t* p = toc.data();
    area.tocSector = tocSector;
    area.versionMajor = p[8];
    area.versionMinor = p[9];
    area.tocLength = u16(p + 10);
    area.maxByteRate = u32(p + 16);
    area.fsCode = p[20];
    area.frameFormat = p[21] & 0x0F;
    area.channelCount = p[32];
    area.areaConfig = p[33];
    area.maxAvailableChannels = p[34];
    area.muteFlags = p[35];
    area.copyManagement = p[48];
    area.firstBonusTrack = p[70];
    area.totalPlayTime = timeCodeAt(p + 64);
    area.trackOffset = p[68];
    const unsigned trackCount = p[69];
    area.trackAreaStart = u32(p + 72);
    area.trackAreaEnd = u32(p + 76);
    area.textChannels = textChannelsAt(p + 80, p + 88);
    area.trackTextPointer = u16(p + 128);
    area.indexListPointer = u16(p + 130);
    area.accessListPointer = u16(p + 132);
    area.webLinkListPointer = u16(p + 134);
    area.trackList3Pointer = u16(p + 136);
    area.playListsPointer = u16(p + 138);
    for (size_t c = 0; c < area.textChannels.size(); ++c) {
        std::string fields[2];
        for (int f = 0; f < 2; ++f) {
            const uint16_t pointer = u16(p + 144 + 8 * c + 2 * f);
            if (pointer != 0 && pointer < kSectorSize)
                fields[f] = decodeDiscText(p + pointer, kSectorSize - pointer, area.textChannels[c].characterSet);
        }
        area.areaDescriptions.push_back(fields[0]);
        area.areaCopyrights.push_back(fields[1]);
    }

    if (!hasSignature(toc, 1 * kSectorSize, "SACDTRL1") || !hasSignature(toc, 2 * kSectorSize, "SACDTRL2")
        || !hasSignature(toc, 3 * kSectorSize, "SACD_IGL")) {
        error = "track lists (SACDTRL1, SACDTRL2, SACD_IGL) missing after " + sectorText(tocSector);
        return false;
    }
    const uint8_t* list1 = p + kSectorSize;
    const uint8_t* list2 = p + 2 * kSectorSize;
    const uint8_t* igl = p + 3 * kSectorSize;
    for (unsigned t = 0; t < trackCount; ++t) {
        AreaTrack track;
        track.startSector = u32(list1 + 8 + 4 * t);
        track.lengthSectors = u32(list1 + 1028 + 4 * t);
        track.startTime = timeCodeAt(list2 + 8 + 4 * t);
        track.mode = list2[8 + 4 * t + 3];
        track.timeLength = timeCodeAt(list2 + 1028 + 4 * t);
        track.flags = list2[1028 + 4 * t + 3];
        track.isrc = isoText(igl + 8 + 12 * t, 12);
        track.genre = genreAt(igl + 3072 + 4 * t);
        area.tracks.push_back(track);
    }

    if (area.trackTextPointer != 0) {
        const uint32_t available = length > area.trackTextPointer ? length - area.trackTextPointer : 0;
        const uint32_t sectors = std::min(available, kTrackTextMaxSectors);
        const size_t offset = size_t(area.trackTextPointer) * kSectorSize;
        if (sectors < 2 || !hasSignature(toc, offset, "SACDTTxt")) {
            error = "track text (\"SACDTTxt\") missing at TOC sector offset " + std::to_string(area.trackTextPointer);
            return false;
        }
        const std::vector<uint8_t> table(toc.begin() + std::ptrdiff_t(offset),
                                         toc.begin() + std::ptrdiff_t(offset + size_t(sectors) * kSectorSize));
        for (unsigned t = 0; t < trackCount; ++t) {
            for (size_t c = 0; c < area.textChannels.size(); ++c) {
                const uint16_t pointer = u16(table.data() + 8 + 2 * (c * trackCount + t));
                area.tracks[t].texts.push_back(
                    pointer == 0 ? std::vector<TrackTextItem>{}
                                 : readTrackTextItems(table, pointer, area.textChannels[c].characterSet));
            }
        }
    }

    if (area.accessListPointer != 0) {
        const size_t offset = size_t(area.accessListPointer) * kSectorSize;
        if (area.accessListPointer + kAccessListSectors > length || !hasSignature(toc, offset, "SACD_ACC")) {
            error = "access list (\"SACD_ACC\") missing at TOC sector offset " + std::to_string(area.accessListPointer);
            return false;
        }
        const uint8_t* list = p + offset;
        area.accessStep = list[10];
        const unsigned entries = std::min<unsigned>(u16(list + 8), (kAccessListSectors * kSectorSize / 2 - 16) / 5);
        for (unsigned n = 0; n < entries; ++n) {
            const uint8_t* entry = list + 16 + 5 * n;
            area.accessList.push_back(AccessEntry{bool(entry[0] & 0x80), uint16_t(u16(entry) & 0x7fff),
                                                  uint32_t(entry[2]) << 16 | uint32_t(u16(entry + 3))});
        }
    }

    std::vector<uint8_t> copy;
    area.copiesIdentical = copySector != 0 && readSectors(copySector, length, copy) && copy == toc;
    m_areas.push_back(std::move(area));
    return true;
}

bool SacdImage::readTrackFrames(const AreaToc& area, size_t index, const FrameSink& sink, std::string& error)
{
    if (index >= area.tracks.size()) {
        error = "no track " + std::to_string(index + 1);
        return false;
    }
    const AreaTrack& track = area.tracks[index];
    const uint32_t first = track.startTime.frameCount();
    const std::string where = "track " + std::to_string(index + 1) + ": ";
    const size_t dsdBytes = size_t(area.channelCount) * kChannelFrameBytes;
    const bool dst = area.frameFormat == kFrameFormatDst;
    std::vector<uint8_t> dsd(dsdBytes);
    uint32_t frameTime = first;
    std::string problem;
    const bool walked = walkFrames(
        area, track.startSector, first, first + track.timeLength.frameCount(), where,
        [&](const uint8_t* frame, size_t bytes) {
            if (!problem.empty())
                return;
            if (!dst) {
                if (bytes == dsdBytes)
                    sink(frame, bytes);
                else
                    problem = where + "frame " + std::to_string(frameTime) + " holds " + std::to_string(bytes)
                        + " bytes, not " + std::to_string(dsdBytes);
            } else if (dst::decodeFrame({frame, bytes}, area.channelCount, dsd, problem)) {
                sink(dsd.data(), dsd.size());
            } else {
                problem = where + "DST frame " + std::to_string(frameTime) + " does not decode: " + problem;
            }
            ++frameTime;
        },
        error);
    if (walked && !problem.empty())
        error = problem;
    return walked && problem.empty();
}

bool SacdImage::readStoredFrames(const AreaToc& area, const FrameSink& sink, std::string& error)
{
    return walkFrames(area, area.trackAreaStart, 0, area.totalPlayTime.frameCount(), "", sink, error);
}

bool SacdImage::walkFrames(const AreaToc& area, uint32_t startSector, uint32_t first, uint32_t end,
                           const std::string& where, const FrameSink& sink, std::string& error)
{
    std::vector<uint8_t> frame;
    bool inFrame = false;
    uint32_t frameTime = 0;
    uint32_t expectedTime = first;
    std::vector<uint8_t> sector;

    // Delivers the frame just completed; false when the last one is done.
    auto finishFrame = [&]() -> bool {
        if (!inFrame || frameTime < first)
            return true;
        if (frameTime != expectedTime) {
            error = where + "frame " + std::to_string(frameTime) + " follows frame " + std::to_string(expectedTime - 1);
            return false;
        }
        sink(frame.data(), frame.size());
        ++expectedTime;
        return expectedTime < end;
    };

    for (uint32_t s = startSector; s <= area.trackAreaEnd; ++s) {
        if (!readSectors(s, 1, sector)) {
            error = where + sectorText(s) + " lies outside the image";
            return false;
        }
        const uint8_t* p = sector.data();
        const unsigned packets = p[0] >> 5;
        const unsigned frameStarts = (p[0] >> 2) & 7;
        const bool dstCoded = p[0] & 1;
        const size_t frameInfoSize = dstCoded ? 4 : 3;
        size_t data = 1 + 2 * size_t(packets) + frameInfoSize * frameStarts;
        unsigned startsSeen = 0;
        for (unsigned k = 0; k < packets; ++k) {
            const uint16_t info = u16(p + 1 + 2 * k);
            const bool startsFrame = info & 0x8000;
            const unsigned type = (info >> 11) & 7;
            const size_t size = info & 0x7FF;
            if (data + size > kSectorSize) {
                error = where + sectorText(s) + ": packets run past the sector";
                return false;
            }
            if (startsFrame) {
                if (startsSeen >= frameStarts) {
                    error = where + sectorText(s) + ": more frame starts than frame infos";
                    return false;
                }
                const uint8_t* info3 = p + 1 + 2 * packets + frameInfoSize * startsSeen++;
                const bool more = finishFrame();
                if (!error.empty())
                    return false;
                if (!more)
                    return true;
                if (isNoTimeCode(info3)) {
                    // The closing dummy frame start of the track area.
                    error = where + "the track area ends before the track does";
                    return false;
                }
                frame.clear();
                inFrame = true;
                frameTime = timeCodeAt(info3).frameCount();
                if (frameTime >= end)
                    return true;
            }
            if (type == kAudioPacket && inFrame)
                frame.insert(frame.end(), p + data, p + data + size);
            data += size;
        }
    }
    // A DST Track Area ends with its last frame's last packet.
    if (area.frameFormat == kFrameFormatDst && inFrame) {
        const bool more = finishFrame();
        if (!error.empty())
            return false;
        if (!more)
            return true;
    }
    error = where + "no frame boundary after the last frame";
    return false;
}

} // namespace orvi::engine::reader
