#pragma once

// Writes a DSF file (version 1, DSD64, 1 bit, LSB first, 4096-byte blocks
// per channel) from the disc's channel-interleaved, MSB-first bytes.

#include <QFile>

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::engine::reader {

class DsfFileWriter
{
public:
    DsfFileWriter(const std::string& path, int channels);

    bool open(std::string& error);
    // `bytes` is a multiple of the channel count.
    bool write(const uint8_t* interleaved, size_t bytes, std::string& error);
    // Pads the last blocks with zeros as the format asks and
    // fills in the sizes.
    bool finish(std::string& error);

private:
    bool flushBlocks(std::string& error);
    bool failed(std::string& error);

    std::string path_;
    int channels_;
    QFile file_;
    std::vector<std::vector<uint8_t>> blocks_; // one 4096-byte block per channel
    size_t fill_ = 0;                          // bytes in each block
    uint64_t bytesPerChannel_ = 0;
    uint64_t dataBytes_ = 0;
};

} // namespace orvi::engine::reader
