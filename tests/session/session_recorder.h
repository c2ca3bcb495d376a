#pragma once

#include "session/pack_session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>
#include <QThread>

#include <memory>
#include <mutex>
#include <stdexcept>
#include <utility>

// Stores what a session delivers, from whichever thread, the way the window
// does, and drives the session's poll like the window's timer. Copies share
// what they store, so a copy can outlive the session.
class SessionRecorder
{
public:
    struct Record {
        QStringList lines[2]; // standard output, standard error
        int finishCount = 0;
        int exitCode = 0;
        bool crashed = false;
    };

    void install(PackSession& session)
    {
        std::shared_ptr<Shared> shared = m_shared;
        session.setCallbacks(
            [shared](const QString& line, bool isStderr) {
                std::lock_guard lock(shared->mutex);
                if (std::exchange(shared->throwOnNextLine, false))
                    throw std::runtime_error("first");
                shared->record.lines[isStderr].append(line);
            },
            [shared](int exitCode, bool crashed) {
                std::lock_guard lock(shared->mutex);
                ++shared->record.finishCount;
                shared->record.exitCode = exitCode;
                shared->record.crashed = crashed;
            });
    }
    // The output callback throws std::runtime_error("first") once.
    void throwOnNextLine()
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->throwOnNextLine = true;
    }

    Record get() const
    {
        std::lock_guard lock(m_shared->mutex);
        return m_shared->record;
    }

    // Polls like the window's timer (letting queued signals through) until
    // `finishes` finishes have come or the time is up.
    bool waitForFinish(PackSession& session, int timeoutMs = 20000, int finishes = 1)
    {
        for (QDeadlineTimer deadline(timeoutMs); !deadline.hasExpired(); QThread::msleep(10)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            session.poll();
            if (get().finishCount >= finishes)
                return true;
        }
        return false;
    }

private:
    struct Shared {
        std::mutex mutex;
        Record record;
        bool throwOnNextLine = false;
    };
    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
};

// A session with a recorder installed; start() runs the scripted engine.
template <typename Session>
struct RecordedSession {
    template <typename... Args>
    explicit RecordedSession(Args... args) : session(args...)
    {
        recorder.install(session);
    }
    int start(const QString& steps)
    {
        return session.start(QStringLiteral(ORVI_BUILD_DIR "/OrviTestEngine" ORVI_EXE_SUFFIX),
                             {QStringLiteral("--script"), steps});
    }
    Session session;
    SessionRecorder recorder;
};
