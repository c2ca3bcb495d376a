#include "app/status_bar_controls.h"
#include "app/ui_language.h"
#include "gui/document_windows.h"
#include "language_test_env.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using namespace orvi;

namespace {

QApplication& application()
{
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

QList<QDialog*> openWindows(QWidget* parent, const char* name)
{
    return parent->findChildren<QDialog*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

QString firstHeading(QDialog* dialog)
{
    auto* browser = dialog->findChild<QTextBrowser*>();
    return browser ? browser->document()->firstBlock().text() : QString();
}

QPushButton* statusButton(QMainWindow* window, const QString& text)
{
    for (QPushButton* button : window->statusBar()->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class DocumentWindowsTest : public QObject
{
    Q_OBJECT

private:
    test::LanguageEnvironment m_environment;
    test::TemporarySettings m_settings;

    void useLanguage(const char* code)
    {
        qputenv("ORVI_LANG", code);
        applyUiLanguage(application(), QString::fromLatin1(code));
    }

private slots:
    void cleanup() { useLanguage("zh"); }

    void documentsFollowTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("referencesHeading");
        QTest::addColumn<QString>("noticesHeading");
        QTest::addColumn<QString>("referencesTitle");
        QTest::addColumn<QString>("noticesTitle");
        QTest::newRow("zh") << "zh"
                            << "Orvi Lathe — 参考标准"
                            << "Orvi Lathe — 源码许可"
                            << "参考标准"
                            << "源码许可";
        QTest::newRow("hant") << "hant"
                              << "Orvi Lathe — 参考标准"
                              << "Orvi Lathe — 源码许可"
                              << "參考標準"
                              << "原始碼授權";
        QTest::newRow("pl") << "pl"
                            << "Orvi Lathe — Normy referencyjne"
                            << "Orvi Lathe — Licencje źródłowe"
                            << "Normy referencyjne"
                            << "Licencje źródłowe";
        QTest::newRow("en") << "en"
                            << "Orvi Lathe — Reference standards"
                            << "Orvi Lathe — Source licenses"
                            << "Reference standards"
                            << "Source licenses";
        QTest::newRow("ar") << "ar"
                            << "Orvi Lathe — Reference standards"
                            << "Orvi Lathe — Source licenses"
                            << "المعايير المرجعية"
                            << "تراخيص المصدر";
    }
    void documentsFollowTheInterfaceLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, referencesHeading);
        QFETCH(QString, noticesHeading);
        QFETCH(QString, referencesTitle);
        QFETCH(QString, noticesTitle);
        useLanguage(code.toLatin1().constData());

        QMainWindow window;
        showReferencesWindow(&window, documentLanguage());
        showNoticesWindow(&window, documentLanguage());
        const QList<QDialog*> references = openWindows(&window, "references");
        const QList<QDialog*> notices = openWindows(&window, "notices");
        QCOMPARE(references.size(), 1);
        QCOMPARE(notices.size(), 1);
        QCOMPARE(references.first()->windowTitle(), referencesTitle);
        QCOMPARE(notices.first()->windowTitle(), noticesTitle);
        QCOMPARE(firstHeading(references.first()), referencesHeading);
        QCOMPARE(firstHeading(notices.first()), noticesHeading);
    }

    void markdownIsRenderedNotShownRaw()
    {
        useLanguage("en");
        QMainWindow window;
        showNoticesWindow(&window, documentLanguage());
        QDialog* notices = openWindows(&window, "notices").value(0);
        QVERIFY(notices);
        const QString text = notices->findChild<QTextBrowser*>()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Qt 6 — Core, Gui, Widgets, Network")));
        QVERIFY(text.contains(QStringLiteral("Copyright (C) The Qt Company Ltd. and other contributors.")));
        QVERIFY(!text.contains(QStringLiteral("**")));
        QVERIFY(!text.contains(QStringLiteral("## ")));
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
        QVERIFY(opened.at(0) != opened.at(1));

        QPointer<QDialog> first(opened.at(0));
        first->close();
        QTRY_VERIFY(first.isNull());
        const QList<QDialog*> left = openWindows(&window, "references");
        QCOMPARE(left.size(), 1);
        QVERIFY(left.first()->isVisible());
        QCOMPARE(firstHeading(left.first()), QStringLiteral("Orvi Lathe — Reference standards"));
    }
};

QTEST_MAIN(DocumentWindowsTest)
#include "tst_document_windows.moc"
