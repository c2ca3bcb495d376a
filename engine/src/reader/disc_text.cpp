#include "reader/disc_text.h"

#include <QByteArray>
#include <QStringDecoder>

namespace orvi::engine::reader {

namespace {

// The codec names Qt (through ICU) knows for each Character_Set_Code.
// Code 1 is ISO 646 IRV, read here as ASCII (it differs from Latin-1 only
// outside the printable range the engine writes).
const char* codecFor(uint8_t code)
{
    switch (code) {
    case 1:
    case 2:
    case 7: return "ISO-8859-1";
    case 3: return "Shift_JIS";
    case 4: return "EUC-KR";
    case 5: return "GB2312";
    case 6: return "Big5";
    default: return nullptr;
    }
}

} // namespace

const char* characterSetName(uint8_t code)
{
    switch (code) {
    case 1: return "ISO 646";
    case 2: return "ISO 8859-1";
    case 3: return "Shift-JIS (RIS 506)";
    case 4: return "KSC 5601";
    case 5: return "GB 2312";
    case 6: return "Big5";
    case 7: return "ISO 8859-1 with ISO 2022";
    default: return "unknown";
    }
}

bool isTwoByteCharacterSet(uint8_t code) { return code >= 3 && code <= 6; }

std::string decodeDiscText(const uint8_t* bytes, size_t limit, uint8_t characterSet, size_t* length)
{
    size_t size = 0;
    while (size < limit && bytes[size] != 0)
        ++size;
    if (length)
        *length = size;
    const QByteArray raw(reinterpret_cast<const char*>(bytes), qsizetype(size));
    const char* codec = codecFor(characterSet);
    if (!codec)
        return raw.toStdString();
    QStringDecoder decoder(codec);
    if (!decoder.isValid())
        return raw.toStdString();
    const QString text = decoder.decode(raw);
    return text.toUtf8().toStdString();
}

} // namespace orvi::engine::reader
