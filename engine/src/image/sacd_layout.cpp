#include "image/sacd_layout.h"

#include <cstring>

namespace orvi::engine::sacd {

namespace {

enum DataType : uint16_t { kAudio = 2, kSupplementary = 3, kPadding = 7 };

struct Packet {
    DataType type;
    uint16_t length;
    bool frameStart;
};

void putPacketInfo(uint8_t* at, const Packet& packet)
{
    const uint16_t info = uint16_t((packet.frameStart ? 0x8000u : 0u) | (uint16_t(packet.type) << 11) | packet.length);
    at[0] = uint8_t(info >> 8);
    at[1] = uint8_t(info & 0xff);
}

} // namespace

void writeAudioSectorHeader(uint8_t* sector, uint64_t sectorIndex, uint64_t dummyFrame)
{
    const uint64_t block = sectorIndex / kSectorsPerBlock;
    const uint32_t inBlock = uint32_t(sectorIndex % kSectorsPerBlock);

    // The packet pattern of a 14-sector block: a frame starts in sectors 0,
    // 4 and 9, where the previous frame's audio (if any) ends.
    Packet packets[3];
    int packetCount = 0;
    bool startsFrame = true;
    uint64_t frame = 0;
    if (inBlock == 0) {
        packets[packetCount++] = {kSupplementary, 24, false};
        packets[packetCount++] = {kAudio, 2016, true};
        frame = block * kFramesPerBlock;
    } else if (inBlock == 4) {
        packets[packetCount++] = {kSupplementary, 22, false};
        packets[packetCount++] = {kAudio, 1344, false};
        packets[packetCount++] = {kAudio, 672, true};
        frame = block * kFramesPerBlock + 1;
    } else if (inBlock == 9) {
        packets[packetCount++] = {kSupplementary, 22, false};
        packets[packetCount++] = {kAudio, 672, false};
        packets[packetCount++] = {kAudio, 1344, true};
        frame = block * kFramesPerBlock + 2;
    } else {
        packets[packetCount++] = {kSupplementary, 27, false};
        packets[packetCount++] = {kAudio, 2016, false};
        startsFrame = false;
    }
    const bool closing = startsFrame && frame == dummyFrame;
    if (closing)
        packets[packetCount - 1].type = kPadding;

    std::memset(sector, 0, kAudioOffset);
    sector[0] = uint8_t((packetCount << 5) | ((startsFrame ? 1 : 0) << 2)); // DST_Coded = 0
    uint8_t* at = sector + 1;
    for (int i = 0; i < packetCount; ++i, at += 2)
        putPacketInfo(at, packets[i]);
    if (startsFrame) {
        if (closing) {
            at[0] = at[1] = at[2] = 0xff;
        } else {
            const auto tc = timeCode(frame);
            std::memcpy(at, tc.data(), tc.size());
        }
    }
    // The supplementary-data packet that follows is all zeros (pure stuffing)
    // and ends exactly at kAudioOffset.
}

} // namespace orvi::engine::sacd
