#pragma once

// Decoding text files of unknown character set (CUE sheets): byte-order
// marks first, then strict UTF-8, then the legacy sets, of which the reading
// that looks most like text wins (the statistical detector's guess breaks
// ties). Every by-name decode goes through text/legacy_codec.h.

#include <QByteArray>
#include <QString>

#include <string>

namespace orvi::engine {

struct DecodedText {
    QString text;
    std::string encoding; // e.g. "UTF-8", "UTF-16LE", "windows-1252", "EUC-KR", "Shift_JIS"
    std::string error;    // what went wrong, without a path; empty on success
};

// `charset`, when not empty, is the user's choice and replaces detection.
DecodedText decodeUnknownText(const QByteArray& bytes, const std::string& charset = {});

} // namespace orvi::engine
