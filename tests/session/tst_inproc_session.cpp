// The in-process session with the scripted engine as its entry: what it
// delivers, stopping, start failures and destruction; and the choice between
// the two session kinds.
#include "session/pack_inproc_session.h"
#include "scripted_engine.h"
#include "test_output_outside_pipe.h"
#include "session_recorder.h"
#include "std_descriptors_probe.h"

#include <QElapsedTimer>
#include <QTest>

using InProcRun = RecordedSession<PackInProcSession>;

class InProcSessionTest : public QObject
{
    Q_OBJECT

private slots:
    // In-process unless the variable is exactly "0"; a null value unsets it.
    void factoryChoosesByEnvironment_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("inProcess");
        QTest::newRow("unset") << QByteArray() << true;
        QTest::newRow("empty") << QByteArray("") << true;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("00") << QByteArray("00") << true;
        QTest::newRow("blank 0") << QByteArray(" 0") << true;
    }
    void factoryChoosesByEnvironment()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, inProcess);
        if (value.isNull())
            qunsetenv("ORVI_GUI_INPROC");
        else
            qputenv("ORVI_GUI_INPROC", value);
        QObject parent;
        const std::unique_ptr<PackSession> session = createPackSession(&parent);
        qunsetenv("ORVI_GUI_INPROC");
        QCOMPARE(dynamic_cast<PackInProcSession*>(session.get()) != nullptr, inProcess);
    }

    // Both descriptors feed one pipe: every line is standard output. A line
    // written in two pieces arrives whole, and the tail without a line end
    // comes last, once the run is torn down.
    void deliversEveryLineAsStandardOutput()
    {
        const QString before = describeStandardDescriptors();
        InProcRun run(&scriptedEngineMain);
        QCOMPARE(run.start(QStringLiteral("out:hello;err:oops;partial:a;sleep:100;crlf:b;partial:tail;exit:3")), 0);
        QVERIFY(run.recorder.waitForFinish(run.session));
        for (int i = 0; i < 5; ++i)
            run.session.poll();
        SessionRecorder::Record record = run.recorder.get();
        QCOMPARE(record.finishCount, 1);
        QCOMPARE(record.exitCode, 3);
        QVERIFY(record.lines[1].isEmpty());
        // The worker's own line may come at any point; everything that went
        // through the pipe starts with the ready line.
        QCOMPARE(record.lines[0].removeAll(QStringLiteral("[inproc] engine entry returned rc=3 (args=4)\n")), 1);
        QCOMPARE(record.lines[0],
                 QStringList({"[host] session pipe ready (fd1/fd2 -> InProcRunner pipe)\n", "hello\n", "oops\n",
                              "ab\r\n", "tail"}));
        QCOMPARE(describeStandardDescriptors(), before);
    }

    // A stop waits up to its time for the engine to finish; the finish comes
    // with the next poll. An engine that goes on is left alone meanwhile.
    void stop_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("stopRc");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("obeyed") << "waitstop;exit:-61" << 0 << -61;
        QTest::newRow("ignored") << "sleep:3000;exit:5" << -1000 << 5;
    }
    void stop()
    {
        QFETCH(QString, script);
        QFETCH(int, stopRc);
        QFETCH(int, exitCode);
        InProcRun run(&scriptedEngineMain);
        QCOMPARE(run.start(script), 0);
        QCOMPARE(run.start(QStringLiteral("exit:1")), -2);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(run.session.stop(2000), stopRc);
        QVERIFY(stopRc == 0 || clock.elapsed() >= 2000);
        QCOMPARE(run.session.isRunning(), stopRc != 0);
        QCOMPARE(run.recorder.get().finishCount, 0);
        QVERIFY(run.recorder.waitForFinish(run.session));
        const SessionRecorder::Record record = run.recorder.get();
        QCOMPARE(record.exitCode, exitCode);
        QCOMPARE(record.lines[0].contains(QStringLiteral("got stop\n")), stopRc == 0);
    }

    void startFailuresAreExplained()
    {
        PackInProcSession noEntry(nullptr);
        QCOMPARE(noEntry.start(QStringLiteral("engine"), {}), -1);
        QCOMPARE(noEntry.errorString(), QStringLiteral("进程内会话起不来 (rc=-1)"));

        const QString before = describeStandardDescriptors();
        InProcRun run(&scriptedEngineMain);
        {
            NoFreeDescriptors noFreeDescriptors;
            QCOMPARE(run.start(QStringLiteral("out:never")), -3);
        }
        QCOMPARE(run.session.errorString(), QStringLiteral("进程内会话起不来 (rc=-3)"));
        QVERIFY(!run.recorder.waitForFinish(run.session, 300));
        QCOMPARE(describeStandardDescriptors(), before);
        QCOMPARE(run.start(QStringLiteral("out:again")), 0); // usable again
        QVERIFY(run.recorder.waitForFinish(run.session));
        QVERIFY(run.recorder.get().lines[0].contains(QStringLiteral("again\n")));
    }

    void destroyingARunningSessionStopsTheEngine()
    {
        const QString before = describeStandardDescriptors();
        auto run = std::make_unique<InProcRun>(&scriptedEngineMain);
        const SessionRecorder recorder = run->recorder;
        QCOMPARE(run->start(QStringLiteral("waitstop")), 0);
        QElapsedTimer clock;
        clock.start();
        run.reset();
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(describeStandardDescriptors(), before);
        QCOMPARE(recorder.get().finishCount, 0);
    }
};

int main(int argc, char** argv)
{
    return runTestsWithOutputOutsidePipe<InProcSessionTest, QApplication>(argc, argv);
}
#include "tst_inproc_session.moc"
