// The update scripts: what matters in their text (order, quoting, elevation),
// and this system's script run for real in a scratch folder, with stand-ins
// for the program, the payloads and the installer; nothing is elevated.
#include "platform/elevated_launch.h"
#include "test_env.h"
#include "update/update_script.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using orvi::UpdateScriptInputs;
using orvi::test::readFileBytes;
using orvi::test::writeFileBytes;

namespace {

// Each of `lines` is a whole line of the command script, in this order; empty
// when so, else what went wrong.
QString linesInOrder(const QString& script, const QStringList& lines)
{
    const QStringList actual = script.split(QStringLiteral("\r\n"));
    qsizetype at = 0;
    for (const QString& line : lines) {
        at = actual.indexOf(line, at) + 1;
        if (at == 0)
            return QStringLiteral("missing or out of order: ") + line + QStringLiteral("\nin:\n") + script;
    }
    return {};
}

// Plays the program or an installer: records "started <arguments>" in
// "<name without suffix>.txt" beside itself, and fails when its name begins
// with "failing".
bool writeStandIn(const QString& path)
{
#if defined(Q_OS_WIN)
    return QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/update_stand_in.exe"), path);
#else
    const QFileInfo file(path);
    const QByteArray record = QFile::encodeName(file.path() + '/' + file.completeBaseName() + ".txt");
    const QByteArray status = file.fileName().startsWith(QLatin1String("failing")) ? "3" : "0";
    return writeFileBytes(path, "#!/bin/sh\necho started \"$@\" > '" + record + "'\nexit " + status + '\n', true);
#endif
}

} // namespace

class UpdateScriptTest : public QObject
{
    Q_OBJECT

private slots:
    void windowsOrder_data();
    void windowsOrder();
    void windowsQuoting();
    void posixQuotingAndElevation();
    void run_data();
    void run();
    void posixLauncherStartsTheScriptDetached();
};

void UpdateScriptTest::windowsOrder_data()
{
    const QString wait = QStringLiteral(
        "tasklist /FI \"PID eq 4242\" 2>nul | find \"4242\" >nul && (ping -n 2 127.0.0.1 >nul & goto wait)");
    const QString start = QStringLiteral("start \"\" \"C:\\Program Files\\Orvi Lathe\\OrviLathe.exe\"");
    const QString marker = QStringLiteral("  echo update did not finish; the program was NOT restarted > "
                                          "\"C:\\Program Files\\Orvi Lathe\\update-failed.txt\"");
    const QString copy = QStringLiteral("copy /Y \"C:\\t\\OrviLathe.exe\" \"C:\\Program Files\\Orvi Lathe\\\" >nul");
    const QString unpack =
        QStringLiteral("powershell -NoProfile -ExecutionPolicy Bypass -Command \"Expand-Archive -Force "
                       "-LiteralPath 'C:\\t\\P.ZIP' -DestinationPath 'C:\\Program Files\\Orvi Lathe'\"");
    const QString installer = QStringLiteral("\"C:\\t\\setup.exe\" /S");
    const QString fallBack = QStringLiteral("if errorlevel 1 goto install");
    QTest::addColumn<QString>("overwrite");
    QTest::addColumn<QString>("installer");
    QTest::addColumn<QStringList>("lines"); // in this order
    QTest::addColumn<QString>("absent");
    QTest::newRow("copy, else installer")
        << "C:\\t\\OrviLathe.exe"
        << "C:\\t\\setup.exe" << QStringList{"@echo off", ":wait",       wait,       copy,      fallBack,
                                             start,       " exit /b",    ":install", installer, "if errorlevel 1 (",
                                             marker,      "  exit /b 1", ")",        start,     ""}
        << unpack;
    QTest::newRow("upper-case zip") << "C:\\t\\P.ZIP"
                                    << "" << QStringList{wait, unpack, fallBack, start, ":install", marker, start}
                                    << copy;
    QTest::newRow("installer only") << ""
                                    << "C:\\t\\setup.exe" << QStringList{wait, ":install", installer, marker, start}
                                    << fallBack;
    QTest::newRow("zip only in a folder name")
        << "C:\\t.zip\\payload"
        << "" << QStringList{"copy /Y \"C:\\t.zip\\payload\" \"C:\\Program Files\\Orvi Lathe\\\" >nul"} << unpack;
}

void UpdateScriptTest::windowsOrder()
{
    QFETCH(QString, overwrite);
    QFETCH(QString, installer);
    QFETCH(QStringList, lines);
    QFETCH(QString, absent);
    const QString script = orvi::windowsUpdateScript(
        {4242, overwrite, installer, QStringLiteral("C:\\Program Files\\Orvi Lathe"), QStringLiteral("OrviLathe.exe")});
    const QString problem = linesInOrder(script, lines);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(!script.split(QStringLiteral("\r\n")).contains(absent));
}

// An apostrophe is doubled inside PowerShell's literal and nowhere else.
void UpdateScriptTest::windowsQuoting()
{
    const QString script =
        orvi::windowsUpdateScript({1, QStringLiteral("C:\\Users\\o'brien\\p.zip"), QString(),
                                   QStringLiteral("C:\\Apps\\Bob's Lathe"), QStringLiteral("OrviLathe.exe")});
    QVERIFY(script.contains(
        QStringLiteral("-LiteralPath 'C:\\Users\\o''brien\\p.zip' -DestinationPath 'C:\\Apps\\Bob''s Lathe'\"\r\n")));
    QVERIFY(script.contains(QStringLiteral("start \"\" \"C:\\Apps\\Bob's Lathe\\OrviLathe.exe\"\r\n")));
}

// Single quotes around every path; only the install stage is elevated, the
// restart stays with the waiting, unprivileged stage.
void UpdateScriptTest::posixQuotingAndElevation()
{
    UpdateScriptInputs inputs{77, QString(), QStringLiteral("/tmp/u/it's-setup.run"), QStringLiteral("/opt/orvi lathe"),
                              QStringLiteral("OrviLathe")};
    QString script = orvi::posixUpdateScript(inputs);
    QVERIFY(script.startsWith(QStringLiteral("#!/bin/sh\n")));
    QVERIFY(script.contains(QStringLiteral("while kill -0 77 2>/dev/null; do sleep 1; done\n")));
    QVERIFY(
        script.contains(QStringLiteral("chmod +x '/tmp/u/it'\\''s-setup.run' && '/tmp/u/it'\\''s-setup.run' /S\n")));
    QVERIFY(!script.contains(QStringLiteral("pkexec")));
    inputs.elevate = true;
    script = orvi::posixUpdateScript(inputs);
    QCOMPARE(script.count(QStringLiteral("pkexec")), 1);
    QVERIFY(script.contains(QStringLiteral("\n  pkexec /bin/sh \"$0\" --install\n")));
    QVERIFY(script.indexOf(QStringLiteral("pkexec"))
            < script.indexOf(QStringLiteral("exec '/opt/orvi lathe/OrviLathe'")));
}

void UpdateScriptTest::run_data()
{
    // Files in the download folder: "missing.bin" is not there; the archive
    // holds plugins/payload.bin and a new program, which replaces none.
    QTest::addColumn<QString>("overwrite");
    QTest::addColumn<QString>("installer");
    QTest::addColumn<bool>("restarted");
    QTest::newRow("copy and restart") << "payload.bin"
                                      << "" << true;
    QTest::newRow("unpack and restart") << "update.ZIP"
                                        << "" << true;
    QTest::newRow("copy fails, installer") << "missing.bin"
                                           << "setup.exe" << true;
    QTest::newRow("installer fails") << ""
                                     << "failing-setup.exe" << false;
}

// The script waits for the program to end, puts the files in place or runs
// the installer, and starts the program again, or leaves a marker instead.
void UpdateScriptTest::run()
{
    QFETCH(QString, overwrite);
    QFETCH(QString, installer);
    QFETCH(bool, restarted);
    const bool zip = overwrite.endsWith(QLatin1String(".ZIP"));
    const QStringList systemDirs{QStringLiteral("/usr/bin"), QStringLiteral("/bin")};
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"), systemDirs);
#if defined(Q_OS_WIN)
    if (zip)
        QSKIP("PowerShell unpacks the archive: not run here");
#endif
    if (zip && python.isEmpty())
        QSKIP("python3 makes the test archive");
    QTemporaryDir root;
    const QString programDir = root.path() + QStringLiteral("/program dir");
    const QString downloads = root.path() + QStringLiteral("/orvi-update");
    const QString program = QStringLiteral("OrviLathe" ORVI_EXE_SUFFIX);
    QVERIFY(QDir().mkpath(programDir) && QDir().mkpath(downloads));
    QVERIFY(writeStandIn(programDir + '/' + program));
    if (overwrite == QLatin1String("payload.bin"))
        QVERIFY(writeFileBytes(downloads + QStringLiteral("/payload.bin"), "new data\n"));
    if (!installer.isEmpty())
        QVERIFY(writeStandIn(downloads + '/' + installer));
    if (zip) {
        const QString staging = root.path() + QStringLiteral("/staging");
        QVERIFY(QDir().mkpath(staging + QStringLiteral("/plugins")));
        QVERIFY(writeFileBytes(staging + QStringLiteral("/plugins/payload.bin"), "new data\n"));
        // No old program to inherit the executable bit from: the archive's copy must run.
        QVERIFY(QFile::rename(programDir + '/' + program, staging + '/' + program));
        QProcess archiver;
        archiver.setWorkingDirectory(staging);
        archiver.start(python,
                       {QStringLiteral("-m"), QStringLiteral("zipfile"), QStringLiteral("-c"),
                        downloads + '/' + overwrite, QStringLiteral("plugins"), program});
        QVERIFY(archiver.waitForFinished(20000) && archiver.exitCode() == 0);
    }

    QProcess stillRunning; // plays this program for about a second
#if defined(Q_OS_WIN)
    stillRunning.start(QStringLiteral("ping"),
                       {QStringLiteral("-n"), QStringLiteral("2"), QStringLiteral("127.0.0.1")});
#else
    stillRunning.start(QStringLiteral("sleep"), {QStringLiteral("1")});
#endif
    QVERIFY(stillRunning.waitForStarted());
    const auto native = [&downloads](const QString& name) {
        return name.isEmpty() ? name : QDir::toNativeSeparators(downloads + '/' + name);
    };
    QString script = orvi::nativeUpdateScript({stillRunning.processId(), native(overwrite), native(installer),
                                               QDir::toNativeSeparators(programDir), program});
    QProcess shell;
    const QString scriptPath = downloads + '/' + orvi::nativeUpdateScriptFileName();
#if defined(Q_OS_WIN)
    QProcess probe;
    probe.setProgram(QStringLiteral("cmd.exe"));
    probe.setNativeArguments(QStringLiteral("/c \"cmd /c exit 1 && echo ran\""));
    probe.start();
    probe.waitForFinished(10000);
    const bool waits = !probe.readAllStandardOutput().contains("ran");
    if (!waits) {
        qInfo("this cmd.exe (wine 8) runs what follows && after a failure: the wait loop would never end, so it is "
              "left out");
        const qsizetype from = script.indexOf(QStringLiteral(":wait"));
        script.remove(from, script.indexOf(QStringLiteral("goto wait)\r\n")) + 12 - from);
    }
    shell.setProgram(QStringLiteral("cmd.exe"));
    shell.setNativeArguments(QStringLiteral("/c \"%1\"").arg(QDir::toNativeSeparators(scriptPath)));
#else
    const bool waits = true;
    shell.setProgram(QStringLiteral("/bin/sh"));
    shell.setArguments({scriptPath});
#endif
    QVERIFY(writeFileBytes(scriptPath, script.toUtf8(), true));
    QElapsedTimer timer;
    timer.start();
    shell.start();
    // Events must flow meanwhile: that is how the stand-in is reaped once it
    // ends, and only then does its process identifier disappear.
    QDeadlineTimer deadline(30000);
    while (shell.state() != QProcess::NotRunning && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCOMPARE(shell.state(), QProcess::NotRunning);
    if (waits)
        QVERIFY2(timer.elapsed() >= 800, "the script must wait for the program to end");

    const QString delivered = zip ? QStringLiteral("/plugins/payload.bin") : QStringLiteral("/payload.bin");
    QCOMPARE(readFileBytes(programDir + delivered),
             QByteArray(zip || overwrite == QLatin1String("payload.bin") ? "new data\n" : ""));
    if (!installer.isEmpty())
        QCOMPARE(readFileBytes(downloads + '/' + QFileInfo(installer).completeBaseName() + QStringLiteral(".txt")),
                 QByteArray("started /S\n"));
    const QString restartRecord = programDir + QStringLiteral("/OrviLathe.txt");
    if (restarted)
        QTRY_COMPARE_WITH_TIMEOUT(readFileBytes(restartRecord), QByteArray("started\n"), 10000);
    QCOMPARE(readFileBytes(programDir + QStringLiteral("/update-failed.txt")).trimmed(),
             QByteArray(restarted ? "" : "update did not finish; the program was NOT restarted"));
    QCOMPARE(QFile::exists(restartRecord), restarted);
}

void UpdateScriptTest::posixLauncherStartsTheScriptDetached()
{
#if defined(Q_OS_WIN)
    QSKIP("the command script is started through the Windows shell");
#endif
    QTemporaryDir dir;
    const QString marker = dir.path() + QStringLiteral("/started.txt");
    const QString script = dir.path() + QStringLiteral("/harmless.sh");
    QVERIFY(writeFileBytes(script, "echo started > '" + QFile::encodeName(marker) + "'\n"));
    QVERIFY(orvi::platform::launchUpdateScript(script, false).started);
    QTRY_COMPARE_WITH_TIMEOUT(readFileBytes(marker), QByteArray("started\n"), 10000);
    QCOMPARE(orvi::platform::elevationMechanism(), QStringLiteral("pkexec"));
}

QTEST_MAIN(UpdateScriptTest)
#include "tst_update_script.moc"
