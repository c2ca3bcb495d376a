#include "update/update_checker.h"

#include "common/std_stream_text.h"
#include "update/update_script.h"

#include "update/update_texts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace orvi {

namespace {

constexpr qint64 kDownloadBufferBytes = 1024 * 1024;

// Only the last component of the manifest's name is used, whichever
// separator it was written with, so a name can never point outside the
// download directory.
QString downloadFileName(const QString& payloadName, const QUrl& url)
{
    const auto lastComponent = [](QString text) {
        return QFileInfo(text.replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    };
    for (const QString& candidate : {lastComponent(payloadName), lastComponent(url.path())}) {
        if (!candidate.isEmpty() && candidate != QLatin1String(".") && candidate != QLatin1String(".."))
            return candidate;
    }
    return QStringLiteral("orvi-update-payload");
}

QString sizeMismatchText(qint64 expected, qint64 actual)
{
    return updateCheckerText("下载文件大小不符 (期望 %1 字节, 实际 %2)")
        .arg(QString::number(expected), QString::number(actual));
}

} // namespace

void UpdateChecker::startInstall(const UpdateInfo& info)
{
    m_candidates.clear();
    m_verifiedOverwritePath.clear();
    m_verifiedInstallerPath.clear();
    const auto addCandidate = [this](const UpdatePayload& payload, bool isOverwrite) {
        if (payload.isUsable())
            m_candidates.append({isOverwrite, payload.name, payload.url, payload.size, payload.sha256, QString()});
    };
    addCandidate(info.overwrite, true);
    addCandidate(info.installer, false);
    if (m_candidates.isEmpty()) {
        emit installFailed(updateCheckerText("清单里既没有覆盖载荷也没有安装包"));
        return;
    }
    // Each file must keep its own name: a later download or the script would
    // otherwise replace a verified payload. Windows ignores case in names.
    QStringList taken{nativeUpdateScriptFileName().toLower()};
    for (const DownloadCandidate& candidate : std::as_const(m_candidates)) {
        const QString path = downloadPath(candidate);
        const QString name = QFileInfo(path).fileName().toLower();
        if (taken.contains(name)) {
            emit installFailed(updateCheckerText("无法写入临时文件: %1").arg(path));
            return;
        }
        taken.append(name);
    }
    downloadCandidate(0);
}

QString UpdateChecker::downloadPath(const DownloadCandidate& candidate)
{
    return downloadDirectory() + QLatin1Char('/') + downloadFileName(candidate.name, candidate.url);
}

void UpdateChecker::downloadCandidate(int index)
{
    if (index >= m_candidates.size()) {
        launchInstall();
        return;
    }
    const DownloadCandidate& candidate = m_candidates.at(index);
    QNetworkRequest request(candidate.url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_network->get(request);
    // The network thread reads ahead only this far, so memory stays flat
    // however large the payload is.
    reply->setReadBufferSize(kDownloadBufferBytes);

    QDir().mkpath(downloadDirectory());
    const QString path = downloadPath(candidate);
    m_downloadFile = std::make_unique<QFile>(path);
    m_downloadReceived = 0;
    if (!m_downloadFile->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_downloadFile.reset();
        reply->abort();
        reply->deleteLater();
        if (candidate.isOverwrite && m_candidates.size() > 1) {
            downloadCandidate(index + 1);
            return;
        }
        emit installFailed(updateCheckerText("无法写入临时文件: %1").arg(path));
        return;
    }

    // Each chunk goes straight to disk: a payload is never held whole in memory.
    connect(reply, &QNetworkReply::readyRead, this, [this, reply, expected = candidate.size] {
        if (!m_downloadFile)
            return;
        const QByteArray bytes = reply->readAll();
        m_downloadReceived += bytes.size();
        m_downloadFile->write(bytes);
        // Past the manifest's size the file can only fail verification.
        if (expected >= 1 && m_downloadReceived > expected)
            reply->abort();
    });
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, expected = candidate.size](qint64 received, qint64 total) {
                emit progress(received, total < 1 ? expected : total);
            });
    connect(reply, &QNetworkReply::finished, this, [this, index, reply, path] { finishDownload(index, reply, path); });
}

void UpdateChecker::finishDownload(int index, QNetworkReply* reply, const QString& path)
{
    if (m_downloadFile) {
        // An aborted reply is closed: nothing is left to read from it.
        const QByteArray rest = reply->isOpen() ? reply->readAll() : QByteArray();
        m_downloadReceived += rest.size();
        m_downloadFile->write(rest);
        m_downloadFile->flush();
        m_downloadFile->close();
        m_downloadFile.reset();
    }
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorString = reply->errorString();
    reply->deleteLater();

    DownloadCandidate& candidate = m_candidates[index];
    QString failure;
    if (candidate.size >= 1 && m_downloadReceived > candidate.size)
        failure = sizeMismatchText(candidate.size, m_downloadReceived);
    else if (error != QNetworkReply::NoError)
        failure = updateCheckerText("下载失败: %1").arg(errorString);
    else
        failure = verifyDownload(candidate, path);
    if (!failure.isEmpty()) {
        QFile::remove(path);
        if (!candidate.isOverwrite) {
            emit installFailed(failure);
            return;
        }
        emit statusNote(updateCheckerText("覆盖载荷不可用 (%1)，改用安装包").arg(failure));
        downloadCandidate(index + 1);
        return;
    }
    candidate.localPath = path;
    (candidate.isOverwrite ? m_verifiedOverwritePath : m_verifiedInstallerPath) = path;
    downloadCandidate(index + 1);
}

QString UpdateChecker::verifyDownload(const DownloadCandidate& candidate, const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return updateCheckerText("无法读取下载的文件: %1").arg(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return updateCheckerText("计算校验和失败: %1").arg(path);
    const QString actual = QString::fromLatin1(hash.result().toHex());
    if (actual.compare(candidate.sha256, Qt::CaseInsensitive) != 0)
        return updateCheckerText("校验和不匹配, 已丢弃 (期望 %1, 实际 %2)")
            .arg(candidate.sha256.left(16), actual.left(16));
    if (candidate.size >= 1 && file.size() != candidate.size)
        return sizeMismatchText(candidate.size, file.size());
    return QString();
}

void UpdateChecker::launchInstall()
{
    if (m_verifiedOverwritePath.isEmpty() && m_verifiedInstallerPath.isEmpty()) {
        emit installFailed(updateCheckerText("没有可用的更新载荷"));
        return;
    }
    const QString scriptPath = downloadDirectory() + QLatin1Char('/') + nativeUpdateScriptFileName();
    const QString programDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const bool writable = QFileInfo(QCoreApplication::applicationDirPath()).isWritable();

    UpdateScriptInputs inputs;
    inputs.processId = QCoreApplication::applicationPid();
    inputs.overwritePath = QDir::toNativeSeparators(m_verifiedOverwritePath);
    inputs.installerPath = QDir::toNativeSeparators(m_verifiedInstallerPath);
    inputs.programDir = programDir;
    inputs.programFile = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    inputs.elevate = !writable;

    QFile script(scriptPath);
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        emit installFailed(updateCheckerText("无法写更新脚本: %1").arg(scriptPath));
        return;
    }
    script.write(nativeUpdateScript(inputs).toUtf8());
    script.close();

    writeStderrLine(QStringLiteral("[update] install dir %1 -> %2")
                        .arg(programDir,
                             writable ? QStringLiteral("writable, no elevation")
                                      : QStringLiteral("needs elevation (%1)").arg(platform::elevationMechanism())));

    const platform::ScriptLaunch launch = m_launchScript(QDir::toNativeSeparators(scriptPath), !writable);
    if (!launch.started) {
        const QString verified = inputs.overwritePath.isEmpty() ? inputs.installerPath : inputs.overwritePath;
        emit installFailed(
            updateCheckerText("提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:").arg(launch.errorCode)
            + QLatin1Char('\n') + verified);
        return;
    }
    emit readyToRestart(updateCheckerText("更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。"));
}

} // namespace orvi
