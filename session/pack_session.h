#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QObject;

// The one way the window runs the packing engine, wherever the engine runs.
// Output arrives line by line (with its line end) through onOutput, and the
// end of a run once through onFinished. Callbacks may come from any thread.
//
// Result codes: 0 success, -1 nothing to run or nothing running, -2 already
// running, -3 start failed, -1000 timed out while waiting.
class PackSession
{
public:
    using OutputCallback = std::function<void(const QString& line, bool isStderr)>;
    using FinishedCallback = std::function<void(int exitCode, bool crashed)>;

    virtual ~PackSession();

    virtual int start(const QString& program, const QList<QString>& arguments) = 0;
    virtual bool isRunning() const = 0;
    // Writes one line to the engine's control input; the number of bytes
    // handed over, 0 when the write failed, -1 when nothing runs.
    virtual int sendLine(const QString& line, bool* flushed) = 0;
    // Asks the engine to stop with "stop" and waits; -1000 when it did not
    // finish within the time.
    virtual int stop(int timeoutMs) = 0;
    virtual bool waitForFinished(int timeoutMs) = 0;
    virtual void terminate() = 0;
    virtual void kill() = 0;
    // True when a stop means ending the engine from outside (terminate/kill),
    // false when the engine is asked with "stop" and finishes by itself.
    virtual bool stopIsForced() const = 0;
    virtual bool isInProcess() const;
    virtual void closeChannels() = 0;
    // Called every tick on the GUI thread: delivers output and a finish that
    // has not been delivered yet.
    virtual void poll() = 0;
    virtual QString errorString() const = 0;

    void setCallbacks(OutputCallback output, FinishedCallback finished);

protected:
    OutputCallback onOutput;
    FinishedCallback onFinished;
};

// A fresh session for one run: a child process when ORVI_GUI_INPROC is
// exactly "0", otherwise the engine inside this process (the default).
// `parent` owns the child process object of the child-process kind.
std::unique_ptr<PackSession> createPackSession(QObject* parent);
