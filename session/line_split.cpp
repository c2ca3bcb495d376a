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

QStringList takeCompleteLines(QByteArray& pending, QByteArrayView incoming)
{
    // `pending` never holds a line feed, so the last one is in `incoming`.
    const qsizetype lastFeed = incoming.lastIndexOf('\n');
    if (lastFeed < 0) {
        pending.append(incoming);
        return {};
    }
    // A line feed byte never occurs inside a UTF-8 sequence, so decoding all
    // complete lines at once cuts exactly where decoding line by line would.
    pending.append(incoming.first(lastFeed + 1));
    const QString text = QString::fromUtf8(pending);
    pending = incoming.sliced(lastFeed + 1).toByteArray();
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
