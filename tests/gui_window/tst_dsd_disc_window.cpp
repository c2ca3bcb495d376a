// The window packs a DSD Disc end to end with the real engine, as a child
// process and in-process, with its disc title and playlist box; 7z lists
// what it wrote.
#include "session/pack_inproc_session.h"
#include "test_fixture.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kBuild = QStringLiteral(ORVI_BUILD_DIR);

bool makeTrack(const QString& path, const QString& title)
{
    QProcess process;
    process.start(kBuild + "/OrviTestSignal", {"--seconds", "0.5", "--title", title, "-o", path});
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

QStringList sevenZipPaths(const QString& image)
{
    QProcess process;
    process.start("7z", {"l", "-slt", image});
    process.waitForFinished(60000);
    QStringList paths;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(u"Path = ") && line.trimmed() != "Path = " + image)
            paths << line.mid(7).trimmed();
    }
    paths.sort();
    return paths;
}

} // namespace

class DsdDiscWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void packsDsdDisc_data()
    {
        QTest::addColumn<bool>("inProcess");
        QTest::addColumn<bool>("playlist");
        QTest::newRow("child process, playlist") << false << true;
        QTest::newRow("in-process, no playlist") << true << false;
    }
    void packsDsdDisc()
    {
        QFETCH(bool, inProcess);
        QFETCH(bool, playlist);
        orvi::test::isolateWindowEnvironment();
        qputenv("ORVI_LATHE_BIN", (kBuild + "/OrviPackEngine").toLocal8Bit());
        qputenv("ORVI_GUI_INPROC", inProcess ? "1" : "0");
        qputenv("ORVI_PACK_GUI_NOCONFIRM", "1");
        setInProcessEngineEntry(nullptr);
        orvi::test::TestWindow access;
        QVERIFY(makeTrack(access.path("a.dsf"), "Première") && makeTrack(access.path("b.dsf"), "第二"));
        access.window.show();
        access.addTrackFile(access.path("a.dsf"));
        access.addTrackFile(access.path("b.dsf"));
        access.album()->setText("Album");
        access.dsdDisc()->setChecked(true);
        access.discTitle()->setText("Window: Disc");
        access.playlist()->setChecked(playlist);
        const QString output = access.path("disc.iso");
        access.output()->setText(output);
        access.startButton()->click();

        QTRY_VERIFY2_WITH_TIMEOUT(access.logText().contains("SACD ISO created: " + output)
                                      && access.startButton()->isEnabled(),
                                  qPrintable(access.logText()), 60000);
        QStringList expected = {"DSD_DISC", "DSD_DISC/Window_ Disc", "DSD_DISC/Window_ Disc/01 - Première.dsf",
                                "DSD_DISC/Window_ Disc/02 - 第二.dsf"};
        if (playlist)
            expected << "DSD_DISC/Window_ Disc.ovp";
        expected.sort();
        if (QStandardPaths::findExecutable(QStringLiteral("7z")).isEmpty())
            qInfo("skipped the 7z listing: no 7z on this system");
        else
            QCOMPARE(sevenZipPaths(output), expected);
    }
};

QTEST_MAIN(DsdDiscWindowTest)
#include "tst_dsd_disc_window.moc"
