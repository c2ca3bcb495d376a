// The update scripts: what matters in their text (order, quoting, elevation),
// and the shell script run for real inside a scratch folder (with stand-ins
// for the program, payloads and installer; nothing is elevated).
#include "platform/elevated_launch.h"
#include "update/update_script.h"
#include "test_env.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using orvi::UpdateScriptInputs;
using orvi::test::readFileBytes;
using orvi::test::writeFileBytes;

namespace {

UpdateScriptInputs windowsInputs(const QString& overwritePath, const QString& installerPath)
{
    UpdateScriptInputs inputs;
    inputs.processId = 4242;
    inputs.overwritePath = overwritePath;
    inputs.installerPath = installerPath;
    inputs.programDir = QStringLiteral("C:\\Program Files\\Orvi Lathe");
    inputs.programFile = QStringLiteral("OrviLathe.exe");
    return inputs;
}

// Each of `lines` is a whole line of `script`, in this order; an empty string
// when so, else what went wrong.
QString linesInOrder(const QString& script, const QStringList& lines)
{
    const QStringList actual = script.split(QStringLiteral("\r\n"));
    qsizetype at = 0;
    for (const QString& line : lines) {
        const qsizetype found = actual.indexOf(line, at);
        if (found < 0)
            return QStringLiteral("missing or out of order: ") + line + QStringLiteral("\nin:\n") + script;
        at = found + 1;
    }
    return {};
}

} // namespace

class UpdateScriptTest : public QObject
{
    Q_OBJECT

private slots:
    void windowsSteps_data();
    void windowsSteps();
    void windowsQuoting();
    void windowsRun_data();
    void windowsRun();
    void posixQuotingAndElevation();
    void posixRunCopiesAndRestarts();
    void posixRunUnpacksZip();
    void posixRunFailingInstallerLeavesMarker();
    void posixLauncherStartsTheScriptDetached();
};

void UpdateScriptTest::windowsSteps_data()
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
    QTest::addColumn<QString>("overwrite");
    QTest::addColumn<QString>("installer");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("copy only") << "C:\\t\\OrviLathe.exe"
                               << ""
                               << QStringList{"@echo off",
                                              ":wait",
                                              wait,
                                              copy,
                                              "if errorlevel 1 goto install",
                                              start,
                                              " exit /b",
                                              ":install",
                                              "if errorlevel 1 (",
                                              marker,
                                              "  exit /b 1",
                                              ")",
                                              start,
                                              ""}
                               << QStringList{installer, unpack};
    QTest::newRow("upper-case zip and installer")
        << "C:\\t\\P.ZIP"
        << "C:\\t\\setup.exe"
        << QStringList{":wait",   wait,   unpack, "if errorlevel 1 goto install", start, ":install",
                       installer, marker, start}
        << QStringList{copy};
    QTest::newRow("installer only") << ""
                                    << "C:\\t\\setup.exe"
                                    << QStringList{"@echo off", ":wait", wait, ":install", installer, marker, start, ""}
                                    << QStringList{"if errorlevel 1 goto install", " exit /b"};
    QTest::newRow("zip only in a folder name")
        << "C:\\t.zip\\payload"
        << "" << QStringList{"copy /Y \"C:\\t.zip\\payload\" \"C:\\Program Files\\Orvi Lathe\\\" >nul"}
        << QStringList{unpack};
}

void UpdateScriptTest::windowsSteps()
{
    QFETCH(QString, overwrite);
    QFETCH(QString, installer);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, absent);
    const QString script = orvi::windowsUpdateScript(windowsInputs(overwrite, installer));
    const QString problem = linesInOrder(script, lines);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(script.startsWith(QStringLiteral("@echo off\r\n")));
    for (const QString& line : absent)
        QVERIFY2(!script.split(QStringLiteral("\r\n")).contains(line), qPrintable(line));
}

// An apostrophe is doubled inside PowerShell's literal and nowhere else.
void UpdateScriptTest::windowsQuoting()
{
    UpdateScriptInputs inputs = windowsInputs(QStringLiteral("C:\\Users\\o'brien\\p.zip"), QString());
    inputs.programDir = QStringLiteral("C:\\Apps\\Bob's Lathe");
    const QString script = orvi::windowsUpdateScript(inputs);
    QVERIFY(script.contains(
        QStringLiteral("-LiteralPath 'C:\\Users\\o''brien\\p.zip' -DestinationPath 'C:\\Apps\\Bob''s Lathe'\"\r\n")));
    QVERIFY(script.contains(QStringLiteral("start \"\" \"C:\\Apps\\Bob's Lathe\\OrviLathe.exe\"\r\n")));
}

// Single quotes around every path; only the install stage is elevated, the
// restart stays with the waiting, unprivileged stage.
void UpdateScriptTest::windowsRun_data()
{
    QTest::addColumn<QString>("overwrite"); // a payload name in the downloads folder; "missing.bin" is not there
    QTest::addColumn<QString>("installer");
    QTest::addColumn<QByteArray>("installerRecord");
    QTest::addColumn<bool>("restarted");
    QTest::newRow("copy and restart") << "payload.bin"
                                      << "" << QByteArray() << true;
    QTest::newRow("copy fails, installer") << "missing.bin"
                                           << "setup.exe" << QByteArray("started /S\n") << true;
    QTest::newRow("installer fails") << ""
                                     << "failing-setup.exe" << QByteArray("started /S\n") << false;
}

#if defined(Q_OS_WIN)
namespace {
QByteArray runCmd(const QString& commandLine, int timeoutMs)
{
    QProcess cmd;
    cmd.setProgram(QStringLiteral("cmd.exe"));
    cmd.setNativeArguments(commandLine);
    cmd.start();
    if (!cmd.waitForFinished(timeoutMs))
        cmd.kill();
    return cmd.readAllStandardOutput();
}
} // namespace
#endif

void UpdateScriptTest::windowsRun()
{
#if !defined(Q_OS_WIN)
    QSKIP("the command script runs under cmd.exe");
#else
    QFETCH(QString, overwrite);
    QFETCH(QString, installer);
    QFETCH(QByteArray, installerRecord);
    QFETCH(bool, restarted);
    QTemporaryDir root;
    const QString programDir = root.path() + QStringLiteral("/program dir");
    const QString downloads = root.path() + QStringLiteral("/orvi-update");
    QVERIFY(QDir().mkpath(programDir) && QDir().mkpath(downloads));
    const QString standIn = QCoreApplication::applicationDirPath() + QStringLiteral("/update_stand_in.exe");
    QVERIFY(QFile::copy(standIn, programDir + QStringLiteral("/OrviLathe.exe")));
    if (overwrite == QLatin1String("payload.bin"))
        QVERIFY(writeFileBytes(downloads + QStringLiteral("/payload.bin"), "new data\n", true));
    if (!installer.isEmpty())
        QVERIFY(QFile::copy(standIn, downloads + QLatin1Char('/') + installer));

    QProcess stillRunning;
    stillRunning.start(QStringLiteral("ping"),
                       {QStringLiteral("-n"), QStringLiteral("2"), QStringLiteral("127.0.0.1")});
    QVERIFY(stillRunning.waitForStarted());
    UpdateScriptInputs inputs;
    inputs.processId = stillRunning.processId();
    if (!overwrite.isEmpty())
        inputs.overwritePath = QDir::toNativeSeparators(downloads + QLatin1Char('/') + overwrite);
    if (!installer.isEmpty())
        inputs.installerPath = QDir::toNativeSeparators(downloads + QLatin1Char('/') + installer);
    inputs.programDir = QDir::toNativeSeparators(programDir);
    inputs.programFile = QStringLiteral("OrviLathe.exe");
    QString script = orvi::windowsUpdateScript(inputs);
    const bool andIgnored = runCmd(QStringLiteral("/c \"cmd /c exit 1 && echo ran\""), 10000).contains("ran");
    if (andIgnored) {
        qInfo("this cmd.exe (wine 8) runs what follows && after a failure: the wait loop would never end, so it is "
              "left out");
        script.remove(script.indexOf(QStringLiteral(":wait")),
                      script.indexOf(QStringLiteral("goto wait)\r\n")) + 12 - script.indexOf(QStringLiteral(":wait")));
    }
    const QString scriptPath = downloads + QStringLiteral("/orvi-update.cmd");
    QVERIFY(writeFileBytes(scriptPath, script.toUtf8(), true));

    QElapsedTimer timer;
    timer.start();
    runCmd(QStringLiteral("/c \"%1\"").arg(QDir::toNativeSeparators(scriptPath)), 30000);
    if (!andIgnored)
        QVERIFY2(timer.elapsed() >= 800, "the script must wait for the program to end");
    stillRunning.waitForFinished();
    if (overwrite == QLatin1String("payload.bin"))
        QCOMPARE(readFileBytes(programDir + QStringLiteral("/payload.bin")), QByteArray("new data\n"));
    if (!installer.isEmpty())
        QCOMPARE(readFileBytes(downloads + QLatin1Char('/') + QFileInfo(installer).completeBaseName()
                               + QStringLiteral(".txt")),
                 installerRecord);
    const QString restartRecord = programDir + QStringLiteral("/OrviLathe.txt");
    if (restarted)
        QTRY_COMPARE_WITH_TIMEOUT(readFileBytes(restartRecord), QByteArray("started\n"), 10000);
    QCOMPARE(QFile::exists(programDir + QStringLiteral("/update-failed.txt")), !restarted);
    if (!restarted) {
        QCOMPARE(readFileBytes(programDir + QStringLiteral("/update-failed.txt")).trimmed(),
                 QByteArray("update did not finish; the program was NOT restarted"));
        QVERIFY(!QFile::exists(restartRecord));
    }
#endif
}

void UpdateScriptTest::posixQuotingAndElevation()
{
    UpdateScriptInputs inputs;
    inputs.processId = 77;
    inputs.installerPath = QStringLiteral("/tmp/u/it's-setup.run");
    inputs.programDir = QStringLiteral("/opt/orvi lathe");
    inputs.programFile = QStringLiteral("OrviLathe");
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

namespace {

struct Sandbox {
    QTemporaryDir root;
    QString path; // PATH for the script; empty: this process's own
    QString programDir() const { return root.path() + QStringLiteral("/program dir"); }
    QString downloads() const { return root.path() + QStringLiteral("/orvi-update"); }

    // A stand-in program that records that it was started again.
    bool prepare()
    {
        return QDir().mkpath(programDir()) && QDir().mkpath(downloads())
            && writeFileBytes(programDir() + QStringLiteral("/OrviLathe"),
                              "#!/bin/sh\necho restarted > \"$(dirname \"$0\")/restarted.txt\"\n", true);
    }

    // Runs the script while a short-lived process plays this program; returns
    // how long the script took, or -1 when it did not finish.
    qint64 run(UpdateScriptInputs inputs)
    {
        QProcess stillRunning;
        stillRunning.start(QStringLiteral("sleep"), {QStringLiteral("1")});
        if (!stillRunning.waitForStarted())
            return -1;
        inputs.processId = stillRunning.processId();
        inputs.programDir = programDir();
        inputs.programFile = QStringLiteral("OrviLathe");
        const QString scriptPath = downloads() + QStringLiteral("/orvi-update.sh");
        if (!writeFileBytes(scriptPath, orvi::posixUpdateScript(inputs).toUtf8()))
            return -1;

        QElapsedTimer timer;
        timer.start();
        QProcess shell;
        if (!path.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("PATH"), path);
            shell.setProcessEnvironment(environment);
        }
        shell.start(QStringLiteral("/bin/sh"), {scriptPath});
        // Events must flow meanwhile: that is how the stand-in is reaped once
        // it ends, and only then does its process identifier disappear.
        QDeadlineTimer deadline(20000);
        while (shell.state() != QProcess::NotRunning && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (shell.state() != QProcess::NotRunning) {
            shell.kill();
            shell.waitForFinished();
            return -1;
        }
        return timer.elapsed();
    }
};

} // namespace

void UpdateScriptTest::posixRunCopiesAndRestarts()
{
#if defined(Q_OS_WIN)
    QSKIP("shell scripts are not used on Windows");
#endif
    Sandbox box;
    QVERIFY(box.prepare());
    const QString payload = box.downloads() + QStringLiteral("/OrviLathe.data");
    QVERIFY(writeFileBytes(payload, "new program data\n", true));
    UpdateScriptInputs inputs;
    inputs.overwritePath = payload;
    const qint64 elapsed = box.run(inputs);
    QVERIFY(elapsed >= 0);
    QVERIFY2(elapsed >= 800, "the script must wait for the program to end");
    QCOMPARE(readFileBytes(box.programDir() + QStringLiteral("/OrviLathe.data")), QByteArray("new program data\n"));
    QCOMPARE(readFileBytes(box.programDir() + QStringLiteral("/restarted.txt")), QByteArray("restarted\n"));
    QVERIFY(!QFile::exists(box.programDir() + QStringLiteral("/update-failed.txt")));
}

void UpdateScriptTest::posixRunUnpacksZip()
{
#if defined(Q_OS_WIN)
    QSKIP("shell scripts are not used on Windows");
#endif
    const QStringList systemDirs{QStringLiteral("/usr/bin"), QStringLiteral("/bin")};
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"), systemDirs);
    if (python.isEmpty())
        QSKIP("python3 makes the test archive");
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        QSKIP("unzip is not installed here");

    Sandbox box;
    QVERIFY(box.prepare());
    // The archive brings a new program and a file in a subfolder.
    const QString staging = box.root.path() + QStringLiteral("/staging");
    QVERIFY(QDir().mkpath(staging + QStringLiteral("/plugins")));
    QVERIFY(writeFileBytes(staging + QStringLiteral("/plugins/extra.txt"), "extra\n", true));
    QVERIFY(writeFileBytes(staging + QStringLiteral("/OrviLathe"),
                           "#!/bin/sh\necho restarted new > \"$(dirname \"$0\")/restarted.txt\"\n", true));
    const QString archive = box.downloads() + QStringLiteral("/OrviLathe-6.77.0.ZIP");
    QProcess zip;
    zip.setWorkingDirectory(staging);
    zip.start(python,
              {QStringLiteral("-m"), QStringLiteral("zipfile"), QStringLiteral("-c"), archive,
               QStringLiteral("plugins"), QStringLiteral("OrviLathe")});
    QVERIFY(zip.waitForFinished(20000));
    QCOMPARE(zip.exitCode(), 0);

    // No old program to inherit the executable bit from: the archive's copy must run.
    QVERIFY(QFile::remove(box.programDir() + QStringLiteral("/OrviLathe")));
    UpdateScriptInputs inputs;
    inputs.overwritePath = archive;
    QVERIFY(box.run(inputs) >= 0);
    QCOMPARE(readFileBytes(box.programDir() + QStringLiteral("/plugins/extra.txt")), QByteArray("extra\n"));
    // The new program came out of the archive runnable and was started.
    QCOMPARE(readFileBytes(box.programDir() + QStringLiteral("/restarted.txt")), QByteArray("restarted new\n"));
}

void UpdateScriptTest::posixRunFailingInstallerLeavesMarker()
{
#if defined(Q_OS_WIN)
    QSKIP("shell scripts are not used on Windows");
#endif
    Sandbox box;
    QVERIFY(box.prepare());
    const QString installer = box.downloads() + QStringLiteral("/setup.run");
    // Records its arguments, then fails as a real installer might.
    QVERIFY(
        writeFileBytes(installer, "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/installer-args.txt\"\nexit 3\n", true));
    UpdateScriptInputs inputs;
    inputs.overwritePath = box.downloads() + QStringLiteral("/missing-payload"); // the copy fails first
    inputs.installerPath = installer;
    QVERIFY(box.run(inputs) >= 0);
    QCOMPARE(readFileBytes(box.downloads() + QStringLiteral("/installer-args.txt")), QByteArray("/S\n"));
    QCOMPARE(readFileBytes(box.programDir() + QStringLiteral("/update-failed.txt")),
             QByteArray("update did not finish; the program was NOT restarted\n"));
    QVERIFY(!QFile::exists(box.programDir() + QStringLiteral("/restarted.txt")));
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

    const orvi::platform::ScriptLaunch launch = orvi::platform::launchUpdateScript(script, false);
    QVERIFY(launch.started);
    QTRY_COMPARE_WITH_TIMEOUT(readFileBytes(marker), QByteArray("started\n"), 10000);
    QCOMPARE(orvi::platform::elevationMechanism(), QStringLiteral("pkexec"));
}

QTEST_MAIN(UpdateScriptTest)
#include "tst_update_script.moc"
