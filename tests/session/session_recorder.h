#pragma once

#include "session/pack_session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>
#include <mutex>

// Stores what a session delivers, from whichever thread, the way the window
// does, and drives the session's poll like the window's timer.
class SessionRecorder
{
public:
    struct Line {
        QString text;
        bool isStderr = false;
    };
    struct State {
        std::mutex mutex;
        QList<Line> lines;
        int finishCount = 0;
        int exitCode = 0;
        bool crashed = false;
    };

    void install(PackSession& session)
    {
        std::shared_ptr<State> state = m_state;
        session.setCallbacks(
            [state](const QString& line, bool isStderr) {
                std::lock_guard lock(state->mutex);
                state->lines.append({line, isStderr});
            },
            [state](int exitCode, bool crashed) {
                std::lock_guard lock(state->mutex);
                ++state->finishCount;
                state->exitCode = exitCode;
                state->crashed = crashed;
            });
    }

    // Polls like the window's timer (letting queued signals through) until
    // `done` holds or the time is up.
    bool pollUntil(PackSession& session, const std::function<bool()>& done, int timeoutMs)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            session.poll();
            if (done())
                return true;
            QThread::msleep(10);
        }
        return false;
    }
    bool waitForFinish(PackSession& session, int timeoutMs = 20000)
    {
        return pollUntil(
            session, [this] { return finishCount() > 0; }, timeoutMs);
    }
    bool waitForLine(PackSession& session, const QString& text, int timeoutMs = 20000)
    {
        return pollUntil(
            session, [this, &text] { return texts().contains(text); }, timeoutMs);
    }

    QList<Line> lines() const
    {
        std::lock_guard lock(m_state->mutex);
        return m_state->lines;
    }
    QStringList texts() const
    {
        QStringList result;
        for (const Line& line : lines())
            result.append(line.text);
        return result;
    }
    int finishCount() const
    {
        std::lock_guard lock(m_state->mutex);
        return m_state->finishCount;
    }
    int exitCode() const
    {
        std::lock_guard lock(m_state->mutex);
        return m_state->exitCode;
    }
    bool crashed() const
    {
        std::lock_guard lock(m_state->mutex);
        return m_state->crashed;
    }

private:
    std::shared_ptr<State> m_state = std::make_shared<State>();
};
