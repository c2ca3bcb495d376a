#pragma once

// Decoding text files of unknown character set (CUE sheets): byte-order
// marks first, then strict UTF-8, then statistical detection, decoded
// through Qt's ICU-backed converters.

#include <QByteArray>
#include <QString>

#include <string>

namespace orvi::engine {

struct DecodedText {
    QString text;
    std::string encoding; // e.g. "UTF-8", "UTF-16LE", "GB18030", "Big5", "Shift_JIS", "windows-1251"
    std::string error;    // what went wrong, without a path; empty on success
};

DecodedText decodeUnknownText(const QByteArray& bytes);

} // namespace orvi::engine
