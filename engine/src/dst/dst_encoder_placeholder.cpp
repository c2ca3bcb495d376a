// Interim codec so that the DST areas can be built before the encoder lands:
// every frame is written plain, and only plain frames decode.
#include "dst/dst_codec.h"

#include <cstring>

namespace orvi::engine::dst {

std::vector<uint8_t> encodeFrame(std::span<const uint8_t> dsd, int, const EncodeOptions&)
{
    return plainFrame(dsd);
}

bool decodeFrame(std::span<const uint8_t> frame, int channelCount, std::span<uint8_t> dsd,
                 std::string& error)
{
    if (frame.empty() || frame[0] != 0x00 || frame.size() != frameDsdBytes(channelCount) + 1) {
        error = "coded frames are not supported yet";
        return false;
    }
    std::memcpy(dsd.data(), frame.data() + 1, frame.size() - 1);
    return true;
}

struct FrameEncoderPool::State {
    int channelCount;
    EncodeOptions options;
    Sink sink;
    bool stopped = false;
};

FrameEncoderPool::FrameEncoderPool(int channelCount, EncodeOptions options, Sink sink, int)
    : m_state(std::make_unique<State>(State{channelCount, options, std::move(sink)}))
{
}

FrameEncoderPool::~FrameEncoderPool() = default;

bool FrameEncoderPool::submit(std::span<const uint8_t> dsd)
{
    if (m_state->stopped)
        return false;
    m_state->stopped = !m_state->sink(encodeFrame(dsd, m_state->channelCount, m_state->options));
    return !m_state->stopped;
}

bool FrameEncoderPool::finish()
{
    return !m_state->stopped;
}

} // namespace orvi::engine::dst
