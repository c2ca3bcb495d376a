#include "session/pack_inproc_session.h"

#include "session/line_split.h"

#include "orvi_lathe_core.h"

#include <QCoreApplication>

#include <atomic>
#include <system_error>

namespace {
constexpr int finishWaitMs = 500;

std::atomic<orvi::EngineEntry> replacedEntry{nullptr};
} // namespace

void setInProcessEngineEntry(orvi::EngineEntry entry)
{
    replacedEntry = entry;
}

orvi::EngineEntry inProcessEngineEntry()
{
    const orvi::EngineEntry entry = replacedEntry;
    return entry ? entry : &orvi_lathe_main;
}

PackInProcSession::PackInProcSession(orvi::EngineEntry entry)
    : m_runner(std::make_unique<orvi::InProcRunner>(entry, false))
{
}

PackInProcSession::~PackInProcSession()
{
    // The runner asks a still running engine to stop and stops every call
    // into this session before the callbacks go.
    m_runner.reset();
}

int PackInProcSession::start(const QString& program, const QList<QString>& arguments)
{
    if (m_runner->isRunning())
        return -2;
    std::vector<std::string> argv;
    argv.reserve(std::size_t(arguments.size()) + 1);
    argv.push_back(program.toStdString());
    for (const QString& argument : arguments)
        argv.push_back(argument.toStdString());
    m_lastError.clear();
    m_started = false;
    m_finishDelivered = false;

    int rc;
    try {
        rc = m_runner->start(argv, [this](const std::string& chunk) { deliverChunk(chunk); });
    } catch (const std::system_error&) {
        // The runner has already torn the half-started run down.
        rc = -3;
    }
    if (rc != 0)
        m_lastError = QCoreApplication::translate("PackSession", "进程内会话起不来 (rc=%1)").arg(rc);
    m_started = rc == 0;
    return rc;
}

bool PackInProcSession::isRunning() const
{
    return m_runner->isRunning();
}

int PackInProcSession::sendLine(const QString& line, bool* flushed)
{
    if (!isRunning())
        return -1;
    if (flushed)
        *flushed = true;
    const QByteArray bytes = line.toUtf8();
    if (!m_runner->sendControl(bytes.toStdString()))
        return 0;
    return int(bytes.size()) + 1;
}

int PackInProcSession::stop(int timeoutMs)
{
    m_runner->sendControl("stop");
    return waitForFinished(timeoutMs) ? 0 : -1000;
}

bool PackInProcSession::waitForFinished(int timeoutMs)
{
    return m_runner->wait(timeoutMs) != -1000;
}

void PackInProcSession::terminate() {}

void PackInProcSession::kill() {}

bool PackInProcSession::stopIsForced() const
{
    return false;
}

bool PackInProcSession::isInProcess() const
{
    return true;
}

void PackInProcSession::closeChannels() {}

void PackInProcSession::poll()
{
    if (!m_started || m_runner->isRunning() || m_finishDelivered)
        return;
    m_finishDelivered = true;
    const int rc = m_runner->wait(finishWaitMs);
    if (onFinished)
        onFinished(rc == -1000 ? 0 : rc, false);
}

QString PackInProcSession::errorString() const
{
    return m_lastError;
}

void PackInProcSession::deliverChunk(const std::string& chunk)
{
    if (!onOutput)
        return;
    const QStringList lines = orvi::splitKeepingLineEnds(QString::fromUtf8(chunk.data(), qsizetype(chunk.size())));
    for (const QString& line : lines)
        onOutput(line, false);
}
