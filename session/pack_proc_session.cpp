#include "session/pack_proc_session.h"

#include "session/line_split.h"
#include "platform/child_process.h"

namespace {
constexpr int startTimeoutMs = 3000;
constexpr int writeTimeoutMs = 200;
} // namespace

PackProcSession::PackProcSession(QObject* parent) : process(new QProcess(parent))
{
    if (!parent)
        ownedProcess.reset(process);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    connections.append(QObject::connect(process, &QProcess::readyReadStandardOutput, process,
                                        [this] { drainChannel(false); }));
    connections.append(QObject::connect(process, &QProcess::readyReadStandardError, process,
                                        [this] { drainChannel(true); }));
    connections.append(QObject::connect(process, &QProcess::finished, process,
                                        [this](int exitCode, QProcess::ExitStatus status) {
                                            handleFinished(exitCode, status);
                                        }));
}

PackProcSession::~PackProcSession()
{
    // The process object may stay behind with the window; it must not call
    // into a session that no longer exists.
    for (const QMetaObject::Connection& connection : std::as_const(connections))
        QObject::disconnect(connection);
}

int PackProcSession::start(const QString& program, const QList<QString>& arguments)
{
    if (process->state() != QProcess::NotRunning)
        return -2;
    lastError.clear();
    started = false;
    finishDelivered = false;
    stdoutPending.clear();
    stderrPending.clear();
    process->setProgram(program);
    process->setArguments(arguments);
    orvi::platform::startWithoutConsoleWindow(*process);
    process->start(QIODevice::ReadWrite);
    started = process->waitForStarted(startTimeoutMs);
    if (!started) {
        lastError = process->errorString();
        return -3;
    }
    return 0;
}

bool PackProcSession::isRunning() const
{
    return process->state() != QProcess::NotRunning;
}

int PackProcSession::sendLine(const QString& line, bool* flushed)
{
    if (!isRunning())
        return -1;
    const qint64 written = process->write(line.toUtf8() + '\n');
    const bool allWritten = process->waitForBytesWritten(writeTimeoutMs);
    if (flushed)
        *flushed = allWritten;
    return written > 0 ? int(written) : 0;
}

int PackProcSession::stop(int timeoutMs)
{
    sendLine(QStringLiteral("stop"), nullptr);
    if (process->waitForFinished(timeoutMs))
        return process->exitCode();
    return -1000;
}

bool PackProcSession::waitForFinished(int timeoutMs)
{
    return process->waitForFinished(timeoutMs);
}

void PackProcSession::terminate()
{
    process->terminate();
}

void PackProcSession::kill()
{
    process->kill();
}

bool PackProcSession::stopIsForced() const
{
    return true;
}

void PackProcSession::closeChannels()
{
    process->close();
}

void PackProcSession::poll()
{
    drainChannel(false);
    drainChannel(true);
    if (started && process->state() == QProcess::NotRunning && !finishDelivered) {
        finishDelivered = true;
        if (onFinished)
            onFinished(process->exitCode(), false);
    }
}

QString PackProcSession::errorString() const
{
    return lastError;
}

void PackProcSession::drainChannel(bool isStderr)
{
    const QByteArray bytes = isStderr ? process->readAllStandardError() : process->readAllStandardOutput();
    if (bytes.isEmpty() || !onOutput)
        return;
    QByteArray& pending = isStderr ? stderrPending : stdoutPending;
    pending.append(bytes);
    const QStringList lines = orvi::takeCompleteLines(pending);
    for (const QString& line : lines)
        onOutput(line, isStderr);
}

void PackProcSession::handleFinished(int exitCode, QProcess::ExitStatus status)
{
    drainChannel(false);
    drainChannel(true);
    if (started && !finishDelivered) {
        finishDelivered = true;
        if (onFinished)
            onFinished(exitCode, status == QProcess::CrashExit);
    }
}
