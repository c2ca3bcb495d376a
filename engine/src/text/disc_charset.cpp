#include "text/disc_charset.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace orvi::engine {

const std::vector<DiscCharset>& discCharsets()
{
    // The double-byte sets go through ICU: GB 2312 as EUC-CN, KSC 5601 as
    // EUC-KR, so ASCII stays single-byte as the disc readers expect.
    static const std::vector<DiscCharset> sets = {
        {2, "ISO-8859-1", "ISO 8859-1", "en", false},
        {5, "GB2312", "GB 2312", "zh", true},
        {6, "Big5", "Big5", "zh", true},
        {3, "Shift_JIS", "Shift-JIS", "ja", true},
        {4, "EUC-KR", "KSC 5601", "ko", true},
    };
    return sets;
}

std::string withoutControlCharacters(const std::string& utf8)
{
    QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text.toStdString();
}

std::optional<std::string> encodeInCharset(const DiscCharset& charset, const std::string& utf8)
{
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    QStringEncoder encoder(charset.codecName);
    QStringDecoder decoder(charset.codecName);
    if (!encoder.isValid() || !decoder.isValid())
        return std::nullopt;
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    // A converter may substitute silently ('?', 0x1A, a look-alike), so only
    // an exact round trip proves the text is representable.
    const QString back = decoder.decode(bytes);
    if (decoder.hasError() || back != text)
        return std::nullopt;
    if (bytes.contains('\0'))
        return std::nullopt;
    return bytes.toStdString();
}

namespace {

std::string candidateList()
{
    std::string names;
    for (const DiscCharset& set : discCharsets()) {
        if (!names.empty())
            names += ", ";
        names += set.displayName;
    }
    return names;
}

} // namespace

CharsetChoice chooseDiscCharset(const std::vector<LabelledText>& texts)
{
    const auto& sets = discCharsets();
    // fits[t][s]: text t representable in set s.
    std::vector<std::vector<bool>> fits(texts.size(), std::vector<bool>(sets.size(), true));
    for (size_t t = 0; t < texts.size(); ++t) {
        if (texts[t].text.empty())
            continue;
        for (size_t s = 0; s < sets.size(); ++s)
            fits[t][s] = encodeInCharset(sets[s], texts[t].text).has_value();
    }

    CharsetChoice choice;
    for (size_t s = 0; s < sets.size(); ++s) {
        const bool all = std::all_of(fits.begin(), fits.end(), [s](const auto& row) { return row[s]; });
        if (all) {
            choice.charset = &sets[s];
            return choice;
        }
    }

    for (size_t t = 0; t < texts.size(); ++t) {
        if (std::none_of(fits[t].begin(), fits[t].end(), [](bool f) { return f; })) {
            choice.errors.push_back(texts[t].field + ": \"" + texts[t].text
                                    + "\" cannot be written in any disc character set (" + candidateList() + ")");
        }
    }
    if (!choice.errors.empty())
        return choice;

    // Every text fits somewhere, but not all in one set: name the texts
    // that the set holding the most of them cannot take.
    size_t best = 0;
    size_t bestCount = 0;
    for (size_t s = 0; s < sets.size(); ++s) {
        size_t count = 0;
        for (size_t t = 0; t < texts.size(); ++t)
            count += !texts[t].text.empty() && fits[t][s];
        if (count > bestCount) {
            best = s;
            bestCount = count;
        }
    }
    for (size_t t = 0; t < texts.size(); ++t) {
        if (!fits[t][best]) {
            choice.errors.push_back(texts[t].field + ": \"" + texts[t].text
                                    + "\" does not share one disc character set with the other texts (most of them fit "
                                    + sets[best].displayName + ", which cannot hold this one)");
        }
    }
    return choice;
}

} // namespace orvi::engine
