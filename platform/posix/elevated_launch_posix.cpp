#include "platform/elevated_launch.h"

#include <QProcess>
#include <QStringList>

namespace orvi::platform {

ScriptLaunch launchUpdateScript(const QString& scriptPath, bool /*elevate*/)
{
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({scriptPath});
    // Detached: the script must go on after this process has quit.
    ScriptLaunch launch;
    launch.started = process.startDetached();
    if (!launch.started)
        launch.errorCode = qint64(process.error());
    return launch;
}

QString elevationMechanism()
{
    return QStringLiteral("pkexec");
}

} // namespace orvi::platform
