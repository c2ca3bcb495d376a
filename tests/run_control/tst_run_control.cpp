// Run control of the pack window against the scripted engine, as a child
// process (ORVI_LATHE_BIN) and in-process (its entry in place of the real
// one). The script travels in ORVI_TEST_ENGINE_SCRIPT: the window builds the
// command line itself.
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

// One window with one track and an output path in a fresh folder; its
// answerer rejects any question a test does not expect.
struct RunSetup {
    QTemporaryDir dir;
    QString track = orvi::test::touchFile(dir.filePath(QStringLiteral("01.dsf")), "DSD ");
    QString output = dir.filePath(QStringLiteral("disc.iso"));
    std::unique_ptr<PackGuiWindow> window;
    std::unique_ptr<PackGuiWindowTestAccess> access;
    ModalAnswerer answerer;

    RunSetup(bool inProcess, const QString& script)
    {
        orvi::test::isolateWindowEnvironment();
        qunsetenv("ORVI_PACK_GUI_NOCONFIRM");
        qputenv("ORVI_LATHE_BIN", testEngine.toLocal8Bit());
        qputenv("ORVI_GUI_INPROC", inProcess ? "1" : "0");
        qputenv("ORVI_TEST_ENGINE_SCRIPT", script.toUtf8());
        setInProcessEngineEntry(&scriptedEngineMain);
        window = std::make_unique<PackGuiWindow>();
        access = std::make_unique<PackGuiWindowTestAccess>(*window);
        window->show();
        access->addTrackFile(track);
        access->output()->setText(output);
    }

    QString log() const { return access->logText(); }
    QString withOutput(QString text) const { return text.replace(QStringLiteral("@out"), output); }
    QString status() const { return access->statusMessage(); }
    void start() { access->startButton()->click(); }
    bool waitForLog(const QString& text, int timeoutMs = 15000)
    {
        return QTest::qWaitFor([&] { return log().contains(text); }, timeoutMs);
    }
    bool idle() const { return access->startButton()->isEnabled() && !access->stopButton()->isEnabled(); }
};

// Runs the application's event loop until something quits it or `limitMs`
// passes; whether something quit it. The limit ends it with exit(1): quit()
// would also close every window, and the tests look at the window afterwards.
bool quitWithin(int limitMs)
{
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    limit.start(limitMs);
    return QCoreApplication::exec() == 0;
}

} // namespace

class RunControlTest : public QObject
{
    Q_OBJECT

private slots:
    // How a run ends: the question asked (none with ORVI_PACK_GUI_NOCONFIRM
    // set), the log lines, the status and whether the image stays. "@out"
    // stands for the output path.
    void outcomes_data()
    {
        QTest::addColumn<bool>("inProcess");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("answer");  // 0: no question
        QTest::addColumn<QString>("box"); // title and text
        QTest::addColumn<QStringList>("logLines");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("kept");
        const QString done = "打包完成\nSACD ISO 已生成:\n@out";
        const QString incomplete = "不完整产物\n打包未完成, 目标文件可能不完整:\n@out\n\n删除该文件吗?";
        const QStringList failed{"✗ 打包失败, 退出码 2。见上方错误信息。", "保留不完整产物: @out (请勿直接使用)"};
        for (const bool inProcess : {false, true}) {
            QTest::addRow("success, %s", inProcess ? "in-process" : "child")
                << inProcess << "out:packing;file:1572864:@out;created:@out;exit:0" << int(QMessageBox::Ok) << done
                << QStringList{"✓ 打包完成: @out (1.5 MB)"} << "✓ 打包完成" << true;
            QTest::addRow("failure, %s", inProcess ? "in-process" : "child")
                << inProcess << "err:bad input;file:10:@out;exit:2" << int(QMessageBox::No) << incomplete << failed
                << "打包失败 (退出码 2)" << true;
        }
        QTest::newRow("success, no confirmation") << true << "file:10:@out;created:@out;exit:0" << 0 << QString()
                                                  << QStringList{"✓ 打包完成: @out (0.0 MB)"} << "✓ 打包完成" << true;
        QTest::newRow("no product") << true << "out:nothing to do;exit:0" << 0 << QString()
                                    << QStringList{"进程结束, 退出码 0, 未检测到产物。"}
                                    << "进程结束 (退出码 0, 无产物)" << false;
        QTest::newRow("crash") << false << "out:about to fail;crash" << 0 << QString()
                               << QStringList{"✗ 打包进程异常终止 (非正常退出)。"} << "打包进程异常终止 (崩溃或被强杀)"
                               << false;
        QTest::newRow("empty product") << false << "file:0:@out;created:@out;exit:0" << int(QMessageBox::Yes)
                                       << incomplete
                                       << QStringList{"✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: @out",
                                                      "已删除不完整产物: @out"}
                                       << "⚠ 引擎报告成功但产物缺失/为空" << false;
        QTest::newRow("-61 without stop")
            << true << "file:10:@out;exit:-61" << int(QMessageBox::No) << incomplete
            << QStringList{"✗ 打包失败, 退出码 -61。见上方错误信息。", "保留不完整产物: @out (请勿直接使用)"}
            << "打包失败 (退出码 -61)" << true;
    }
    void outcomes()
    {
        QFETCH(bool, inProcess);
        QFETCH(QString, script);
        QFETCH(int, answer);
        QFETCH(QString, box);
        QFETCH(QStringList, logLines);
        QFETCH(QString, status);
        QFETCH(bool, kept);
        RunSetup run(inProcess, script);
        if (answer)
            run.answerer.answer(QMessageBox::StandardButton(answer));
        else
            setSwitch("ORVI_PACK_GUI_NOCONFIRM");
        run.start();
        QVERIFY(!run.idle());
        QVERIFY(!run.access->table()->isEnabled());
        QCOMPARE(run.status(), QStringLiteral("打包进行中…"));
        for (const QString& line : logLines)
            QVERIFY2(run.waitForLog(run.withOutput(line)), qPrintable(line));
        QCOMPARE(run.status(), status);
        QVERIFY(run.answerer.waitForRecords(answer ? 1 : 0, 20000));
        QTest::qWait(300); // room for a late or a second question
        QCOMPARE(run.answerer.records().size(), answer ? 1 : 0);
        if (answer)
            QCOMPARE(run.answerer.records()[0].title + '\n' + run.answerer.records()[0].text, run.withOutput(box));
        QVERIFY(run.idle());
        QCOMPARE(QFile::exists(run.output), kept);
        const QStringList lines = run.log().split(QLatin1Char('\n'));
        QVERIFY(lines[0].startsWith(QStringLiteral("── ")) && lines[0].endsWith(QStringLiteral(" 开始打包 ──")));
        QCOMPARE(lines[1], QStringLiteral("$ %1 -o %2 %3").arg(testEngine, run.output, run.track));

        // Only a good image can be shown: its folder opens.
        const bool good = status == QStringLiteral("✓ 打包完成");
        QCOMPARE(run.access->openOutputButton()->isEnabled(), good);
        if (good) {
            QCOMPARE(run.window->findChild<QProgressBar*>()->value(), 100);
            UrlRecorder recorder;
            QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
            run.access->openOutputButton()->click();
            QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
            QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(run.output).absolutePath())});
        }
        QVERIFY(run.window->close());
        QCOMPARE(run.answerer.records().size(), answer ? 1 : 0);
    }

    // A forced stop ends the child process: terminate, and kill 3 s later
    // when the engine ignores that. That kill must spare the runs after it;
    // the next but one may have a session at the stopped one's address.
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
        run.start();
        QVERIFY(run.waitForLog(QStringLiteral("ready")));
        QElapsedTimer clock;
        clock.start();
        run.access->stopButton()->click();
        QVERIFY(run.log().contains(QStringLiteral("正在停止… (强制结束可能留下不完整 ISO)")));
        QVERIFY(run.waitForLog(QStringLiteral("■ 已停止(强制结束进程)。"), 10000));
        QVERIFY(clock.elapsed() >= atLeastMs);
        QCOMPARE(run.status(), QStringLiteral("■ 已停止"));
        QVERIFY(run.idle());
        QVERIFY(!run.log().contains(QStringLiteral("异常终止")));
        for (const char* later : {"exit:0", "out:third;sleep:3500;exit:0"}) {
            if (atLeastMs > 0)
                break; // the kill is done already
            qputenv("ORVI_TEST_ENGINE_SCRIPT", later);
            run.start();
            QVERIFY(run.waitForLog(QStringLiteral("进程结束, 退出码 0"), 10000));
            QVERIFY(!run.log().contains(QStringLiteral("异常终止")));
        }
    }

    // An in-process stop asks the engine with "stop" and waits 2 s for it;
    // the unfinished image goes, and nothing is asked. An unattended run does
    // not quit after a stop: only the fallback ends the event loop.
    void inProcessStop_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("result");
        QTest::newRow("confirmed") << "file:100:@out;created:@out;out:ready;waitstop;exit:-61"
                                   << "正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)"
                                   << "■ 已停止: 未完成的 ISO 已删除 (@out)";
        QTest::newRow("unconfirmed") << "out:ready;sleep:4500;exit:-61"
                                     << "打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。"
                                     << "■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)";
    }
    void inProcessStop()
    {
        QFETCH(QString, script);
        QFETCH(QString, note);
        QFETCH(QString, result);
        RunSetup run(true, script);
        setSwitch("ORVI_PACK_GUI_AUTOCLOSE");
        run.window->runAutorun(run.track + QLatin1Char('|') + run.output);
        QVERIFY(run.waitForLog(QStringLiteral("ready")));
        run.access->stopButton()->click();
        QVERIFY(run.log().contains(note));
        QVERIFY(run.waitForLog(run.withOutput(result)));
        QCOMPARE(run.status(), QStringLiteral("■ 已停止"));
        QVERIFY(!QFile::exists(run.output));
        QVERIFY(!quitWithin(600));
        QVERIFY(run.answerer.records().isEmpty());
        QVERIFY(run.window->isVisible());
    }

    void startFailureIsReported()
    {
        RunSetup run(false, QStringLiteral("exit:0"));
        run.access->setEnginePath(run.dir.filePath(QStringLiteral("missing-engine")));
        run.start();
        // The reason is the system's; without one it would be "未知进程错误".
        QVERIFY(run.log().contains(QStringLiteral("✗ 进程错误: ")));
        QVERIFY(run.status().startsWith(QStringLiteral("无法启动/运行打包引擎: ")));
        QVERIFY(!run.status().endsWith(QStringLiteral("未知进程错误")));
        QVERIFY(run.idle());
        QTest::qWait(400);
        QVERIFY(!run.log().contains(QStringLiteral("异常终止")));
    }

    void closeDuringRunAsks_data()
    {
        QTest::addColumn<bool>("inProcess");
        QTest::addColumn<QString>("text");
        QTest::newRow("child process")
            << false << "打包进行中\n打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。\n\n确定要退出吗?";
        QTest::newRow("in-process")
            << true
            << "打包进行中\n打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。\n\n确定要退出吗?";
    }
    void closeDuringRunAsks()
    {
        QFETCH(bool, inProcess);
        QFETCH(QString, text);
        RunSetup run(inProcess, QStringLiteral("file:10:@out;out:ready;waitstop;exit:-61"));
        run.start();
        QVERIFY(run.waitForLog(QStringLiteral("ready")));
        run.answerer.answer(QMessageBox::No);
        QVERIFY(!run.window->close());
        QCOMPARE(run.answerer.records().size(), 1);
        QCOMPARE(run.answerer.records()[0].title + '\n' + run.answerer.records()[0].text, text);
        QVERIFY(!run.idle());
        run.answerer.answer(QMessageBox::Yes); // close anyway
        run.answerer.answer(QMessageBox::Yes); // delete the incomplete image
        QVERIFY(run.window->close());
        QCOMPARE(run.answerer.records().size(), 3);
        QCOMPARE(run.answerer.records()[2].title, QStringLiteral("不完整产物"));
        QVERIFY(!QFile::exists(run.output));
        QVERIFY(run.log().contains(QStringLiteral("已删除不完整产物: %1").arg(run.output)));
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
        setSwitch("ORVI_PACK_GUI_NOCONFIRM");
        run.access->autoClose()->setChecked(true);
        run.start();
        QCOMPARE(quitWithin(closes ? 20000 : 3000), closes);
        QCOMPARE(run.window->isVisible(), !closes);
        run.access->autoClose()->setChecked(false); // a stored setting
    }

    // "track|...|output" with empty items skipped; fewer than two items start
    // nothing. An unattended run quits afterwards, after a failure too; the
    // run clears the panel, so the mirror file is read. "@t" stands for the
    // window's track, "@d" for its folder.
    void autorun_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("logLines");
        const QStringList incomplete{"AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)\n"};
        QTest::newRow("empty") << "" << incomplete;
        QTest::newRow("one item") << "/a/01.dsf" << incomplete;
        QTest::newRow("bars only") << "|||" << incomplete;
        QTest::newRow("a track twice") << "@t||@t|@d/x|"
                                       << QStringList{"AUTORUN: 2 个音轨 → @d/x\n",
                                                      "✗ 打包失败, 退出码 3。见上方错误信息。\n"};
    }
    void autorun()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, logLines);
        RunSetup run(false, QStringLiteral("exit:3"));
        const QString mirror = run.dir.filePath(QStringLiteral("run.log"));
        qputenv("ORVI_PACK_GUI_LOG", mirror.toLocal8Bit());
        setSwitch("ORVI_PACK_GUI_AUTOCLOSE");
        const QString folder = run.dir.path();
        run.window->runAutorun(value.replace(QStringLiteral("@t"), run.track).replace(QStringLiteral("@d"), folder));
        const bool starts = logLines.size() > 1;
        QCOMPARE(run.idle(), !starts);
        QCOMPARE(run.access->table()->rowCount(), 1);
        QCOMPARE(run.access->output()->text(), starts ? folder + QStringLiteral("/x.iso") : run.output);
        QCOMPARE(quitWithin(starts ? 20000 : 300), starts);
        const QString mirrored = QString::fromUtf8(orvi::test::readFileBytes(mirror));
        for (QString line : logLines)
            QVERIFY2(mirrored.contains(line.replace(QStringLiteral("@d"), folder)), qPrintable(line));
    }
};

int main(int argc, char** argv)
{
    return runTestsWithOutputOutsidePipe<RunControlTest, QApplication>(argc, argv);
}
#include "tst_run_control.moc"
