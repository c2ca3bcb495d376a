// The in-process session with the scripted engine as its entry, and the
// choice between the two session kinds.
#include "session/pack_inproc_session.h"
#include "scripted_engine.h"
#include "test_output_outside_pipe.h"
#include "session_recorder.h"
#include "std_descriptors_probe.h"

#include <QElapsedTimer>
#include <QTest>

namespace {
const QString pipeReady = QStringLiteral("[host] session pipe ready (fd1/fd2 -> InProcRunner pipe)\n");

QStringList script(const QString& steps)
{
    return {QStringLiteral("--script"), steps};
}

// A session over the scripted engine with a recorder installed.
struct InProcRun {
    InProcRun() { recorder.install(session); }
    PackInProcSession session{&scriptedEngineMain};
    SessionRecorder recorder;
};

} // namespace

class InProcSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void factoryChoosesByEnvironment_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("unset");
        QTest::addColumn<bool>("inProcess");
        QTest::newRow("unset") << QByteArray() << true << true;
        QTest::newRow("empty") << QByteArray("") << false << true;
        QTest::newRow("0") << QByteArray("0") << false << false;
        QTest::newRow("1") << QByteArray("1") << false << true;
        QTest::newRow("00") << QByteArray("00") << false << true;
        QTest::newRow("blank 0") << QByteArray(" 0") << false << true;
    }
    void factoryChoosesByEnvironment()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, unset);
        QFETCH(bool, inProcess);
        if (unset)
            qunsetenv("ORVI_GUI_INPROC");
        else
            qputenv("ORVI_GUI_INPROC", value);
        QObject parent;
        const std::unique_ptr<PackSession> session = createPackSession(&parent);
        qunsetenv("ORVI_GUI_INPROC");
        QCOMPARE(session->isInProcess(), inProcess);
        QCOMPARE(session->stopIsForced(), !inProcess);
    }

    void deliversEveryLineAsStandardOutput()
    {
        const QString before = describeStandardDescriptors();
        InProcRun run;
        auto& [session, recorder] = run;
        QCOMPARE(session.start(QStringLiteral("engine"),
                               script(QStringLiteral("out:hello;err:oops;crlf:x;partial:abc;exit:3"))),
                 0);
        QVERIFY(recorder.waitForFinish(session));
        QCOMPARE(recorder.exitCode(), 3);
        QVERIFY(!recorder.crashed());
        for (const auto& line : recorder.lines())
            QVERIFY(!line.isStderr);
        QCOMPARE(recorder.texts().count(QStringLiteral("[inproc] engine entry returned rc=3 (args=4)\n")), 1);
        // The worker's own line may come at any point; everything that went
        // through the pipe starts with the ready line.
        QStringList engineLines = recorder.texts();
        engineLines.removeAll(QStringLiteral("[inproc] engine entry returned rc=3 (args=4)\n"));
        QCOMPARE(engineLines.takeFirst(), pipeReady);
        // The tail without a line end comes last, once the run is torn down.
        QCOMPARE(engineLines,
                 QStringList({QStringLiteral("hello\n"), QStringLiteral("oops\n"), QStringLiteral("x\r\n"),
                              QStringLiteral("abc")}));
        for (int i = 0; i < 5; ++i)
            session.poll();
        QCOMPARE(recorder.finishCount(), 1);
        QCOMPARE(describeStandardDescriptors(), before);
    }

    void stopIsObeyed()
    {
        InProcRun run;
        auto& [session, recorder] = run;
        QCOMPARE(session.start(QStringLiteral("engine"), script(QStringLiteral("waitstop;exit:-61"))), 0);
        QCOMPARE(session.stop(2000), 0);
        QVERIFY(!session.isRunning());
        QCOMPARE(recorder.finishCount(), 0);
        session.poll();
        QCOMPARE(recorder.finishCount(), 1);
        QCOMPARE(recorder.exitCode(), -61);
        QVERIFY(!recorder.crashed());
        QVERIFY(recorder.texts().contains(QStringLiteral("got stop\n")));
    }

    void stopIgnoredTimesOutAndCannotBeForced()
    {
        InProcRun run;
        auto& [session, recorder] = run;
        QCOMPARE(session.start(QStringLiteral("engine"), script(QStringLiteral("sleep:3000;exit:5"))), 0);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(session.stop(2000), -1000);
        QVERIFY(clock.elapsed() >= 2000);
        session.terminate();
        session.kill();
        session.closeChannels();
        QVERIFY(session.isRunning());
        QVERIFY(recorder.waitForFinish(session));
        QCOMPARE(recorder.exitCode(), 5);
    }

    void secondStartIsRefused()
    {
        InProcRun run;
        auto& [session, recorder] = run;
        QCOMPARE(session.sendLine(QStringLiteral("stop"), nullptr), -1);
        QCOMPARE(session.start(QStringLiteral("engine"), script(QStringLiteral("waitstop;exit:0"))), 0);
        QCOMPARE(session.start(QStringLiteral("engine"), script(QStringLiteral("exit:1"))), -2);
        bool flushed = false;
        QCOMPARE(session.sendLine(QStringLiteral("stop"), &flushed), 5);
        QVERIFY(flushed);
        QVERIFY(recorder.waitForFinish(session));
        QCOMPARE(recorder.exitCode(), 0);
    }

    void startFailuresAreExplained()
    {
        PackInProcSession noEntry(nullptr);
        QCOMPARE(noEntry.start(QStringLiteral("engine"), {}), -1);
        QCOMPARE(noEntry.errorString(), QStringLiteral("进程内会话起不来 (rc=-1)"));

        const QString before = describeStandardDescriptors();
        InProcRun run;
        auto& [session, recorder] = run;
        {
            DescriptorExhaustion noFreeDescriptors;
            QCOMPARE(session.start(QStringLiteral("engine"), script(QStringLiteral("out:never"))), -3);
        }
        QCOMPARE(session.errorString(), QStringLiteral("进程内会话起不来 (rc=-3)"));
        QVERIFY(!recorder.waitForFinish(session, 300));
        QCOMPARE(describeStandardDescriptors(), before);
    }

    void destroyingARunningSessionStopsTheEngine()
    {
        const QString before = describeStandardDescriptors();
        SessionRecorder recorder;
        QElapsedTimer clock;
        {
            PackInProcSession session(&scriptedEngineMain);
            recorder.install(session);
            QCOMPARE(session.start(QStringLiteral("engine"), script(QStringLiteral("waitstop;exit:-61"))), 0);
            clock.start();
        }
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(describeStandardDescriptors(), before);
        QCOMPARE(recorder.finishCount(), 0);
    }
};

int main(int argc, char** argv)
{
    return runTestsWithOutputOutsidePipe<InProcSessionTest, QApplication>(argc, argv);
}
#include "tst_inproc_session.moc"
