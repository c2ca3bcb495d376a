#pragma once

// Appends filled buffers to the image on a thread of its own, so that reading
// and packing the next buffer overlaps writing the last one. A few buffers
// circulate: the packer takes a free one, fills it and queues it; the writer
// appends queued buffers in order and hands them back. The thread is joined
// by finish() and, whatever happened, by the destructor, which drops what is
// still queued. Should no thread be
// available, queued buffers are written at once instead.

#include "image/image_file.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace orvi::engine {

class WriteBehind
{
public:
    WriteBehind(ImageFile& file, size_t bufferBytes, size_t bufferCount);
    ~WriteBehind();

    WriteBehind(const WriteBehind&) = delete;
    WriteBehind& operator=(const WriteBehind&) = delete;

    size_t bufferBytes() const { return m_bufferBytes; }
    // A buffer to fill (contents undefined); waits while all are queued.
    // Null once a write has failed.
    uint8_t* takeBuffer();
    // Queues the first `bytes` of the buffer last taken for appending.
    // False once a write has failed (the file keeps the message).
    bool queue(uint8_t* buffer, size_t bytes);
    // Waits until every queued buffer is written and ends the thread; the
    // file is the caller's alone again. False when a write failed.
    bool finish();

private:
    struct Pending {
        uint8_t* data;
        size_t bytes;
    };

    void writeQueued();
    void stopThread();

    ImageFile& m_file;
    const size_t m_bufferBytes;
    std::vector<std::unique_ptr<uint8_t[]>> m_buffers;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<uint8_t*> m_free;
    std::deque<Pending> m_pending;
    bool m_ending = false;
    bool m_failed = false;
    std::thread m_thread;
};

} // namespace orvi::engine
