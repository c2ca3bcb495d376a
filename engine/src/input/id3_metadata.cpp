#include "input/id3_metadata.h"

#include "model/isrc.h"

#include <taglib/id3v2tag.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/tfile.h>

#include <vector>

namespace orvi::engine {
namespace {

// TagLib reads ID3v2 only from a File; this one is just the tag's bytes.
class TagOnlyFile final : public TagLib::File
{
public:
    explicit TagOnlyFile(TagLib::IOStream* stream) : TagLib::File(stream) {}
    TagLib::Tag* tag() const override { return nullptr; }
    TagLib::AudioProperties* audioProperties() const override { return nullptr; }
    bool save() override { return false; }
};

std::string frameText(const TagLib::ID3v2::Tag& tag, const char* frameId)
{
    const auto& frames = tag.frameListMap()[frameId];
    if (frames.isEmpty())
        return {};
    return frames.front()->toString().stripWhiteSpace().to8Bit(true);
}

void fillIfEmpty(std::string& field, const std::string& value)
{
    if (field.empty())
        field = value;
}

// Length of the tag whose 10-byte header is `header`, 0 if it is none.
uint64_t tagLength(const uint8_t* header)
{
    if (header[0] != 'I' || header[1] != 'D' || header[2] != '3')
        return 0;
    uint64_t body = 0;
    for (int i = 6; i < 10; ++i) {
        if (header[i] & 0x80)
            return 0;
        body = (body << 7) | header[i];
    }
    const bool hasFooter = header[5] & 0x10;
    return 10 + body + (hasFooter ? 10 : 0);
}

} // namespace

void applyId3Tag(const uint8_t* bytes, size_t size, const std::string& path, OpenedTrack& track)
{
    if (size < 10 || tagLength(bytes) == 0 || tagLength(bytes) > size) {
        track.warnings.push_back(path + ": ID3v2 tag could not be read; its text is ignored");
        return;
    }
    TagLib::ByteVectorStream stream(
        TagLib::ByteVector(reinterpret_cast<const char*>(bytes), static_cast<unsigned int>(size)));
    TagOnlyFile file(&stream);
    const TagLib::ID3v2::Tag tag(&file, 0);
    fillIfEmpty(track.text.title, frameText(tag, "TIT2"));
    fillIfEmpty(track.text.performer, frameText(tag, "TPE1"));
    // TCOM is the track's composer: it says nothing about the album's.
    fillIfEmpty(track.text.composer, frameText(tag, "TCOM"));
    fillIfEmpty(track.album.album, frameText(tag, "TALB"));
    fillIfEmpty(track.album.artist, frameText(tag, "TPE2"));
    fillIfEmpty(track.album.publisher, frameText(tag, "TPUB"));
    fillIfEmpty(track.album.copyright, frameText(tag, "TCOP"));
    fillIfEmpty(track.genre, tag.genre().stripWhiteSpace().to8Bit(true));
    std::string date = frameText(tag, "TDRC");
    fillIfEmpty(date, frameText(tag, "TYER"));
    fillIfEmpty(track.date, date);
    const std::string isrc = frameText(tag, "TSRC");
    if (!isrc.empty() && track.text.isrc.empty()) {
        if (const auto normalized = normalizeIsrc(isrc))
            track.text.isrc = *normalized;
        else
            track.warnings.push_back(path + ": ID3v2 ISRC \"" + isrc + "\" is not a valid ISRC; ignored");
    }
}

void readId3TagAt(InputFile& file, uint64_t offset, uint64_t available, OpenedTrack& track)
{
    const std::string& path = file.path();
    uint8_t header[10];
    std::string error;
    uint64_t length = 0;
    if (available >= sizeof header && file.readAt(offset, header, sizeof header, error))
        length = tagLength(header);
    if (length == 0) {
        track.warnings.push_back(path + ": no ID3v2 tag at byte " + std::to_string(offset) + "; in-file text ignored");
        return;
    }
    if (length > available) {
        track.warnings.push_back(path + ": ID3v2 tag says " + std::to_string(length) + " bytes, file has "
                                 + std::to_string(available) + " left; in-file text ignored");
        return;
    }
    if (length > kMaxTagBytes) {
        track.warnings.push_back(path + ": ID3v2 tag of " + std::to_string(length)
                                 + " bytes is too large to read; in-file text ignored");
        return;
    }
    std::vector<uint8_t> tag(static_cast<size_t>(length));
    if (!file.readAt(offset, tag.data(), tag.size(), error)) {
        track.warnings.push_back(error);
        return;
    }
    applyId3Tag(tag.data(), tag.size(), path, track);
}

} // namespace orvi::engine
