#include "app/status_bar_controls.h"
#include "app/ui_language.h"
#include "common/settings_store.h"
#include "gui/document_windows.h"
#include "modal_answerer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>

#include <memory>

using namespace orvi;

namespace {

// Points the settings store at a private folder with no saved interface
// language, and unsets ORVI_LANG and the locale variables.
void isolateLanguageEnvironment()
{
    static QTemporaryDir settingsDir;
    qputenv("ORVI_SETTINGS_DIR", settingsDir.path().toLocal8Bit());
    applySettingsDirectoryFromEnvironment();
    openSettings(kLanguageSettingsName)->clear();
    for (const char* name : {"ORVI_LANG", "LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        qunsetenv(name);
}

QString startPacking()
{
    return QCoreApplication::translate("PackGuiWindow", "▶  开始打包");
}

// Rows of two texts from a list of pairs, each named by its first text.
void addTextRows(std::initializer_list<const char*> pairs)
{
    for (auto text = pairs.begin(); text != pairs.end(); text += 2)
        QTest::newRow(**text ? *text : "(none)") << QString::fromUtf8(*text) << QString::fromUtf8(text[1]);
}

// A window that refuses to close, as the pack window does while a pack runs
// and the user answers No.
class RefusingWindow : public QMainWindow
{
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

void useLanguage(const char* code)
{
    qputenv("ORVI_LANG", code);
    applyUiLanguage(*qApp, QString::fromLatin1(code));
}

QList<QDialog*> openWindows(QWidget* parent, const char* name)
{
    return parent->findChildren<QDialog*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

// Every open document window of that name, as "title | first heading".
QStringList shown(QWidget* parent, const char* name)
{
    QStringList windows;
    for (QDialog* dialog : openWindows(parent, name))
        windows << dialog->windowTitle() + " | " + dialog->findChild<QTextBrowser*>()->document()->firstBlock().text();
    return windows;
}

QPushButton* statusButton(QMainWindow* window, const QString& text)
{
    for (QPushButton* button : window->statusBar()->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

} // namespace

class UiLanguageTest : public QObject
{
    Q_OBJECT

private:
    // Programs the restart would have started, with their arguments.
    QList<QStringList> m_starts;
    DetachedStarter m_previousStarter;

private slots:
    void init()
    {
        isolateLanguageEnvironment();
        setCatalogueDirectory(QStringLiteral(":/i18n"));
        m_starts.clear();
        m_previousStarter = replaceDetachedStarter([this](const QString& program, const QStringList& arguments) {
            m_starts << QStringList{program} + arguments;
        });
    }

    void cleanup()
    {
        replaceDetachedStarter(m_previousStarter);
        setCatalogueDirectory(QStringLiteral(":/i18n"));
        applyUiLanguage(*qApp, QStringLiteral("zh"));
    }

    // An override in any locale spelling decides; an unusable one is ignored
    // and the saved choice wins.
    void overrideDecidesTheLanguage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        addTextRows({"zh_TW",    "hant", "zh-HK", "hant", "ZH_MO", "hant", "zh_CN",  "zh", "pt_BR", "pt",
                     "  de_AT ", "de",   "hant",  "hant", "xx",    "",     "system", "",   "   ",   ""});
    }
    void overrideDecidesTheLanguage()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        saveUiLanguage(QStringLiteral("ko"));
        qputenv("ORVI_LANG", text.toLocal8Bit());
        QCOMPARE(systemLanguageCode(), code.isEmpty() ? QStringLiteral("ko") : code);
        QCOMPARE(applyUiLanguage(*qApp, QStringLiteral("ja")), code.isEmpty() ? QStringLiteral("ja") : code);
    }

    // Locale variables as "NAME=value ..." and the language they give; the
    // first one set (not empty) of LC_ALL, LC_MESSAGES, LANG, LANGUAGE counts.
    void environmentLocaleDecidesSystemLanguage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        addTextRows({"", "zh", "LANG=de_DE.UTF-8", "de", "LANG=C", "zh", "LANGUAGE=fr:en", "fr"});
        addTextRows({"LC_ALL=zh_TW.UTF-8", "hant", "LC_MESSAGES=pt_BR", "pt", "LANG=ar_EG.UTF-8", "ar"});
        addTextRows({"LANG=it_IT.UTF-8", "en", "LANG=qq_ZZ", "zh", "LANGUAGE=fr:en LANG=es_ES.UTF-8", "es"});
        addTextRows({"LANGUAGE=fr:en LANG=es_ES.UTF-8 LC_MESSAGES=", "es"});
        addTextRows({"LANG=es_ES.UTF-8 LC_MESSAGES=pt_BR LC_ALL=ko_KR.UTF-8", "ko"});
    }
    void environmentLocaleDecidesSystemLanguage()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        for (const QString& setting : text.split(' ', Qt::SkipEmptyParts))
            qputenv(setting.section('=', 0, 0).toLatin1().constData(), setting.section('=', 1).toLatin1());
        QCOMPARE(systemLanguageCode(), code);
        QCOMPARE(applyUiLanguage(*qApp, QStringLiteral("system")), code);
    }

    // The saved choice beats the environment; a value outside the table reads
    // as "system". The selector starts on it, and picking what is saved
    // already (chosen elsewhere meanwhile) does nothing.
    void savedChoice()
    {
        qputenv("LC_ALL", "ko_KR.UTF-8");
        QCOMPARE(environmentLocale().language(), QLocale::Korean);
        saveUiLanguage(QStringLiteral("pl"));
        QCOMPARE(systemLanguageCode(), QStringLiteral("pl"));
        for (const char* outside : {"it", "EN"}) {
            saveUiLanguage(QString::fromLatin1(outside));
            QCOMPARE(savedUiLanguage(), QStringLiteral("system"));
        }
        QMainWindow window;
        QCOMPARE(createUiLanguageSelector(&window)->currentData().toString(), QStringLiteral("system"));

        saveUiLanguage(QStringLiteral("ru"));
        ModalAnswerer answerer;
        QComboBox* combo = createUiLanguageSelector(&window);
        QCOMPARE(combo->currentData().toString(), QStringLiteral("ru"));
        QCOMPARE(combo->currentText(), QStringLiteral("Русский"));
        saveUiLanguage(QStringLiteral("fr"));
        combo->setCurrentIndex(combo->findData(QStringLiteral("fr")));
        QTest::qWait(100);
        QVERIFY(answerer.records().isEmpty());
        QVERIFY(m_starts.isEmpty());

        // An override (ORVI_LANG) moves neither the selector nor the saving, and outlives both.
        qputenv("ORVI_LANG", "de");
        answerer.answer(QMessageBox::Ok);
        combo = createUiLanguageSelector(&window);
        QCOMPARE(combo->currentData().toString(), QStringLiteral("fr"));
        combo->setCurrentIndex(combo->findData(QStringLiteral("es")));
        QVERIFY(answerer.waitForRecords(1));
        QCOMPARE(savedUiLanguage(), QStringLiteral("es"));
        QCOMPARE(applyUiLanguage(*qApp, savedUiLanguage()), QStringLiteral("de"));
    }

    // Each catalogue replaces the one before: its own text and direction, one
    // translator at a time, none for the source language.
    void everyCatalogueLoadsAndTranslates()
    {
        QStringList seen;
        for (const UiLanguage& language : kUiLanguages) {
            const QString code = QLatin1String(language.code);
            QCOMPARE(applyUiLanguage(*qApp, code), code);
            const QString sample = startPacking();
            QVERIFY2(sample.startsWith(QStringLiteral("▶  ")) && !seen.contains(sample),
                     qPrintable(code + ": " + sample));
            seen << sample;
            QCOMPARE(QApplication::layoutDirection(), language.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            QCOMPARE(qApp->findChildren<QTranslator*>().size(), code == QLatin1String("zh") ? 0 : 1);
            if (code == QLatin1String("de"))
                QCOMPARE(sample, QStringLiteral("▶  Packen starten"));
        }
        QCOMPARE(seen.first(), QStringLiteral("▶  开始打包"));
        applyUiLanguage(*qApp, QStringLiteral("zh"));
        QCOMPARE(startPacking(), QStringLiteral("▶  开始打包"));
        QCOMPARE(qApp->findChildren<QTranslator*>().size(), 0);
    }

    // Which catalogues exist ("all", "en", "none") and what is asked for: what
    // is installed, the layout direction, one translated text and the choices
    // the selector offers (the source language always).
    void catalogueFallbacks_data()
    {
        QTest::addColumn<QString>("catalogues");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("applied");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QString>("startText");
        const QString english = QStringLiteral("▶  Start packing"), source = QStringLiteral("▶  开始打包");
        QTest::newRow("missing falls back to English") << "en" << QString("fr") << "en" << false << english;
        QTest::newRow("Arabic stays right to left") << "en" << QString("ar") << "en" << true << english;
        QTest::newRow("nothing at all: source text") << "none" << QString("ja") << "ja" << false << source;
        QTest::newRow("not even English") << "none" << QString("en") << "en" << false << source;
        QTest::newRow("unknown code") << "all" << QString("it") << "en" << false << english;
    }
    void catalogueFallbacks()
    {
        QFETCH(QString, catalogues);
        QFETCH(QString, requested);
        QFETCH(QString, applied);
        QFETCH(bool, rightToLeft);
        QFETCH(QString, startText);
        QTemporaryDir folder;
        if (catalogues == QLatin1String("en"))
            QVERIFY(QFile::copy(QStringLiteral(":/i18n/en.qm"), folder.filePath(QStringLiteral("en.qm"))));
        const QString directory = catalogues == QLatin1String("all") ? QStringLiteral(":/i18n") : folder.path();
        setCatalogueDirectory(directory);
        QTest::ignoreMessage(
            QtWarningMsg,
            qUtf8Printable(
                QStringLiteral("ui-language: %1 的翻译表 %2/%1.qm 不在资源里 -> 退回 en").arg(requested, directory)));
        QCOMPARE(applyUiLanguage(*qApp, requested), applied);
        QCOMPARE(QApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(startPacking(), startText);
        QStringList choices = {"system", "zh", "en"};
        if (catalogues == QLatin1String("none"))
            choices.removeLast();
        else if (catalogues == QLatin1String("all"))
            choices = QStringList{"system", "zh", "hant", "en", "ja", "ko", "ru", "de", "fr", "es", "pt", "ar", "pl"};
        QMainWindow window;
        const QComboBox* combo = createUiLanguageSelector(&window);
        for (int i = 0; i < combo->count(); ++i)
            QCOMPARE(combo->itemData(i).toString(), choices.value(i));
        QCOMPARE(combo->count(), choices.size());
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
        applyUiLanguage(*qApp, QStringLiteral("en"));
        ModalAnswerer answerer;
        answerer.answer(QMessageBox::Ok);
        std::unique_ptr<QMainWindow> window =
            windowRefusesToClose ? std::make_unique<RefusingWindow>() : std::make_unique<QMainWindow>();
        window->show();
        QComboBox* combo = createUiLanguageSelector(window.get());
        QCOMPARE(combo->itemText(0), QStringLiteral("Follow system"));

        // The restart quits the event loop: run one so the quit is observable.
        QTimer::singleShot(0, combo, [combo] { combo->setCurrentIndex(combo->findData(QStringLiteral("pl"))); });
        QTimer::singleShot(windowRefusesToClose ? 1000 : 10000, window.get(), [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), windowRefusesToClose ? 99 : 0);

        QCOMPARE(savedUiLanguage(), QStringLiteral("pl"));
        QCOMPARE(answerer.records().size(), 1);
        const ModalAnswerer::Record& notice = answerer.records().first();
        QCOMPARE(notice.title + " | " + notice.text,
                 QStringLiteral("Language | Interface language changed. The app will restart once to apply it."));
        QCOMPARE(notice.buttons.size(), 1);
        QVERIFY(!answerer.hasUnexpected());
        const QStringList expected =
            QStringList{QCoreApplication::applicationFilePath()} + QCoreApplication::arguments().mid(1);
        QCOMPARE(m_starts, windowRefusesToClose ? QList<QStringList>() : QList<QStringList>{expected});
        QCOMPARE(window->isVisible(), windowRefusesToClose);
    }

    // The documents exist in Chinese, Polish and English.
    void documentLanguagePerInterfaceLanguage()
    {
        QStringList documents;
        for (const UiLanguage& language : kUiLanguages) {
            qputenv("ORVI_LANG", language.code);
            documents << documentLanguage();
        }
        QCOMPARE(documents.join(' '), QStringLiteral("zh zh en en en en en en en en en pl"));
        qunsetenv("ORVI_LANG");
        saveUiLanguage(QStringLiteral("pl"));
        QCOMPARE(documentLanguage(), QStringLiteral("pl"));
        saveUiLanguage(QStringLiteral("system"));
        qputenv("LANG", "zh_HK.UTF-8");
        QCOMPARE(documentLanguage(), QStringLiteral("zh"));
        qputenv("LANG", "ja_JP.UTF-8");
        QCOMPARE(documentLanguage(), QStringLiteral("en"));
    }

    void documentsFollowTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("references");
        QTest::addColumn<QString>("notices");
        const auto row = [](const char* code, const QString& references, const QString& notices) {
            QTest::newRow(code) << QString(code) << references << notices;
        };
        row("zh", "参考标准 | Orvi Lathe — 参考标准", "源码许可 | Orvi Lathe — 源码许可");
        row("hant", "參考標準 | Orvi Lathe — 参考标准", "原始碼授權 | Orvi Lathe — 源码许可");
        row("pl", "Normy referencyjne | Orvi Lathe — Normy referencyjne",
            "Licencje źródłowe | Orvi Lathe — Licencje źródłowe");
        row("en", "Reference standards | Orvi Lathe — Reference standards",
            "Source licenses | Orvi Lathe — Source licenses");
        row("ar", "المعايير المرجعية | Orvi Lathe — Reference standards",
            "تراخيص المصدر | Orvi Lathe — Source licenses");
    }
    void documentsFollowTheInterfaceLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, references);
        QFETCH(QString, notices);
        useLanguage(code.toLatin1().constData());
        QMainWindow window;
        showReferencesWindow(&window, documentLanguage());
        showNoticesWindow(&window, documentLanguage());
        QCOMPARE(shown(&window, "references"), QStringList{references});
        QCOMPARE(shown(&window, "notices"), QStringList{notices});
        for (const QTextBrowser* browser : window.findChildren<QTextBrowser*>())
            QVERIFY2(!browser->toPlainText().contains("**") && !browser->toPlainText().contains("## "),
                     qPrintable(browser->toPlainText())); // Markdown is rendered, not shown raw
        QVERIFY(window.findChild<QDialog*>("notices")->findChild<QTextBrowser*>()->toPlainText().contains(
            "Copyright (C) The Qt Company Ltd. and other contributors."));
    }

    void statusBarButtonsOpenOneWindowPerClick()
    {
        useLanguage("ja");
        QMainWindow window;
        addStatusBarControls(&window);
        QPushButton* references = statusButton(&window, QStringLiteral("参照規格…"));
        QPushButton* notices = statusButton(&window, QStringLiteral("ソース ライセンス…"));
        QVERIFY(references && notices);
        QCOMPARE(references->toolTip(), QStringLiteral("本製品が参照している公開規格と文献"));

        references->click();
        references->click();
        notices->click();
        const QList<QDialog*> opened = openWindows(&window, "references");
        QCOMPARE(opened.size(), 2);
        QCOMPARE(openWindows(&window, "notices").size(), 1);

        QPointer<QDialog> first(opened.at(0));
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(opened.at(1)->isVisible());
        QCOMPARE(shown(&window, "references"), QStringList{"参照規格 | Orvi Lathe — Reference standards"});
    }
};

QTEST_MAIN(UiLanguageTest)
#include "tst_ui_language.moc"
