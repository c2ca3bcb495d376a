// The job the window hands the engine: which engine, the argument vector,
// the output path and the refusals, and the form that feeds them.
#include "gui/engine_location.h"
#include "modal_answerer.h"
#include "test_fixture.h"

#include <QtTest>

using orvi::test::TestWindow;
using orvi::test::touchFile;

class JobArgumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }

    void everyOptionInItsPlaceTrimmedAndWhole()
    {
        TestWindow w;
        w.addTrackFile(w.file("a.dsf"));
        const QStringList options = {"--album",     "--artist",    "--label", "--composer",  "--conductor",
                                     "--orchestra", "--genre",     "--year",  "--date",      "--catalog",
                                     "--barcode",   "--copyright", "--disc",  "--disc-total"};
        QStringList expected;
        for (int i = 0; i < options.size(); ++i) {
            const QString value = QStringLiteral("%1 value: %2").arg(options[i].mid(2)).arg(i);
            w.metadataEdits()[i]->setText("  " + value + " ");
            expected << options[i] << value;
        }
        w.metadataEdits()[1]->setText("   "); // blanks only: not given
        expected.remove(2, 2);
        w.cue()->setText(" /m/a.cue ");
        w.pause()->setValue(0);
        w.dstOrder()->setValue(1);
        w.noEncode()->setChecked(true);
        w.dstStereo()->setChecked(true);
        expected << QStringList{"--cue", "/m/a.cue",    "--pause",     "0", "--dst-compression",
                                "1",     "--no-encode", "--dst-stereo"};
        QCOMPARE(w.buildEngineArguments(), expected);
    }

    // The title and playlist box count only with the disc mode box, which also
    // enables them; turning it off keeps what they hold.
    void discModeBoxDrivesTitleAndPlaylist()
    {
        TestWindow w;
        w.discTitle()->setText("Title");
        w.playlist()->setChecked(false);
        QVERIFY(!w.playlist()->isEnabled() && !w.discTitle()->isEnabled());
        QCOMPARE(w.buildEngineArguments(), QStringList());

        w.dsdDisc()->setChecked(true);
        QVERIFY(w.playlist()->isEnabled() && w.discTitle()->isEnabled());
        QCOMPARE(w.buildEngineArguments(), QStringList({"--dsd-disc", "--title", "Title", "--no-playlist"}));

        w.discTitle()->setText("  ");
        w.playlist()->setChecked(true);
        QCOMPARE(w.buildEngineArguments(), QStringList({"--dsd-disc"}));

        w.discTitle()->setText("kept");
        w.dsdDisc()->setChecked(false);
        QVERIFY(!w.playlist()->isEnabled() && !w.discTitle()->isEnabled());
        QCOMPARE(w.discTitle()->text(), QStringLiteral("kept"));
        QVERIFY(w.playlist()->isChecked());
    }

    void perTrackOptionsFollowTheDiscOptionsByRow()
    {
        TestWindow w;
        for (const char* name : {"1.dsf", "2.dsf", "3.dsf"})
            w.addTrackFile(w.file(name));
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

    // The output as typed (completed with ".iso") or, when none is typed,
    // derived from the album or the first track's name beside that track.
    void outputPath_data()
    {
        QTest::addColumn<QStringList>("tracks");
        QTest::addColumn<QString>("album");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("output");
        const auto row = [](const char* name, const QStringList& tracks, const QString& album, const QString& typed,
                            const QString& output) { QTest::newRow(name) << tracks << album << typed << output; };
        row("typed", {"1.dsf", "2.dff", "3.dsf"}, "", "disc", "disc.iso");
        row("typed upper suffix", {"a.dsf"}, "", "disc.ISO", "disc.ISO");
        row("typed other suffix", {"a.dsf"}, "", "disc.iso.tmp", "disc.iso.tmp.iso");
        row("from album", {"x/01.dsf"}, "Live: A/B?", "", "x/Live_ A_B_.iso");
        row("every forbidden sign", {"a.dsf"}, "a\\b/c:d*e?f\"g<h>i|j. k", "", "a_b_c_d_e_f_g_h_i_j. k.iso");
        row("blank album: first track", {"01 Intro.dsf", "a.b.dsf"}, "   ", "", "01 Intro.iso");
        row("nameless first track", {".dsf"}, "", "", "SACD.iso");
    }

    void outputPath()
    {
        QFETCH(QStringList, tracks);
        QFETCH(QString, album);
        QFETCH(QString, typed);
        QFETCH(QString, output);
        TestWindow w;
        QStringList paths;
        for (const QString& track : tracks)
            w.addTrackFile(paths.emplace_back(w.file(track)));
        w.album()->setText(album);
        if (!typed.isEmpty())
            w.output()->setText("  " + w.path(typed) + " ");

        const auto arguments = w.prepareJob();
        QVERIFY(arguments);
        const QString expected = w.path(output);
        const QStringList albumOption = album.trimmed().isEmpty() ? QStringList() : QStringList{"--album", album};
        QCOMPARE(*arguments, albumOption + QStringList({"-o", expected}) + paths);
        QCOMPARE(w.output()->text(), expected);
        QCOMPARE(w.jobOutputPath(), expected);
        QCOMPARE(w.logText().contains(QStringLiteral("输出未指定, 使用: %1\n").arg(expected)), typed.isEmpty());
    }

    void refusals()
    {
        TestWindow w;
        ModalAnswerer answerer;

        // No tracks, even with everything else filled: the output is not touched.
        w.album()->setText("Album");
        answerer.answer(QMessageBox::Ok);
        QVERIFY(!w.prepareJob());
        QVERIFY(w.output()->text().isEmpty());

        w.addTrackFile(w.file("a.dsf"));
        const QString engine = w.enginePath();
        w.setEnginePath(QString());
        answerer.answer(QMessageBox::Ok);
        QVERIFY(!w.prepareJob());
        w.setEnginePath(engine);

        // Missing output folder: the box names it absolutely, the typed text stays.
        const QString missing = w.path("missing/disc");
        w.output()->setText(missing);
        answerer.answer(QMessageBox::Ok);
        QVERIFY(!w.prepareJob());
        QCOMPARE(w.output()->text(), missing);
        QVERIFY(w.jobOutputPath().isEmpty());

        QVERIFY(!answerer.hasUnexpected());
        QStringList boxes;
        for (const auto& record : answerer.records())
            boxes << record.title + " | " + record.text + " | " + QString::number(record.buttons.size());
        QCOMPARE(boxes,
                 QStringList({"没有音轨 | 请先添加 DSF/DFF 音轨文件。 | 1",
                              "找不到打包引擎 | 未找到 OrviLathe。请将其放到本程序同目录,\n"
                              "或设置环境变量 ORVI_LATHE_BIN。 | 1",
                              QStringLiteral("输出路径无效 | 输出目录不存在:\n%1\n\n请选择有效的保存位置。 | 1")
                                  .arg(QDir(w.path("missing")).absolutePath())}));
    }

    void autoCloseSettingPersists()
    {
        orvi::openSettings(orvi::kGuiSettingsName)->remove("pack_autoclose");
        {
            TestWindow w;
            QVERIFY(!w.autoClose()->isChecked());
            w.autoClose()->setChecked(true);
        }
        TestWindow w;
        QVERIFY(w.autoClose()->isChecked());
        w.autoClose()->setChecked(false);
        QCOMPARE(orvi::openSettings(orvi::kGuiSettingsName)->value("pack_autoclose").toBool(), false);
    }

    // The program is app/OrviLathe, the working folder work/, ORVI_LATHE_BIN
    // names `environment`. In `files`, "x/" is a folder and "x=" an empty file.
    void searchOrder_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("source");
        const auto row = [](const char* name, const QStringList& files, const QString& environment,
                            const QString& found,
                            const QString& source) { QTest::newRow(name) << files << environment << found << source; };
        const QString beside = QStringLiteral("程序同目录");
        const QStringList program = {"app/OrviLathe", "app/OrviPackEngine"};
        row("environment wins", program + QStringList{"custom/engine"}, "custom/engine", "custom/engine",
            QStringLiteral("环境变量 ORVI_LATHE_BIN"));
        row("environment names a folder", program + QStringList{"custom/"}, "custom", "app/OrviPackEngine", beside);
        row("environment names an empty file", program + QStringList{"custom="}, "custom", "app/OrviPackEngine",
            beside);
        row("environment names nothing", program, "custom", "app/OrviPackEngine", beside);
        const QString release = QStringLiteral("work/release/windows/OrviPackEngine");
        row("release folder", {"app/OrviLathe", release}, "", release, beside);
        row("build folder before release", {"app/OrviLathe", release, "work/build/OrviPackEngine"}, "",
            "work/build/OrviPackEngine", QStringLiteral("开发构建 (build/)"));
        row("the program itself last", {"app/OrviLathe"}, "", "app/OrviLathe",
            QStringLiteral("本程序自身 (未找到 CLI)"));
        row("nothing at all", {"work/"}, "", "", "");
    }

    void searchOrder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, environment);
        QFETCH(QString, found);
        QFETCH(QString, source);
        QTemporaryDir root;
        for (const QString& file : files) {
            if (file.endsWith('/'))
                QDir().mkpath(root.filePath(file));
            else
                touchFile(root.filePath(file.chopped(file.endsWith('=') ? 1 : 0)), file.endsWith('=') ? "" : "x");
        }
        orvi::EngineSearchPlaces places;
        places.programFilePath = root.filePath("app/OrviLathe");
        places.currentDirectory = root.filePath("work");
        places.environmentValue = environment.isEmpty() ? QString() : root.filePath(environment);
        const orvi::EngineLocation location = orvi::findEngine(places);
        QCOMPARE(location.path, found.isEmpty() ? QString() : root.filePath(found));
        QCOMPARE(location.source, source);
    }

    void windowsSpellsExecutablesWithExe()
    {
        QTemporaryDir root;
        const orvi::EngineSearchPlaces places{QString(), root.filePath("app/OrviLathe"), root.filePath("work"), true};
        QStringList paths;
        for (const orvi::EngineCandidate& candidate : orvi::engineCandidates(places))
            paths << QDir(root.path()).relativeFilePath(candidate.path);
        QCOMPARE(paths,
                 QStringList({"app/OrviPackEngine.exe", "work/build/OrviPackEngine",
                              "work/release/windows/OrviPackEngine.exe", "app/OrviLathe"}));
    }

    void windowLogsWhereTheEngineCameFrom()
    {
        QTemporaryDir dir;
        const QString engine = touchFile(dir.filePath("engine-bin"), "engine");
        qputenv("ORVI_LATHE_BIN", engine.toLocal8Bit());
        orvi::test::TestWindow w;
        qunsetenv("ORVI_LATHE_BIN");
        QCOMPARE(w.enginePath(), engine);
        QCOMPARE(w.logText(),
                 QStringLiteral("打包引擎: %1 (来源: 环境变量 ORVI_LATHE_BIN)\n"
                                "就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。\n"
                                "打包引擎: %1\n")
                     .arg(engine));
        QVERIFY(w.banner()->isHidden());
    }
};

QTEST_MAIN(JobArgumentsTest)
#include "tst_job_arguments.moc"
