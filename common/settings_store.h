#pragma once

#include <QSettings>
#include <memory>

namespace orvi {

inline constexpr const char* kSettingsOrganization = "ORVI";
inline constexpr const char* kGuiSettingsName = "desktop-gui";
inline constexpr const char* kLanguageSettingsName = "ui-language";

// Points the user-scope INI and native settings at ORVI_SETTINGS_DIR when it
// is non-empty after trimming, creating the directory with its parents.
void applySettingsDirectoryFromEnvironment();

// Each writer opens its own store object and syncs right after writing.
std::unique_ptr<QSettings> openSettings(const char* applicationName);

} // namespace orvi
