// Runs the real program as a child process: engine hand-off, smoke line,
// screenshot switch and the settings directory.

#include "test_env.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct RunResult {
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray out;
    QByteArray err;
};

RunResult runProgram(const QStringList& arguments, const QProcessEnvironment& env, int timeoutMs = 20000)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(orvi::test::programPath(), arguments);
    RunResult result;
    if (!process.waitForStarted(5000))
        return result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
    }
    result.exitCode = process.exitCode();
    result.status = process.exitStatus();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString smokeLineOf(const QByteArray& err)
{
    const QStringList smoke = orvi::test::outputLines(err).filter(QRegularExpression(QStringLiteral("^ORVI_SMOKE")));
    return smoke.isEmpty() ? QString() : smoke.first();
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(settingsDir.isValid());
        env = orvi::test::programEnvironment(settingsDir.path());
    }

    // A command line led by a dash goes to the engine ("-o" without a value
    // is its usage error, 2) and opens no window; Qt's own options are taken
    // out first; anything else starts the interface.
    void handOff_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("showsVersion");
        QTest::addColumn<bool>("opensWindow");
        QTest::newRow("--version") << QStringList{"--version"} << 0 << true << false;
        QTest::newRow("usage error") << QStringList{"-o"} << 2 << false << false;
        QTest::newRow("Qt option first") << QStringList{"-platform", "offscreen", "--version"} << 0 << true << false;
        QTest::newRow("file name") << QStringList{"some-file.dsf"} << 0 << false << true;
    }
    void handOff()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(bool, showsVersion);
        QFETCH(bool, opensWindow);
        env.insert(QStringLiteral("ORVI_GUI_SMOKE"), QStringLiteral("1"));
        const RunResult result = runProgram(arguments, env);
        QCOMPARE(result.status, QProcess::NormalExit);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out.contains(ORVI_VERSION_STRING), showsVersion);
        QCOMPARE(!smokeLineOf(result.err).isEmpty(), opensWindow);
    }

    void smokeLine_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("English") << ""
                                 << "^ORVI_SMOKE lang=75 zh=0 locname=\\S+ res_exists=1 sample=▶  Start packing$";
        QTest::newRow("Chinese") << "zh_CN"
                                 << "^ORVI_SMOKE lang=58 zh=1 .* res_exists=1 sample=▶  开始打包$";
    }
    void smokeLine()
    {
        QFETCH(QString, language);
        QFETCH(QString, pattern);
        env.insert(QStringLiteral("ORVI_GUI_SMOKE"), QStringLiteral("1"));
        if (!language.isEmpty())
            env.insert(QStringLiteral("ORVI_LANG"), language);
        const RunResult result = runProgram({}, env);
        QCOMPARE(result.status, QProcess::NormalExit);
        QCOMPARE(result.exitCode, 0);
        const QString line = smokeLineOf(result.err);
        QVERIFY2(QRegularExpression(pattern).match(line).hasMatch(), qPrintable(line));
    }

    // A screenshot that cannot be written is reported and the program goes
    // on to its smoke line.
    void screenshot_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("report");
        QTest::newRow("saved") << "window.png"
                               << "[shot] saved -> %1 (visible=1 1180x760)";
        QTest::newRow("missing folder") << "no/such/dir/shot.png"
                                        << "[shot] FAILED -> %1 (visible=1 ";
    }
    void screenshot()
    {
        QFETCH(QString, file);
        QFETCH(QString, report);
        const QString shotPath = settingsDir.filePath(file);
        env.insert(QStringLiteral("ORVI_GUI_SHOT"), shotPath);
        env.insert(QStringLiteral("ORVI_GUI_SMOKE"), QStringLiteral("1"));
        const RunResult result = runProgram({}, env);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(QString::fromUtf8(result.out).contains(report.arg(shotPath)), result.out.constData());
        QVERIFY(!smokeLineOf(result.err).isEmpty());
        QCOMPARE(QFileInfo(shotPath).size() > 0, file == QLatin1String("window.png"));
    }

private:
    QTemporaryDir settingsDir;
    QProcessEnvironment env;
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
