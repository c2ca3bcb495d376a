#include "session/pack_proc_session.h"

#include "session/line_split.h"
#include "platform/child_process.h"

namespace {
constexpr int startTimeoutMs = 3000;
constexpr int writeTimeoutMs = 200;
} // namespace

PackProcSession::PackProcSession(QObject* parent) : m_process(new QProcess(parent))
{
    if (!parent)
        m_ownedProcess.reset(m_process);
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_connections.append(
        QObject::connect(m_process, &QProcess::readyReadStandardOutput, m_process, [this] { drainChannel(false); }));
    m_connections.append(
        QObject::connect(m_process, &QProcess::readyReadStandardError, m_process, [this] { drainChannel(true); }));
    m_connections.append(
        QObject::connect(m_process, &QProcess::finished, m_process,
                         [this](int exitCode, QProcess::ExitStatus status) { handleFinished(exitCode, status); }));
}

PackProcSession::~PackProcSession()
{
    // The process object may stay behind with the window; it must not call
    // into a session that no longer exists.
    for (const QMetaObject::Connection& connection : std::as_const(m_connections))
        QObject::disconnect(connection);
}

int PackProcSession::start(const QString& program, const QList<QString>& arguments)
{
    if (m_process->state() != QProcess::NotRunning)
        return -2;
    m_lastError.clear();
    m_started = false;
    m_finishDelivered = false;
    m_stdoutPending.clear();
    m_stderrPending.clear();
    m_process->setProgram(program);
    m_process->setArguments(arguments);
    orvi::platform::startWithoutConsoleWindow(*m_process);
    m_process->start(QIODevice::ReadWrite);
    m_started = m_process->waitForStarted(startTimeoutMs);
    if (!m_started) {
        m_lastError = m_process->errorString();
        return -3;
    }
    return 0;
}

bool PackProcSession::isRunning() const
{
    return m_process->state() != QProcess::NotRunning;
}

int PackProcSession::sendLine(const QString& line, bool* flushed)
{
    if (!isRunning())
        return -1;
    const qint64 written = m_process->write(line.toUtf8() + '\n');
    const bool allWritten = m_process->waitForBytesWritten(writeTimeoutMs);
    if (flushed)
        *flushed = allWritten;
    return written > 0 ? int(written) : 0;
}

int PackProcSession::stop(int timeoutMs)
{
    sendLine(QStringLiteral("stop"), nullptr);
    if (m_process->waitForFinished(timeoutMs))
        return m_process->exitCode();
    return -1000;
}

bool PackProcSession::waitForFinished(int timeoutMs)
{
    return m_process->waitForFinished(timeoutMs);
}

void PackProcSession::terminate()
{
    m_process->terminate();
}

void PackProcSession::kill()
{
    m_process->kill();
}

bool PackProcSession::stopIsForced() const
{
    return true;
}

void PackProcSession::closeChannels()
{
    m_process->close();
}

void PackProcSession::poll()
{
    drainChannel(false);
    drainChannel(true);
    if (m_started && m_process->state() == QProcess::NotRunning && !m_finishDelivered) {
        m_finishDelivered = true;
        if (onFinished)
            onFinished(m_process->exitCode(), false);
    }
}

QString PackProcSession::errorString() const
{
    return m_lastError;
}

void PackProcSession::drainChannel(bool isStderr)
{
    const QByteArray bytes = isStderr ? m_process->readAllStandardError() : m_process->readAllStandardOutput();
    if (bytes.isEmpty() || !onOutput)
        return;
    QByteArray& pending = isStderr ? m_stderrPending : m_stdoutPending;
    const QStringList lines = orvi::takeCompleteLines(pending, bytes);
    for (const QString& line : lines)
        onOutput(line, isStderr);
}

void PackProcSession::handleFinished(int exitCode, QProcess::ExitStatus status)
{
    drainChannel(false);
    drainChannel(true);
    if (m_started && !m_finishDelivered) {
        m_finishDelivered = true;
        if (onFinished)
            onFinished(exitCode, status == QProcess::CrashExit);
    }
}
