#pragma once

#include "session/pack_session.h"

#include <QByteArray>
#include <QMetaObject>
#include <QProcess>

#include <memory>

// Runs the engine executable as a child process. Its output is split into
// lines per channel; a line without its line feed yet waits for the rest.
// Lives on the GUI thread; its callbacks run there.
class PackProcSession : public PackSession
{
public:
    // The process object becomes a child of `parent` and outlives the
    // session; without a parent the session owns it.
    explicit PackProcSession(QObject* parent);
    ~PackProcSession() override;

    int start(const QString& program, const QList<QString>& arguments) override;
    bool isRunning() const override;
    int sendLine(const QString& line, bool* flushed) override;
    int stop(int timeoutMs) override;
    bool waitForFinished(int timeoutMs) override;
    void terminate() override;
    void kill() override;
    bool stopIsForced() const override;
    void closeChannels() override;
    void poll() override;
    QString errorString() const override;

private:
    void drainChannel(bool isStderr);
    void handleFinished(int exitCode, QProcess::ExitStatus status);

    QProcess* m_process;
    std::unique_ptr<QProcess> m_ownedProcess;
    QByteArray m_stdoutPending;
    QByteArray m_stderrPending;
    QString m_lastError;
    bool m_started = false;
    bool m_finishDelivered = false;
    QList<QMetaObject::Connection> m_connections;
};
