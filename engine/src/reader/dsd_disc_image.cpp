#include "reader/dsd_disc_image.h"

#include "reader/udf_tree.h"
#include "run/engine_output.h"

#include <QDir>
#include <QSaveFile>

namespace orvi::engine::reader {

namespace {

constexpr const char* kRootFolder = "/DSD_DISC";

bool findTree(const std::string& imagePath, QFile& image, UdfTree& tree, std::string& error)
{
    image.setFileName(QString::fromStdString(imagePath));
    if (!image.open(QIODevice::ReadOnly)) {
        error = imagePath + ": cannot read: " + image.errorString().toStdString();
        return false;
    }
    if (!readUdfTree(image, tree, error)) {
        error = imagePath + ": " + error;
        return false;
    }
    for (const UdfEntry& entry : tree.entries) {
        if (entry.directory && entry.path == kRootFolder)
            return true;
    }
    error = imagePath + ": neither an SACD image nor a DSD Disc (no /DSD_DISC folder)";
    return false;
}

// The same, printing why an image is no DSD Disc.
bool openTree(const std::string& imagePath, QFile& image, UdfTree& tree, EngineOutput& output)
{
    std::string error;
    if (findTree(imagePath, image, tree, error))
        return true;
    output.error(error);
    return false;
}

// A name from the image must stay inside the target folder.
bool safeRelativePath(const std::string& path)
{
    const QStringList parts = QString::fromStdString(path).split(u'/');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].isEmpty() || parts[i] == u"." || parts[i] == u".." || parts[i].contains(u'\\')
            || parts[i].contains(QChar(0)))
            return false;
    }
    return parts.size() > 1 && parts[0].isEmpty();
}

} // namespace

bool isDsdDiscImage(const std::string& imagePath)
{
    QFile image;
    UdfTree tree;
    std::string error;
    return findTree(imagePath, image, tree, error);
}

int inspectDsdDisc(const std::string& imagePath, EngineOutput& output)
{
    QFile image;
    UdfTree tree;
    if (!openTree(imagePath, image, tree, output))
        return 1;
    output.line("DSD Disc: volume \"" + tree.volumeId + "\"");
    for (const UdfEntry& entry : tree.entries)
        output.line("  " + entry.path + (entry.directory ? "/" : ": " + std::to_string(entry.size) + " bytes"));
    return 0;
}

int extractDsdDisc(const std::string& imagePath, const std::string& directory, EngineOutput& output)
{
    QFile image;
    UdfTree tree;
    if (!openTree(imagePath, image, tree, output))
        return 1;
    const QDir target(QString::fromStdString(directory));
    if (!QDir().mkpath(target.path())) {
        output.error(directory + ": cannot create the folder");
        return 3;
    }
    for (const UdfEntry& entry : tree.entries) {
        if (!safeRelativePath(entry.path)) {
            output.error(imagePath + ": refused the name \"" + entry.path + "\": it leaves the target folder");
            return 1;
        }
        const QString path = target.filePath(QString::fromStdString(entry.path.substr(1)));
        if (entry.directory) {
            if (!QDir().mkpath(path)) {
                output.error(path.toStdString() + ": cannot create the folder");
                return 3;
            }
            continue;
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            output.error(path.toStdString() + ": cannot create: " + file.errorString().toStdString());
            return 3;
        }
        bool written = true;
        const bool read = readUdfFile(image, entry, [&](const char* bytes, size_t size) {
            written = file.write(bytes, qint64(size)) == qint64(size);
            return written;
        });
        if (!written || !file.commit()) {
            output.error(path.toStdString() + ": cannot write: " + file.errorString().toStdString());
            return 3;
        }
        if (!read) {
            output.error(imagePath + ": cannot read " + entry.path);
            return 1;
        }
        output.line("extracted: " + path.toStdString());
    }
    return 0;
}

} // namespace orvi::engine::reader
