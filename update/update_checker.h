#pragma once

#include "platform/elevated_launch.h"
#include "update/update_types.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QFile;
class QNetworkAccessManager;
class QNetworkReply;

namespace orvi {

// Fetches the update manifest, judges it, and on request downloads, verifies
// and installs the payloads through a generated script. One object per flow;
// the outcome of each step arrives as a signal.
class UpdateChecker : public QObject
{
    Q_OBJECT
public:
    // Starts the written script; tests put a recorder here.
    using ScriptLauncher = std::function<platform::ScriptLaunch(const QString& scriptPath, bool elevate)>;

    explicit UpdateChecker(QObject* parent = nullptr);
    ~UpdateChecker() override;

    void check();
    void startInstall(const UpdateInfo& info);

    static QString currentVersion();
    static QUrl manifestUrl();
    static QString platformKey();
    static int compareVersions(const QString& a, const QString& b);
    static QString downloadDirectory();

    void setScriptLauncher(ScriptLauncher launcher);

signals:
    void updateAvailable(const orvi::UpdateInfo& info);
    void readyToRestart(const QString& note);
    void statusNote(const QString& note);
    void alreadyLatest(const QString& localVersion, const QString& remoteVersion);
    void checkFailed(const QString& reason);
    void progress(qint64 done, qint64 total);
    void installFailed(const QString& reason);

private:
    struct DownloadCandidate {
        bool isOverwrite = false;
        QString name;
        QUrl url;
        qint64 size = 0;
        QString sha256;
        QString localPath;
    };

    void handleManifestReply(QNetworkReply* reply);
    // The file a candidate is saved as in the download directory.
    static QString downloadPath(const DownloadCandidate& candidate);
    void downloadCandidate(int index);
    void finishDownload(int index, QNetworkReply* reply, const QString& path);
    QString verifyDownload(const DownloadCandidate& candidate, const QString& path) const;
    void launchInstall();

    QString m_verifiedOverwritePath;
    QString m_verifiedInstallerPath;
    QList<DownloadCandidate> m_candidates;
    QNetworkAccessManager* m_network = nullptr;
    std::unique_ptr<QFile> m_downloadFile; // the one open download
    qint64 m_downloadReceived = 0;         // bytes of it so far
    ScriptLauncher m_launchScript;
};

} // namespace orvi
