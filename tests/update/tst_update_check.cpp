// The manifest check against a real server on 127.0.0.1: versions, manifest
// shapes, failures with their exact texts, the request's user agent and the
// redirect rule.
#include "loopback_http_server.h"
#include "update/update_checker.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTemporaryDir>
#include <QtTest>

using orvi::UpdateChecker;
using orvi::UpdateInfo;

namespace {

struct CheckOutcome {
    QString signal;
    QStringList arguments;
    UpdateInfo info;
    int signalCount = 0;
};

CheckOutcome runCheck(const QUrl& manifest)
{
    qputenv("ORVI_UPDATE_URL", manifest.toString().toUtf8());
    UpdateChecker checker;
    CheckOutcome outcome;
    QObject::connect(&checker, &UpdateChecker::alreadyLatest, [&](const QString& local, const QString& remote) {
        outcome.signal = QStringLiteral("alreadyLatest");
        outcome.arguments = {local, remote};
        ++outcome.signalCount;
    });
    QObject::connect(&checker, &UpdateChecker::checkFailed, [&](const QString& reason) {
        outcome.signal = QStringLiteral("checkFailed");
        outcome.arguments = {reason};
        ++outcome.signalCount;
    });
    QObject::connect(&checker, &UpdateChecker::updateAvailable, [&](const UpdateInfo& info) {
        outcome.signal = QStringLiteral("updateAvailable");
        outcome.info = info;
        ++outcome.signalCount;
    });
    checker.check();
    QDeadlineTimer deadline(15000);
    while (outcome.signalCount == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(30); // a second outcome would show up now
    return outcome;
}

QString otherPlatformKey()
{
    return UpdateChecker::platformKey() == QLatin1String("linux-x64") ? QStringLiteral("windows-x64")
                                                                      : QStringLiteral("linux-x64");
}

// Manifest text with PLATFORM standing for this machine's key.
QByteArray manifest(QString text)
{
    return text.replace(QLatin1String("PLATFORM"), UpdateChecker::platformKey())
        .replace(QLatin1String("ELSEWHERE"), otherPlatformKey())
        .toUtf8();
}

} // namespace

class UpdateCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void identity();
    void compareVersions_data();
    void compareVersions();
    void alreadyLatest_data();
    void alreadyLatest();
    void newerVersionWithBothPayloads();
    void newerVersions_data();
    void newerVersions();
    void entryWithoutPayloadObjectsIsTheInstaller();
    void onlyTheFirstEntryForThisMachineCounts();
    void payloadSizes();
    void failures_data();
    void failures();
    void networkFailures();
    void userAgent();
    void redirects();

private:
    LoopbackHttpServer m_http;
    LoopbackHttpServer m_https;
    QTemporaryDir m_certificateDir;
};

void UpdateCheckTest::initTestCase()
{
    QVERIFY(m_http.listen());
    QSslCertificate certificate;
    QSslKey key;
    QVERIFY2(makeTrustedLoopbackCertificate(m_certificateDir.path(), &certificate, &key), "openssl failed");
    QVERIFY(m_https.listenTls(certificate, key));
}

void UpdateCheckTest::identity()
{
    QCOMPARE(UpdateChecker::currentVersion(), QStringLiteral("6.76.9"));
#if defined(Q_OS_WIN)
    QCOMPARE(UpdateChecker::platformKey(), QStringLiteral("windows-x64"));
#else
    QCOMPARE(UpdateChecker::platformKey(), QStringLiteral("linux-x64"));
#endif
    qunsetenv("ORVI_UPDATE_URL");
    const QUrl builtIn = UpdateChecker::manifestUrl();
    QCOMPARE(builtIn.scheme(), QStringLiteral("https"));
    QCOMPARE(builtIn.path(), QStringLiteral("/downloads/latest.json"));
    qputenv("ORVI_UPDATE_URL", "http://127.0.0.1:9/測試/latest.json");
    QCOMPARE(UpdateChecker::manifestUrl().path(), QStringLiteral("/測試/latest.json"));
    qputenv("ORVI_UPDATE_URL", "");
    QCOMPARE(UpdateChecker::manifestUrl(), builtIn);
}

void UpdateCheckTest::compareVersions_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");
    QTest::newRow("equal") << "6.76.9" << "6.76.9" << 0;
    QTest::newRow("numeric third") << "6.76.9" << "6.76.10" << -1;
    QTest::newRow("second decides") << "6.76.9" << "6.77" << -1;
    QTest::newRow("fourth ignored") << "6.76.9" << "6.76.9.1" << 0;
    QTest::newRow("v prefix is zero") << "6.76.9" << "v7.0.0" << 1;
    QTest::newRow("first before third") << "6.76.9" << "7.0.0-beta" << -1;
    QTest::newRow("older remote") << "6.76.9" << "6.75.99" << 1;
    QTest::newRow("missing parts") << "6" << "6.0.0" << 0;
    QTest::newRow("empty parts") << "6..1" << "6.0.1" << 0;
}

void UpdateCheckTest::compareVersions()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    QCOMPARE(UpdateChecker::compareVersions(a, b), expected);
    QCOMPARE(UpdateChecker::compareVersions(b, a), -expected);
}

void UpdateCheckTest::alreadyLatest_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("remote");
    QTest::newRow("latest object") << manifest(R"({"latest":{"version":"6.76.9"}})") << "6.76.9";
    QTest::newRow("root release") << manifest(R"({"version":"6.76.9","files":[]})") << "6.76.9";
    QTest::newRow("empty latest means root") << manifest(R"({"latest":{},"version":"6.76.9"})") << "6.76.9";
    QTest::newRow("fourth component") << manifest(R"({"version":"6.76.9.1"})") << "6.76.9.1";
    QTest::newRow("not an integer") << manifest(R"({"version":"v7.0.0"})") << "v7.0.0";
    QTest::newRow("older") << manifest(R"({"version":"6.70.0"})") << "6.70.0";
}

void UpdateCheckTest::alreadyLatest()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, remote);
    m_http.serve(QStringLiteral("/latest.json"), body);
    const CheckOutcome outcome = runCheck(m_http.url(QStringLiteral("/latest.json")));
    QCOMPARE(outcome.signalCount, 1);
    QCOMPARE(outcome.signal, QStringLiteral("alreadyLatest"));
    QCOMPARE(outcome.arguments, QStringList({QStringLiteral("6.76.9"), remote}));
}

void UpdateCheckTest::newerVersionWithBothPayloads()
{
    m_http.serve(QStringLiteral("/both.json"), manifest(R"({"latest":{
        "version":"6.76.10","released":"2026-11-30","notes":"https://example.invalid/notes",
        "files":[
          {"platform":"ELSEWHERE","installer":{"url":"http://127.0.0.1:1/other.exe","sha256":"00"}},
          {"platform":"PLATFORM",
           "overwrite":{"name":"OrviLathe.zip","url":"http://127.0.0.1:1/a%20b.zip","size":1234,"sha256":"ABCDEF01"},
           "installer":{"name":"setup.exe","url":"http://127.0.0.1:1/setup.exe","sha256":"aBc"}}]}})"));
    const CheckOutcome outcome = runCheck(m_http.url(QStringLiteral("/both.json")));
    QCOMPARE(outcome.signalCount, 1);
    QCOMPARE(outcome.signal, QStringLiteral("updateAvailable"));
    QCOMPARE(outcome.info.version, QStringLiteral("6.76.10"));
    QCOMPARE(outcome.info.released, QStringLiteral("2026-11-30"));
    QCOMPARE(outcome.info.notes, QStringLiteral("https://example.invalid/notes"));
    QCOMPARE(outcome.info.overwrite.name, QStringLiteral("OrviLathe.zip"));
    QCOMPARE(outcome.info.overwrite.url, QUrl(QStringLiteral("http://127.0.0.1:1/a%20b.zip")));
    QCOMPARE(outcome.info.overwrite.size, qint64(1234));
    QCOMPARE(outcome.info.overwrite.sha256, QStringLiteral("abcdef01"));
    QCOMPARE(outcome.info.installer.name, QStringLiteral("setup.exe"));
    QCOMPARE(outcome.info.installer.sha256, QStringLiteral("abc"));
    QCOMPARE(outcome.info.installer.size, qint64(0));
}

void UpdateCheckTest::newerVersions_data()
{
    QTest::addColumn<QString>("version");
    QTest::newRow("third component") << "6.76.10";
    QTest::newRow("second component") << "6.77";
    QTest::newRow("first component decides") << "7.0.0-beta";
}

void UpdateCheckTest::newerVersions()
{
    QFETCH(QString, version);
    m_http.serve(QStringLiteral("/newer.json"),
                 manifest(QString::fromUtf8(R"({"version":"%1","files":[{"platform":"PLATFORM",
                     "overwrite":{"url":"http://127.0.0.1:1/p.bin","sha256":"11"}}]})")
                              .arg(version)));
    const CheckOutcome outcome = runCheck(m_http.url(QStringLiteral("/newer.json")));
    QCOMPARE(outcome.signal, QStringLiteral("updateAvailable"));
    QCOMPARE(outcome.info.version, version);
    QVERIFY(outcome.info.released.isEmpty());
    QVERIFY(outcome.info.notes.isEmpty());
    QCOMPARE(outcome.info.overwrite.url, QUrl(QStringLiteral("http://127.0.0.1:1/p.bin")));
    QVERIFY(outcome.info.installer.url.isEmpty());
}

void UpdateCheckTest::entryWithoutPayloadObjectsIsTheInstaller()
{
    m_http.serve(QStringLiteral("/entry.json"), manifest(R"({"version":"6.77.0","files":[{"platform":"PLATFORM",
        "name":"sub/setup.exe","url":"http://127.0.0.1:1/setup.exe","size":99,"sha256":"FF"}]})"));
    const CheckOutcome outcome = runCheck(m_http.url(QStringLiteral("/entry.json")));
    QCOMPARE(outcome.signal, QStringLiteral("updateAvailable"));
    QVERIFY(outcome.info.overwrite.url.isEmpty());
    QCOMPARE(outcome.info.installer.name, QStringLiteral("sub/setup.exe"));
    QCOMPARE(outcome.info.installer.size, qint64(99));
    QCOMPARE(outcome.info.installer.sha256, QStringLiteral("ff"));
}

void UpdateCheckTest::onlyTheFirstEntryForThisMachineCounts()
{
    // The first entry has no digest: the usable second one must not be taken.
    m_http.serve(QStringLiteral("/twice.json"), manifest(R"({"version":"6.77.0","files":[
        {"platform":"PLATFORM","installer":{"url":"http://127.0.0.1:1/first.exe"}},
        {"platform":"PLATFORM","installer":{"url":"http://127.0.0.1:1/second.exe","sha256":"aa"}}]})"));
    CheckOutcome outcome = runCheck(m_http.url(QStringLiteral("/twice.json")));
    QCOMPARE(outcome.signal, QStringLiteral("checkFailed"));

    m_http.serve(QStringLiteral("/twice.json"), manifest(R"({"version":"6.77.0","files":[
        {"platform":"PLATFORM","installer":{"url":"http://127.0.0.1:1/first.exe","sha256":"bb"}},
        {"platform":"PLATFORM","installer":{"url":"http://127.0.0.1:1/second.exe","sha256":"aa"}}]})"));
    outcome = runCheck(m_http.url(QStringLiteral("/twice.json")));
    QCOMPARE(outcome.signal, QStringLiteral("updateAvailable"));
    QCOMPARE(outcome.info.installer.url, QUrl(QStringLiteral("http://127.0.0.1:1/first.exe")));
}

void UpdateCheckTest::payloadSizes()
{
    m_http.serve(QStringLiteral("/sizes.json"), manifest(R"({"version":"6.77.0","files":[{"platform":"PLATFORM",
        "overwrite":{"url":"http://127.0.0.1:1/o","size":1234.9,"sha256":"aa"},
        "installer":{"url":"http://127.0.0.1:1/i","size":"12","sha256":"bb"}}]})"));
    const CheckOutcome outcome = runCheck(m_http.url(QStringLiteral("/sizes.json")));
    QCOMPARE(outcome.signal, QStringLiteral("updateAvailable"));
    QCOMPARE(outcome.info.overwrite.size, qint64(1234));
    QCOMPARE(outcome.info.installer.size, qint64(0));
}

void UpdateCheckTest::failures_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("reason");

    const QByteArray broken = "{\"version\": \"6.77.0\",";
    QJsonParseError parseError;
    QJsonDocument::fromJson(broken, &parseError);
    QVERIFY(parseError.error != QJsonParseError::NoError);
    QTest::newRow("malformed") << broken << QStringLiteral("更新清单格式不对 (%1)").arg(parseError.errorString());
    QTest::newRow("array") << QByteArray("[{\"version\":\"7.0.0\"}]") << QStringLiteral("更新清单格式不对 (no error occurred)");
    QTest::newRow("no version") << manifest(R"({"latest":{"released":"2026-01-01"}})")
                                << QStringLiteral("更新清单里没有版本号");
    QTest::newRow("version not text") << manifest(R"({"version":7})") << QStringLiteral("更新清单里没有版本号");

    const QString noPayload = QStringLiteral("清单里没有适用于本机 (%1) 的更新载荷").arg(UpdateChecker::platformKey());
    QTest::newRow("no files") << manifest(R"({"version":"6.77.0"})") << noPayload;
    QTest::newRow("other platform only")
        << manifest(R"({"version":"6.77.0","files":[{"platform":"ELSEWHERE","url":"http://127.0.0.1:1/x","sha256":"aa"}]})")
        << noPayload;
    QTest::newRow("platform case differs")
        << QString::fromUtf8(R"({"version":"6.77.0","files":[{"platform":"%1","url":"http://127.0.0.1:1/x","sha256":"aa"}]})")
               .arg(UpdateChecker::platformKey().toUpper())
               .toUtf8()
        << noPayload;
    QTest::newRow("payloads without digest")
        << manifest(R"({"version":"6.77.0","files":[{"platform":"PLATFORM",
            "overwrite":{"url":"http://127.0.0.1:1/o"},"installer":{"url":"http://127.0.0.1:1/i","size":5}}]})")
        << noPayload;
    QTest::newRow("payload without url")
        << manifest(R"({"version":"6.77.0","files":[{"platform":"PLATFORM","installer":{"sha256":"aa"}}]})")
        << noPayload;
}

void UpdateCheckTest::failures()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, reason);
    m_http.serve(QStringLiteral("/bad.json"), body);
    const CheckOutcome outcome = runCheck(m_http.url(QStringLiteral("/bad.json")));
    QCOMPARE(outcome.signalCount, 1);
    QCOMPARE(outcome.signal, QStringLiteral("checkFailed"));
    QCOMPARE(outcome.arguments, QStringList{reason});
}

void UpdateCheckTest::networkFailures()
{
    CheckOutcome outcome = runCheck(closedLoopbackUrl(QStringLiteral("/latest.json")));
    QCOMPARE(outcome.signalCount, 1);
    QCOMPARE(outcome.signal, QStringLiteral("checkFailed"));
    QCOMPARE(outcome.arguments, QStringList{QStringLiteral("无法获取更新清单: Connection refused")});

    outcome = runCheck(m_http.url(QStringLiteral("/missing.json")));
    QCOMPARE(outcome.signal, QStringLiteral("checkFailed"));
    QVERIFY2(outcome.arguments.value(0).startsWith(QStringLiteral("无法获取更新清单: ")), qPrintable(outcome.arguments.value(0)));
    QVERIFY2(outcome.arguments.value(0).contains(QStringLiteral("Not Found")), qPrintable(outcome.arguments.value(0)));
}

void UpdateCheckTest::userAgent()
{
    m_http.serve(QStringLiteral("/ua.json"), manifest(R"({"version":"6.76.9"})"));
    runCheck(m_http.url(QStringLiteral("/ua.json")));
    QCOMPARE(m_http.lastUserAgent(), QByteArray("OrviUpdater/1.0 (6.76.9)"));
}

void UpdateCheckTest::redirects()
{
    const QByteArray upToDate = manifest(R"({"version":"6.76.9"})");
    m_http.serve(QStringLiteral("/plain.json"), upToDate);
    m_https.serve(QStringLiteral("/secure.json"), upToDate);

    LoopbackHttpServer::Response redirect;
    redirect.status = 302;

    // https to https: followed (and proves this process trusts the test certificate).
    redirect.location = m_https.url(QStringLiteral("/secure.json")).toEncoded();
    m_https.setResponse(QStringLiteral("/to-secure.json"), redirect);
    CheckOutcome outcome = runCheck(m_https.url(QStringLiteral("/to-secure.json")));
    QCOMPARE(outcome.signal, QStringLiteral("alreadyLatest"));

    // http to https: safer, followed.
    m_http.setResponse(QStringLiteral("/up.json"), redirect);
    outcome = runCheck(m_http.url(QStringLiteral("/up.json")));
    QCOMPARE(outcome.signal, QStringLiteral("alreadyLatest"));

    // https to http: refused before the plain server is asked.
    redirect.location = m_http.url(QStringLiteral("/plain.json")).toEncoded();
    m_https.setResponse(QStringLiteral("/down.json"), redirect);
    const int plainHitsBefore = m_http.hits(QStringLiteral("/plain.json"));
    outcome = runCheck(m_https.url(QStringLiteral("/down.json")));
    QCOMPARE(outcome.signalCount, 1);
    QCOMPARE(outcome.signal, QStringLiteral("checkFailed"));
    QCOMPARE(outcome.arguments, QStringList{QStringLiteral("无法获取更新清单: Insecure redirect")});
    QCOMPARE(m_https.hits(QStringLiteral("/down.json")), 1);
    QCOMPARE(m_http.hits(QStringLiteral("/plain.json")), plainHitsBefore);
}

QTEST_MAIN(UpdateCheckTest)
#include "tst_update_check.moc"
