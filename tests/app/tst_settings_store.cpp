// Where the settings files land with and without ORVI_SETTINGS_DIR.
#include "app/ui_language.h"
#include "common/settings_store.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class SettingsStoreTest : public QObject
{
    Q_OBJECT

private slots:
    // White space only: the files stay where the user's settings are kept.
    void whiteSpaceOnlyIsIgnored()
    {
        QTemporaryDir home;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
        qputenv("ORVI_SETTINGS_DIR", " \t ");
        orvi::applySettingsDirectoryFromEnvironment();
        orvi::saveUiLanguage(QStringLiteral("de"));
        QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("ORVI/ui-language.ini"))));
    }

    // A folder not there yet is made with its parents and takes both files.
    void nestedDirectoryReceivesBothFiles()
    {
        QTemporaryDir root;
        const QString nested = root.filePath(QStringLiteral("x/y/settings"));
        qputenv("ORVI_SETTINGS_DIR", nested.toLocal8Bit());
        orvi::applySettingsDirectoryFromEnvironment();
        orvi::saveUiLanguage(QStringLiteral("fr"));
        orvi::openSettings(orvi::kGuiSettingsName)->setValue(QStringLiteral("pack_autoclose"), true);
        QVERIFY(QFileInfo::exists(nested + QStringLiteral("/ORVI/ui-language.ini")));
        QVERIFY(QFileInfo::exists(nested + QStringLiteral("/ORVI/desktop-gui.ini")));
        QCOMPARE(orvi::savedUiLanguage(), QStringLiteral("fr"));
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settings_store.moc"
