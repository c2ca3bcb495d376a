#pragma once

#include "common/settings_store.h"

#include <QSettings>
#include <QTemporaryDir>

namespace orvi::test {

// Points the settings store at a private folder with no saved interface
// language, and unsets ORVI_LANG and the locale variables.
inline void isolateLanguageEnvironment()
{
    static QTemporaryDir settingsDir;
    qputenv("ORVI_SETTINGS_DIR", settingsDir.path().toLocal8Bit());
    applySettingsDirectoryFromEnvironment();
    openSettings(kLanguageSettingsName)->clear();
    for (const char* name : {"ORVI_LANG", "LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        qunsetenv(name);
}

} // namespace orvi::test
