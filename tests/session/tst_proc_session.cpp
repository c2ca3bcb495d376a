// The child-process session against the scripted engine executable.
#include "session/pack_proc_session.h"
#include "session_recorder.h"

#include <QPointer>
#include <QTest>

using ProcRun = RecordedSession<PackProcSession>;

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
        QCOMPARE(run.start(steps), 0);
        QVERIFY(run.recorder.waitForFinish(run.session));
        for (int i = 0; i < 5; ++i)
            run.session.poll();
        const SessionRecorder::Record record = run.recorder.get();
        QCOMPARE(record.finishCount, 1);
        QCOMPARE(record.crashed, exitCode < 0);
        if (exitCode >= 0)
            QCOMPARE(record.exitCode, exitCode);
        QCOMPARE(record.lines[0], out);
        QCOMPARE(record.lines[1], err);
    }

    void destroyedSessionIsNotCalledByItsProcess()
    {
        QObject parent;
        auto run = std::make_unique<ProcRun>(&parent);
        const SessionRecorder recorder = run->recorder;
        QCOMPARE(run->start(QStringLiteral("sleep:300;out:late")), 0);
        run.reset();
        QPointer<QProcess> process = parent.findChild<QProcess*>();
        QVERIFY(process);
        QVERIFY(process->waitForFinished(5000));
        QCoreApplication::processEvents();
        QCOMPARE(recorder.get().finishCount, 0);
        QVERIFY(recorder.get().lines[0].isEmpty());
    }

    // A restart drops the fragment the last run left.
    void secondStartIsRefusedRestartIsFresh()
    {
        ProcRun run(this);
        QCOMPARE(run.start(QStringLiteral("partial:left;sleep:20000")), 0);
        QCOMPARE(run.start(QStringLiteral("exit:0")), -2);
        run.session.kill();
        QVERIFY(run.recorder.waitForFinish(run.session));
        QVERIFY(run.recorder.get().crashed);
        QCOMPARE(run.start(QStringLiteral("out:fresh;exit:2")), 0);
        QVERIFY(run.recorder.waitForFinish(run.session, 20000, 2));
        QCOMPARE(run.recorder.get().lines[0], QStringList{QStringLiteral("fresh\n")});
        QCOMPARE(run.recorder.get().exitCode, 2);
    }
};

QTEST_MAIN(ProcSessionTest)
#include "tst_proc_session.moc"
