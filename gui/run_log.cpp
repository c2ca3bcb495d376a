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

// The mirror is opened per line so that every line has reached the system
// when appendLog returns, even if the program dies right after.
void appendToMirrorFile(const QString& text)
{
    const QByteArray mirrorVariable = qgetenv("ORVI_PACK_GUI_LOG");
    if (mirrorVariable.isEmpty())
        return;
    QFile mirror(QString::fromLocal8Bit(mirrorVariable));
    if (!mirror.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    mirror.write(text.toUtf8());
    mirror.write("\n", 1);
}

} // namespace

void PackGuiWindow::appendLog(const QString& text, bool isError)
{
    QTextCursor cursor(logView->document());
    cursor.movePosition(QTextCursor::End);
    // An explicit format each time, so an ordinary line never inherits the
    // colour of an error line before it.
    QTextCharFormat format;
    if (isError)
        format.setForeground(QBrush(kErrorLineColor, Qt::SolidPattern));
    cursor.insertText(text + QLatin1Char('\n'), format);
    scrollLogToNewest();

    appendToMirrorFile(text);
}

void PackGuiWindow::scrollLogToNewest()
{
    QScrollBar* scrollBar = logView->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
}

void PackGuiWindow::appendLogBatch(const std::function<void()>& appendLines)
{
    // Inside one edit block the document reports its change, and the panel
    // lays it out, only when the block ends.
    QTextCursor batch(logView->document());
    batch.beginEditBlock();
    appendLines();
    batch.endEditBlock();
    scrollLogToNewest();
}
