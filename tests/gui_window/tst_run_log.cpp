#include "test_fixture.h"
#include "window_access.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

namespace {

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
        const QByteArray constructionLines = fileContents(mirror);
        QVERIFY(constructionLines.startsWith("打包引擎: ")); // the construction lines are mirrored too

        w.log()->clear();
        w.appendLog("first\nsecond", false);
        w.appendLog("engine line\r\n", true);
        w.appendLog(QStringLiteral("曲目 Dvořák"), false);

        QCOMPARE(w.logText(), QStringLiteral("first\nsecond\nengine line\n\n曲目 Dvořák\n"));
        QCOMPARE(fileContents(mirror),
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
        const QByteArray contents = fileContents(mirror);
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
        QCOMPARE(document->findBlockByNumber(1).begin().fragment().charFormat().foreground().style(), Qt::SolidPattern);
        QVERIFY(foregroundOf(document->findBlockByNumber(2)) != error);
        QVERIFY(!document->findBlockByNumber(2).begin().fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush));
    }

    void panelKeepsTheNewestLinesFileKeepsAll()
    {
        QTemporaryDir dir;
        const QString mirror = dir.filePath("run.log");
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        qputenv("ORVI_PACK_GUI_LOG", mirror.toLocal8Bit());
        const int total = 25000;
        for (int i = 1; i <= total; ++i)
            w.appendLog(QString::number(i), false);
        const QStringList panelLines = w.logText().split('\n');
        QCOMPARE(panelLines.size(), 20000); // 19999 lines and the empty block after the last line feed
        QCOMPARE(panelLines.first(), QString::number(total - 19998));
        QCOMPARE(panelLines.at(19998), QString::number(total));
        QCOMPARE(fileContents(mirror).count('\n'), total);
        QCOMPARE(w.log()->verticalScrollBar()->value(), w.log()->verticalScrollBar()->maximum());
    }
};

QTEST_MAIN(RunLogTest)
#include "tst_run_log.moc"
