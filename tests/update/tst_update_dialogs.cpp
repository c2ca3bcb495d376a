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
const QString kNeverFetched = R"("url":"http://127.0.0.1:1/setup.run","sha256":"aa")";

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

    void check_data()
    {
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text"); // a pattern
        const QString latest =
            QRegularExpression::escape(QStringLiteral("已是最新版本 (%1)。服务器上的最新版本为 %1。").arg(kLocal));
        const QString failed = QStringLiteral("检查更新失败：\n无法获取更新清单: .*Internal Server Error.*");
        QTest::newRow("on request, up to date") << false << 200 << latest;
        QTest::newRow("on request, server error") << false << 500 << failed;
        QTest::newRow("quiet, up to date") << true << 200 << QString();
        QTest::newRow("quiet, server error") << true << 500 << QString();
    }
    // On request: the check's progress dialog first (the late answer lets it
    // be seen), then one box. A quiet check shows nothing. The checker is
    // gone afterwards.
    void check()
    {
        QFETCH(bool, quiet);
        QFETCH(int, status);
        QFETCH(QString, text);
        m_http.setResponse(QStringLiteral("/check.json"),
                           {.status = status, .body = manifestJson(kLocal), .delayMs = 300});
        qputenv("ORVI_UPDATE_URL", m_http.url(QStringLiteral("/check.json")).toEncoded());
        ModalAnswerer answerer;
        if (!quiet) {
            expectProgressDialog(answerer);
            answerer.answer(QMessageBox::Ok);
        }
        orvi::checkForUpdates(m_window.get(), quiet);
        QProgressDialog* checking = newest<QProgressDialog>();
        QCOMPARE(checking ? checking->labelText() : QString(), quiet ? QString() : QStringLiteral("正在检查更新…"));
        const QPointer<UpdateChecker> checker = newest<UpdateChecker>();
        QVERIFY(checker);
        QTRY_VERIFY_WITH_TIMEOUT(checker.isNull(), 10000);
        QCOMPARE(answerer.records().size(), quiet ? 0 : 2);
        QVERIFY(!answerer.hasUnexpected());
        if (quiet)
            return;
        QCOMPARE(answerer.records().at(0).className, QStringLiteral("QProgressDialog"));
        const ModalAnswerer::Record& box = answerer.records().at(1);
        QCOMPARE(box.title, QStringLiteral("检查更新"));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(text)).match(box.text).hasMatch(),
                 qPrintable(box.text));
        QCOMPARE(box.buttons.size(), 1);
        QVERIFY(!checking->isVisible());
    }

    // The quiet check's offer of 999.0 and what each choice leads to.
    // "Download" shows the progress dialog (the late answers let it be seen),
    // then the final notice; the script is started only for verified files.
    void offer_data();
    void offer()
    {
        QFETCH(QString, releaseKeys);
        QFETCH(QString, entry);
        QFETCH(QString, choice);
        QFETCH(QString, text);
        QFETCH(QString, opened);
        QFETCH(QString, notice);
        entry.replace(QStringLiteral("@zip"), m_http.serve(QStringLiteral("/slow.zip"), m_payload, 700).toString())
            .replace(QStringLiteral("@run"), m_http.serve(QStringLiteral("/slow.run"), m_payload, 700).toString());
        const QUrl manifest =
            m_http.serve(QStringLiteral("/offer.json"), manifestJson(QStringLiteral("999.0"), releaseKeys, entry));
        qputenv("ORVI_UPDATE_URL", manifest.toEncoded());
        const QPointer<UpdateChecker> checker = new UpdateChecker(m_window.get());
        int launched = 0;
        checker->setScriptLauncher([&launched](const QString&, bool) {
            ++launched;
            return orvi::platform::ScriptLaunch{true, 0};
        });
        ModalAnswerer answerer;
        answerer.answerText(choice);
        if (!notice.isEmpty()) {
            expectProgressDialog(answerer);
            answerer.answer(QMessageBox::Ok);
        }
        orvi::runUpdateFlow(m_window.get(), checker, true);

        QVERIFY(answerer.waitForRecords(notice.isEmpty() ? 1 : 3, 15000));
        const ModalAnswerer::Record& offer = answerer.records().at(0);
        QCOMPARE(offer.title, QStringLiteral("发现新版本"));
        QCOMPARE(offer.text, text);
        QCOMPARE(QSet<QString>(offer.buttons.begin(), offer.buttons.end()),
                 (QSet<QString>{QStringLiteral("下载并更新"), QStringLiteral("打开下载页"), QStringLiteral("稍后")}));
        if (notice.isEmpty()) {
            QTRY_VERIFY(checker.isNull());
            QTest::qWait(100);
            QCOMPARE(answerer.records().size(), 1);
            QVERIFY(m_window->findChildren<QProgressDialog*>().isEmpty());
        } else {
            QCOMPARE(answerer.records().at(1).className, QStringLiteral("QProgressDialog"));
            QCOMPARE(answerer.records().at(1).title, QStringLiteral("下载更新"));
            const ModalAnswerer::Record& last = answerer.records().at(2);
            QCOMPARE(last.title + '\n' + last.text, notice);
            QCOMPARE(last.buttons.size(), 1);
            QProgressDialog* downloading = newest<QProgressDialog>();
            QVERIFY(!downloading->isVisible());
            if (last.title == QStringLiteral("更新失败")) // the fallback to the installer was shown
                QCOMPARE(downloading->labelText(), QStringLiteral("覆盖载荷不可用 (%1)，改用安装包").arg(last.text));
        }
        QCOMPARE(launched, notice.startsWith(QStringLiteral("更新\n")) ? 1 : 0);
        QVERIFY(!answerer.hasUnexpected());
        QCOMPARE(m_browser.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
    }

    // One real run of the program: its quiet start-up check reports to the error stream.
    void programStartupCheck()
    {
        const QUrl url =
            m_http.serve(QStringLiteral("/program.json"), manifestJson(QStringLiteral("999.0"), {}, kNeverFetched));
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

private:
    template <class T>
    T* newest() const
    {
        const QList<T*> children = m_window->findChildren<T*>();
        return children.isEmpty() ? nullptr : children.last();
    }

    QTemporaryDir m_temp;
    LoopbackHttpServer m_http;
    UrlRecorder m_browser;
    std::unique_ptr<QMainWindow> m_window;
    const QByteArray m_payload = QByteArray(50000, 'p');
};

void UpdateDialogsTest::offer_data()
{
    QTest::addColumn<QString>("releaseKeys");
    QTest::addColumn<QString>("entry"); // @zip and @run stand for the two payload addresses
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opened"); // empty: nothing opened
    QTest::addColumn<QString>("notice"); // "<title>\n<text>" of the final notice; empty: none
    const QString none;
    const QString notes = QStringLiteral(",\"notes\":\"https://notes.example.invalid/6.77\"");
    const QString notesLine = QStringLiteral("\n\n更新说明：https://notes.example.invalid/6.77");
    const QString good = QString::fromUtf8(R"("installer":{"url":"@run","sha256":"%1"})").arg(sha256Hex(m_payload));
    const QString bad = QString::fromUtf8(R"("overwrite":{"url":"@zip","sha256":"%1"},"installer":{"url":"@run",)"
                                          R"("sha256":"%1"})")
                            .arg(QString(64, QLatin1Char('a')));
    const QString mismatch =
        QStringLiteral("校验和不匹配, 已丢弃 (期望 aaaaaaaaaaaaaaaa, 实际 %1)").arg(sha256Hex(m_payload).left(16));
    QTest::newRow("later") << ",\"released\":\"2026-12-01\"" + notes << kNeverFetched << "稍后"
                           << kOfferOneLine + "\n发布日期：2026-12-01" + notesLine << none << none;
    QTest::newRow("download page") << none << kNeverFetched << "打开下载页" << kOfferOneLine
                                   << QStringLiteral("https://www.orvi.example/changelog") << none;
    QTest::newRow("notes page") << notes << kNeverFetched << "打开下载页" << kOfferOneLine + notesLine
                                << QStringLiteral("https://notes.example.invalid/6.77") << none;
    QTest::newRow("download: verified, restart")
        << none << good << "下载并更新" << kOfferOneLine << none
        << QStringLiteral("更新\n更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。\n\n程序现在退出。");
    QTest::newRow("download: both wrong, failure after the fallback")
        << none << bad << "下载并更新" << kOfferOneLine << none << "更新失败\n" + mismatch;
}

QTEST_MAIN(UpdateDialogsTest)
#include "tst_update_dialogs.moc"
