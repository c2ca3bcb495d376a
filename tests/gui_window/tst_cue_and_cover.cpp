#include "modal_answerer.h"
#include "test_fixture.h"

#include <QImage>
#include <QtTest>

using orvi::test::TestWindow;

namespace {

// A 40 x 20 picture in `format` ("PNG", "JPG").
QString writePicture(const QString& path, const char* format)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    image.save(path, format);
    return path;
}

orvi::FileDialogs::OpenFile answering(const QString& path)
{
    return [=](QWidget*, const QString&, const QString&, const QString&) { return path; };
}

} // namespace

class CueAndCoverTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }

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
        w.dialogs().openFileName = answering(good);
        const QString logBefore = w.logText();
        w.chooseCover();
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

QTEST_MAIN(CueAndCoverTest)
#include "tst_cue_and_cover.moc"
