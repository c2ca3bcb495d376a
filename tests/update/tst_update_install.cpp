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

using orvi::UpdateChecker;
using orvi::UpdateInfo;
using orvi::UpdatePayload;
using orvi::test::readFileBytes;
using orvi::test::sha256Hex;

namespace {

QByteArray patternBytes(int size, char seed)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char(i * 31 + seed);
    return bytes;
}

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
    void initTestCase()
    {
        // The download folder lies under the temporary folder: keep it two
        // levels inside this test's own, so that a file escaping it is seen.
        const QString temporary = m_temp.path() + QStringLiteral("/tmp");
        QVERIFY(QDir().mkpath(temporary));
        qputenv("TMPDIR", QFile::encodeName(temporary));
        qputenv("TMP", QFile::encodeName(QDir::toNativeSeparators(temporary))); // Windows
        QCOMPARE(downloads(), temporary + QStringLiteral("/orvi-update"));
        QVERIFY(m_http.listen());
        m_http.serve(QStringLiteral("/OrviLathe.bin"), m_overwriteBytes);
        m_http.serve(QStringLiteral("/setup.run"), m_installerBytes);
        QVERIFY2(m_https.listen(true), "no certificate from openssl");
    }
    void init() { QDir(downloads()).removeRecursively(); }

    void bothPayloadsVerifiedAndScriptWritten()
    {
        const int overwriteHits = m_http.hits(QStringLiteral("/OrviLathe.bin"));
        const QStringList seen = runInstall(bothPayloads());
        QCOMPARE(m_http.hits(QStringLiteral("/OrviLathe.bin")), overwriteHits + 1);
        const QString overwritePath = downloads() + QStringLiteral("/OrviLathe.bin");
        const QString installerPath = downloads() + QStringLiteral("/setup.run");
        QCOMPARE(readFileBytes(overwritePath), m_overwriteBytes);
        QCOMPARE(readFileBytes(installerPath), m_installerBytes);

        // The script, elevated when the program's folder cannot be written,
        // gets both verified files, this process and the program.
        const QString scriptPath = downloads() + QLatin1Char('/') + orvi::nativeUpdateScriptFileName();
        const bool writable = QFileInfo(QCoreApplication::applicationDirPath()).isWritable();
        QCOMPARE(seen,
                 (QStringList{QStringLiteral("launch %1 %2").arg(QDir::toNativeSeparators(scriptPath)).arg(!writable),
                              QStringLiteral("readyToRestart 更新已下载并校验通过。程序将退出, "
                                             "由系统完成更新后自动重新启动。")}));
        const QString script = QString::fromUtf8(readFileBytes(scriptPath));
        for (const QString& part : {QString::number(QCoreApplication::applicationPid()), overwritePath, installerPath,
                                    QCoreApplication::applicationFilePath()})
            QVERIFY2(script.contains(QDir::toNativeSeparators(part)), qPrintable(part));

        // When the script cannot be started, the verified file is named for a manual update.
        QCOMPARE(runInstall(bothPayloads(), {false, 1223}).last(),
                 QStringLiteral("installFailed 提权启动更新失败 (错误码 1223)。载荷已下载并校验通过, 可手动更新:\n")
                     + QDir::toNativeSeparators(overwritePath));
    }

    // Changes to a manifest with both payloads, and what the install does
    // then, as a pattern (a failure never reaches the launcher). A folder in
    // the download directory keeps a file of its name from being written.
    void outcomes_data()
    {
        QTest::addColumn<InfoChange>("change");
        QTest::addColumn<QString>("expected");
        const QString dl = QRegularExpression::escape(downloads() + QLatin1Char('/'));
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
        const auto blocking = [](const QString& name, const InfoChange& change) {
            return InfoChange([name, change](UpdateInfo& info) {
                QDir().mkpath(downloads() + QLatin1Char('/') + name);
                change(info);
            });
        };
        const auto names = [](QString overwrite, QString installer) {
            return InfoChange([overwrite, installer](UpdateInfo& info) {
                info.overwrite.name = overwrite;
                info.installer.name = installer;
            });
        };
        const InfoChange installer = installerOnly([](UpdatePayload&) {});
        const auto installerNamed = [installerOnly](QString name) {
            return installerOnly([name](UpdatePayload& p) { p.name = name; });
        };
        const QString ready = QStringLiteral("launch .*\nreadyToRestart .*");
        const QString cannotWrite = "installFailed 无法写入临时文件: " + dl;
        const QString fallback = QStringLiteral("statusNote 覆盖载荷不可用 \\(%1\\)，改用安装包\n");

        QTest::newRow("installer only") << installer << ready;
        QTest::newRow("upper-case digest")
            << installerOnly([](UpdatePayload& p) { p.sha256 = p.sha256.toUpper(); }) << ready;
        QTest::newRow("wrong digest") << installerOnly(
            [](UpdatePayload& p) { p.sha256 = QString(64, QLatin1Char('0')); })
                                      << "installFailed 校验和不匹配, 已丢弃 \\(期望 0000000000000000, 实际 "
                + sha256Hex(m_installerBytes).left(16) + "\\)";
        QTest::newRow("one byte short") << installerOnly([](UpdatePayload& p) { p.size += 1; })
                                        << "installFailed 下载文件大小不符 \\(期望 120001 字节, 实际 120000\\)";
        QTest::newRow("refused") << installerOnly([refused](UpdatePayload& p) { p.url = refused; })
                                 << "installFailed 下载失败: Connection refused";
        QTest::newRow("not found") << installerOnly([gone](UpdatePayload& p) { p.url = gone; })
                                   << "installFailed 下载失败: .*Not Found.*";
        QTest::newRow("https to http") << installerOnly([insecure](UpdatePayload& p) { p.url = insecure; })
                                       << "installFailed 下载失败: Insecure redirect";
        QTest::newRow("overwrite digest wrong: installer")
            << InfoChange([](UpdateInfo& info) { info.overwrite.sha256 = QString(64, QLatin1Char('a')); })
            << fallback.arg("校验和不匹配, 已丢弃 \\(期望 aaaaaaaaaaaaaaaa, 实际 "
                            + sha256Hex(m_overwriteBytes).left(16) + "\\)")
                + ready;
        QTest::newRow("overwrite too long, no installer") << InfoChange([](UpdateInfo& info) {
            info.overwrite.size = 5;
            info.installer = UpdatePayload();
        }) << fallback.arg("下载文件大小不符 \\(期望 5 字节, 实际 \\d+\\)") + "installFailed 没有可用的更新载荷";
        QTest::newRow("no usable payload") << InfoChange([](UpdateInfo& info) {
            info.overwrite.sha256.clear();
            info.installer.url.clear();
        }) << "installFailed 清单里既没有覆盖载荷也没有安装包";
        QTest::newRow("overwrite file blocked: installer, silently")
            << blocking("OrviLathe.bin", [](UpdateInfo&) {}) << ready;
        QTest::newRow("installer file blocked") << blocking("setup.run", installer) << cannotWrite + "setup\\.run";
        QTest::newRow("script blocked") << blocking(script, installer)
                                        << "installFailed 无法写更新脚本: " + dl + QRegularExpression::escape(script);
        // Only a name's last component counts; the address names a file without one.
        QTest::newRow("name climbing out") << installerNamed("../../escape.bin") << ready;
        QTest::newRow("empty name") << installerNamed("") << ready;
        QTest::newRow("name of the parent only") << installerNamed("..") << ready;
        // Refused before anything is fetched: a later file would replace a verified one.
        QTest::newRow("clash: same last component")
            << names("a/OrviLathe.bin", "b\\OrviLathe.bin") << cannotWrite + "OrviLathe\\.bin";
        QTest::newRow("clash: names differing in case")
            << names("Setup.EXE", "setup.exe") << cannotWrite + "setup\\.exe";
        QTest::newRow("clash: the script's name")
            << names("x/" + script, "setup.exe") << cannotWrite + QRegularExpression::escape(script);
    }
    void outcomes()
    {
        QFETCH(InfoChange, change);
        QFETCH(QString, expected);
        if (tlsServerUnavailable() && QByteArray(QTest::currentDataTag()).contains("https"))
            QSKIP(tlsServerUnavailable());
        UpdateInfo info = bothPayloads();
        change(info);
        const QString seen = runInstall(info).join(QLatin1Char('\n'));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(expected)).match(seen).hasMatch(),
                 qPrintable(seen));
        // No unverified file stays, and none lands outside the download folder.
        QCOMPARE(QDir(m_temp.path()).entryList(QDir::Files)
                     + QDir(m_temp.path() + QStringLiteral("/tmp")).entryList(QDir::Files),
                 QStringList());
        if (QByteArray(QTest::currentDataTag()).startsWith("clash")) // nothing fetched
            QVERIFY(!QDir(downloads()).exists());
        for (const QString& file : QDir(downloads()).entryList(QDir::Files)) {
            const QByteArray bytes = readFileBytes(downloads() + QLatin1Char('/') + file);
            QVERIFY2(file == orvi::nativeUpdateScriptFileName() || bytes == m_overwriteBytes
                         || bytes == m_installerBytes,
                     qPrintable(file));
        }
    }

    // Past the manifest's size the download stops while it streams: the
    // server never gets to send the rest.
    void oversizedPayloadIsCutShort()
    {
        m_http.setResponse(QStringLiteral("/huge.run"), {.generatedSize = qint64(1) << 30});
        UpdateInfo info;
        info.installer = payload(QStringLiteral("/huge.run"), "0123456789");
        const QString outcome = runInstall(info).join(QLatin1Char('\n'));
        QVERIFY2(outcome.startsWith(QStringLiteral("installFailed 下载文件大小不符 (期望 10 字节, 实际 ")),
                 qPrintable(outcome));
        QVERIFY(m_http.generatedBytesSent() < 64 * 1024 * 1024);
        QVERIFY(!QFile::exists(downloads() + QStringLiteral("/huge.run")));
    }

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
    // What one install does, in order: "launch <script> <elevate>" for the
    // launcher, and "<signal> <text>" for each signal.
    QStringList runInstall(const UpdateInfo& info, orvi::platform::ScriptLaunch launchResult = {true, 0})
    {
        QStringList seen;
        bool done = false;
        UpdateChecker checker;
        checker.setScriptLauncher([&seen, launchResult](const QString& scriptPath, bool elevate) {
            seen << QStringLiteral("launch %1 %2").arg(scriptPath).arg(elevate);
            return launchResult;
        });
        connect(&checker, &UpdateChecker::readyToRestart, this, [&](const QString& note) {
            seen << QStringLiteral("readyToRestart ") + note;
            done = true;
        });
        connect(&checker, &UpdateChecker::installFailed, this, [&](const QString& reason) {
            seen << QStringLiteral("installFailed ") + reason;
            done = true;
        });
        connect(&checker, &UpdateChecker::statusNote, this,
                [&seen](const QString& note) { seen << QStringLiteral("statusNote ") + note; });
        checker.startInstall(info);
        QDeadlineTimer deadline(20000);
        while (!done && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(30); // a second outcome would show up now
        return seen;
    }

    QTemporaryDir m_temp;
    LoopbackHttpServer m_http;
    LoopbackHttpServer m_https;
    const QByteArray m_overwriteBytes = patternBytes(300000, 1);
    const QByteArray m_installerBytes = patternBytes(120000, 7);
};

QTEST_MAIN(UpdateInstallTest)
#include "tst_update_install.moc"
