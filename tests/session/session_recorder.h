#pragma once

#include "session/pack_session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>
#include <QThread>

#include <memory>
#include <mutex>

// Stores what a session delivers, from whichever thread, the way the window
// does, and drives the session's poll like the window's timer.
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
                shared->record.lines[isStderr].append(line);
            },
            [shared](int exitCode, bool crashed) {
                std::lock_guard lock(shared->mutex);
                ++shared->record.finishCount;
                shared->record.exitCode = exitCode;
                shared->record.crashed = crashed;
            });
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
    };
    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
};
