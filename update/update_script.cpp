#include "update/update_script.h"

#include <QStringList>
#include <algorithm>

namespace orvi {

namespace {

// The suffix of the path's last component, lower case; works on either kind
// of separator so that a command-script path can be judged anywhere.
QString lowerSuffix(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

bool isZipArchive(const QString& path)
{
    return lowerSuffix(path) == QLatin1String("zip");
}

// PowerShell's single-quoted literal takes an apostrophe as two.
QString powerShellLiteralText(QString text)
{
    return text.replace(QLatin1Char('\''), QLatin1String("''"));
}

QString shellQuoted(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("'\\''")) + QLatin1Char('\'');
}

} // namespace

QString windowsUpdateScript(const UpdateScriptInputs& in)
{
    const QString pid = QString::number(in.processId);
    const QString restart = QStringLiteral("start \"\" \"%1\\%2\"\r\n").arg(in.programDir, in.programFile);
    QString script = QStringLiteral("@echo off\r\n:wait\r\ntasklist /FI \"PID eq %1\" 2>nul | find \"%1\" >nul "
                                    "&& (ping -n 2 127.0.0.1 >nul & goto wait)\r\n")
                         .arg(pid);
    if (!in.overwritePath.isEmpty()) {
        if (isZipArchive(in.overwritePath)) {
            script += QStringLiteral("powershell -NoProfile -ExecutionPolicy Bypass -Command \"Expand-Archive -Force "
                                     "-LiteralPath '%1' -DestinationPath '%2'\"\r\n")
                          .arg(powerShellLiteralText(in.overwritePath), powerShellLiteralText(in.programDir));
        } else {
            script += QStringLiteral("copy /Y \"%1\" \"%2\\\" >nul\r\n").arg(in.overwritePath, in.programDir);
        }
        script += QStringLiteral("if errorlevel 1 goto install\r\n");
        script += QStringLiteral("start \"\" \"%1\\%2\"\r\n exit /b\r\n").arg(in.programDir, in.programFile);
    }
    script += QStringLiteral(":install\r\n");
    if (!in.installerPath.isEmpty())
        script += QStringLiteral("\"%1\" /S\r\n").arg(in.installerPath);
    script += QStringLiteral("if errorlevel 1 (\r\n  echo update did not finish; the program was NOT restarted > "
                             "\"%1\\update-failed.txt\"\r\n  exit /b 1\r\n)\r\n")
                  .arg(in.programDir);
    script += restart;
    return script;
}

QString posixUpdateScript(const UpdateScriptInputs& in)
{
    const QString dir = shellQuoted(in.programDir);
    const QString program = shellQuoted(in.programDir + QLatin1Char('/') + in.programFile);
    QStringList lines;
    lines << QStringLiteral("#!/bin/sh")
          << QStringLiteral("# Written by OrviLathe for one update: waits for the program to end, puts the new")
          << QStringLiteral("# files in place and starts the program again.")
          << QStringLiteral("if [ \"$1\" != \"--install\" ]; then")
          << QStringLiteral("  while kill -0 %1 2>/dev/null; do sleep 1; done").arg(in.processId)
          << QStringLiteral("  # 1: the install stage failed and left its marker. Anything else (done, or")
          << QStringLiteral("  # the password prompt declined) leaves a program that can be started.")
          << (in.elevate ? QStringLiteral("  pkexec /bin/sh \"$0\" --install")
                         : QStringLiteral("  /bin/sh \"$0\" --install"))
          << QStringLiteral("  [ $? -eq 1 ] && exit 1") << QStringLiteral("  exec %1 >/dev/null 2>&1").arg(program)
          << QStringLiteral("fi") << QStringLiteral("status=0");
    if (!in.overwritePath.isEmpty()) {
        const QString payload = shellQuoted(in.overwritePath);
        if (isZipArchive(in.overwritePath)) {
            // unzip keeps the files' modes; python3's zipfile is the fallback on
            // systems without it and loses the executable bit, so it is put back.
            lines << QStringLiteral("if command -v unzip >/dev/null 2>&1; then")
                  << QStringLiteral("  unzip -o -q %1 -d %2").arg(payload, dir) << QStringLiteral("else")
                  << QStringLiteral("  python3 -m zipfile -e %1 %2 && chmod +x %3").arg(payload, dir, program)
                  << QStringLiteral("fi");
        } else {
            lines << QStringLiteral("cp -f %1 %2/").arg(payload, dir);
        }
        lines << QStringLiteral("status=$?") << QStringLiteral("[ $status -eq 0 ] && exit 0");
    }
    if (!in.installerPath.isEmpty()) {
        const QString installer = shellQuoted(in.installerPath);
        lines << QStringLiteral("chmod +x %1 && %1 /S").arg(installer) << QStringLiteral("status=$?");
    }
    lines << QStringLiteral("if [ $status -ne 0 ]; then")
          << QStringLiteral("  echo 'update did not finish; the program was NOT restarted' > %1/update-failed.txt")
                 .arg(dir)
          << QStringLiteral("  exit 1") << QStringLiteral("fi") << QStringLiteral("exit 0");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString nativeUpdateScript(const UpdateScriptInputs& inputs)
{
#if defined(Q_OS_WIN)
    return windowsUpdateScript(inputs);
#else
    return posixUpdateScript(inputs);
#endif
}

QString nativeUpdateScriptFileName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("orvi-update.cmd");
#else
    return QStringLiteral("orvi-update.sh");
#endif
}

} // namespace orvi
