#include "loopback_http_server.h"

#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QObject(parent) {}

LoopbackHttpServer::~LoopbackHttpServer() = default;

bool LoopbackHttpServer::listen()
{
    m_server = std::make_unique<QTcpServer>();
    m_tls = false;
    return startListening();
}

bool LoopbackHttpServer::listenTls(const QSslCertificate& certificate, const QSslKey& key)
{
    auto server = std::make_unique<QSslServer>();
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(certificate);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    server->setSslConfiguration(configuration);
    m_server = std::move(server);
    m_tls = true;
    return startListening();
}

bool LoopbackHttpServer::startListening()
{
    // Connections of a TLS server become pending only once the handshake is done.
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection())
            accept(socket);
    });
    return m_server->listen(QHostAddress::LocalHost, 0);
}

void LoopbackHttpServer::setResponse(const QString& path, const Response& response)
{
    m_responses.insert(path, response);
}

void LoopbackHttpServer::serve(const QString& path, const QByteArray& body)
{
    Response response;
    response.body = body;
    setResponse(path, response);
}

QUrl LoopbackHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                    .arg(m_tls ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(m_server ? m_server->serverPort() : 0)
                    .arg(path));
}

void LoopbackHttpServer::accept(QTcpSocket* socket)
{
    socket->setParent(this);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto request = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
        request->append(socket->readAll());
        const qsizetype end = request->indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = request->left(end).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        for (const QByteArray& line : lines) {
            if (line.toLower().startsWith("user-agent:"))
                m_lastUserAgent = line.mid(11).trimmed();
        }
        request->clear();
        socket->disconnect(this); // one request per connection
        answer(socket, QString::fromLatin1(requestLine.value(1)));
    });
}

void LoopbackHttpServer::answer(QTcpSocket* socket, const QString& path)
{
    m_hits[path] += 1;
    Response response;
    if (m_responses.contains(path))
        response = m_responses.value(path);
    else
        response.status = 404;

    QPointer<QTcpSocket> guard(socket);
    if (response.generatedSize > 0) {
        // Refilled as the kernel takes the bytes, so neither side of the
        // loopback holds much of the body.
        const auto refill = [guard, sent = m_generatedSent, left = std::make_shared<qint64>(response.generatedSize)] {
            static const QByteArray piece(64 * 1024, 'g');
            while (guard && *left > 0 && guard->bytesToWrite() < 256 * 1024) {
                const qint64 n = std::min<qint64>(*left, piece.size());
                guard->write(piece.constData(), n);
                *left -= n;
                *sent += n;
            }
            if (guard && *left == 0)
                guard->disconnectFromHost();
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, refill);
        response.body = QByteArray();
        socket->write(
            "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Type: application/octet-stream\r\nContent-Length: "
            + QByteArray::number(response.generatedSize) + "\r\n\r\n");
        refill();
        return;
    }
    const auto send = [guard, response] {
        if (!guard)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status)
            + "\r\nConnection: close\r\nContent-Type: application/octet-stream\r\nContent-Length: "
            + QByteArray::number(response.body.size()) + "\r\n";
        if (!response.location.isEmpty())
            head += "Location: " + response.location + "\r\n";
        guard->write(head + "\r\n" + response.body);
        guard->disconnectFromHost();
    };
    if (response.delayMs > 0)
        QTimer::singleShot(response.delayMs, socket, send);
    else
        send();
}

bool makeTrustedLoopbackCertificate(const QString& directory, QSslCertificate* certificate, QSslKey* key)
{
    // A Windows build under wine cannot start the host's openssl: the test
    // script makes the pair there and names its folder.
    const QString madeByHost = qEnvironmentVariable("ORVI_TEST_TLS_DIR");
    const QString folder = madeByHost.isEmpty() ? directory : madeByHost;
    const QString keyPath = folder + QStringLiteral("/loopback.key");
    const QString certificatePath = folder + QStringLiteral("/loopback.crt");
    if (madeByHost.isEmpty()) {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                       QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                       QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1,DNS:localhost"),
                       QStringLiteral("-keyout"), keyPath, QStringLiteral("-out"), certificatePath});
        if (!openssl.waitForFinished(60000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0)
            return false;
    }

    QFile certificateFile(certificatePath);
    QFile keyFile(keyPath);
    if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
        return false;
    *certificate = QSslCertificate(&certificateFile, QSsl::Pem);
    *key = QSslKey(&keyFile, QSsl::Rsa, QSsl::Pem);
    if (certificate->isNull() || key->isNull())
        return false;

    QSslConfiguration trusted = QSslConfiguration::defaultConfiguration();
    trusted.addCaCertificate(*certificate);
    QSslConfiguration::setDefaultConfiguration(trusted);
    return true;
}

QUrl closedLoopbackUrl(const QString& path)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path));
}
