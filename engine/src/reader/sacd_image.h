#pragma once

// Reads an SACD disc image back: the master TOC with its text, the area TOCs
// with track lists, ISRCs, genres, track text and Access_List, and the audio
// frames of plain DSD and DST-coded areas (decoded). Written from the format's
// description, independently of the image writer, so that reading back
// checks the writer.

#include <cstdint>
#include <QFile>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvi::engine::reader {

inline constexpr uint32_t kSectorSize = 2048;

struct TimeCode {
    uint8_t minutes = 0, seconds = 0, frames = 0;
    uint32_t frameCount() const { return (uint32_t(minutes) * 60 + seconds) * 75 + frames; }
    std::string text() const; // "MM:SS:FF"
};

struct GenreCode {
    uint8_t table = 0;
    uint16_t index = 0;
};

struct TextChannel {
    std::string language; // two ISO 639 letters
    uint8_t characterSet = 0;
};

struct MasterText {         // one text channel of the master TOC, decoded to UTF-8
    std::string fields[16]; // in the pointer order: album title .. disc copyright phonetic
};

struct MasterToc {
    uint8_t versionMajor = 0, versionMinor = 0;
    uint16_t albumSetSize = 0, albumSequenceNumber = 0;
    std::string albumCatalogNumber, discCatalogNumber;
    GenreCode albumGenres[4], discGenres[4];
    uint32_t stereoToc1 = 0, stereoToc2 = 0, multichannelToc1 = 0, multichannelToc2 = 0;
    uint8_t discFlags = 0;
    uint16_t stereoTocLength = 0, multichannelTocLength = 0;
    uint16_t year = 0;
    uint8_t month = 0, day = 0;
    std::vector<TextChannel> textChannels;
    std::vector<MasterText> texts; // per text channel
    bool copiesIdentical = false;  // sectors 520.. and 530.. repeat 510..
};

struct TrackTextItem {
    uint8_t type = 0; // 1 title, 2 performer, 3 songwriter, 4 composer, 5 arranger, 6 message, ...
    std::string text; // UTF-8
};

struct AreaTrack {
    uint32_t startSector = 0, lengthSectors = 0;
    TimeCode startTime, timeLength;
    uint8_t mode = 0, flags = 0;
    std::string isrc; // 12 characters, empty when all zero
    GenreCode genre;
    std::vector<std::vector<TrackTextItem>> texts; // per text channel
};

struct AccessEntry {
    bool detailed = false;
    uint16_t margin = 0; // or the detailed list's pointer
    uint32_t sector = 0;
};

struct AreaToc {
    std::string signature; // "TWOCHTOC" or "MULCHTOC"
    uint32_t tocSector = 0;
    uint8_t versionMajor = 0, versionMinor = 0;
    uint16_t tocLength = 0;
    uint32_t maxByteRate = 0;
    uint8_t fsCode = 0, frameFormat = 0, channelCount = 0, areaConfig = 0;
    uint8_t maxAvailableChannels = 0, muteFlags = 0, copyManagement = 0, firstBonusTrack = 0;
    TimeCode totalPlayTime;
    uint8_t trackOffset = 0;
    uint32_t trackAreaStart = 0, trackAreaEnd = 0;
    std::vector<TextChannel> textChannels;
    uint16_t trackTextPointer = 0, indexListPointer = 0, accessListPointer = 0;
    uint16_t webLinkListPointer = 0, trackList3Pointer = 0, playListsPointer = 0;
    std::vector<std::string> areaDescriptions; // per text channel
    std::vector<std::string> areaCopyrights;   // per text channel
    std::vector<AreaTrack> tracks;
    uint8_t accessStep = 0; // frames between Access_List entries (DST areas)
    std::vector<AccessEntry> accessList;
    bool copiesIdentical = false; // TOC-2 repeats TOC-1
};

class SacdImage
{
public:
    // Reads the master TOC and every area TOC; false with `error` set when the
    // image is not a readable SACD image.
    bool open(const std::string& path, std::string& error);

    const MasterToc& master() const { return m_master; }
    const std::vector<AreaToc>& areas() const { return m_areas; }
    const AreaToc* stereoArea() const;
    const AreaToc* multichannelArea() const;

    using FrameSink = std::function<void(const uint8_t* frame, size_t bytes)>;
    // Delivers the DSD frames of track `index` of `area` in order (DST frames
    // decoded), each 1/75 s of channel-interleaved, MSB-first bytes. False
    // with `error` set on a damaged stream or a frame that does not decode.
    bool readTrackFrames(const AreaToc& area, size_t index, const FrameSink& sink, std::string& error);
    // Delivers every audio frame of the area as stored (DST frames coded).
    bool readStoredFrames(const AreaToc& area, const FrameSink& sink, std::string& error);

private:
    // The stored frames with time codes first..end-1, from `startSector` on.
    bool walkFrames(const AreaToc& area, uint32_t startSector, uint32_t first, uint32_t end, const std::string& where,
                    const FrameSink& sink, std::string& error);
    bool readSectors(uint32_t sector, uint32_t count, std::vector<uint8_t>& out);
    bool readMasterToc(std::string& error);
    bool readArea(uint32_t tocSector, uint16_t length, uint32_t copySector, std::string& error);

    QFile m_file;
    uint64_t m_sectorCount = 0;
    MasterToc m_master;
    std::vector<AreaToc> m_areas;
};

} // namespace orvi::engine::reader
