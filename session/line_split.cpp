#include "session/line_split.h"

namespace orvi {

QStringList splitKeepingLineEnds(const QString& text)
{
    QStringList lines;
    qsizetype cut = 0;
    for (qsizetype feed = text.indexOf(QLatin1Char('\n')); feed >= 0; feed = text.indexOf(QLatin1Char('\n'), cut)) {
        lines.append(text.mid(cut, feed + 1 - cut));
        cut = feed + 1;
    }
    if (cut < text.size())
        lines.append(text.mid(cut));
    return lines;
}

QStringList takeCompleteLines(QByteArray& pending)
{
    const qsizetype lastFeed = pending.lastIndexOf('\n');
    if (lastFeed < 0)
        return {};
    // A line feed byte never occurs inside a UTF-8 sequence, so decoding all
    // complete lines at once cuts exactly where decoding line by line would.
    const QString text = QString::fromUtf8(pending.constData(), lastFeed + 1);
    pending.remove(0, lastFeed + 1);
    return splitKeepingLineEnds(text);
}

std::string takeOutputChunk(std::string& pending, std::size_t fragmentLimit)
{
    std::string chunk;
    const std::size_t lastFeed = pending.rfind('\n');
    if (lastFeed != std::string::npos) {
        chunk.assign(pending, 0, lastFeed + 1);
        pending.erase(0, lastFeed + 1);
    }
    if (pending.size() > fragmentLimit) {
        chunk += pending;
        pending.clear();
    }
    return chunk;
}

} // namespace orvi
