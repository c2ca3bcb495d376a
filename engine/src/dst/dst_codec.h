#pragma once

// DST (Direct Stream Transfer): lossless coding of DSD64 frames, as stored in
// DSDIFF "DSTF" chunks and in the audio sectors of a DST area. A frame is
// 1/75 s: kBytesPerChannelFrame bytes per channel, channel-interleaved, first
// sample in the MSB (the disc's byte order, see model/disc_model.h).
//
// Frames are self-contained, so they are encoded in parallel and decoded one
// by one. Nothing here throws.

#include "model/disc_model.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace orvi::engine::dst {

inline constexpr int kMaxPredictionOrder = 128;

// Bytes of one frame's DSD for `channelCount` channels.
constexpr size_t frameDsdBytes(int channelCount)
{
    return size_t(channelCount) * kBytesPerChannelFrame;
}

struct EncodeOptions {
    int maxOrder = kMaxPredictionOrder; // --dst-compression, 1..128
    // The simple strategy (one filter of exactly maxOrder and one 64-entry
    // table per channel, written raw): what the benchmark measures ours against.
    bool simpleStrategy = false;
};

// The uncompressed frame: one 0x00 byte, then the DSD as given.
std::vector<uint8_t> plainFrame(std::span<const uint8_t> dsd);

// Encodes one frame (`dsd.size()` == frameDsdBytes(channelCount)); returns
// the coded frame, or the plain frame where that is smaller.
std::vector<uint8_t> encodeFrame(std::span<const uint8_t> dsd, int channelCount, const EncodeOptions& options);

// Decodes one frame of exactly `frame.size()` bytes into `dsd`
// (frameDsdBytes(channelCount) bytes). On a damaged frame returns false and
// sets `error` to what is wrong (without file or frame number: the caller
// adds them).
bool decodeFrame(std::span<const uint8_t> frame, int channelCount, std::span<uint8_t> dsd, std::string& error);

// Encodes a stream of frames on worker threads and hands the results back
// in submission order, on the thread that calls submit()/finish(). At most a
// bounded number of frames is in flight, so memory stays flat; the bytes are
// the same whatever the thread count.
class FrameEncoderPool
{
public:
    // Returns false to stop the run (e.g. a write failed).
    using Sink = std::function<bool(std::vector<uint8_t>&& frame)>;

    // threads == 0: one per core.
    FrameEncoderPool(int channelCount, EncodeOptions options, Sink sink, int threads = 0);
    ~FrameEncoderPool(); // waits for the workers; undelivered frames are dropped
    FrameEncoderPool(const FrameEncoderPool&) = delete;
    FrameEncoderPool& operator=(const FrameEncoderPool&) = delete;

    // Queues one frame (copied); may block while the queue is full and may
    // deliver finished frames to the sink. False once the sink said stop.
    bool submit(std::span<const uint8_t> dsd);
    // Delivers every queued frame; false if the sink said stop.
    bool finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace orvi::engine::dst
