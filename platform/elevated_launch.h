#pragma once

#include <QString>
#include <QtGlobal>

namespace orvi::platform {

struct ScriptLaunch {
    bool started = false;
    qint64 errorCode = 0; // the system's error number when not started
};

// Starts the update script in the background with the system's script host
// so that it outlives this process. On Windows `elevate` goes through the
// elevation prompt ("runas"); a POSIX shell script asks for its own rights
// (pkexec inside the script), so there it changes nothing.
ScriptLaunch launchUpdateScript(const QString& scriptPath, bool elevate);

// How this system asks for the rights, as named in diagnostics: "runas" or "pkexec".
QString elevationMechanism();

} // namespace orvi::platform
