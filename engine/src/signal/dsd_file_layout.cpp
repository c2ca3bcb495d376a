#include "signal/dsd_file_layout.h"

#include "input/byte_fields.h"
#include "input/dsd_bit_order.h"

#include <algorithm>
#include <cstring>

namespace orvi::engine::signal {
namespace {

void append(std::vector<uint8_t>& to, const std::vector<uint8_t>& bytes)
{
    to.insert(to.end(), bytes.begin(), bytes.end());
}

void appendText(std::vector<uint8_t>& to, std::string_view text)
{
    to.insert(to.end(), text.begin(), text.end());
}

void appendBigEndian(std::vector<uint8_t>& to, uint64_t value, size_t width)
{
    const size_t at = to.size();
    to.resize(at + width);
    storeBigEndian(to.data() + at, value, width);
}

std::vector<uint8_t> countedText(const std::string& text)
{
    std::vector<uint8_t> payload;
    appendBigEndian(payload, text.size(), 4);
    appendText(payload, text);
    return payload;
}

} // namespace

uint32_t dsfChannelType(int channels)
{
    switch (channels) {
    case 5:
        return 6; // L, R, C, LS, RS
    case 6:
        return 7; // 5.1
    default:
        return static_cast<uint32_t>(channels);
    }
}

DsfHeaderFields dsfHeaderFor(int channels, uint32_t sampleRate, uint64_t samples, uint64_t dataBytes, uint64_t tagBytes)
{
    DsfHeaderFields fields;
    fields.channels = static_cast<uint32_t>(channels);
    fields.channelType = dsfChannelType(channels);
    fields.sampleRate = sampleRate;
    fields.sampleCount = samples;
    fields.dataChunkSize = 12 + dataBytes;
    fields.fileSize = kDsfHeaderBytes + dataBytes + tagBytes;
    fields.metadataPointer = tagBytes ? kDsfHeaderBytes + dataBytes : 0;
    return fields;
}

uint64_t dsfFileBytes(int channels, uint64_t samples, uint64_t tagBytes)
{
    const uint64_t blocks = (samples / 8 + kDsfBlockBytes - 1) / kDsfBlockBytes;
    return kDsfHeaderBytes + blocks * kDsfBlockBytes * uint64_t(channels) + tagBytes;
}

std::vector<uint8_t> dsfHeader(const DsfHeaderFields& f)
{
    std::vector<uint8_t> header(kDsfHeaderBytes, 0);
    uint8_t* p = header.data();
    std::memcpy(p, "DSD ", 4);
    storeLittleEndian(p + 4, f.dsdChunkSize, 8);
    storeLittleEndian(p + 12, f.fileSize, 8);
    storeLittleEndian(p + 20, f.metadataPointer, 8);
    p += 28;
    std::memcpy(p, "fmt ", 4);
    storeLittleEndian(p + 4, f.fmtChunkSize, 8);
    storeLittleEndian(p + 12, f.version, 4);
    storeLittleEndian(p + 16, f.formatId, 4);
    storeLittleEndian(p + 20, f.channelType, 4);
    storeLittleEndian(p + 24, f.channels, 4);
    storeLittleEndian(p + 28, f.sampleRate, 4);
    storeLittleEndian(p + 32, f.bitsPerSample, 4);
    storeLittleEndian(p + 36, f.sampleCount, 8);
    storeLittleEndian(p + 44, f.blockSize, 4);
    p += 52;
    std::memcpy(p, "data", 4);
    storeLittleEndian(p + 4, f.dataChunkSize, 8);
    return header;
}

void discOrderToDsfGroup(const uint8_t* discOrder, size_t bytesPerChannel, int channels, uint8_t* group)
{
    for (int channel = 0; channel < channels; ++channel) {
        uint8_t* block = group + size_t(channel) * kDsfBlockBytes;
        for (size_t i = 0; i < bytesPerChannel; ++i)
            block[i] = kReversedBits[discOrder[i * channels + channel]];
        std::fill(block + bytesPerChannel, block + kDsfBlockBytes, uint8_t(0));
    }
}

std::vector<uint8_t> buildDsf(const std::vector<uint8_t>& discOrder, int channels, uint32_t sampleRate,
                              const std::vector<uint8_t>& tag)
{
    const size_t bytesPerChannel = discOrder.size() / channels;
    const size_t groups = (bytesPerChannel + kDsfBlockBytes - 1) / kDsfBlockBytes;
    std::vector<uint8_t> data(groups * kDsfBlockBytes * channels);
    for (size_t g = 0; g < groups; ++g) {
        const size_t first = g * kDsfBlockBytes;
        discOrderToDsfGroup(discOrder.data() + first * channels,
                            std::min<size_t>(kDsfBlockBytes, bytesPerChannel - first), channels,
                            data.data() + g * kDsfBlockBytes * channels);
    }
    return buildDsf(dsfHeaderFor(channels, sampleRate, bytesPerChannel * 8, data.size(), tag.size()), data, tag);
}

std::vector<uint8_t> buildDsf(const DsfHeaderFields& header, const std::vector<uint8_t>& fileData,
                              const std::vector<uint8_t>& tag)
{
    std::vector<uint8_t> file = dsfHeader(header);
    append(file, fileData);
    append(file, tag);
    return file;
}

std::vector<uint8_t> dsdiffChunkHeader(std::string_view id, uint64_t size)
{
    std::vector<uint8_t> header;
    appendText(header, id.substr(0, 4));
    appendBigEndian(header, size, 8);
    return header;
}

std::vector<uint8_t> dsdiffChunk(std::string_view id, const std::vector<uint8_t>& payload)
{
    std::vector<uint8_t> chunk = dsdiffChunkHeader(id, payload.size());
    append(chunk, payload);
    if (payload.size() % 2)
        chunk.push_back(0);
    return chunk;
}

std::vector<uint8_t> dsdiffVersionChunk()
{
    return dsdiffChunk("FVER", {1, 5, 0, 0});
}

std::vector<uint8_t> dsdiffPropertyChunk(int channels, uint32_t sampleRate, std::string_view compression)
{
    std::vector<uint8_t> sampleRateField;
    appendBigEndian(sampleRateField, sampleRate, 4);

    static const char* const stereo[] = {"SLFT", "SRGT"};
    static const char* const surround[] = {"MLFT", "MRGT", "C   ", "LFE ", "LS  ", "RS  "};
    std::vector<uint8_t> channelField;
    appendBigEndian(channelField, static_cast<uint64_t>(channels), 2);
    for (int c = 0; c < channels; ++c) {
        if (channels == 2)
            appendText(channelField, stereo[c]);
        else if (channels == 6)
            appendText(channelField, surround[c]);
        else if (channels == 5)
            appendText(channelField, surround[c < 3 ? c : c + 1]); // no LFE
        else
            appendText(channelField, "C" + std::string(3 - std::to_string(c).size(), '0') + std::to_string(c));
    }

    const std::string name = compression == "DST " ? "DST Encoded" : "not compressed";
    std::vector<uint8_t> compressionField;
    appendText(compressionField, compression.substr(0, 4));
    compressionField.push_back(static_cast<uint8_t>(name.size()));
    appendText(compressionField, name);

    std::vector<uint8_t> payload;
    appendText(payload, "SND ");
    append(payload, dsdiffChunk("FS  ", sampleRateField));
    append(payload, dsdiffChunk("CHNL", channelField));
    append(payload, dsdiffChunk("CMPR", compressionField));
    return dsdiffChunk("PROP", payload);
}

std::vector<uint8_t> dsdiffTextInfoChunk(const std::string& title, const std::string& artist)
{
    std::vector<uint8_t> payload;
    if (!artist.empty())
        append(payload, dsdiffChunk("DIAR", countedText(artist)));
    if (!title.empty())
        append(payload, dsdiffChunk("DITI", countedText(title)));
    return dsdiffChunk("DIIN", payload);
}

std::vector<uint8_t> dsdiffForm(const std::vector<std::vector<uint8_t>>& chunks)
{
    std::vector<uint8_t> body;
    appendText(body, "DSD ");
    for (const auto& chunk : chunks)
        append(body, chunk);
    std::vector<uint8_t> form = dsdiffChunkHeader("FRM8", body.size());
    append(form, body);
    return form;
}

std::vector<uint8_t> buildDsdiff(const std::vector<uint8_t>& discOrder, int channels, uint32_t sampleRate,
                                 const std::vector<uint8_t>& tag, const std::string& diinTitle,
                                 const std::string& diinArtist)
{
    std::vector<std::vector<uint8_t>> chunks{dsdiffVersionChunk(), dsdiffPropertyChunk(channels, sampleRate)};
    if (!diinTitle.empty() || !diinArtist.empty())
        chunks.push_back(dsdiffTextInfoChunk(diinTitle, diinArtist));
    chunks.push_back(dsdiffChunk("DSD ", discOrder));
    if (!tag.empty())
        chunks.push_back(dsdiffChunk("ID3 ", tag));
    return dsdiffForm(chunks);
}

} // namespace orvi::engine::signal
