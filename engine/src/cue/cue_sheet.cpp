// CUE sheets: only the text matters here (album and track TITLE, PERFORMER,
// SONGWRITER, ISRC); timing commands are accepted and ignored because each
// track is its own file.

#include "cue/text_decoding.h"
#include "model/isrc.h"
#include "input/track_reader.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace orvi::engine {
namespace {

constexpr qint64 kMaxCueBytes = 1 << 20;

// Commands that carry nothing we use, but belong in a sheet.
constexpr std::array<std::string_view, 16> kIgnoredCommands = {
    "REM",      "FILE",    "INDEX",   "PREGAP", "POSTGAP",   "FLAGS",     "CATALOG", "CDTEXTFILE",
    "ARRANGER", "MESSAGE", "DISC_ID", "GENRE",  "TOC_INFO1", "TOC_INFO2", "UPC_EAN", "SIZE_INFO",
};

bool isIgnoredCommand(const std::string& command)
{
    return std::find(kIgnoredCommands.begin(), kIgnoredCommands.end(), command) != kIgnoredCommands.end();
}

class CueParser
{
public:
    CueParser(const std::string& path, CueSheet& sheet) : m_path(path), m_sheet(sheet) {}

    void parse(const QString& text)
    {
        QString unified = text;
        unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        const QStringList lines = unified.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            m_lineNumber = static_cast<int>(i + 1);
            parseLine(lines[i].trimmed());
        }
        if (m_sheet.tracks.empty() && m_sheet.errors.empty())
            m_sheet.errors.push_back(m_path + ": no TRACK entries");
    }

private:
    void fail(const std::string& problem)
    {
        m_sheet.errors.push_back(m_path + ":" + std::to_string(m_lineNumber) + ": " + problem);
    }

    void parseLine(const QString& line)
    {
        if (line.isEmpty())
            return;
        qsizetype space = 0;
        while (space < line.size() && !line[space].isSpace())
            ++space;
        const QString command = line.left(space).toUpper();
        const QString rest = line.mid(space).trimmed();

        if (command == QLatin1String("TRACK"))
            return startTrack(rest);
        if (command == QLatin1String("TITLE"))
            return setText(command, rest, m_sheet.title, &CueTrack::title, &CueOrigins::title);
        if (command == QLatin1String("PERFORMER"))
            return setText(command, rest, m_sheet.performer, &CueTrack::performer, &CueOrigins::performer);
        if (command == QLatin1String("SONGWRITER") || command == QLatin1String("COMPOSER"))
            return setText(command, rest, m_sheet.songwriter, &CueTrack::songwriter, &CueOrigins::songwriter);
        if (command == QLatin1String("ISRC"))
            return setIsrc(rest);
        if (!isIgnoredCommand(command.toStdString()))
            fail("unknown command \"" + command.toStdString() + "\"");
    }

    // A value is either "quoted" (anything but a quote inside) or the rest
    // of the line as it is.
    std::optional<QString> value(const QString& command, const QString& rest)
    {
        if (rest.isEmpty()) {
            fail(command.toStdString() + " without a value");
            return std::nullopt;
        }
        if (!rest.startsWith(QLatin1Char('"')))
            return rest;
        const qsizetype close = rest.indexOf(QLatin1Char('"'), 1);
        if (close < 0) {
            fail(command.toStdString() + ": the quoted text is not closed");
            return std::nullopt;
        }
        if (close != rest.size() - 1) {
            fail(command.toStdString() + ": unexpected text after the closing quote: \""
                 + rest.mid(close + 1).trimmed().toStdString() + "\"");
            return std::nullopt;
        }
        return rest.mid(1, close - 1);
    }

    void setText(const QString& command, const QString& rest, std::string& albumField,
                 std::string CueTrack::*trackField, std::string CueOrigins::*origin)
    {
        const auto text = value(command, rest);
        if (!text)
            return;
        const bool album = m_sheet.tracks.empty();
        (album ? albumField : m_sheet.tracks.back().*trackField) = text->trimmed().toStdString();
        (album ? m_sheet.origins : m_sheet.tracks.back().origins).*origin =
            m_path + ":" + std::to_string(m_lineNumber) + " " + command.toStdString();
    }

    void startTrack(const QString& rest)
    {
        const QStringList words = rest.simplified().split(u' ', Qt::SkipEmptyParts);
        bool isNumber = false;
        const int number = words.isEmpty() ? 0 : words[0].toInt(&isNumber);
        if (!isNumber || number < 1 || number > 99) {
            fail("TRACK needs a number from 1 to 99, got \"" + rest.toStdString() + "\"");
            return;
        }
        if (words.size() > 1 && words[1].toUpper() != QLatin1String("AUDIO")) {
            fail("track " + std::to_string(number) + " is " + words[1].toStdString() + ", not AUDIO");
            return;
        }
        if (!m_sheet.tracks.empty() && number <= m_sheet.tracks.back().number) {
            fail("track number " + std::to_string(number) + " follows track "
                 + std::to_string(m_sheet.tracks.back().number));
            return;
        }
        CueTrack track;
        track.number = number;
        m_sheet.tracks.push_back(track);
    }

    void setIsrc(const QString& rest)
    {
        const auto text = value(QStringLiteral("ISRC"), rest);
        if (!text)
            return;
        if (m_sheet.tracks.empty()) {
            fail("ISRC before the first TRACK");
            return;
        }
        const auto isrc = normalizeIsrc(text->trimmed().toStdString());
        if (!isrc) {
            fail("ISRC \"" + text->toStdString()
                 + "\" is not valid (expected CC-OOO-YY-DDDDD or the same 12 characters without hyphens)");
            return;
        }
        m_sheet.tracks.back().isrc = *isrc;
    }

    const std::string& m_path;
    CueSheet& m_sheet;
    int m_lineNumber = 0;
};

} // namespace

CueSheet readCueSheet(const std::string& path, const std::string& charset)
{
    CueSheet sheet;
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly)) {
        sheet.errors.push_back(path + ": cannot open: " + file.errorString().toStdString());
        return sheet;
    }
    if (file.size() > kMaxCueBytes) {
        sheet.errors.push_back(path + ": too large for a CUE sheet (" + std::to_string(file.size()) + " bytes)");
        return sheet;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        sheet.errors.push_back(path + ": cannot read: " + file.errorString().toStdString());
        return sheet;
    }
    const DecodedText decoded = decodeUnknownText(bytes, charset);
    if (!decoded.error.empty()) {
        sheet.errors.push_back(path + ": " + decoded.error);
        return sheet;
    }
    sheet.encoding = decoded.encoding;
    CueParser(path, sheet).parse(decoded.text);
    return sheet;
}

} // namespace orvi::engine
