#include "test_fixture.h"
#include "test_env.h"
#include "window_access.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

namespace {

QColor foregroundOf(const QTextBlock& block)
{
    return block.begin().fragment().charFormat().foreground().color();
}

} // namespace

class RunLogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }
    void cleanup() { qunsetenv("ORVI_PACK_GUI_LOG"); }

    void mirrorReceivesExactlyThePanelText()
    {
        QTemporaryDir dir;
        const QString mirror = dir.filePath("run.log");
        qputenv("ORVI_PACK_GUI_LOG", mirror.toLocal8Bit());
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        const QByteArray constructionLines = orvi::test::readFileBytes(mirror);
        QVERIFY(constructionLines.startsWith("打包引擎: ")); // the construction lines are mirrored too

        w.log()->clear();
        w.appendLog("first\nsecond", false);
        w.appendLog("engine line\r\n", true);
        w.appendLog(QStringLiteral("曲目 Dvořák"), false);

        QCOMPARE(w.logText(), QStringLiteral("first\nsecond\nengine line\n\n曲目 Dvořák\n"));
        QCOMPARE(orvi::test::readFileBytes(mirror),
                 constructionLines + "first\nsecond\nengine line\r\n\n" + QStringLiteral("曲目 Dvořák\n").toUtf8());
    }

    void mirrorAppendsAcrossWindows()
    {
        QTemporaryDir dir;
        const QString mirror = dir.filePath("run.log");
        orvi::test::touchFile(mirror, "kept\n");
        qputenv("ORVI_PACK_GUI_LOG", mirror.toLocal8Bit());
        {
            PackGuiWindow window;
            PackGuiWindowTestAccess(window).appendLog("one", false);
        }
        {
            PackGuiWindow window;
            PackGuiWindowTestAccess w(window);
            w.log()->clear(); // what a pack start does
            w.appendLog("two", false);
            QCOMPARE(w.logText(), QStringLiteral("two\n"));
        }
        const QByteArray contents = orvi::test::readFileBytes(mirror);
        QVERIFY(contents.startsWith("kept\n"));
        QVERIFY(contents.indexOf("one\n") < contents.lastIndexOf("two\n"));
        QVERIFY(contents.endsWith("two\n"));
    }

    void unusableMirrorIsSilent()
    {
        QTemporaryDir dir;
        qputenv("ORVI_PACK_GUI_LOG", dir.filePath("missing/run.log").toLocal8Bit());
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.appendLog("still shown", false);
        QVERIFY(w.logText().endsWith("still shown\n"));
        QVERIFY(!QFile::exists(dir.filePath("missing")));

        qputenv("ORVI_PACK_GUI_LOG", QByteArray());
        w.appendLog("no file", false);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void errorColourDoesNotLeakIntoTheNextLine()
    {
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.log()->clear();
        w.appendLog("ordinary", false);
        w.appendLog("bad", true);
        w.appendLog("ordinary again", false);
        const QTextDocument* document = w.log()->document();
        const QColor error(255, 160, 160);
        QVERIFY(foregroundOf(document->findBlockByNumber(0)) != error);
        QCOMPARE(foregroundOf(document->findBlockByNumber(1)), error);
        QVERIFY(foregroundOf(document->findBlockByNumber(2)) != error);
        QVERIFY(
            !document->findBlockByNumber(2).begin().fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush));
    }

    // The panel's first font choice is installed with the program's packages
    // (fonts-noto-mono); without it the log falls back to a proportional font.
    void logIsMonospaced()
    {
        if (QFontDatabase::families().isEmpty())
            QSKIP("this system offers Qt no fonts at all (wine's offscreen platform)");
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.log()->ensurePolished();
        const QFontInfo font(w.log()->font());
        QCOMPARE(font.family(), QStringLiteral("Noto Sans Mono"));
    }

    // A flood in one poll tick leaves panel, colours, scroll position and
    // mirror as appending line by line does, but the document is only given
    // what it keeps (19 999 blocks), so the window does not stand still.
    void floodInOneTickKeepsOnlyTheNewest()
    {
        QTemporaryDir dir;
        PackGuiWindow flooded;
        PackGuiWindow reference;
        PackGuiWindowTestAccess w(flooded);
        PackGuiWindowTestAccess r(reference);
        QList<std::pair<QString, bool>> lines;
        for (int i = 1; i <= 25000; ++i)
            lines.append({QStringLiteral("line %1%2").arg(i).arg(i % 7 ? "\n" : i % 3 ? "\r\n" : "\rx\n"), i % 5 == 0});

        qputenv("ORVI_PACK_GUI_LOG", dir.filePath("reference.log").toLocal8Bit());
        for (const auto& [line, isError] : lines)
            r.appendLog(line, isError);
        qputenv("ORVI_PACK_GUI_LOG", dir.filePath("flooded.log").toLocal8Bit());
        qsizetype inserted = 0;
        connect(w.log()->document(), &QTextDocument::contentsChange,
                [&inserted](int, int, int added) { inserted += added; });
        w.deliverOutput(lines);

        QCOMPARE(w.logText(), r.logText());
        QCOMPARE(w.log()->document()->blockCount(), 20000);
        for (QTextBlock a = w.log()->document()->begin(), b = r.log()->document()->begin(); a.isValid();
             a = a.next(), b = b.next())
            if (a.length() > 1)
                QCOMPARE(foregroundOf(a), foregroundOf(b));
        QCOMPARE(w.log()->verticalScrollBar()->value(), w.log()->verticalScrollBar()->maximum());
        QCOMPARE(orvi::test::readFileBytes(dir.filePath("flooded.log")),
                 orvi::test::readFileBytes(dir.filePath("reference.log")));
        QVERIFY2(inserted <= w.log()->document()->characterCount(), qPrintable(QString::number(inserted)));
    }
};

QTEST_MAIN(RunLogTest)
#include "tst_run_log.moc"
