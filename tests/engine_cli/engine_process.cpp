#include "engine_process.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

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

namespace {

// Moves the whole lines of `pending` to `lines`, each also shown to `each`.
void takeLines(QByteArray& pending, std::vector<std::string>& lines,
               const std::function<void(const std::string&)>& each = {})
{
    for (qsizetype end; (end = pending.indexOf('\n')) >= 0;) {
        // A Windows program's text output ends its lines with CR LF.
        lines.push_back(pending.left(end > 0 && pending[end - 1] == '\r' ? end - 1 : end).toStdString());
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
    process.write(input);
    const auto answer = [&](const std::string& line) {
        const QByteArray reply = onLine ? onLine(line) : QByteArray();
        if (!reply.isEmpty() && process.write(reply) > 0)
            process.waitForBytesWritten(1000);
    };
    QByteArray outPending, errPending;
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(50);
        outPending += process.readAllStandardOutput();
        errPending += process.readAllStandardError();
        takeLines(outPending, run.out, answer);
        takeLines(errPending, run.err);
    }
    outPending += process.readAllStandardOutput();
    errPending += process.readAllStandardError();
    takeLines(outPending, run.out);
    takeLines(errPending, run.err);
    run.exitCode = process.exitCode();
    return run;
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
    const QStringList arguments =
        QStringList{"--seconds", QString::number(seconds), "--freq", QString::number(frequency)} + tagOptions
        + QStringList{"-o", QString::fromStdString(path)};
    return runTool(QStringLiteral(ORVI_TEST_SIGNAL_TOOL), arguments).exitCode == 0;
}

} // namespace orvi::enginetest
