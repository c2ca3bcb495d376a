#pragma once

// Packs DST frames into the audio sectors of a DST-coded Track Area. Each
// sector holds a header, up to seven packets and the frame infos (time code,
// sectors spanned, channel bits) of the frames starting in it; a frame is
// split into one audio packet per sector it touches, because readers count
// its sectors by its audio packets. Frames may start anywhere in a sector.
// Sectors are written behind on a thread of their own; besides them the
// stream keeps only what the Area TOC needs: the highest 15-frame byte rate
// and one Access_List entry per step of frames.

#include "image/image_file.h"
#include "image/write_behind.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace orvi::engine {

class DstAreaStream
{
public:
    // `plannedFrames` (at least the frames that will be written) sizes the
    // Access_List step.
    DstAreaStream(ImageFile& file, int channelCount, uint64_t plannedFrames);

    // Places the next frame; its time code is the count of frames before it.
    bool writeFrame(std::span<const uint8_t> frame);
    uint64_t framesWritten() const { return m_frames; }
    // Sector (relative to the Track Area start) where the last frame written
    // starts, and the one where it ends.
    uint64_t lastFrameFirstSector() const { return m_lastFrameFirst; }
    uint64_t lastFrameLastSector() const { return m_sectorsClosed; }

    // Writes the last sector and waits for every write to end. After it the
    // figures below are final.
    bool close();
    uint64_t sectors() const { return m_sectorsClosed; }
    uint32_t maxByteRate() const { return m_maxByteRate; }
    // The 32 sectors of the Access_List, for a Track Area starting at `startLsn`.
    std::vector<uint8_t> accessList(uint32_t startLsn) const;

private:
    bool closeSector();
    void addPacket(const uint8_t* data, size_t size, bool frameStart);
    size_t sectorUsed() const;
    void frameStarted(uint64_t sector);
    void finishInterval(uint64_t nextEntrySector, uint64_t frames);

    WriteBehind m_writer;
    const int m_channelCount;
    const uint32_t m_maxFrameSectors;
    uint8_t* m_buffer = nullptr;
    size_t m_sectorInBuffer = 0;
    // The open sector: its packets' infos, frame infos and payload.
    std::vector<uint16_t> m_packetInfos;
    std::vector<std::array<uint8_t, 4>> m_frameInfos;
    std::array<uint8_t, 2048> m_payload{};
    size_t m_payloadBytes = 0;

    uint64_t m_frames = 0;
    uint64_t m_sectorsClosed = 0; // also the index of the open sector
    uint64_t m_lastFrameFirst = 0;

    // The start sectors of the last 15 frames, for the byte rate.
    std::array<uint64_t, 15> m_recentStarts{};
    uint32_t m_maxByteRate = 0;

    // Access_List: one entry per m_step frames, with the margin a player
    // needs when it interpolates between two entries.
    uint32_t m_step = 10;
    std::vector<uint64_t> m_entrySectors;
    std::vector<uint16_t> m_margins;
    std::vector<uint64_t> m_intervalStarts; // start sectors of the frames of the interval in progress
};

} // namespace orvi::engine
