#include "gui/engine_location.h"

#include "gui/pack_gui_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvi {

namespace {

constexpr bool kHostUsesExeSuffix =
#ifdef Q_OS_WIN
    true;
#else
    false;
#endif

const QLatin1String kExeSuffix(".exe");

bool isUsableEngineFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && info.size() != 0;
}

// Files found relative to the current directory: the development build is
// labelled as such, anything else as if it lay beside the program.
EngineCandidate workingTreeCandidate(const QDir& current, const QString& relativePath)
{
    const QString label = relativePath.startsWith(QLatin1String("build/"))
        ? QCoreApplication::translate("PackGuiWindow", "开发构建 (build/)")
        : QCoreApplication::translate("PackGuiWindow", "程序同目录");
    return {current.absoluteFilePath(relativePath), label};
}

} // namespace

EngineSearchPlaces currentEngineSearchPlaces()
{
    EngineSearchPlaces places;
    places.environmentValue = qEnvironmentVariable("ORVI_LATHE_BIN");
    places.programFilePath = QCoreApplication::applicationFilePath();
    places.currentDirectory = QDir::currentPath();
    places.exeSuffixedNames = kHostUsesExeSuffix;
    return places;
}

QString executableFileName(const QString& windowsName, bool exeSuffixedNames)
{
    if (exeSuffixedNames || !windowsName.endsWith(kExeSuffix, Qt::CaseInsensitive))
        return windowsName;
    return windowsName.chopped(kExeSuffix.size());
}

QList<EngineCandidate> engineCandidates(const EngineSearchPlaces& places)
{
    QList<EngineCandidate> candidates;
    if (!places.environmentValue.isEmpty())
        candidates.append(
            {places.environmentValue, QCoreApplication::translate("PackGuiWindow", "环境变量 ORVI_LATHE_BIN")});

    const QString programFolder = QFileInfo(places.programFilePath).absolutePath();
    candidates.append({QDir(programFolder)
                           .filePath(executableFileName(QStringLiteral("OrviPackEngine.exe"), places.exeSuffixedNames)),
                       QCoreApplication::translate("PackGuiWindow", "程序同目录")});

    const QDir current(places.currentDirectory);
    candidates.append(workingTreeCandidate(current, QStringLiteral("build/OrviPackEngine")));
    candidates.append(workingTreeCandidate(
        current, executableFileName(QStringLiteral("release/windows/OrviPackEngine.exe"), places.exeSuffixedNames)));

    candidates.append(
        {places.programFilePath, QCoreApplication::translate("PackGuiWindow", "本程序自身 (未找到 CLI)"), true});
    return candidates;
}

EngineLocation findEngine(const EngineSearchPlaces& places)
{
    for (const EngineCandidate& candidate : engineCandidates(places)) {
        const bool accepted = candidate.isProgramItself ? !candidate.path.isEmpty() && QFileInfo::exists(candidate.path)
                                                        : isUsableEngineFile(candidate.path);
        if (accepted)
            return {candidate.path, candidate.sourceLabel};
    }
    return {};
}

} // namespace orvi

void PackGuiWindow::locateEngine()
{
    enginePath.clear();
    engineSource.clear();
    const orvi::EngineSearchPlaces places = orvi::currentEngineSearchPlaces();
    const orvi::EngineLocation found = orvi::findEngine(places);
    enginePath = found.path;
    engineSource = found.source;

    if (!enginePath.isEmpty() && !engineSource.isEmpty())
        appendLog(QCoreApplication::translate("PackGuiWindow", "打包引擎: %1 (来源: %2)").arg(enginePath, engineSource),
                  false);
    if (!enginePath.isEmpty() && enginePath == places.programFilePath)
        appendLog(QCoreApplication::translate("PackGuiWindow",
                                              "说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。"),
                  false);
}
