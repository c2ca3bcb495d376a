#pragma once

#include "common/settings_store.h"
#include "window_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace orvi::test {

// Points the settings store at a fresh temporary folder and clears the
// variables the window reads, so a test never sees the user's environment.
inline void isolateWindowEnvironment()
{
    static QTemporaryDir settingsDir;
    qputenv("ORVI_SETTINGS_DIR", settingsDir.path().toLocal8Bit());
    applySettingsDirectoryFromEnvironment();
    for (const char* name : {"ORVI_PACK_GUI_LOG", "ORVI_LATHE_BIN", "ORVI_PACK_GUI_AUTORUN", "ORVI_PACK_GUI_AUTOCLOSE"})
        qunsetenv(name);
}

// Creates a file (with its folders) and returns its absolute path.
inline QString touchFile(const QString& path, const QByteArray& content = QByteArray())
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return QFileInfo(path).absoluteFilePath();
}

struct WindowFolder {
    QTemporaryDir dir;
    PackGuiWindow window;
};

// A window built as the environment stands, reached through the test access,
// with a fresh folder for its files.
struct TestWindow : WindowFolder, PackGuiWindowTestAccess {
    TestWindow() : PackGuiWindowTestAccess(window) {}
    QString path(const QString& name) const { return dir.filePath(name); }
    QString file(const QString& name, const QByteArray& content = {}) const { return touchFile(path(name), content); }
    // Column `column` of every track row, top to bottom.
    QStringList column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < table()->rowCount(); ++row)
            texts << (table()->item(row, column) ? table()->item(row, column)->text() : QString());
        return texts;
    }
};

} // namespace orvi::test
