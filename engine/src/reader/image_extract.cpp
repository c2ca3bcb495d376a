#include "reader/image_extract.h"

#include "dsddisc/disc_names.h"
#include "model/disc_model.h"

#include "reader/dsd_disc_image.h"
#include "reader/sacd_image.h"
#include "run/engine_output.h"
#include "signal/dsd_file_writer.h"
#include "signal/id3_tag_writer.h"

#include <QDir>

#include <cstdio>

namespace orvi::engine::reader {

namespace {

// The first text of `type` in any channel of the track.
std::string trackText(const AreaTrack& track, uint8_t type)
{
    for (const auto& channel : track.texts) {
        for (const TrackTextItem& item : channel) {
            if (item.type == type && !item.text.empty())
                return item.text;
        }
    }
    return {};
}

constexpr uint8_t kTitleText = 1;
constexpr uint8_t kPerformerText = 2;

// "03 - Title.dsf"; multichannel tracks "MC03 - Title.dsf".
QString fileNameFor(size_t number, const std::string& title, bool multichannel)
{
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, multichannel ? "MC%02zu" : "%02zu", number);
    if (title.empty())
        return QString::fromLatin1(prefix) + QStringLiteral(".dsf");
    const QString name = QString::fromStdString(dsddisc::portableName(title));
    // File systems limit a name to 255 bytes (UTF-8) or units (UTF-16): a
    // CJK title reaches that long before 255 characters. Cut whole
    // characters only.
    constexpr qsizetype kTitleBytes = 200;
    qsizetype length = 0;
    qsizetype bytes = 0;
    while (length < name.size()) {
        const qsizetype next = length + (name[length].isHighSurrogate() && length + 1 < name.size() ? 2 : 1);
        bytes += name.sliced(length, next - length).toUtf8().size();
        if (bytes > kTitleBytes)
            break;
        length = next;
    }
    return QString::fromLatin1(prefix) + QStringLiteral(" - ") + name.left(length) + QStringLiteral(".dsf");
}

int extractArea(SacdImage& image, const AreaToc& area, const std::string& imagePath, const QDir& folder,
                EngineOutput& output)
{
    const bool multichannel = area.signature == "MULCHTOC";
    std::string error;
    for (size_t t = 0; t < area.tracks.size(); ++t) {
        signal::TagFields tag;
        tag.title = trackText(area.tracks[t], kTitleText);
        tag.artist = trackText(area.tracks[t], kPerformerText);
        tag.version = 3;
        const std::string path = folder.filePath(fileNameFor(t + 1, tag.title, multichannel)).toStdString();
        signal::DsdFileWriter writer;
        if (!writer.open(path, signal::DsdFileFormat::Dsf, area.channelCount, orvi::engine::kDsd64Rate, error)) {
            output.error(error);
            return 3;
        }
        std::string writeError;
        const bool read = image.readTrackFrames(
            area, t,
            [&](const uint8_t* frame, size_t bytes) {
                if (writeError.empty())
                    writer.write(frame, bytes, writeError);
            },
            error);
        if (!read) {
            output.error(imagePath + ": " + error);
            return 1;
        }
        signal::DsdFileText text;
        if (signal::hasAnyText(tag))
            text.id3Tag = signal::renderId3Tag(tag);
        if (!writeError.empty() || !writer.finish(text, writeError)) {
            output.error(writeError);
            return 3;
        }
        output.line("extracted: " + path);
    }
    return 0;
}

} // namespace

int extractImage(const std::string& imagePath, const std::string& directory, EngineOutput& output)
{
    SacdImage image;
    std::string error;
    if (!image.open(imagePath, error)) {
        if (isDsdDiscImage(imagePath))
            return extractDsdDisc(imagePath, directory, output);
        output.error(error);
        return 1;
    }
    if (image.areas().empty()) {
        output.error(imagePath + ": the image has no audio area");
        return 1;
    }
    const QDir folder(QString::fromStdString(directory));
    if (!QDir().mkpath(folder.path())) {
        output.error(directory + ": cannot create the folder");
        return 3;
    }
    for (const AreaToc& area : image.areas()) {
        const int code = extractArea(image, area, imagePath, folder, output);
        if (code != 0)
            return code;
    }
    return 0;
}

} // namespace orvi::engine::reader
