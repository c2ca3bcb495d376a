#include "image/file_system_bridge.h"

#include "image/byte_writer.h"
#include "image/creation_time.h"
#include "image/sacd_layout.h"
#include "image/udf_bridge.h"

#include <QDateTime>

#include <algorithm>
#include <cstring>

namespace orvi::engine {

namespace {

// Sector plan: the volume descriptors, room for the UDF volume recognition
// sequence right after their terminator (18..20), the two path tables, then
// the directories, all below the UDF volume descriptors at 64.
constexpr uint32_t kPrimaryDescriptorLsn = 16;
constexpr uint32_t kTerminatorLsn = 17;
constexpr uint32_t kLittlePathTableLsn = 21;
constexpr uint32_t kBigPathTableLsn = 22;
constexpr uint32_t kRootDirectoryLsn = 23;
constexpr uint32_t kIsoDirectoriesEndLsn = 64;      // the UDF volume descriptors follow
constexpr uint64_t kMaxExtentBytes = 0xFFFFF800ull; // largest multiple of 2048 below 4 GiB
constexpr size_t kMaxIsoName = 30;                  // level 2, without ";1"

struct Timestamp {
    QDateTime utc = imageCreationTime();
};

char dCharacter(char c)
{
    if (c >= 'a' && c <= 'z')
        return char(c - 'a' + 'A');
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return plain ? c : '_';
}

// UTF-8 sequences become one "_" each.
std::string dCharacters(const std::string& utf8)
{
    std::string out;
    for (char c : utf8) {
        if ((uint8_t(c) & 0xC0) != 0x80) // not the rest of a multi-byte character
            out += dCharacter(c);
    }
    return out;
}

// A level-2 identifier: d-characters, at most 30 of them with the extension.
std::string isoName(const std::string& utf8, bool directory)
{
    const auto mapped = dCharacters;
    const size_t dot = directory ? std::string::npos : utf8.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : mapped(utf8.substr(dot + 1)).substr(0, 3);
    std::string base = mapped(utf8.substr(0, dot));
    const size_t room = kMaxIsoName - (extension.empty() ? 0 : extension.size() + 1);
    base = base.substr(0, directory ? kMaxIsoName + 1 : room);
    if (base.empty())
        base = "_";
    return extension.empty() ? base : base + "." + extension;
}

// Two names that map alike get a "~N" ending instead of their last characters.
std::string distinctIsoName(std::string name, std::vector<std::string>& taken)
{
    for (int n = 1; std::find(taken.begin(), taken.end(), name) != taken.end(); ++n) {
        const std::string suffix = "~" + std::to_string(n);
        const size_t dot = name.find('.');
        std::string base = name.substr(0, dot);
        const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
        base = base.substr(0, std::min(base.size(), kMaxIsoName - extension.size() - suffix.size())) + suffix;
        name = base + extension;
    }
    taken.push_back(name);
    return name;
}

void putRecordingDate(ByteWriter& out, size_t at, const Timestamp& time)
{
    const QDate d = time.utc.date();
    const QTime t = time.utc.time();
    out.u8(at, uint32_t(d.year() - 1900));
    out.u8(at + 1, uint32_t(d.month()));
    out.u8(at + 2, uint32_t(d.day()));
    out.u8(at + 3, uint32_t(t.hour()));
    out.u8(at + 4, uint32_t(t.minute()));
    out.u8(at + 5, uint32_t(t.second()));
    out.u8(at + 6, 0); // GMT
}

struct Record {
    std::string identifier; // with ";1" for files, "\0" / "\1" for the dot entries
    uint32_t lsn;
    uint32_t size;
    uint8_t flags;
};

size_t recordLength(const Record& r)
{
    const size_t length = 33 + r.identifier.size();
    return length + (length % 2);
}

void putRecord(uint8_t* at, const Record& r, const Timestamp& time)
{
    ByteWriter out(at);
    out.u8(0, uint32_t(recordLength(r)));
    out.both32(2, r.lsn);
    out.both32(10, r.size);
    putRecordingDate(out, 18, time);
    out.u8(25, r.flags);
    out.both16(28, 1);
    out.u8(32, uint32_t(r.identifier.size()));
    out.bytes(33, r.identifier);
}

// A file larger than one extent is recorded as consecutive extents, all but
// the last flagged "multi-extent".
void appendFileRecords(std::vector<Record>& records, const BridgeFile& file)
{
    uint64_t remaining = file.size;
    uint32_t lsn = file.lsn;
    do {
        const uint64_t part = std::min(remaining, kMaxExtentBytes);
        remaining -= part;
        records.push_back({file.name + ";1", lsn, uint32_t(part), uint8_t(remaining > 0 ? 0x80 : 0)});
        lsn += uint32_t(part / sacd::kSectorSize);
    } while (remaining > 0);
}

// Records never straddle a sector: a record that does not fit starts the next one.
std::vector<uint8_t> directoryBytes(const std::vector<Record>& records, const Timestamp& time)
{
    std::vector<uint8_t> bytes(sacd::kSectorSize, 0);
    size_t at = 0;
    for (const Record& r : records) {
        const size_t length = recordLength(r);
        if (at % sacd::kSectorSize + length > sacd::kSectorSize) {
            at = (at / sacd::kSectorSize + 1) * sacd::kSectorSize;
            bytes.resize(at + sacd::kSectorSize, 0);
        }
        putRecord(bytes.data() + at, r, time);
        at += length;
    }
    return bytes;
}

size_t directorySectors(const std::vector<Record>& records)
{
    const Timestamp time;
    return directoryBytes(records, time).size() / sacd::kSectorSize;
}

// The ISO 9660 directories in path-table order (by level, then parent):
// each with its number, parent's number, place and records.
struct IsoDirectory {
    const BridgeDirectory* source;
    std::string identifier;
    size_t parent; // index into the list; the root is its own parent
    uint32_t lsn = 0;
    uint32_t size = 0;
    std::vector<Record> records;
};

std::vector<IsoDirectory> listDirectories(const BridgeDirectory& root)
{
    std::vector<IsoDirectory> list = {{&root, std::string(1, '\0'), 0, 0, 0, {}}};
    for (size_t i = 0; i < list.size(); ++i) {
        std::vector<std::string> taken;
        std::vector<IsoDirectory> children;
        for (const BridgeDirectory& child : list[i].source->directories)
            children.push_back({&child, distinctIsoName(isoName(child.name, true), taken), i, 0, 0, {}});
        std::sort(children.begin(), children.end(),
                  [](const IsoDirectory& a, const IsoDirectory& b) { return a.identifier < b.identifier; });
        list.insert(list.end(), children.begin(), children.end());
    }
    return list;
}

// Fills every directory's records; the sizes decide the places, so the
// first pass measures with placeholder extents and the second one is real.
void layOutDirectories(std::vector<IsoDirectory>& list)
{
    for (int pass = 0; pass < 2; ++pass) {
        uint32_t lsn = kRootDirectoryLsn;
        for (IsoDirectory& directory : list) {
            directory.lsn = lsn;
            lsn += directory.size / sacd::kSectorSize;
        }
        for (size_t i = 0; i < list.size(); ++i) {
            IsoDirectory& directory = list[i];
            const IsoDirectory& parent = list[directory.parent];
            std::vector<Record> entries;
            for (size_t c = 0; c < list.size(); ++c) {
                if (c != 0 && list[c].parent == i)
                    entries.push_back({list[c].identifier, list[c].lsn, list[c].size, 0x02});
            }
            std::vector<std::string> taken;
            for (const Record& entry : entries)
                taken.push_back(entry.identifier);
            for (BridgeFile file : directory.source->files) {
                file.name = distinctIsoName(isoName(file.name, false), taken);
                appendFileRecords(entries, file);
            }
            // Identifiers in ascending order; the extents of one file stay in order.
            std::stable_sort(entries.begin(), entries.end(),
                             [](const Record& a, const Record& b) { return a.identifier < b.identifier; });
            directory.records = {{std::string(1, '\0'), directory.lsn, directory.size, 0x02},
                                 {std::string(1, '\1'), parent.lsn, parent.size, 0x02}};
            directory.records.insert(directory.records.end(), entries.begin(), entries.end());
            directory.size = uint32_t(directorySectors(directory.records) * sacd::kSectorSize);
        }
    }
}

std::vector<uint8_t> pathTable(const std::vector<IsoDirectory>& list, bool bigEndian)
{
    std::vector<uint8_t> table;
    for (const IsoDirectory& directory : list) {
        const std::string& name = directory.identifier;
        std::vector<uint8_t> entry(8 + name.size() + name.size() % 2, 0);
        ByteWriter out(entry.data());
        out.u8(0, uint32_t(name.size()));
        bigEndian ? out.be32(2, directory.lsn) : out.le32(2, directory.lsn);
        bigEndian ? out.be16(6, uint32_t(directory.parent + 1)) : out.le16(6, uint32_t(directory.parent + 1));
        out.bytes(8, name);
        table.insert(table.end(), entry.begin(), entry.end());
    }
    return table;
}

void putVolumeDate(ByteWriter& out, size_t at, const Timestamp& time)
{
    out.bytes(at, time.utc.toString("yyyyMMddHHmmss").toStdString() + "00");
    out.u8(at + 16, 0);
}

void putPrimaryDescriptor(uint8_t* at, const BridgeVolume& volume, const Record& root, uint32_t pathTableBytes,
                          const Timestamp& time)
{
    ByteWriter out(at);
    out.u8(0, 1);
    out.bytes(1, "CD001");
    out.u8(6, 1);
    out.padded(8, "", 32);
    out.padded(40, isoVolumeIdentifier(volume.volumeId, volume.fallbackId), 32);
    out.both32(80, volume.volumeSectors);
    out.both16(120, 1);
    out.both16(124, 1);
    out.both16(128, sacd::kSectorSize);
    out.both32(132, pathTableBytes);
    out.le32(140, kLittlePathTableLsn);
    out.be32(148, kBigPathTableLsn);
    putRecord(at + 156, root, time);
    out.padded(190, "", 128);
    out.padded(318, "", 128);
    out.padded(446, "", 128);
    out.padded(574, "ORVI LATHE", 128);
    out.padded(702, "", 37 * 3);
    putVolumeDate(out, 813, time);
    putVolumeDate(out, 830, time);
    out.bytes(847, "0000000000000000");
    out.bytes(864, "0000000000000000");
    out.u8(881, 1);
}

} // namespace

std::string isoVolumeIdentifier(const std::string& utf8, const std::string& fallback)
{
    const std::string id = dCharacters(utf8).substr(0, 32);
    return id.find_first_not_of('_') == std::string::npos ? fallback : id;
}

BridgeSectors buildFileSystemBridge(BridgeVolume volume)
{
    BridgeSectors result;
    const uint32_t tailSectors = udfTailSectors(volume);
    volume.volumeSectors = volume.dataEndLsn + tailSectors;
    result.volumeSectors = volume.volumeSectors;

    const Timestamp time;
    std::vector<IsoDirectory> directories = listDirectories(volume.root);
    layOutDirectories(directories);
    const IsoDirectory& last = directories.back();
    const std::vector<uint8_t> littleTable = pathTable(directories, false);
    if (last.lsn + last.size / sacd::kSectorSize > kIsoDirectoriesEndLsn || littleTable.size() > sacd::kSectorSize)
        return result;

    result.front.assign(size_t(kUdfAnchorLsn + 1 - kBridgeFirstSector) * sacd::kSectorSize, 0);
    auto sector = [&](uint32_t lsn) {
        return result.front.data() + size_t(lsn - kBridgeFirstSector) * sacd::kSectorSize;
    };
    putPrimaryDescriptor(sector(kPrimaryDescriptorLsn), volume, directories[0].records[0], uint32_t(littleTable.size()),
                         time);
    ByteWriter terminator(sector(kTerminatorLsn));
    terminator.u8(0, 255);
    terminator.bytes(1, "CD001");
    terminator.u8(6, 1);
    const std::vector<uint8_t> bigTable = pathTable(directories, true);
    std::memcpy(sector(kLittlePathTableLsn), littleTable.data(), littleTable.size());
    std::memcpy(sector(kBigPathTableLsn), bigTable.data(), bigTable.size());
    for (const IsoDirectory& directory : directories) {
        const std::vector<uint8_t> bytes = directoryBytes(directory.records, time);
        std::memcpy(sector(directory.lsn), bytes.data(), bytes.size());
    }

    result.tail = buildUdf(volume, result.front);
    return result;
}

} // namespace orvi::engine
