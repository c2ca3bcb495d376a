#include "language_test_env.h"

#include "common/settings_store.h"

#include <QFile>
#include <QSettings>

namespace orvi::test {

namespace {
const char* const kLanguageVariables[] = {"ORVI_LANG", "LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
}

LanguageEnvironment::LanguageEnvironment()
{
    for (const char* name : kLanguageVariables) {
        if (qEnvironmentVariableIsSet(name))
            m_saved.append({QByteArray(name), qgetenv(name)});
    }
    clear();
}

LanguageEnvironment::~LanguageEnvironment()
{
    clear();
    for (const auto& [name, value] : m_saved)
        qputenv(name.constData(), value);
}

void LanguageEnvironment::clear()
{
    for (const char* name : kLanguageVariables)
        qunsetenv(name);
}

TemporarySettings::TemporarySettings()
{
    qputenv("ORVI_SETTINGS_DIR", m_dir.path().toLocal8Bit());
    applySettingsDirectoryFromEnvironment();
}

void TemporarySettings::reset()
{
    auto settings = openSettings(kLanguageSettingsName);
    settings->clear();
    settings->sync();
}

} // namespace orvi::test
