// Floods through the real pack window. First the worst case: a whole flood
// (200 000 and 1 000 000 lines) waiting for one poll tick, timed as the stall
// it causes, with the process's peak memory. Then an engine flooding through
// both session kinds and the window's 150 ms poll timer, where a 5 ms probe
// timer measures how long the event loop (and so the window) stands still at
// worst, and the run's wall time is printed beside it.
// Goals: one tick of 200 000 lines under 250 ms, of 1 000 000 under 1 s,
// peak memory under 300 MB.
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
#include <sys/resource.h>

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

long peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// The stall of the one tick that takes `lines` engine lines into the panel.
qint64 oneTickStallMs(int lines)
{
    QTemporaryDir settings;
    qputenv("ORVI_SETTINGS_DIR", settings.path().toLocal8Bit());
    PackGuiWindow window;
    PackGuiWindowTestAccess access(window);
    window.show();
    QList<std::pair<QString, bool>> pending;
    pending.reserve(lines);
    for (int i = 0; i < lines; ++i)
        pending.append({QStringLiteral("flood line %1\n").arg(i), i % 100 == 0});
    QElapsedTimer clock;
    clock.start();
    access.deliverOutput(pending);
    return clock.elapsed();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const int tickLines : {200000, 1000000})
        std::printf("one tick of %7d lines: stall=%lld ms | peak memory so far=%ld MB\n", tickLines,
                    static_cast<long long>(oneTickStallMs(tickLines)), peakMemoryMiB());
    const int lines = argc > 1 ? std::atoi(argv[1]) : 200000;
    std::printf("Engine flooding %d lines into the pack window's run log.\n", lines);
    for (const bool inProcess : {true, false}) {
        const Stall stall = floodThroughWindow(inProcess, lines);
        std::printf("%-13s wall=%lld ms | longest event-loop stall=%.1f ms\n",
                    inProcess ? "in-process" : "child process", static_cast<long long>(stall.wallMs),
                    stall.maxNs / 1e6);
    }
    std::printf("peak memory=%ld MB\n", peakMemoryMiB());
    return 0;
}
