#include "test_env.h"
#include "test_fixture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

using orvi::test::readFileBytes;
using orvi::test::TestWindow;

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

    // The mirror file keeps what it held, takes every window's lines (those of
    // construction too) and is not cut when the panel is cleared for a run.
    void mirrorHoldsExactlyThePanelText()
    {
        QTemporaryDir dir;
        const QString mirror = orvi::test::touchFile(dir.filePath("run.log"), "kept\n");
        qputenv("ORVI_PACK_GUI_LOG", mirror.toLocal8Bit());
        TestWindow{}.appendLog("one", false);
        TestWindow w;
        const QByteArray before = readFileBytes(mirror);
        QVERIFY(before.startsWith("kept\n"));
        QVERIFY(before.contains("one\n打包引擎: "));

        w.log()->clear();
        w.appendLog("first\nsecond", false);
        w.appendLog("engine line\r\n", true);
        w.appendLog(QStringLiteral("曲目 Dvořák"), false);
        QCOMPARE(w.logText(), QStringLiteral("first\nsecond\nengine line\n\n曲目 Dvořák\n"));
        QCOMPARE(readFileBytes(mirror),
                 before + "first\nsecond\nengine line\r\n\n" + QStringLiteral("曲目 Dvořák\n").toUtf8());
    }

    void unusableMirrorIsSilent()
    {
        TestWindow w;
        qputenv("ORVI_PACK_GUI_LOG", w.path("missing/run.log").toLocal8Bit());
        w.appendLog("still shown", false);
        QVERIFY(w.logText().endsWith("still shown\n"));
        qputenv("ORVI_PACK_GUI_LOG", QByteArray());
        w.appendLog("no file", false);
        QCOMPARE(QDir(w.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void errorColourDoesNotLeakIntoTheNextLine()
    {
        TestWindow w;
        w.log()->clear();
        w.appendLog("ordinary", false);
        w.appendLog("bad", true);
        w.appendLog("ordinary again", false);
        const auto block = [&w](int number) { return w.log()->document()->findBlockByNumber(number); };
        const auto coloured = [&](int number) {
            return block(number).begin().fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush);
        };
        QVERIFY(!coloured(0));
        QCOMPARE(foregroundOf(block(1)), QColor(255, 160, 160));
        QVERIFY(!coloured(2));
    }

    // The panel's first font choice is installed with the program's packages
    // (fonts-noto-mono); without it the log falls back to a proportional font.
    void logIsMonospaced()
    {
        if (QFontDatabase::families().isEmpty())
            QSKIP("this system offers Qt no fonts at all (wine's offscreen platform)");
        TestWindow w;
        w.log()->ensurePolished();
        const QFontInfo font(w.log()->font());
        QCOMPARE(font.family(), QStringLiteral("Noto Sans Mono"));
    }

    // A flood in one poll tick leaves panel, colours, scroll position and
    // mirror as appending line by line does, but the document is only given
    // what it keeps (19 999 blocks), so the window does not stand still.
    void floodInOneTickKeepsOnlyTheNewest()
    {
        TestWindow w, r;
        QList<std::pair<QString, bool>> lines;
        for (int i = 1; i <= 25000; ++i)
            lines.append({QStringLiteral("line %1%2").arg(i).arg(i % 7 ? "\n" : i % 3 ? "\r\n" : "\rx\n"), i % 5 == 0});

        qputenv("ORVI_PACK_GUI_LOG", w.path("reference.log").toLocal8Bit());
        for (const auto& [line, isError] : lines)
            r.appendLog(line, isError);
        qputenv("ORVI_PACK_GUI_LOG", w.path("flooded.log").toLocal8Bit());
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
        QCOMPARE(readFileBytes(w.path("flooded.log")), readFileBytes(w.path("reference.log")));
        QVERIFY2(inserted <= w.log()->document()->characterCount(), qPrintable(QString::number(inserted)));
    }
};

QTEST_MAIN(RunLogTest)
#include "tst_run_log.moc"
