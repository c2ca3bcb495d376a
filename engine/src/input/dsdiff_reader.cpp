// DSDIFF 1.5: big-endian chunks (4-byte id, 8-byte size that excludes the
// 12-byte header and the pad byte of odd sizes) inside "FRM8"/"DSD ". The
// sound data of plain files is byte-interleaved like the disc's, so the
// source reads straight into the caller's buffer and only moves channels
// whose IDs put them elsewhere on the disc.

#include "input/byte_fields.h"
#include "input/dsdiff_dst.h"
#include "input/channel_order.h"
#include "input/id3_metadata.h"
#include "input/track_formats.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace orvi::engine {
namespace {

constexpr uint64_t kChunkHeaderSize = 12;
constexpr uint64_t kMaxTextChunkBytes = 64 * 1024;

// Small reads (the image writer asks for one sector's audio at a time) are
// served from a buffer filled by large file reads; large ones go straight
// into the caller's memory.
constexpr size_t kSoundBufferBytes = 1024 * 1024;

class DsdiffSource final : public DsdSource
{
public:
    DsdiffSource(std::unique_ptr<InputFile> file, std::vector<uint8_t> order, uint64_t dataOffset, uint64_t dataBytes)
        : m_file(std::move(file)), m_channels(int(order.size())), m_dataOffset(dataOffset), m_dataBytes(dataBytes),
          m_order(isIdentityOrder(order) ? std::vector<uint8_t>() : std::move(order))
    {
    }

    int channelCount() const override { return m_channels; }
    uint64_t sampleCount() const override { return m_dataBytes / m_channels * 8; }

    int64_t read(uint8_t* out, size_t bytes, std::string& error) override
    {
        const int64_t got = readInFileOrder(out, bytes, error);
        if (got > 0 && !m_order.empty())
            reorderChannels(out, size_t(got), m_order);
        return got;
    }

private:
    int64_t readInFileOrder(uint8_t* out, size_t bytes, std::string& error)
    {
        const uint64_t count = std::min<uint64_t>(bytes - bytes % m_channels, m_dataBytes - m_position);
        if (count == 0)
            return 0;
        if (m_bufferedBytes == 0 && count >= kSoundBufferBytes) {
            if (!m_file->readAt(m_dataOffset + m_position, out, static_cast<size_t>(count), error))
                return -1;
        } else {
            if (m_bufferedBytes == 0 && !fillBuffer(error))
                return -1;
            const size_t take = static_cast<size_t>(std::min<uint64_t>(count, m_bufferedBytes));
            std::memcpy(out, m_buffer.get() + m_bufferStart, take);
            m_bufferStart += take;
            m_bufferedBytes -= take;
            m_position += take;
            return static_cast<int64_t>(take);
        }
        m_position += count;
        return static_cast<int64_t>(count);
    }

    bool fillBuffer(std::string& error)
    {
        if (!m_buffer)
            m_buffer = std::make_unique_for_overwrite<uint8_t[]>(kSoundBufferBytes);
        // Whole frames only, so that every read can be put in disc order.
        const size_t capacity = kSoundBufferBytes - kSoundBufferBytes % size_t(m_channels);
        const size_t size = static_cast<size_t>(std::min<uint64_t>(capacity, m_dataBytes - m_position));
        if (!m_file->readAt(m_dataOffset + m_position, m_buffer.get(), size, error))
            return false;
        m_bufferStart = 0;
        m_bufferedBytes = size;
        return true;
    }

    std::unique_ptr<InputFile> m_file;
    const int m_channels;
    const uint64_t m_dataOffset;
    const uint64_t m_dataBytes;
    uint64_t m_position = 0; // bytes handed out
    std::unique_ptr<uint8_t[]> m_buffer;
    size_t m_bufferStart = 0;
    size_t m_bufferedBytes = 0;         // read from the file, not yet handed out
    const std::vector<uint8_t> m_order; // file channel -> disc position; empty when already in order
};

struct Chunk {
    uint8_t id[4];
    uint64_t dataOffset = 0;
    uint64_t size = 0;
    bool is(const char* name) const { return std::memcmp(id, name, 4) == 0; }
};

struct Region {
    uint64_t begin = 0;
    uint64_t end = 0;
    std::string name; // for messages, e.g. "'PROP' chunk"
};

struct DsdiffFacts {
    std::optional<uint32_t> sampleRate;
    std::optional<int> channels;
    std::vector<std::string> channelIds;
    std::string compression = "DSD ";
    std::optional<Chunk> sound;
    bool dstSound = false;
    bool sawProperties = false;
    std::optional<Chunk> id3;
    std::optional<Chunk> dstIndex;
    std::string diinTitle, diinArtist;
};

// DSDIFF text is nominally ASCII; files written elsewhere carry UTF-8 or
// Latin-1. Valid UTF-8 stays as it is, anything else is read as Latin-1.
std::string textToUtf8(const std::string& raw)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(QByteArrayView(raw.data(), static_cast<qsizetype>(raw.size())));
    if (!utf8.hasError())
        return decoded.trimmed().toStdString();
    return QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size())).trimmed().toStdString();
}

class DsdiffParser
{
public:
    DsdiffParser(InputFile& file, OpenedTrack& track) : m_file(file), m_track(track) {}

    bool ok() const { return m_track.errors.empty(); }

    void refuse(const std::string& problem) { m_track.errors.push_back(m_file.path() + ": " + problem); }

    bool read(uint64_t offset, void* out, size_t bytes)
    {
        std::string error;
        if (m_file.readAt(offset, out, bytes, error))
            return true;
        m_track.errors.push_back(error);
        return false;
    }

    // Calls `visit` for every chunk inside `region`, checking that each lies
    // wholly inside it. Stops at the first fault.
    void forEachChunk(const Region& region, const std::function<void(const Chunk&)>& visit)
    {
        uint64_t position = region.begin;
        while (ok() && position < region.end) {
            if (region.end - position < kChunkHeaderSize) {
                refuse("damaged: " + bytesText(region.end - position) + " too short for a chunk at the end of the "
                       + region.name + " (byte " + std::to_string(position) + ")");
                return;
            }
            uint8_t header[kChunkHeaderSize];
            if (!read(position, header, sizeof header))
                return;
            Chunk chunk;
            std::memcpy(chunk.id, header, 4);
            chunk.size = loadBigEndian(header + 4, 8);
            chunk.dataOffset = position + kChunkHeaderSize;
            const uint64_t room = region.end - chunk.dataOffset;
            if (chunk.size > room) {
                const uint64_t inFile = m_file.size() - chunk.dataOffset;
                if (chunk.size > inFile && chunk.is("DST "))
                    refuse(dstTruncationProblem(m_file, chunk.dataOffset, inFile));
                else if (chunk.size > inFile)
                    refuse("truncated: " + describeChunkId(chunk.id) + " chunk says " + bytesText(chunk.size)
                           + ", file has " + bytesText(inFile));
                else
                    refuse("damaged: " + describeChunkId(chunk.id) + " chunk at byte " + std::to_string(position)
                           + " says " + bytesText(chunk.size) + ", but its " + region.name + " has only "
                           + bytesText(room) + " left");
                return;
            }
            visit(chunk);
            position = chunk.dataOffset + chunk.size + (chunk.size & 1);
        }
    }

    void parseForm()
    {
        uint8_t form[16];
        if (m_file.size() < sizeof form) {
            refuse("truncated: a DSDIFF header needs 16 bytes, file has " + bytesText(m_file.size()));
            return;
        }
        if (!read(0, form, sizeof form))
            return;
        if (std::memcmp(form + 12, "DSD ", 4) != 0) {
            refuse("not a DSD file: DSDIFF form type " + describeChunkId(form + 12) + ", expected 'DSD '");
            return;
        }
        const uint64_t formSize = loadBigEndian(form + 4, 8);
        const uint64_t inFile = m_file.size() - kChunkHeaderSize;
        if (formSize < 4) {
            refuse("damaged header: 'FRM8' chunk size is " + std::to_string(formSize));
            return;
        }
        // Walk what is there first, so a cut-off file names the chunk that
        // was cut; only then blame the form's own size.
        forEachChunk({sizeof form, kChunkHeaderSize + std::min(formSize, inFile), "'FRM8' chunk"},
                     [this](const Chunk& chunk) { visitTopLevel(chunk); });
        if (ok() && formSize > inFile)
            refuse("truncated: 'FRM8' chunk says " + bytesText(formSize) + ", file has " + bytesText(inFile));
    }

    void visitTopLevel(const Chunk& chunk)
    {
        if (chunk.is("FVER")) {
            uint8_t version[4];
            if (chunk.size != 4) {
                refuse("damaged header: 'FVER' chunk size is " + std::to_string(chunk.size) + ", expected 4");
            } else if (read(chunk.dataOffset, version, 4) && version[0] != 1) {
                refuse("DSDIFF version " + std::to_string(version[0]) + "." + std::to_string(version[1]) + "."
                       + std::to_string(version[2]) + "." + std::to_string(version[3])
                       + " is not supported (1.x expected)");
            }
        } else if (chunk.is("PROP")) {
            parseProperties(chunk);
        } else if (chunk.is("DSD ") || chunk.is("DST ")) {
            if (m_facts.sound) {
                refuse("damaged: a second sound data chunk " + describeChunkId(chunk.id) + " at byte "
                       + std::to_string(chunk.dataOffset - kChunkHeaderSize));
                return;
            }
            m_facts.sound = chunk;
            m_facts.dstSound = chunk.is("DST ");
        } else if (chunk.is("DIIN")) {
            forEachChunk({chunk.dataOffset, chunk.dataOffset + chunk.size, "'DIIN' chunk"}, [this](const Chunk& info) {
                if (info.is("DITI"))
                    m_facts.diinTitle = readCountedText(info);
                else if (info.is("DIAR"))
                    m_facts.diinArtist = readCountedText(info);
            });
        } else if (chunk.is("ID3 ")) {
            m_facts.id3 = chunk;
        } else if (chunk.is("DSTI")) {
            m_facts.dstIndex = chunk;
        }
    }

    void parseProperties(const Chunk& prop)
    {
        uint8_t type[4];
        if (prop.size < 4) {
            refuse("damaged header: 'PROP' chunk size is " + std::to_string(prop.size));
            return;
        }
        if (!read(prop.dataOffset, type, 4))
            return;
        if (std::memcmp(type, "SND ", 4) != 0) {
            refuse("damaged header: 'PROP' chunk of type " + describeChunkId(type) + ", expected 'SND '");
            return;
        }
        m_facts.sawProperties = true;
        forEachChunk({prop.dataOffset + 4, prop.dataOffset + prop.size, "'PROP' chunk"},
                     [this](const Chunk& chunk) { visitProperty(chunk); });
    }

    void visitProperty(const Chunk& chunk)
    {
        uint8_t field[8];
        if (chunk.is("FS  ")) {
            if (chunk.size != 4)
                return refuse("damaged header: 'FS  ' chunk size is " + std::to_string(chunk.size) + ", expected 4");
            if (read(chunk.dataOffset, field, 4))
                m_facts.sampleRate = static_cast<uint32_t>(loadBigEndian(field, 4));
        } else if (chunk.is("CHNL")) {
            if (chunk.size < 2 || !read(chunk.dataOffset, field, 2))
                return refuse("damaged header: 'CHNL' chunk size is " + std::to_string(chunk.size));
            const int channels = static_cast<int>(loadBigEndian(field, 2));
            if (chunk.size < 2 + 4 * uint64_t(channels))
                return refuse("damaged header: 'CHNL' chunk of " + std::to_string(chunk.size) + " bytes cannot name "
                              + std::to_string(channels) + " channels");
            m_facts.channels = channels;
            std::vector<char> ids(size_t(channels) * 4);
            if (channels > 0 && read(chunk.dataOffset + 2, ids.data(), ids.size())) {
                for (int c = 0; c < channels; ++c)
                    m_facts.channelIds.emplace_back(ids.data() + 4 * c, 4);
            }
        } else if (chunk.is("CMPR")) {
            if (chunk.size < 4 || !read(chunk.dataOffset, field, 4))
                return refuse("damaged header: 'CMPR' chunk size is " + std::to_string(chunk.size));
            m_facts.compression.assign(reinterpret_cast<const char*>(field), 4);
        }
    }

    // DITI/DIAR: a 4-byte count, then that many characters.
    std::string readCountedText(const Chunk& chunk)
    {
        uint8_t countField[4];
        if (chunk.size < 4 || !read(chunk.dataOffset, countField, 4)) {
            m_track.warnings.push_back(m_file.path() + ": " + describeChunkId(chunk.id)
                                       + " text chunk is damaged; ignored");
            return {};
        }
        const uint64_t count = loadBigEndian(countField, 4);
        if (count > chunk.size - 4 || count > kMaxTextChunkBytes) {
            m_track.warnings.push_back(m_file.path() + ": " + describeChunkId(chunk.id) + " text says "
                                       + std::to_string(count) + " characters, its chunk holds "
                                       + std::to_string(chunk.size - 4) + "; ignored");
            return {};
        }
        std::string raw(static_cast<size_t>(count), '\0');
        if (count > 0 && !read(chunk.dataOffset + 4, raw.data(), raw.size()))
            return {};
        return textToUtf8(raw);
    }

    // Checks what was found and, if the file is usable, fills `m_track`.
    void finish(std::unique_ptr<InputFile> file)
    {
        if (!ok())
            return;
        if (!m_facts.sawProperties)
            return refuse("damaged header: no 'PROP' chunk");
        if (!m_facts.sampleRate)
            return refuse("damaged header: no 'FS  ' (sample rate) chunk");
        if (!m_facts.channels)
            return refuse("damaged header: no 'CHNL' (channels) chunk");
        const bool dst = m_facts.compression == "DST ";
        if (dst != m_facts.dstSound && m_facts.sound)
            refuse("damaged: compression type "
                   + describeChunkId(reinterpret_cast<const uint8_t*>(m_facts.compression.data())) + " with a "
                   + describeChunkId(m_facts.sound->id) + " sound data chunk");
        else if (!dst && m_facts.compression != "DSD ")
            refuse("compression type " + describeChunkId(reinterpret_cast<const uint8_t*>(m_facts.compression.data()))
                   + " is not supported (plain 'DSD ' expected)");
        checkDiscFormat(m_file.path(), *m_facts.channels, *m_facts.sampleRate, m_track);
        if (!ok())
            return;
        if (!m_facts.sound)
            return refuse(std::string("damaged: no ") + (dst ? "'DST '" : "'DSD '") + " sound data chunk");
        std::string orderProblem;
        auto order = discChannelOrder(m_facts.channelIds, orderProblem);
        if (!order)
            return refuse(orderProblem);
        uint64_t dataBytes = m_facts.sound->size;
        const auto channels = static_cast<uint64_t>(*m_facts.channels);
        std::unique_ptr<DsdSource> dstSource;
        if (dst) {
            DstSoundChunks chunks{m_facts.sound->dataOffset, m_facts.sound->size, {}, 0};
            if (m_facts.dstIndex) {
                chunks.indexOffset = m_facts.dstIndex->dataOffset;
                chunks.indexSize = m_facts.dstIndex->size;
            }
            uint64_t frames = 0;
            dstSource = openDstSound(std::move(file), *order, chunks, frames, m_track.errors);
            if (!dstSource)
                return;
            dataBytes = frames * kBytesPerChannelFrame * channels;
        } else if (dataBytes == 0) {
            return refuse("holds no audio ('DSD ' chunk is empty)");
        } else if (dataBytes % channels != 0) {
            return refuse("damaged: 'DSD ' chunk of " + bytesText(dataBytes) + " does not divide into "
                          + std::to_string(channels) + " channels");
        }

        if (m_facts.id3) {
            if (m_facts.id3->size > kMaxTagBytes) {
                m_track.warnings.push_back(m_file.path() + ": ID3v2 tag of " + std::to_string(m_facts.id3->size)
                                           + " bytes is too large to read; in-file text ignored");
            } else {
                std::vector<uint8_t> tag(static_cast<size_t>(m_facts.id3->size));
                if (!tag.empty() && read(m_facts.id3->dataOffset, tag.data(), tag.size()))
                    applyId3Tag(tag.data(), tag.size(), m_file.path(), m_track);
            }
        }
        // ID3v2 can say more than DIIN's plain text, so it goes first.
        if (m_track.text.title.empty())
            m_track.text.title = m_facts.diinTitle;
        if (m_track.text.performer.empty())
            m_track.text.performer = m_facts.diinArtist;

        m_track.channels = *m_facts.channels;
        m_track.sampleRate = *m_facts.sampleRate;
        m_track.sampleCount = dataBytes / channels * 8;
        m_track.source = dstSource
            ? std::move(dstSource)
            : std::make_unique<DsdiffSource>(std::move(file), std::move(*order), m_facts.sound->dataOffset, dataBytes);
    }

private:
    InputFile& m_file;
    OpenedTrack& m_track;
    DsdiffFacts m_facts;
};

} // namespace

void readDsdiff(std::unique_ptr<InputFile> file, OpenedTrack& track)
{
    DsdiffParser parser(*file, track);
    parser.parseForm();
    parser.finish(std::move(file));
}

} // namespace orvi::engine
