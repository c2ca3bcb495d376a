#pragma once

// Streams audio into Track Area sectors in the 3-frames-in-14-sectors plain
// DSD format. The audio of consecutive frames lies back to back at bytes
// 32..2047 of consecutive sectors, so packing is a copy plus a 32-byte header
// per sector; sectors are gathered into one large buffer per write. Sources
// read straight into the sectors' audio bytes, so the audio is copied once,
// and full buffers are written on a thread of their own while the next ones
// fill. Destroying the stream without close() joins that thread too.

#include "image/image_file.h"
#include "image/sacd_layout.h"
#include "image/write_behind.h"
#include "model/disc_model.h"

#include <cstdint>
#include <memory>
#include <string>

namespace orvi::engine {

class TrackAreaStream
{
public:
    // `file` already holds everything before the Track Area, which starts at
    // its current end.
    explicit TrackAreaStream(ImageFile& file);

    bool writeAudio(const uint8_t* data, size_t size);
    // Reads up to `maxBytes` of audio from `source` straight into the
    // sectors. `delivered` is the count read, 0 at the source's end, -1 on an
    // input fault (with `inputError` as the source set it). Returns false
    // only when writing failed. The Track Area is stereo: every gap left in
    // a sector is a whole number of 2-byte sample pairs.
    bool writeFrom(DsdSource& source, size_t maxBytes, int64_t& delivered, std::string& inputError);
    bool writeSilence(uint64_t size);
    // Pads the frame in progress with silence; returns the frame count so far.
    bool padToFrame();
    uint64_t framesWritten() const { return m_audioBytes / sacd::kStereoFrameBytes; }
    uint64_t audioBytes() const { return m_audioBytes; }

    // Writes the closing sector (the dummy frame start after the last frame)
    // and whatever is still buffered, and waits for every write to end: the
    // file is the caller's alone again. Call after padToFrame().
    bool close();

private:
    bool flushSectors(size_t count);
    uint8_t* sectorBeingFilled() const { return m_buffer + m_sectorInBuffer * sacd::kSectorSize; }
    // Counts `size` audio bytes just placed in the sector being filled.
    bool audioPlaced(size_t size);

    WriteBehind m_writer;
    uint8_t* m_buffer = nullptr;        // whole sectors from m_writer, every byte written before use
    size_t m_sectorInBuffer = 0;        // sector being filled
    uint32_t m_fillInSector = 0;        // audio bytes already in it
    uint64_t m_firstBufferedSector = 0; // Track Area index of m_buffer's sector 0
    uint64_t m_audioBytes = 0;
};

} // namespace orvi::engine
