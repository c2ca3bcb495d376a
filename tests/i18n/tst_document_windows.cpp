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

class DocumentWindowsTest : public QObject
{
    Q_OBJECT

    void useLanguage(const char* code)
    {
        qputenv("ORVI_LANG", code);
        applyUiLanguage(*qApp, QString::fromLatin1(code));
    }

private slots:
    void initTestCase() { test::isolateLanguageEnvironment(); }
    void cleanup() { useLanguage("zh"); }

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

QTEST_MAIN(DocumentWindowsTest)
#include "tst_document_windows.moc"
