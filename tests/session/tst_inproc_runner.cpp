// In-process runs: what the engine receives, what comes out of it and in
// which form, and what a program started during a run inherits.
#include "session/inproc_runner.h"
#include "session/pack_inproc_session.h"
#include "scripted_engine.h"
#include "test_output_outside_pipe.h"
#include "session_recorder.h"
#include "std_descriptors_probe.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using InProcRun = RecordedSession<PackInProcSession>;

// What the capturing entry received; read once the run has been waited for.
std::vector<std::string> capturedArgs;
bool capturedNullAfterLast = false;

int capturingEntry(int argc, char** argv)
{
    capturedArgs.assign(argv, argv + argc);
    capturedNullAfterLast = argv[argc] == nullptr;
    return 11;
}

} // namespace

class InProcRunnerTest : public QObject
{
    Q_OBJECT

private slots:
    void childrenDoNotInheritTheRunsPipes()
    {
        const QString before = describeStandardDescriptors();
        InProcRun run(&scriptedEngineMain);
        QCOMPARE(run.start(QStringLiteral("out:running;waitstop;exit:-61")), 0);
        QVERIFY(describeStandardDescriptors() != before);
#ifndef Q_OS_WIN // asks a POSIX shell and /proc
        // Not while the host sets ORVI_INPROC: a start then can fail (exit 127).
        QVERIFY(QTest::qWaitFor([&] { return run.recorder.get().lines[0].contains(QStringLiteral("running\n")); }));
        QTemporaryDir dir;
        const QString seen = dir.filePath(QStringLiteral("fds"));
        QCOMPARE(
            std::system(qPrintable(
                QStringLiteral("readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2 >%1 2>/dev/null; true").arg(seen))),
            0);
        QFile seenFile(seen);
        QVERIFY(seenFile.open(QIODevice::ReadOnly));
        QVERIFY2(!seenFile.readAll().contains("pipe:"), "a child inherited a pipe as a standard stream");
#endif
        QCOMPARE(run.session.stop(5000), 0);
        QCOMPARE(describeStandardDescriptors(), before);
    }

    void passesArgumentsWithHostMarker()
    {
        InProcRun run(&capturingEntry);
        QCOMPARE(run.session.start(QStringLiteral("prog"), {"-o", "x.iso", "a.dsf"}), 0);
        QVERIFY(run.recorder.waitForFinish(run.session));
        QCOMPARE(run.recorder.get().exitCode, 11);
        QCOMPARE(capturedArgs, std::vector<std::string>({"prog", "-o", "x.iso", "a.dsf", "-inproc-host"}));
        QVERIFY(capturedNullAfterLast);
    }

    // What the engine sees of its host, what becomes of its exceptions, and
    // of an output callback that throws.
    void engineRuns_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("callbackThrows");
        QTest::addColumn<int>("rc");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("environment") << "env:ORVI_INPROC" << false << 0 << QStringList{"ORVI_INPROC=1\n"};
        QTest::newRow("std exception") << "out:before;throw:boom" << false << -1
                                       << QStringList{"[inproc] the engine threw an exception: boom\n",
                                                      "[inproc] engine entry returned rc=-1 (args=4)\n"};
        QTest::newRow("other exception") << "throwother" << false << -1
                                         << QStringList{"[inproc] the engine threw a non-std exception\n",
                                                        "[inproc] engine entry returned rc=-1 (args=4)\n"};
        QTest::newRow("callback throws") << "sleep:100;out:next" << true << 0
                                         << QStringList{"[inproc] log sink threw: first\n", "next\n"};
    }
    void engineRuns()
    {
        QFETCH(QString, script);
        QFETCH(bool, callbackThrows);
        QFETCH(int, rc);
        QFETCH(QStringList, lines);
        qunsetenv("ORVI_INPROC");
        const QString before = describeStandardDescriptors();
        InProcRun run(&scriptedEngineMain);
        if (callbackThrows)
            run.recorder.throwOnNextLine();
        QCOMPARE(run.start(script), 0);
        QVERIFY(run.recorder.waitForFinish(run.session));
        QCOMPARE(run.recorder.get().exitCode, rc);
        for (const QString& line : lines)
            QVERIFY2(run.recorder.get().lines[0].contains(line), qPrintable(line));
        QCOMPARE(describeStandardDescriptors(), before);
    }

    // The engine still waits for "stop": a fragment without a line feed gets
    // through on its size alone.
    void longFragmentIsPassedOnBeforeTheEnd()
    {
        InProcRun run(&scriptedEngineMain);
        QCOMPARE(run.start(QStringLiteral("big:70000;waitstop;exit:0")), 0);
        const auto xCount = [&] { return run.recorder.get().lines[0].join(QString()).count(QLatin1Char('x')); };
        QVERIFY(QTest::qWaitFor([&] { return xCount() > 65536; }, 10000));
        QVERIFY(run.session.isRunning());
        QCOMPARE(run.session.stop(5000), 0);
        QCOMPARE(xCount(), 70000);
    }

    void diagnosticFileRecordsTheRun()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("inproc.log"));
        qputenv("ORVI_INPROC_LOG", path.toLocal8Bit());
        InProcRun run(&scriptedEngineMain);
        QCOMPARE(run.start(QStringLiteral("out:hello;exit:3")), 0);
        QVERIFY(run.recorder.waitForFinish(run.session));
        qunsetenv("ORVI_INPROC_LOG");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        // "osf": the system handles of descriptors 0 and 1, which are the
        // descriptors themselves on POSIX systems.
#ifdef Q_OS_WIN
        const QString handles = QStringLiteral("in=[1-9]\\d* out=[1-9]\\d*");
#else
        const QString handles = QStringLiteral("in=0 out=1");
#endif
        const QRegularExpression firstLine(
            QStringLiteral("^\\[inproc\\] dup2 out=1 err=1 in=1 \\| fileno: in=0 out=1 err=2 \\| osf: %1\n")
                .arg(handles));
        QVERIFY2(firstLine.match(QString::fromUtf8(text)).hasMatch(), text.constData());
        QVERIFY(text.contains("[inproc] calling entry argc=4\n"));
        QVERIFY(text.contains("[inproc] entry rc=3\n"));
        QVERIFY(text.contains("hello\n"));
    }

    // Destruction sends "stop" (ignored here), waits 5 s and lets the run go;
    // the sink's receiver may be gone then, so nothing may call it any more.
    void noSinkCallAfterDestruction()
    {
        struct Calls {
            std::atomic<int> all{0}, afterDestruction{0};
            std::atomic<bool> destroyed{false};
        };
        const auto calls = std::make_shared<Calls>();
        const QString before = describeStandardDescriptors();
        {
            orvi::InProcRunner runner(&scriptedEngineMain, false);
            QCOMPARE(runner.start({"engine", "--script", "sleep:5600;out:late"},
                                  [calls](const std::string&) {
                                      ++calls->all;
                                      calls->afterDestruction += calls->destroyed ? 1 : 0;
                                  }),
                     0);
        }
        calls->destroyed = true;
        QCOMPARE(describeStandardDescriptors(), before);
        QTest::qSleep(1200); // the engine returns meanwhile
        QCOMPARE(calls->afterDestruction.load(), 0);
        QVERIFY(calls->all >= 1); // the pipe-ready line came through
    }
};

int main(int argc, char** argv)
{
    return runTestsWithOutputOutsidePipe<InProcRunnerTest, QCoreApplication>(argc, argv);
}
#include "tst_inproc_runner.moc"
