// Where the settings files land with and without ORVI_SETTINGS_DIR.

#include "common/settings_store.h"
#include "app/ui_language.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class SettingsStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void whiteSpaceOnlyIsIgnored()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
        qputenv("ORVI_SETTINGS_DIR", " \t ");
        orvi::applySettingsDirectoryFromEnvironment();
        orvi::saveUiLanguage(QStringLiteral("de"));
        QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("ORVI/ui-language.ini"))));
        QVERIFY(!QFileInfo::exists(QDir::current().filePath(QStringLiteral(" \t /ORVI"))));
    }

    void nestedDirectoryReceivesBothFiles()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString nested = root.filePath(QStringLiteral("x/y/settings"));
        qputenv("ORVI_SETTINGS_DIR", nested.toLocal8Bit());
        orvi::applySettingsDirectoryFromEnvironment();
        QVERIFY(QFileInfo(nested).isDir());

        orvi::saveUiLanguage(QStringLiteral("fr"));
        {
            const auto gui = orvi::openSettings(orvi::kGuiSettingsName);
            gui->setValue(QStringLiteral("pack_autoclose"), true);
            gui->sync();
        }
        QVERIFY(QFileInfo::exists(nested + QStringLiteral("/ORVI/ui-language.ini")));
        QVERIFY(QFileInfo::exists(nested + QStringLiteral("/ORVI/desktop-gui.ini")));
        QCOMPARE(orvi::savedUiLanguage(), QStringLiteral("fr"));
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settings_store.moc"
