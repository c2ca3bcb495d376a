// Judging a finished run: the seven outcomes with their log lines and status
// texts, the offer to delete an incomplete image, and closing after the run.
#include "gui/pack_gui_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int kCloseDelayMs = 200;
constexpr double kBytesPerMegabyte = 1048576.0;

// The engine's exit code after a "stop": -61, or the same as an unsigned byte.
bool isGracefulStopCode(int exitCode)
{
    return exitCode == -61 || exitCode == 195;
}

bool isGoodProduct(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.size() > 0;
}

// After a judged run: an unattended run quits whatever the result; otherwise
// the close-after-pack setting closes the window after a good product only.
void closeAfterRun(PackGuiWindow* window, bool quitAfterRun, const QCheckBox* autoCloseCheck, int exitCode,
                   const QString& reportedOutputPath)
{
    if (quitAfterRun) {
        QTimer::singleShot(kCloseDelayMs, window, [] { QCoreApplication::quit(); });
        return;
    }
    if (autoCloseCheck && autoCloseCheck->isChecked() && exitCode == 0 && isGoodProduct(reportedOutputPath)) {
        QTimer::singleShot(kCloseDelayMs, window, [window] {
            window->close();
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::quit(); });
        });
    }
}

} // namespace

void PackGuiWindow::handleFinished(int exitCode, bool crashed)
{
    finishHandled = true;
    setRunning(false);
    progressBar->setRange(0, 100);
    const bool productGood = isGoodProduct(reportedOutputPath);

    if (stopRequested && !crashed && isGracefulStopCode(exitCode)) {
        if (!reportedOutputPath.isEmpty() && QFile::remove(reportedOutputPath))
            appendLog(QCoreApplication::translate("PackGuiWindow", "■ 已停止: 未完成的 ISO 已删除 (%1)")
                          .arg(reportedOutputPath),
                      false);
        else
            appendLog(
                QCoreApplication::translate("PackGuiWindow", "■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)"),
                false);
        statusBar()->showMessage(QCoreApplication::translate("PackGuiWindow", "■ 已停止"), 10000);
        progressBar->setValue(0);
        stopRequested = false;
        return;
    }

    if (stopRequested && crashed) {
        appendLog(QCoreApplication::translate("PackGuiWindow", "■ 已停止(强制结束进程)。"), false);
        statusBar()->showMessage(QCoreApplication::translate("PackGuiWindow", "■ 已停止"), 12000);
        progressBar->setValue(0);
    } else if (crashed) {
        if (!startFailureReported)
            appendLog(QCoreApplication::translate("PackGuiWindow", "✗ 打包进程异常终止 (非正常退出)。"), true);
        statusBar()->showMessage(QCoreApplication::translate("PackGuiWindow", "打包进程异常终止 (崩溃或被强杀)"),
                                 12000);
    } else if (exitCode == 0 && productGood) {
        progressBar->setValue(100);
        openOutputButton->setEnabled(true);
        jobOutputPath.clear();
        stopRequested = false;
        statusBar()->showMessage(QCoreApplication::translate("PackGuiWindow", "✓ 打包完成"), 10000);
        const double megabytes = double(QFileInfo(reportedOutputPath).size()) / kBytesPerMegabyte;
        appendLog(QCoreApplication::translate("PackGuiWindow", "✓ 打包完成: %1 (%2 MB)")
                      .arg(reportedOutputPath, QString::number(megabytes, 'f', 1)),
                  false);
        if (!qEnvironmentVariableIsSet("ORVI_PACK_GUI_NOCONFIRM"))
            QMessageBox::information(
                this, QCoreApplication::translate("PackGuiWindow", "打包完成"),
                QCoreApplication::translate("PackGuiWindow", "SACD ISO 已生成:\n%1").arg(reportedOutputPath),
                QMessageBox::Ok);
        closeAfterRun(this, quitAfterRun, autoCloseCheck, exitCode, reportedOutputPath);
        return;
    } else if (exitCode == 0 && !reportedOutputPath.isEmpty()) {
        progressBar->setValue(0);
        statusBar()->showMessage(QCoreApplication::translate("PackGuiWindow", "⚠ 引擎报告成功但产物缺失/为空"), 12000);
        appendLog(QCoreApplication::translate("PackGuiWindow", "✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1")
                      .arg(reportedOutputPath),
                  true);
    } else if (exitCode == 0) {
        progressBar->setValue(0);
        statusBar()->showMessage(QCoreApplication::translate("PackGuiWindow", "进程结束 (退出码 0, 无产物)"), 8000);
        appendLog(QCoreApplication::translate("PackGuiWindow", "进程结束, 退出码 0, 未检测到产物。"), false);
    } else {
        statusBar()->showMessage(QCoreApplication::translate("PackGuiWindow", "打包失败 (退出码 %1)").arg(exitCode),
                                 12000);
        appendLog(QCoreApplication::translate("PackGuiWindow", "✗ 打包失败, 退出码 %1。见上方错误信息。").arg(exitCode),
                  true);
    }
    offerToDeleteIncompleteOutput();
    closeAfterRun(this, quitAfterRun, autoCloseCheck, exitCode, reportedOutputPath);
}

void PackGuiWindow::offerToDeleteIncompleteOutput()
{
    if (jobOutputPath.isEmpty())
        return;
    const QString path = jobOutputPath;
    jobOutputPath.clear();
    stopRequested = false;
    if (!QFile::exists(path))
        return;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, QCoreApplication::translate("PackGuiWindow", "不完整产物"),
        QCoreApplication::translate("PackGuiWindow", "打包未完成, 目标文件可能不完整:\n%1\n\n删除该文件吗?").arg(path),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) {
        appendLog(QCoreApplication::translate("PackGuiWindow", "保留不完整产物: %1 (请勿直接使用)").arg(path), true);
        return;
    }
    if (QFile::remove(path))
        appendLog(QCoreApplication::translate("PackGuiWindow", "已删除不完整产物: %1").arg(path), false);
    else
        appendLog(QCoreApplication::translate("PackGuiWindow", "警告: 无法删除不完整产物 %1").arg(path), true);
}
