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
    dstOrder_ = dstOrder;
    file_.setFileName(QString::fromUtf8(path));
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = path + ": cannot create: " + file_.errorString().toStdString();
        return false;
    }
    return open(file_, path, format, channels, sampleRate, error);
}

bool DsdFileWriter::open(QIODevice& device, const std::string& name, DsdFileFormat format, int channels,
                         uint32_t sampleRate, std::string& error)
{
    device_ = &device;
    base_ = device.pos();
    path_ = name;
    format_ = format;
    channels_ = channels;
    sampleRate_ = sampleRate;
    return start(error);
}

bool DsdFileWriter::start(std::string& error)
{
    if (format_ == DsdFileFormat::Dsf) {
        pending_.reserve(size_t(kDsfBlockBytes) * channels_);
        group_.resize(kGroupsPerWrite * kDsfBlockBytes * size_t(channels_));
        return put(dsfHeader({}).data(), kDsfHeaderBytes, error); // rewritten by finish()
    }
    std::vector<uint8_t> head = dsdiffChunkHeader("FRM8", 0); // sized by finish()
    head.insert(head.end(), {'D', 'S', 'D', ' '});
    const bool dst = format_ == DsdFileFormat::DstDsdiff;
    for (const auto& chunk : {dsdiffVersionChunk(), dsdiffPropertyChunk(channels_, sampleRate_, dst ? "DST " : "DSD ")})
        head.insert(head.end(), chunk.begin(), chunk.end());
    dsdiffSoundHeaderAt_ = head.size();
    const auto soundHeader = dsdiffChunkHeader(dst ? "DST " : "DSD ", 0);
    head.insert(head.end(), soundHeader.begin(), soundHeader.end());
    if (dst) {
        const auto frameRate = frameRateChunk(0); // the count is set by finish()
        head.insert(head.end(), frameRate.begin(), frameRate.end());
        pending_.reserve(dst::frameDsdBytes(channels_));
        dstPool_ = std::make_unique<dst::FrameEncoderPool>(
            channels_, dst::EncodeOptions{dstOrder_}, [this](std::vector<uint8_t>&& frame) {
                const auto header = dsdiffChunkHeader("DSTF", frame.size());
                appendBigEndian(dstIndex_, end_ + kChunkHeaderBytes, 8);
                appendBigEndian(dstIndex_, frame.size(), 4);
                if (frame.size() % 2)
                    frame.push_back(0);
                ++dstFrames_;
                return put(header.data(), header.size(), dstError_) && put(frame.data(), frame.size(), dstError_);
            });
    }
    return put(head.data(), head.size(), error);
}

bool DsdFileWriter::put(const void* data, size_t bytes, std::string& error)
{
    if (device_->write(static_cast<const char*>(data), static_cast<qint64>(bytes)) == static_cast<qint64>(bytes)) {
        end_ = std::max(end_, uint64_t(device_->pos() - base_));
        return true;
    }
    error = path_ + ": cannot write: " + device_->errorString().toStdString();
    return false;
}

bool DsdFileWriter::seek(uint64_t offset, std::string& error)
{
    if (device_->seek(base_ + static_cast<qint64>(offset)))
        return true;
    error = path_ + ": cannot seek: " + device_->errorString().toStdString();
    return false;
}

bool DsdFileWriter::flushDsfGroup(std::string& error)
{
    const size_t bytesPerChannel = pending_.size() / channels_;
    const size_t groupBytes = size_t(kDsfBlockBytes) * channels_;
    discOrderToDsfGroup(pending_.data(), bytesPerChannel, channels_, group_.data() + converted_);
    pending_.clear();
    converted_ += groupBytes;
    dataBytes_ += groupBytes;
    return converted_ < group_.size() || writeConverted(error);
}

bool DsdFileWriter::writeConverted(std::string& error)
{
    const size_t bytes = converted_;
    converted_ = 0;
    return bytes == 0 || put(group_.data(), bytes, error);
}

bool DsdFileWriter::write(const uint8_t* discOrder, size_t bytes, std::string& error)
{
    bytesPerChannel_ += bytes / channels_;
    if (format_ == DsdFileFormat::DstDsdiff)
        return writeDstFrames(discOrder, bytes, error);
    if (format_ == DsdFileFormat::Dsdiff) {
        dataBytes_ += bytes;
        return put(discOrder, bytes, error);
    }
    const size_t groupBytes = size_t(kDsfBlockBytes) * channels_;
    while (bytes > 0) {
        const size_t take = std::min(bytes, groupBytes - pending_.size());
        pending_.insert(pending_.end(), discOrder, discOrder + take);
        discOrder += take;
        bytes -= take;
        if (pending_.size() == groupBytes && !flushDsfGroup(error))
            return false;
    }
    return true;
}

bool DsdFileWriter::writeDstFrames(const uint8_t* discOrder, size_t bytes, std::string& error)
{
    const size_t frameBytes = dst::frameDsdBytes(channels_);
    while (bytes > 0) {
        const size_t take = std::min(bytes, frameBytes - pending_.size());
        pending_.insert(pending_.end(), discOrder, discOrder + take);
        discOrder += take;
        bytes -= take;
        if (pending_.size() == frameBytes) {
            if (!dstPool_->submit(pending_)) {
                error = dstError_;
                return false;
            }
            pending_.clear();
        }
    }
    return true;
}

bool DsdFileWriter::finishDst(std::string& error)
{
    if (!pending_.empty()) {
        pending_.resize(dst::frameDsdBytes(channels_), kDsdSilenceByte);
        if (!dstPool_->submit(pending_)) {
            error = dstError_;
            return false;
        }
    }
    if (!dstPool_->finish()) {
        error = dstError_;
        return false;
    }
    dstPool_.reset();
    dataBytes_ = end_ - dsdiffSoundHeaderAt_ - kChunkHeaderBytes;
    const auto index = dsdiffChunk("DSTI", dstIndex_);
    const auto frameRate = frameRateChunk(dstFrames_);
    if (!put(index.data(), index.size(), error))
        return false;
    const uint64_t end = end_;
    return seek(dsdiffSoundHeaderAt_ + kChunkHeaderBytes, error) && put(frameRate.data(), frameRate.size(), error)
        && seek(end, error);
}

bool DsdFileWriter::finish(const DsdFileText& text, std::string& error)
{
    if (format_ == DsdFileFormat::DstDsdiff && !finishDst(error))
        return false;
    if (format_ == DsdFileFormat::Dsf) {
        if ((!pending_.empty() && !flushDsfGroup(error)) || !writeConverted(error))
            return false;
        if (!text.id3Tag.empty() && !put(text.id3Tag.data(), text.id3Tag.size(), error))
            return false;
        const auto header =
            dsfHeader(dsfHeaderFor(channels_, sampleRate_, bytesPerChannel_ * 8, dataBytes_, text.id3Tag.size()));
        if (!seek(0, error) || !put(header.data(), header.size(), error))
            return false;
    } else {
        std::vector<uint8_t> trailer;
        if (dataBytes_ % 2)
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
        const uint64_t formSize = end_ - 12;
        const auto formHeader = dsdiffChunkHeader("FRM8", formSize);
        const auto soundHeader =
            dsdiffChunkHeader(format_ == DsdFileFormat::DstDsdiff ? "DST " : "DSD ", dataBytes_);
        if (!seek(0, error) || !put(formHeader.data(), formHeader.size(), error)
            || !seek(dsdiffSoundHeaderAt_, error) || !put(soundHeader.data(), soundHeader.size(), error))
            return false;
    }
    if (device_ != &file_)
        return seek(end_, error);
    file_.close();
    if (file_.error() != QFileDevice::NoError) {
        error = path_ + ": cannot write: " + file_.errorString().toStdString();
        return false;
    }
    return true;
}

} // namespace orvi::engine::signal
