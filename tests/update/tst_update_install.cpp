// Download, verification and hand-over to the install script, against a real
// server on 127.0.0.1. The script launcher is replaced by a recorder: nothing
// is started and nothing is elevated.
#include "loopback_http_server.h"
#include "update/update_checker.h"
#include "update/update_script.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using orvi::UpdateChecker;
using orvi::UpdateInfo;
using orvi::UpdatePayload;

namespace {

QByteArray patternBytes(int size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + seed) & 0xff);
    return bytes;
}

QString sha256Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct InstallRun {
    QString outcome; // "readyToRestart" or "installFailed"
    QString text;
    int outcomeCount = 0;
    QStringList notes;
    QList<QPair<qint64, qint64>> progress;
    QList<QPair<QString, bool>> launches; // script path, elevate
};

const QString kReady = QStringLiteral("更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。");

} // namespace

class UpdateInstallTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void bothPayloadsVerifiedAndScriptWritten();
    void installerOnly();
    void zipOverwriteOnly();
    void overwriteWithWrongDigestFallsBack();
    void wrongDigestNeverReachesTheScript();
    void wrongSize();
    void upperCaseDigestMatches();
    void progressTotals_data();
    void progressTotals();
    void payloadNameReducedToLastComponent_data();
    void payloadNameReducedToLastComponent();
    void downloadFailures();
    void failedOverwriteWithoutInstaller();
    void noUsablePayload();
    void launchFailure();
    void downloadFileCannotBeCreated();
    void scriptCannotBeWritten();
    void streamsToDiskWhileDownloading();

private:
    UpdatePayload payload(const QString& path, const QByteArray& bytes, const QString& name = QString()) const;
    InstallRun runInstall(const UpdateInfo& info, orvi::platform::ScriptLaunch launchResult = {true, 0});
    QString downloads() const { return UpdateChecker::downloadDirectory(); }

    QTemporaryDir m_temp;
    QTemporaryDir m_certificateDir;
    LoopbackHttpServer m_http;
    LoopbackHttpServer m_https;
    const QByteArray m_overwriteBytes = patternBytes(300000, 1);
    const QByteArray m_installerBytes = patternBytes(120000, 7);
};

void UpdateInstallTest::initTestCase()
{
    QVERIFY(m_temp.isValid());
    // The download folder lies under the temporary folder: keep it inside this test's own.
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    qputenv("TMP", QFile::encodeName(QDir::toNativeSeparators(m_temp.path()))); // Windows
    QCOMPARE(downloads(), m_temp.path() + QStringLiteral("/orvi-update"));
    QVERIFY(m_http.listen());
    m_http.serve(QStringLiteral("/OrviLathe.bin"), m_overwriteBytes);
    m_http.serve(QStringLiteral("/setup.run"), m_installerBytes);
    QSslCertificate certificate;
    QSslKey key;
    QVERIFY2(makeTrustedLoopbackCertificate(m_certificateDir.path(), &certificate, &key), "openssl failed");
    QVERIFY(m_https.listenTls(certificate, key));
}

void UpdateInstallTest::init()
{
    QDir(downloads()).removeRecursively();
}

UpdatePayload UpdateInstallTest::payload(const QString& path, const QByteArray& bytes, const QString& name) const
{
    UpdatePayload p;
    p.name = name.isNull() ? QFileInfo(path).fileName() : name;
    p.url = m_http.url(path);
    p.size = bytes.size();
    p.sha256 = sha256Hex(bytes);
    return p;
}

InstallRun UpdateInstallTest::runInstall(const UpdateInfo& info, orvi::platform::ScriptLaunch launchResult)
{
    InstallRun run;
    UpdateChecker checker;
    checker.setScriptLauncher([&run, launchResult](const QString& scriptPath, bool elevate) {
        run.launches.append({scriptPath, elevate});
        return launchResult;
    });
    connect(&checker, &UpdateChecker::readyToRestart, this, [&run](const QString& note) {
        run.outcome = QStringLiteral("readyToRestart");
        run.text = note;
        ++run.outcomeCount;
    });
    connect(&checker, &UpdateChecker::installFailed, this, [&run](const QString& reason) {
        run.outcome = QStringLiteral("installFailed");
        run.text = reason;
        ++run.outcomeCount;
    });
    connect(&checker, &UpdateChecker::statusNote, this, [&run](const QString& note) { run.notes.append(note); });
    connect(&checker, &UpdateChecker::progress, this,
            [&run](qint64 done, qint64 total) { run.progress.append({done, total}); });
    checker.startInstall(info);
    QDeadlineTimer deadline(20000);
    while (run.outcomeCount == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(30);
    return run;
}

void UpdateInstallTest::bothPayloadsVerifiedAndScriptWritten()
{
    UpdateInfo info;
    info.version = QStringLiteral("6.77.0");
    info.overwrite = payload(QStringLiteral("/OrviLathe.bin"), m_overwriteBytes);
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
    const int overwriteHits = m_http.hits(QStringLiteral("/OrviLathe.bin"));
    const InstallRun run = runInstall(info);

    QCOMPARE(run.outcomeCount, 1);
    QCOMPARE(run.outcome, QStringLiteral("readyToRestart"));
    QCOMPARE(run.text, kReady);
    QVERIFY(run.notes.isEmpty());
    QCOMPARE(m_http.hits(QStringLiteral("/OrviLathe.bin")), overwriteHits + 1);

    const QString overwritePath = downloads() + QStringLiteral("/OrviLathe.bin");
    const QString installerPath = downloads() + QStringLiteral("/setup.run");
    QCOMPARE(readAll(overwritePath), m_overwriteBytes);
    QCOMPARE(readAll(installerPath), m_installerBytes);

    const QString scriptPath = downloads() + QLatin1Char('/') + orvi::nativeUpdateScriptFileName();
    const bool writable = QFileInfo(QCoreApplication::applicationDirPath()).isWritable();
    QCOMPARE(run.launches.size(), 1);
    QCOMPARE(run.launches.at(0).first, QDir::toNativeSeparators(scriptPath));
    QCOMPARE(run.launches.at(0).second, !writable);

    orvi::UpdateScriptInputs expected;
    expected.processId = QCoreApplication::applicationPid();
    expected.overwritePath = QDir::toNativeSeparators(overwritePath);
    expected.installerPath = QDir::toNativeSeparators(installerPath);
    expected.programDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    expected.programFile = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    expected.elevate = !writable;
    QCOMPARE(readAll(scriptPath), orvi::nativeUpdateScript(expected).toUtf8());
}

void UpdateInstallTest::installerOnly()
{
    UpdateInfo info;
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
    const int overwriteHits = m_http.hits(QStringLiteral("/OrviLathe.bin"));
    const InstallRun run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("readyToRestart"));
    QCOMPARE(m_http.hits(QStringLiteral("/OrviLathe.bin")), overwriteHits);
    QCOMPARE(QDir(downloads()).entryList(QDir::Files, QDir::Name),
             QStringList({orvi::nativeUpdateScriptFileName(), QStringLiteral("setup.run")}));
    const QByteArray script = readAll(downloads() + QLatin1Char('/') + orvi::nativeUpdateScriptFileName());
    QVERIFY(script.contains(QDir::toNativeSeparators(downloads() + QStringLiteral("/setup.run")).toUtf8()));
    QVERIFY(!script.contains("cp -f") && !script.contains("copy /Y") && !script.contains("unzip"));
}

void UpdateInstallTest::zipOverwriteOnly()
{
    m_http.serve(QStringLiteral("/Update.ZIP"), m_overwriteBytes);
    UpdateInfo info;
    info.overwrite = payload(QStringLiteral("/Update.ZIP"), m_overwriteBytes);
    const InstallRun run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("readyToRestart"));
    const QByteArray script = readAll(downloads() + QLatin1Char('/') + orvi::nativeUpdateScriptFileName());
    QVERIFY(script.contains("unzip") || script.contains("Expand-Archive"));
}

void UpdateInstallTest::overwriteWithWrongDigestFallsBack()
{
    UpdateInfo info;
    info.overwrite = payload(QStringLiteral("/OrviLathe.bin"), m_overwriteBytes);
    info.overwrite.sha256 = sha256Hex("something else");
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
    const InstallRun run = runInstall(info);

    const QString mismatch = QStringLiteral("校验和不匹配, 已丢弃 (期望 %1, 实际 %2)")
                                 .arg(info.overwrite.sha256.left(16), sha256Hex(m_overwriteBytes).left(16));
    QCOMPARE(run.notes, QStringList{QStringLiteral("覆盖载荷不可用 (%1)，改用安装包").arg(mismatch)});
    QVERIFY(!QFile::exists(downloads() + QStringLiteral("/OrviLathe.bin")));
    QCOMPARE(run.outcome, QStringLiteral("readyToRestart"));
    const QByteArray script = readAll(downloads() + QLatin1Char('/') + orvi::nativeUpdateScriptFileName());
    QVERIFY(!script.contains("OrviLathe.bin"));
    QVERIFY(script.contains("setup.run"));
}

void UpdateInstallTest::wrongDigestNeverReachesTheScript()
{
    UpdateInfo info;
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
    info.installer.sha256 = QString(64, QLatin1Char('0'));
    const InstallRun run = runInstall(info);
    QCOMPARE(run.outcomeCount, 1);
    QCOMPARE(run.outcome, QStringLiteral("installFailed"));
    QCOMPARE(run.text, QStringLiteral("校验和不匹配, 已丢弃 (期望 0000000000000000, 实际 %1)")
                           .arg(sha256Hex(m_installerBytes).left(16)));
    QVERIFY(run.launches.isEmpty());
    QVERIFY(QDir(downloads()).entryList(QDir::Files).isEmpty());
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/setup.run")));
}

void UpdateInstallTest::wrongSize()
{
    UpdateInfo info;
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
    info.installer.size += 1;
    const InstallRun run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("installFailed"));
    QCOMPARE(run.text, QStringLiteral("下载文件大小不符 (期望 120001 字节, 实际 120000)"));
    QVERIFY(!QFile::exists(downloads() + QStringLiteral("/setup.run")));
    QVERIFY(run.launches.isEmpty());
}

void UpdateInstallTest::upperCaseDigestMatches()
{
    UpdateInfo info;
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
    info.installer.sha256 = info.installer.sha256.toUpper();
    const InstallRun run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("readyToRestart"));
}

void UpdateInstallTest::progressTotals_data()
{
    QTest::addColumn<bool>("serverSendsLength");
    QTest::addColumn<qint64>("manifestSize");
    QTest::addColumn<qint64>("expectedTotal");
    QTest::newRow("size 0, server length") << true << qint64(0) << qint64(120000);
    QTest::newRow("size 0, no server length: nothing to show") << false << qint64(0) << qint64(0);
    QTest::newRow("size given, no server length") << false << qint64(120000) << qint64(120000);
}

void UpdateInstallTest::progressTotals()
{
    QFETCH(bool, serverSendsLength);
    QFETCH(qint64, manifestSize);
    QFETCH(qint64, expectedTotal);
    LoopbackHttpServer::Response response;
    response.body = m_installerBytes;
    response.sendLength = serverSendsLength;
    // Progress reports come at most every so often: hold the answer back, then
    // send a first part and pause, so that one arrives before the end.
    response.delayMs = 250;
    response.pauseAfterBytes = 60000;
    response.pauseMs = 250;
    m_http.setResponse(QStringLiteral("/progress.run"), response);

    UpdateInfo info;
    info.installer = payload(QStringLiteral("/progress.run"), m_installerBytes);
    info.installer.size = manifestSize;
    const InstallRun run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("readyToRestart"));
    const qint64 size = m_installerBytes.size();
    QVERIFY(!run.progress.isEmpty());
    QCOMPARE(run.progress.last().first, size);
    int before = 0;
    for (const auto& step : run.progress) {
        if (step.first < size) {
            QCOMPARE(step.second, expectedTotal);
            ++before;
        }
    }
    QVERIFY(before > 0);
    // At the end the network layer knows the length even when the server did not say it.
    QCOMPARE(run.progress.last().second, size);
}

void UpdateInstallTest::payloadNameReducedToLastComponent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("savedAs");
    QTest::newRow("folders") << "sub/dir/setup.exe" << "setup.exe";
    QTest::newRow("climbing out") << "../../escape.bin" << "escape.bin";
    QTest::newRow("backslashes") << "..\\..\\win.bin" << "win.bin";
    QTest::newRow("absolute") << "/etc/orvi.bin" << "orvi.bin";
    QTest::newRow("empty: the address names it") << "" << "setup.run";
    QTest::newRow("parent only: the address names it") << ".." << "setup.run";
}

void UpdateInstallTest::payloadNameReducedToLastComponent()
{
    QFETCH(QString, name);
    QFETCH(QString, savedAs);
    UpdateInfo info;
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes, name);
    const InstallRun run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("readyToRestart"));
    QCOMPARE(readAll(downloads() + QLatin1Char('/') + savedAs), m_installerBytes);
    QCOMPARE(QDir(m_temp.path()).entryList(QDir::Files), QStringList());
}

void UpdateInstallTest::downloadFailures()
{
    UpdateInfo info;
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
    info.installer.url = closedLoopbackUrl(QStringLiteral("/setup.run"));
    InstallRun run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("installFailed"));
    QCOMPARE(run.text, QStringLiteral("下载失败: Connection refused"));
    QVERIFY(!QFile::exists(downloads() + QStringLiteral("/setup.run")));

    info.installer.url = m_http.url(QStringLiteral("/gone.run"));
    run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("installFailed"));
    QVERIFY2(run.text.startsWith(QStringLiteral("下载失败: ")) && run.text.contains(QStringLiteral("Not Found")),
             qPrintable(run.text));
    QVERIFY(!QFile::exists(downloads() + QStringLiteral("/setup.run")));

    LoopbackHttpServer::Response redirect;
    redirect.status = 302;
    redirect.location = m_http.url(QStringLiteral("/setup.run")).toEncoded();
    m_https.setResponse(QStringLiteral("/setup.run"), redirect);
    const int plainHits = m_http.hits(QStringLiteral("/setup.run"));
    info.installer.url = m_https.url(QStringLiteral("/setup.run"));
    run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("installFailed"));
    QCOMPARE(run.text, QStringLiteral("下载失败: Insecure redirect"));
    QCOMPARE(m_http.hits(QStringLiteral("/setup.run")), plainHits);
    QVERIFY(run.launches.isEmpty());
}

void UpdateInstallTest::failedOverwriteWithoutInstaller()
{
    UpdateInfo info;
    info.overwrite = payload(QStringLiteral("/OrviLathe.bin"), m_overwriteBytes);
    info.overwrite.size = 5;
    const InstallRun run = runInstall(info);
    QCOMPARE(run.notes, QStringList{QStringLiteral("覆盖载荷不可用 (下载文件大小不符 (期望 5 字节, 实际 300000))，改用安装包")});
    QCOMPARE(run.outcome, QStringLiteral("installFailed"));
    QCOMPARE(run.text, QStringLiteral("没有可用的更新载荷"));
    QVERIFY(run.launches.isEmpty());
}

void UpdateInstallTest::noUsablePayload()
{
    UpdateInfo info;
    info.overwrite.url = m_http.url(QStringLiteral("/OrviLathe.bin")); // no digest
    info.installer.sha256 = sha256Hex(m_installerBytes);             // no address
    const InstallRun run = runInstall(info);
    QCOMPARE(run.outcomeCount, 1);
    QCOMPARE(run.outcome, QStringLiteral("installFailed"));
    QCOMPARE(run.text, QStringLiteral("清单里既没有覆盖载荷也没有安装包"));
}

void UpdateInstallTest::launchFailure()
{
    UpdateInfo info;
    info.overwrite = payload(QStringLiteral("/OrviLathe.bin"), m_overwriteBytes);
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
    const InstallRun run = runInstall(info, {false, 1223});
    QCOMPARE(run.launches.size(), 1);
    QCOMPARE(run.outcome, QStringLiteral("installFailed"));
    QCOMPARE(run.text, QStringLiteral("提权启动更新失败 (错误码 1223)。载荷已下载并校验通过, 可手动更新:\n")
                           + QDir::toNativeSeparators(downloads() + QStringLiteral("/OrviLathe.bin")));
}

void UpdateInstallTest::downloadFileCannotBeCreated()
{
    // A folder where the download should go makes the file impossible to open.
    QVERIFY(QDir().mkpath(downloads() + QStringLiteral("/OrviLathe.bin")));
    UpdateInfo info;
    info.overwrite = payload(QStringLiteral("/OrviLathe.bin"), m_overwriteBytes);
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
    InstallRun run = runInstall(info);
    QVERIFY(run.notes.isEmpty()); // the installer takes over silently
    QCOMPARE(run.outcome, QStringLiteral("readyToRestart"));

    QVERIFY(QDir().mkpath(downloads() + QStringLiteral("/setup.run.blocked")));
    info.overwrite = UpdatePayload();
    info.installer.name = QStringLiteral("setup.run.blocked");
    run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("installFailed"));
    QCOMPARE(run.text, QStringLiteral("无法写入临时文件: %1").arg(downloads() + QStringLiteral("/setup.run.blocked")));
}

void UpdateInstallTest::scriptCannotBeWritten()
{
    const QString scriptPath = downloads() + QLatin1Char('/') + orvi::nativeUpdateScriptFileName();
    QVERIFY(QDir().mkpath(scriptPath));
    UpdateInfo info;
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
    const InstallRun run = runInstall(info);
    QCOMPARE(run.outcome, QStringLiteral("installFailed"));
    QCOMPARE(run.text, QStringLiteral("无法写更新脚本: %1").arg(scriptPath));
    QVERIFY(run.launches.isEmpty());
}

void UpdateInstallTest::streamsToDiskWhileDownloading()
{
    const QByteArray big = patternBytes(2 * 1024 * 1024, 3);
    LoopbackHttpServer::Response response;
    response.body = big;
    response.pauseAfterBytes = 1024 * 1024;
    response.pauseMs = 1500;
    m_http.setResponse(QStringLiteral("/big.run"), response);

    UpdateInfo info;
    info.installer = payload(QStringLiteral("/big.run"), big);
    UpdateChecker checker;
    checker.setScriptLauncher([](const QString&, bool) { return orvi::platform::ScriptLaunch{true, 0}; });
    QSignalSpy ready(&checker, &UpdateChecker::readyToRestart);
    checker.startInstall(info);
    // While the server holds back the second half, the first is on disk already.
    const QString path = downloads() + QStringLiteral("/big.run");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 512 * 1024, 10000);
    QVERIFY(QFileInfo(path).size() < big.size());
    QVERIFY(ready.isEmpty());
    QVERIFY(ready.wait(10000));
    QCOMPARE(readAll(path), big);
}

QTEST_MAIN(UpdateInstallTest)
#include "tst_update_install.moc"
