#include "test_fixture.h"
#include "window_access.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using orvi::test::columnTexts;
using orvi::test::touchFile;

namespace {

const QString kIsrcToolTip = QStringLiteral(
    "ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041\n留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示");

// Fills the table with tracks named t0.dsf ... t<n-1>.dsf and gives each a
// title naming its original position, to follow rows through moves.
QStringList fillTracks(PackGuiWindowTestAccess& w, const QTemporaryDir& dir, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        paths << touchFile(dir.filePath(QStringLiteral("t%1.dsf").arg(i)));
        w.addTrackFile(paths.last());
        w.table()->item(i, 2)->setText(QStringLiteral("title %1").arg(i));
    }
    return paths;
}

void selectRows(PackGuiWindowTestAccess& w, const QList<int>& rows)
{
    w.table()->clearSelection();
    for (int row : rows)
        w.table()->selectionModel()->select(w.table()->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QList<int> selectedRows(PackGuiWindowTestAccess& w)
{
    QList<int> rows;
    for (const QModelIndex& index : w.table()->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Original positions, read back from the titles.
QStringList order(PackGuiWindowTestAccess& w)
{
    QStringList positions;
    for (const QString& title : columnTexts(w.table(), 2))
        positions << title.section(' ', 1);
    return positions;
}

QStringList numbering(int count)
{
    QStringList numbers;
    for (int i = 1; i <= count; ++i)
        numbers << QString::number(i);
    return numbers;
}

std::unique_ptr<QMimeData> urlsOf(const QStringList& paths, const QList<QUrl>& extra = {})
{
    auto mime = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime->setUrls(urls + extra);
    return mime;
}

bool dragIsAccepted(PackGuiWindowTestAccess& w, const QMimeData* mime)
{
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.table()->viewport(), &enter);
    return enter.isAccepted();
}

void drop(PackGuiWindowTestAccess& w, const QMimeData* mime)
{
    QDropEvent event(QPointF(20, 20), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.table()->viewport(), &event);
}

} // namespace

class TrackListTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }

    void addedRowHoldsTheTrackEntry()
    {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        touchFile(dir.filePath("sub/a.dsf"));
        w.addTrackFile("sub/./a.dsf");

        QCOMPARE(w.table()->rowCount(), 1);
        const QTableWidgetItem* path = w.table()->item(0, 1);
        QCOMPARE(path->text(), dir.filePath("sub/a.dsf"));
        QCOMPARE(path->toolTip(), QStringLiteral("sub/./a.dsf"));
        QVERIFY(!(path->flags() & Qt::ItemIsEditable));
        QVERIFY(w.table()->item(0, 3)->flags() & Qt::ItemIsEditable);
        QCOMPARE(w.table()->item(0, 4)->toolTip(), kIsrcToolTip);
        QCOMPARE(w.trackCount()->text(), QStringLiteral("共 1 轨"));
        QDir::setCurrent(QDir::rootPath());
    }

    void duplicatesAreRefusedByAbsolutePath()
    {
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        const QString logBefore = w.logText();
        w.addTrackFile(dir.filePath("Music/a.dsf"));
        w.addTrackFile(dir.filePath("Music/x/../a.dsf"));
        QCOMPARE(w.table()->rowCount(), 1);
        QCOMPARE(w.statusMessage(), QStringLiteral("已忽略重复文件: a.dsf"));
        QCOMPARE(w.logText(), logBefore);

        w.addTrackFile(dir.filePath("music/A.dsf")); // another spelling is another file
        QCOMPARE(w.table()->rowCount(), 2);
    }

    void folderAddsDsdFilesInCodeUnitOrder()
    {
        QTemporaryDir dir;
        for (const char* name : {"a.dsf", "B.dsf", "c.DFF", "notes.txt", "x.wav", "sub/d.dsf"})
            touchFile(dir.filePath(name));
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.addTrackFolder(dir.path());
        QCOMPARE(columnTexts(w.table(), 1),
                 QStringList({dir.filePath("B.dsf"), dir.filePath("a.dsf"), dir.filePath("c.DFF")}));
        QCOMPARE(columnTexts(w.table(), 0), numbering(3));

        QTemporaryDir empty;
        touchFile(empty.filePath("x.wav"));
        w.addTrackFolder(empty.path());
        QVERIFY(w.logText().endsWith(QStringLiteral("文件夹里没有找到 .dsf/.dff 文件: %1\n").arg(empty.path())));
        QCOMPARE(w.table()->rowCount(), 3);
    }

    void removalAndClearRenumber()
    {
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        fillTracks(w, dir, 4);
        w.cue()->setText("/m/a.cue");
        selectRows(w, {0, 2});
        w.removeSelectedTracks();
        QCOMPARE(order(w), QStringList({"1", "3"}));
        QCOMPARE(columnTexts(w.table(), 0), numbering(2));
        QCOMPARE(w.trackCount()->text(), QStringLiteral("共 2 轨"));

        w.clearTracks();
        QCOMPARE(w.table()->rowCount(), 0);
        QCOMPARE(w.trackCount()->text(), QStringLiteral("共 0 轨"));
        QCOMPARE(w.cue()->text(), QStringLiteral("/m/a.cue"));
    }

    void moves_data()
    {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QStringList>("expectedOrder");
        QTest::addColumn<QList<int>>("expectedSelection");
        QTest::newRow("block up") << 4 << QList<int>{1, 2} << -1 << QStringList{"1", "2", "0", "3"} << QList<int>{0, 1};
        QTest::newRow("gapped down") << 5 << QList<int>{1, 3} << +1 << QStringList{"0", "2", "1", "4", "3"}
                                     << QList<int>{2, 4};
        QTest::newRow("top edge holds all")
            << 3 << QList<int>{0, 2} << -1 << QStringList{"0", "1", "2"} << QList<int>{0, 2};
        QTest::newRow("bottom edge holds all")
            << 3 << QList<int>{0, 2} << +1 << QStringList{"0", "1", "2"} << QList<int>{0, 2};
        QTest::newRow("nothing selected") << 3 << QList<int>{} << +1 << QStringList{"0", "1", "2"} << QList<int>{};
    }

    void moves()
    {
        QFETCH(int, rowCount);
        QFETCH(QList<int>, selected);
        QFETCH(int, direction);
        QFETCH(QStringList, expectedOrder);
        QFETCH(QList<int>, expectedSelection);
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        const QStringList paths = fillTracks(w, dir, rowCount);
        w.table()->item(0, 4)->setText("ISRC-0");
        selectRows(w, selected);

        w.moveSelectedTracks(direction);

        QCOMPARE(order(w), expectedOrder);
        QCOMPARE(selectedRows(w), expectedSelection);
        QCOMPARE(columnTexts(w.table(), 0), numbering(rowCount));
        // Every cell travels with its file.
        for (int row = 0; row < rowCount; ++row) {
            const int original = expectedOrder[row].toInt();
            QCOMPARE(w.table()->item(row, 1)->text(), paths[original]);
            QCOMPARE(w.table()->item(row, 4)->text(), original == 0 ? QStringLiteral("ISRC-0") : QString());
            QCOMPARE(w.table()->item(row, 4)->toolTip(), kIsrcToolTip);
        }
    }

    void dropsOverTheTable()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("album");
        touchFile(folder + "/01.dsf");
        const QString loose = touchFile(dir.filePath("loose.DFF"));
        const QString cue = touchFile(dir.filePath("Sheet.CUE"));
        const QString wav = touchFile(dir.filePath("x.wav"));
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);

        QVERIFY(!dragIsAccepted(w, urlsOf({wav}).get()));
        QVERIFY(!dragIsAccepted(w, std::make_unique<QMimeData>().get()));
        QVERIFY(dragIsAccepted(w, urlsOf({wav, cue}).get()));
        QVERIFY(dragIsAccepted(w, urlsOf({folder}).get()));

        const auto mime = urlsOf({wav, folder, loose, cue}, {QUrl("https://example.org/a.dsf")});
        drop(w, mime.get());
        QCOMPARE(columnTexts(w.table(), 1), QStringList({folder + "/01.dsf", loose}));
        QCOMPARE(w.cue()->text(), cue);
        QVERIFY(w.logText().endsWith(QStringLiteral("已导入 CUE: %1\n").arg(cue)));
    }

    // Qt delivers a drop to the innermost widget that accepts drops.
    void onlyTheTableTakesDrops()
    {
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        QStringList takers;
        for (const QWidget* widget : window.findChildren<QWidget*>())
            if (widget->acceptDrops())
                takers << widget->metaObject()->className();
        QCOMPARE(takers, QStringList({"QTableWidget", "QWidget"}));
        QVERIFY(w.table()->viewport()->acceptDrops());
    }

    void dropsAreRefusedWhileRunning()
    {
        QTemporaryDir dir;
        const QString track = touchFile(dir.filePath("a.dsf"));
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.setRunning(true);
        const auto mime = urlsOf({track});
        // Straight to the handler: the disabled table would stop the event first.
        QDropEvent late(QPointF(20, 20), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        w.dropEvent(&late);
        QCOMPARE(w.table()->rowCount(), 0);
        QVERIFY(w.logText().endsWith(QStringLiteral("打包进行中, 请先停止再添加音轨。\n")));
    }
};

QTEST_MAIN(TrackListTest)
#include "tst_track_list.moc"
