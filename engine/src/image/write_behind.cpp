#include "image/write_behind.h"

#include <system_error>

namespace orvi::engine {

WriteBehind::WriteBehind(ImageFile& file, size_t bufferBytes, size_t bufferCount)
    : m_file(file), m_bufferBytes(bufferBytes)
{
    for (size_t i = 0; i < bufferCount; ++i) {
        m_buffers.push_back(std::make_unique_for_overwrite<uint8_t[]>(bufferBytes));
        m_free.push_back(m_buffers.back().get());
    }
    try {
        m_thread = std::thread([this] { writeQueued(); });
    } catch (const std::system_error&) {
        // No thread: queue() writes at once.
    }
}

WriteBehind::~WriteBehind()
{
    // Without finish() the image is being abandoned: what is still queued
    // need not be written.
    {
        std::lock_guard lock(m_mutex);
        for (const Pending& dropped : m_pending)
            m_free.push_back(dropped.data);
        m_pending.clear();
    }
    stopThread();
}

void WriteBehind::writeQueued()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_ending || !m_pending.empty(); });
        if (m_pending.empty())
            return;
        const Pending next = m_pending.front();
        lock.unlock();
        const bool written = m_file.append(next.data, next.bytes);
        lock.lock();
        m_pending.pop_front();
        m_free.push_back(next.data);
        if (!written) {
            // Nothing after a failed write may reach the file.
            m_failed = true;
            for (const Pending& dropped : m_pending)
                m_free.push_back(dropped.data);
            m_pending.clear();
        }
        m_changed.notify_all();
    }
}

uint8_t* WriteBehind::takeBuffer()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_failed || !m_free.empty(); });
    if (m_failed)
        return nullptr;
    uint8_t* buffer = m_free.back();
    m_free.pop_back();
    return buffer;
}

bool WriteBehind::queue(uint8_t* buffer, size_t bytes)
{
    if (!m_thread.joinable()) {
        const bool written = !m_failed && m_file.append(buffer, bytes);
        m_failed = !written;
        m_free.push_back(buffer);
        return written;
    }
    std::lock_guard lock(m_mutex);
    if (m_failed) {
        m_free.push_back(buffer);
        return false;
    }
    m_pending.push_back({buffer, bytes});
    m_changed.notify_all();
    return true;
}

void WriteBehind::stopThread()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_ending = true;
        m_changed.notify_all();
    }
    m_thread.join();
}

bool WriteBehind::finish()
{
    // The thread writes everything still queued before it ends.
    stopThread();
    return !m_failed;
}

} // namespace orvi::engine
