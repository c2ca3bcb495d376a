#pragma once

// Where things lie on a Scarlet Book disc written by this engine, and the
// arithmetic of the plain DSD "3 frames in 14 sectors" Track Area.

#include <array>
#include <cstdint>

namespace orvi::engine::sacd {

inline constexpr uint32_t kSectorSize = 2048;
inline constexpr uint32_t kMasterTocSectors = 10;
inline constexpr std::array<uint32_t, 3> kMasterTocLsn = {510, 520, 530};
inline constexpr uint32_t kStereoAreaLsn = 544;
inline constexpr uint8_t kFormatVersionMajor = 1;
inline constexpr uint8_t kFormatVersionMinor = 20;
inline constexpr uint32_t kMaxTracks = 255;

inline constexpr uint32_t kStereoFrameBytes = 9408; // 1/75 s, 2 channels
inline constexpr uint32_t kFramesPerBlock = 3;
inline constexpr uint32_t kSectorsPerBlock = 14;
inline constexpr uint32_t kAudioOffset = 32; // audio at 32..2047 of every sector
inline constexpr uint32_t kAudioBytesPerSector = kSectorSize - kAudioOffset;
inline constexpr uint32_t kFixedFormatByteRate = 716800; // 14 sectors per 3 frames
inline constexpr uint8_t kDsdSilence = 0x69;

// Sector (relative to the Track Area start) in which `frame` starts; frames
// start at block sectors 0, 4 and 9.
constexpr uint64_t frameStartSector(uint64_t frame)
{
    constexpr std::array<uint64_t, 3> startInBlock = {0, 4, 9};
    return (frame / kFramesPerBlock) * kSectorsPerBlock + startInBlock[frame % kFramesPerBlock];
}

// Sectors of a Track Area holding `frames` frames: up to and including the
// sector where the (dummy) frame after the last starts, which carries the
// last frame's trailing supplementary-data packet.
constexpr uint64_t trackAreaSectors(uint64_t frames)
{
    return frameStartSector(frames) + 1;
}

// Minutes, seconds, frames in plain binary.
constexpr std::array<uint8_t, 3> timeCode(uint64_t frame)
{
    return {uint8_t(frame / (75 * 60)), uint8_t(frame / 75 % 60), uint8_t(frame % 75)};
}

// Fills bytes 0..31 of a Track Area sector (audio header and the
// supplementary-data packet, which carries no data). `sectorIndex` is relative
// to the Track Area start. When the frame starting in this sector is
// `dummyFrame` (the one after the last real frame), its packet becomes a
// padding packet with time code FF:FF:FF that closes the Track Area.
void writeAudioSectorHeader(uint8_t* sector, uint64_t sectorIndex, uint64_t dummyFrame);

} // namespace orvi::engine::sacd
