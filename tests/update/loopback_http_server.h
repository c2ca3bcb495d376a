#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QUrl>
#include <memory>

class QTcpServer;
class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for the update tests: each path gets a
// canned response (status, body, redirect target, delay).
// With a certificate it speaks HTTPS instead. One request per connection.
class LoopbackHttpServer : public QObject
{
public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray location;      // Location header, for redirects
        int delayMs = 0;          // before the headers are sent
        qint64 generatedSize = 0; // > 0: a body of this many bytes made while the client reads
    };

    explicit LoopbackHttpServer(QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    bool listen();
    bool listenTls(const QSslCertificate& certificate, const QSslKey& key);

    void setResponse(const QString& path, const Response& response);
    void serve(const QString& path, const QByteArray& body);
    QUrl url(const QString& path) const;

    int hits(const QString& path) const { return m_hits.value(path); }
    // Body bytes of generated responses handed to the network so far.
    qint64 generatedBytesSent() const { return *m_generatedSent; }
    QByteArray lastUserAgent() const { return m_lastUserAgent; }

private:
    bool startListening();
    void accept(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path);

    std::unique_ptr<QTcpServer> m_server;
    bool m_tls = false;
    QHash<QString, Response> m_responses;
    QHash<QString, int> m_hits;
    std::shared_ptr<qint64> m_generatedSent = std::make_shared<qint64>(0);
    QByteArray m_lastUserAgent;
};

// A self-signed certificate for 127.0.0.1 made by openssl in `directory`, and
// that certificate added to the trusted authorities of this process only.
bool makeTrustedLoopbackCertificate(const QString& directory, QSslCertificate* certificate, QSslKey* key);

// An address on 127.0.0.1 where nothing listens.
QUrl closedLoopbackUrl(const QString& path);
