#include "common/settings_store.h"

#include <QDir>

namespace orvi {

void applySettingsDirectoryFromEnvironment()
{
    const QString dir = qEnvironmentVariable("ORVI_SETTINGS_DIR").trimmed();
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir); // failure only means QSettings cannot write there
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
}

std::unique_ptr<QSettings> openSettings(const char* applicationName)
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QString::fromLatin1(kSettingsOrganization),
                                       QString::fromLatin1(applicationName));
}

} // namespace orvi
