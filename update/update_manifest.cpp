#include "update/update_manifest.h"

#include "update/update_texts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>
#include <cmath>
#include <limits>

namespace orvi {

namespace {

qint64 sizeFromJson(const QJsonValue& value)
{
    if (!value.isDouble())
        return 0;
    const double truncated = std::trunc(value.toDouble());
    // A size beyond what a file can have is as good as no size at all.
    if (!(std::fabs(truncated) < 9.0e18))
        return 0;
    return static_cast<qint64>(truncated);
}

UpdatePayload readPayload(const QJsonObject& object)
{
    UpdatePayload payload;
    payload.name = object.value(QLatin1String("name")).toString();
    payload.url = QUrl(object.value(QLatin1String("url")).toString(), QUrl::TolerantMode);
    payload.size = sizeFromJson(object.value(QLatin1String("size")));
    payload.sha256 = object.value(QLatin1String("sha256")).toString().toLower();
    return payload;
}

// The first entry for this machine wins; later duplicates are ignored.
bool readPlatformPayloads(const QJsonObject& release, const QString& platformKey, UpdateInfo& info)
{
    const QJsonArray files = release.value(QLatin1String("files")).toArray();
    for (const QJsonValue& value : files) {
        const QJsonObject entry = value.toObject();
        if (entry.value(QLatin1String("platform")).toString() != platformKey)
            continue;
        const bool hasOverwrite = entry.contains(QLatin1String("overwrite"));
        const bool hasInstaller = entry.contains(QLatin1String("installer"));
        if (hasOverwrite)
            info.overwrite = readPayload(entry.value(QLatin1String("overwrite")).toObject());
        if (hasInstaller)
            info.installer = readPayload(entry.value(QLatin1String("installer")).toObject());
        if (!hasOverwrite && !hasInstaller)
            info.installer = readPayload(entry);
        return true;
    }
    return false;
}

} // namespace

QString currentPlatformKey()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("windows-x64");
#else
    return QStringLiteral("linux-x64");
#endif
}

int compareVersions(const QString& a, const QString& b)
{
    const QStringList left = a.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    const QStringList right = b.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    for (int position = 0; position < 3; ++position) {
        const int l = position < left.size() ? left.at(position).toInt() : 0;
        const int r = position < right.size() ? right.at(position).toInt() : 0;
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}

ManifestVerdict judgeManifest(const QByteArray& body, const QString& localVersion, const QString& platformKey)
{
    ManifestVerdict verdict;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        verdict.failure = updateCheckerText("更新清单格式不对 (%1)").arg(parseError.errorString());
        return verdict;
    }

    const QJsonObject root = document.object();
    const QJsonObject latest = root.value(QLatin1String("latest")).toObject();
    const QJsonObject release = latest.isEmpty() ? root : latest;
    const QString remoteVersion = release.value(QLatin1String("version")).toString();
    if (remoteVersion.isEmpty()) {
        verdict.failure = updateCheckerText("更新清单里没有版本号");
        return verdict;
    }

    if (compareVersions(localVersion, remoteVersion) >= 0) {
        verdict.kind = ManifestVerdict::Kind::AlreadyLatest;
        verdict.remoteVersion = remoteVersion;
        return verdict;
    }

    UpdateInfo info;
    info.version = remoteVersion;
    info.released = release.value(QLatin1String("released")).toString();
    info.notes = release.value(QLatin1String("notes")).toString();
    const bool entryFound = readPlatformPayloads(release, platformKey, info);
    if (!entryFound || (!info.overwrite.isUsable() && !info.installer.isUsable())) {
        verdict.failure = updateCheckerText("清单里没有适用于本机 (%1) 的更新载荷").arg(platformKey);
        return verdict;
    }
    verdict.kind = ManifestVerdict::Kind::UpdateAvailable;
    verdict.info = info;
    return verdict;
}

} // namespace orvi
