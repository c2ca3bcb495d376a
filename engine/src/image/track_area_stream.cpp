#include "image/track_area_stream.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace orvi::engine {

namespace {

constexpr size_t kBufferSectors = 1024; // 2 MiB per write
// One being filled, one being written, one ready: reading never waits for a
// write unless the disk is slower than the reading.
constexpr size_t kBufferCount = 3;
constexpr uint64_t kNoDummyYet = std::numeric_limits<uint64_t>::max();

} // namespace

TrackAreaStream::TrackAreaStream(ImageFile& file)
    : m_writer(file, kBufferSectors * sacd::kSectorSize, kBufferCount), m_buffer(m_writer.takeBuffer())
{
}

bool TrackAreaStream::flushSectors(size_t count)
{
    if (!m_writer.queue(m_buffer, count * sacd::kSectorSize))
        return false;
    m_firstBufferedSector += count;
    m_buffer = m_writer.takeBuffer();
    return m_buffer != nullptr;
}

bool TrackAreaStream::audioPlaced(size_t size)
{
    m_fillInSector += uint32_t(size);
    m_audioBytes += size;
    if (m_fillInSector < sacd::kAudioBytesPerSector)
        return true;
    sacd::writeAudioSectorHeader(sectorBeingFilled(), m_firstBufferedSector + m_sectorInBuffer, kNoDummyYet);
    m_fillInSector = 0;
    if (++m_sectorInBuffer < kBufferSectors)
        return true;
    m_sectorInBuffer = 0;
    return flushSectors(kBufferSectors);
}

bool TrackAreaStream::writeAudio(const uint8_t* data, size_t size)
{
    while (size > 0) {
        const size_t take = std::min<size_t>(size, sacd::kAudioBytesPerSector - m_fillInSector);
        std::memcpy(sectorBeingFilled() + sacd::kAudioOffset + m_fillInSector, data, take);
        data += take;
        size -= take;
        if (!audioPlaced(take))
            return false;
    }
    return true;
}

bool TrackAreaStream::writeFrom(DsdSource& source, size_t maxBytes, int64_t& delivered, std::string& inputError)
{
    delivered = 0;
    while (size_t(delivered) < maxBytes) {
        const size_t room = std::min<size_t>(maxBytes - size_t(delivered), sacd::kAudioBytesPerSector - m_fillInSector);
        const int64_t got = source.read(sectorBeingFilled() + sacd::kAudioOffset + m_fillInSector, room, inputError);
        if (got < 0) {
            delivered = -1;
            return true;
        }
        if (got == 0)
            break;
        delivered += got;
        if (!audioPlaced(size_t(got)))
            return false;
    }
    return true;
}

bool TrackAreaStream::writeSilence(uint64_t size)
{
    static const std::vector<uint8_t> silence(64 * 1024, sacd::kDsdSilence);
    while (size > 0) {
        const size_t take = size_t(std::min<uint64_t>(size, silence.size()));
        if (!writeAudio(silence.data(), take))
            return false;
        size -= take;
    }
    return true;
}

bool TrackAreaStream::padToFrame()
{
    const uint64_t partial = m_audioBytes % sacd::kStereoFrameBytes;
    return partial == 0 || writeSilence(sacd::kStereoFrameBytes - partial);
}

bool TrackAreaStream::close()
{
    // The sector being filled is where the frame after the last one would
    // start: its remaining bytes become the closing padding packet.
    if (!m_buffer)
        return false;
    uint8_t* sector = sectorBeingFilled();
    std::memset(sector + sacd::kAudioOffset + m_fillInSector, 0, sacd::kAudioBytesPerSector - m_fillInSector);
    sacd::writeAudioSectorHeader(sector, m_firstBufferedSector + m_sectorInBuffer, framesWritten());
    const bool queued = m_writer.queue(m_buffer, (m_sectorInBuffer + 1) * sacd::kSectorSize);
    m_buffer = nullptr;
    return m_writer.finish() && queued;
}

} // namespace orvi::engine
