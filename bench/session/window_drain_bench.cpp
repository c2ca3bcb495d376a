// The same flood through the real pack window: 200 000 engine lines reach
// the run log panel through the window's 150 ms poll timer. A 5 ms probe
// timer measures how long the event loop (and so the window) stands still at
// worst, and the run's wall time is printed beside it.
#include "gui/pack_gui_window.h"
#include "scripted_engine.h"
#include "session/pack_inproc_session.h"
#include "window_access.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

struct Stall {
    qint64 maxNs = 0;
    qint64 wallMs = 0;
};

Stall floodThroughWindow(bool inProcess, int lines)
{
    QTemporaryDir dir;
    const QString track = dir.filePath(QStringLiteral("01.dsf"));
    QFile(track).open(QIODevice::WriteOnly);
    qputenv("ORVI_SETTINGS_DIR", dir.path().toLocal8Bit());
    qputenv("ORVI_LATHE_BIN", ORVI_BUILD_DIR "/OrviTestEngine");
    qputenv("ORVI_TEST_ENGINE_SCRIPT", QStringLiteral("flood:%1;exit:0").arg(lines).toUtf8());
    qputenv("ORVI_GUI_INPROC", inProcess ? "1" : "0");
    setInProcessEngineEntry(&scriptedEngineMain);

    PackGuiWindow window;
    PackGuiWindowTestAccess access(window);
    window.show();
    access.addTrackFile(track);
    access.output()->setText(dir.filePath(QStringLiteral("disc.iso")));

    Stall stall;
    QElapsedTimer clock;
    clock.start();
    qint64 lastProbe = clock.nsecsElapsed();
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        stall.maxNs = std::max(stall.maxNs, now - lastProbe - 5'000'000);
        lastProbe = now;
        if (access.startButton()->isEnabled() && access.statusMessage().contains(QStringLiteral("无产物")))
            QCoreApplication::exit(0);
    });
    probe.start();
    QTimer::singleShot(0, [&] { access.startButton()->click(); });
    QTimer::singleShot(600000, [] { QCoreApplication::exit(1); });
    QCoreApplication::exec();
    stall.wallMs = clock.elapsed();
    return stall;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 200000;
    std::printf("Engine flooding %d lines into the pack window's run log.\n", lines);
    for (const bool inProcess : {true, false}) {
        const Stall stall = floodThroughWindow(inProcess, lines);
        std::printf("%-13s wall=%lld ms | longest event-loop stall=%.1f ms\n", inProcess ? "in-process" : "child process",
                    static_cast<long long>(stall.wallMs), stall.maxNs / 1e6);
    }
    return 0;
}
