#include "cli/cover_check.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace orvi::engine::cli {

std::string checkCoverPicture(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists())
        return "\"" + path + "\" does not exist";
    if (!info.isFile())
        return "\"" + path + "\" is not a file";
    if (info.size() > kMaxCoverBytes)
        return "\"" + path + "\" is larger than 16 MiB";
    const QByteArray format = QImageReader::imageFormat(file);
    if (format != "jpeg" && format != "png")
        return "\"" + path + "\" is not a JPEG or PNG picture";
    QImageReader reader(file, format);
    if (reader.read().isNull())
        return "\"" + path + "\" does not decode: " + reader.errorString().toStdString();
    return {};
}

} // namespace orvi::engine::cli
