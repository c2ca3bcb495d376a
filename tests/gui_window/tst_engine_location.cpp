#include "test_fixture.h"

#include "gui/engine_location.h"

#include <QtTest>

using orvi::test::touchFile;

class EngineLocationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }

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

QTEST_MAIN(EngineLocationTest)
#include "tst_engine_location.moc"
