#pragma once

// Writes DSF or plain DSDIFF files from audio in the disc's byte order,
// streaming: memory stays at a few DSF block groups whatever the length. The
// file is a file of its own, or a stretch of a device being written (a file
// inside a disc image).

#include <QFile>

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::engine::signal {

enum class DsdFileFormat { Dsf, Dsdiff };

struct DsdFileText {
    std::vector<uint8_t> id3Tag; // a whole ID3v2 tag, empty = none
    std::string diinTitle;       // DSDIFF only: DIIN DITI / DIAR
    std::string diinArtist;
};

class DsdFileWriter
{
public:
    // On failure `error` names the path and the reason.
    bool open(const std::string& path, DsdFileFormat format, int channels, uint32_t sampleRate, std::string& error);
    // Writes into `device` from its current position on; `name` is for
    // messages. The device stays open and positioned after the file.
    bool open(QIODevice& device, const std::string& name, DsdFileFormat format, int channels, uint32_t sampleRate,
              std::string& error);
    // `bytes` must be a multiple of the channel count.
    bool write(const uint8_t* discOrder, size_t bytes, std::string& error);
    // Writes what is pending, the text and the final sizes, and closes.
    bool finish(const DsdFileText& text, std::string& error);

private:
    bool put(const void* data, size_t bytes, std::string& error);
    bool seek(uint64_t offset, std::string& error);
    bool flushDsfGroup(std::string& error);
    bool writeConverted(std::string& error);

    bool start(std::string& error);

    QFile file_;
    QIODevice* device_ = nullptr;
    qint64 base_ = 0; // the file's first byte on the device
    uint64_t end_ = 0; // bytes written, from base_
    std::string path_;
    DsdFileFormat format_ = DsdFileFormat::Dsf;
    int channels_ = 2;
    uint32_t sampleRate_ = 0;
    uint64_t bytesPerChannel_ = 0; // written so far
    uint64_t dataBytes_ = 0;       // in the file's data chunk so far
    std::vector<uint8_t> pending_; // DSF: disc-order bytes of the group being filled
    std::vector<uint8_t> group_;   // DSF: block groups in file order, written together
    size_t converted_ = 0;         // bytes of group_ filled
    uint64_t dsdiffSoundHeaderAt_ = 0;
};

} // namespace orvi::engine::signal
