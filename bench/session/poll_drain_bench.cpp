// How long the GUI thread is held per 150 ms tick while an engine floods
// 200 000 lines, for both session kinds. The tick does what the window's
// does: poll the session, move the stored lines out under the lock, handle
// each line (here: keep it and look for the success line; the real log
// widget adds its own cost on top). A 5 ms probe timer measures the longest
// stall of the event loop, which also catches work done outside the tick
// (the child-process kind drains its pipes from Qt's ready-read signals).
#include "session/pack_inproc_session.h"
#include "session/pack_proc_session.h"
#include "scripted_engine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <mutex>

namespace {

constexpr int lineCount = 200000;

struct Figures {
    int ticks = 0;
    qint64 maxTickNs = 0;
    qint64 totalTickNs = 0;
    qint64 maxPollNs = 0;
    int maxLinesPerTick = 0;
    qint64 maxLoopStallNs = 0;
    qint64 wallMs = 0;
    int lines = 0;
    int exitCode = 0;
};

Figures measure(std::unique_ptr<PackSession> session, const QString& program, const QStringList& arguments)
{
    std::mutex eventLock;
    QList<QString> pendingLines;
    bool finished = false;
    int exitCode = 0;
    session->setCallbacks(
        [&](const QString& line, bool) {
            std::lock_guard lock(eventLock);
            pendingLines.append(line);
        },
        [&](int code, bool) {
            std::lock_guard lock(eventLock);
            finished = true;
            exitCode = code;
        });

    Figures figures;
    QStringList log;
    QElapsedTimer wall;
    wall.start();
    QTimer tick;
    tick.setInterval(150);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        QElapsedTimer clock;
        clock.start();
        session->poll();
        const qint64 pollNs = clock.nsecsElapsed();
        QList<QString> lines;
        bool done;
        {
            std::lock_guard lock(eventLock);
            lines.swap(pendingLines);
            done = finished;
        }
        for (const QString& line : std::as_const(lines)) {
            if (line.contains(QLatin1String("SACD ISO created")))
                std::puts("success line");
            log.append(line);
        }
        const qint64 tickNs = clock.nsecsElapsed();
        ++figures.ticks;
        figures.totalTickNs += tickNs;
        figures.maxTickNs = std::max(figures.maxTickNs, tickNs);
        figures.maxPollNs = std::max(figures.maxPollNs, pollNs);
        figures.maxLinesPerTick = std::max(figures.maxLinesPerTick, int(lines.size()));
        if (done) {
            figures.exitCode = exitCode;
            // Let the probe see the stall this tick caused before quitting.
            QTimer::singleShot(20, [] { QCoreApplication::quit(); });
        }
    });
    QElapsedTimer probeClock;
    probeClock.start();
    qint64 lastProbe = 0;
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = probeClock.nsecsElapsed();
        figures.maxLoopStallNs = std::max(figures.maxLoopStallNs, now - lastProbe - 5'000'000);
        lastProbe = now;
    });

    if (session->start(program, arguments) != 0) {
        std::fprintf(stderr, "start failed: %s\n", qPrintable(session->errorString()));
        return figures;
    }
    tick.start();
    probe.start();
    lastProbe = probeClock.nsecsElapsed();
    QCoreApplication::exec();
    figures.wallMs = wall.elapsed();
    figures.lines = int(log.size());
    return figures;
}

void print(const char* kind, const Figures& f)
{
    std::printf("%-13s lines=%d exit=%d wall=%lld ms ticks=%d | tick max=%.2f ms mean=%.2f ms | poll max=%.2f ms"
                " | lines/tick max=%d | event-loop stall max=%.2f ms\n",
                kind, f.lines, f.exitCode, static_cast<long long>(f.wallMs), f.ticks, f.maxTickNs / 1e6,
                f.ticks ? double(f.totalTickNs) / f.ticks / 1e6 : 0.0, f.maxPollNs / 1e6, f.maxLinesPerTick,
                f.maxLoopStallNs / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments{QStringLiteral("--script"), QStringLiteral("flood:%1;exit:0").arg(lineCount)};
    std::printf("Engine flooding %d lines; window tick 150 ms.\n", lineCount);
    const Figures inProcess =
        measure(std::make_unique<PackInProcSession>(&scriptedEngineMain), QStringLiteral("engine"), arguments);
    const Figures child = measure(std::make_unique<PackProcSession>(nullptr),
                                  QStringLiteral(ORVI_BUILD_DIR "/OrviTestEngine"), arguments);
    print("in-process", inProcess);
    print("child process", child);
    return 0;
}
