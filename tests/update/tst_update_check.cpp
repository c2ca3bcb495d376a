// The manifest check: the verdict on manifest texts of every shape, then the
// request itself against servers on 127.0.0.1 (outcome signals, network
// failures, user agent, redirect rule).
#include "loopback_http_server.h"
#include "update/update_manifest.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QtTest>

using orvi::UpdateChecker;

namespace {

// A verdict as one line: "latest <remote>", "failed <reason>" or "update
// <version> <released> <notes> | <overwrite> | <installer>", each payload as
// "name url size sha256".
QString describe(const orvi::ManifestVerdict& verdict)
{
    if (verdict.kind == orvi::ManifestVerdict::Kind::AlreadyLatest)
        return QStringLiteral("latest ") + verdict.remoteVersion;
    if (verdict.kind == orvi::ManifestVerdict::Kind::Failed)
        return QStringLiteral("failed ") + verdict.failure;
    const auto payload = [](const orvi::UpdatePayload& p) {
        return QStringLiteral("%1 %2 %3 %4").arg(p.name, p.url.toString(QUrl::FullyEncoded)).arg(p.size).arg(p.sha256);
    };
    const orvi::UpdateInfo& info = verdict.info;
    return QStringLiteral("update %1 %2 %3 | %4 | %5")
        .arg(info.version, info.released, info.notes, payload(info.overwrite), payload(info.installer));
}

// Every signal of one check, each as "<signal> <arguments>".
QStringList runCheck(const QUrl& manifest)
{
    qputenv("ORVI_UPDATE_URL", manifest.toEncoded());
    UpdateChecker checker;
    QStringList seen;
    QObject::connect(&checker, &UpdateChecker::alreadyLatest, [&seen](const QString& local, const QString& remote) {
        seen << QStringLiteral("alreadyLatest %1 %2").arg(local, remote);
    });
    QObject::connect(&checker, &UpdateChecker::checkFailed,
                     [&seen](const QString& reason) { seen << QStringLiteral("checkFailed ") + reason; });
    QObject::connect(&checker, &UpdateChecker::updateAvailable, [&seen](const orvi::UpdateInfo& info) {
        seen << QStringLiteral("updateAvailable ") + info.version;
    });
    checker.check();
    QDeadlineTimer deadline(15000);
    while (seen.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(30); // a second outcome would show up now
    return seen;
}

} // namespace

class UpdateCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(m_http.listen() && m_https.listen(true), "cannot listen (no openssl?)"); }

    // The built-in address, or ORVI_UPDATE_URL when it is set and not empty.
    void manifestAddress()
    {
        qputenv("ORVI_UPDATE_URL", "");
        QCOMPARE(UpdateChecker::manifestUrl().scheme(), QStringLiteral("https"));
        QCOMPARE(UpdateChecker::manifestUrl().path(), QStringLiteral("/downloads/latest.json"));
        qputenv("ORVI_UPDATE_URL", "http://127.0.0.1:9/測試/latest.json");
        QCOMPARE(UpdateChecker::manifestUrl().path(), QStringLiteral("/測試/latest.json"));
    }

    void compareVersions_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");
        const struct {
            const char *name, *a, *b;
            int expected;
        } cases[] = {
            {"equal", "6.76.9", "6.76.9", 0},
            {"numeric third", "6.76.9", "6.76.10", -1},
            {"second decides", "6.76.9", "6.77", -1},
            {"fourth ignored", "6.76.9", "6.76.9.1", 0},
            {"v prefix is zero", "6.76.9", "v7.0.0", 1},
            {"first before third", "6.76.9", "7.0.0-beta", -1},
            {"missing parts", "6", "6.0.0", 0},
            {"empty parts", "6..1", "6.0.1", 0},
        };
        for (const auto& c : cases)
            QTest::newRow(c.name) << QString::fromLatin1(c.a) << QString::fromLatin1(c.b) << c.expected;
    }
    void compareVersions()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        QCOMPARE(UpdateChecker::compareVersions(a, b), expected);
        QCOMPARE(UpdateChecker::compareVersions(b, a), -expected);
    }

    // Judged as by a program of version 4.2.9 on linux-x64.
    void verdicts_data();
    void verdicts()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, verdict);
        QCOMPARE(describe(orvi::judgeManifest(body, QStringLiteral("4.2.9"), QStringLiteral("linux-x64"))), verdict);
    }

    // One signal per check, with this build's version; http may lead to
    // https, never back (the plain /plain.json is never asked for).
    void outcomes_data();
    void outcomes()
    {
        QFETCH(QUrl, manifest);
        QFETCH(QString, outcome);
        if (tlsServerUnavailable() && QByteArray(QTest::currentDataTag()).contains("https"))
            QSKIP(tlsServerUnavailable());
        const QStringList seen = runCheck(manifest);
        QCOMPARE(seen.size(), 1);
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(outcome)).match(seen.first()).hasMatch(),
                 qPrintable(seen.first()));
        if (manifest.path() == QLatin1String("/same.json"))
            QVERIFY(m_http.lastRequest().toLower().contains("\r\nuser-agent: orviupdater/1.0 ("
                                                            + UpdateChecker::currentVersion().toUtf8() + ")\r\n"));
        QCOMPARE(m_http.hits(QStringLiteral("/plain.json")), 0);
    }

private:
    LoopbackHttpServer m_http;
    LoopbackHttpServer m_https;
};

void UpdateCheckTest::verdicts_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("verdict");
    const QByteArray broken = "{\"version\": \"4.3.0\",";
    QJsonParseError parseError;
    QJsonDocument::fromJson(broken, &parseError);
    const QString none = QStringLiteral("failed 清单里没有适用于本机 (linux-x64) 的更新载荷");
    const QString noVersion = QStringLiteral("failed 更新清单里没有版本号");

    QTest::newRow("latest object") << QByteArray(R"({"latest":{"version":"4.2.9"}})") << "latest 4.2.9";
    QTest::newRow("empty latest means root") << QByteArray(R"({"latest":{},"version":"4.2.9.1"})") << "latest 4.2.9.1";
    QTest::newRow("not an integer") << QByteArray(R"({"version":"v7.0.0"})") << "latest v7.0.0";
    QTest::newRow("both payloads, other platform first")
        << QByteArray(R"({"latest":{
        "version":"4.2.10","released":"2026-11-30","notes":"https://n.invalid","files":[
          {"platform":"windows-x64","installer":{"url":"http://h/other.exe","sha256":"00"}},
          {"platform":"linux-x64",
           "overwrite":{"name":"O.zip","url":"http://h/a%20b.zip","size":1234.9,"sha256":"ABCDEF01"},
           "installer":{"name":"setup.exe","url":"http://h/setup.exe","size":"12","sha256":"aBc"}}]}})")
        << "update 4.2.10 2026-11-30 https://n.invalid | O.zip http://h/a%20b.zip 1234 abcdef01 "
           "| setup.exe http://h/setup.exe 0 abc";
    QTest::newRow("entry without payload objects is the installer")
        << QByteArray(R"({"version":"7.0.0-beta","files":[{"platform":"linux-x64",
            "name":"sub/setup.exe","url":"http://h/s.exe","size":99,"sha256":"FF"}]})")
        << "update 7.0.0-beta   |   0  | sub/setup.exe http://h/s.exe 99 ff";
    QTest::newRow("only the first entry for this machine counts")
        << QByteArray(R"({"version":"4.3","files":[{"platform":"linux-x64","installer":{"url":"http://h/1"}},
            {"platform":"linux-x64","installer":{"url":"http://h/2","sha256":"aa"}}]})")
        << none;
    QTest::newRow("malformed") << broken
                               << "failed " + QStringLiteral("更新清单格式不对 (%1)").arg(parseError.errorString());
    QTest::newRow("array") << QByteArray("[{\"version\":\"7.0.0\"}]") << "failed 更新清单格式不对 (no error occurred)";
    QTest::newRow("no version") << QByteArray(R"({"latest":{"released":"2026-01-01"}})") << noVersion;
    QTest::newRow("version not text") << QByteArray(R"({"version":7})") << noVersion;
    QTest::newRow("no files") << QByteArray(R"({"version":"4.3.0"})") << none;
    QTest::newRow("platform case differs")
        << QByteArray(R"({"version":"4.3.0","files":[{"platform":"LINUX-X64","url":"http://h/x","sha256":"aa"}]})")
        << none;
    QTest::newRow("payload without url") << QByteArray(
        R"({"version":"4.3.0","files":[{"platform":"linux-x64","installer":{"sha256":"aa"}}]})")
                                         << none;
}

void UpdateCheckTest::outcomes_data()
{
    QTest::addColumn<QUrl>("manifest");
    QTest::addColumn<QString>("outcome"); // a pattern
    const QString local = UpdateChecker::currentVersion();
    const QString latest = QRegularExpression::escape(QStringLiteral("alreadyLatest %1 %1").arg(local));
    m_http.serve(QStringLiteral("/plain.json"), manifestJson(local));
    m_https.serve(QStringLiteral("/secure.json"), manifestJson(local));
    m_http.setResponse(QStringLiteral("/up.json"),
                       {.status = 302, .location = m_https.url(QStringLiteral("/secure.json")).toEncoded()});
    m_https.setResponse(QStringLiteral("/down.json"),
                        {.status = 302, .location = m_http.url(QStringLiteral("/plain.json")).toEncoded()});

    QTest::newRow("same version") << m_http.serve(QStringLiteral("/same.json"), manifestJson(local)) << latest;
    const QByteArray newer =
        manifestJson(QStringLiteral("999.0"), {}, R"("overwrite":{"url":"http://127.0.0.1:1/p","sha256":"11"})");
    QTest::newRow("newer") << m_http.serve(QStringLiteral("/newer.json"), newer) << "updateAvailable 999\\.0";
    QTest::newRow("refused") << closedLoopbackUrl(QStringLiteral("/latest.json"))
                             << "checkFailed 无法获取更新清单: Connection refused";
    QTest::newRow("not found") << m_http.url(QStringLiteral("/missing.json"))
                               << "checkFailed 无法获取更新清单: .*Not Found.*";
    QTest::newRow("http to https") << m_http.url(QStringLiteral("/up.json")) << latest;
    QTest::newRow("https to http") << m_https.url(QStringLiteral("/down.json"))
                                   << "checkFailed 无法获取更新清单: Insecure redirect";
}

QTEST_MAIN(UpdateCheckTest)
#include "tst_update_check.moc"
