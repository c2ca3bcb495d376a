#include "update/update_dialogs.h"

#include "common/std_stream_text.h"
#include "update/update_checker.h"
#include "update/update_texts.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

namespace orvi {

namespace {

// Opened by "open download page" when the release names no page of its own.
constexpr auto kChangelogUrl = "https://www.orvi.example/changelog";

QProgressDialog* createProgressDialog(QWidget* window, const QString& label, int maximum, const QString& title,
                                      int minimumDurationMs)
{
    auto* dialog = new QProgressDialog(label, QString(), 0, maximum, window);
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(minimumDurationMs);
    dialog->setCancelButton(nullptr);
    return dialog;
}

void closeDialog(const QPointer<QProgressDialog>& dialog)
{
    if (dialog)
        dialog->close();
}

QString offerText(const UpdateInfo& info)
{
    QString text = updateUiText("发现新版本 %1（当前 %2）。").arg(info.version, UpdateChecker::currentVersion());
    if (!info.released.isEmpty())
        text += QLatin1Char('\n') + updateUiText("发布日期：%1").arg(info.released);
    if (!info.notes.isEmpty())
        text += QStringLiteral("\n\n") + updateUiText("更新说明：%1").arg(info.notes);
    return text;
}

void startDownload(QWidget* window, UpdateChecker* checker, const UpdateInfo& info)
{
    const QPointer<QProgressDialog> downloading =
        createProgressDialog(window, updateUiText("正在下载更新…"), 100, updateUiText("下载更新"), 200);
    // Starts the minimum-duration clock: the dialog shows itself once it has run out.
    downloading->setValue(0);

    QObject::connect(checker, &UpdateChecker::progress, checker, [downloading](qint64 done, qint64 total) {
        if (!downloading || total <= 0)
            return;
        downloading->setMaximum(100);
        downloading->setValue(int(done * 100 / total));
    });
    QObject::connect(checker, &UpdateChecker::statusNote, checker, [downloading](const QString& note) {
        if (downloading)
            downloading->setLabelText(note);
        writeStderrLine(QStringLiteral("[update] ") + note);
    });
    QObject::connect(checker, &UpdateChecker::readyToRestart, checker, [window, downloading](const QString& note) {
        closeDialog(downloading);
        QMessageBox::information(window, updateUiText("更新"),
                                 note + QStringLiteral("\n\n") + updateUiText("程序现在退出。"));
        // The script waits for this process to end before it touches any file.
        QCoreApplication::quit();
    });
    QObject::connect(checker, &UpdateChecker::installFailed, checker,
                     [window, checker, downloading](const QString& reason) {
                         closeDialog(downloading);
                         QMessageBox::critical(window, updateUiText("更新失败"), reason);
                         checker->deleteLater();
                     });
    checker->startInstall(info);
}

void offerUpdate(QWidget* window, UpdateChecker* checker, const UpdateInfo& info)
{
    writeStderrLine(QStringLiteral("[update] new version available: %1 (local %2)")
                        .arg(info.version, UpdateChecker::currentVersion()));
    QMessageBox box(QMessageBox::Information, updateUiText("发现新版本"), offerText(info), QMessageBox::NoButton,
                    window);
    QPushButton* download = box.addButton(updateUiText("下载并更新"), QMessageBox::AcceptRole);
    QPushButton* openPage = box.addButton(updateUiText("打开下载页"), QMessageBox::ActionRole);
    box.addButton(updateUiText("稍后"), QMessageBox::RejectRole);
    box.exec();

    if (box.clickedButton() == download) {
        startDownload(window, checker, info);
        return;
    }
    if (box.clickedButton() == openPage) {
        QDesktopServices::openUrl(info.notes.isEmpty() ? QUrl(QString::fromLatin1(kChangelogUrl))
                                                       : QUrl(info.notes, QUrl::TolerantMode));
    }
    checker->deleteLater();
}

} // namespace

void runUpdateFlow(QWidget* window, UpdateChecker* checker, bool quiet)
{
    QPointer<QProgressDialog> checking;
    if (!quiet) {
        checking = createProgressDialog(window, updateUiText("正在检查更新…"), 0, updateUiText("检查更新"), 400);
        checking->show();
    }

    QObject::connect(checker, &UpdateChecker::alreadyLatest, checker,
                     [window, checker, checking, quiet](const QString& local, const QString& remote) {
                         closeDialog(checking);
                         if (!quiet) {
                             QMessageBox::information(
                                 window, updateUiText("检查更新"),
                                 updateUiText("已是最新版本 (%1)。服务器上的最新版本为 %2。").arg(local, remote));
                         }
                         writeStderrLine(
                             QStringLiteral("[update] already latest: local %1, remote %2").arg(local, remote));
                         checker->deleteLater();
                     });
    QObject::connect(checker, &UpdateChecker::checkFailed, checker,
                     [window, checker, checking, quiet](const QString& reason) {
                         closeDialog(checking);
                         if (!quiet) {
                             QMessageBox::warning(window, updateUiText("检查更新"),
                                                  updateUiText("检查更新失败：") + QLatin1Char('\n') + reason);
                         }
                         writeStderrLine(QStringLiteral("[update] check failed: ") + reason);
                         checker->deleteLater();
                     });
    QObject::connect(checker, &UpdateChecker::updateAvailable, checker,
                     [window, checker, checking](const UpdateInfo& info) {
                         closeDialog(checking);
                         offerUpdate(window, checker, info);
                     });
    checker->check();
}

void checkForUpdates(QWidget* window, bool quiet)
{
    runUpdateFlow(window, new UpdateChecker(window), quiet);
}

} // namespace orvi
