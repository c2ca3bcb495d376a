#include "signal/dsd_file_writer.h"

#include "signal/dsd_file_layout.h"

#include <algorithm>

namespace orvi::engine::signal {

namespace {

// Block groups converted before they are written: fewer, larger writes.
constexpr size_t kGroupsPerWrite = 32;

} // namespace

bool DsdFileWriter::open(const std::string& path, DsdFileFormat format, int channels, uint32_t sampleRate,
                         std::string& error)
{
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
    for (const auto& chunk : {dsdiffVersionChunk(), dsdiffPropertyChunk(channels_, sampleRate_)})
        head.insert(head.end(), chunk.begin(), chunk.end());
    dsdiffSoundHeaderAt_ = head.size();
    const auto soundHeader = dsdiffChunkHeader("DSD ", 0);
    head.insert(head.end(), soundHeader.begin(), soundHeader.end());
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

bool DsdFileWriter::finish(const DsdFileText& text, std::string& error)
{
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
        const auto soundHeader = dsdiffChunkHeader("DSD ", dataBytes_);
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
