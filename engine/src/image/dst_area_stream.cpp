#include "image/dst_area_stream.h"

#include "image/byte_writer.h"
#include "image/sacd_layout.h"

#include <algorithm>
#include <cstring>

namespace orvi::engine {

namespace {

constexpr size_t kBufferSectors = 512;
constexpr size_t kBufferCount = 3;
constexpr size_t kMaxPackets = 7;
constexpr size_t kMaxFrameStarts = 7;
constexpr size_t kMaxPacketBytes = 2045;
constexpr size_t kPacketInfoBytes = 2;
constexpr size_t kFrameInfoBytes = 4;
constexpr uint16_t kAudioPacket = 2;
constexpr uint32_t kAccessListBytes = 32 * sacd::kSectorSize;
constexpr uint32_t kMaxAccessEntries = 6550;
constexpr uint32_t kMaxMargin = 0x7fff;
// Bytes per second of one sector per frame, averaged over 15 frames.
constexpr uint32_t kRatePerSector = sacd::kSectorSize * 75 / 15;

// The smallest Access_List step (a multiple of 10 frames, at most 180)
// whose entries fit the list.
uint32_t accessStep(uint64_t frames)
{
    uint32_t step = 10;
    while (step < 180 && frames > 0 && 1 + (frames - 1) / step > kMaxAccessEntries)
        step += 10;
    return step;
}

// Channel bits of a frame info: 000 stereo, 001 five channels, 010 six.
uint8_t channelBits(int channels)
{
    return channels == 6 ? 0x02 : channels == 5 ? 0x01 : 0x00;
}

} // namespace

DstAreaStream::DstAreaStream(ImageFile& file, int channelCount, uint64_t plannedFrames)
    : m_writer(file, kBufferSectors * sacd::kSectorSize, kBufferCount), m_channelCount(channelCount),
      m_maxFrameSectors(channelCount == 2       ? 7
                            : channelCount == 5 ? 14
                                                : 16),
      m_buffer(m_writer.takeBuffer()), m_step(accessStep(plannedFrames))
{
}

size_t DstAreaStream::sectorUsed() const
{
    return 1 + kPacketInfoBytes * m_packetInfos.size() + kFrameInfoBytes * m_frameInfos.size() + m_payloadBytes;
}

void DstAreaStream::addPacket(const uint8_t* data, size_t size, bool frameStart)
{
    m_packetInfos.push_back(uint16_t((frameStart ? 0x8000u : 0u) | (kAudioPacket << 11) | size));
    std::memcpy(m_payload.data() + m_payloadBytes, data, size);
    m_payloadBytes += size;
}

bool DstAreaStream::closeSector()
{
    if (!m_buffer)
        return false;
    uint8_t* sector = m_buffer + m_sectorInBuffer * sacd::kSectorSize;
    ByteWriter out(sector);
    out.u8(0, uint32_t(m_packetInfos.size() << 5 | m_frameInfos.size() << 2 | 1)); // DST_Coded
    size_t at = 1;
    for (uint16_t info : m_packetInfos) {
        out.be16(at, info);
        at += kPacketInfoBytes;
    }
    for (const auto& info : m_frameInfos) {
        std::memcpy(sector + at, info.data(), info.size());
        at += kFrameInfoBytes;
    }
    std::memcpy(sector + at, m_payload.data(), m_payloadBytes);
    std::memset(sector + at + m_payloadBytes, 0, sacd::kSectorSize - at - m_payloadBytes);
    m_packetInfos.clear();
    m_frameInfos.clear();
    m_payloadBytes = 0;
    ++m_sectorsClosed;
    if (++m_sectorInBuffer < kBufferSectors)
        return true;
    m_sectorInBuffer = 0;
    if (!m_writer.queue(m_buffer, kBufferSectors * sacd::kSectorSize))
        return false;
    m_buffer = m_writer.takeBuffer();
    return m_buffer != nullptr;
}

void DstAreaStream::finishInterval(uint64_t nextEntrySector, uint64_t frames)
{
    const uint64_t entry = m_entrySectors.back();
    uint64_t margin = 0;
    for (uint64_t k = 0; k < m_intervalStarts.size(); ++k) {
        // Rounded up, so that a player that rounds either way lands at or
        // before the frame's start once it subtracts the margin.
        const uint64_t interpolated = entry + ((nextEntrySector - entry) * k + frames - 1) / frames;
        if (interpolated > m_intervalStarts[k])
            margin = std::max(margin, interpolated - m_intervalStarts[k]);
    }
    m_margins.push_back(uint16_t(std::min<uint64_t>(margin, kMaxMargin)));
    m_intervalStarts.clear();
}

void DstAreaStream::frameStarted(uint64_t sector)
{
    const uint64_t frame = m_frames;
    uint64_t& fifteenBefore = m_recentStarts[frame % m_recentStarts.size()];
    if (frame >= m_recentStarts.size())
        m_maxByteRate = std::max(m_maxByteRate, uint32_t((sector - fifteenBefore) * kRatePerSector));
    fifteenBefore = sector;
    if (frame % m_step == 0) {
        if (frame > 0)
            finishInterval(sector, m_step);
        m_entrySectors.push_back(sector);
    }
    m_intervalStarts.push_back(sector);
    m_lastFrameFirst = sector;
}

bool DstAreaStream::writeFrame(std::span<const uint8_t> frame)
{
    const size_t startOverhead = kPacketInfoBytes + kFrameInfoBytes;
    auto sectorsFor = [&](size_t room) {
        const size_t rest = frame.size() - std::min(frame.size(), room);
        return 1 + (rest + kMaxPacketBytes - 1) / kMaxPacketBytes;
    };
    size_t room = sacd::kSectorSize - std::min<size_t>(sacd::kSectorSize, sectorUsed() + startOverhead);
    // A frame starts in a fresh sector when the open one has no packet slot
    // left, or when starting here would make it span too many sectors.
    if (m_packetInfos.size() == kMaxPackets || m_frameInfos.size() == kMaxFrameStarts || room == 0
        || (!m_packetInfos.empty() && sectorsFor(room) > m_maxFrameSectors)) {
        if (!closeSector())
            return false;
        room = sacd::kSectorSize - sectorUsed() - startOverhead;
    }
    room = std::min(room, kMaxPacketBytes);
    frameStarted(m_sectorsClosed);

    const auto tc = sacd::timeCode(m_frames);
    const uint8_t spanned = uint8_t(sectorsFor(room));
    m_frameInfos.push_back({tc[0], tc[1], tc[2], uint8_t(spanned << 2 | channelBits(m_channelCount))});
    size_t done = std::min(frame.size(), room);
    addPacket(frame.data(), done, true);
    while (done < frame.size()) {
        if (!closeSector())
            return false;
        const size_t take = std::min(frame.size() - done, kMaxPacketBytes);
        addPacket(frame.data() + done, take, false);
        done += take;
    }
    ++m_frames;
    return true;
}

bool DstAreaStream::close()
{
    const bool closed = m_packetInfos.empty() || closeSector();
    const bool queued = closed && m_buffer && m_writer.queue(m_buffer, m_sectorInBuffer * sacd::kSectorSize);
    m_buffer = nullptr;
    const bool written = m_writer.finish();
    if (m_frames > 0) {
        // The frame after the last would start right after the Track Area.
        const uint64_t end = m_sectorsClosed;
        if (m_frames >= m_recentStarts.size())
            m_maxByteRate = std::max(
                m_maxByteRate, uint32_t((end - m_recentStarts[m_frames % m_recentStarts.size()]) * kRatePerSector));
        finishInterval(end - 1, m_intervalStarts.size());
    }
    return closed && queued && written;
}

std::vector<uint8_t> DstAreaStream::accessList(uint32_t startLsn) const
{
    std::vector<uint8_t> list(kAccessListBytes, 0);
    ByteWriter out(list.data());
    out.bytes(0, "SACD_ACC");
    out.be16(8, uint32_t(m_entrySectors.size()));
    out.u8(10, m_step);
    for (size_t n = 0; n < m_entrySectors.size(); ++n) {
        const size_t at = 16 + 5 * n;
        out.be16(at, n < m_margins.size() ? m_margins[n] : 0); // Detailed = 0
        const uint32_t lsn = uint32_t(startLsn + m_entrySectors[n]);
        out.u8(at + 2, lsn >> 16);
        out.be16(at + 3, lsn & 0xffff);
    }
    return list;
}

} // namespace orvi::engine
