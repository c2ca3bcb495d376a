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
    : runner(std::make_unique<orvi::InProcRunner>(entry, false))
{
}

PackInProcSession::~PackInProcSession()
{
    // The runner asks a still running engine to stop and stops every call
    // into this session before the callbacks go.
    runner.reset();
}

int PackInProcSession::start(const QString& program, const QList<QString>& arguments)
{
    if (runner->isRunning())
        return -2;
    std::vector<std::string> argv;
    argv.reserve(std::size_t(arguments.size()) + 1);
    argv.push_back(program.toStdString());
    for (const QString& argument : arguments)
        argv.push_back(argument.toStdString());
    lastError.clear();
    started = false;
    finishDelivered = false;

    int rc;
    try {
        rc = runner->start(argv, [this](const std::string& chunk) { deliverChunk(chunk); });
    } catch (const std::system_error&) {
        // The runner has already torn the half-started run down.
        rc = -3;
    }
    if (rc != 0)
        lastError = QCoreApplication::translate("PackSession", "进程内会话起不来 (rc=%1)").arg(rc);
    started = rc == 0;
    return rc;
}

bool PackInProcSession::isRunning() const
{
    return runner->isRunning();
}

int PackInProcSession::sendLine(const QString& line, bool* flushed)
{
    if (!isRunning())
        return -1;
    if (flushed)
        *flushed = true;
    const QByteArray bytes = line.toUtf8();
    if (!runner->sendControl(bytes.toStdString()))
        return 0;
    return int(bytes.size()) + 1;
}

int PackInProcSession::stop(int timeoutMs)
{
    runner->sendControl("stop");
    return waitForFinished(timeoutMs) ? 0 : -1000;
}

bool PackInProcSession::waitForFinished(int timeoutMs)
{
    return runner->wait(timeoutMs) != -1000;
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
    if (!started || runner->isRunning() || finishDelivered)
        return;
    finishDelivered = true;
    const int rc = runner->wait(finishWaitMs);
    if (onFinished)
        onFinished(rc == -1000 ? 0 : rc, false);
}

QString PackInProcSession::errorString() const
{
    return lastError;
}

void PackInProcSession::deliverChunk(const std::string& chunk)
{
    if (!onOutput)
        return;
    const QStringList lines = orvi::splitKeepingLineEnds(QString::fromUtf8(chunk.data(), qsizetype(chunk.size())));
    for (const QString& line : lines)
        onOutput(line, false);
}
