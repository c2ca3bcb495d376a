#pragma once

// The file-system bridge in sectors 16..399: an ISO 9660 volume whose files
// are extents of the disc itself (the master TOCs, the area TOCs, the whole
// Track Area and each track), plus the cover picture stored after the last
// area. Disc readers never look at it; a mounted image shows the files.

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::engine {

struct BridgeFile {
    std::string name; // ISO 9660 level-1 name without ";1", e.g. "MASTER1.TOC"
    uint32_t lsn = 0;
    uint64_t size = 0; // bytes
};

struct BridgeDirectory {
    std::string name; // empty for the root
    std::vector<BridgeFile> files;
};

struct BridgeVolume {
    std::string volumeId;   // UTF-8 (ISO 9660 keeps only d-characters of it)
    uint32_t dataEndLsn = 0; // first sector after every file's data
    uint32_t volumeSectors = 0; // set by the bridge: the data plus its own structures after it
    std::vector<BridgeFile> rootFiles;
    std::vector<BridgeDirectory> directories; // "2C_AUDIO", "MC_AUDIO": one per area, in the root
};

inline constexpr uint32_t kBridgeFirstSector = 16;
inline constexpr uint32_t kBridgeEndSector = 400; // first sector of the front part it may not use
inline constexpr uint32_t kUdfAnchorLsn = 256;

struct BridgeSectors {
    std::vector<uint8_t> front; // sectors kBridgeFirstSector..kUdfAnchorLsn
    std::vector<uint8_t> tail;  // sectors from volume.dataEndLsn to the end of the volume
    uint32_t volumeSectors = 0;
};

// Both file systems; `front` is empty if the ISO 9660 directories do not fit
// below kUdfAnchorLsn.
BridgeSectors buildFileSystemBridge(BridgeVolume volume);

} // namespace orvi::engine
