#include "cli/cover_check.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMutex>

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>

namespace orvi::engine::cli {

namespace {

// The decoders report through Qt's message handler. Ours is installed only
// while one picture decodes and collects the messages of this thread; those
// of other threads (the window runs the engine in its own process) go on to
// the handler that was there before.
thread_local std::vector<std::string>* t_collected = nullptr;
std::atomic<QtMessageHandler> g_previousHandler{nullptr};

void collectMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (t_collected) {
        std::string text = message.trimmed().toStdString();
        if (context.category && std::string_view(context.category) != "default")
            text = std::string(context.category) + ": " + text;
        t_collected->push_back(text);
        return;
    }
    if (const QtMessageHandler previous = g_previousHandler.load())
        previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

class MessageCollector
{
public:
    explicit MessageCollector(std::vector<std::string>& messages)
    {
        t_collected = &messages;
        g_previousHandler = qInstallMessageHandler(collectMessage);
    }
    ~MessageCollector()
    {
        qInstallMessageHandler(g_previousHandler.exchange(nullptr));
        t_collected = nullptr;
    }
    MessageCollector(const MessageCollector&) = delete;
    MessageCollector& operator=(const MessageCollector&) = delete;
};

// Decoders serialise: the handler is one for the whole process.
QMutex g_decodeLock;

uint32_t bigEndian32(const char* p)
{
    return uint32_t(uint8_t(p[0])) << 24 | uint32_t(uint8_t(p[1])) << 16 | uint32_t(uint8_t(p[2])) << 8 | uint8_t(p[3]);
}

// libpng reports a damaged file on standard error itself, past any Qt
// handler, so the chunks are checked first: each whole, with its CRC, up to
// IEND.
std::string pngStructureProblem(const QByteArray& png)
{
    qsizetype at = 8; // the signature, checked by the format detection
    while (at + 12 <= png.size()) {
        const uint32_t length = bigEndian32(png.constData() + at);
        const QByteArray type = png.sliced(at + 4, 4);
        if (!std::all_of(type.begin(), type.end(), [](char c) { return std::isalpha(uchar(c)); }))
            return "byte " + std::to_string(at) + " does not start a PNG chunk";
        if (length > uint32_t(png.size() - at - 12))
            return "its " + type.toStdString() + " chunk is cut short (the file ends early)";
        const auto* typeAndData = reinterpret_cast<const Bytef*>(png.constData() + at + 4);
        if (crc32(0, typeAndData, uInt(length + 4)) != bigEndian32(png.constData() + at + 8 + length))
            return "its " + type.toStdString() + " chunk is damaged (CRC mismatch)";
        if (type == "IEND")
            return {};
        at += 12 + qsizetype(length);
    }
    return "it ends before its IEND chunk (the file is cut short)";
}

} // namespace

CoverCheck checkCoverPicture(const std::string& path)
{
    CoverCheck check;
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    const std::string quoted = "\"" + path + "\"";
    if (!info.exists())
        return {quoted + " does not exist", {}};
    if (!info.isFile())
        return {quoted + " is not a file", {}};
    if (info.size() > kMaxCoverBytes)
        return {quoted + " is larger than 16 MiB", {}};

    const QMutexLocker lock(&g_decodeLock);
    std::vector<std::string> messages;
    QImage picture;
    QByteArray format;
    QString readerError;
    {
        const MessageCollector collector(messages);
        format = QImageReader::imageFormat(file);
        if (format == "png") {
            QFile png(file);
            const std::string problem =
                png.open(QIODevice::ReadOnly) ? pngStructureProblem(png.readAll()) : png.errorString().toStdString();
            if (!problem.empty())
                return {quoted + " is damaged: " + problem, {}};
        }
        if (format == "jpeg" || format == "png") {
            QImageReader reader(file, format);
            picture = reader.read();
            readerError = reader.errorString();
        }
    }
    if (format != "jpeg" && format != "png")
        return {quoted + " is not a JPEG or PNG picture", {}};
    std::string said;
    for (const std::string& message : messages)
        said += (said.empty() ? "" : "; ") + message;
    if (picture.isNull())
        return {quoted + " does not decode: " + (said.empty() ? readerError.toStdString() : said), {}};
    // libjpeg only speaks of damage ("Premature end of JPEG file", "Corrupt
    // JPEG data"), and it fills what is missing with grey: such a picture is
    // not the user's cover. libpng's warnings (colour profiles and the like)
    // leave the picture whole.
    const bool damaged = format == "jpeg" ? !messages.empty() : said.find("error") != std::string::npos;
    if (damaged)
        return {quoted + " is damaged: " + said, {}};
    for (const std::string& message : messages)
        check.warnings.push_back(quoted + ": " + message);
    return check;
}

} // namespace orvi::engine::cli
