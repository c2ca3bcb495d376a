#include "engine_process.h"

#include "engine_checks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>

namespace orvi::enginetest {

bool EngineRun::outHas(const std::string& line) const
{
    return std::find(out.begin(), out.end(), line) != out.end();
}

bool EngineRun::errHas(const std::string& line) const
{
    return std::find(err.begin(), err.end(), line) != err.end();
}

QString enginePath()
{
    return QStringLiteral(ORVI_ENGINE_TOOL);
}
QString testSignalPath()
{
    return QStringLiteral(ORVI_TEST_SIGNAL_TOOL);
}

namespace {

void takeLines(QByteArray& pending, std::vector<std::string>& lines,
               const std::function<void(const std::string&)>& each)
{
    qsizetype end;
    while ((end = pending.indexOf('\n')) >= 0) {
        // A Windows program's text output ends its lines with CR LF.
        const qsizetype length = end > 0 && pending[end - 1] == '\r' ? end - 1 : end;
        lines.push_back(pending.left(length).toStdString());
        pending.remove(0, end + 1);
        if (each)
            each(lines.back());
    }
}

} // namespace

EngineRun runEngine(const QStringList& arguments, const std::function<QByteArray(const std::string&)>& onLine,
                    const QByteArray& input)
{
    EngineRun run;
    QProcess process;
    process.start(enginePath(), arguments);
    if (!process.waitForStarted(10000))
        return run;
    if (!input.isEmpty())
        process.write(input);
    QByteArray outPending, errPending;
    const auto answer = [&](const std::string& line) {
        if (onLine) {
            const QByteArray reply = onLine(line);
            if (!reply.isEmpty()) {
                process.write(reply);
                process.waitForBytesWritten(1000);
            }
        }
    };
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(50);
        outPending += process.readAllStandardOutput();
        errPending += process.readAllStandardError();
        takeLines(outPending, run.out, answer);
        takeLines(errPending, run.err, {});
    }
    process.waitForFinished(60000);
    outPending += process.readAllStandardOutput();
    errPending += process.readAllStandardError();
    takeLines(outPending, run.out, {});
    takeLines(errPending, run.err, {});
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.exitCode = process.exitCode();
    return run;
}

ScratchDir::ScratchDir()
{
    m_root = QDir(QDir::tempPath())
                 .filePath(QStringLiteral("orvi-engine-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
                 .toStdString();
    QDir().mkpath(QString::fromStdString(m_root));
}

ScratchDir::~ScratchDir()
{
    QDir(QString::fromStdString(m_root)).removeRecursively();
}

std::string ScratchDir::path(const std::string& name) const
{
    return m_root + "/" + name;
}

bool fileExists(const std::string& path)
{
    return QFileInfo::exists(QString::fromStdString(path));
}

Tool runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    Tool tool;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        tool.exitCode = process.exitCode();
    tool.out = process.readAllStandardOutput();
    if (tool.exitCode != 0)
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), process.readAllStandardError().constData());
    return tool;
}

bool writeFile(const std::string& path, const QByteArray& bytes)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool makeTrack(const std::string& path, double seconds, double frequency, const QStringList& tagOptions)
{
    QProcess process;
    QStringList arguments{QStringLiteral("--seconds"), QString::number(seconds), QStringLiteral("--freq"),
                          QString::number(frequency)};
    arguments << tagOptions << QStringLiteral("-o") << QString::fromStdString(path);
    process.start(testSignalPath(), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace orvi::enginetest
