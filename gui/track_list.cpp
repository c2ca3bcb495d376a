#include "gui/pack_gui_window.h"

#include "gui/track_columns.h"
#include "gui/track_drop_forwarder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int kDuplicateMessageMs = 5000;

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QList<int> selectedTrackRows(const QTableWidget* table)
{
    QList<int> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows(orvi::TrackNumberColumn))
        rows.append(index.row());
    return rows;
}

bool hasTrackSuffix(const QString& lowerCasePath)
{
    return lowerCasePath.endsWith(QLatin1String(".dsf")) || lowerCasePath.endsWith(QLatin1String(".dff"));
}

} // namespace

// Called once the whole form exists.
void PackGuiWindow::installTrackDropForwarding()
{
    // No row drag and drop of its own; the mode must be set before the
    // drop flags, because setting it rewrites them.
    trackTable->setDragDropMode(QAbstractItemView::NoDragDrop);
    trackTable->setAcceptDrops(true);
    trackTable->viewport()->setAcceptDrops(true);
    auto* forwarder = new orvi::TrackDropForwarder([this](QDragEnterEvent* event) { dragEnterEvent(event); },
                                                   [this](QDropEvent* event) { dropEvent(event); }, trackTable);
    trackTable->viewport()->installEventFilter(forwarder);
    // Line edits take drops by default and would type a dropped file's URL
    // into the field; the table is the one drop target.
    for (QWidget* widget : findChildren<QWidget*>())
        if (widget != trackTable && widget != trackTable->viewport())
            widget->setAcceptDrops(false);
}

void PackGuiWindow::addTrackFile(const QString& path)
{
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    for (int row = 0; row < trackTable->rowCount(); ++row) {
        const QTableWidgetItem* listed = trackTable->item(row, orvi::TrackPathColumn);
        if (listed && listed->text() == absolutePath) {
            statusBar()->showMessage(QCoreApplication::translate("PackGuiWindow", "已忽略重复文件: %1")
                                         .arg(QFileInfo(absolutePath).fileName()),
                                     kDuplicateMessageMs);
            return;
        }
    }

    const int row = trackTable->rowCount();
    trackTable->insertRow(row);
    QTableWidgetItem* number = readOnlyItem(QString::number(row + 1));
    number->setTextAlignment(Qt::AlignCenter);
    trackTable->setItem(row, orvi::TrackNumberColumn, number);
    QTableWidgetItem* file = readOnlyItem(absolutePath);
    file->setToolTip(path);
    trackTable->setItem(row, orvi::TrackPathColumn, file);
    trackTable->setItem(row, orvi::TrackTitleColumn, new QTableWidgetItem);
    trackTable->setItem(row, orvi::TrackArtistColumn, new QTableWidgetItem);
    auto* isrc = new QTableWidgetItem;
    isrc->setToolTip(QCoreApplication::translate(
        "PackGuiWindow",
        "ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041\n留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示"));
    trackTable->setItem(row, orvi::TrackIsrcColumn, isrc);

    trackTable->scrollToBottom();
    updateTrackCount();
}

void PackGuiWindow::addTrackFolder(const QString& folder)
{
    const QDir dir(folder);
    // Suffixes match in any letter case (the filter is not case-sensitive);
    // the order is the plain code-unit order, so upper-case names come first.
    QStringList names = dir.entryList(
        {QStringLiteral("*.dsf"), QStringLiteral("*.dff"), QStringLiteral("*.DSF"), QStringLiteral("*.DFF")},
        QDir::Files | QDir::Hidden, QDir::NoSort);
    std::sort(names.begin(), names.end());

    if (names.isEmpty()) {
        appendLog(QCoreApplication::translate("PackGuiWindow", "文件夹里没有找到 .dsf/.dff 文件: %1").arg(folder),
                  false);
        return;
    }
    for (const QString& name : names)
        addTrackFile(dir.filePath(name));
    adoptFolderCompanions(folder);
}

void PackGuiWindow::addDroppedPath(const QString& path)
{
    if (QFileInfo(path).isDir()) {
        addTrackFolder(path);
        return;
    }
    const QString lowerCasePath = path.toLower();
    if (lowerCasePath.endsWith(QLatin1String(".cue"))) {
        cueEdit->setText(path);
        appendLog(QCoreApplication::translate("PackGuiWindow", "已导入 CUE: %1").arg(path), false);
    } else if (hasTrackSuffix(lowerCasePath)) {
        addTrackFile(path);
    }
}

void PackGuiWindow::chooseTrackFiles()
{
    const QStringList files = fileDialogs.openFileNames(
        this, QCoreApplication::translate("PackGuiWindow", "选择 DSD 音轨文件"), orvi::dialogStartFolder(),
        QCoreApplication::translate("PackGuiWindow", "DSD 音频 (*.dsf *.dff);;所有文件 (*)"));
    for (const QString& file : files)
        addTrackFile(file);
}

void PackGuiWindow::chooseTrackFolder()
{
    const QString folder = fileDialogs.existingFolder(
        this, QCoreApplication::translate("PackGuiWindow", "选择包含 DSF/DFF 的文件夹"), orvi::dialogStartFolder());
    if (!folder.isEmpty())
        addTrackFolder(folder);
}

void PackGuiWindow::removeSelectedTracks()
{
    QList<int> rows = selectedTrackRows(trackTable);
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        trackTable->removeRow(row);
    renumberTracks();
}

void PackGuiWindow::clearTracks()
{
    trackTable->setRowCount(0);
    updateTrackCount();
}

void PackGuiWindow::moveSelectedTracks(int direction)
{
    QList<int> rows = selectedTrackRows(trackTable);
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end());
    // A block touching the edge it moves towards stays where it is as a whole.
    if (direction < 0 && rows.first() == 0)
        return;
    if (direction > 0 && rows.last() == trackTable->rowCount() - 1)
        return;

    // Moving up, the topmost row goes first; moving down, the bottom one, so a
    // row never swaps with another selected row that has not moved yet.
    if (direction > 0)
        std::reverse(rows.begin(), rows.end());
    for (int row : rows)
        swapTrackRows(row, row + direction);

    trackTable->clearSelection();
    QItemSelectionModel* selection = trackTable->selectionModel();
    for (int row : rows)
        selection->select(trackTable->model()->index(row + direction, orvi::TrackNumberColumn),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    renumberTracks();
}

void PackGuiWindow::swapTrackRows(int first, int second)
{
    for (int column = 0; column < orvi::TrackColumnCount; ++column) {
        QTableWidgetItem* firstItem = trackTable->takeItem(first, column);
        QTableWidgetItem* secondItem = trackTable->takeItem(second, column);
        trackTable->setItem(first, column, secondItem);
        trackTable->setItem(second, column, firstItem);
    }
}

void PackGuiWindow::renumberTracks()
{
    for (int row = 0; row < trackTable->rowCount(); ++row) {
        if (QTableWidgetItem* number = trackTable->item(row, orvi::TrackNumberColumn))
            number->setText(QString::number(row + 1));
    }
    updateTrackCount();
}

void PackGuiWindow::updateTrackCount()
{
    trackCountLabel->setText(QCoreApplication::translate("PackGuiWindow", "共 %1 轨").arg(trackTable->rowCount()));
}

bool PackGuiWindow::isAcceptableDrop(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls())
        return false;
    const QList<QUrl> urls = mime->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) {
        const QString path = url.toLocalFile();
        const QString lowerCasePath = path.toLower();
        return QFileInfo(path).isDir() || hasTrackSuffix(lowerCasePath)
            || lowerCasePath.endsWith(QLatin1String(".cue"));
    });
}

void PackGuiWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (stopButton->isEnabled())
        return;
    if (isAcceptableDrop(event->mimeData()))
        event->acceptProposedAction();
}

void PackGuiWindow::dropEvent(QDropEvent* event)
{
    if (stopButton->isEnabled()) {
        appendLog(QCoreApplication::translate("PackGuiWindow", "打包进行中, 请先停止再添加音轨。"), true);
        return;
    }
    const QList<QUrl> urls = event->mimeData() ? event->mimeData()->urls() : QList<QUrl>();
    for (const QUrl& url : urls)
        addDroppedPath(url.toLocalFile());
    event->acceptProposedAction();
}
