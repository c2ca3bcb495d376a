#include "input/track_formats.h"

#include "input/input_file.h"

#include <cstring>

namespace orvi::engine {

std::string describeChunkId(const uint8_t* id)
{
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (int i = 0; i < 4; ++i) {
        if (id[i] >= 0x20 && id[i] < 0x7f) {
            text += static_cast<char>(id[i]);
        } else {
            text += "\\x";
            text += hex[id[i] >> 4];
            text += hex[id[i] & 15];
        }
    }
    return "'" + text + "'";
}

std::string bytesText(uint64_t count)
{
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

void checkDiscFormat(const std::string& path, int channels, uint32_t sampleRate, OpenedTrack& track)
{
    if (sampleRate != kDsd64Rate)
        track.errors.push_back(path + ": sample rate " + std::to_string(sampleRate)
                               + " Hz: only DSD64 (2822400 Hz) fits on an SACD");
    if (channels != 2 && channels != 5 && channels != 6)
        track.errors.push_back(path + ": " + std::to_string(channels) + (channels == 1 ? " channel" : " channels")
                               + ": an SACD takes stereo (2-channel) or multichannel (5- or 6-channel) tracks");
}

OpenedTrack openTrack(const std::string& path)
{
    OpenedTrack track;
    auto file = std::make_unique<InputFile>();
    std::string error;
    if (!file->open(path, error)) {
        track.errors.push_back(error);
        return track;
    }
    uint8_t magic[4] = {};
    if (file->size() < sizeof magic || !file->readAt(0, magic, sizeof magic, error)) {
        track.errors.push_back(path + ": not a DSD file: only " + bytesText(file->size()));
        return track;
    }
    if (std::memcmp(magic, "DSD ", 4) == 0)
        readDsf(std::move(file), track);
    else if (std::memcmp(magic, "FRM8", 4) == 0)
        readDsdiff(std::move(file), track);
    else
        track.errors.push_back(path + ": not a DSD file: it starts with " + describeChunkId(magic)
                               + ", not a DSF ('DSD ') or DSDIFF ('FRM8') header");
    if (!track.errors.empty())
        track.source.reset();
    return track;
}

} // namespace orvi::engine
