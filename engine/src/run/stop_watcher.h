#pragma once

// Watches standard input for the control word "stop" (one line) while a run
// is going on. A helper thread waits for input with a short timeout, so the
// watcher can always be ended promptly: the entry never blocks on standard
// input, which inside the host program is a pipe it does not own. A check
// also drains whatever is already waiting, so a stop written before a track
// boundary is seen at that boundary.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace orvi::engine {

class StopWatcher
{
public:
    explicit StopWatcher(int fd = 0);
    ~StopWatcher(); // ends and joins the helper thread
    StopWatcher(const StopWatcher&) = delete;
    StopWatcher& operator=(const StopWatcher&) = delete;

    bool stopRequested();

private:
    void watch();
    // Reads what is waiting (without blocking) and looks for a "stop" line.
    // False once the input is closed or unusable.
    bool drainWaiting();
    void takeLines();

    int m_fd;
    std::atomic<bool> m_stopSeen{false};
    std::atomic<bool> m_finishing{false};
    std::atomic<bool> m_inputOpen{true};
    std::mutex m_readMutex;
    std::string m_pending;
    std::thread m_thread;
};

} // namespace orvi::engine
