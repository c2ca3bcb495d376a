#include "image/track_area_stream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace orvi::engine {

namespace {

constexpr size_t kBufferSectors = 1024; // 2 MiB per write
constexpr uint64_t kNoDummyYet = std::numeric_limits<uint64_t>::max();

} // namespace

TrackAreaStream::TrackAreaStream(ImageFile& file)
    : m_file(file)
    , m_buffer(kBufferSectors * sacd::kSectorSize)
{
}

bool TrackAreaStream::flushSectors(size_t count)
{
    if (!m_file.append(m_buffer.data(), count * sacd::kSectorSize))
        return false;
    m_firstBufferedSector += count;
    return true;
}

bool TrackAreaStream::writeAudio(const uint8_t* data, size_t size)
{
    while (size > 0) {
        uint8_t* sector = m_buffer.data() + m_sectorInBuffer * sacd::kSectorSize;
        const size_t take = std::min<size_t>(size, sacd::kAudioBytesPerSector - m_fillInSector);
        std::memcpy(sector + sacd::kAudioOffset + m_fillInSector, data, take);
        data += take;
        size -= take;
        m_fillInSector += uint32_t(take);
        m_audioBytes += take;
        if (m_fillInSector == sacd::kAudioBytesPerSector) {
            sacd::writeAudioSectorHeader(sector, m_firstBufferedSector + m_sectorInBuffer, kNoDummyYet);
            m_fillInSector = 0;
            if (++m_sectorInBuffer == kBufferSectors) {
                if (!flushSectors(kBufferSectors))
                    return false;
                m_sectorInBuffer = 0;
            }
        }
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
    uint8_t* sector = m_buffer.data() + m_sectorInBuffer * sacd::kSectorSize;
    std::memset(sector + sacd::kAudioOffset + m_fillInSector, 0, sacd::kAudioBytesPerSector - m_fillInSector);
    sacd::writeAudioSectorHeader(sector, m_firstBufferedSector + m_sectorInBuffer, framesWritten());
    return flushSectors(m_sectorInBuffer + 1);
}

} // namespace orvi::engine
