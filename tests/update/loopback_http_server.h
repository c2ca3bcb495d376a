#pragma once

#include "update/update_checker.h"

#include <QHash>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

// An HTTP/1.1 server on 127.0.0.1 for the update tests, or HTTPS with a
// certificate that only this process trusts. Each path has a canned answer
// (404 when none); one request per connection.
class LoopbackHttpServer : public QObject
{
public:
    struct Response {
        int status = 200;
        QByteArray body{};
        QByteArray location{};    // a redirect's target
        int delayMs = 0;          // before the answer
        qint64 generatedSize = 0; // > 0: a body of this many bytes, made while the client reads
    };

    bool listen(bool tls = false);
    void setResponse(const QString& path, const Response& response) { m_responses.insert(path, response); }
    QUrl serve(const QString& path, const QByteArray& body, int delayMs = 0)
    {
        setResponse(path, {.body = body, .delayMs = delayMs});
        return url(path);
    }
    QUrl url(const QString& path) const;

    int hits(const QString& path) const { return m_hits.value(path); }
    // Body bytes of generated answers handed to the network so far.
    qint64 generatedBytesSent() const { return m_generatedSent; }
    QByteArray lastRequest() const { return m_lastRequest; } // its line and headers

private:
    void answer(QTcpSocket* socket, const QByteArray& request);

    QTcpServer* m_server = nullptr;
    QHash<QString, Response> m_responses;
    QHash<QString, int> m_hits;
    qint64 m_generatedSent = 0;
    QByteArray m_lastRequest;
};

// Why a row that needs the HTTPS server cannot run here, or null. Qt 6.4's
// Schannel backend wants a server certificate whose key sits in the Windows
// certificate store; it reads none from files, not even from PKCS#12.
inline const char* tlsServerUnavailable()
{
#ifdef Q_OS_WIN
    return "Qt 6.4's Schannel backend refuses a server certificate whose key comes from a file";
#else
    return nullptr;
#endif
}

// An address on 127.0.0.1 where nothing listens.
QUrl closedLoopbackUrl(const QString& path);

// A manifest whose latest release is `version`, with `releaseKeys` (each led
// by a comma) and, when given, one entry for this machine made of `entryKeys`.
inline QByteArray manifestJson(const QString& version, const QString& releaseKeys = {}, const QString& entryKeys = {})
{
    const QString entry =
        QStringLiteral(R"(,"files":[{"platform":"%1",%2}])").arg(orvi::UpdateChecker::platformKey(), entryKeys);
    return QStringLiteral(R"({"latest":{"version":"%1"%2%3}})")
        .arg(version, releaseKeys, entryKeys.isEmpty() ? QString() : entry)
        .toUtf8();
}
