#include "input/dsdiff_dst.h"

#include "dst/dst_codec.h"
#include "input/byte_fields.h"
#include "input/channel_order.h"
#include "input/track_formats.h"

#include <algorithm>
#include <cstring>

namespace orvi::engine {

namespace {

constexpr uint64_t kChunkHeaderSize = 12;
constexpr uint64_t kIndexEntryBytes = 12; // u64 offset, u32 length
constexpr size_t kIndexBlockEntries = 4096;

struct FrameChunk {
    uint64_t dataOffset = 0;
    uint64_t size = 0;
};

// Steps through the chunks of the "DST " sound data, one DSTF frame at a
// time, skipping checksums and anything else.
class FrameWalker
{
public:
    FrameWalker(InputFile& file, const DstSoundChunks& chunks)
        : m_file(file), m_position(chunks.soundOffset), m_end(chunks.soundOffset + chunks.soundSize)
    {
    }

    // The next frame's chunk (FRTE and DSTC chunks are stepped over); false
    // at the end (error empty) or on a fault.
    bool next(FrameChunk& frame, uint64_t frameNumber, std::string& error)
    {
        while (m_position < m_end) {
            uint8_t header[kChunkHeaderSize];
            if (m_end - m_position < kChunkHeaderSize) {
                error = "damaged: DST frame " + std::to_string(frameNumber) + ": " + bytesText(m_end - m_position)
                    + " left in the 'DST ' chunk, too short for a chunk";
                return false;
            }
            if (!m_file.readAt(m_position, header, sizeof header, error))
                return false;
            const uint64_t size = loadBigEndian(header + 4, 8);
            const uint64_t dataOffset = m_position + kChunkHeaderSize;
            if (size > m_end - dataOffset) {
                error = "truncated: DST frame " + std::to_string(frameNumber) + ": " + describeChunkId(header)
                    + " chunk says " + bytesText(size) + ", only " + bytesText(m_end - dataOffset) + " follow";
                return false;
            }
            m_position = dataOffset + size + (size & 1);
            if (std::memcmp(header, "DSTF", 4) == 0) {
                frame = {dataOffset, size};
                return true;
            }
        }
        return false;
    }

private:
    InputFile& m_file;
    uint64_t m_position;
    const uint64_t m_end;
};

class DstSource final : public DsdSource
{
public:
    DstSource(std::unique_ptr<InputFile> file, std::vector<uint8_t> order, const DstSoundChunks& chunks,
              uint64_t frames)
        : m_file(std::move(file)), m_channels(int(order.size())), m_frames(frames), m_walker(*m_file, chunks),
          m_dsd(dst::frameDsdBytes(m_channels)), m_dsdUsed(m_dsd.size()),
          m_order(isIdentityOrder(order) ? std::vector<uint8_t>() : std::move(order))
    {
    }

    int channelCount() const override { return m_channels; }
    uint64_t sampleCount() const override { return m_frames * kBytesPerChannelFrame * 8; }
    // Coded frames cannot be reordered: other orders are decoded and coded again.
    bool holdsDstFrames() const override { return m_order.empty(); }

    int64_t read(uint8_t* out, size_t bytes, std::string& error) override
    {
        if (!m_pendingError.empty()) {
            error = m_pendingError;
            return -1;
        }
        size_t done = 0;
        bytes -= bytes % size_t(m_channels);
        while (done < bytes) {
            if (m_dsdUsed == m_dsd.size()) {
                if (readDstFrame(m_frame, error)) {
                    m_dsdUsed = 0;
                } else if (error.empty()) {
                    break;
                } else if (done == 0) {
                    return -1;
                } else {
                    // What was decoded before the fault is delivered first.
                    m_pendingError = error;
                    error.clear();
                    break;
                }
            }
            const size_t take = std::min(bytes - done, m_dsd.size() - m_dsdUsed);
            std::memcpy(out + done, m_dsd.data() + m_dsdUsed, take);
            if (!m_order.empty())
                reorderChannels(out + done, take, m_order);
            m_dsdUsed += take;
            done += take;
        }
        return int64_t(done);
    }

    bool readDstFrame(std::vector<uint8_t>& frame, std::string& error) override
    {
        error.clear();
        frame.clear();
        if (m_delivered == m_frames)
            return false;
        const uint64_t number = m_delivered + 1;
        FrameChunk chunk;
        if (!m_walker.next(chunk, number, error)) {
            if (error.empty())
                error = "damaged: DST frame " + std::to_string(number) + " is missing";
            error = m_file->path() + ": " + error;
            return false;
        }
        frame.resize(size_t(chunk.size));
        std::string problem;
        if (!m_file->readAt(chunk.dataOffset, frame.data(), frame.size(), error))
            return false;
        if (!dst::decodeFrame(frame, m_channels, m_dsd, problem)) {
            error = m_file->path() + ": DST frame " + std::to_string(number) + " does not decode: " + problem;
            return false;
        }
        ++m_delivered;
        return true;
    }

private:
    std::unique_ptr<InputFile> m_file;
    const int m_channels;
    const uint64_t m_frames;
    FrameWalker m_walker;
    std::vector<uint8_t> m_frame;
    std::vector<uint8_t> m_dsd; // the last frame decoded
    size_t m_dsdUsed = 0;       // bytes of it handed out by read()
    std::string m_pendingError;
    const std::vector<uint8_t> m_order; // file channel -> disc position; empty when in disc order
    uint64_t m_delivered = 0;
};

// Reads the DSTI entries in blocks as the walk reaches them.
class IndexReader
{
public:
    IndexReader(InputFile& file, uint64_t offset) : m_file(file), m_offset(offset) {}

    bool entry(uint64_t index, uint64_t& offset, uint64_t& length, std::string& error)
    {
        if (index < m_first || index >= m_first + m_count) {
            m_first = index;
            m_count = kIndexBlockEntries;
            m_block.resize(kIndexBlockEntries * kIndexEntryBytes);
            const uint64_t available = (m_end - index);
            m_count = size_t(std::min<uint64_t>(m_count, available));
            if (!m_file.readAt(m_offset + index * kIndexEntryBytes, m_block.data(), m_count * kIndexEntryBytes, error))
                return false;
        }
        const uint8_t* p = m_block.data() + (index - m_first) * kIndexEntryBytes;
        offset = loadBigEndian(p, 8);
        length = loadBigEndian(p + 8, 4);
        return true;
    }
    void setEntries(uint64_t count) { m_end = count; }

private:
    InputFile& m_file;
    const uint64_t m_offset;
    uint64_t m_end = 0;
    uint64_t m_first = 0;
    size_t m_count = 0;
    std::vector<uint8_t> m_block;
};

} // namespace

std::string dstTruncationProblem(InputFile& file, uint64_t soundOffset, uint64_t available)
{
    FrameWalker walker(file, DstSoundChunks{soundOffset, available, {}, 0});
    FrameChunk frame;
    std::string error;
    uint64_t seen = 0;
    while (walker.next(frame, seen + 1, error))
        ++seen;
    return error.empty() ? "truncated: the file ends after DST frame " + std::to_string(seen) : error;
}

std::unique_ptr<DsdSource> openDstSound(std::unique_ptr<InputFile> file, std::vector<uint8_t> order,
                                        const DstSoundChunks& chunks, uint64_t& frameCount,
                                        std::vector<std::string>& errors)
{
    const int channels = int(order.size());
    const std::string& path = file->path();
    auto refuse = [&](const std::string& problem) {
        errors.push_back(path + ": " + problem);
        return nullptr;
    };
    std::string error;
    uint8_t header[kChunkHeaderSize + 6];
    if (chunks.soundSize < sizeof header || !file->readAt(chunks.soundOffset, header, sizeof header, error)
        || std::memcmp(header, "FRTE", 4) != 0 || loadBigEndian(header + 4, 8) != 6)
        return refuse("damaged: the 'DST ' chunk does not start with its 'FRTE' (frame count) chunk");
    frameCount = loadBigEndian(header + kChunkHeaderSize, 4);
    const uint64_t rate = loadBigEndian(header + kChunkHeaderSize + 4, 2);
    if (rate != kFramesPerSecond)
        return refuse("damaged: 'FRTE' says " + std::to_string(rate) + " frames per second, DST has 75");
    if (frameCount == 0)
        return refuse("holds no audio ('FRTE' says 0 frames)");

    std::optional<IndexReader> index;
    if (chunks.indexOffset) {
        if (chunks.indexSize != frameCount * kIndexEntryBytes)
            return refuse("damaged: the 'DSTI' index has " + bytesText(chunks.indexSize) + ", "
                          + std::to_string(frameCount) + " frames need " + bytesText(frameCount * kIndexEntryBytes));
        index.emplace(*file, *chunks.indexOffset);
        index->setEntries(frameCount);
    }

    const uint64_t largest = dst::frameDsdBytes(channels) + 1;
    FrameWalker walker(*file, chunks);
    FrameChunk frame;
    uint64_t seen = 0;
    while (walker.next(frame, seen + 1, error)) {
        ++seen;
        const std::string name = "DST frame " + std::to_string(seen);
        if (seen > frameCount)
            return refuse("damaged: more DST frames than the " + std::to_string(frameCount) + " 'FRTE' says");
        if (frame.size == 0 || frame.size > largest)
            return refuse("damaged: " + name + " has " + bytesText(frame.size) + ", a " + std::to_string(channels)
                          + "-channel frame has 1 to " + std::to_string(largest));
        uint64_t offset = 0, length = 0;
        if (index && !index->entry(seen - 1, offset, length, error))
            return refuse(error);
        // Writers differ on whether the offset names the chunk or its data.
        if (index
            && (length != frame.size || (offset != frame.dataOffset && offset != frame.dataOffset - kChunkHeaderSize)))
            return refuse("damaged: the 'DSTI' index puts " + name + " at byte " + std::to_string(offset) + " with "
                          + bytesText(length) + ", the file has it at byte " + std::to_string(frame.dataOffset)
                          + " with " + bytesText(frame.size));
    }
    if (!error.empty())
        return refuse(error);
    if (seen < frameCount)
        return refuse("truncated: 'FRTE' says " + std::to_string(frameCount) + " DST frames, the file has "
                      + std::to_string(seen));
    return std::make_unique<DstSource>(std::move(file), std::move(order), chunks, frameCount);
}

} // namespace orvi::engine
