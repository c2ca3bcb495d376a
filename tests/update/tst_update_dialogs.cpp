// The update dialogs: quiet and on-request checks, the offer and its three
// choices, the download progress and the final notices, answered by
// ModalAnswerer; then the built program's start-up check against a
// loopback manifest, read from its standard error.
#include "loopback_http_server.h"
#include "url_recorder.h"
#include "modal_answerer.h"
#include "test_env.h"
#include "update/update_checker.h"
#include "update/update_dialogs.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using orvi::UpdateChecker;

namespace {

QString sha256Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

// Leaves a progress dialog alone; anything else in its place is closed, so
// that a missing progress dialog fails the test instead of hanging it.
void expectProgressDialog(ModalAnswerer& answerer)
{
    answerer.answerWith([](QWidget* modal) {
        if (qobject_cast<QProgressDialog*>(modal))
            return;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}

// The build's own version, and one newer than any.
const QString kLocal = QStringLiteral(ORVI_VERSION_STRING);
const QString kOfferOneLine = QStringLiteral("发现新版本 999.0（当前 %1）。").arg(kLocal);

QByteArray sameVersionManifest()
{
    return QString::fromUtf8(R"({"latest":{"version":"%1"}})").arg(kLocal).toUtf8();
}

} // namespace


class UpdateDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void manualCheck_data();
    void manualCheck();
    void quietCheckShowsNothing();
    void quietOfferLater();
    void offerOpensDownloadPage();
    void downloadAndRestart();
    void downloadFailureAfterFallback();
    void programStartupCheck_data();
    void programStartupCheck();

private:
    QByteArray newerManifest(const QString& extraReleaseKeys, const QString& payloadsJson) const;
    QPointer<UpdateChecker> newestChecker() const;
    QProgressDialog* newestProgressDialog() const;
    QUrl serve(const QString& path, const QByteArray& body, int delayMs = 0);

    QTemporaryDir m_temp;
    LoopbackHttpServer m_http;
    UrlRecorder m_browser;
    std::unique_ptr<QMainWindow> m_window;
    const QByteArray m_payload = QByteArray(50000, 'p');
};

void UpdateDialogsTest::initTestCase()
{
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    QVERIFY(m_http.listen());
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
}

void UpdateDialogsTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UpdateDialogsTest::init()
{
    m_window = std::make_unique<QMainWindow>();
    m_window->resize(400, 300);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_browser.urls.clear();
}

void UpdateDialogsTest::cleanup()
{
    m_window.reset();
}

QUrl UpdateDialogsTest::serve(const QString& path, const QByteArray& body, int delayMs)
{
    LoopbackHttpServer::Response response;
    response.body = body;
    response.delayMs = delayMs;
    m_http.setResponse(path, response);
    qputenv("ORVI_UPDATE_URL", m_http.url(path).toEncoded());
    return m_http.url(path);
}

QByteArray UpdateDialogsTest::newerManifest(const QString& extraReleaseKeys, const QString& payloadsJson) const
{
    return QString::fromUtf8(R"({"latest":{"version":"999.0"%1,"files":[{"platform":"%2",%3}]}})")
        .arg(extraReleaseKeys, UpdateChecker::platformKey(), payloadsJson)
        .toUtf8();
}

QPointer<UpdateChecker> UpdateDialogsTest::newestChecker() const
{
    const QList<UpdateChecker*> checkers = m_window->findChildren<UpdateChecker*>();
    return checkers.isEmpty() ? nullptr : checkers.last();
}

QProgressDialog* UpdateDialogsTest::newestProgressDialog() const
{
    const QList<QProgressDialog*> dialogs = m_window->findChildren<QProgressDialog*>();
    return dialogs.isEmpty() ? nullptr : dialogs.last();
}

void UpdateDialogsTest::manualCheck_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text"); // a pattern
    QTest::newRow("up to date") << 200
                                << QRegularExpression::escape(QStringLiteral("已是最新版本 (%1)。服务器上的最新版本为 %1。").arg(kLocal));
    QTest::newRow("server error") << 500 << QStringLiteral("检查更新失败：\n无法获取更新清单: .*Internal Server Error.*");
}

// The check's progress dialog first (the late answer lets it be seen), then
// one box; the checker is gone afterwards.
void UpdateDialogsTest::manualCheck()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    LoopbackHttpServer::Response response;
    response.status = status;
    response.body = sameVersionManifest();
    response.delayMs = 300;
    m_http.setResponse(QStringLiteral("/manual.json"), response);
    qputenv("ORVI_UPDATE_URL", m_http.url(QStringLiteral("/manual.json")).toEncoded());
    ModalAnswerer answerer;
    expectProgressDialog(answerer);
    answerer.answer(QMessageBox::Ok);
    orvi::checkForUpdates(m_window.get(), false);

    QProgressDialog* checking = newestProgressDialog();
    QVERIFY(checking);
    QCOMPARE(checking->labelText(), QStringLiteral("正在检查更新…"));
    const QPointer<UpdateChecker> checker = newestChecker();
    QVERIFY(checker);
    QVERIFY(answerer.waitForRecords(2, 10000));
    QCOMPARE(answerer.records().at(0).className, QStringLiteral("QProgressDialog"));
    const ModalAnswerer::Record& box = answerer.records().at(1);
    QCOMPARE(box.title, QStringLiteral("检查更新"));
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(text), QRegularExpression::DotMatchesEverythingOption)
                 .match(box.text).hasMatch(), qPrintable(box.text));
    QCOMPARE(box.buttons.size(), 1);
    QVERIFY(!answerer.hasUnexpected());
    QTRY_VERIFY(checker.isNull());
    QVERIFY(!checking->isVisible());
}

void UpdateDialogsTest::quietCheckShowsNothing()
{
    ModalAnswerer answerer;
    const qsizetype dialogsBefore = m_window->findChildren<QProgressDialog*>().size();

    serve(QStringLiteral("/same.json"), sameVersionManifest());
    orvi::checkForUpdates(m_window.get(), true);
    QPointer<UpdateChecker> checker = newestChecker();
    QTRY_VERIFY(checker.isNull());

    qputenv("ORVI_UPDATE_URL", closedLoopbackUrl(QStringLiteral("/none.json")).toEncoded());
    orvi::checkForUpdates(m_window.get(), true);
    checker = newestChecker();
    QTRY_VERIFY(checker.isNull());

    QTest::qWait(100);
    QVERIFY(answerer.records().isEmpty());
    QCOMPARE(m_window->findChildren<QProgressDialog*>().size(), dialogsBefore);
}

void UpdateDialogsTest::quietOfferLater()
{
    serve(QStringLiteral("/newer.json"),
          newerManifest(QString::fromUtf8(R"(,"released":"2026-12-01","notes":"https://notes.example.invalid/6.77")"),
                        QString::fromUtf8(R"("url":"http://127.0.0.1:1/setup.run","sha256":"aa")")));
    ModalAnswerer answerer;
    answerer.answerText(QStringLiteral("稍后"));
    orvi::checkForUpdates(m_window.get(), true);
    const QPointer<UpdateChecker> checker = newestChecker();
    QVERIFY(answerer.waitForRecords(1, 10000));
    const ModalAnswerer::Record& offer = answerer.records().at(0);
    QCOMPARE(offer.title, QStringLiteral("发现新版本"));
    QCOMPARE(offer.text, kOfferOneLine + QStringLiteral("\n发布日期：2026-12-01\n\n更新说明：https://notes.example.invalid/6.77"));
    QCOMPARE(sorted(offer.buttons), sorted({QStringLiteral("下载并更新"), QStringLiteral("打开下载页"), QStringLiteral("稍后")}));
    QCOMPARE(offer.pressed, QStringLiteral("稍后"));
    QTRY_VERIFY(checker.isNull());
    QTest::qWait(100);
    QCOMPARE(answerer.records().size(), 1);
    QVERIFY(!answerer.hasUnexpected());
    QVERIFY(m_browser.urls.isEmpty());
    QVERIFY(m_window->findChildren<QProgressDialog*>().isEmpty());
}

void UpdateDialogsTest::offerOpensDownloadPage()
{
    const QString payload = QString::fromUtf8(R"("url":"http://127.0.0.1:1/setup.run","sha256":"aa")");
    serve(QStringLiteral("/newer.json"), newerManifest(QString(), payload));
    QPointer<UpdateChecker> checker;
    {
        ModalAnswerer answerer;
        answerer.answerText(QStringLiteral("打开下载页"));
        orvi::checkForUpdates(m_window.get(), true);
        checker = newestChecker();
        QVERIFY(answerer.waitForRecords(1, 10000));
        QCOMPARE(answerer.records().at(0).text, kOfferOneLine);
        QTRY_VERIFY(checker.isNull());
        QCOMPARE(m_browser.urls, QList<QUrl>{QUrl(QStringLiteral("https://www.orvi.example/changelog"))});
        QVERIFY(!answerer.hasUnexpected());
    }

    // A fresh answerer for the second offer; the first one is gone so it
    // cannot take the box as unexpected.
    ModalAnswerer second;
    serve(QStringLiteral("/newer.json"),
          newerManifest(QString::fromUtf8(R"(,"notes":"https://notes.example.invalid/6.77")"), payload));
    second.answerText(QStringLiteral("打开下载页"));
    orvi::checkForUpdates(m_window.get(), true);
    checker = newestChecker();
    QVERIFY(second.waitForRecords(1, 10000));
    QTRY_VERIFY(checker.isNull());
    QCOMPARE(m_browser.urls.last(), QUrl(QStringLiteral("https://notes.example.invalid/6.77")));
    QVERIFY(!second.hasUnexpected());
}

void UpdateDialogsTest::downloadAndRestart()
{
    LoopbackHttpServer::Response slow;
    slow.body = m_payload;
    slow.delayMs = 700; // longer than the progress dialog's minimum duration
    m_http.setResponse(QStringLiteral("/slow.run"), slow);
    serve(QStringLiteral("/newer.json"),
          newerManifest(QString(), QString::fromUtf8(R"("installer":{"url":"%1","sha256":"%2"})")
                                       .arg(m_http.url(QStringLiteral("/slow.run")).toString(), sha256Hex(m_payload))));

    auto* checker = new UpdateChecker(m_window.get());
    int launches = 0;
    checker->setScriptLauncher([&launches](const QString&, bool) {
        ++launches;
        return orvi::platform::ScriptLaunch{true, 0};
    });
    ModalAnswerer answerer;
    answerer.answerText(QStringLiteral("下载并更新"));
    expectProgressDialog(answerer);
    answerer.answer(QMessageBox::Ok);
    orvi::runUpdateFlow(m_window.get(), checker, true);

    QVERIFY(answerer.waitForRecords(3, 15000));
    const ModalAnswerer::Record& progress = answerer.records().at(1);
    QCOMPARE(progress.className, QStringLiteral("QProgressDialog"));
    QCOMPARE(progress.title, QStringLiteral("下载更新"));
    const ModalAnswerer::Record& notice = answerer.records().at(2);
    QCOMPARE(notice.title, QStringLiteral("更新"));
    QCOMPARE(notice.text, QStringLiteral("更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。\n\n程序现在退出。"));
    QCOMPARE(notice.buttons.size(), 1);
    QCOMPARE(launches, 1);
    QVERIFY(!answerer.hasUnexpected());

    QProgressDialog* downloading = newestProgressDialog();
    QVERIFY(downloading);
    QVERIFY(!downloading->isVisible());
}

void UpdateDialogsTest::downloadFailureAfterFallback()
{
    LoopbackHttpServer::Response slow;
    slow.body = m_payload;
    slow.delayMs = 700;
    m_http.setResponse(QStringLiteral("/slow.zip"), slow);
    m_http.setResponse(QStringLiteral("/slow.run"), slow);
    const QString wrong = QString(64, QLatin1Char('a'));
    serve(QStringLiteral("/newer.json"),
          newerManifest(QString(), QString::fromUtf8(R"("overwrite":{"url":"%1","sha256":"%3"},"installer":{"url":"%2","sha256":"%3"})")
                                       .arg(m_http.url(QStringLiteral("/slow.zip")).toString(),
                                            m_http.url(QStringLiteral("/slow.run")).toString(), wrong)));
    ModalAnswerer answerer;
    answerer.answerText(QStringLiteral("下载并更新"));
    expectProgressDialog(answerer);
    answerer.answer(QMessageBox::Ok);
    orvi::checkForUpdates(m_window.get(), true);
    const QPointer<UpdateChecker> checker = newestChecker();

    QVERIFY(answerer.waitForRecords(3, 15000));
    const QString mismatch = QStringLiteral("校验和不匹配, 已丢弃 (期望 aaaaaaaaaaaaaaaa, 实际 %1)").arg(sha256Hex(m_payload).left(16));
    const ModalAnswerer::Record& failure = answerer.records().at(2);
    QCOMPARE(failure.title, QStringLiteral("更新失败"));
    QCOMPARE(failure.text, mismatch);
    QVERIFY(!answerer.hasUnexpected());
    QTRY_VERIFY(checker.isNull());
    // The fallback note replaced the progress dialog's label.
    QCOMPARE(newestProgressDialog()->labelText(), QStringLiteral("覆盖载荷不可用 (%1)，改用安装包").arg(mismatch));
}

void UpdateDialogsTest::programStartupCheck_data()
{
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<bool>("closedPort");
    QTest::addColumn<QString>("expectedLine");
    QTest::newRow("up to date") << sameVersionManifest() << false
                                << QStringLiteral("[update] already latest: local %1, remote %1").arg(kLocal);
    QTest::newRow("newer") << newerManifest(QString(), QString::fromUtf8(R"("url":"http://127.0.0.1:1/x","sha256":"aa")"))
                           << false << QStringLiteral("[update] new version available: 999.0 (local %1)").arg(kLocal);
    QTest::newRow("network failure") << QByteArray() << true
                                     << "[update] check failed: 无法获取更新清单: Connection refused";
}

void UpdateDialogsTest::programStartupCheck()
{
    QFETCH(QByteArray, manifest);
    QFETCH(bool, closedPort);
    QFETCH(QString, expectedLine);
    const QUrl url = closedPort ? closedLoopbackUrl(QStringLiteral("/latest.json"))
                                : m_http.url(QStringLiteral("/program.json"));
    m_http.serve(QStringLiteral("/program.json"), manifest);

    QTemporaryDir settings;
    QProcessEnvironment environment = orvi::test::programEnvironment(settings.path(), QStringLiteral("zh"));
    environment.remove(QStringLiteral("ORVI_NO_UPDATE_CHECK"));
    environment.insert(QStringLiteral("ORVI_GUI_SMOKE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("ORVI_UPDATE_URL"), url.toString());
    environment.insert(QStringLiteral("TMPDIR"), m_temp.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    QSignalSpy finished(&program, &QProcess::finished);
    program.start(orvi::test::programPath(), {});
    // The server answers from this process's event loop, so wait without blocking it.
    QVERIFY(finished.wait(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    const QStringList updateLines =
        orvi::test::outputLines(program.readAllStandardError()).filter(QRegularExpression(QStringLiteral("^\\[update\\]")));
    QCOMPARE(updateLines, QStringList{expectedLine});
}

QTEST_MAIN(UpdateDialogsTest)
#include "tst_update_dialogs.moc"
