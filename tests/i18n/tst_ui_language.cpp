#include "common/settings_store.h"
#include "app/ui_language.h"
#include "language_test_env.h"
#include "modal_answerer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QRegularExpression>

#include <memory>

using namespace orvi;

namespace {

QApplication& application()
{
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

QString startPacking()
{
    return QCoreApplication::translate("PackGuiWindow", "▶  开始打包");
}

QStringList itemData(const QComboBox* combo)
{
    QStringList data;
    for (int i = 0; i < combo->count(); ++i)
        data << combo->itemData(i).toString();
    return data;
}

// A window that refuses to close, as the pack window does while a pack runs
// and the user answers No.
class RefusingWindow : public QMainWindow
{
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

class UiLanguageTest : public QObject
{
    Q_OBJECT

private:
    test::LanguageEnvironment m_environment;
    test::TemporarySettings m_settings;

private slots:
    void init()
    {
        test::LanguageEnvironment::clear();
        m_settings.reset();
        setCatalogueDirectory(QStringLiteral(":/i18n"));
    }

    void cleanup()
    {
        setCatalogueDirectory(QStringLiteral(":/i18n"));
        applyUiLanguage(application(), QStringLiteral("zh"));
    }

    // An override in any locale spelling decides; an unusable one is ignored
    // and the saved choice wins.
    void overrideDecidesTheLanguage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::newRow("zh_TW") << "zh_TW"
                               << "hant";
        QTest::newRow("zh-HK") << "zh-HK"
                               << "hant";
        QTest::newRow("ZH_MO") << "ZH_MO"
                               << "hant";
        QTest::newRow("zh_CN") << "zh_CN"
                               << "zh";
        QTest::newRow("pt_BR") << "pt_BR"
                               << "pt";
        QTest::newRow("padded de") << "  de_AT "
                                   << "de";
        QTest::newRow("hant itself") << "hant"
                                     << "hant";
        QTest::newRow("xx") << "xx"
                            << "";
        QTest::newRow("system") << "system"
                                << "";
        QTest::newRow("empty") << "   "
                               << "";
    }
    void overrideDecidesTheLanguage()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        saveUiLanguage(QStringLiteral("ko"));
        qputenv("ORVI_LANG", text.toLocal8Bit());
        QCOMPARE(systemLanguageCode(), code.isEmpty() ? QStringLiteral("ko") : code);
        QCOMPARE(applyUiLanguage(application(), QStringLiteral("ja")), code.isEmpty() ? QStringLiteral("ja") : code);
    }

    void environmentLocaleDecidesSystemLanguage_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("code");
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << "zh";
        QTest::newRow("LANG de_DE.UTF-8") << QByteArray("LANG") << QByteArray("de_DE.UTF-8") << "de";
        QTest::newRow("LANG C") << QByteArray("LANG") << QByteArray("C") << "zh";
        QTest::newRow("LANGUAGE fr:en") << QByteArray("LANGUAGE") << QByteArray("fr:en") << "fr";
        QTest::newRow("LC_ALL zh_TW.UTF-8") << QByteArray("LC_ALL") << QByteArray("zh_TW.UTF-8") << "hant";
        QTest::newRow("LC_MESSAGES pt_BR") << QByteArray("LC_MESSAGES") << QByteArray("pt_BR") << "pt";
        QTest::newRow("LANG ar_EG") << QByteArray("LANG") << QByteArray("ar_EG.UTF-8") << "ar";
        QTest::newRow("Italian") << QByteArray("LANG") << QByteArray("it_IT.UTF-8") << "en";
        QTest::newRow("unknown language") << QByteArray("LANG") << QByteArray("qq_ZZ") << "zh";
    }
    void environmentLocaleDecidesSystemLanguage()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(QString, code);
        if (!variable.isEmpty())
            qputenv(variable.constData(), value);
        QCOMPARE(systemLanguageCode(), code);
        QCOMPARE(applyUiLanguage(application(), QStringLiteral("system")), code);
    }

    void firstSetLocaleVariableWins()
    {
        qputenv("LANGUAGE", "fr:en");
        qputenv("LANG", "es_ES.UTF-8");
        QCOMPARE(systemLanguageCode(), QStringLiteral("es"));
        qputenv("LC_MESSAGES", "");
        QCOMPARE(systemLanguageCode(), QStringLiteral("es")); // empty counts as unset
        qputenv("LC_ALL", "ko_KR.UTF-8");
        QCOMPARE(systemLanguageCode(), QStringLiteral("ko"));
        QCOMPARE(environmentLocale().language(), QLocale::Korean);
    }

    void savedChoiceBeatsEnvironment()
    {
        qputenv("LANG", "de_DE.UTF-8");
        saveUiLanguage(QStringLiteral("pl"));
        QCOMPARE(savedUiLanguage(), QStringLiteral("pl"));
        QCOMPARE(systemLanguageCode(), QStringLiteral("pl"));
    }

    void savedValueOutsideTheTableReadsAsSystem()
    {
        QCOMPARE(savedUiLanguage(), QStringLiteral("system"));
        saveUiLanguage(QStringLiteral("it"));
        QCOMPARE(savedUiLanguage(), QStringLiteral("system"));
        saveUiLanguage(QStringLiteral("EN"));
        QCOMPARE(savedUiLanguage(), QStringLiteral("system"));

        QMainWindow window;
        QComboBox* combo = createUiLanguageSelector(&window);
        QCOMPARE(combo->currentData().toString(), QStringLiteral("system"));
    }

    void everyCatalogueLoadsAndTranslates()
    {
        QCOMPARE(applyUiLanguage(application(), QStringLiteral("zh")), QStringLiteral("zh"));
        QCOMPARE(startPacking(), QStringLiteral("▶  开始打包"));
        QStringList seen;
        for (const UiLanguage& language : kUiLanguages) {
            const QString code = QLatin1String(language.code);
            if (code == QLatin1String("zh"))
                continue;
            QVERIFY2(QFile::exists(catalogueResourcePath(code)), qPrintable(code));
            QCOMPARE(applyUiLanguage(application(), code), code);
            const QString sample = startPacking();
            QVERIFY2(sample.startsWith(QStringLiteral("▶  ")), qPrintable(code + ": " + sample));
            QVERIFY2(sample != QStringLiteral("▶  开始打包"), qPrintable(code));
            QVERIFY2(!seen.contains(sample), qPrintable(code + " repeats " + sample));
            seen << sample;
            QCOMPARE(QApplication::layoutDirection(), language.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        }
        applyUiLanguage(application(), QStringLiteral("en"));
        QCOMPARE(startPacking(), QStringLiteral("▶  Start packing"));
        QCOMPARE(QCoreApplication::translate("UiLangRow", "跟随系统"), QStringLiteral("Follow system"));
    }

    void onlyOneCatalogueIsInstalledAtATime()
    {
        applyUiLanguage(application(), QStringLiteral("de"));
        QCOMPARE(startPacking(), QStringLiteral("▶  Packen starten"));
        applyUiLanguage(application(), QStringLiteral("zh"));
        QCOMPARE(startPacking(), QStringLiteral("▶  开始打包"));
        const int translators = application().findChildren<QTranslator*>().size();
        QCOMPARE(translators, 0);
        applyUiLanguage(application(), QStringLiteral("ja"));
        applyUiLanguage(application(), QStringLiteral("ko"));
        QCOMPARE(application().findChildren<QTranslator*>().size(), 1);
    }

    // Which catalogues exist ("all", "en", "none") and what is asked for:
    // what is installed, the layout direction and one translated text.
    void catalogueFallbacks_data()
    {
        QTest::addColumn<QString>("catalogues");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("applied");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QString>("startText");
        QTest::newRow("missing falls back to English") << "en"
                                                       << "fr"
                                                       << "en" << false << "▶  Start packing";
        QTest::newRow("Arabic stays right to left") << "en"
                                                    << "ar"
                                                    << "en" << true << "▶  Start packing";
        QTest::newRow("nothing at all: source text") << "none"
                                                     << "ja"
                                                     << "ja" << false << "▶  开始打包";
        QTest::newRow("not even English") << "none"
                                          << "en"
                                          << "en" << false << "▶  开始打包";
        QTest::newRow("unknown code") << "all"
                                      << "it"
                                      << "en" << false << "▶  Start packing";
    }
    void catalogueFallbacks()
    {
        QFETCH(QString, catalogues);
        QFETCH(QString, requested);
        QFETCH(QString, applied);
        QFETCH(bool, rightToLeft);
        QFETCH(QString, startText);
        QTemporaryDir folder;
        if (catalogues != QLatin1String("all")) {
            if (catalogues == QLatin1String("en"))
                QVERIFY(QFile::copy(QStringLiteral(":/i18n/en.qm"), folder.filePath(QStringLiteral("en.qm"))));
            setCatalogueDirectory(folder.path());
        }
        const QString directory = catalogues == QLatin1String("all") ? QStringLiteral(":/i18n") : folder.path();
        QTest::ignoreMessage(
            QtWarningMsg,
            qUtf8Printable(
                QStringLiteral("ui-language: %1 的翻译表 %2/%1.qm 不在资源里 -> 退回 en").arg(requested, directory)));
        QCOMPARE(applyUiLanguage(application(), requested), applied);
        QCOMPARE(QApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(startPacking(), startText);
    }

    void selectorListsTheLanguagesWithCatalogues()
    {
        QMainWindow window;
        QStringList expected{QStringLiteral("system")};
        for (const UiLanguage& language : kUiLanguages)
            expected << QLatin1String(language.code);
        QCOMPARE(itemData(createUiLanguageSelector(&window)), expected);
        applyUiLanguage(application(), QStringLiteral("en"));
        QCOMPARE(createUiLanguageSelector(&window)->itemText(0), QStringLiteral("Follow system"));

        QTemporaryDir onlyEnglish;
        QVERIFY(QFile::copy(QStringLiteral(":/i18n/en.qm"), onlyEnglish.filePath(QStringLiteral("en.qm"))));
        setCatalogueDirectory(onlyEnglish.path());
        QComboBox* reduced = createUiLanguageSelector(&window);
        QCOMPARE(itemData(reduced), (QStringList{"system", "zh", "en"}));
    }

    void selectorStartsOnTheSavedChoiceWithoutSideEffects()
    {
        saveUiLanguage(QStringLiteral("ru"));
        QList<QStringList> starts;
        const DetachedStarter previous =
            replaceDetachedStarter([&starts](const QString& program, const QStringList& arguments) {
                starts << (QStringList{program} + arguments);
            });
        ModalAnswerer answerer;
        QMainWindow window;
        QComboBox* combo = createUiLanguageSelector(&window);
        QCOMPARE(combo->currentData().toString(), QStringLiteral("ru"));
        QCOMPARE(combo->currentText(), QStringLiteral("Русский"));
        // Picking what is saved already (chosen elsewhere meanwhile) does nothing.
        saveUiLanguage(QStringLiteral("fr"));
        combo->setCurrentIndex(combo->findData(QStringLiteral("fr")));
        QTest::qWait(100);
        QVERIFY(answerer.records().isEmpty());
        QVERIFY(starts.isEmpty());
        replaceDetachedStarter(previous);
    }

    void choosingAnotherLanguageSavesNotifiesAndRestarts_data()
    {
        QTest::addColumn<bool>("windowRefusesToClose");
        QTest::newRow("window closes") << false;
        // A pack runs and the user keeps it: no second instance may start.
        QTest::newRow("window refuses") << true;
    }
    void choosingAnotherLanguageSavesNotifiesAndRestarts()
    {
        QFETCH(bool, windowRefusesToClose);
        applyUiLanguage(application(), QStringLiteral("en"));
        QList<QStringList> starts;
        const DetachedStarter previous =
            replaceDetachedStarter([&starts](const QString& program, const QStringList& arguments) {
                starts << (QStringList{program} + arguments);
            });
        ModalAnswerer answerer;
        answerer.answer(QMessageBox::Ok);
        std::unique_ptr<QMainWindow> window =
            windowRefusesToClose ? std::make_unique<RefusingWindow>() : std::make_unique<QMainWindow>();
        window->show();
        QComboBox* combo = createUiLanguageSelector(window.get());

        // The restart quits the event loop: run one so the quit is observable.
        QTimer::singleShot(0, combo, [combo] { combo->setCurrentIndex(combo->findData(QStringLiteral("pl"))); });
        QTimer::singleShot(windowRefusesToClose ? 1000 : 10000, window.get(), [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), windowRefusesToClose ? 99 : 0);

        QCOMPARE(savedUiLanguage(), QStringLiteral("pl"));
        QCOMPARE(answerer.records().size(), 1);
        const ModalAnswerer::Record& notice = answerer.records().first();
        QCOMPARE(notice.title, QStringLiteral("Language"));
        QCOMPARE(notice.text, QStringLiteral("Interface language changed. The app will restart once to apply it."));
        QCOMPARE(notice.buttons.size(), 1);
        QVERIFY(!answerer.hasUnexpected());
        QStringList expected{QCoreApplication::applicationFilePath()};
        expected << QCoreApplication::arguments().mid(1);
        QCOMPARE(starts, windowRefusesToClose ? QList<QStringList>() : QList<QStringList>{expected});
        QCOMPARE(window->isVisible(), windowRefusesToClose);
        replaceDetachedStarter(previous);
    }

    void overrideOutlivesTheSavedChoice()
    {
        qputenv("ORVI_LANG", "de");
        const DetachedStarter previous = replaceDetachedStarter([](const QString&, const QStringList&) {});
        ModalAnswerer answerer;
        answerer.answer(QMessageBox::Ok);
        QMainWindow window;
        QComboBox* combo = createUiLanguageSelector(&window);
        QCOMPARE(combo->currentData().toString(), QStringLiteral("system"));
        combo->setCurrentIndex(combo->findData(QStringLiteral("es")));
        QVERIFY(answerer.waitForRecords(1));
        QCOMPARE(savedUiLanguage(), QStringLiteral("es"));
        QCOMPARE(applyUiLanguage(application(), savedUiLanguage()), QStringLiteral("de"));
        replaceDetachedStarter(previous);
    }

    void documentLanguagePerInterfaceLanguage()
    {
        for (const UiLanguage& language : kUiLanguages) {
            const QString code = QLatin1String(language.code);
            qputenv("ORVI_LANG", language.code);
            const QString expected = (code == "zh" || code == "hant") ? QStringLiteral("zh")
                : code == "pl"                                        ? QStringLiteral("pl")
                                                                      : QStringLiteral("en");
            QCOMPARE(documentLanguage(), expected);
        }
        qunsetenv("ORVI_LANG");
        saveUiLanguage(QStringLiteral("pl"));
        QCOMPARE(documentLanguage(), QStringLiteral("pl"));
        saveUiLanguage(QStringLiteral("system"));
        qputenv("LANG", "zh_HK.UTF-8");
        QCOMPARE(documentLanguage(), QStringLiteral("zh"));
        qputenv("LANG", "ja_JP.UTF-8");
        QCOMPARE(documentLanguage(), QStringLiteral("en"));
    }
};

QTEST_MAIN(UiLanguageTest)
#include "tst_ui_language.moc"
