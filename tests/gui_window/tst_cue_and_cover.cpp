#include "modal_answerer.h"
#include "test_fixture.h"
#include "window_access.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using orvi::test::touchFile;
using orvi::test::writePicture;

namespace {

orvi::FileDialogs::OpenFile answering(const QString& path, QString* caption = nullptr, QString* filter = nullptr)
{
    return [=](QWidget*, const QString& c, const QString&, const QString& f) {
        if (caption)
            *caption = c;
        if (filter)
            *filter = f;
        return path;
    };
}

} // namespace

class CueAndCoverTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }

    void folderGivesFirstCueAndBestNamedCover()
    {
        QTemporaryDir dir;
        touchFile(dir.filePath("01.dsf"));
        touchFile(dir.filePath("b.cue"));
        touchFile(dir.filePath("Album.CUE"));
        writePicture(dir.filePath("front.png"), "PNG");
        writePicture(dir.filePath("Folder.JPG"), "JPG");
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);

        w.addTrackFolder(dir.path());

        QCOMPARE(w.cue()->text(), dir.filePath("Album.CUE"));
        QCOMPARE(w.coverPath(), dir.filePath("Folder.JPG"));
        QCOMPARE(w.coverPathEdit()->text(), dir.filePath("Folder.JPG"));
        const QPixmap preview = w.coverPreview()->pixmap();
        QCOMPARE(preview.size(), QSize(120, 60)); // 40 x 20 picture, aspect kept
        QVERIFY(w.logText().endsWith(
            QStringLiteral("自动采用同目录的 CUE: Album.CUE\n自动采用同目录的封面: Folder.JPG\n")));
    }

    void brokenBestCoverMeansNoCover()
    {
        QTemporaryDir dir;
        touchFile(dir.filePath("01.dsf"));
        touchFile(dir.filePath("cover.jpg"), "not a picture");
        writePicture(dir.filePath("front.jpg"), "JPG");
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.addTrackFolder(dir.path());
        QVERIFY(w.coverPath().isEmpty());
        QVERIFY(w.coverPathEdit()->text().isEmpty());
        QVERIFY(!w.logText().contains(QStringLiteral("封面")));
    }

    void earlierChoicesAreKept()
    {
        QTemporaryDir first, second;
        for (QTemporaryDir* dir : {&first, &second}) {
            touchFile(dir->filePath("01.dsf"));
            touchFile(dir->filePath("disc.cue"));
            writePicture(dir->filePath("cover.png"), "PNG");
        }
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.addTrackFolder(first.path());
        // A folder whose tracks are all listed already still gives its companions.
        w.clearCueSheet();
        w.addTrackFolder(first.path());
        QCOMPARE(w.table()->rowCount(), 1);
        QCOMPARE(w.cue()->text(), first.filePath("disc.cue"));

        w.addTrackFolder(second.path());
        QCOMPARE(w.cue()->text(), first.filePath("disc.cue"));
        QCOMPARE(w.coverPath(), first.filePath("cover.png"));
    }

    void cueImportAndClear()
    {
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        QString caption, filter;
        w.dialogs().openFileName = answering("/m/notes.txt", &caption, &filter);
        w.chooseCueSheet();
        QCOMPARE(caption, QStringLiteral("选择 CUE 文件"));
        QCOMPARE(filter, QStringLiteral("CUE 曲目表 (*.cue);;所有文件 (*)"));
        QCOMPARE(w.cue()->text(), QStringLiteral("/m/notes.txt"));
        QVERIFY(w.logText().endsWith(QStringLiteral("已导入 CUE: /m/notes.txt (标题/艺术家将在打包时应用)\n")));

        w.dialogs().openFileName = answering(QString());
        w.chooseCueSheet();
        QCOMPARE(w.cue()->text(), QStringLiteral("/m/notes.txt"));

        w.clearCueSheet();
        w.clearCueSheet();
        QVERIFY(w.cue()->text().isEmpty());
        QVERIFY(w.logText().endsWith(QStringLiteral("已清除 CUE 设置。\n已清除 CUE 设置。\n")));
    }

    void coverChoiceChecksThePicture()
    {
        QTemporaryDir dir;
        const QString good = writePicture(dir.filePath("art.png"), "PNG");
        const QString bad = touchFile(dir.filePath("art.jpg"), "garbage");
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        QString caption, filter;
        w.dialogs().openFileName = answering(good, &caption, &filter);
        const QString logBefore = w.logText();
        w.chooseCover();
        QCOMPARE(caption, QStringLiteral("选择封面图片"));
        QCOMPARE(filter, QStringLiteral("图片 (*.jpg *.jpeg *.png);;所有文件 (*)"));
        QCOMPARE(w.coverPath(), good);
        QCOMPARE(w.logText(), logBefore);

        ModalAnswerer answerer;
        answerer.answer(QMessageBox::Ok);
        w.dialogs().openFileName = answering(bad);
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
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        QString startPath, caption, filter;
        QString answer;
        w.dialogs().saveFileName = [&](QWidget*, const QString& c, const QString& s, const QString& f) {
            caption = c;
            startPath = s;
            filter = f;
            return answer;
        };

        answer = "/o/out";
        w.chooseOutputPath();
        QVERIFY(startPath.isEmpty()); // no tracks, no field text
        QCOMPARE(caption, QStringLiteral("输出 SACD ISO"));
        QCOMPARE(filter, QStringLiteral("SACD ISO 镜像 (*.iso);;所有文件 (*)"));
        QCOMPARE(w.output()->text(), QStringLiteral("/o/out.iso"));

        answer = "/o/out.ISO";
        w.chooseOutputPath();
        QCOMPARE(startPath, QStringLiteral("/o/out.iso"));
        QCOMPARE(w.output()->text(), QStringLiteral("/o/out.ISO"));

        answer.clear();
        w.output()->clear();
        w.addTrackFile(touchFile(dir.filePath("01 Song.dsf")));
        w.chooseOutputPath();
        QCOMPARE(startPath, dir.filePath("01 Song.iso"));
        QVERIFY(w.output()->text().isEmpty());
    }
};

QTEST_MAIN(CueAndCoverTest)
#include "tst_cue_and_cover.moc"
