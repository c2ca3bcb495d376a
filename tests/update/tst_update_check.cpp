// The manifest check: the verdict on manifest texts of every shape, then the
// request itself against a real server on 127.0.0.1 (outcome signals, network
// failures, user agent, redirect rule).
#include "loopback_http_server.h"
#include "update/update_checker.h"
#include "update/update_manifest.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTemporaryDir>
#include <QtTest>

using orvi::UpdateChecker;
using orvi::UpdateInfo;

namespace {

const QString kPlatform = QStringLiteral("linux-x64");

// A verdict as one line: "latest <remote>", "failed <reason>" or "update
// <version> <released> <notes> | <overwrite> | <installer>", each payload as
// "name url size sha256".
QString describe(const orvi::ManifestVerdict& verdict)
{
    using Kind = orvi::ManifestVerdict::Kind;
    if (verdict.kind == Kind::AlreadyLatest)
        return QStringLiteral("latest ") + verdict.remoteVersion;
    if (verdict.kind == Kind::Failed)
        return QStringLiteral("failed ") + verdict.failure;
    const auto payload = [](const orvi::UpdatePayload& p) {
        return QStringLiteral("%1 %2 %3 %4").arg(p.name, p.url.toString(QUrl::FullyEncoded)).arg(p.size).arg(p.sha256);
    };
    const UpdateInfo& info = verdict.info;
    return QStringLiteral("update %1 %2 %3 | %4 | %5")
        .arg(info.version, info.released, info.notes, payload(info.overwrite), payload(info.installer));
}

struct CheckOutcome {
    QString signal;
    QStringList arguments;
    int signalCount = 0;
};

CheckOutcome runCheck(const QUrl& manifest)
{
    qputenv("ORVI_UPDATE_URL", manifest.toString().toUtf8());
    UpdateChecker checker;
    CheckOutcome outcome;
    const auto record = [&outcome](const char* signal, const QStringList& arguments) {
        outcome.signal = QString::fromLatin1(signal);
        outcome.arguments = arguments;
        ++outcome.signalCount;
    };
    QObject::connect(&checker, &UpdateChecker::alreadyLatest, [&](const QString& local, const QString& remote) {
        record("alreadyLatest", {local, remote});
    });
    QObject::connect(&checker, &UpdateChecker::checkFailed,
                     [&](const QString& reason) { record("checkFailed", {reason}); });
    QObject::connect(&checker, &UpdateChecker::updateAvailable,
                     [&](const UpdateInfo& info) { record("updateAvailable", {info.version}); });
    checker.check();
    QDeadlineTimer deadline(15000);
    while (outcome.signalCount == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(30); // a second outcome would show up now
    return outcome;
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
    void verdicts_data();
    void verdicts();
    void outcomesThroughTheServer();
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
#if defined(Q_OS_WIN)
    QCOMPARE(UpdateChecker::platformKey(), QStringLiteral("windows-x64"));
#else
    QCOMPARE(UpdateChecker::platformKey(), kPlatform);
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
    QTest::newRow("equal") << "6.76.9"
                           << "6.76.9" << 0;
    QTest::newRow("numeric third") << "6.76.9"
                                   << "6.76.10" << -1;
    QTest::newRow("second decides") << "6.76.9"
                                    << "6.77" << -1;
    QTest::newRow("fourth ignored") << "6.76.9"
                                    << "6.76.9.1" << 0;
    QTest::newRow("v prefix is zero") << "6.76.9"
                                      << "v7.0.0" << 1;
    QTest::newRow("first before third") << "6.76.9"
                                        << "7.0.0-beta" << -1;
    QTest::newRow("missing parts") << "6"
                                   << "6.0.0" << 0;
    QTest::newRow("empty parts") << "6..1"
                                 << "6.0.1" << 0;
}

void UpdateCheckTest::compareVersions()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    QCOMPARE(UpdateChecker::compareVersions(a, b), expected);
    QCOMPARE(UpdateChecker::compareVersions(b, a), -expected);
}

// Judged against the local version 6.76.9 on linux-x64.
void UpdateCheckTest::verdicts_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("verdict");
    const QByteArray broken = "{\"version\": \"6.77.0\",";
    QJsonParseError parseError;
    QJsonDocument::fromJson(broken, &parseError);
    const QString none = QStringLiteral("failed 清单里没有适用于本机 (linux-x64) 的更新载荷");
    const QString noVersion = QStringLiteral("failed 更新清单里没有版本号");

    QTest::newRow("latest object") << QByteArray(R"({"latest":{"version":"6.76.9"}})") << "latest 6.76.9";
    QTest::newRow("empty latest means root")
        << QByteArray(R"({"latest":{},"version":"6.76.9.1"})") << "latest 6.76.9.1";
    QTest::newRow("not an integer") << QByteArray(R"({"version":"v7.0.0"})") << "latest v7.0.0";
    QTest::newRow("both payloads, other platform first")
        << QByteArray(R"({"latest":{
        "version":"6.76.10","released":"2026-11-30","notes":"https://n.invalid","files":[
          {"platform":"windows-x64","installer":{"url":"http://h/other.exe","sha256":"00"}},
          {"platform":"linux-x64",
           "overwrite":{"name":"O.zip","url":"http://h/a%20b.zip","size":1234.9,"sha256":"ABCDEF01"},
           "installer":{"name":"setup.exe","url":"http://h/setup.exe","size":"12","sha256":"aBc"}}]}})")
        << "update 6.76.10 2026-11-30 https://n.invalid | O.zip http://h/a%20b.zip 1234 abcdef01 "
           "| setup.exe http://h/setup.exe 0 abc";
    QTest::newRow("entry without payload objects is the installer")
        << QByteArray(R"({"version":"7.0.0-beta","files":[{"platform":"linux-x64",
            "name":"sub/setup.exe","url":"http://h/s.exe","size":99,"sha256":"FF"}]})")
        << "update 7.0.0-beta   |   0  | sub/setup.exe http://h/s.exe 99 ff";
    QTest::newRow("only the first entry for this machine counts")
        << QByteArray(R"({"version":"6.77","files":[{"platform":"linux-x64","installer":{"url":"http://h/1"}},
            {"platform":"linux-x64","installer":{"url":"http://h/2","sha256":"aa"}}]})")
        << none;
    QTest::newRow("malformed") << broken
                               << "failed " + QStringLiteral("更新清单格式不对 (%1)").arg(parseError.errorString());
    QTest::newRow("array") << QByteArray("[{\"version\":\"7.0.0\"}]") << "failed 更新清单格式不对 (no error occurred)";
    QTest::newRow("no version") << QByteArray(R"({"latest":{"released":"2026-01-01"}})") << noVersion;
    QTest::newRow("version not text") << QByteArray(R"({"version":7})") << noVersion;
    QTest::newRow("no files") << QByteArray(R"({"version":"6.77.0"})") << none;
    QTest::newRow("platform case differs")
        << QByteArray(R"({"version":"6.77.0","files":[{"platform":"LINUX-X64","url":"http://h/x","sha256":"aa"}]})")
        << none;
    QTest::newRow("payload without url") << QByteArray(
        R"({"version":"6.77.0","files":[{"platform":"linux-x64","installer":{"sha256":"aa"}}]})")
                                         << none;
}

void UpdateCheckTest::verdicts()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, verdict);
    QCOMPARE(describe(orvi::judgeManifest(body, QStringLiteral("6.76.9"), kPlatform)), verdict);
}

// One signal per check, with the local version, and the user agent names it.
void UpdateCheckTest::outcomesThroughTheServer()
{
    const QString local = UpdateChecker::currentVersion();
    m_http.serve(QStringLiteral("/same.json"), QString::fromUtf8(R"({"version":"%1"})").arg(local).toUtf8());
    CheckOutcome outcome = runCheck(m_http.url(QStringLiteral("/same.json")));
    QCOMPARE(outcome.signalCount, 1);
    QCOMPARE(outcome.arguments, QStringList({local, local}));
    QCOMPARE(m_http.lastUserAgent(), "OrviUpdater/1.0 (" + local.toUtf8() + ')');

    m_http.serve(QStringLiteral("/newer.json"),
                 QString::fromUtf8(R"({"version":"999.0","files":[{"platform":"%1",
        "overwrite":{"url":"http://127.0.0.1:1/p.bin","sha256":"11"}}]})")
                     .arg(UpdateChecker::platformKey())
                     .toUtf8());
    outcome = runCheck(m_http.url(QStringLiteral("/newer.json")));
    QCOMPARE(outcome.signalCount, 1);
    QCOMPARE(outcome.signal, QStringLiteral("updateAvailable"));

    outcome = runCheck(closedLoopbackUrl(QStringLiteral("/latest.json")));
    QCOMPARE(outcome.signalCount, 1);
    QCOMPARE(outcome.arguments, QStringList{QStringLiteral("无法获取更新清单: Connection refused")});
    outcome = runCheck(m_http.url(QStringLiteral("/missing.json")));
    QCOMPARE(outcome.signal, QStringLiteral("checkFailed"));
    QVERIFY2(outcome.arguments.value(0).startsWith(QStringLiteral("无法获取更新清单: ")),
             qPrintable(outcome.arguments.value(0)));
    QVERIFY2(outcome.arguments.value(0).contains(QStringLiteral("Not Found")), qPrintable(outcome.arguments.value(0)));
}

void UpdateCheckTest::redirects()
{
    const QByteArray upToDate = QString::fromUtf8(R"({"version":"%1"})").arg(UpdateChecker::currentVersion()).toUtf8();
    m_http.serve(QStringLiteral("/plain.json"), upToDate);
    m_https.serve(QStringLiteral("/secure.json"), upToDate);
    LoopbackHttpServer::Response redirect;
    redirect.status = 302;

    // http to https: followed.
    redirect.location = m_https.url(QStringLiteral("/secure.json")).toEncoded();
    m_http.setResponse(QStringLiteral("/up.json"), redirect);
    QCOMPARE(runCheck(m_http.url(QStringLiteral("/up.json"))).signal, QStringLiteral("alreadyLatest"));

    // https to http: refused before the plain server is asked.
    redirect.location = m_http.url(QStringLiteral("/plain.json")).toEncoded();
    m_https.setResponse(QStringLiteral("/down.json"), redirect);
    const int plainHitsBefore = m_http.hits(QStringLiteral("/plain.json"));
    const CheckOutcome outcome = runCheck(m_https.url(QStringLiteral("/down.json")));
    QCOMPARE(outcome.signalCount, 1);
    QCOMPARE(outcome.arguments, QStringList{QStringLiteral("无法获取更新清单: Insecure redirect")});
    QCOMPARE(m_http.hits(QStringLiteral("/plain.json")), plainHitsBefore);
}

QTEST_MAIN(UpdateCheckTest)
#include "tst_update_check.moc"
