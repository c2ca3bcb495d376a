#include "session/inproc_runner.h"

#include "session/inproc_runner_threads.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace orvi {

namespace {
constexpr char pipeReadyLine[] = "[host] session pipe ready (fd1/fd2 -> InProcRunner pipe)\n";
constexpr int workerPollMs = 20;
constexpr int readerPollMs = 5;
constexpr int destructorWaitMs = 5000;

std::string diagnosticLogPath()
{
    const char* path = std::getenv("ORVI_INPROC_LOG");
    return path ? std::string(path) : std::string();
}
} // namespace

InProcRunner::InProcRunner(EngineEntry entry, bool useControlQueue) : m_entry(entry), m_useControlQueue(useControlQueue)
{
}

InProcRunner::~InProcRunner()
{
    if (isRunning()) {
        sendControl("stop");
        wait(destructorWaitMs);
    }
    shutdown();
}

bool InProcRunner::isRunning() const
{
    return m_workerState && m_workerState->running;
}

bool InProcRunner::runFinished() const
{
    return m_workerState && m_workerState->done && !m_workerState->running;
}

int InProcRunner::start(const std::vector<std::string>& argv, LineSink sink)
{
    if (!m_entry || argv.empty())
        return -1;
    if (isRunning())
        return -2;

    settleThreads();
    closeControlChannel();
    m_outputReadFd = -1;
    restoreStandardDescriptors();
    platform::ensureStandardDescriptorsOpen();

    platform::PipeEnds output;
    if (!platform::createPrivatePipe(output))
        return -3;
    platform::PipeEnds control;
    if (!m_useControlQueue && !platform::createPrivatePipe(control)) {
        platform::closeDescriptor(output.readFd);
        platform::closeDescriptor(output.writeFd);
        return -3;
    }

    platform::flushAllStandardStreams();
    platform::reattachDetachedStdioStreams();
    m_savedStdout = platform::saveStandardDescriptor(1);
    m_savedStderr = platform::saveStandardDescriptor(2);
    m_savedStdin = platform::saveStandardDescriptor(0);
    m_redirected = true;

    const bool stdoutOk = platform::redirectStandardDescriptor(output.writeFd, 1, true);
    const bool stderrOk = platform::redirectStandardDescriptor(output.writeFd, 2, true);
    const bool stdinOk = m_useControlQueue || platform::redirectStandardDescriptor(control.readFd, 0, false);
    m_logPath = diagnosticLogPath();
    inproc::appendLog(m_logPath, platform::describeRedirection(stdoutOk, stderrOk, stdinOk));
    if (!stdoutOk || !stderrOk || !stdinOk) {
        for (const int fd : {output.readFd, output.writeFd, control.readFd, control.writeFd})
            platform::closeDescriptor(fd);
        restoreStandardDescriptors();
        return -3;
    }
    platform::pointProcessStandardHandlesAtDescriptors();

    // From here only descriptors 0 to 2 hold the engine's ends of the pipes,
    // so restoring them is what ends the reader and the engine's input.
    if (output.writeFd != 1 && output.writeFd != 2)
        platform::closeDescriptor(output.writeFd);
    if (control.readFd >= 1)
        platform::closeDescriptor(control.readFd);
    m_outputReadFd = output.readFd;
    m_controlWriteFd = control.writeFd;

    if (m_useControlQueue) {
        m_controlQueue = std::make_shared<InprocCtlQueue>();
        openControlQueue(*m_controlQueue);
    }
    m_sink = std::make_shared<GuardedSink>(std::move(sink));
    m_readerState = std::make_shared<ReaderState>();
    m_readerState->sink = m_sink;
    m_workerState = std::make_shared<WorkerState>();
    m_workerState->rc = -1;
    m_workerState->done = false;
    m_workerState->running = true;

    platform::writeDescriptor(1, pipeReadyLine, int(sizeof pipeReadyLine - 1));
    startThreads(argv);
    return 0;
}

void InProcRunner::startThreads(const std::vector<std::string>& argv)
{
    // Set here, before the worker starts, not on the worker: a new variable
    // reallocates the environment, which a child process started meanwhile
    // by the window's thread would read half-written.
    platform::setProcessEnvironmentVariable("ORVI_INPROC", "1");
    try {
        m_flusher = std::thread(inproc::runFlusher, m_workerState);
        m_reader = std::thread(inproc::runReader, m_readerState, m_outputReadFd, m_logPath);
        m_worker = std::thread(inproc::runWorker, m_workerState, argv, m_entry, m_sink, m_controlQueue, m_logPath);
    } catch (...) {
        // Without the worker nothing would ever finish the run: finish it
        // here so that the threads already started end and the descriptors
        // come back, then let the caller know.
        if (!m_reader.joinable())
            platform::closeDescriptor(m_outputReadFd);
        m_workerState->running = false;
        m_workerState->done = true;
        shutdown();
        throw;
    }
}

bool InProcRunner::sendControl(const std::string& line)
{
    if (m_controlQueue) {
        switch (pushControlLine(*m_controlQueue, line)) {
        case ControlPush::Queued:
            return true;
        case ControlPush::StopForcedThrough:
            m_controlNote = "control queue closed -> stop forced through";
            return true;
        case ControlPush::Refused:
            m_controlNote = "control queue closed (session already torn down)";
            return false;
        }
    }
    if (m_controlWriteFd >= 0) {
        const std::string data = line + "\n";
        const int toWrite = int(data.size());
        const int written = platform::writeDescriptor(m_controlWriteFd, data.data(), toWrite);
        if (written < toWrite) {
            const int writeErrno = errno;
            char note[160];
            std::snprintf(note, sizeof note, "control pipe write failed: %d/%d bytes, errno=%d, GetLastError=%lu",
                          written, toWrite, writeErrno, platform::lastSystemError());
            m_controlNote = note;
            return false;
        }
        return true;
    }
    m_controlNote = "no control channel (queue not enabled and pipe not created)";
    return false;
}

int InProcRunner::wait(int timeoutMs)
{
    for (int waited = 0; m_workerState && !m_workerState->done && waited < timeoutMs; waited += workerPollMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(workerPollMs));
    if (!m_workerState || !m_workerState->done)
        return -1000;

    platform::flushAllStandardStreams();
    restoreStandardDescriptors();
    if (m_readerState) {
        for (int waited = 0; !m_readerState->done && waited < timeoutMs; waited += readerPollMs)
            std::this_thread::sleep_for(std::chrono::milliseconds(readerPollMs));
        if (!m_readerState->done) {
            m_readerState->abandoned = true;
            std::string rest;
            {
                std::lock_guard lock(m_readerState->mutex);
                rest.swap(m_readerState->pending);
            }
            if (!rest.empty()) {
                try {
                    m_readerState->sink->deliver(rest);
                } catch (...) {
                }
            }
        }
    }
    shutdown();
    return m_workerState->rc;
}

int InProcRunner::stop(int timeoutMs)
{
    sendControl("stop");
    return wait(timeoutMs);
}

// Joins the threads of the last run that have ended and lets the others go.
// A thread let go keeps its share of the sink, so the sink is revoked here:
// the run is over for the receiver, which may be destroyed at any time now.
void InProcRunner::settleThreads()
{
    if (m_worker.joinable()) {
        if (runFinished())
            m_worker.join();
        else
            m_worker.detach();
    }
    if (m_flusher.joinable())
        m_flusher.detach();
    if (m_reader.joinable()) {
        if (m_readerState && m_readerState->done) {
            m_reader.join();
        } else {
            if (m_readerState)
                m_readerState->abandoned = true;
            m_reader.detach();
        }
    }
    if (m_sink)
        m_sink->revoke();
}

void InProcRunner::closeControlChannel()
{
    if (m_controlWriteFd >= 0) {
        platform::closeDescriptor(m_controlWriteFd);
        m_controlWriteFd = -1;
    }
    if (m_controlQueue)
        closeControlQueue(*m_controlQueue);
}

void InProcRunner::restoreStandardDescriptors()
{
    if (!m_redirected)
        return;
    platform::restoreStandardDescriptor(1, m_savedStdout);
    platform::restoreStandardDescriptor(2, m_savedStderr);
    platform::restoreStandardDescriptor(0, m_savedStdin);
    m_redirected = false;
}

void InProcRunner::shutdown()
{
    settleThreads();
    closeControlChannel();
    m_outputReadFd = -1;
    restoreStandardDescriptors();
}

} // namespace orvi
