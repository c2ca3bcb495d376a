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

    void dashLedCommandLineGoesToEngine()
    {
        const RunResult version = runProgram({QStringLiteral("--version")}, env);
        QCOMPARE(version.status, QProcess::NormalExit);
        QCOMPARE(version.exitCode, 0);
        QVERIFY2(version.out.contains(ORVI_VERSION_STRING), version.out.constData());
        QVERIFY(!version.err.contains("ORVI_SMOKE"));

        // "-o" without a value is a usage error of the engine: exit code 2,
        // and no window (the smoke switch would otherwise print its line).
        QProcessEnvironment smokeEnv = env;
        smokeEnv.insert(QStringLiteral("ORVI_GUI_SMOKE"), QStringLiteral("1"));
        const RunResult usage = runProgram({QStringLiteral("-o")}, smokeEnv);
        QCOMPARE(usage.status, QProcess::NormalExit);
        QCOMPARE(usage.exitCode, 2);
        QVERIFY(!usage.err.contains("ORVI_SMOKE"));
    }

    void qtOptionIsConsumedBeforeTheHandOff()
    {
        const RunResult result =
            runProgram({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--version")}, env);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains(ORVI_VERSION_STRING), result.out.constData());
    }

    void nonDashArgumentStartsTheInterface()
    {
        env.insert(QStringLiteral("ORVI_GUI_SMOKE"), QString());
        const RunResult result = runProgram({QStringLiteral("some-file.dsf")}, env);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(!smokeLineOf(result.err).isEmpty(), result.err.constData());
    }

    void smokeLine_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("English") << "" << "^ORVI_SMOKE lang=75 zh=0 locname=\\S+ res_exists=1 sample=▶  Start packing$";
        QTest::newRow("Chinese") << "zh_CN" << "^ORVI_SMOKE lang=58 zh=1 .* res_exists=1 sample=▶  开始打包$";
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

    void screenshotIntoMissingDirectoryFailsAndProgramContinues()
    {
        const QString shotPath = settingsDir.filePath(QStringLiteral("no/such/dir/shot.png"));
        env.insert(QStringLiteral("ORVI_GUI_SHOT"), shotPath);
        env.insert(QStringLiteral("ORVI_GUI_SMOKE"), QStringLiteral("1"));
        const RunResult result = runProgram({}, env);
        QCOMPARE(result.exitCode, 0);
        const QString expected = QStringLiteral("[shot] FAILED -> %1 (visible=1 ").arg(shotPath);
        QVERIFY2(QString::fromUtf8(result.out).contains(expected), result.out.constData());
        // The smoke line comes after the screenshot: the program went on.
        QVERIFY(!smokeLineOf(result.err).isEmpty());
        QVERIFY(!QFileInfo::exists(shotPath));
    }

    void screenshotIsSaved()
    {
        const QString shotPath = settingsDir.filePath(QStringLiteral("window.png"));
        env.insert(QStringLiteral("ORVI_GUI_SHOT"), shotPath);
        env.insert(QStringLiteral("ORVI_GUI_SMOKE"), QStringLiteral("1"));
        const RunResult result = runProgram({}, env);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(QString::fromUtf8(result.out).contains(
                     QStringLiteral("[shot] saved -> %1 (visible=1 1180x760)").arg(shotPath)),
                 result.out.constData());
        QVERIFY(QFileInfo(shotPath).size() > 0);
    }

private:
    QTemporaryDir settingsDir;
    QProcessEnvironment env;
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
