// DSF (version 1): a 28-byte "DSD " chunk, a 52-byte "fmt " chunk, a "data"
// chunk of per-channel 4096-byte blocks (block group g holds channel 0's
// block, then channel 1's, ...), LSB-first bytes, and an optional ID3v2 tag
// at the metadata pointer. All fields little-endian. The last block group
// is padded to whole blocks; its padding is never delivered.

#include "input/byte_fields.h"
#include "input/dsf_interleave.h"
#include "input/id3_metadata.h"
#include "input/track_formats.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace orvi::engine {
namespace {

constexpr uint64_t kDsdChunkSize = 28;
constexpr uint64_t kFmtChunkSize = 52;
constexpr uint64_t kDataHeaderSize = 12;
constexpr uint64_t kDataStart = kDsdChunkSize + kFmtChunkSize + kDataHeaderSize;
constexpr uint32_t kBlockBytes = 4096;
// Block groups per file read: 128 KiB per read for stereo.
constexpr size_t kGroupsPerRead = 16;
constexpr uint64_t kLargestChannelBytes = uint64_t(1) << 48;

class DsfSource final : public DsdSource
{
public:
    DsfSource(std::unique_ptr<InputFile> file, int channels, uint64_t bytesPerChannel, uint64_t dataBytes)
        : m_file(std::move(file)), m_channels(channels), m_bytesPerChannel(bytesPerChannel), m_dataBytes(dataBytes),
          m_blocksSize(kGroupsPerRead * kBlockBytes * static_cast<size_t>(channels)),
          m_blocks(std::make_unique_for_overwrite<uint8_t[]>(m_blocksSize))
    {
    }

    int channelCount() const override { return m_channels; }
    uint64_t sampleCount() const override { return m_bytesPerChannel * 8; }

    int64_t read(uint8_t* out, size_t bytes, std::string& error) override
    {
        const uint64_t wanted = std::min<uint64_t>(bytes / m_channels, m_bytesPerChannel - m_delivered);
        uint64_t done = 0;
        while (done < wanted) {
            if (m_delivered >= m_loadedFirst + m_loadedBytesPerChannel && !loadBlocks(error))
                return -1;
            const uint64_t inLoaded = m_delivered - m_loadedFirst;
            const size_t group = static_cast<size_t>(inLoaded / kBlockBytes);
            const size_t offset = static_cast<size_t>(inLoaded % kBlockBytes);
            const size_t count = static_cast<size_t>(std::min<uint64_t>(wanted - done, kBlockBytes - offset));
            interleaveDsfBlocks(m_blocks.get() + group * kBlockBytes * m_channels + offset, kBlockBytes, m_channels,
                                count, out + done * m_channels);
            done += count;
            m_delivered += count;
        }
        return static_cast<int64_t>(done * m_channels);
    }

private:
    bool loadBlocks(std::string& error)
    {
        const uint64_t firstGroup = m_delivered / kBlockBytes;
        const uint64_t totalGroups = (m_bytesPerChannel + kBlockBytes - 1) / kBlockBytes;
        const uint64_t groups = std::min<uint64_t>(kGroupsPerRead, totalGroups - firstGroup);
        const uint64_t groupBytes = uint64_t(kBlockBytes) * m_channels;
        const uint64_t start = firstGroup * groupBytes;
        // The last group may be cut short of whole blocks; the header check
        // made sure every byte that carries samples is there.
        const uint64_t readable = std::min(groups * groupBytes, m_dataBytes - start);
        if (!m_file->readAt(kDataStart + start, m_blocks.get(), static_cast<size_t>(readable), error))
            return false;
        std::fill(m_blocks.get() + readable, m_blocks.get() + m_blocksSize, uint8_t(0));
        m_loadedFirst = firstGroup * kBlockBytes;
        m_loadedBytesPerChannel = groups * kBlockBytes;
        return true;
    }

    std::unique_ptr<InputFile> m_file;
    const int m_channels;
    const uint64_t m_bytesPerChannel;
    const uint64_t m_dataBytes;
    const size_t m_blocksSize;
    std::unique_ptr<uint8_t[]> m_blocks;  // read before use; a short last group is zero-filled
    uint64_t m_delivered = 0;             // bytes per channel handed out
    uint64_t m_loadedFirst = 0;           // per-channel index of the first loaded byte
    uint64_t m_loadedBytesPerChannel = 0; // per channel, in m_blocks
};

} // namespace

void readDsf(std::unique_ptr<InputFile> file, OpenedTrack& track)
{
    const std::string& path = file->path();
    const uint64_t fileSize = file->size();
    auto refuse = [&](const std::string& problem) { track.errors.push_back(path + ": " + problem); };

    if (fileSize < kDataStart) {
        refuse("truncated: a DSF header needs " + bytesText(kDataStart) + ", file has " + bytesText(fileSize));
        return;
    }
    uint8_t header[kDataStart];
    std::string error;
    if (!file->readAt(0, header, sizeof header, error)) {
        track.errors.push_back(error);
        return;
    }
    const uint8_t* fmt = header + kDsdChunkSize;
    const uint8_t* data = fmt + kFmtChunkSize;
    if (loadLittleEndian(header + 4, 8) != kDsdChunkSize)
        return refuse("damaged header: 'DSD ' chunk size is " + std::to_string(loadLittleEndian(header + 4, 8))
                      + ", expected 28");
    if (std::memcmp(fmt, "fmt ", 4) != 0)
        return refuse("damaged header: expected 'fmt ' chunk at byte 28, found " + describeChunkId(fmt));
    if (loadLittleEndian(fmt + 4, 8) != kFmtChunkSize)
        return refuse("damaged header: 'fmt ' chunk size is " + std::to_string(loadLittleEndian(fmt + 4, 8))
                      + ", expected 52");
    if (std::memcmp(data, "data", 4) != 0)
        return refuse("damaged header: expected 'data' chunk at byte 80, found " + describeChunkId(data));

    const uint64_t declaredFileSize = loadLittleEndian(header + 12, 8);
    const uint64_t metadataPointer = loadLittleEndian(header + 20, 8);
    const uint32_t version = static_cast<uint32_t>(loadLittleEndian(fmt + 12, 4));
    const uint32_t formatId = static_cast<uint32_t>(loadLittleEndian(fmt + 16, 4));
    const uint32_t channels = static_cast<uint32_t>(loadLittleEndian(fmt + 24, 4));
    const uint32_t sampleRate = static_cast<uint32_t>(loadLittleEndian(fmt + 28, 4));
    const uint32_t bitsPerSample = static_cast<uint32_t>(loadLittleEndian(fmt + 32, 4));
    const uint64_t samples = loadLittleEndian(fmt + 36, 8);
    const uint32_t blockSize = static_cast<uint32_t>(loadLittleEndian(fmt + 44, 4));
    const uint64_t dataChunkSize = loadLittleEndian(data + 4, 8);

    if (version != 1)
        return refuse("DSF version " + std::to_string(version) + " is not supported (version 1 expected)");
    if (formatId != 0)
        return refuse("DSF format " + std::to_string(formatId) + " is not supported (0, plain DSD, expected)");
    if (bitsPerSample != 1)
        return refuse(std::to_string(bitsPerSample) + " bits per sample is not supported (1 expected)");
    if (blockSize != kBlockBytes)
        return refuse("block size " + std::to_string(blockSize) + " per channel is not supported (4096 expected)");
    if (channels == 0 || channels > 6)
        return refuse("damaged header: channel count " + std::to_string(channels));
    // The defined types keep their channels in the disc's order (L, R, C,
    // LFE, surround); anything else cannot be placed.
    const uint32_t channelType = static_cast<uint32_t>(loadLittleEndian(fmt + 20, 4));
    constexpr uint32_t kChannelsOfType[] = {0, 1, 2, 3, 4, 4, 5, 6};
    if (channelType == 0 || channelType > 7)
        return refuse("channel type " + std::to_string(channelType)
                      + " is not defined (1..7), so its channels cannot be placed");
    if (kChannelsOfType[channelType] != channels)
        return refuse("damaged header: channel type " + std::to_string(channelType) + " has "
                      + std::to_string(kChannelsOfType[channelType]) + " channels, the header says "
                      + std::to_string(channels));
    if (dataChunkSize < kDataHeaderSize)
        return refuse("damaged header: 'data' chunk size is " + std::to_string(dataChunkSize)
                      + ", below its own header");
    const uint64_t dataBytes = dataChunkSize - kDataHeaderSize;
    if (dataBytes > fileSize - kDataStart)
        return refuse("truncated: data chunk says " + bytesText(dataBytes) + ", file has "
                      + bytesText(fileSize - kDataStart));
    if (declaredFileSize > fileSize)
        return refuse("truncated: header says the file has " + bytesText(declaredFileSize) + ", it has "
                      + bytesText(fileSize));
    if (declaredFileSize < kDataStart + dataBytes)
        return refuse("damaged header: header says the file has " + bytesText(declaredFileSize)
                      + ", but its data chunk ends at byte " + std::to_string(kDataStart + dataBytes));
    if (samples == 0)
        return refuse("holds no audio (sample count 0)");

    // Every sample must lie inside the data chunk: the last group's blocks
    // start at whole-block offsets, only its tail may be missing.
    const uint64_t bytesPerChannel = (samples + 7) / 8;
    // Past any real file, and where the sum below could overflow.
    if (bytesPerChannel > kLargestChannelBytes)
        return refuse("damaged header: " + std::to_string(samples) + " samples on " + std::to_string(channels)
                      + " channels do not fit in a data chunk of " + bytesText(dataBytes));
    const uint64_t lastGroup = (bytesPerChannel - 1) / kBlockBytes;
    const uint64_t needed = lastGroup * kBlockBytes * channels + uint64_t(channels - 1) * kBlockBytes
        + (bytesPerChannel - lastGroup * kBlockBytes);
    if (needed > dataBytes)
        return refuse("damaged header: " + std::to_string(samples) + " samples on " + std::to_string(channels)
                      + " channels need " + bytesText(needed) + " of data, the data chunk holds "
                      + bytesText(dataBytes));

    checkDiscFormat(path, static_cast<int>(channels), sampleRate, track);
    if (!track.errors.empty())
        return;

    if (metadataPointer != 0 && metadataPointer != fileSize) {
        if (metadataPointer < kDataStart + dataBytes || metadataPointer > fileSize)
            return refuse("damaged header: metadata pointer " + std::to_string(metadataPointer)
                          + " lies outside the tag area (bytes " + std::to_string(kDataStart + dataBytes) + ".."
                          + std::to_string(fileSize) + ")");
        readId3TagAt(*file, metadataPointer, fileSize - metadataPointer, track);
    }

    track.channels = static_cast<int>(channels);
    track.sampleRate = sampleRate;
    track.sampleCount = bytesPerChannel * 8;
    track.source = std::make_unique<DsfSource>(std::move(file), static_cast<int>(channels), bytesPerChannel, dataBytes);
}

} // namespace orvi::engine
