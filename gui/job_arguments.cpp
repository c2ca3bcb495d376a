#include "gui/pack_gui_window.h"

#include "gui/iso_path.h"
#include "gui/pack_form_defaults.h"
#include "gui/track_columns.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>

namespace {

QString trimmedCell(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

// "--option value" when the value is given after trimming.
void addTextOption(QStringList& arguments, const char* option, const QString& value)
{
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty())
        return;
    arguments << QString::fromLatin1(option) << trimmed;
}

} // namespace

void PackGuiWindow::startJob()
{
    if (sessionIsRunning())
        return;
    if (const std::optional<QStringList> arguments = prepareJob())
        beginRun(*arguments);
}

std::optional<QStringList> PackGuiWindow::prepareJob()
{
    if (trackTable->rowCount() == 0) {
        QMessageBox::warning(this, QCoreApplication::translate("PackGuiWindow", "没有音轨"),
                             QCoreApplication::translate("PackGuiWindow", "请先添加 DSF/DFF 音轨文件。"),
                             QMessageBox::Ok);
        return std::nullopt;
    }
    if (enginePath.isEmpty()) {
        QMessageBox::warning(
            this, QCoreApplication::translate("PackGuiWindow", "找不到打包引擎"),
            QCoreApplication::translate("PackGuiWindow",
                                        "未找到 OrviLathe。请将其放到本程序同目录,\n或设置环境变量 ORVI_LATHE_BIN。"),
            QMessageBox::Ok);
        return std::nullopt;
    }

    QStringList arguments = buildEngineArguments();

    QString outputPath = outputEdit->text().trimmed();
    if (outputPath.isEmpty()) {
        outputPath = defaultOutputPath();
        outputEdit->setText(outputPath);
        appendLog(QCoreApplication::translate("PackGuiWindow", "输出未指定, 使用: %1").arg(outputPath), false);
    }
    outputPath = orvi::withIsoSuffix(outputPath);

    const QDir outputFolder = QFileInfo(outputPath).dir();
    if (outputFolder.path().isEmpty() || !outputFolder.exists()) {
        QMessageBox::warning(
            this, QCoreApplication::translate("PackGuiWindow", "输出路径无效"),
            QCoreApplication::translate("PackGuiWindow", "输出目录不存在:\n%1\n\n请选择有效的保存位置。")
                .arg(outputFolder.absolutePath()),
            QMessageBox::Ok);
        return std::nullopt;
    }
    outputEdit->setText(outputPath);

    arguments << QStringLiteral("-o") << outputPath;
    for (int row = 0; row < trackTable->rowCount(); ++row) {
        const QTableWidgetItem* path = trackTable->item(row, orvi::TrackPathColumn);
        if (path && !path->text().isEmpty())
            arguments << path->text();
    }
    jobOutputPath = outputPath;
    return arguments;
}

QStringList PackGuiWindow::buildEngineArguments() const
{
    QStringList arguments;
    addTextOption(arguments, "--album", albumEdit->text());
    addTextOption(arguments, "--artist", artistEdit->text());
    addTextOption(arguments, "--label", labelEdit->text());
    addTextOption(arguments, "--composer", composerEdit->text());
    addTextOption(arguments, "--conductor", conductorEdit->text());
    addTextOption(arguments, "--orchestra", orchestraEdit->text());
    addTextOption(arguments, "--genre", genreEdit->text());
    addTextOption(arguments, "--year", yearEdit->text());
    addTextOption(arguments, "--date", dateEdit->text());
    addTextOption(arguments, "--catalog", catalogEdit->text());
    addTextOption(arguments, "--barcode", barcodeEdit->text());
    addTextOption(arguments, "--copyright", copyrightEdit->text());
    addTextOption(arguments, "--disc", discNumberEdit->text());
    addTextOption(arguments, "--disc-total", discTotalEdit->text());
    addTextOption(arguments, "--cover", coverPath);
    addTextOption(arguments, "--cue", cueEdit->text());
    // The engine's own defaults apply when the form's defaults are left.
    if (pauseSpin->value() != orvi::kDefaultPauseFrames)
        arguments << QStringLiteral("--pause") << QString::number(pauseSpin->value());
    if (dstOrderSpin->value() != orvi::kDefaultDstOrder)
        arguments << QStringLiteral("--dst-compression") << QString::number(dstOrderSpin->value());
    if (noEncodeCheck->isChecked())
        arguments << QStringLiteral("--no-encode");
    if (dstStereoCheck->isChecked())
        arguments << QStringLiteral("--dst-stereo");
    if (dsdDiscCheck->isChecked()) {
        arguments << QStringLiteral("--dsd-disc");
        addTextOption(arguments, "--title", discTitleEdit->text());
        if (!playlistCheck->isChecked())
            arguments << QStringLiteral("--no-playlist");
    }
    arguments << buildTrackArguments();
    return arguments;
}

QStringList PackGuiWindow::buildTrackArguments() const
{
    QStringList arguments;
    for (int row = 0; row < trackTable->rowCount(); ++row) {
        const QString number = QString::number(row + 1) + QLatin1Char(':');
        const QString title = trimmedCell(trackTable, row, orvi::TrackTitleColumn);
        const QString artist = trimmedCell(trackTable, row, orvi::TrackArtistColumn);
        const QString isrc = trimmedCell(trackTable, row, orvi::TrackIsrcColumn);
        if (!title.isEmpty())
            arguments << QStringLiteral("--track-title") << number + title;
        if (!artist.isEmpty())
            arguments << QStringLiteral("--track-artist") << number + artist;
        if (!isrc.isEmpty())
            arguments << QStringLiteral("--isrc") << number + isrc;
    }
    return arguments;
}

QString PackGuiWindow::defaultOutputPath() const
{
    const QFileInfo firstTrack(trackTable->item(0, orvi::TrackPathColumn)->text());
    QString baseName = albumEdit->text().trimmed();
    if (baseName.isEmpty())
        baseName = firstTrack.completeBaseName();
    return QDir(firstTrack.path()).filePath(sanitizeFileName(baseName) + QLatin1String(".iso"));
}

QString PackGuiWindow::sanitizeFileName(const QString& name)
{
    static const QRegularExpression forbidden(QStringLiteral(R"([\\/:*?"<>|])"));
    QString sanitized = name;
    sanitized.replace(forbidden, QStringLiteral("_"));
    return sanitized.isEmpty() ? QStringLiteral("SACD") : sanitized;
}
