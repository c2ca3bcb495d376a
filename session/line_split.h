#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <string>

namespace orvi {

// Cuts text into lines that keep their line feed (and any carriage return
// before it). Text after the last line feed becomes a last element of its own.
QStringList splitKeepingLineEnds(const QString& text);

// Takes every complete line (up to and including its line feed) off the front
// of `pending`, decoded as UTF-8; an unfinished line stays in `pending`.
QStringList takeCompleteLines(QByteArray& pending);

// Moves the complete lines at the front of `pending` into the returned chunk;
// when what is left is longer than `fragmentLimit` bytes it is moved too, so
// a line without an end cannot grow without bound.
std::string takeOutputChunk(std::string& pending, std::size_t fragmentLimit);

} // namespace orvi
