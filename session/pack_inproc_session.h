#pragma once

#include "session/inproc_runner.h"
#include "session/pack_session.h"

#include <memory>

// The engine entry that in-process sessions call: orvi_lathe_main unless
// replaced (tests run a scripted engine this way). nullptr puts the real
// entry back.
void setInProcessEngineEntry(orvi::EngineEntry entry);
orvi::EngineEntry inProcessEngineEntry();

// Runs the engine's entry inside this process through an InProcRunner. Both
// standard streams of the engine arrive through one pipe, so every line is
// reported as standard output. A stop is a request ("stop" on the engine's
// standard input) that the engine honours when it can; nothing can end it
// from outside.
class PackInProcSession : public PackSession
{
public:
    explicit PackInProcSession(orvi::EngineEntry entry = inProcessEngineEntry());
    ~PackInProcSession() override;

    // 0 started, -1 nothing to run, -2 still running, -3 set-up failed.
    int start(const QString& program, const QList<QString>& arguments) override;
    bool isRunning() const override;
    int sendLine(const QString& line, bool* flushed) override;
    int stop(int timeoutMs) override;
    bool waitForFinished(int timeoutMs) override;
    void terminate() override;
    void kill() override;
    bool stopIsForced() const override;
    bool isInProcess() const override;
    void closeChannels() override;
    void poll() override;
    QString errorString() const override;

private:
    void deliverChunk(const std::string& chunk);

    std::unique_ptr<orvi::InProcRunner> m_runner;
    QString m_lastError;
    bool m_started = false;
    bool m_finishDelivered = false;
};
