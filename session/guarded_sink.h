#pragma once

#include <functional>
#include <mutex>
#include <shared_mutex>
#include <string>

namespace orvi {

// Receiver of engine output chunks: complete lines as raw bytes.
using LineSink = std::function<void(const std::string&)>;

// A line sink that threads outliving their owner may still hold. Once revoked
// it drops every chunk, and revoke() waits for calls already in progress, so
// that no call reaches a receiver that is being destroyed. Calls from several
// threads run side by side.
class GuardedSink
{
public:
    explicit GuardedSink(LineSink sink) : m_sink(std::move(sink)) {}

    bool isSet() const
    {
        std::shared_lock lock(m_mutex);
        return !m_revoked && m_sink;
    }

    // Passes on whatever the sink throws.
    void deliver(const std::string& chunk) const
    {
        std::shared_lock lock(m_mutex);
        if (!m_revoked && m_sink)
            m_sink(chunk);
    }

    void revoke()
    {
        std::unique_lock lock(m_mutex);
        m_revoked = true;
        m_sink = nullptr;
    }

private:
    mutable std::shared_mutex m_mutex;
    LineSink m_sink;
    bool m_revoked = false;
};

} // namespace orvi
