#include "modal_answerer.h"
#include "test_fixture.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

using orvi::test::TestWindow;

namespace {

// Tracks t0.dsf ... t<n-1>.dsf, each titled with its original position (the
// track title column, 2) so that rows can be followed through moves.
QStringList fillTracks(TestWindow& w, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        w.addTrackFile(paths.emplace_back(w.file(QStringLiteral("t%1.dsf").arg(i))));
        w.table()->item(i, 2)->setText(QString::number(i));
    }
    return paths;
}

void selectRows(TestWindow& w, const QList<int>& rows)
{
    w.table()->clearSelection();
    for (int row : rows)
        w.table()->selectionModel()->select(w.table()->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
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

bool dragIsAccepted(TestWindow& w, const std::unique_ptr<QMimeData>& mime)
{
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.table()->viewport(), &enter);
    return enter.isAccepted();
}

// A 40 x 20 picture in `format` ("PNG", "JPG").
QString writePicture(const QString& path, const char* format)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    image.save(path, format);
    return path;
}

} // namespace

class TrackListTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }

    void addedRowHoldsTheTrackEntry()
    {
        TestWindow w;
        QDir::setCurrent(w.dir.path());
        w.file("sub/a.dsf");
        w.addTrackFile("sub/./a.dsf");
        QDir::setCurrent(QDir::rootPath());

        QCOMPARE(w.table()->rowCount(), 1);
        const QTableWidgetItem* path = w.table()->item(0, 1);
        QCOMPARE(path->text(), w.path("sub/a.dsf"));
        QCOMPARE(path->toolTip(), QStringLiteral("sub/./a.dsf"));
        QVERIFY(!(path->flags() & Qt::ItemIsEditable));
        QVERIFY(w.table()->item(0, 3)->flags() & Qt::ItemIsEditable);
        QCOMPARE(w.trackCount()->text(), QStringLiteral("共 1 轨"));
    }

    void duplicatesAreRefusedByAbsolutePath()
    {
        TestWindow w;
        const QString logBefore = w.logText();
        w.addTrackFile(w.path("Music/a.dsf"));
        w.addTrackFile(w.path("Music/x/../a.dsf"));
        QCOMPARE(w.table()->rowCount(), 1);
        QCOMPARE(w.statusMessage(), QStringLiteral("已忽略重复文件: a.dsf"));
        QCOMPARE(w.logText(), logBefore);

        w.addTrackFile(w.path("music/A.dsf")); // another spelling is another file
        QCOMPARE(w.table()->rowCount(), 2);
    }

    void folderAddsDsdFilesInCodeUnitOrder()
    {
        TestWindow w;
        for (const char* name : {"a.dsf", "B.dsf", "c.DFF", "notes.txt", "x.wav", "sub/d.dsf", "empty/x.wav"})
            w.file(name);
        w.addTrackFolder(w.dir.path());
        QCOMPARE(w.column(1), QStringList({w.path("B.dsf"), w.path("a.dsf"), w.path("c.DFF")}));
        QCOMPARE(w.column(0), QStringList({"1", "2", "3"}));

        w.addTrackFolder(w.path("empty"));
        QVERIFY(w.logText().endsWith(QStringLiteral("文件夹里没有找到 .dsf/.dff 文件: %1\n").arg(w.path("empty"))));
        QCOMPARE(w.table()->rowCount(), 3);
    }

    void removalAndClearRenumber()
    {
        TestWindow w;
        fillTracks(w, 4);
        w.cue()->setText("/m/a.cue");
        selectRows(w, {0, 2});
        w.removeSelectedTracks();
        QCOMPARE(w.column(2), QStringList({"1", "3"}));
        QCOMPARE(w.column(0), QStringList({"1", "2"}));
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
        TestWindow w;
        const QStringList paths = fillTracks(w, rowCount);
        w.table()->item(0, 4)->setText("ISRC-0");
        selectRows(w, selected);

        w.moveSelectedTracks(direction);

        QCOMPARE(w.column(2), expectedOrder);
        // Every cell travels with its file, the selection with its rows; the
        // numbers stay in order.
        for (int row = 0; row < rowCount; ++row) {
            const int original = expectedOrder[row].toInt();
            QCOMPARE(w.table()->selectionModel()->isRowSelected(row), expectedSelection.contains(row));
            QCOMPARE(w.table()->item(row, 0)->text(), QString::number(row + 1));
            QCOMPARE(w.table()->item(row, 1)->text(), paths[original]);
            QCOMPARE(w.table()->item(row, 4)->text(), original == 0 ? QStringLiteral("ISRC-0") : QString());
            QCOMPARE(w.table()->item(row, 4)->toolTip(),
                     QStringLiteral("ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041\n"
                                    "留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示"));
        }
    }

    void dropsOverTheTable()
    {
        TestWindow w;
        const QString folder = w.path("album");
        w.file("album/01.dsf");
        const QString loose = w.file("loose.DFF");
        const QString cue = w.file("Sheet.CUE");
        const QString wav = w.file("x.wav");

        QVERIFY(!dragIsAccepted(w, urlsOf({wav})));
        QVERIFY(!dragIsAccepted(w, std::make_unique<QMimeData>()));
        QVERIFY(dragIsAccepted(w, urlsOf({wav, cue})));
        QVERIFY(dragIsAccepted(w, urlsOf({folder})));

        const auto mime = urlsOf({wav, folder, loose, cue}, {QUrl("https://example.org/a.dsf")});
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.table()->viewport(), &drop);
        QCOMPARE(w.column(1), QStringList({folder + "/01.dsf", loose}));
        QCOMPARE(w.cue()->text(), cue);
        QVERIFY(w.logText().endsWith(QStringLiteral("已导入 CUE: %1\n").arg(cue)));
    }

    // Qt delivers a drop to the innermost widget that accepts drops.
    void onlyTheTableTakesDrops()
    {
        TestWindow w;
        QStringList takers;
        for (const QWidget* widget : w.window.findChildren<QWidget*>())
            if (widget->acceptDrops())
                takers << widget->metaObject()->className();
        QCOMPARE(takers, QStringList({"QTableWidget", "QWidget"}));
        QVERIFY(w.table()->viewport()->acceptDrops());
    }

    void dropsAreRefusedWhileRunning()
    {
        TestWindow w;
        w.setRunning(true);
        const auto mime = urlsOf({w.file("a.dsf")});
        // Straight to the handler: the disabled table would stop the event first.
        QDropEvent late(QPointF(20, 20), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        w.dropEvent(&late);
        QCOMPARE(w.table()->rowCount(), 0);
        QVERIFY(w.logText().endsWith(QStringLiteral("打包进行中, 请先停止再添加音轨。\n")));
    }

    void folderGivesFirstCueAndBestNamedCover()
    {
        TestWindow w;
        for (const char* name : {"01.dsf", "b.cue", "Album.CUE"})
            w.file(name);
        writePicture(w.path("front.png"), "PNG");
        writePicture(w.path("Folder.JPG"), "JPG");

        w.addTrackFolder(w.dir.path());

        QCOMPARE(w.cue()->text(), w.path("Album.CUE"));
        QCOMPARE(w.coverPath(), w.path("Folder.JPG"));
        QCOMPARE(w.coverPathEdit()->text(), w.path("Folder.JPG"));
        QCOMPARE(w.coverPreview()->pixmap().size(), QSize(120, 60)); // aspect kept
        QVERIFY(w.logText().endsWith(
            QStringLiteral("自动采用同目录的 CUE: Album.CUE\n自动采用同目录的封面: Folder.JPG\n")));
        QCOMPARE(w.buildEngineArguments(),
                 QStringList({"--cover", w.path("Folder.JPG"), "--cue", w.path("Album.CUE")}));
    }

    void brokenBestCoverMeansNoCover()
    {
        TestWindow w;
        w.file("01.dsf");
        w.file("cover.jpg", "not a picture");
        writePicture(w.path("front.jpg"), "JPG");
        w.addTrackFolder(w.dir.path());
        QVERIFY(w.coverPath().isEmpty());
        QVERIFY(w.coverPathEdit()->text().isEmpty());
        QVERIFY(!w.logText().contains(QStringLiteral("封面")));
    }

    void earlierChoicesAreKept()
    {
        TestWindow w;
        for (const char* folder : {"first", "second"}) {
            w.file(QStringLiteral("%1/01.dsf").arg(folder));
            w.file(QStringLiteral("%1/disc.cue").arg(folder));
            writePicture(w.path(QStringLiteral("%1/cover.png").arg(folder)), "PNG");
        }
        w.addTrackFolder(w.path("first"));
        // A folder whose tracks are all listed already still gives its companions.
        w.clearCueSheet();
        w.addTrackFolder(w.path("first"));
        QCOMPARE(w.table()->rowCount(), 1);
        QCOMPARE(w.cue()->text(), w.path("first/disc.cue"));

        w.addTrackFolder(w.path("second"));
        QCOMPARE(w.cue()->text(), w.path("first/disc.cue"));
        QCOMPARE(w.coverPath(), w.path("first/cover.png"));
    }

    void coverChoiceChecksThePicture()
    {
        TestWindow w;
        const QString good = writePicture(w.path("art.png"), "PNG");
        const QString bad = w.file("art.jpg", "garbage");
        QString picked = good;
        w.dialogs().openFileName = [&picked](QWidget*, const QString&, const QString&, const QString&) {
            return picked;
        };
        const QString logBefore = w.logText();
        w.chooseCover();
        QCOMPARE(w.coverPath(), good);
        QCOMPARE(w.logText(), logBefore);

        ModalAnswerer answerer;
        answerer.answer(QMessageBox::Ok);
        picked = bad;
        w.chooseCover();
        QCOMPARE(answerer.records().size(), 1);
        QCOMPARE(answerer.records()[0].title, QStringLiteral("封面"));
        QCOMPARE(answerer.records()[0].text, QStringLiteral("无法解码该图片, 未采用: %1").arg(bad));
        QCOMPARE(answerer.records()[0].buttons.size(), 1);
        QCOMPARE(w.coverPath(), good);
        QCOMPARE(w.coverPathEdit()->text(), good);
        QVERIFY(!w.coverPreview()->pixmap().isNull());
    }

    void outputDialogCompletesTheSuffix()
    {
        TestWindow w;
        QString startPath, answer;
        w.dialogs().saveFileName = [&](QWidget*, const QString&, const QString& start, const QString&) {
            startPath = start;
            return answer;
        };

        answer = "/o/out";
        w.chooseOutputPath();
        QVERIFY(startPath.isEmpty()); // no tracks, no field text
        QCOMPARE(w.output()->text(), QStringLiteral("/o/out.iso"));

        answer = "/o/out.ISO";
        w.chooseOutputPath();
        QCOMPARE(startPath, QStringLiteral("/o/out.iso"));
        QCOMPARE(w.output()->text(), QStringLiteral("/o/out.ISO"));

        answer.clear();
        w.output()->clear();
        w.addTrackFile(w.file("01 Song.dsf"));
        w.chooseOutputPath();
        QCOMPARE(startPath, w.path("01 Song.iso"));
        QVERIFY(w.output()->text().isEmpty());
    }
};

QTEST_MAIN(TrackListTest)
#include "tst_track_list.moc"
