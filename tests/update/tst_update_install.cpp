// Download, verification and hand-over to the install script, against servers
// on 127.0.0.1. The script launcher is replaced by a recorder: nothing is
// started and nothing is elevated.
#include "loopback_http_server.h"
#include "test_env.h"
#include "update/update_script.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

using orvi::UpdateChecker;
using orvi::UpdateInfo;
using orvi::UpdatePayload;
using orvi::test::readFileBytes;
using orvi::test::sha256Hex;

namespace {

QByteArray patternBytes(int size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + seed) & 0xff);
    return bytes;
}

struct InstallRun {
    QStringList outcomes; // "readyToRestart" or "installFailed <reason>"
    QStringList notes;
    QList<QPair<QString, bool>> launches; // script path, elevate
};

using InfoChange = std::function<void(UpdateInfo&)>;

QString downloads()
{
    return UpdateChecker::downloadDirectory();
}

} // namespace

Q_DECLARE_METATYPE(InfoChange)

class UpdateInstallTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QDir(downloads()).removeRecursively(); }
    void bothPayloadsVerifiedAndScriptWritten();
    void outcomes_data();
    void outcomes();
    void payloadNameReducedToLastComponent_data();
    void payloadNameReducedToLastComponent();
    void oversizedPayloadIsCutShort();

private:
    UpdatePayload payload(const QString& path, const QByteArray& bytes, const QString& name = QString()) const
    {
        return {name.isNull() ? QFileInfo(path).fileName() : name, m_http.url(path), bytes.size(), sha256Hex(bytes)};
    }
    UpdateInfo bothPayloads() const
    {
        UpdateInfo info;
        info.overwrite = payload(QStringLiteral("/OrviLathe.bin"), m_overwriteBytes);
        info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes);
        return info;
    }
    InstallRun runInstall(const UpdateInfo& info, orvi::platform::ScriptLaunch launchResult = {true, 0});

    QTemporaryDir m_temp;
    LoopbackHttpServer m_http;
    LoopbackHttpServer m_https;
    const QByteArray m_overwriteBytes = patternBytes(300000, 1);
    const QByteArray m_installerBytes = patternBytes(120000, 7);
};

void UpdateInstallTest::initTestCase()
{
    // The download folder lies under the temporary folder: keep it inside this test's own.
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    qputenv("TMP", QFile::encodeName(QDir::toNativeSeparators(m_temp.path()))); // Windows
    QCOMPARE(downloads(), m_temp.path() + QStringLiteral("/orvi-update"));
    QVERIFY(m_http.listen());
    m_http.serve(QStringLiteral("/OrviLathe.bin"), m_overwriteBytes);
    m_http.serve(QStringLiteral("/setup.run"), m_installerBytes);
    QVERIFY2(m_https.listen(true), "no certificate from openssl");
}

InstallRun UpdateInstallTest::runInstall(const UpdateInfo& info, orvi::platform::ScriptLaunch launchResult)
{
    InstallRun run;
    UpdateChecker checker;
    checker.setScriptLauncher([&run, launchResult](const QString& scriptPath, bool elevate) {
        run.launches.append({scriptPath, elevate});
        return launchResult;
    });
    connect(&checker, &UpdateChecker::readyToRestart, this,
            [&run](const QString& note) { run.outcomes << QStringLiteral("readyToRestart ") + note; });
    connect(&checker, &UpdateChecker::installFailed, this,
            [&run](const QString& reason) { run.outcomes << QStringLiteral("installFailed ") + reason; });
    connect(&checker, &UpdateChecker::statusNote, this, [&run](const QString& note) { run.notes.append(note); });
    checker.startInstall(info);
    QDeadlineTimer deadline(20000);
    while (run.outcomes.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(30);
    return run;
}

void UpdateInstallTest::bothPayloadsVerifiedAndScriptWritten()
{
    const int overwriteHits = m_http.hits(QStringLiteral("/OrviLathe.bin"));
    const InstallRun run = runInstall(bothPayloads());
    QCOMPARE(run.outcomes,
             QStringList{QStringLiteral("readyToRestart 更新已下载并校验通过。程序将退出, "
                                        "由系统完成更新后自动重新启动。")});
    QVERIFY(run.notes.isEmpty());
    QCOMPARE(m_http.hits(QStringLiteral("/OrviLathe.bin")), overwriteHits + 1);
    const QString overwritePath = downloads() + QStringLiteral("/OrviLathe.bin");
    const QString installerPath = downloads() + QStringLiteral("/setup.run");
    QCOMPARE(readFileBytes(overwritePath), m_overwriteBytes);
    QCOMPARE(readFileBytes(installerPath), m_installerBytes);

    // The script gets both verified files, this process and its folder, and is
    // elevated when that folder cannot be written.
    const QString scriptPath = downloads() + QLatin1Char('/') + orvi::nativeUpdateScriptFileName();
    const bool writable = QFileInfo(QCoreApplication::applicationDirPath()).isWritable();
    QCOMPARE(run.launches, (QList<QPair<QString, bool>>{{QDir::toNativeSeparators(scriptPath), !writable}}));
    orvi::UpdateScriptInputs expected;
    expected.processId = QCoreApplication::applicationPid();
    expected.overwritePath = QDir::toNativeSeparators(overwritePath);
    expected.installerPath = QDir::toNativeSeparators(installerPath);
    expected.programDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    expected.programFile = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    expected.elevate = !writable;
    QCOMPARE(readFileBytes(scriptPath), orvi::nativeUpdateScript(expected).toUtf8());
}

// Changes to a manifest with both payloads, and what comes of them: the
// outcome and the fallback notes (patterns). A folder named `blocked` in the
// download directory keeps that file from being written.
void UpdateInstallTest::outcomes_data()
{
    QTest::addColumn<InfoChange>("change");
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<bool>("launchFails");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("notes");
    const QString dl = QRegularExpression::escape(downloads());
    const QString script = orvi::nativeUpdateScriptFileName();
    const QUrl refused = closedLoopbackUrl(QStringLiteral("/setup.run"));
    const QUrl gone = m_http.url(QStringLiteral("/gone.run"));
    m_https.setResponse(QStringLiteral("/down.run"),
                        {.status = 302, .location = m_http.url(QStringLiteral("/setup.run")).toEncoded()});
    const QUrl insecure = m_https.url(QStringLiteral("/down.run"));
    const auto installerOnly = [](std::function<void(UpdatePayload&)> change) {
        return InfoChange([change](UpdateInfo& info) {
            info.overwrite = UpdatePayload();
            change(info.installer);
        });
    };
    const auto names = [](QString overwrite, QString installer) {
        return InfoChange([overwrite, installer](UpdateInfo& info) {
            info.overwrite.name = overwrite;
            info.installer.name = installer;
        });
    };
    const InfoChange same = [](UpdateInfo&) {};
    const QString ready = QStringLiteral("readyToRestart .*");
    const QString cannotWrite = "installFailed 无法写入临时文件: " + dl + '/';

    QTest::newRow("installer only") << installerOnly([](UpdatePayload&) {}) << "" << false << ready << QStringList();
    QTest::newRow("upper-case digest") << installerOnly([](UpdatePayload& p) { p.sha256 = p.sha256.toUpper(); }) << ""
                                       << false << ready << QStringList();
    QTest::newRow("wrong digest") << installerOnly([](UpdatePayload& p) { p.sha256 = QString(64, QLatin1Char('0')); })
                                  << "" << false
                                  << "installFailed 校验和不匹配, 已丢弃 \\(期望 0000000000000000, 实际 "
            + sha256Hex(m_installerBytes).left(16) + "\\)"
                                  << QStringList();
    QTest::newRow("one byte short") << installerOnly([](UpdatePayload& p) { p.size += 1; }) << "" << false
                                    << "installFailed 下载文件大小不符 \\(期望 120001 字节, 实际 120000\\)"
                                    << QStringList();
    QTest::newRow("refused") << installerOnly([refused](UpdatePayload& p) { p.url = refused; }) << "" << false
                             << "installFailed 下载失败: Connection refused" << QStringList();
    QTest::newRow("not found") << installerOnly([gone](UpdatePayload& p) { p.url = gone; }) << "" << false
                               << "installFailed 下载失败: .*Not Found.*" << QStringList();
    QTest::newRow("https to http") << installerOnly([insecure](UpdatePayload& p) { p.url = insecure; }) << "" << false
                                   << "installFailed 下载失败: Insecure redirect" << QStringList();
    QTest::newRow("overwrite digest wrong: installer")
        << InfoChange([](UpdateInfo& info) { info.overwrite.sha256 = QString(64, QLatin1Char('a')); }) << "" << false
        << ready
        << QStringList{"覆盖载荷不可用 \\(校验和不匹配, 已丢弃 \\(期望 aaaaaaaaaaaaaaaa, 实际 "
                       + sha256Hex(m_overwriteBytes).left(16) + "\\)\\)，改用安装包"};
    QTest::newRow("overwrite too long, no installer")
        << InfoChange([](UpdateInfo& info) {
               info.overwrite.size = 5;
               info.installer = UpdatePayload();
           })
        << "" << false << "installFailed 没有可用的更新载荷"
        << QStringList{"覆盖载荷不可用 \\(下载文件大小不符 \\(期望 5 字节, 实际 \\d+\\)\\)，改用安装包"};
    QTest::newRow("no usable payload") << InfoChange([](UpdateInfo& info) {
        info.overwrite.sha256.clear();
        info.installer.url.clear();
    }) << "" << false << "installFailed 清单里既没有覆盖载荷也没有安装包"
                                       << QStringList();
    QTest::newRow("overwrite file blocked: installer, silently")
        << same << "OrviLathe.bin" << false << ready << QStringList();
    QTest::newRow("installer file blocked")
        << installerOnly([](UpdatePayload&) {}) << "setup.run" << false << cannotWrite + "setup\\.run" << QStringList();
    QTest::newRow("script blocked") << installerOnly([](UpdatePayload&) {}) << script << false
                                    << "installFailed 无法写更新脚本: " + dl + '/' + QRegularExpression::escape(script)
                                    << QStringList();
    QTest::newRow("launch fails")
        << same << "" << true
        << "installFailed 提权启动更新失败 \\(错误码 1223\\)。载荷已下载并校验通过, 可手动更新:\n"
            + QRegularExpression::escape(QDir::toNativeSeparators(downloads() + QStringLiteral("/OrviLathe.bin")))
        << QStringList();
    // Refused before anything is fetched: a later file would replace a verified one.
    QTest::newRow("same last component") << names("a/OrviLathe.bin", "b\\OrviLathe.bin") << "" << false
                                         << cannotWrite + "OrviLathe\\.bin" << QStringList();
    QTest::newRow("names differing in case")
        << names("Setup.EXE", "setup.exe") << "" << false << cannotWrite + "setup\\.exe" << QStringList();
    QTest::newRow("the script's name") << names("x/" + script, "setup.exe") << "" << false
                                       << cannotWrite + QRegularExpression::escape(script) << QStringList();
}

void UpdateInstallTest::outcomes()
{
    QFETCH(InfoChange, change);
    QFETCH(QString, blocked);
    QFETCH(bool, launchFails);
    QFETCH(QString, outcome);
    QFETCH(QStringList, notes);
    UpdateInfo info = bothPayloads();
    change(info);
    if (!blocked.isEmpty())
        QVERIFY(QDir().mkpath(downloads() + QLatin1Char('/') + blocked));
    const int hitsBefore = m_http.hits(QStringLiteral("/OrviLathe.bin")) + m_http.hits(QStringLiteral("/setup.run"));
    const InstallRun run = runInstall(info, {!launchFails, launchFails ? 1223 : 0});
    QCOMPARE(run.outcomes.size(), 1);
    const auto matches = [](const QString& pattern, const QString& text) {
        return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
    };
    QVERIFY2(matches(outcome, run.outcomes.first()), qPrintable(run.outcomes.first()));
    QCOMPARE(run.notes.size(), notes.size());
    for (qsizetype i = 0; i < notes.size(); ++i)
        QVERIFY2(matches(notes[i], run.notes[i]), qPrintable(run.notes[i]));
    // A failure never reaches a script, and no unverified file stays.
    if (run.outcomes.first().startsWith(QLatin1String("installFailed")) && !launchFails)
        QVERIFY(run.launches.isEmpty());
    if (blocked.isEmpty() && outcome.contains(QStringLiteral("无法写入临时文件"))) // refused before any download
        QCOMPARE(m_http.hits(QStringLiteral("/OrviLathe.bin")) + m_http.hits(QStringLiteral("/setup.run")), hitsBefore);
    for (const QString& file : QDir(downloads()).entryList(QDir::Files)) {
        const QByteArray bytes = readFileBytes(downloads() + QLatin1Char('/') + file);
        QVERIFY2(file == orvi::nativeUpdateScriptFileName() || bytes == m_overwriteBytes || bytes == m_installerBytes,
                 qPrintable(file));
    }
}

void UpdateInstallTest::payloadNameReducedToLastComponent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("savedAs");
    const char* cases[][3] = {{"climbing out", "../../escape.bin", "escape.bin"},
                              {"backslashes", "..\\..\\win.bin", "win.bin"},
                              {"empty: the address names it", "", "setup.run"},
                              {"parent only: the address names it", "..", "setup.run"}};
    for (const auto& c : cases)
        QTest::newRow(c[0]) << QString::fromLatin1(c[1]) << QString::fromLatin1(c[2]);
}

void UpdateInstallTest::payloadNameReducedToLastComponent()
{
    QFETCH(QString, name);
    QFETCH(QString, savedAs);
    UpdateInfo info;
    info.installer = payload(QStringLiteral("/setup.run"), m_installerBytes, name);
    QCOMPARE(runInstall(info).outcomes.value(0).section(QLatin1Char(' '), 0, 0), QStringLiteral("readyToRestart"));
    QCOMPARE(readFileBytes(downloads() + QLatin1Char('/') + savedAs), m_installerBytes);
    QCOMPARE(QDir(m_temp.path()).entryList(QDir::Files), QStringList());
}

// Past the manifest's size the download stops: neither the network nor memory
// carries the rest.
void UpdateInstallTest::oversizedPayloadIsCutShort()
{
    m_http.setResponse(QStringLiteral("/huge.run"), {.generatedSize = qint64(1) << 30});
    UpdateInfo info;
    info.installer = payload(QStringLiteral("/huge.run"), "0123456789");
    const auto peakRssKiB = [] {
#ifdef _WIN32
        PROCESS_MEMORY_COUNTERS counters{};
        K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
        return qint64(counters.PeakWorkingSetSize / 1024);
#else
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return qint64(usage.ru_maxrss);
#endif
    };
    const qint64 peakBefore = peakRssKiB();
    const InstallRun run = runInstall(info);
    QVERIFY2(run.outcomes.value(0).startsWith(QStringLiteral("installFailed 下载文件大小不符 (期望 10 字节, 实际 ")),
             qPrintable(run.outcomes.value(0)));
    QVERIFY(m_http.generatedBytesSent() < 64 * 1024 * 1024);
    QVERIFY(peakRssKiB() - peakBefore < 64 * 1024);
    QVERIFY(!QFile::exists(downloads() + QStringLiteral("/huge.run")));
}

QTEST_MAIN(UpdateInstallTest)
#include "tst_update_install.moc"
