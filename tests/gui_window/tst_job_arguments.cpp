#include "modal_answerer.h"
#include "test_fixture.h"
#include "window_access.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using orvi::test::touchFile;

class JobArgumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }

    void defaultsGiveOnlyOutputAndTracks()
    {
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        const QStringList tracks = {touchFile(dir.filePath("1.dsf")), touchFile(dir.filePath("2.dff")),
                                    touchFile(dir.filePath("3.dsf"))};
        for (const QString& t : tracks)
            w.addTrackFile(t);
        w.output()->setText(dir.filePath("disc"));

        const auto arguments = w.prepareJob();
        QVERIFY(arguments);
        QCOMPARE(*arguments, QStringList({"-o", dir.filePath("disc.iso")}) + tracks);
        QCOMPARE(w.output()->text(), dir.filePath("disc.iso"));
        QCOMPARE(w.jobOutputPath(), dir.filePath("disc.iso"));
    }

    void everyOptionInItsPlaceTrimmedAndWhole()
    {
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.addTrackFile(touchFile(dir.filePath("a.dsf")));
        w.album()->setText("  Live at Home ");
        w.artist()->setText("   "); // blanks only: not given
        w.genre()->setText("Jazz");
        w.copyright()->setText("(c) 2024 X");
        w.discNumber()->setText(" 1");
        w.discTotal()->setText("2 ");
        w.cue()->setText(" /m/a.cue ");
        w.pause()->setValue(0);
        w.dstOrder()->setValue(1);
        w.noEncode()->setChecked(true);
        w.dstStereo()->setChecked(true);

        QCOMPARE(w.buildEngineArguments(),
                 QStringList({"--album", "Live at Home", "--genre", "Jazz", "--copyright", "(c) 2024 X", "--disc", "1",
                              "--disc-total", "2", "--cue", "/m/a.cue", "--pause", "0", "--dst-compression", "1",
                              "--no-encode", "--dst-stereo"}));
    }

    void discModeRowsOnlyWithTheDiscModeBox()
    {
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.discTitle()->setText("Title");
        w.playlist()->setChecked(false);
        QCOMPARE(w.buildEngineArguments(), QStringList());

        w.dsdDisc()->setChecked(true);
        QCOMPARE(w.buildEngineArguments(), QStringList({"--dsd-disc", "--title", "Title", "--no-playlist"}));

        w.discTitle()->setText("  ");
        w.playlist()->setChecked(true);
        QCOMPARE(w.buildEngineArguments(), QStringList({"--dsd-disc"}));
    }

    void perTrackOptionsFollowTheDiscOptionsByRow()
    {
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        for (const char* name : {"1.dsf", "2.dsf", "3.dsf"})
            w.addTrackFile(touchFile(dir.filePath(name)));
        w.table()->item(0, 2)->setText("  Intro ");
        w.table()->item(0, 4)->setText("FR-W01-02-00041");
        w.table()->item(1, 4)->setText(" GB-ABC-01-00002");
        w.table()->item(2, 3)->setText("Solo Artist");
        w.table()->item(2, 2)->setText("   ");
        w.dsdDisc()->setChecked(true);

        QCOMPARE(w.buildEngineArguments(),
                 QStringList({"--dsd-disc", "--track-title", "1:Intro", "--isrc", "1:FR-W01-02-00041", "--isrc",
                              "2:GB-ABC-01-00002", "--track-artist", "3:Solo Artist"}));
    }

    void derivedOutputIsWrittenAndNoted()
    {
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        const QString track = touchFile(dir.filePath("x/01.dsf"));
        w.addTrackFile(track);
        w.album()->setText("Live: A/B?");

        const auto arguments = w.prepareJob();
        QVERIFY(arguments);
        const QString expected = dir.filePath("x/Live_ A_B_.iso");
        QCOMPARE(w.output()->text(), expected);
        QCOMPARE(*arguments, QStringList({"--album", "Live: A/B?", "-o", expected, track}));
        QVERIFY(w.logText().contains(QStringLiteral("输出未指定, 使用: %1").arg(expected)));
    }

    void derivedOutputFallsBackToTheFirstTrackName()
    {
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.addTrackFile(touchFile(dir.filePath("01 Intro.dsf")));
        w.addTrackFile(touchFile(dir.filePath("a.b.dsf")));
        w.album()->setText("   ");
        QCOMPARE(w.defaultOutputPath(), dir.filePath("01 Intro.iso"));

        w.clearTracks();
        w.addTrackFile(touchFile(dir.filePath(".dsf")));
        QCOMPARE(w.defaultOutputPath(), dir.filePath("SACD.iso"));

        QCOMPARE(PackGuiWindowTestAccess::sanitizeFileName(QStringLiteral("a\\b/c:d*e?f\"g<h>i|j. k")),
                 QStringLiteral("a_b_c_d_e_f_g_h_i_j. k"));
        QCOMPARE(PackGuiWindowTestAccess::sanitizeFileName(QString()), QStringLiteral("SACD"));
    }

    void isoSuffixCompletion_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("completed");
        QTest::newRow("bare") << "disc"
                              << "disc.iso";
        QTest::newRow("upper") << "disc.ISO"
                               << "disc.ISO";
        QTest::newRow("other suffix") << "disc.iso.tmp"
                                      << "disc.iso.tmp.iso";
    }

    void isoSuffixCompletion()
    {
        QFETCH(QString, typed);
        QFETCH(QString, completed);
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.addTrackFile(touchFile(dir.filePath("a.dsf")));
        w.output()->setText("  " + dir.filePath(typed) + " ");
        const auto arguments = w.prepareJob();
        QVERIFY(arguments);
        QCOMPARE(arguments->at(1), dir.filePath(completed));
        QCOMPARE(w.output()->text(), dir.filePath(completed));
    }

    void refusals()
    {
        QTemporaryDir dir;
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        ModalAnswerer answerer;

        // No tracks, even with everything else filled: the output is not touched.
        w.album()->setText("Album");
        answerer.answer(QMessageBox::Ok);
        QVERIFY(!w.prepareJob());
        QVERIFY(w.output()->text().isEmpty());

        // No engine.
        w.addTrackFile(touchFile(dir.filePath("a.dsf")));
        const QString engine = w.enginePath();
        w.setEnginePath(QString());
        answerer.answer(QMessageBox::Ok);
        QVERIFY(!w.prepareJob());
        w.setEnginePath(engine);

        // Missing output folder: the box names it absolutely, the typed text stays.
        const QString missing = dir.filePath("missing/disc");
        w.output()->setText(missing);
        answerer.answer(QMessageBox::Ok);
        QVERIFY(!w.prepareJob());
        QCOMPARE(w.output()->text(), missing);
        QVERIFY(w.jobOutputPath().isEmpty());

        QCOMPARE(answerer.records().size(), 3);
        QVERIFY(!answerer.hasUnexpected());
        const auto& r = answerer.records();
        QCOMPARE(r[0].title, QStringLiteral("没有音轨"));
        QCOMPARE(r[0].text, QStringLiteral("请先添加 DSF/DFF 音轨文件。"));
        QCOMPARE(r[1].title, QStringLiteral("找不到打包引擎"));
        QCOMPARE(r[1].text,
                 QStringLiteral("未找到 OrviLathe。请将其放到本程序同目录,\n或设置环境变量 ORVI_LATHE_BIN。"));
        QCOMPARE(r[2].title, QStringLiteral("输出路径无效"));
        QCOMPARE(r[2].text,
                 QStringLiteral("输出目录不存在:\n%1\n\n请选择有效的保存位置。")
                     .arg(QDir(dir.filePath("missing")).absolutePath()));
        for (const auto& record : r)
            QCOMPARE(record.buttons.size(), 1);
    }
};

QTEST_MAIN(JobArgumentsTest)
#include "tst_job_arguments.moc"
