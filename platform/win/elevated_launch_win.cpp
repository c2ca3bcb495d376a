#include "platform/elevated_launch.h"

#include <QDir>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

namespace orvi::platform {

ScriptLaunch launchUpdateScript(const QString& scriptPath, bool elevate)
{
    const std::wstring parameters =
        (QStringLiteral("/c \"") + QDir::toNativeSeparators(scriptPath) + QLatin1Char('"')).toStdWString();
    SHELLEXECUTEINFOW info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = nullptr;
    info.lpVerb = elevate ? L"runas" : nullptr;
    info.lpFile = L"cmd.exe";
    info.lpParameters = parameters.c_str();
    info.lpDirectory = nullptr;
    info.nShow = SW_HIDE;

    ScriptLaunch launch;
    if (ShellExecuteExW(&info)) {
        launch.started = true;
        if (info.hProcess)
            CloseHandle(info.hProcess);
    } else {
        launch.errorCode = qint64(GetLastError());
    }
    return launch;
}

QString elevationMechanism()
{
    return QStringLiteral("runas");
}

} // namespace orvi::platform
#endif
