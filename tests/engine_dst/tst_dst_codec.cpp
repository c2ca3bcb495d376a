// DST frames: every bit comes back through our decoder, the pool's output
// does not depend on its thread count, and damaged frames are refused.

#include "dst/dst_codec.h"
#include "signal/test_signal.h"

#include "plain_checks.h"

#include <algorithm>
#include <random>

using namespace orvi::engine;

namespace {

std::vector<uint8_t> toneFrames(int channels, int frames, double levelDb, std::optional<double> noiseDb = {})
{
    return signal::SignalGenerator({.channels = channels,
                                    .bytesPerChannel = uint64_t(frames) * kBytesPerChannelFrame,
                                    .moreFrequencies = {},
                                    .levelDb = levelDb,
                                    .noiseDb = noiseDb})
        .generateAll();
}

std::span<const uint8_t> frameOf(const std::vector<uint8_t>& dsd, int channels, int index)
{
    const size_t bytes = dst::frameDsdBytes(channels);
    return std::span<const uint8_t>(dsd).subspan(size_t(index) * bytes, bytes);
}

// Encodes and decodes one frame; returns the coded size (0 on a mismatch).
size_t roundTrip(std::span<const uint8_t> dsd, int channels, int maxOrder)
{
    const auto frame = dst::encodeFrame(dsd, channels, {maxOrder});
    std::vector<uint8_t> decoded(dsd.size());
    std::string error;
    if (!CHECK(dst::decodeFrame(frame, channels, decoded, error) && std::ranges::equal(decoded, dsd))) {
        std::fprintf(stderr, "  %d channels, order %d: %s\n", channels, maxOrder, error.c_str());
        return 0;
    }
    return frame.size();
}

void roundTrips()
{
    std::mt19937 random(7);
    std::vector<uint8_t> noise(dst::frameDsdBytes(2));
    std::ranges::generate(noise, [&] { return uint8_t(random()); });
    const size_t stereoPlain = dst::frameDsdBytes(2) + 1;
    const struct {
        const char* name;
        int channels;
        std::vector<uint8_t> dsd;
        size_t largestFrame; // bytes the coded frame may take
    } cases[] = {
        {"silence pattern", 2, std::vector<uint8_t>(dst::frameDsdBytes(2), 0x69), 100},
        {"all zero", 2, std::vector<uint8_t>(dst::frameDsdBytes(2), 0x00), 100},
        {"all one", 6, std::vector<uint8_t>(dst::frameDsdBytes(6), 0xFF), 200},
        {"full-scale tone", 2, toneFrames(2, 2, -5.0), stereoPlain * 2 / 3},
        {"tone with noise", 5, toneFrames(5, 2, -12.0, -20.0), dst::frameDsdBytes(5)},
        {"six channels", 6, toneFrames(6, 2, -6.0), dst::frameDsdBytes(6) * 2 / 3},
        {"white noise: plain", 2, noise, stereoPlain},
    };
    for (const auto& c : cases) {
        for (int frame = 0; frame < int(c.dsd.size() / dst::frameDsdBytes(c.channels)); ++frame) {
            const size_t size = roundTrip(frameOf(c.dsd, c.channels, frame), c.channels, 128);
            if (!CHECK(size > 0 && size <= c.largestFrame))
                std::fprintf(stderr, "  %s: frame of %zu bytes, at most %zu expected\n", c.name, size, c.largestFrame);
        }
    }
    CHECK_EQ(dst::encodeFrame(noise, 2, {})[0], 0x00); // incompressible: sent plain

    // Every prediction order; longer filters pay on a tone.
    const auto tone = toneFrames(2, 1, -6.0);
    std::vector<size_t> sizes(dst::kMaxPredictionOrder + 1);
    for (int order = 1; order <= dst::kMaxPredictionOrder; ++order)
        sizes[size_t(order)] = roundTrip(tone, 2, order);
    CHECK(sizes.back() < sizes[8]);
}

void poolIsThreadCountIndependent()
{
    const int channels = 2, frames = 24;
    const auto dsd = toneFrames(channels, frames, -10.0, -40.0);
    std::vector<uint8_t> expected;
    for (int f = 0; f < frames; ++f) {
        const auto frame = dst::encodeFrame(frameOf(dsd, channels, f), channels, {64});
        expected.insert(expected.end(), frame.begin(), frame.end());
    }
    for (const int threads : {1, 2, 5}) {
        std::vector<uint8_t> out;
        const auto sink = [&](std::vector<uint8_t>&& frame) {
            out.insert(out.end(), frame.begin(), frame.end());
            return true;
        };
        dst::FrameEncoderPool pool(channels, {64}, sink, threads);
        for (int f = 0; f < frames; ++f)
            CHECK(pool.submit(frameOf(dsd, channels, f)));
        CHECK(pool.finish() && out == expected);
    }
    // A sink that says stop ends the run.
    int delivered = 0;
    dst::FrameEncoderPool pool(
        channels, {8}, [&](std::vector<uint8_t>&&) { return ++delivered < 3; }, 2);
    bool accepted = true;
    for (int f = 0; f < frames && accepted; ++f)
        accepted = pool.submit(frameOf(dsd, channels, f));
    CHECK(!accepted || !pool.finish());
    CHECK_EQ(delivered, 3);
}

void damagedFramesRefused()
{
    const int channels = 2;
    const auto dsd = toneFrames(channels, 1, -6.0);
    const auto frame = dst::encodeFrame(dsd, channels, {32});
    std::vector<uint8_t> decoded(dsd.size());
    std::string error;
    auto extended = frame;
    extended.insert(extended.end(), 3, 0);
    auto plainLong = dst::plainFrame(dsd), plainStuffed = plainLong;
    plainLong.push_back(0);
    plainStuffed[0] = 0x40;
    const struct {
        std::vector<uint8_t> frame;
        std::string error;
    } cases[] = {
        {{}, "the frame is empty"},
        {{frame.begin(), frame.begin() + 20}, "the frame ends inside its header"},
        {extended, "the frame runs on past the end of its arithmetic code"},
        {{0xE0, 0x00}, "the frame has several segments per channel, which is not supported"},
        {plainLong, "a plain frame of 9410 bytes, not 9409"},
        {plainStuffed, "a plain frame's first byte is not 0"},
    };
    for (const auto& c : cases) {
        error.clear();
        CHECK(!dst::decodeFrame(c.frame, channels, decoded, error));
        CHECK_EQ(error, c.error);
    }

    // Random damage: refused with a reason or decoded to something, never a crash or an overrun.
    std::mt19937 random(11);
    int refused = 0;
    for (int i = 0; i < 300; ++i) {
        auto damaged = frame;
        for (int flips = 1 + int(random() % 4); flips > 0; --flips)
            damaged[random() % std::min<size_t>(damaged.size(), 200)] ^= uint8_t(1u << (random() % 8));
        damaged.resize(damaged.size() - random() % 3);
        error.clear();
        if (!dst::decodeFrame(damaged, channels, decoded, error))
            refused += CHECK(!error.empty());
    }
    CHECK(refused > 30);
}

} // namespace

int main()
{
    roundTrips();
    poolIsThreadCountIndependent();
    damagedFramesRefused();
    return orvi::test::finish("tst_dst_codec");
}
