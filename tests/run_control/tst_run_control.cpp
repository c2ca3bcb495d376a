// Run control of the pack window against the scripted engine, as a child
// process (build/OrviTestEngine through ORVI_LATHE_BIN) and in-process (the
// scripted entry in place of the real one). The engine's script travels in
// ORVI_TEST_ENGINE_SCRIPT, since the window builds the command line itself.
#include "gui/pack_gui_window.h"
#include "url_recorder.h"
#include "modal_answerer.h"
#include "scripted_engine.h"
#include "test_output_outside_pipe.h"
#include "session/pack_inproc_session.h"
#include "test_env.h"
#include "test_fixture.h"
#include "window_access.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

const QString testEngine = QStringLiteral(ORVI_BUILD_DIR "/OrviTestEngine" ORVI_EXE_SUFFIX);

// Only whether these variables are set counts, so an empty value is set too.
// Windows cannot hold an empty value (putting one removes the variable).
void setSwitch(const char* name)
{
#ifdef Q_OS_WIN
    qputenv(name, "1");
#else
    qputenv(name, "");
#endif
}

// One window with one track and an output path in a fresh folder.
struct RunSetup {
    QTemporaryDir dir;
    QString track;
    QString output;
    std::unique_ptr<PackGuiWindow> window;
    std::unique_ptr<PackGuiWindowTestAccess> access;

    RunSetup(bool inProcess, const QString& script)
    {
        orvi::test::isolateWindowEnvironment();
        qputenv("ORVI_LATHE_BIN", testEngine.toLocal8Bit());
        if (inProcess)
            qunsetenv("ORVI_GUI_INPROC");
        else
            qputenv("ORVI_GUI_INPROC", "0");
        qputenv("ORVI_TEST_ENGINE_SCRIPT", script.toUtf8());
        setInProcessEngineEntry(&scriptedEngineMain);
        track = orvi::test::touchFile(dir.filePath(QStringLiteral("01.dsf")), "DSD ");
        output = dir.filePath(QStringLiteral("disc.iso"));
        window = std::make_unique<PackGuiWindow>();
        access = std::make_unique<PackGuiWindowTestAccess>(*window);
        window->show();
        access->addTrackFile(track);
        access->output()->setText(output);
    }
    ~RunSetup()
    {
        window.reset();
        setInProcessEngineEntry(nullptr);
        qunsetenv("ORVI_TEST_ENGINE_SCRIPT");
        qunsetenv("ORVI_GUI_INPROC");
        qunsetenv("ORVI_PACK_GUI_NOCONFIRM");
        qunsetenv("ORVI_PACK_GUI_AUTOCLOSE");
    }

    QString log() const { return access->logText(); }
    QString status() const { return access->statusMessage(); }
    QProgressBar* progress() const { return window->findChild<QProgressBar*>(); }
    void start() { access->startButton()->click(); }
    bool waitForLog(const QString& text, int timeoutMs = 15000)
    {
        return QTest::qWaitFor([&] { return log().contains(text); }, timeoutMs);
    }
    bool idle() const { return access->startButton()->isEnabled() && !access->stopButton()->isEnabled(); }
};

// Runs the application's event loop until something quits it or `limitMs`
// passes; returns the time it ran, or exactly limitMs when the limit ended it.
int runEventLoop(int limitMs)
{
    bool limitReached = false;
    QTimer limit;
    limit.setSingleShot(true);
    // exit() rather than quit(): quitting also closes every window, and the
    // tests look at the window afterwards.
    QObject::connect(&limit, &QTimer::timeout, [&limitReached] {
        limitReached = true;
        QCoreApplication::exit(0);
    });
    limit.start(limitMs);
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::exec();
    return limitReached ? limitMs : int(clock.elapsed());
}

} // namespace

class RunControlTest : public QObject
{
    Q_OBJECT

private slots:
    void success_data()
    {
        QTest::addColumn<bool>("inProcess");
        QTest::newRow("child process") << false;
        QTest::newRow("in-process") << true;
    }
    void success()
    {
        QFETCH(bool, inProcess);
        RunSetup run(inProcess, QStringLiteral("out:packing;file:1572864:@out;created:@out;exit:0"));
        ModalAnswerer answerer;
        answerer.answer(QMessageBox::Ok);
        run.start();
        QVERIFY(!run.idle());
        QVERIFY(!run.access->table()->isEnabled());
        QCOMPARE(run.status(), QStringLiteral("打包进行中…"));
        QVERIFY(answerer.waitForRecords(1, 20000));
        const ModalAnswerer::Record box = answerer.records().first();
        QCOMPARE(box.title, QStringLiteral("打包完成"));
        QCOMPARE(box.text, QStringLiteral("SACD ISO 已生成:\n%1").arg(run.output));
        QVERIFY(run.log().contains(QStringLiteral("✓ 打包完成: %1 (1.5 MB)").arg(run.output)));
        const QStringList lines = run.log().split(QLatin1Char('\n'));
        QVERIFY(lines[0].startsWith(QStringLiteral("── ")));
        QVERIFY(lines[0].endsWith(QStringLiteral(" 开始打包 ──")));
        QCOMPARE(lines[1], QStringLiteral("$ %1 -o %2 %3").arg(testEngine, run.output, run.track));
        QCOMPARE(run.status(), QStringLiteral("✓ 打包完成"));
        QVERIFY(run.idle());
        QVERIFY(run.access->openOutputButton()->isEnabled());
        QCOMPARE(run.progress()->value(), 100);
        QVERIFY(QFile::exists(run.output));

        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
        run.access->openOutputButton()->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(run.output).absolutePath())});
    }

    // Outcomes that ask nothing (no confirmation box after a success when
    // ORVI_PACK_GUI_NOCONFIRM is set): the log line and the status.
    void quietOutcomes_data()
    {
        QTest::addColumn<bool>("inProcess");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("logLine");
        QTest::addColumn<QString>("status");
        QTest::newRow("success, no confirmation") << true << "file:10:@out;created:@out;exit:0"
                                                  << "✓ 打包完成: @out (0.0 MB)"
                                                  << "✓ 打包完成";
        QTest::newRow("no product") << true << "out:nothing to do;exit:0"
                                    << "进程结束, 退出码 0, 未检测到产物。"
                                    << "进程结束 (退出码 0, 无产物)";
        QTest::newRow("crash") << false << "out:about to fail;crash"
                               << "✗ 打包进程异常终止 (非正常退出)。"
                               << "打包进程异常终止 (崩溃或被强杀)";
    }
    void quietOutcomes()
    {
        QFETCH(bool, inProcess);
        QFETCH(QString, script);
        QFETCH(QString, logLine);
        QFETCH(QString, status);
        RunSetup run(inProcess, script);
        setSwitch("ORVI_PACK_GUI_NOCONFIRM");
        ModalAnswerer answerer;
        run.start();
        QVERIFY(run.waitForLog(logLine.replace(QStringLiteral("@out"), run.output)));
        QCOMPARE(run.status(), status);
        QTest::qWait(300);
        QVERIFY(answerer.records().isEmpty());
        QVERIFY(run.idle());
    }

    void missingProductOffersDeletion()
    {
        RunSetup run(false, QStringLiteral("file:0:@out;created:@out;exit:0"));
        ModalAnswerer answerer;
        answerer.answer(QMessageBox::Yes);
        run.start();
        QVERIFY(answerer.waitForRecords(1, 20000));
        QCOMPARE(answerer.records().first().title, QStringLiteral("不完整产物"));
        QCOMPARE(answerer.records().first().text,
                 QStringLiteral("打包未完成, 目标文件可能不完整:\n%1\n\n删除该文件吗?").arg(run.output));
        QVERIFY(run.waitForLog(QStringLiteral("已删除不完整产物: %1").arg(run.output)));
        QVERIFY(run.log().contains(
            QStringLiteral("✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1").arg(run.output)));
        QCOMPARE(run.status(), QStringLiteral("⚠ 引擎报告成功但产物缺失/为空"));
        QVERIFY(!QFile::exists(run.output));
        QVERIFY(!run.access->openOutputButton()->isEnabled());
    }

    void failureKeepsFileWhenTold_data()
    {
        QTest::addColumn<bool>("inProcess");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("child exit 2") << false << "err:bad input;file:10:@out;exit:2" << 2;
        QTest::newRow("in-process exit 2") << true << "err:bad input;file:10:@out;exit:2" << 2;
        QTest::newRow("-61 without stop") << true << "file:10:@out;exit:-61" << -61;
    }
    void failureKeepsFileWhenTold()
    {
        QFETCH(bool, inProcess);
        QFETCH(QString, script);
        QFETCH(int, exitCode);
        RunSetup run(inProcess, script);
        ModalAnswerer answerer;
        answerer.answer(QMessageBox::No);
        run.start();
        QVERIFY(answerer.waitForRecords(1, 20000));
        QVERIFY(run.waitForLog(QStringLiteral("保留不完整产物: %1 (请勿直接使用)").arg(run.output)));
        QVERIFY(run.log().contains(QStringLiteral("✗ 打包失败, 退出码 %1。见上方错误信息。").arg(exitCode)));
        QCOMPARE(run.status(), QStringLiteral("打包失败 (退出码 %1)").arg(exitCode));
        QVERIFY(QFile::exists(run.output));
        QVERIFY(run.idle());
    }

    void forcedStop_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("atLeastMs");
        QTest::newRow("terminate") << "out:ready;sleep:30000" << 0;
        QTest::newRow("kill after 3000 ms") << "ignoreterm;out:ready;sleep:30000" << 3000;
    }
    void forcedStop()
    {
        QFETCH(QString, script);
        QFETCH(int, atLeastMs);
        RunSetup run(false, script);
        ModalAnswerer answerer;
        run.start();
        QVERIFY(run.waitForLog(QStringLiteral("ready")));
        QElapsedTimer clock;
        clock.start();
        run.access->stopButton()->click();
        QVERIFY(run.log().contains(QStringLiteral("正在停止… (强制结束可能留下不完整 ISO)")));
        QVERIFY(run.waitForLog(QStringLiteral("■ 已停止(强制结束进程)。"), 10000));
        QVERIFY(clock.elapsed() >= atLeastMs);
        QCOMPARE(run.status(), QStringLiteral("■ 已停止"));
        QVERIFY(!run.log().contains(QStringLiteral("✗ 打包进程异常终止")));
        QVERIFY(run.idle());
    }

    // Two starts right after a forced stop: the third session may live at the
    // first one's address, and the stop's delayed kill must not hit it.
    void forcedStopSparesALaterRun()
    {
        RunSetup run(false, QStringLiteral("out:ready;sleep:30000"));
        run.start();
        QVERIFY(run.waitForLog(QStringLiteral("ready")));
        run.access->stopButton()->click();
        QVERIFY(run.waitForLog(QStringLiteral("■ 已停止(强制结束进程)。")));
        qputenv("ORVI_TEST_ENGINE_SCRIPT", "exit:0");
        run.start();
        QVERIFY(run.waitForLog(QStringLiteral("进程结束, 退出码 0")));
        qputenv("ORVI_TEST_ENGINE_SCRIPT", "out:third;sleep:3500;exit:0");
        run.start();
        QVERIFY(run.waitForLog(QStringLiteral("进程结束, 退出码 0"), 10000));
        QVERIFY(!run.log().contains(QStringLiteral("异常终止")));
    }

    void gracefulStopDeletesTheImage()
    {
        RunSetup run(true, QStringLiteral("file:100:@out;created:@out;waitstop;exit:-61"));
        qputenv("ORVI_PACK_GUI_AUTOCLOSE", "1");
        run.window->runAutorun(run.track + QLatin1Char('|') + run.output);
        ModalAnswerer answerer;
        QVERIFY(run.waitForLog(QStringLiteral("SACD ISO created")));
        QTest::qWait(200); // the success line has been handled
        run.access->stopButton()->click();
        QVERIFY(run.log().contains(QStringLiteral("正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)")));
        QVERIFY(run.waitForLog(QStringLiteral("■ 已停止: 未完成的 ISO 已删除 (%1)").arg(run.output)));
        QCOMPARE(run.status(), QStringLiteral("■ 已停止"));
        QVERIFY(!QFile::exists(run.output));
        // No question and no quit, although quit after run is set: only the
        // fallback ends the event loop.
        QVERIFY(run.window->isVisible());
        QCOMPARE(runEventLoop(600), 600);
        QVERIFY(answerer.records().isEmpty());
        QVERIFY(run.window->isVisible());
    }

    void unconfirmedStopKeepsWaiting()
    {
        RunSetup run(true, QStringLiteral("out:ready;sleep:4500;exit:-61"));
        ModalAnswerer answerer;
        run.start();
        QVERIFY(run.waitForLog(QStringLiteral("ready")));
        run.access->stopButton()->click();
        QVERIFY(run.log().contains(QStringLiteral("打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。")));
        QVERIFY(run.waitForLog(QStringLiteral("■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)")));
        QVERIFY(answerer.records().isEmpty());
    }

    void startFailureIsReported()
    {
        RunSetup run(false, QStringLiteral("exit:0"));
        run.access->setEnginePath(run.dir.filePath(QStringLiteral("missing-engine")));
        run.start();
        QVERIFY(run.log().contains(QStringLiteral("✗ 进程错误: ")));
        QVERIFY(run.status().startsWith(QStringLiteral("无法启动/运行打包引擎: ")));
        QVERIFY(run.idle());
        QTest::qWait(400);
        QVERIFY(!run.log().contains(QStringLiteral("异常终止")));
    }

    void closeDuringRunAsks_data()
    {
        QTest::addColumn<bool>("inProcess");
        QTest::addColumn<QString>("text");
        QTest::newRow("child process") << false
                                       << "打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。\n\n确定要退出吗?";
        QTest::newRow("in-process")
            << true << "打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。\n\n确定要退出吗?";
    }
    void closeDuringRunAsks()
    {
        QFETCH(bool, inProcess);
        QFETCH(QString, text);
        RunSetup run(inProcess, QStringLiteral("file:10:@out;out:ready;waitstop;exit:-61"));
        ModalAnswerer answerer;
        run.start();
        QVERIFY(run.waitForLog(QStringLiteral("ready")));
        answerer.answer(QMessageBox::No);
        QVERIFY(!run.window->close());
        QCOMPARE(answerer.records().size(), 1);
        QCOMPARE(answerer.records().first().title, QStringLiteral("打包进行中"));
        QCOMPARE(answerer.records().first().text, text);
        QVERIFY(run.window->isVisible());
        QVERIFY(!run.idle());

        answerer.answer(QMessageBox::Yes); // close anyway
        answerer.answer(QMessageBox::Yes); // delete the incomplete image
        QVERIFY(run.window->close());
        QCOMPARE(answerer.records().size(), 3);
        QCOMPARE(answerer.records()[2].title, QStringLiteral("不完整产物"));
        QVERIFY(!QFile::exists(run.output));
        QVERIFY(run.log().contains(QStringLiteral("已删除不完整产物: %1").arg(run.output)));
    }

    void closeWhenIdleDoesNotAsk()
    {
        RunSetup run(true, QStringLiteral("exit:0"));
        ModalAnswerer answerer;
        QVERIFY(run.window->close());
        QVERIFY(answerer.records().isEmpty());
    }

    void autoCloseAfterSuccessOnly_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("closes");
        QTest::newRow("success") << "file:10:@out;created:@out;exit:0" << true;
        QTest::newRow("failure") << "exit:2" << false;
    }
    void autoCloseAfterSuccessOnly()
    {
        QFETCH(QString, script);
        QFETCH(bool, closes);
        RunSetup run(true, script);
        qputenv("ORVI_PACK_GUI_NOCONFIRM", "1");
        run.access->autoClose()->setChecked(true);
        run.start();
        const int limitMs = closes ? 20000 : 3000;
        QCOMPARE(runEventLoop(limitMs) < limitMs, closes);
        QCOMPARE(run.window->isVisible(), !closes);
        run.access->autoClose()->setChecked(false);
    }

    void unattendedRunQuitsAfterFailure()
    {
        RunSetup run(false, QStringLiteral("exit:3"));
        const QString mirror = run.dir.filePath(QStringLiteral("run.log"));
        qputenv("ORVI_PACK_GUI_LOG", mirror.toLocal8Bit());
        setSwitch("ORVI_PACK_GUI_AUTOCLOSE");
        QTimer::singleShot(0, run.window.get(),
                           [&run] { run.window->runAutorun(run.track + QLatin1Char('|') + run.output); });
        QVERIFY(runEventLoop(20000) < 20000);
        qunsetenv("ORVI_PACK_GUI_LOG");
        // The run clears the panel; the mirror file keeps the AUTORUN line.
        const QString mirrored = QString::fromUtf8(orvi::test::readFileBytes(mirror));
        QVERIFY(mirrored.contains(QStringLiteral("AUTORUN: 1 个音轨 → %1\n").arg(run.output)));
        QVERIFY(mirrored.contains(QStringLiteral("✗ 打包失败, 退出码 3。见上方错误信息。\n")));
    }

    void autorunSpecIsParsed()
    {
        RunSetup run(true, QStringLiteral("exit:0"));
        qputenv("ORVI_PACK_GUI_NOCONFIRM", "1");
        const QString autorunValue = run.track + QStringLiteral("||") + run.track + QLatin1Char('|')
            + run.dir.filePath(QStringLiteral("x")) + QLatin1Char('|');
        const QString mirror = run.dir.filePath(QStringLiteral("run.log"));
        qputenv("ORVI_PACK_GUI_LOG", mirror.toLocal8Bit());
        run.access->output()->clear();
        run.window->runAutorun(autorunValue);
        qunsetenv("ORVI_PACK_GUI_LOG");
        QVERIFY(QString::fromUtf8(orvi::test::readFileBytes(mirror))
                    .contains(QStringLiteral("AUTORUN: 2 个音轨 → %1\n").arg(run.dir.filePath(QStringLiteral("x")))));
        QCOMPARE(run.access->table()->rowCount(), 1);
        QCOMPARE(run.access->output()->text(), run.dir.filePath(QStringLiteral("x.iso")));
        QVERIFY(run.waitForLog(QStringLiteral("进程结束, 退出码 0, 未检测到产物。")));
    }

    void autorunNeedsTrackAndOutput_data()
    {
        QTest::addColumn<QString>("autorunValue");
        QTest::newRow("empty") << "";
        QTest::newRow("one item") << "/a/01.dsf";
        QTest::newRow("bars only") << "|||";
    }
    void autorunNeedsTrackAndOutput()
    {
        QFETCH(QString, autorunValue);
        RunSetup run(true, QStringLiteral("exit:0"));
        run.window->runAutorun(autorunValue);
        QVERIFY(run.log().endsWith(QStringLiteral("AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)\n")));
        QVERIFY(run.idle());
        QVERIFY(!run.log().contains(QStringLiteral("开始打包 ──")));
    }
};

int main(int argc, char** argv)
{
    return runTestsWithOutputOutsidePipe<RunControlTest, QApplication>(argc, argv);
}
#include "tst_run_control.moc"
