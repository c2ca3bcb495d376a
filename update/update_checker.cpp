#include "update/update_checker.h"

#include "update/update_manifest.h"
#include "update/update_texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>

namespace orvi {

namespace {
// The update server publishes the newest manifest here.
constexpr auto kBuiltInManifestUrl = "https://update.orvi.example/downloads/latest.json";
} // namespace

UpdateChecker::UpdateChecker(QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)), m_launchScript(&platform::launchUpdateScript)
{
}

UpdateChecker::~UpdateChecker() = default;

QString UpdateChecker::currentVersion()
{
    return QStringLiteral(ORVI_VERSION_STRING);
}

QUrl UpdateChecker::manifestUrl()
{
    const QByteArray overridden = qgetenv("ORVI_UPDATE_URL");
    if (!overridden.isEmpty())
        return QUrl(QString::fromUtf8(overridden), QUrl::TolerantMode);
    return QUrl(QString::fromLatin1(kBuiltInManifestUrl));
}

QString UpdateChecker::platformKey()
{
    return currentPlatformKey();
}

int UpdateChecker::compareVersions(const QString& a, const QString& b)
{
    return orvi::compareVersions(a, b);
}

QString UpdateChecker::downloadDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/orvi-update");
}

void UpdateChecker::setScriptLauncher(ScriptLauncher launcher)
{
    m_launchScript = std::move(launcher);
}

void UpdateChecker::check()
{
    QNetworkRequest request(manifestUrl());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("OrviUpdater/1.0 (%1)").arg(currentVersion()));
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { handleManifestReply(reply); });
}

void UpdateChecker::handleManifestReply(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        emit checkFailed(updateCheckerText("无法获取更新清单: %1").arg(reply->errorString()));
        return;
    }
    const ManifestVerdict verdict = judgeManifest(reply->readAll(), currentVersion(), platformKey());
    switch (verdict.kind) {
    case ManifestVerdict::Kind::Failed:
        emit checkFailed(verdict.failure);
        break;
    case ManifestVerdict::Kind::AlreadyLatest:
        emit alreadyLatest(currentVersion(), verdict.remoteVersion);
        break;
    case ManifestVerdict::Kind::UpdateAvailable:
        emit updateAvailable(verdict.info);
        break;
    }
}

} // namespace orvi
