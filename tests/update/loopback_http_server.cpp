#include "loopback_http_server.h"

#include "test_env.h"

#include <QProcess>
#include <QSslKey>
#include <QSslServer>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// A self-signed certificate for 127.0.0.1 made by openssl, which this process
// then trusts. A Windows build under wine cannot start the host's openssl:
// the test script makes the pair there and names its folder.
QSslConfiguration trustedLoopbackCertificate()
{
    const QTemporaryDir scratch;
    const QString hostMade = qEnvironmentVariable("ORVI_TEST_TLS_DIR");
    const QString folder = hostMade.isEmpty() ? scratch.path() : hostMade;
    if (hostMade.isEmpty()) {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      QStringLiteral("req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 -addext "
                                     "subjectAltName=IP:127.0.0.1,DNS:localhost -keyout")
                              .split(QLatin1Char(' '))
                          << folder + QStringLiteral("/loopback.key") << QStringLiteral("-out")
                          << folder + QStringLiteral("/loopback.crt"));
        openssl.waitForFinished(60000);
    }
    const QSslCertificate certificate(orvi::test::readFileBytes(folder + QStringLiteral("/loopback.crt")));
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificate(certificate);
    QSslConfiguration::setDefaultConfiguration(configuration);
    configuration.setLocalCertificate(certificate);
    configuration.setPrivateKey(
        QSslKey(orvi::test::readFileBytes(folder + QStringLiteral("/loopback.key")), QSsl::Rsa));
    return configuration;
}

} // namespace

bool LoopbackHttpServer::listen(bool tls)
{
    if (tls) {
        const QSslConfiguration configuration = trustedLoopbackCertificate();
        if (configuration.privateKey().isNull() || configuration.localCertificate().isNull())
            return false;
        auto* server = new QSslServer(this);
        server->setSslConfiguration(configuration);
        m_server = server;
    } else {
        m_server = new QTcpServer(this);
    }
    // A TLS connection becomes pending once its handshake is done.
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            auto request = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
                request->append(socket->readAll());
                if (!request->contains("\r\n\r\n"))
                    return;
                socket->disconnect(this);
                answer(socket, *request);
            });
        }
    });
    return m_server->listen(QHostAddress::LocalHost);
}

QUrl LoopbackHttpServer::url(const QString& path) const
{
    const QString scheme = qobject_cast<QSslServer*>(m_server) ? QStringLiteral("https") : QStringLiteral("http");
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(m_server->serverPort()).arg(path));
}

void LoopbackHttpServer::answer(QTcpSocket* socket, const QByteArray& request)
{
    const QString path = QString::fromLatin1(request.split(' ').value(1));
    m_lastRequest = request;
    m_hits[path] += 1;
    const Response response = m_responses.value(path, Response{.status = 404});
    const QByteArray reason =
        QHash<int, QByteArray>{{302, "Found"}, {404, "Not Found"}, {500, "Internal Server Error"}}.value(
            response.status, "OK");
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason
        + "\r\nConnection: close\r\nContent-Length: "
        + QByteArray::number(response.generatedSize > 0 ? response.generatedSize : response.body.size()) + "\r\n";
    if (!response.location.isEmpty())
        head += "Location: " + response.location + "\r\n";
    head += "\r\n";

    if (response.generatedSize > 0) {
        // Refilled as the network takes the bytes, so neither end holds much of the body.
        const auto refill = [this, socket, left = std::make_shared<qint64>(response.generatedSize)] {
            while (*left > 0 && socket->bytesToWrite() < 256 * 1024) {
                const qint64 n = std::min<qint64>(*left, 64 * 1024);
                socket->write(QByteArray(n, 'g'));
                *left -= n;
                m_generatedSent += n;
            }
            if (*left == 0)
                socket->disconnectFromHost();
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, refill);
        socket->write(head);
        refill();
        return;
    }
    QTimer::singleShot(response.delayMs, socket, [socket, reply = head + response.body] {
        socket->write(reply);
        socket->disconnectFromHost();
    });
}

QUrl closedLoopbackUrl(const QString& path)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(probe.serverPort()).arg(path));
}
