// Running one pack: starting the session, carrying its output into the log on
// the poll timer, stopping it, and guarding the window's close while it runs.
// The session's callbacks only store what they get; everything else happens
// here on the GUI thread.
#include "gui/pack_gui_window.h"

#include "session/pack_session.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kInProcessStopWaitMs = 2000;
constexpr int kForcedStopKillDelayMs = 3000;
constexpr int kCloseTerminateWaitMs = 2500;

} // namespace

// The session goes first: an in-process run still going asks its engine to
// stop and waits for it, and its callbacks must not outlive the event lock.
PackGuiWindow::~PackGuiWindow()
{
    session.reset();
}

bool PackGuiWindow::sessionIsRunning() const
{
    return session && session->isRunning();
}

void PackGuiWindow::beginRun(const QStringList& arguments)
{
    reportedOutputPath.clear();
    openOutputButton->setEnabled(false);
    logView->clear();
    const QString startTime = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    appendLog(QCoreApplication::translate("PackGuiWindow", "── %1 开始打包 ──").arg(startTime), false);
    appendLog(QStringLiteral("$ %1 %2").arg(enginePath, arguments.join(QLatin1Char(' '))), false);
    finishHandled = false;

    ++runSerial;
    std::unique_ptr<PackSession> previous = std::exchange(session, createPackSession(this));
    previous.reset();
    session->setCallbacks(
        [this](const QString& line, bool isStderr) {
            std::lock_guard lock(eventLock);
            pendingLines.append({line, isStderr});
        },
        [this](int exitCode, bool crashed) {
            std::lock_guard lock(eventLock);
            finishRecord.finished = true;
            finishRecord.exitCode = exitCode;
            finishRecord.crashed = crashed;
        });
    startFailureReported = false;

    if (session->start(enginePath, arguments) < 0) {
        reportStartFailure();
        return;
    }
    setRunning(true);
    progressBar->setRange(0, 0);
    statusBar()->showMessage(QCoreApplication::translate("PackGuiWindow", "打包进行中…"), 0);
}

void PackGuiWindow::stopJob()
{
    if (!sessionIsRunning())
        return;
    const bool forced = session->stopIsForced();
    stopRequested = true;
    if (forced) {
        appendLog(QCoreApplication::translate("PackGuiWindow", "正在停止… (强制结束可能留下不完整 ISO)"), false);
        session->terminate();
        const quint64 stopping = runSerial;
        // Precise: a coarse timer may fire up to 5 % early.
        QTimer::singleShot(kForcedStopKillDelayMs, Qt::PreciseTimer, this, [this, stopping] {
            if (runSerial == stopping && session && session->isRunning())
                session->kill();
        });
        return;
    }
    appendLog(QCoreApplication::translate("PackGuiWindow", "正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)"),
              false);
    if (session->stop(kInProcessStopWaitMs) != 0)
        appendLog(QCoreApplication::translate("PackGuiWindow", "打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。"),
                  true);
}

void PackGuiWindow::setRunning(bool running)
{
    startButton->setEnabled(!running);
    stopButton->setEnabled(running);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{addFilesButton, addFolderButton, importCueButton, removeButton, clearButton,
                                         upButton, downButton, outputEdit, browseOutputButton, trackTable})
        widget->setEnabled(!running);
    if (tabs)
        tabs->setEnabled(!running);
    if (dsdDiscCheck && !running) {
        playlistCheck->setEnabled(dsdDiscCheck->isChecked());
        discTitleEdit->setEnabled(dsdDiscCheck->isChecked());
    }
}

void PackGuiWindow::drainSessionEvents()
{
    // A child-process session calls back from inside poll, and the event
    // lock is not recursive: poll first, lock after.
    if (session)
        session->poll();
    QList<PendingLine> lines;
    FinishRecord finish;
    {
        std::lock_guard lock(eventLock);
        lines.swap(pendingLines);
        finish = finishRecord;
        finishRecord.finished = false;
    }
    if (!lines.isEmpty()) {
        for (const PendingLine& pending : std::as_const(lines))
            noteOutputLine(pending.line);
        appendLogLines(lines);
    }
    if (finish.finished)
        handleFinished(finish.exitCode, finish.crashed);
}

void PackGuiWindow::noteOutputLine(const QString& line)
{
    static const QString successMark = QStringLiteral("SACD ISO created");
    static const QString pathMark = QStringLiteral("created:");
    if (!line.contains(successMark))
        return;
    const qsizetype pathAt = line.indexOf(pathMark);
    if (pathAt < 0)
        return;
    reportedOutputPath = line.mid(pathAt + pathMark.size()).trimmed();
    progressBar->setRange(0, 100);
    progressBar->setValue(100);
}

void PackGuiWindow::reportStartFailure()
{
    if (startFailureReported)
        return;
    startFailureReported = true;
    QString reason = session ? session->errorString() : QString();
    if (reason.isEmpty())
        reason = QCoreApplication::translate("PackGuiWindow", "未知进程错误");
    appendLog(QCoreApplication::translate("PackGuiWindow", "✗ 进程错误: %1").arg(reason), true);
    setRunning(false);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    statusBar()->showMessage(QCoreApplication::translate("PackGuiWindow", "无法启动/运行打包引擎: %1").arg(reason),
                             12000);
}

void PackGuiWindow::openOutputFolder()
{
    if (reportedOutputPath.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(reportedOutputPath).absolutePath()));
}

void PackGuiWindow::closeEvent(QCloseEvent* event)
{
    if (sessionIsRunning() && !finishHandled) {
        const bool forced = session->stopIsForced();
        const QString text = forced
            ? QCoreApplication::translate("PackGuiWindow",
                                          "打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。\n\n确定要退出吗?")
            : QCoreApplication::translate(
                "PackGuiWindow",
                "打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。\n\n确定要退出吗?");
        const QMessageBox::StandardButton answer =
            QMessageBox::warning(this, QCoreApplication::translate("PackGuiWindow", "打包进行中"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        if (forced) {
            session->terminate();
            if (!session->waitForFinished(kCloseTerminateWaitMs))
                session->kill();
        }
        offerToDeleteIncompleteOutput();
    }
    event->accept();
}
