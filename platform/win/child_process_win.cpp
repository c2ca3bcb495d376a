#include "platform/child_process.h"

#include <QProcess>
#include <windows.h>

namespace orvi::platform {

void startWithoutConsoleWindow(QProcess& process)
{
    process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* args) { args->flags |= CREATE_NO_WINDOW; });
}

} // namespace orvi::platform
