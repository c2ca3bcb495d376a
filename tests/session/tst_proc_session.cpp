// The child-process session against the scripted engine executable.
#include "session/pack_proc_session.h"
#include "session_recorder.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>

namespace {
QString testEngine()
{
    return QStringLiteral(ORVI_BUILD_DIR "/OrviTestEngine" ORVI_EXE_SUFFIX);
}

QStringList script(const QString& steps)
{
    return {QStringLiteral("--script"), steps};
}

// A session with a recorder installed.
struct ProcRun {
    explicit ProcRun(QObject* parent) : session(parent) { recorder.install(session); }
    PackProcSession session;
    SessionRecorder recorder;
};
} // namespace

class ProcSessionTest : public QObject
{
    Q_OBJECT

private slots:
    // What each channel delivers, line ends kept; a fragment without a line
    // end is joined with the next read, or never delivered when none comes.
    void runs_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("out");
        QTest::addColumn<QStringList>("err");
        QTest::addColumn<int>("exitCode"); // -1: crashed
        QTest::newRow("both channels") << "out:hello;crlf:x;err:oops;errcrlf:e1;errpartial:frag;exit:3"
                                       << QStringList{"hello\n", "x\r\n"} << QStringList{"oops\n", "e1\r\n"} << 3;
        QTest::newRow("split across reads")
            << "partial:abc;sleep:300;out:def" << QStringList{"abcdef\n"} << QStringList() << 0;
        QTest::newRow("crash") << "out:a;crash" << QStringList{"a\n"} << QStringList() << -1;
    }
    void runs()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, out);
        QFETCH(QStringList, err);
        QFETCH(int, exitCode);
        ProcRun run(this);
        auto& [session, recorder] = run;
        QCOMPARE(session.start(testEngine(), script(steps)), 0);
        QVERIFY(recorder.waitForFinish(session));
        QCOMPARE(recorder.crashed(), exitCode < 0);
        if (exitCode >= 0)
            QCOMPARE(recorder.exitCode(), exitCode);
        QStringList seen[2];
        for (const auto& line : recorder.lines())
            seen[line.isStderr].append(line.text);
        QCOMPARE(seen[0], out);
        QCOMPARE(seen[1], err);
        for (int i = 0; i < 5; ++i)
            session.poll();
        QCOMPARE(recorder.finishCount(), 1);
        QCOMPARE(recorder.lines().size(), out.size() + err.size());
    }

    void missingExecutableFailsToStart()
    {
        ProcRun run(this);
        auto& [session, recorder] = run;
        QCOMPARE(session.start(QStringLiteral(ORVI_BUILD_DIR "/no-such-engine"), {}), -3);
        QVERIFY(!session.errorString().isEmpty());
        QVERIFY(!session.isRunning());
        QVERIFY(!recorder.waitForFinish(session, 300));
        QCOMPARE(session.sendLine(QStringLiteral("stop"), nullptr), -1);
    }

    void secondStartWhileRunningIsRefused()
    {
        ProcRun run(this);
        auto& [session, recorder] = run;
        QCOMPARE(session.start(testEngine(), script(QStringLiteral("waitstop;exit:5"))), 0);
        QCOMPARE(session.start(testEngine(), script(QStringLiteral("exit:0"))), -2);
        QVERIFY(session.isRunning());
        bool flushed = false;
        QCOMPARE(session.sendLine(QStringLiteral("stop"), &flushed), 5);
        QVERIFY(flushed);
        QVERIFY(recorder.waitForFinish(session));
        QCOMPARE(recorder.exitCode(), 5);
        QCOMPARE(recorder.texts(), QStringList{QStringLiteral("got stop\n")});
    }

    void stopReturnsTheExitCode()
    {
        ProcRun run(this);
        auto& [session, recorder] = run;
        QCOMPARE(session.start(testEngine(), script(QStringLiteral("waitstop;exit:-61"))), 0);
        // -61 as a process exit status is the byte 195 on POSIX systems.
#ifdef Q_OS_WIN
        const int stopped = -61;
#else
        const int stopped = 195;
#endif
        QCOMPARE(session.stop(5000), stopped);
        session.poll();
        QCOMPARE(recorder.finishCount(), 1);
        QCOMPARE(recorder.exitCode(), stopped);
    }

    void stopIgnoredTimesOut()
    {
        ProcRun run(this);
        auto& [session, recorder] = run;
        QCOMPARE(session.start(testEngine(), script(QStringLiteral("sleep:20000"))), 0);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(session.stop(400), -1000);
        QVERIFY(clock.elapsed() >= 400);
        QVERIFY(session.isRunning());
        session.kill();
        QVERIFY(recorder.waitForFinish(session));
        QVERIFY(recorder.crashed());
    }

    void destroyedSessionIsNotCalledByItsProcess()
    {
        QObject parent;
        SessionRecorder recorder;
        QPointer<QProcess> process;
        {
            PackProcSession session(&parent);
            recorder.install(session);
            QCOMPARE(session.start(testEngine(), script(QStringLiteral("sleep:300;out:late;exit:4"))), 0);
            process = parent.findChild<QProcess*>();
        }
        QVERIFY(process);
        QVERIFY(process->waitForFinished(5000));
        QCoreApplication::processEvents();
        QCOMPARE(recorder.finishCount(), 0);
        QVERIFY(recorder.lines().isEmpty());
    }

    void restartsAfterFinish()
    {
        ProcRun run(this);
        auto& [session, recorder] = run;
        QCOMPARE(session.start(testEngine(), script(QStringLiteral("partial:left;exit:1"))), 0);
        QVERIFY(recorder.waitForFinish(session));
        QCOMPARE(session.start(testEngine(), script(QStringLiteral("out:fresh;exit:2"))), 0);
        QVERIFY(recorder.waitForLine(session, QStringLiteral("fresh\n")));
        // The fragment of the first run was dropped with the restart.
        QCOMPARE(recorder.texts(), QStringList{QStringLiteral("fresh\n")});
    }
};

QTEST_MAIN(ProcSessionTest)
#include "tst_proc_session.moc"
