#include "gui/pack_gui_window.h"

#include <QBrush>
#include <QColor>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>

namespace {

const QColor kErrorLineColor(255, 160, 160);

// The mirror is opened per call so that every line has reached the system
// when the append returns, even if the program dies right after.
void appendToMirrorFile(const QByteArray& bytes)
{
    const QString mirrorPath = qEnvironmentVariable("ORVI_PACK_GUI_LOG");
    if (mirrorPath.isEmpty())
        return;
    QFile mirror(mirrorPath);
    if (mirror.open(QIODevice::WriteOnly | QIODevice::Append))
        mirror.write(bytes);
}

// An explicit format each time, so an ordinary line never inherits the
// colour of an error line before it.
QTextCharFormat lineFormat(bool isError)
{
    QTextCharFormat format;
    if (isError)
        format.setForeground(QBrush(kErrorLineColor, Qt::SolidPattern));
    return format;
}

// The panel blocks a line becomes: the document starts a block at every line
// feed, carriage return, CR LF pair and paragraph separator, and appendLog
// adds a feed.
qsizetype blocksOf(const QString& text)
{
    qsizetype blocks = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator)
            ++blocks;
    }
    return blocks;
}

} // namespace

void PackGuiWindow::appendLog(const QString& text, bool isError)
{
    QTextCursor cursor(logView->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text + QLatin1Char('\n'), lineFormat(isError));
    scrollLogToNewest();

    appendToMirrorFile(text.toUtf8() + '\n');
}

void PackGuiWindow::appendLogLines(const QList<PendingLine>& lines)
{
    // The panel drops its oldest blocks beyond its limit, so of a flood only
    // the lines that would survive are inserted; the rest would be laid out
    // just to be thrown away. The last block is the empty one after the last
    // line feed.
    const qsizetype keptBlocks = logView->maximumBlockCount() > 0 ? logView->maximumBlockCount() - 1 : -1;
    qsizetype first = lines.size();
    for (qsizetype blocks = 0; first > 0 && (keptBlocks < 0 || blocks < keptBlocks); --first)
        blocks += blocksOf(lines[first - 1].line);

    QTextCursor cursor(logView->document());
    cursor.movePosition(QTextCursor::End);
    // One edit: the panel lays out once. Lines of one colour go in together.
    cursor.beginEditBlock();
    QString run;
    for (qsizetype i = first; i < lines.size(); ++i) {
        run += lines[i].line;
        run += QLatin1Char('\n');
        if (i + 1 == lines.size() || lines[i + 1].isStderr != lines[i].isStderr) {
            cursor.insertText(run, lineFormat(lines[i].isStderr));
            run.clear();
        }
    }
    cursor.endEditBlock();
    scrollLogToNewest();

    QByteArray mirrored;
    for (const PendingLine& pending : lines) {
        mirrored += pending.line.toUtf8();
        mirrored += '\n';
    }
    appendToMirrorFile(mirrored);
}

void PackGuiWindow::scrollLogToNewest()
{
    QScrollBar* scrollBar = logView->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
}
