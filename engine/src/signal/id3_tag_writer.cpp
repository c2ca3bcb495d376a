#include "signal/id3_tag_writer.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/textidentificationframe.h>

#include <memory>

namespace orvi::engine::signal {

bool hasAnyText(const TagFields& f)
{
    for (const std::string* field : {&f.title, &f.artist, &f.album, &f.albumArtist, &f.composer, &f.genre, &f.date,
                                     &f.isrc, &f.publisher, &f.copyright})
        if (!field->empty())
            return true;
    return f.trackNumber > 0 || f.discNumber > 0 || !f.picture.empty();
}

namespace {

std::string position(int number, int total)
{
    if (number <= 0)
        return {};
    return total > 0 ? std::to_string(number) + "/" + std::to_string(total) : std::to_string(number);
}

} // namespace

std::vector<uint8_t> renderId3Tag(const TagFields& fields)
{
    TagLib::ID3v2::Tag tag;
    const std::string track = position(fields.trackNumber, fields.trackTotal);
    const std::string disc = position(fields.discNumber, fields.discTotal);
    const struct {
        const char* frameId;
        const std::string& text;
    } frames[] = {
        {"TIT2", fields.title},     {"TPE1", fields.artist},    {"TALB", fields.album}, {"TPE2", fields.albumArtist},
        {"TCOM", fields.composer},  {"TCON", fields.genre},     {"TDRC", fields.date},  {"TSRC", fields.isrc},
        {"TPUB", fields.publisher}, {"TCOP", fields.copyright}, {"TRCK", track},        {"TPOS", disc},
    };
    for (const auto& frame : frames) {
        if (frame.text.empty())
            continue;
        auto textFrame = std::make_unique<TagLib::ID3v2::TextIdentificationFrame>(
            TagLib::ByteVector(frame.frameId), fields.version == 3 ? TagLib::String::UTF16 : TagLib::String::UTF8);
        textFrame->setText(TagLib::String(frame.text, TagLib::String::UTF8));
        tag.addFrame(textFrame.release()); // the tag owns its frames
    }
    if (!fields.picture.empty()) {
        auto picture = std::make_unique<TagLib::ID3v2::AttachedPictureFrame>();
        picture->setTextEncoding(fields.version == 3 ? TagLib::String::UTF16 : TagLib::String::UTF8);
        picture->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
        picture->setMimeType(TagLib::String(fields.pictureMime, TagLib::String::UTF8));
        picture->setPicture(TagLib::ByteVector(reinterpret_cast<const char*>(fields.picture.data()),
                                               static_cast<unsigned int>(fields.picture.size())));
        tag.addFrame(picture.release());
    }
    const TagLib::ByteVector rendered = tag.render(fields.version == 3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4);
    return std::vector<uint8_t>(rendered.begin(), rendered.end());
}

} // namespace orvi::engine::signal
