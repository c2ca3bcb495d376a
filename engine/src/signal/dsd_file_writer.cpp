#include "signal/dsd_file_writer.h"

#include "dst/dst_codec.h"
#include "signal/dsd_file_layout.h"

#include <algorithm>

namespace orvi::engine::signal {

namespace {

// Block groups converted before they are written: fewer, larger writes.
constexpr size_t kGroupsPerWrite = 32;

constexpr uint8_t kDsdSilenceByte = 0x69;
constexpr uint64_t kChunkHeaderBytes = 12;

void appendBigEndian(std::vector<uint8_t>& out, uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> frameRateChunk(uint32_t frames)
{
    std::vector<uint8_t> payload;
    appendBigEndian(payload, frames, 4);
    appendBigEndian(payload, 75, 2);
    return dsdiffChunk("FRTE", payload);
}

} // namespace

DsdFileWriter::DsdFileWriter() = default;
DsdFileWriter::~DsdFileWriter() = default;

bool DsdFileWriter::open(const std::string& path, DsdFileFormat format, int channels, uint32_t sampleRate,
                         std::string& error, int dstOrder)
{
    m_dstOrder = dstOrder;
    m_file.setFileName(QString::fromUtf8(path));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = path + ": cannot create: " + m_file.errorString().toStdString();
        return false;
    }
    return open(m_file, path, format, channels, sampleRate, error);
}

bool DsdFileWriter::open(QIODevice& device, const std::string& name, DsdFileFormat format, int channels,
                         uint32_t sampleRate, std::string& error)
{
    m_device = &device;
    m_base = device.pos();
    m_path = name;
    m_format = format;
    m_channels = channels;
    m_sampleRate = sampleRate;
    return start(error);
}

bool DsdFileWriter::start(std::string& error)
{
    if (m_format == DsdFileFormat::Dsf) {
        m_pending.reserve(size_t(kDsfBlockBytes) * m_channels);
        m_group.resize(kGroupsPerWrite * kDsfBlockBytes * size_t(m_channels));
        return put(dsfHeader({}).data(), kDsfHeaderBytes, error); // rewritten by finish()
    }
    std::vector<uint8_t> head = dsdiffChunkHeader("FRM8", 0); // sized by finish()
    head.insert(head.end(), {'D', 'S', 'D', ' '});
    const bool dst = m_format == DsdFileFormat::DstDsdiff;
    for (const auto& chunk :
         {dsdiffVersionChunk(), dsdiffPropertyChunk(m_channels, m_sampleRate, dst ? "DST " : "DSD ")})
        head.insert(head.end(), chunk.begin(), chunk.end());
    m_dsdiffSoundHeaderAt = head.size();
    const auto soundHeader = dsdiffChunkHeader(dst ? "DST " : "DSD ", 0);
    head.insert(head.end(), soundHeader.begin(), soundHeader.end());
    if (dst) {
        const auto frameRate = frameRateChunk(0); // the count is set by finish()
        head.insert(head.end(), frameRate.begin(), frameRate.end());
        m_pending.reserve(dst::frameDsdBytes(m_channels));
        m_dstPool = std::make_unique<dst::FrameEncoderPool>(
            m_channels, dst::EncodeOptions{m_dstOrder}, [this](std::vector<uint8_t>&& frame) {
                const auto header = dsdiffChunkHeader("DSTF", frame.size());
                appendBigEndian(m_dstIndex, m_end + kChunkHeaderBytes, 8);
                appendBigEndian(m_dstIndex, frame.size(), 4);
                if (frame.size() % 2)
                    frame.push_back(0);
                ++m_dstFrames;
                return put(header.data(), header.size(), m_dstError) && put(frame.data(), frame.size(), m_dstError);
            });
    }
    return put(head.data(), head.size(), error);
}

bool DsdFileWriter::put(const void* data, size_t bytes, std::string& error)
{
    if (m_device->write(static_cast<const char*>(data), static_cast<qint64>(bytes)) == static_cast<qint64>(bytes)) {
        m_end = std::max(m_end, uint64_t(m_device->pos() - m_base));
        return true;
    }
    error = m_path + ": cannot write: " + m_device->errorString().toStdString();
    return false;
}

bool DsdFileWriter::seek(uint64_t offset, std::string& error)
{
    if (m_device->seek(m_base + static_cast<qint64>(offset)))
        return true;
    error = m_path + ": cannot seek: " + m_device->errorString().toStdString();
    return false;
}

bool DsdFileWriter::flushDsfGroup(std::string& error)
{
    const size_t bytesPerChannel = m_pending.size() / m_channels;
    const size_t groupBytes = size_t(kDsfBlockBytes) * m_channels;
    discOrderToDsfGroup(m_pending.data(), bytesPerChannel, m_channels, m_group.data() + m_converted);
    m_pending.clear();
    m_converted += groupBytes;
    m_dataBytes += groupBytes;
    return m_converted < m_group.size() || writeConverted(error);
}

bool DsdFileWriter::writeConverted(std::string& error)
{
    const size_t bytes = m_converted;
    m_converted = 0;
    return bytes == 0 || put(m_group.data(), bytes, error);
}

bool DsdFileWriter::write(const uint8_t* discOrder, size_t bytes, std::string& error)
{
    m_bytesPerChannel += bytes / m_channels;
    if (m_format == DsdFileFormat::DstDsdiff)
        return writeDstFrames(discOrder, bytes, error);
    if (m_format == DsdFileFormat::Dsdiff) {
        m_dataBytes += bytes;
        return put(discOrder, bytes, error);
    }
    const size_t groupBytes = size_t(kDsfBlockBytes) * m_channels;
    while (bytes > 0) {
        const size_t take = std::min(bytes, groupBytes - m_pending.size());
        m_pending.insert(m_pending.end(), discOrder, discOrder + take);
        discOrder += take;
        bytes -= take;
        if (m_pending.size() == groupBytes && !flushDsfGroup(error))
            return false;
    }
    return true;
}

bool DsdFileWriter::writeDstFrames(const uint8_t* discOrder, size_t bytes, std::string& error)
{
    const size_t frameBytes = dst::frameDsdBytes(m_channels);
    while (bytes > 0) {
        const size_t take = std::min(bytes, frameBytes - m_pending.size());
        m_pending.insert(m_pending.end(), discOrder, discOrder + take);
        discOrder += take;
        bytes -= take;
        if (m_pending.size() == frameBytes) {
            if (!m_dstPool->submit(m_pending)) {
                error = m_dstError;
                return false;
            }
            m_pending.clear();
        }
    }
    return true;
}

bool DsdFileWriter::finishDst(std::string& error)
{
    if (!m_pending.empty()) {
        m_pending.resize(dst::frameDsdBytes(m_channels), kDsdSilenceByte);
        if (!m_dstPool->submit(m_pending)) {
            error = m_dstError;
            return false;
        }
    }
    if (!m_dstPool->finish()) {
        error = m_dstError;
        return false;
    }
    m_dstPool.reset();
    m_dataBytes = m_end - m_dsdiffSoundHeaderAt - kChunkHeaderBytes;
    const auto index = dsdiffChunk("DSTI", m_dstIndex);
    const auto frameRate = frameRateChunk(m_dstFrames);
    if (!put(index.data(), index.size(), error))
        return false;
    const uint64_t end = m_end;
    return seek(m_dsdiffSoundHeaderAt + kChunkHeaderBytes, error) && put(frameRate.data(), frameRate.size(), error)
        && seek(end, error);
}

bool DsdFileWriter::finish(const DsdFileText& text, std::string& error)
{
    if (m_format == DsdFileFormat::DstDsdiff && !finishDst(error))
        return false;
    if (m_format == DsdFileFormat::Dsf) {
        if ((!m_pending.empty() && !flushDsfGroup(error)) || !writeConverted(error))
            return false;
        if (!text.id3Tag.empty() && !put(text.id3Tag.data(), text.id3Tag.size(), error))
            return false;
        const auto header =
            dsfHeader(dsfHeaderFor(m_channels, m_sampleRate, m_bytesPerChannel * 8, m_dataBytes, text.id3Tag.size()));
        if (!seek(0, error) || !put(header.data(), header.size(), error))
            return false;
    } else {
        std::vector<uint8_t> trailer;
        if (m_dataBytes % 2)
            trailer.push_back(0);
        if (!text.diinTitle.empty() || !text.diinArtist.empty()) {
            const auto info = dsdiffTextInfoChunk(text.diinTitle, text.diinArtist);
            trailer.insert(trailer.end(), info.begin(), info.end());
        }
        if (!text.id3Tag.empty()) {
            const auto tag = dsdiffChunk("ID3 ", text.id3Tag);
            trailer.insert(trailer.end(), tag.begin(), tag.end());
        }
        if (!put(trailer.data(), trailer.size(), error))
            return false;
        const uint64_t formSize = m_end - 12;
        const auto formHeader = dsdiffChunkHeader("FRM8", formSize);
        const auto soundHeader = dsdiffChunkHeader(m_format == DsdFileFormat::DstDsdiff ? "DST " : "DSD ", m_dataBytes);
        if (!seek(0, error) || !put(formHeader.data(), formHeader.size(), error) || !seek(m_dsdiffSoundHeaderAt, error)
            || !put(soundHeader.data(), soundHeader.size(), error))
            return false;
    }
    if (m_device != &m_file)
        return seek(m_end, error);
    m_file.close();
    if (m_file.error() != QFileDevice::NoError) {
        error = m_path + ": cannot write: " + m_file.errorString().toStdString();
        return false;
    }
    return true;
}

} // namespace orvi::engine::signal
