#include "test_fixture.h"
#include "window_access.h"

#include "gui/engine_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using orvi::test::touchFile;

namespace {

// A program folder and a working folder, both empty at first.
struct SearchTree {
    QTemporaryDir root;
    QString programFolder() const { return root.filePath("app"); }
    QString workFolder() const { return root.filePath("work"); }

    orvi::EngineSearchPlaces places(bool exeNames = false) const
    {
        QDir().mkpath(programFolder());
        QDir().mkpath(workFolder());
        orvi::EngineSearchPlaces p;
        p.programFilePath = touchFile(programFolder() + "/OrviLathe", "program");
        p.currentDirectory = workFolder();
        p.exeSuffixedNames = exeNames;
        return p;
    }
};

} // namespace

class EngineLocationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }

    void environmentVariableWins()
    {
        SearchTree tree;
        orvi::EngineSearchPlaces places = tree.places();
        touchFile(tree.programFolder() + "/OrviPackEngine", "engine");
        places.environmentValue = touchFile(tree.root.filePath("custom/engine"), "engine");
        const orvi::EngineLocation found = orvi::findEngine(places);
        QCOMPARE(found.path, places.environmentValue);
        QCOMPARE(found.source, QStringLiteral("环境变量 ORVI_LATHE_BIN"));
    }

    void unusableEnvironmentValueIsSkipped_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("missing") << "missing";
    }

    void unusableEnvironmentValueIsSkipped()
    {
        QFETCH(QString, kind);
        SearchTree tree;
        orvi::EngineSearchPlaces places = tree.places();
        const QString besideProgram = touchFile(tree.programFolder() + "/OrviPackEngine", "engine");
        places.environmentValue = tree.root.filePath("custom");
        if (kind == "folder")
            QDir().mkpath(places.environmentValue);
        else if (kind == "empty")
            touchFile(places.environmentValue);
        const orvi::EngineLocation found = orvi::findEngine(places);
        QCOMPARE(found.path, besideProgram);
        QCOMPARE(found.source, QStringLiteral("程序同目录"));
    }

    void workingFolderCandidatesAndTheirLabels()
    {
        SearchTree tree;
        const orvi::EngineSearchPlaces places = tree.places();
        const QString release = touchFile(tree.workFolder() + "/release/windows/OrviPackEngine", "engine");
        orvi::EngineLocation found = orvi::findEngine(places);
        QCOMPARE(found.path, release);
        QCOMPARE(found.source, QStringLiteral("程序同目录"));

        const QString build = touchFile(tree.workFolder() + "/build/OrviPackEngine", "engine");
        found = orvi::findEngine(places);
        QCOMPARE(found.path, build);
        QCOMPARE(found.source, QStringLiteral("开发构建 (build/)"));
    }

    void programItselfIsTheLastResort()
    {
        SearchTree tree;
        orvi::EngineSearchPlaces places = tree.places();
        orvi::EngineLocation found = orvi::findEngine(places);
        QCOMPARE(found.path, places.programFilePath);
        QCOMPARE(found.source, QStringLiteral("本程序自身 (未找到 CLI)"));

        places.programFilePath = tree.root.filePath("gone/OrviLathe");
        found = orvi::findEngine(places);
        QVERIFY(found.path.isEmpty());
        QVERIFY(found.source.isEmpty());
    }

    void windowsSpellsExecutablesWithExe()
    {
        SearchTree tree;
        QStringList paths;
        for (const orvi::EngineCandidate& candidate : orvi::engineCandidates(tree.places(true)))
            paths << QDir(tree.root.path()).relativeFilePath(candidate.path);
        QCOMPARE(paths,
                 QStringList({"app/OrviPackEngine.exe", "work/build/OrviPackEngine",
                              "work/release/windows/OrviPackEngine.exe", "app/OrviLathe"}));
        QCOMPARE(orvi::executableFileName("OrviPackEngine.exe", false), QStringLiteral("OrviPackEngine"));
        QCOMPARE(orvi::executableFileName("OrviPackEngine.exe", true), QStringLiteral("OrviPackEngine.exe"));
    }

    void windowLogsWhereTheEngineCameFrom()
    {
        QTemporaryDir dir;
        const QString engine = touchFile(dir.filePath("engine-bin"), "engine");
        qputenv("ORVI_LATHE_BIN", engine.toLocal8Bit());
        {
            PackGuiWindow window;
            PackGuiWindowTestAccess w(window);
            QCOMPARE(w.enginePath(), engine);
            QCOMPARE(w.logText(),
                     QStringLiteral("打包引擎: %1 (来源: 环境变量 ORVI_LATHE_BIN)\n"
                                    "就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。\n"
                                    "打包引擎: %1\n")
                         .arg(engine));
            QVERIFY(w.banner()->isHidden());
        }
        qunsetenv("ORVI_LATHE_BIN");
    }
};

QTEST_MAIN(EngineLocationTest)
#include "tst_engine_location.moc"
