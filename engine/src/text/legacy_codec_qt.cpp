#include "text/legacy_codec.h"

#ifndef _WIN32

#include <QStringDecoder>

namespace orvi::engine::text {

bool isKnownCharset(const std::string& charset)
{
    return QStringDecoder(charset.c_str()).isValid();
}

std::optional<QString> decodeStrict(const QByteArray& bytes, const std::string& charset)
{
    QStringDecoder decoder(charset.c_str(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace orvi::engine::text

#endif
