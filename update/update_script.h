#pragma once

#include <QString>
#include <QtGlobal>

namespace orvi {

// Everything an update script needs to know. Paths are in the form the
// script's system expects (backslashes for the command script).
struct UpdateScriptInputs {
    qint64 processId = 0;  // the script waits until this process is gone
    QString overwritePath; // verified overwrite payload, empty when none
    QString installerPath; // verified installer, empty when none
    QString programDir;    // where the program lives, no trailing separator
    QString programFile;   // the program's file name
    bool elevate = false;  // shell script only: install through pkexec
};

// The command script run by cmd.exe: wait, copy or unpack, else install
// silently, mark a failure, restart.
QString windowsUpdateScript(const UpdateScriptInputs& inputs);

// The same job as a POSIX shell script. It waits as the current user, runs
// its install stage (through pkexec when asked) and restarts the program as
// the current user again, so the restarted program keeps the user's session.
QString posixUpdateScript(const UpdateScriptInputs& inputs);

// The script for the system this program runs on, and its file name.
QString nativeUpdateScript(const UpdateScriptInputs& inputs);
QString nativeUpdateScriptFileName();

} // namespace orvi
