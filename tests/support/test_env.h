#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace orvi::test {

// Built executables.
QString programPath();
QString enginePath();

// An environment for running the program in tests: offscreen, no update
// check, the given settings directory, English unless told otherwise.
QProcessEnvironment programEnvironment(const QString& settingsDir, const QString& language = QStringLiteral("en"));

} // namespace orvi::test
