#include "reader/dsf_file_writer.h"

#include <array>

namespace orvi::engine::reader {

namespace {

constexpr size_t kBlockSize = 4096;
constexpr uint64_t kHeaderBytes = 28 + 52 + 12;
constexpr uint32_t kDsd64Rate = 2822400;

constexpr std::array<uint8_t, 256> makeBitReversal()
{
    std::array<uint8_t, 256> table{};
    for (unsigned value = 0; value < 256; ++value) {
        unsigned reversed = 0;
        for (int bit = 0; bit < 8; ++bit)
            reversed |= ((value >> bit) & 1u) << (7 - bit);
        table[value] = uint8_t(reversed);
    }
    return table;
}
constexpr std::array<uint8_t, 256> kBitReversal = makeBitReversal();

void putLe(std::vector<uint8_t>& out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

void putId(std::vector<uint8_t>& out, const char* id) { out.insert(out.end(), id, id + 4); }

// DSF channel types: 2 stereo, 6 five channels, 7 5.1.
uint32_t channelType(int channels)
{
    switch (channels) {
    case 5: return 6;
    case 6: return 7;
    default: return uint32_t(channels);
    }
}

} // namespace

DsfFileWriter::DsfFileWriter(const std::string& path, int channels)
    : path_(path), channels_(channels), blocks_(size_t(channels), std::vector<uint8_t>(kBlockSize, 0))
{
}

bool DsfFileWriter::failed(std::string& error)
{
    error = path_ + ": " + file_.errorString().toStdString();
    return false;
}

bool DsfFileWriter::open(std::string& error)
{
    file_.setFileName(QString::fromStdString(path_));
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return failed(error);
    const std::vector<uint8_t> placeholder(kHeaderBytes, 0);
    if (file_.write(reinterpret_cast<const char*>(placeholder.data()), qint64(placeholder.size())) != qint64(kHeaderBytes))
        return failed(error);
    return true;
}

bool DsfFileWriter::write(const uint8_t* interleaved, size_t bytes, std::string& error)
{
    const size_t channels = size_t(channels_);
    for (size_t i = 0; i + channels <= bytes; i += channels) {
        for (size_t c = 0; c < channels; ++c)
            blocks_[c][fill_] = kBitReversal[interleaved[i + c]];
        ++fill_;
        ++bytesPerChannel_;
        if (fill_ == kBlockSize && !flushBlocks(error))
            return false;
    }
    return true;
}

bool DsfFileWriter::flushBlocks(std::string& error)
{
    for (std::vector<uint8_t>& block : blocks_) {
        std::fill(block.begin() + std::ptrdiff_t(fill_), block.end(), uint8_t(0));
        if (file_.write(reinterpret_cast<const char*>(block.data()), kBlockSize) != qint64(kBlockSize))
            return failed(error);
        dataBytes_ += kBlockSize;
    }
    fill_ = 0;
    return true;
}

bool DsfFileWriter::finish(std::string& error)
{
    if (fill_ > 0 && !flushBlocks(error))
        return false;
    std::vector<uint8_t> header;
    putId(header, "DSD ");
    putLe(header, 28, 8);
    putLe(header, kHeaderBytes + dataBytes_, 8);
    putLe(header, 0, 8); // no metadata chunk
    putId(header, "fmt ");
    putLe(header, 52, 8);
    putLe(header, 1, 4); // format version
    putLe(header, 0, 4); // DSD raw
    putLe(header, channelType(channels_), 4);
    putLe(header, uint64_t(channels_), 4);
    putLe(header, kDsd64Rate, 4);
    putLe(header, 1, 4); // bits per sample: LSB first
    putLe(header, bytesPerChannel_ * 8, 8);
    putLe(header, kBlockSize, 4);
    putLe(header, 0, 4);
    putId(header, "data");
    putLe(header, 12 + dataBytes_, 8);
    if (!file_.seek(0)
        || file_.write(reinterpret_cast<const char*>(header.data()), qint64(header.size())) != qint64(header.size()))
        return failed(error);
    if (!file_.flush())
        return failed(error);
    file_.close();
    return true;
}

} // namespace orvi::engine::reader
