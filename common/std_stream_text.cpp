#include "common/std_stream_text.h"

#include <QByteArray>
#include <QString>
#include <cstdio>

namespace orvi {

void writeStderrLine(const QString& text)
{
    if (!stderr)
        return;
    const QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty())
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace orvi
