#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace orvi::test {

// The built program.
QString programPath();

// A program's text output as lines, UTF-8, without their line ends (LF, or
// CR LF from a Windows program).
QStringList outputLines(const QByteArray& output);

// An environment for running the program in tests: offscreen, no update
// check, the given settings directory, English unless told otherwise.
QProcessEnvironment programEnvironment(const QString& settingsDir, const QString& language = QStringLiteral("en"));

// A file's bytes, empty when it cannot be read.
QByteArray readFileBytes(const QString& path);
// Writes `bytes` to `path`, made executable for its owner when asked.
bool writeFileBytes(const QString& path, const QByteArray& bytes, bool executable = false);
QString sha256Hex(const QByteArray& bytes);

} // namespace orvi::test
