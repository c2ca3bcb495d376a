#pragma once

// Conversion from the legacy character sets that CUE sheets and old tags are
// written in (windows-1252, GBK, Big5, Shift_JIS, EUC-KR, ...) to Unicode, by
// the set's name. Linux converts through Qt's ICU-backed codecs; Windows
// through the system's code pages. The disc's own character sets do not go
// through here: their tables are the engine's own, the same on every system.

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

namespace orvi::engine::text {

// Whether `charset` names a set this system can decode (case-insensitive,
// IANA names and common aliases).
bool isKnownCharset(const std::string& charset);

// `bytes` decoded strictly: nothing when a byte sequence is invalid in the
// set or the set is unknown.
std::optional<QString> decodeStrict(const QByteArray& bytes, const std::string& charset);

} // namespace orvi::engine::text
