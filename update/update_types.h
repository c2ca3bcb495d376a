#pragma once

#include <QString>
#include <QUrl>
#include <QtGlobal>

namespace orvi {

// One downloadable file named by the manifest.
struct UpdatePayload {
    QString name;
    QUrl url;
    qint64 size = 0;
    QString sha256; // lower-case hexadecimal

    // Size and name play no part: a payload can be fetched and verified
    // as long as it has an address and a digest.
    bool isUsable() const { return !url.isEmpty() && !sha256.isEmpty(); }
};

// What the manifest says about a newer release for this machine.
struct UpdateInfo {
    QString version;
    QString released;
    QString notes;
    UpdatePayload overwrite;
    UpdatePayload installer;
};

} // namespace orvi
