#pragma once

// Reads the file tree of a UDF volume in an image (2048-byte sectors): the
// volume identifier and every directory and file with the extents of its
// data. Written from the UDF and ECMA-167 descriptions, independently of the
// writer, so that reading back checks it.

#include <QFile>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvi::engine::reader {

struct UdfExtent {
    uint64_t sector = 0; // in the image
    uint32_t bytes = 0;
};

struct UdfEntry {
    std::string path; // "/DSD_DISC/Album/01 - Intro.dsf", UTF-8
    bool directory = false;
    uint64_t size = 0;
    std::vector<UdfExtent> extents;
};

struct UdfTree {
    std::string volumeId;          // the logical volume identifier, UTF-8
    std::vector<UdfEntry> entries; // parents before their children, in directory order
};

// False with `error` set when the image holds no readable UDF volume.
bool readUdfTree(QFile& image, UdfTree& tree, std::string& error);

// Copies an entry's data to `sink` in pieces; false on a read fault.
bool readUdfFile(QFile& image, const UdfEntry& entry, const std::function<bool(const char*, size_t)>& sink);

} // namespace orvi::engine::reader
