#include "dsddisc/disc_names.h"

#include "image/file_system_bridge.h"

#include <QRegularExpression>
#include <QString>

#include <cstdio>

namespace orvi::engine::dsddisc {

namespace {

constexpr size_t kUdfIdentifierBytes = 255; // its compression id included
constexpr const char* kIsoFallback = "DSD_DISC";
constexpr size_t kVolumeIdentifierBytes = 31; // a 32-byte dstring less its length byte

// Bytes of the UDF form: one compression id, then 8 bits a character when
// all fit, else 16 bits a UTF-16 unit.
size_t udfBytes(const QString& text)
{
    bool narrow = true;
    for (QChar c : text)
        narrow = narrow && c.unicode() < 256;
    return 1 + size_t(text.size()) * (narrow ? 1 : 2);
}

bool fits(const QString& name, size_t udfLimit, size_t utf8Limit)
{
    return udfBytes(name) <= udfLimit && size_t(name.toUtf8().size()) <= utf8Limit;
}

// The longest head of `text` (whole characters) for which `accept` holds.
QString longestHead(const QString& text, const auto& accept)
{
    QString head;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype step = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString longer = head + text.mid(i, step);
        if (!accept(longer))
            break;
        head = longer;
        i += step;
    }
    return head;
}

} // namespace

std::string portableName(const std::string& text)
{
    QString name = QString::fromUtf8(text.data(), qsizetype(text.size()));
    static const QRegularExpression kRefused(QStringLiteral("[<>:\"/\\\\|?*\\x00-\\x1f\\x7f]"));
    name.replace(kRefused, QStringLiteral("_"));
    static const QRegularExpression kTrailing(QStringLiteral("[. ]+$"));
    const QRegularExpressionMatch trailing = kTrailing.match(name);
    if (trailing.hasMatch())
        name.replace(trailing.capturedStart(), trailing.capturedLength(), QString(trailing.capturedLength(), u'_'));
    static const QRegularExpression kDevice(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (kDevice.match(name).hasMatch())
        name.insert(3 + (name.size() > 3 && name.at(3).isDigit() ? 1 : 0), u'_');
    return name.toStdString();
}

std::string fittedName(const std::string& prefix, const std::string& text, const std::string& suffix)
{
    const QString head = QString::fromStdString(prefix);
    const QString tail = QString::fromStdString(suffix);
    const QString body = longestHead(QString::fromStdString(text), [&](const QString& candidate) {
        return fits(head + candidate + tail, kUdfIdentifierBytes, kMaxNameBytes);
    });
    return (head + body + tail).toStdString();
}

std::string trackFileName(size_t number, size_t total, const std::string& title)
{
    const int digits = std::max(2, int(std::to_string(total).size()));
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%0*zu - ", digits, number);
    return fittedName(prefix, portableName(title), ".dsf");
}

VolumeIdentifier volumeIdentifierFor(const std::string& title)
{
    QString text = QString::fromStdString(title);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            text.replace(i, 2, QStringLiteral("_"));
    }
    VolumeIdentifier id;
    const QString head =
        longestHead(text, [](const QString& candidate) { return udfBytes(candidate) <= kVolumeIdentifierBytes; });
    id.cut = head.size() < text.size();
    id.udf = head.toStdString();
    id.iso = isoVolumeIdentifier(id.udf, kIsoFallback);
    return id;
}

} // namespace orvi::engine::dsddisc
