// Frames are independent, so workers encode them in any order; the caller's
// thread hands them to the sink strictly in submission order. At most
// kFramesPerThread frames per worker are queued or waiting to be delivered.

#include "dst/dst_codec.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

namespace orvi::engine::dst {

namespace {
constexpr size_t kFramesPerThread = 4;
}

struct FrameEncoderPool::State {
    int channelCount;
    EncodeOptions options;
    Sink sink;
    size_t capacity = 0;

    std::mutex mutex;
    std::condition_variable workReady; // a frame was queued, or the pool closes
    std::condition_variable frameDone;
    std::deque<std::pair<uint64_t, std::vector<uint8_t>>> queue; // DSD waiting for a worker
    std::map<uint64_t, std::vector<uint8_t>> done;               // coded, waiting for their turn
    uint64_t submitted = 0;
    uint64_t delivered = 0;
    bool closing = false;
    bool stopped = false; // the sink said stop
    std::vector<std::jthread> workers;

    void work()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            workReady.wait(lock, [this] { return closing || !queue.empty(); });
            if (queue.empty())
                return;
            auto [number, dsd] = std::move(queue.front());
            queue.pop_front();
            lock.unlock();
            auto frame = encodeFrame(dsd, channelCount, options);
            lock.lock();
            done.emplace(number, std::move(frame));
            frameDone.notify_all();
        }
    }

    // Delivers finished frames in order until at most `keep` are in flight.
    bool deliverUntil(uint64_t keep)
    {
        std::unique_lock lock(mutex);
        while (!stopped && submitted - delivered > keep) {
            frameDone.wait(lock, [this] { return done.count(delivered) != 0; });
            auto frame = std::move(done.extract(delivered).mapped());
            lock.unlock();
            const bool goOn = sink(std::move(frame));
            lock.lock();
            ++delivered;
            stopped = !goOn;
        }
        return !stopped;
    }
};

FrameEncoderPool::FrameEncoderPool(int channelCount, EncodeOptions options, Sink sink, int threads)
    : m_state(std::make_unique<State>())
{
    m_state->channelCount = channelCount;
    m_state->options = options;
    m_state->sink = std::move(sink);
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    m_state->capacity = kFramesPerThread * size_t(threads);
    for (int i = 0; i < threads; ++i)
        m_state->workers.emplace_back([state = m_state.get()] { state->work(); });
}

FrameEncoderPool::~FrameEncoderPool()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->closing = true;
        m_state->queue.clear();
    }
    m_state->workReady.notify_all();
    m_state->workers.clear(); // joins
}

bool FrameEncoderPool::submit(std::span<const uint8_t> dsd)
{
    if (!m_state->deliverUntil(m_state->capacity - 1))
        return false;
    {
        std::lock_guard lock(m_state->mutex);
        m_state->queue.emplace_back(m_state->submitted++, std::vector<uint8_t>(dsd.begin(), dsd.end()));
    }
    m_state->workReady.notify_one();
    return true;
}

bool FrameEncoderPool::finish()
{
    return m_state->deliverUntil(0);
}

} // namespace orvi::engine::dst
