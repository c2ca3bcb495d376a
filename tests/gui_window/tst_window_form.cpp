#include "test_fixture.h"
#include "window_access.h"

#include "app/settings_store.h"

#include <QScrollArea>
#include <QtTest>

class WindowFormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { orvi::test::isolateWindowEnvironment(); }

    void builtIdleWithItsDefaults()
    {
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Orvi Lathe — SACD ISO 打包工具"));
        QCOMPARE(window.minimumSize(), QSize(860, 560));
        QCOMPARE(window.size(), QSize(1180, 760));
        QCOMPARE(w.tabs()->count(), 2);
        QCOMPARE(w.tabs()->tabText(0), QStringLiteral("光盘信息"));
        QCOMPARE(w.tabs()->tabText(1), QStringLiteral("打包选项"));
        for (int page = 0; page < 2; ++page) {
            const auto* area = qobject_cast<QScrollArea*>(w.tabs()->widget(page));
            QVERIFY(area && area->widgetResizable() && area->frameShape() == QFrame::NoFrame);
        }

        QVERIFY(w.startButton()->isEnabled());
        QVERIFY(!w.stopButton()->isEnabled());
        QVERIFY(!w.openOutputButton()->isEnabled());
        QVERIFY(!w.playlist()->isEnabled());
        QVERIFY(w.playlist()->isChecked());
        QVERIFY(!w.discTitle()->isEnabled());
        QCOMPARE(w.trackCount()->text(), QStringLiteral("共 0 轨"));
        QCOMPARE(w.log()->maximumBlockCount(), 20000);
        QVERIFY(w.log()->isReadOnly());
        QCOMPARE(w.upButton()->width(), 34);
        QCOMPARE(w.downButton()->width(), 34);

        // The ready line, then the engine line, close the construction.
        const QStringList lines = w.logText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.at(lines.size() - 2),
                 QStringLiteral("就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。"));
        QCOMPARE(lines.last(), QStringLiteral("打包引擎: %1").arg(w.enginePath()));
    }

    void spinRanges()
    {
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        QCOMPARE(w.pause()->value(), 150);
        QCOMPARE(w.pause()->minimum(), 0);
        QCOMPARE(w.pause()->maximum(), 200000);
        QCOMPARE(w.dstOrder()->value(), 128);
        QCOMPARE(w.dstOrder()->minimum(), 1);
        QCOMPARE(w.dstOrder()->maximum(), 128);
        w.dstOrder()->setValue(0);
        QCOMPARE(w.dstOrder()->value(), 1);
        w.dstOrder()->setValue(129);
        QCOMPARE(w.dstOrder()->value(), 128);
    }

    void metadataFieldsCarryTheInFilePlaceholder()
    {
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        for (QLineEdit* field : {w.album(), w.artist(), w.genre(), w.copyright()})
            QCOMPARE(field->placeholderText(), QStringLiteral("留空 = 使用文件内元数据"));
        QCOMPARE(w.discNumber()->placeholderText(), QStringLiteral("如 1"));
        QCOMPARE(w.discTotal()->placeholderText(), QStringLiteral("总碟数"));
        QVERIFY(w.cue()->isReadOnly());
        QVERIFY(w.coverPathEdit()->isReadOnly());
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

    void runningStateLocksTheForm()
    {
        PackGuiWindow window;
        PackGuiWindowTestAccess w(window);
        w.dsdDisc()->setChecked(true);
        w.setRunning(true);
        QVERIFY(!w.startButton()->isEnabled());
        QVERIFY(w.stopButton()->isEnabled());
        QVERIFY(!w.table()->isEnabled());
        QVERIFY(!w.output()->isEnabled());
        QVERIFY(!w.browseOutputButton()->isEnabled());
        QVERIFY(!w.upButton()->isEnabled());
        QVERIFY(!w.tabs()->isEnabled());
        QVERIFY(!w.playlist()->isEnabled());
        QVERIFY(w.autoClose()->isEnabled());
        QVERIFY(w.log()->isEnabled());

        w.setRunning(false);
        QVERIFY(w.startButton()->isEnabled());
        QVERIFY(w.tabs()->isEnabled());
        QVERIFY(w.playlist()->isEnabled());
        QVERIFY(w.discTitle()->isEnabled());
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
