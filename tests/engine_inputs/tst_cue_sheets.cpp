// CUE sheets: character sets as people's rippers write them, errors that
// point at the line, and the legacy character sets they are read in.

#include "plain_checks.h"
#include "test_files.h"

#include "input/track_reader.h"
#include "text/legacy_codec.h"

#include "independent_codec.h"

#include <QStringEncoder>

#include <tuple>

using namespace orvi::engine;
using orvi::engine::text::decodeStrict;
using orvi::engine::text::isKnownCharset;
using orvi::test::joined;
using orvi::test::TestFolder;

namespace {

// An album's title, its performer and its track titles.
struct Album {
    QString title, performer;
    QStringList tracks;
    explicit Album(const char* utf8) // the same, separated by '|'
    {
        tracks = QString::fromUtf8(utf8).split(u'|');
        title = tracks.takeFirst();
        performer = tracks.takeFirst();
    }
};

QString sheetText(const Album& album)
{
    QString text =
        QStringLiteral("REM GENRE Pop\nREM DATE 1977\nPERFORMER \"%1\"\nTITLE \"%2\"\nFILE \"album.dsf\" WAVE\n")
            .arg(album.performer, album.title);
    for (qsizetype i = 0; i < album.tracks.size(); ++i)
        text += QStringLiteral("  TRACK %1 AUDIO\n    TITLE \"%2\"\n    PERFORMER \"%3\"\n    INDEX 01 %4:00:00\n")
                    .arg(i + 1, 2, 10, QLatin1Char('0'))
                    .arg(album.tracks[i], album.performer)
                    .arg(i * 4, 2, 10, QLatin1Char('0'));
    return text;
}

void checkSheet(const CueSheet& sheet, const Album& album, const std::string& encoding)
{
    if (!CHECK_EQ(joined(sheet.errors), ""))
        return;
    CHECK_EQ(sheet.encoding, encoding);
    CHECK_EQ(sheet.title, album.title.toStdString());
    CHECK_EQ(sheet.performer, album.performer.toStdString());
    if (!CHECK_EQ(sheet.tracks.size(), size_t(album.tracks.size())))
        return;
    for (size_t i = 0; i < sheet.tracks.size(); ++i) {
        CHECK_EQ(sheet.tracks[i].number, int(i + 1));
        CHECK_EQ(sheet.tracks[i].title, album.tracks[qsizetype(i)].toStdString());
        CHECK_EQ(sheet.tracks[i].performer, album.performer.toStdString());
    }
}

void legacyCharacterSets(const TestFolder& folder)
{
    for (const auto& [encoding, text] : {
             std::pair{"GB18030", "淡淡幽情|邓丽君|独上西楼|但愿人长久|几多愁"},
             {"Big5", "淡淡幽情|鄧麗君|獨上西樓|但願人長久|幾多愁"},
             {"Shift_JIS", "川の流れのように|美空ひばり|川の流れのように|愛燦燦|悲しい酒"},
             {"windows-1251",
              "Времена года|Пётр Чайковский|Январь. У камелька|Февраль. Масленица|Март. Песнь жаворонка"},
             // Windows rippers' Western sheets, easily taken for Cyrillic or Chinese.
             {"windows-1252", "Rêveries|Claude Debussy|Rêverie|ÄÖÜ"},
             {"EUC-KR", "한국 가곡|조수미|그리운 금강산|보리밭"},
         }) {
        const Album album(text);
        const auto encoded = orvi::test::encodeIndependently(encoding, sheetText(album).toStdString());
        CHECK(encoded.has_value());
        const std::string path =
            folder.write(std::string(encoding) + ".cue", QByteArray::fromStdString(encoded.value_or("")));
        checkSheet(readCueSheet(path), album, encoding);
    }
}

// Short Cyrillic text is where statistical detection alone takes
// windows-1251 for another Cyrillic code page.
void shortCyrillicSheet(const TestFolder& folder)
{
    const QByteArray bytes = QByteArray::fromStdString(
        orvi::test::encodeIndependently(
            "windows-1251",
            "TITLE \"Времена года\"\nPERFORMER \"Чайковский\"\n  TRACK 01 AUDIO\n    TITLE \"Январь. У камелька\"\n")
            .value_or(""));
    const CueSheet sheet = readCueSheet(folder.write("short1251.cue", bytes));
    CHECK_EQ(sheet.encoding, "windows-1251");
    CHECK_EQ(sheet.performer, "Чайковский");
    CHECK(sheet.tracks.size() == 1 && sheet.tracks[0].title == "Январь. У камелька");
}

// The user's --cue-charset replaces detection, even where detection would
// have read the sheet otherwise.
void charsetGivenByTheUser(const TestFolder& folder)
{
    const std::string path = folder.write("given.cue", QByteArray("TITLE \"R\xEAveries\"\nTRACK 01 AUDIO\n"));
    const CueSheet sheet = readCueSheet(path, "windows-1251");
    CHECK_EQ(sheet.encoding, "windows-1251");
    CHECK_EQ(sheet.title, "Rкveries");
    CHECK_EQ(joined(readCueSheet(path, "UTF-8").errors),
             path + ": not valid UTF-8 (--cue-charset); check the name of its character set");
}

void unicodeSheets(const TestFolder& folder)
{
    const Album album("Ständchen — Lieder|Fritz Wunderlich|Ständchen|月亮代表我的心");
    const QByteArray utf8 = sheetText(album).toUtf8();
    checkSheet(readCueSheet(folder.write("plain.cue", utf8)), album, "UTF-8");
    checkSheet(readCueSheet(folder.write("bom.cue", "\xEF\xBB\xBF" + utf8)), album, "UTF-8");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    checkSheet(readCueSheet(folder.write("utf16.cue", QByteArray(utf16.encode(sheetText(album))))), album, "UTF-16LE");
}

void valuesAndTrackText(const TestFolder& folder)
{
    const CueSheet sheet = readCueSheet(folder.write(
        "values.cue",
        QByteArray("TITLE Unquoted Album Title\r\nPERFORMER Solo\r\nSONGWRITER \"Album Writer\"\r\n"
                   "rem lower-case commands are commands too\r\n"
                   "TRACK 3 AUDIO\r\n  TITLE \"\"\r\n  ISRC US-S1Z-99-00001\r\n  SONGWRITER \"Track Writer\"\r\n"
                   "track 7 audio\r\n  title \"  Spaced  \"\r\n  ISRC gbaye6500001\r\n")));
    CHECK_EQ(joined(sheet.errors), "");
    CHECK(sheet.title == "Unquoted Album Title" && sheet.performer == "Solo" && sheet.songwriter == "Album Writer");
    using Track = std::tuple<int, std::string, std::string, std::string, std::string>;
    std::vector<Track> tracks;
    for (const CueTrack& t : sheet.tracks)
        tracks.emplace_back(t.number, t.title, t.performer, t.isrc, t.songwriter);
    CHECK(tracks
          == (std::vector<Track>{{3, "", "", "USS1Z9900001", "Track Writer"}, {7, "Spaced", "", "GBAYE6500001", ""}}));
}

void errorsNameTheirLines(const TestFolder& folder)
{
    const std::string path = folder.write(
        "broken.cue",
        QByteArray("TITLE \"Album\r\nPERFORMER\r\nISRC USS1Z9900001\r\nTRACK xx AUDIO\r\nTRACK 01 AUDIO\r\n"
                   "  TITEL \"Typo\"\r\n  ISRC 12345\r\n  TITLE \"A\" extra\r\n\r\n"
                   "TRACK 01 AUDIO\r\nTRACK 02 MODE1/2352\r\n"));
    std::vector<std::string> expected;
    for (const char* line :
         {":1: TITLE: the quoted text is not closed", ":2: PERFORMER without a value",
          ":3: ISRC before the first TRACK", ":4: TRACK needs a number from 1 to 99, got \"xx AUDIO\"",
          ":6: unknown command \"TITEL\"",
          ":7: ISRC \"12345\" is not valid (expected CC-OOO-YY-DDDDD or the same 12 characters without hyphens)",
          ":8: TITLE: unexpected text after the closing quote: \"extra\"", ":10: track number 1 follows track 1",
          ":11: track 2 is MODE1/2352, not AUDIO"})
        expected.push_back(path + line);
    CHECK_EQ(joined(readCueSheet(path).errors), joined(expected));

    const std::string empty = folder.write("notracks.cue", QByteArray("REM nothing here\nTITLE \"Only\"\n"));
    CHECK_EQ(joined(readCueSheet(empty).errors), empty + ": no TRACK entries");
    const std::string badBom = folder.write("badbom.cue", QByteArray("\xEF\xBB\xBFTITLE \"\xFF\xFE\xFD\"\n"));
    CHECK_EQ(joined(readCueSheet(badBom).errors), badBom + ": not valid UTF-8 despite its byte-order mark");
    const std::string missing = folder.path("missing.cue");
    const CueSheet none = readCueSheet(missing);
    CHECK(none.errors.size() == 1 && none.errors[0].starts_with(missing + ": cannot open: "));
}

// Legacy character sets by name, as CUE sheets name them: the same text on
// every system (ICU through Qt on Linux, the system's code pages on Windows),
// and nothing at all for bytes the set does not allow or a name it does not know.
void legacyCodecs()
{
    struct Case {
        const char* charset;
        std::string bytes;
        std::optional<std::string> utf8; // nothing: refused
    };

    const Case cases[] = {
        {"windows-1252", "\x80 \x93", "\u20ac \u201c"},
        {"WINDOWS-1251", "\xcf\xf0\xe8\xe2\xe5\xf2", "\u041f\u0440\u0438\u0432\u0435\u0442"},
        {"KOI8-R", "\xf0\xd2\xc9\xd7\xc5\xd4", "\u041f\u0440\u0438\u0432\u0435\u0442"},
        {"ISO-8859-1", "caf\xe9", "caf\u00e9"},
        {"Shift_JIS", "\x82\xa0\x83\x41", "\u3042\u30a2"},
        {"Shift_JIS", "\x82\x20", std::nullopt},
        {"GBK", "\xc4\xe3\xba\xc3", "\u4f60\u597d"},
        {"GB18030", "\xc4\xe3\xba\xc3", "\u4f60\u597d"},
        {"Big5", "\xa7\x41\xa6\x6e", "\u4f60\u597d"},
        {"EUC-KR", "\xc7\xd1\xb1\xdb", "\ud55c\uae00"},
        {"UTF-8", "\xc3\xa9", "\u00e9"},
        {"UTF-8", "\xc3", std::nullopt},
        {"no-such-set", "abc", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<QString> text = decodeStrict(QByteArray::fromStdString(c.bytes), c.charset);
        const std::string refused = std::string(c.charset) + " (refused)";
        CHECK_EQ(text ? text->toStdString() : refused, c.utf8.value_or(refused));
        CHECK_EQ(isKnownCharset(c.charset), std::string(c.charset) != "no-such-set");
    }
}

} // namespace

int main()
{
    TestFolder folder;
    legacyCharacterSets(folder);
    shortCyrillicSheet(folder);
    charsetGivenByTheUser(folder);
    unicodeSheets(folder);
    valuesAndTrackText(folder);
    errorsNameTheirLines(folder);
    legacyCodecs();
    return orvi::test::finish("engine_cue_sheets");
}
