#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

class QApplication;
class QComboBox;
class QMainWindow;

namespace orvi {

struct UiLanguage {
    const char* code;
    const char* displayName; // UTF-8, in its own language
    bool rightToLeft;
};

// The twelve interface languages in selector order; "zh" is the source text.
inline constexpr UiLanguage kUiLanguages[] = {
    {"zh", "中文", false},    {"hant", "繁體中文", false}, {"en", "English", false}, {"ja", "日本語", false},
    {"ko", "한국어", false},  {"ru", "Русский", false},    {"de", "Deutsch", false}, {"fr", "Français", false},
    {"es", "Español", false}, {"pt", "Português", false},  {"ar", "العربية", true},  {"pl", "Polski", false},
};

const UiLanguage* findUiLanguage(const QString& code);
QString catalogueResourcePath(const QString& code);
// Folder the catalogues are loaded from: ":/i18n" unless a test points the
// program at a folder with fewer catalogues to exercise the fallbacks.
void setCatalogueDirectory(const QString& directory);

// How restartApplication starts the new instance (detached by default);
// replaceable so tests can watch a restart without spawning a program.
// Returns the starter it replaces.
using DetachedStarter = std::function<void(const QString& program, const QStringList& arguments)>;
DetachedStarter replaceDetachedStarter(DetachedStarter starter);

QString savedUiLanguage();
void saveUiLanguage(const QString& code);
QString normalizeLanguageCode(const QString& text);
QLocale environmentLocale();
QString systemLanguageCode();
QString applyUiLanguage(QApplication& application, const QString& requested);
QComboBox* createUiLanguageSelector(QMainWindow* window);
void restartApplication();
QString documentLanguage();
QLocale::Language languageForCode(const QString& code);

} // namespace orvi
