#pragma once

// Writes DSF, plain DSDIFF or DST DSDIFF files from audio in the disc's byte
// order, streaming: memory stays at a few DSF block groups (or the DST
// encoder's queue) whatever the length. The file is a file of its own, or a
// stretch of a device being written (a file inside a disc image).

#include <QFile>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvi::engine::dst {
class FrameEncoderPool;
}

namespace orvi::engine::signal {

// DstDsdiff: DSDIFF whose sound data is DST frames (FRTE, one DSTF per
// frame, then a DSTI index); the last frame is padded with DSD silence.
enum class DsdFileFormat { Dsf, Dsdiff, DstDsdiff };

struct DsdFileText {
    std::vector<uint8_t> id3Tag; // a whole ID3v2 tag, empty = none
    std::string diinTitle;       // DSDIFF only: DIIN DITI / DIAR
    std::string diinArtist;
};

class DsdFileWriter
{
public:
    DsdFileWriter();
    ~DsdFileWriter();
    // On failure `error` names the path and the reason.
    // `dstOrder`: the DST encoder's largest prediction order (DstDsdiff only).
    bool open(const std::string& path, DsdFileFormat format, int channels, uint32_t sampleRate, std::string& error,
              int dstOrder = 128);
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
    bool writeDstFrames(const uint8_t* discOrder, size_t bytes, std::string& error);
    bool finishDst(std::string& error);

    QFile m_file;
    QIODevice* m_device = nullptr;
    qint64 m_base = 0;  // the file's first byte on the device
    uint64_t m_end = 0; // bytes written, from m_base
    std::string m_path;
    DsdFileFormat m_format = DsdFileFormat::Dsf;
    int m_channels = 2;
    uint32_t m_sampleRate = 0;
    uint64_t m_bytesPerChannel = 0; // written so far
    uint64_t m_dataBytes = 0;       // in the file's data chunk so far
    std::vector<uint8_t> m_pending; // DSF: disc-order bytes of the group being filled
    std::vector<uint8_t> m_group;   // DSF: block groups in file order, written together
    size_t m_converted = 0;         // bytes of m_group filled
    uint64_t m_dsdiffSoundHeaderAt = 0;
    int m_dstOrder = 128;
    std::unique_ptr<dst::FrameEncoderPool> m_dstPool;
    std::string m_dstError;          // set by the pool's sink
    std::vector<uint8_t> m_dstIndex; // DSTI payload so far
    uint32_t m_dstFrames = 0;
};

} // namespace orvi::engine::signal
