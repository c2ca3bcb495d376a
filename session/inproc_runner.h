#pragma once

#include "session/guarded_sink.h"
#include "session/inproc_ctl_queue.h"
#include "platform/std_streams.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvi {

using EngineEntry = int (*)(int argc, char** argv);

// Runs the engine's entry on a worker thread of this process. While it runs,
// descriptors 1 and 2 of the whole process feed one pipe that a reader thread
// drains into the line sink, and descriptor 0 reads from a control pipe (or,
// in queue mode, the engine reads control lines through controlRead). Once
// the run is waited for, descriptors 0 to 2 are exactly what they were.
// One engine call at a time; all operations on one controlling thread.
class InProcRunner
{
public:
    struct WorkerState {
        std::atomic<bool> running{false};
        std::atomic<bool> done{false};
        std::atomic<int> rc{-1};
    };

    struct ReaderState {
        std::mutex mutex;
        std::string pending; // guarded by mutex
        std::shared_ptr<GuardedSink> sink;
        std::atomic<bool> done{false};
        std::atomic<bool> abandoned{false};
    };

    InProcRunner(EngineEntry entry, bool useControlQueue);
    ~InProcRunner();
    InProcRunner(const InProcRunner&) = delete;
    InProcRunner& operator=(const InProcRunner&) = delete;

    // 0 started, -1 no entry or empty argv, -2 a run still active, -3 pipes
    // or redirection could not be set up. A thread that cannot be created
    // throws std::system_error after the run has been torn down again.
    int start(const std::vector<std::string>& argv, LineSink sink);
    bool isRunning() const;
    // Hands one control line to the engine; false (with controlNote set)
    // when it could not be handed over.
    bool sendControl(const std::string& line);
    // Waits for the entry to return and tears the run down: the run's rc, or
    // -1000 (nothing torn down) when the entry is still running.
    int wait(int timeoutMs);
    int stop(int timeoutMs);

    const std::string& controlNote() const { return m_controlNote; }

private:
    bool runFinished() const;
    void settleThreads();
    void closeControlChannel();
    void restoreStandardDescriptors();
    void shutdown();
    void startThreads(const std::vector<std::string>& argv);

    EngineEntry m_entry;
    bool m_useControlQueue;
    std::shared_ptr<InprocCtlQueue> m_controlQueue;
    std::string m_controlNote;
    std::shared_ptr<WorkerState> m_workerState;
    std::thread m_worker;
    std::thread m_reader;
    std::thread m_flusher;
    std::shared_ptr<ReaderState> m_readerState;
    std::shared_ptr<GuardedSink> m_sink;
    std::string m_logPath;
    int m_controlWriteFd = -1;
    int m_outputReadFd = -1;
    platform::SavedDescriptor m_savedStdout;
    platform::SavedDescriptor m_savedStderr;
    platform::SavedDescriptor m_savedStdin;
    bool m_redirected = false;
};

} // namespace orvi
