// Runs the built program: the hand-off to the engine, the smoke line in each
// language and the screenshot switch.
#include "test_env.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    // A command line led by a dash goes to the engine ("-o" without a value
    // is its usage error, 2) and opens no window; Qt's own options are taken
    // out first; anything else starts the interface and its smoke line. A
    // screenshot that cannot be written is reported, and the program goes on.
    void run_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shot"); // a file in the settings folder; "@" in `out` stands for its path
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");   // standard output, a pattern
        QTest::addColumn<QString>("smoke"); // the smoke line, a pattern; empty: none
        const QString version = QRegularExpression::escape(QStringLiteral("OrviPackEngine " ORVI_VERSION_STRING));
        const QString en = QStringLiteral("en"), none, anySmoke = QStringLiteral("ORVI_SMOKE .*");
        const QStringList noArguments;
        QTest::newRow("--version") << QStringList{"--version"} << en << none << 0 << version << none;
        QTest::newRow("usage error") << QStringList{"-o"} << en << none << 2 << none << none;
        QTest::newRow("Qt option first") << QStringList{"-platform", "offscreen", "--version"} << en << none << 0
                                         << version << none;
        QTest::newRow("file name") << QStringList{"some-file.dsf"} << en << none << 0 << none << anySmoke;
        QTest::newRow("English") << noArguments << en << none << 0 << none
                                 << QStringLiteral(
                                        "ORVI_SMOKE lang=75 zh=0 locname=\\S+ res_exists=1 sample=▶  Start packing");
        QTest::newRow("Chinese") << noArguments << QStringLiteral("zh_CN") << none << 0 << none
                                 << QStringLiteral("ORVI_SMOKE lang=58 zh=1 .* res_exists=1 sample=▶  开始打包");
        QTest::newRow("screenshot") << noArguments << en << QStringLiteral("window.png") << 0
                                    << QStringLiteral("\\[shot\\] saved -> @ \\(visible=1 1180x760\\)") << anySmoke;
        QTest::newRow("screenshot to a missing folder")
            << noArguments << en << QStringLiteral("no/such/dir/shot.png") << 0
            << QStringLiteral("\\[shot\\] FAILED -> @ \\(visible=1 .*") << anySmoke;
    }
    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(QString, shot);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, smoke);
        QTemporaryDir settings;
        QProcessEnvironment environment = orvi::test::programEnvironment(settings.path(), language);
        environment.insert(QStringLiteral("ORVI_GUI_SMOKE"), QStringLiteral("1"));
        const QString shotPath = settings.filePath(shot);
        if (!shot.isEmpty())
            environment.insert(QStringLiteral("ORVI_GUI_SHOT"), shotPath);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(orvi::test::programPath(), arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);

        const QString printed = QString::fromUtf8(program.readAllStandardOutput()).trimmed();
        out.replace(QLatin1Char('@'), QRegularExpression::escape(shotPath));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(out)).match(printed).hasMatch(),
                 qPrintable(printed));
        const QString smokeLines = orvi::test::outputLines(program.readAllStandardError())
                                       .filter(QRegularExpression(QStringLiteral("^ORVI_SMOKE")))
                                       .join(QLatin1Char('\n'));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(smoke)).match(smokeLines).hasMatch(),
                 qPrintable(smokeLines));
        if (!shot.isEmpty())
            QCOMPARE(QFileInfo(shotPath).size() > 0, out.contains(QLatin1String("saved")));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
