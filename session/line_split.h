#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <string>

namespace orvi {

// Cuts text into lines that keep their line feed (and any carriage return
// before it). Text after the last line feed becomes a last element of its own.
QStringList splitKeepingLineEnds(const QString& text);

// Appends `incoming` to `pending` and takes every complete line (up to and
// including its line feed) off the front, decoded as UTF-8; an unfinished line
// stays in `pending`. Only the new bytes are searched, so a long line that
// arrives in many pieces costs no more than one that arrives whole.
QStringList takeCompleteLines(QByteArray& pending, QByteArrayView incoming);

// Moves the complete lines at the front of `pending` into the returned chunk;
// when what is left is longer than `fragmentLimit` bytes it is moved too, so
// a line without an end cannot grow without bound.
std::string takeOutputChunk(std::string& pending, std::size_t fragmentLimit);

} // namespace orvi
