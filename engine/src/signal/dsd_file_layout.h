#pragma once

// The byte layout of DSF and DSDIFF files, as pieces: the streaming writers
// use them for real files, tests use them to build damaged ones.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvi::engine::signal {

inline constexpr uint32_t kDsfBlockBytes = 4096;
inline constexpr uint64_t kDsfHeaderBytes = 92; // "DSD " + "fmt " + the "data" chunk header

struct DsfHeaderFields {
    uint64_t dsdChunkSize = 28;
    uint64_t fileSize = 0;
    uint64_t metadataPointer = 0;
    uint64_t fmtChunkSize = 52;
    uint32_t version = 1;
    uint32_t formatId = 0;
    uint32_t channelType = 2;
    uint32_t channels = 2;
    uint32_t sampleRate = 2822400;
    uint32_t bitsPerSample = 1;
    uint64_t sampleCount = 0;
    uint32_t blockSize = kDsfBlockBytes;
    uint64_t dataChunkSize = 12; // includes its 12-byte header
};

// DSF's channel type code for a channel count (1 mono ... 7 = 5.1).
uint32_t dsfChannelType(int channels);

// A consistent header for `samples` per channel whose data chunk holds
// `dataBytes` and is followed by a tag of `tagBytes` (0 = none).
DsfHeaderFields dsfHeaderFor(int channels, uint32_t sampleRate, uint64_t samples, uint64_t dataBytes,
                             uint64_t tagBytes);

std::vector<uint8_t> dsfHeader(const DsfHeaderFields& fields);

// The size of the DSF file the streaming writer makes of `samples` per
// channel with a tag of `tagBytes`: its blocks are whole, the last one padded.
uint64_t dsfFileBytes(int channels, uint64_t samples, uint64_t tagBytes);

// Converts `bytesPerChannel` (at most one block) bytes of every channel from
// the disc's order into one DSF block group (channels x 4096 bytes,
// LSB-first), zero-padding each block.
void discOrderToDsfGroup(const uint8_t* discOrder, size_t bytesPerChannel, int channels, uint8_t* group);

// A whole DSF file from disc-order audio: header, padded blocks, tag.
std::vector<uint8_t> buildDsf(const std::vector<uint8_t>& discOrder, int channels, uint32_t sampleRate,
                              const std::vector<uint8_t>& tag = {});
// A DSF file from explicit header fields and data bytes in the file's own
// layout, for damaged-file tests.
std::vector<uint8_t> buildDsf(const DsfHeaderFields& header, const std::vector<uint8_t>& fileData,
                              const std::vector<uint8_t>& tag = {});

// DSDIFF pieces. A chunk is its 12-byte header, its payload and a pad byte
// when the payload's size is odd.
std::vector<uint8_t> dsdiffChunkHeader(std::string_view id, uint64_t size);
std::vector<uint8_t> dsdiffChunk(std::string_view id, const std::vector<uint8_t>& payload);
std::vector<uint8_t> dsdiffVersionChunk(); // FVER 1.5.0.0
std::vector<uint8_t> dsdiffPropertyChunk(int channels, uint32_t sampleRate, std::string_view compression = "DSD ");
// DIIN with DITI (title) and DIAR (artist); empty texts are left out.
std::vector<uint8_t> dsdiffTextInfoChunk(const std::string& title, const std::string& artist);
// FRM8 "DSD " around the given chunks, sized to fit them.
std::vector<uint8_t> dsdiffForm(const std::vector<std::vector<uint8_t>>& chunks);

// A whole plain DSDIFF file: FVER, PROP, optional DIIN, DSD data, optional "ID3 " chunk.
std::vector<uint8_t> buildDsdiff(const std::vector<uint8_t>& discOrder, int channels, uint32_t sampleRate,
                                 const std::vector<uint8_t>& tag = {}, const std::string& diinTitle = {},
                                 const std::string& diinArtist = {});

} // namespace orvi::engine::signal
