#include "test_fixture.h"
#include "window_access.h"

#include "common/settings_store.h"

#include <QtTest>

class WindowFormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }

    void builtIdleWithTheEngineLines()
    {
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        QVERIFY(w.startButton()->isEnabled());
        QVERIFY(!w.stopButton()->isEnabled());
        QVERIFY(!w.openOutputButton()->isEnabled());
        QVERIFY(!w.playlist()->isEnabled());
        QVERIFY(!w.discTitle()->isEnabled());
        QVERIFY(w.banner()->isHidden());

        // The ready line, then the engine line, close the construction.
        const QStringList lines = w.logText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.at(lines.size() - 2),
                 QStringLiteral("就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。"));
        QCOMPARE(lines.last(), QStringLiteral("打包引擎: %1").arg(w.enginePath()));
    }

    void discModeBoxDrivesTitleAndPlaylist()
    {
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.dsdDisc()->setChecked(true);
        QVERIFY(w.playlist()->isEnabled());
        QVERIFY(w.discTitle()->isEnabled());
        w.discTitle()->setText("kept");
        w.playlist()->setChecked(false);
        w.dsdDisc()->setChecked(false);
        QVERIFY(!w.playlist()->isEnabled());
        QVERIFY(!w.discTitle()->isEnabled());
        QCOMPARE(w.discTitle()->text(), QStringLiteral("kept"));
        QVERIFY(!w.playlist()->isChecked());
    }

    void autoCloseSettingPersists()
    {
        {
            auto settings = orvi::openSettings(orvi::kGuiSettingsName);
            settings->remove("pack_autoclose");
        }
        {
            PackGuiWindow window;
            PackGuiWindowTestAccess w(window);
            QVERIFY(!w.autoClose()->isChecked());
            w.autoClose()->setChecked(true);
            QCOMPARE(orvi::openSettings(orvi::kGuiSettingsName)->value("pack_autoclose").toBool(), true);
        }
        {
            PackGuiWindow window;
            PackGuiWindowTestAccess w(window);
            QVERIFY(w.autoClose()->isChecked());
            w.autoClose()->setChecked(false);
        }
        QCOMPARE(orvi::openSettings(orvi::kGuiSettingsName)->value("pack_autoclose").toBool(), false);
    }
};

QTEST_MAIN(WindowFormTest)
#include "tst_window_form.moc"
