#pragma once

// UTF-8 to code points and back (invalid sequences become U+FFFD), and the
// test for text that shows nothing.

#include <QList>
#include <QString>
#include <QStringDecoder>

#include <string>
#include <string_view>

namespace orvi::engine::text {

inline std::u32string decodeUtf8(std::string_view utf8)
{
    // A leading U+FEFF is text here, not a byte-order mark to drop.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QList<uint> points = QString(decoder(QByteArrayView(utf8.data(), qsizetype(utf8.size())))).toUcs4();
    return std::u32string(points.begin(), points.end());
}

inline std::string encodeUtf8(const std::u32string& text)
{
    // Character by character: QString::fromUcs4 would drop a leading U+FEFF.
    QString converted;
    converted.reserve(qsizetype(text.size()));
    for (char32_t c : text)
        converted.append(QStringView(QChar::fromUcs4(c)));
    return converted.toUtf8().toStdString();
}

// True for text of nothing but spaces (any Unicode white space, the
// ideographic space included): it counts as not given.
inline bool isBlank(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).trimmed().isEmpty();
}

} // namespace orvi::engine::text
