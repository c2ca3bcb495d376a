// The update dialogs: quiet and on-request checks, the offer and its three
// choices, the download progress and the final notices, answered by
// ModalAnswerer; then the built program's start-up check against a loopback
// manifest, read from its standard error.
#include "loopback_http_server.h"
#include "modal_answerer.h"
#include "test_env.h"
#include "update/update_dialogs.h"
#include "url_recorder.h"

#include <QDesktopServices>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QtTest>

using orvi::UpdateChecker;
using orvi::test::sha256Hex;

namespace {

// Leaves a progress dialog alone; anything else in its place is closed, so
// that a missing progress dialog fails the test instead of hanging it.
void expectProgressDialog(ModalAnswerer& answerer)
{
    answerer.answerWith([](QWidget* modal) {
        if (!qobject_cast<QProgressDialog*>(modal) && qobject_cast<QDialog*>(modal))
            static_cast<QDialog*>(modal)->reject();
    });
}

// The build's own version; the offers are of 999.0, newer than any.
const QString kLocal = QStringLiteral(ORVI_VERSION_STRING);
const QString kOfferOneLine = QStringLiteral("发现新版本 999.0（当前 %1）。").arg(kLocal);

} // namespace

class UpdateDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        QVERIFY(m_http.listen());
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    void init()
    {
        m_window = std::make_unique<QMainWindow>();
        m_window->resize(400, 300);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_browser.urls.clear();
    }
    void cleanup() { m_window.reset(); }
    void manualCheck_data();
    void manualCheck();
    void quietCheckShowsNothing();
    void offerChoices_data();
    void offerChoices();
    void downloadOutcome_data();
    void downloadOutcome();
    void programStartupCheck();

private:
    template <class T>
    T* newest() const
    {
        const QList<T*> children = m_window->findChildren<T*>();
        return children.isEmpty() ? nullptr : children.last();
    }
    void serveManifest(const QByteArray& body)
    {
        qputenv("ORVI_UPDATE_URL", m_http.serve("/m.json", body).toEncoded());
    }

    QTemporaryDir m_temp;
    LoopbackHttpServer m_http;
    UrlRecorder m_browser;
    std::unique_ptr<QMainWindow> m_window;
    const QByteArray m_payload = QByteArray(50000, 'p');
};

void UpdateDialogsTest::manualCheck_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text"); // a pattern
    QTest::newRow("up to date") << 200
                                << QRegularExpression::escape(
                                       QStringLiteral("已是最新版本 (%1)。服务器上的最新版本为 %1。").arg(kLocal));
    QTest::newRow("server error") << 500
                                  << QStringLiteral("检查更新失败：\n无法获取更新清单: .*Internal Server Error.*");
}

// The check's progress dialog first (the late answer lets it be seen), then
// one box; the checker is gone afterwards.
void UpdateDialogsTest::manualCheck()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    m_http.setResponse(QStringLiteral("/manual.json"),
                       {.status = status, .body = manifestJson(kLocal), .delayMs = 300});
    qputenv("ORVI_UPDATE_URL", m_http.url(QStringLiteral("/manual.json")).toEncoded());
    ModalAnswerer answerer;
    expectProgressDialog(answerer);
    answerer.answer(QMessageBox::Ok);
    orvi::checkForUpdates(m_window.get(), false);

    QProgressDialog* checking = newest<QProgressDialog>();
    QVERIFY(checking);
    QCOMPARE(checking->labelText(), QStringLiteral("正在检查更新…"));
    const QPointer<UpdateChecker> checker = newest<UpdateChecker>();
    QVERIFY(checker);
    QVERIFY(answerer.waitForRecords(2, 10000));
    QCOMPARE(answerer.records().at(0).className, QStringLiteral("QProgressDialog"));
    const ModalAnswerer::Record& box = answerer.records().at(1);
    QCOMPARE(box.title, QStringLiteral("检查更新"));
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(text)).match(box.text).hasMatch(),
             qPrintable(box.text));
    QCOMPARE(box.buttons.size(), 1);
    QVERIFY(!answerer.hasUnexpected());
    QTRY_VERIFY(checker.isNull());
    QVERIFY(!checking->isVisible());
}

void UpdateDialogsTest::quietCheckShowsNothing()
{
    ModalAnswerer answerer;
    const qsizetype dialogsBefore = m_window->findChildren<QProgressDialog*>().size();
    serveManifest(manifestJson(kLocal));
    for (int run = 0; run < 2; ++run) {
        orvi::checkForUpdates(m_window.get(), true);
        const QPointer<UpdateChecker> checker = newest<UpdateChecker>();
        QTRY_VERIFY(checker.isNull());
        qputenv("ORVI_UPDATE_URL", closedLoopbackUrl(QStringLiteral("/none.json")).toEncoded()); // a failure next
    }
    QTest::qWait(100);
    QVERIFY(answerer.records().isEmpty());
    QCOMPARE(m_window->findChildren<QProgressDialog*>().size(), dialogsBefore);
}

void UpdateDialogsTest::offerChoices_data()
{
    QTest::addColumn<QString>("releaseKeys");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opened"); // empty: nothing opened
    const QString notes = QStringLiteral(",\"notes\":\"https://notes.example.invalid/6.77\"");
    const QString notesLine = QStringLiteral("\n\n更新说明：https://notes.example.invalid/6.77");
    QTest::newRow("later") << ",\"released\":\"2026-12-01\"" + notes << "稍后"
                           << kOfferOneLine + "\n发布日期：2026-12-01" + notesLine << "";
    QTest::newRow("download page") << ""
                                   << "打开下载页" << kOfferOneLine << "https://www.orvi.example/changelog";
    QTest::newRow("notes page") << notes << "打开下载页" << kOfferOneLine + notesLine
                                << "https://notes.example.invalid/6.77";
}

// The quiet check's offer: one box with three choices; the checker is gone
// afterwards and no progress dialog was left behind.
void UpdateDialogsTest::offerChoices()
{
    QFETCH(QString, releaseKeys);
    QFETCH(QString, choice);
    QFETCH(QString, text);
    QFETCH(QString, opened);
    serveManifest(
        manifestJson(QStringLiteral("999.0"), releaseKeys, R"("url":"http://127.0.0.1:1/setup.run","sha256":"aa")"));
    ModalAnswerer answerer;
    answerer.answerText(choice);
    orvi::checkForUpdates(m_window.get(), true);
    const QPointer<UpdateChecker> checker = newest<UpdateChecker>();
    QVERIFY(answerer.waitForRecords(1, 10000));
    const ModalAnswerer::Record& offer = answerer.records().at(0);
    QCOMPARE(offer.title, QStringLiteral("发现新版本"));
    QCOMPARE(offer.text, text);
    QCOMPARE(QSet<QString>(offer.buttons.begin(), offer.buttons.end()),
             (QSet<QString>{QStringLiteral("下载并更新"), QStringLiteral("打开下载页"), QStringLiteral("稍后")}));
    QTRY_VERIFY(checker.isNull());
    QTest::qWait(100);
    QCOMPARE(answerer.records().size(), 1);
    QVERIFY(!answerer.hasUnexpected());
    QCOMPARE(m_browser.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
    QVERIFY(m_window->findChildren<QProgressDialog*>().isEmpty());
}

void UpdateDialogsTest::downloadOutcome_data()
{
    QTest::addColumn<QString>("payloads"); // @zip and @run stand for the two payload addresses
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("launches");
    QTest::addColumn<QString>("label"); // the progress dialog's last label; empty: not checked
    const QString wrong = QString(64, QLatin1Char('a'));
    const QString mismatch =
        QStringLiteral("校验和不匹配, 已丢弃 (期望 aaaaaaaaaaaaaaaa, 实际 %1)").arg(sha256Hex(m_payload).left(16));
    QTest::newRow("verified: restart")
        << R"("installer":{"url":"@run","sha256":")" + sha256Hex(m_payload) + "\"}"
        << "更新"
        << "更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。\n\n程序现在退出。" << 1 << "";
    QTest::newRow("both wrong: failure after the fallback")
        << R"("overwrite":{"url":"@zip","sha256":")" + wrong + R"("},"installer":{"url":"@run","sha256":")" + wrong
            + "\"}"
        << "更新失败" << mismatch << 0 << QStringLiteral("覆盖载荷不可用 (%1)，改用安装包").arg(mismatch);
}

// Download and update: the progress dialog (the late answer lets it be seen),
// then the final notice.
void UpdateDialogsTest::downloadOutcome()
{
    QFETCH(QString, payloads);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, launches);
    QFETCH(QString, label);
    // Answered later than the progress dialog's minimum duration.
    payloads.replace(QStringLiteral("@zip"), m_http.serve(QStringLiteral("/slow.zip"), m_payload, 700).toString())
        .replace(QStringLiteral("@run"), m_http.serve(QStringLiteral("/slow.run"), m_payload, 700).toString());
    serveManifest(manifestJson(QStringLiteral("999.0"), {}, payloads));
    auto* checker = new UpdateChecker(m_window.get());
    int launched = 0;
    checker->setScriptLauncher([&launched](const QString&, bool) {
        ++launched;
        return orvi::platform::ScriptLaunch{true, 0};
    });
    ModalAnswerer answerer;
    answerer.answerText(QStringLiteral("下载并更新"));
    expectProgressDialog(answerer);
    answerer.answer(QMessageBox::Ok);
    orvi::runUpdateFlow(m_window.get(), checker, true);

    QVERIFY(answerer.waitForRecords(3, 15000));
    QCOMPARE(answerer.records().at(1).className, QStringLiteral("QProgressDialog"));
    QCOMPARE(answerer.records().at(1).title, QStringLiteral("下载更新"));
    const ModalAnswerer::Record& notice = answerer.records().at(2);
    QCOMPARE(notice.title, title);
    QCOMPARE(notice.text, text);
    QCOMPARE(notice.buttons.size(), 1);
    QCOMPARE(launched, launches);
    QVERIFY(!answerer.hasUnexpected());
    QProgressDialog* downloading = newest<QProgressDialog>();
    QVERIFY(!downloading->isVisible());
    if (!label.isEmpty())
        QCOMPARE(downloading->labelText(), label);
}

// One real run of the program: its quiet start-up check reports to the error stream.
void UpdateDialogsTest::programStartupCheck()
{
    const QUrl url =
        m_http.serve(QStringLiteral("/program.json"),
                     manifestJson(QStringLiteral("999.0"), {}, R"("url":"http://127.0.0.1:1/x","sha256":"aa")"));
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
    QCOMPARE(orvi::test::outputLines(program.readAllStandardError())
                 .filter(QRegularExpression(QStringLiteral("^\\[update\\]"))),
             QStringList{QStringLiteral("[update] new version available: 999.0 (local %1)").arg(kLocal)});
}

QTEST_MAIN(UpdateDialogsTest)
#include "tst_update_dialogs.moc"
