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
    // The command script's steps in order (each line's first word), and the
    // lines that carry paths: an apostrophe is doubled inside PowerShell's
    // literal and nowhere else.
    void windowsSteps_data();
    void windowsSteps()
    {
        QFETCH(QString, overwrite);
        QFETCH(QString, installer);
        QFETCH(QString, steps);
        QFETCH(QString, payloadLine);
        const QString script = orvi::windowsUpdateScript(
            {4242, overwrite, installer, QStringLiteral("C:\\Apps\\Bob's Lathe"), QStringLiteral("OrviLathe.exe")});
        const QStringList lines = script.split(QStringLiteral("\r\n"));
        QStringList firstWords;
        for (const QString& line : lines)
            firstWords << line.trimmed().section(QLatin1Char(' '), 0, 0);
        QCOMPARE(firstWords.join(QLatin1Char(' ')).trimmed(), steps);
        for (const QString& line :
             {payloadLine,
              QStringLiteral("tasklist /FI \"PID eq 4242\" 2>nul | find \"4242\" >nul && (ping -n 2 127.0.0.1 "
                             ">nul & goto wait)"),
              QStringLiteral("start \"\" \"C:\\Apps\\Bob's Lathe\\OrviLathe.exe\""),
              QStringLiteral("  echo update did not finish; the program was NOT restarted > \"C:\\Apps\\Bob's "
                             "Lathe\\update-failed.txt\"")})
            QVERIFY2(lines.contains(line), qPrintable(line + QStringLiteral("\nnot in:\n") + script));
    }

    // Single quotes around every path; only the install stage is elevated, the
    // restart stays with the waiting, unprivileged stage.
    void posixQuotingAndElevation()
    {
        UpdateScriptInputs inputs{77, QString(), QStringLiteral("/tmp/u/it's-setup.run"),
                                  QStringLiteral("/opt/orvi lathe"), QStringLiteral("OrviLathe")};
        QString script = orvi::posixUpdateScript(inputs);
        QVERIFY(script.startsWith(QStringLiteral("#!/bin/sh\n")));
        QVERIFY(script.contains(QStringLiteral("while kill -0 77 2>/dev/null; do sleep 1; done\n")));
        QVERIFY(script.contains(
            QStringLiteral("chmod +x '/tmp/u/it'\\''s-setup.run' && '/tmp/u/it'\\''s-setup.run' /S\n")));
        QVERIFY(!script.contains(QStringLiteral("pkexec")));
        inputs.elevate = true;
        script = orvi::posixUpdateScript(inputs);
        QCOMPARE(script.count(QStringLiteral("pkexec")), 1);
        QVERIFY(script.contains(QStringLiteral("\n  pkexec /bin/sh \"$0\" --install\n")));
        QVERIFY(script.indexOf(QStringLiteral("pkexec"))
                < script.indexOf(QStringLiteral("exec '/opt/orvi lathe/OrviLathe'")));
    }

    void run_data()
    {
        // Files in the download folder: "missing.bin" is not there; the archive
        // holds plugins/payload.bin and a new program, which replaces none.
        QTest::addColumn<QString>("overwrite");
        QTest::addColumn<QString>("installer");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("copy and restart") << "payload.bin" << QString() << true;
        QTest::newRow("unpack and restart") << "update.ZIP" << QString() << true;
        QTest::newRow("copy fails, installer") << "missing.bin" << QStringLiteral("setup.exe") << true;
        QTest::newRow("installer fails") << QString() << "failing-setup.exe" << false;
    }
    // The script waits for the program to end, puts the files in place or runs
    // the installer, and starts the program again, or leaves a marker instead.
    void run()
    {
        QFETCH(QString, overwrite);
        QFETCH(QString, installer);
        QFETCH(bool, restarted);
        const bool zip = overwrite.endsWith(QLatin1String(".ZIP"));
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
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
        stillRunning.waitForFinished();
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

    void posixLauncherStartsTheScriptDetached()
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
};

void UpdateScriptTest::windowsSteps_data()
{
    QTest::addColumn<QString>("overwrite");
    QTest::addColumn<QString>("installer");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("payloadLine");
    QTest::newRow("copy, else installer")
        << "C:\\t\\OrviLathe.exe" << QStringLiteral("C:\\t\\setup.exe")
        << R"(@echo :wait tasklist copy if start exit :install "C:\t\setup.exe" if echo exit ) start)"
        << R"(copy /Y "C:\t\OrviLathe.exe" "C:\Apps\Bob's Lathe\" >nul)";
    QTest::newRow("upper-case zip")
        << "C:\\t\\o'brien.ZIP" << QString()
        << R"(@echo :wait tasklist powershell if start exit :install if echo exit ) start)"
        << R"(powershell -NoProfile -ExecutionPolicy Bypass -Command "Expand-Archive )"
           R"(-Force -LiteralPath 'C:\t\o''brien.ZIP' -DestinationPath 'C:\Apps\Bob''s Lathe'")";
    QTest::newRow("installer only") << QString() << "C:\\t\\setup.exe"
                                    << R"(@echo :wait tasklist :install "C:\t\setup.exe" if echo exit ) start)"
                                    << R"("C:\t\setup.exe" /S)";
    QTest::newRow("zip only in a folder name")
        << "C:\\t.zip\\payload" << QString()
        << R"(@echo :wait tasklist copy if start exit :install if echo exit ) start)"
        << R"(copy /Y "C:\t.zip\payload" "C:\Apps\Bob's Lathe\" >nul)";
}

QTEST_MAIN(UpdateScriptTest)
#include "tst_update_script.moc"
