#pragma once

// The file-system bridge in sectors 16..399: a UDF 1.02 and an ISO 9660
// volume whose files are extents of the image itself. On an SACD image they
// are the master TOCs, the area TOCs, the whole Track Area, each track and the
// cover picture stored after the last area (disc readers never look at them);
// on a DSD Disc they are the disc's own files. A mounted image shows them.

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::engine {

struct BridgeFile {
    // UTF-8 as the UDF tree shows it; the ISO 9660 tree carries its
    // d-character form ("MASTER1.TOC" stays as it is).
    std::string name;
    uint32_t lsn = 0;
    uint64_t size = 0; // bytes
};

struct BridgeDirectory {
    std::string name; // empty for the root
    std::vector<BridgeFile> files;
    std::vector<BridgeDirectory> directories;
};

struct BridgeVolume {
    std::string volumeId;            // UTF-8 (ISO 9660 keeps only d-characters of it)
    std::string fallbackId = "SACD"; // for a volume identifier without any
    uint32_t dataEndLsn = 0;         // first sector after every file's data
    uint32_t volumeSectors = 0;      // set by the bridge: the data plus its own structures after it
    BridgeDirectory root;
};

inline constexpr uint32_t kBridgeFirstSector = 16;
inline constexpr uint32_t kBridgeEndSector = 400; // first sector of the front part it may not use
inline constexpr uint32_t kUdfAnchorLsn = 256;

struct BridgeSectors {
    std::vector<uint8_t> front; // sectors kBridgeFirstSector..kUdfAnchorLsn
    std::vector<uint8_t> tail;  // sectors from volume.dataEndLsn to the end of the volume
    uint32_t volumeSectors = 0;
};

// The ISO 9660 volume identifier of a UTF-8 name: its d-characters (A-Z,
// 0-9, "_"), at most 32; `fallback` when nothing of it is left.
std::string isoVolumeIdentifier(const std::string& utf8, const std::string& fallback);

// Both file systems; `front` is empty if the ISO 9660 directories do not fit
// below the UDF volume descriptors.
BridgeSectors buildFileSystemBridge(BridgeVolume volume);

} // namespace orvi::engine
