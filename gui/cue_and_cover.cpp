#include "gui/pack_gui_window.h"

#include "gui/iso_path.h"
#include "gui/pack_form_defaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QTableWidget>
#include <algorithm>
#include <array>

namespace {

// Cover files looked for beside added tracks, most preferred first.
constexpr std::array<const char*, 8> kCoverFileNames = {"cover.jpg",   "cover.jpeg", "cover.png", "folder.jpg",
                                                        "folder.jpeg", "folder.png", "front.jpg", "front.png"};

} // namespace

void PackGuiWindow::chooseCueSheet()
{
    const QString path = fileDialogs.openFileName(
        this, QCoreApplication::translate("PackGuiWindow", "选择 CUE 文件"), orvi::dialogStartFolder(),
        QCoreApplication::translate("PackGuiWindow", "CUE 曲目表 (*.cue);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    cueEdit->setText(path);
    appendLog(QCoreApplication::translate("PackGuiWindow", "已导入 CUE: %1 (标题/艺术家将在打包时应用)").arg(path),
              false);
}

void PackGuiWindow::clearCueSheet()
{
    cueEdit->clear();
    appendLog(QCoreApplication::translate("PackGuiWindow", "已清除 CUE 设置。"), false);
}

void PackGuiWindow::chooseCover()
{
    const QString path = fileDialogs.openFileName(
        this, QCoreApplication::translate("PackGuiWindow", "选择封面图片"), orvi::dialogStartFolder(),
        QCoreApplication::translate("PackGuiWindow", "图片 (*.jpg *.jpeg *.png);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    const QPixmap picture(path);
    if (picture.isNull()) {
        QMessageBox::warning(this, QCoreApplication::translate("PackGuiWindow", "封面"),
                             QCoreApplication::translate("PackGuiWindow", "无法解码该图片, 未采用: %1").arg(path),
                             QMessageBox::Ok);
        return;
    }
    showCover(path, picture);
}

void PackGuiWindow::showCover(const QString& path, const QPixmap& picture)
{
    coverPath = path;
    coverPathEdit->setText(path);
    coverPreview->setPixmap(picture.scaled(orvi::kCoverPreviewSize, orvi::kCoverPreviewSize, Qt::KeepAspectRatio,
                                           Qt::SmoothTransformation));
}

void PackGuiWindow::adoptFolderCompanions(const QString& folder)
{
    const QDir dir(folder);
    QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    std::sort(names.begin(), names.end());

    if (cueEdit->text().trimmed().isEmpty()) {
        const auto cue = std::find_if(names.cbegin(), names.cend(), [](const QString& name) {
            return name.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive);
        });
        if (cue != names.cend()) {
            cueEdit->setText(dir.filePath(*cue));
            appendLog(QCoreApplication::translate("PackGuiWindow", "自动采用同目录的 CUE: %1").arg(*cue), false);
        }
    }

    if (!coverPath.isEmpty())
        return;
    for (const char* coverName : kCoverFileNames) {
        const auto match = std::find_if(names.cbegin(), names.cend(), [coverName](const QString& name) {
            return name.compare(QLatin1String(coverName), Qt::CaseInsensitive) == 0;
        });
        if (match == names.cend())
            continue;
        // Only the best-named candidate is tried: a broken cover.jpg means no
        // cover rather than a surprise pick further down the list.
        const QPixmap picture(dir.filePath(*match));
        if (picture.isNull())
            return;
        showCover(dir.filePath(*match), picture);
        appendLog(QCoreApplication::translate("PackGuiWindow", "自动采用同目录的封面: %1").arg(*match), false);
        return;
    }
}

void PackGuiWindow::chooseOutputPath()
{
    QString start = outputEdit->text();
    if (start.isEmpty() && trackTable->rowCount() > 0)
        start = defaultOutputPath();
    const QString chosen =
        fileDialogs.saveFileName(this, QCoreApplication::translate("PackGuiWindow", "输出 SACD ISO"), start,
                                 QCoreApplication::translate("PackGuiWindow", "SACD ISO 镜像 (*.iso);;所有文件 (*)"));
    if (chosen.isEmpty())
        return;
    outputEdit->setText(orvi::withIsoSuffix(chosen));
}
