#pragma once

// The UDF 1.02 half of the file-system bridge. Its volume recognition
// sequence follows the ISO 9660 descriptors, its volume descriptors and first
// anchor lie below sector 400; the file set (file entries, directories) and
// the closing anchor go after the last area, since a disc of 255 tracks
// needs more sectors than the file-system area holds.

#include "image/file_system_bridge.h"

#include <cstdint>
#include <vector>

namespace orvi::engine {

// Sectors of the UDF part after the data (file set and closing anchor).
uint32_t udfTailSectors(const BridgeVolume& volume);

// Writes the recognition sequence (sectors 18..20), the volume descriptor
// sequences, the integrity descriptor and the anchor at 256 into `front`
// (whose first byte is sector kBridgeFirstSector), and returns the tail
// sectors that belong at volume.dataEndLsn.
std::vector<uint8_t> buildUdf(const BridgeVolume& volume, std::vector<uint8_t>& front);

} // namespace orvi::engine
