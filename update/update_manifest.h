#pragma once

#include "update/update_types.h"

#include <QByteArray>
#include <QString>

namespace orvi {

// The manifest key of the machine this program was built for.
QString currentPlatformKey();

// -1, 0 or 1 as version a is older than, equal to or newer than b. Only the
// first three dotted components count; a component that is not a plain
// integer counts as 0.
int compareVersions(const QString& a, const QString& b);

// The verdict on one manifest body.
struct ManifestVerdict {
    enum class Kind { Failed, AlreadyLatest, UpdateAvailable };
    Kind kind = Kind::Failed;
    QString failure;       // translated reason, for Failed
    QString remoteVersion; // for AlreadyLatest
    UpdateInfo info;       // for UpdateAvailable
};

ManifestVerdict judgeManifest(const QByteArray& body, const QString& localVersion, const QString& platformKey);

} // namespace orvi
