#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace orvi::test {

// Built executables.
QString programPath();
QString enginePath();

// A program's text output as lines, UTF-8, without their line ends (LF, or
// CR LF from a Windows program).
QStringList outputLines(const QByteArray& output);

// An environment for running the program in tests: offscreen, no update
// check, the given settings directory, English unless told otherwise.
QProcessEnvironment programEnvironment(const QString& settingsDir, const QString& language = QStringLiteral("en"));

} // namespace orvi::test
