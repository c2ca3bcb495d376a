// The in-process runner: what the engine receives, what the sink gets and in
// which form, the control channel, and that descriptors 0 to 2 come back.
#include "session/inproc_runner.h"
#include "scripted_engine.h"
#include "test_output_outside_pipe.h"
#include "std_descriptors_probe.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

using orvi::InProcRunner;

namespace {

const std::string pipeReady = "[host] session pipe ready (fd1/fd2 -> InProcRunner pipe)\n";

// Chunks as the sink received them, from any of the runner's threads.
struct ChunkLog {
    std::mutex mutex;
    std::vector<std::string> chunks;

    orvi::LineSink sink()
    {
        return [this](const std::string& chunk) {
            std::lock_guard lock(mutex);
            chunks.push_back(chunk);
        };
    }
    std::vector<std::string> all()
    {
        std::lock_guard lock(mutex);
        return chunks;
    }
    std::string joined()
    {
        std::string text;
        for (const std::string& chunk : all())
            text += chunk;
        return text;
    }
    bool contains(const std::string& text) { return joined().find(text) != std::string::npos; }
};

std::vector<std::string> scripted(const std::string& script)
{
    return {"engine", "--script", script};
}

// The strings the capturing entry received.
std::mutex capturedMutex;
std::vector<std::string> capturedArgs;
bool capturedNullAfterLast = false;

int capturingEntry(int argc, char** argv)
{
    std::lock_guard lock(capturedMutex);
    capturedArgs.assign(argv, argv + argc);
    capturedNullAfterLast = argv[argc] == nullptr;
    return 11;
}

} // namespace

class InProcRunnerTest : public QObject
{
    Q_OBJECT

private slots:
    void deliversLinesThenFragmentAfterRestore()
    {
        const QString before = describeStandardDescriptors();
        ChunkLog log;
        InProcRunner runner(&scriptedEngineMain, false);
        QCOMPARE(runner.start(scripted("out:hello;partial:tail;exit:7"), log.sink()), 0);
        // The worker's own line goes straight to the sink, the engine's
        // through the pipe. The fragment without a line end waits in the
        // pipe's reader until the descriptors are back and it sees the end.
        const std::string rcLine = "[inproc] engine entry returned rc=7 (args=4)\n";
        QVERIFY(QTest::qWaitFor([&] { return log.contains(rcLine) && log.contains("hello\n"); }, 10000));
        QVERIFY(!log.contains("tail"));
        QCOMPARE(runner.wait(5000), 7);
        QCOMPARE(runner.wait(0), 7); // the stored result, nothing else happens
        // Only the worker's own line may overtake the ready line.
        const std::string text = log.joined();
        QVERIFY(text.find(pipeReady) < text.find("hello\n"));
        QCOMPARE(log.all().back(), std::string("tail"));
        QCOMPARE(text.size(), pipeReady.size() + rcLine.size() + std::string("hello\ntail").size());
        QCOMPARE(describeStandardDescriptors(), before);
    }

    void redirectsOnlyWhileRunning()
    {
        const QString before = describeStandardDescriptors();
        ChunkLog log;
        InProcRunner runner(&scriptedEngineMain, false);
        QCOMPARE(runner.start(scripted("waitstop;exit:-61"), log.sink()), 0);
        QVERIFY(describeStandardDescriptors() != before);
        QVERIFY(runner.isRunning());
        QCOMPARE(runner.start(scripted("exit:0"), log.sink()), -2);
        QCOMPARE(runner.wait(0), -1000);
#ifndef Q_OS_WIN // asks a POSIX shell and /proc
        // A program started meanwhile must not inherit the run's pipes.
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
        QCOMPARE(runner.stop(5000), -61);
        QVERIFY(!runner.isRunning());
        QVERIFY(log.contains("got stop\n"));
        QCOMPARE(describeStandardDescriptors(), before);
    }

    void passesArgumentsWithHostMarker()
    {
        InProcRunner runner(&capturingEntry, false);
        QCOMPARE(runner.start({"prog", "-o", "x.iso", "a.dsf"}, nullptr), 0);
        QCOMPARE(runner.wait(5000), 11);
        std::lock_guard lock(capturedMutex);
        QCOMPARE(capturedArgs, std::vector<std::string>({"prog", "-o", "x.iso", "a.dsf", "-inproc-host"}));
        QVERIFY(capturedNullAfterLast);
    }

    // What the engine sees of its host, and what becomes of its exceptions.
    void engineRuns_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("rc");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("environment") << "env:ORVI_INPROC" << 0 << QStringList{"ORVI_INPROC=1\n"};
        QTest::newRow("std exception") << "out:before;throw:boom" << -1
                                       << QStringList{"[inproc] the engine threw an exception: boom\n",
                                                      "[inproc] engine entry returned rc=-1 (args=4)\n"};
        QTest::newRow("other exception") << "throwother" << -1
                                         << QStringList{"[inproc] the engine threw a non-std exception\n",
                                                        "[inproc] engine entry returned rc=-1 (args=4)\n"};
    }
    void engineRuns()
    {
        QFETCH(QString, script);
        QFETCH(int, rc);
        QFETCH(QStringList, lines);
        qunsetenv("ORVI_INPROC");
        const QString before = describeStandardDescriptors();
        ChunkLog log;
        InProcRunner runner(&scriptedEngineMain, false);
        QCOMPARE(runner.start(scripted(script.toStdString()), log.sink()), 0);
        QCOMPARE(runner.wait(5000), rc);
        for (const QString& line : lines)
            QVERIFY2(log.contains(line.toStdString()), qPrintable(line));
        QCOMPARE(describeStandardDescriptors(), before);
    }

    // The engine still waits for "stop": the fragment gets through on its
    // size alone, as one chunk with no line feed.
    void longFragmentIsPassedOnBeforeTheEnd()
    {
        ChunkLog log;
        InProcRunner runner(&scriptedEngineMain, false);
        QCOMPARE(runner.start(scripted("big:70000;waitstop;exit:0"), log.sink()), 0);
        QVERIFY(QTest::qWaitFor(
            [&] {
                const std::vector<std::string> chunks = log.all();
                return std::any_of(chunks.begin(), chunks.end(), [](const std::string& chunk) {
                    return chunk.size() > 65536 && chunk.find_first_not_of('x') == std::string::npos;
                });
            },
            10000));
        QVERIFY(runner.isRunning());
        QCOMPARE(runner.stop(5000), 0);
        const std::string text = log.joined();
        QCOMPARE(std::count(text.begin(), text.end(), 'x'), 70000);
    }

    void diagnosticFileRecordsTheRun()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("inproc.log"));
        qputenv("ORVI_INPROC_LOG", path.toLocal8Bit());
        InProcRunner runner(&scriptedEngineMain, false);
        QCOMPARE(runner.start(scripted("out:hello;exit:3"), [](const std::string&) {}), 0);
        QCOMPARE(runner.wait(5000), 3);
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
        QVERIFY(text.contains(QByteArray::fromStdString(pipeReady)));
        QVERIFY(text.contains("hello\n"));
    }

    void throwingSinkIsReportedThroughThePipe()
    {
        auto thrown = std::make_shared<std::atomic<bool>>(false);
        ChunkLog log;
        orvi::LineSink recording = log.sink();
        InProcRunner runner(&scriptedEngineMain, false);
        QCOMPARE(runner.start(scripted("sleep:100;out:next"),
                              [thrown, recording](const std::string& chunk) {
                                  if (!thrown->exchange(true))
                                      throw std::runtime_error("first");
                                  recording(chunk);
                              }),
                 0);
        QCOMPARE(runner.wait(5000), 0);
        QVERIFY(log.contains("[inproc] log sink threw: first\n"));
        QVERIFY(log.contains("next\n"));
    }

    // Destruction sends "stop" (ignored here), waits 5 s and lets the run go.
    void noSinkCallAfterDestruction()
    {
        const QString before = describeStandardDescriptors();
        auto calls = std::make_shared<std::atomic<int>>(0);
        auto receiverGone = std::make_shared<std::atomic<bool>>(false);
        auto callsAfterGone = std::make_shared<std::atomic<int>>(0);
        {
            InProcRunner runner(&scriptedEngineMain, false);
            QCOMPARE(runner.start(scripted("sleep:5600;out:late"),
                                  [calls, receiverGone, callsAfterGone](const std::string&) {
                                      ++*calls;
                                      if (*receiverGone)
                                          ++*callsAfterGone;
                                  }),
                     0);
        }
        *receiverGone = true;
        QCOMPARE(describeStandardDescriptors(), before);
        QThread::msleep(1200); // the engine returns meanwhile
        QCOMPARE(callsAfterGone->load(), 0);
        QVERIFY(calls->load() >= 1); // the pipe-ready line came through
    }
};

int main(int argc, char** argv)
{
    return runTestsWithOutputOutsidePipe<InProcRunnerTest, QCoreApplication>(argc, argv);
}
#include "tst_inproc_runner.moc"
