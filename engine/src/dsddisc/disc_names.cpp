#include "dsddisc/disc_names.h"

#include "image/file_system_bridge.h"

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

// Plain character tests rather than QRegularExpression: its per-thread JIT
// stack is a thread_local whose destructor crashes a MinGW-built Qt when an
// in-process pack's worker thread ends.
std::string portableName(const std::string& text)
{
    QString name = QString::fromUtf8(text.data(), qsizetype(text.size()));
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"<>:\"/\\|?*").contains(c))
            c = u'_';
    }
    for (qsizetype i = name.size(); i > 0 && (name[i - 1] == u'.' || name[i - 1] == u' '); --i)
        name[i - 1] = u'_';
    // Windows reserves the device names, also with any extension.
    const QString stem = name.left(name.indexOf(u'.')).toUpper();
    const bool numberedDevice =
        stem.size() == 4 && (stem.startsWith(u"COM") || stem.startsWith(u"LPT")) && stem[3] >= u'1' && stem[3] <= u'9';
    if (numberedDevice || stem == u"CON" || stem == u"PRN" || stem == u"AUX" || stem == u"NUL")
        name.insert(numberedDevice ? 4 : 3, u'_');
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
