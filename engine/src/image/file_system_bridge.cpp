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
// sequence right after their terminator (18..20), the two path tables, the
// root directory and then the audio directory, all below the UDF volume
// descriptors at 64.
constexpr uint32_t kPrimaryDescriptorLsn = 16;
constexpr uint32_t kTerminatorLsn = 17;
constexpr uint32_t kLittlePathTableLsn = 21;
constexpr uint32_t kBigPathTableLsn = 22;
constexpr uint32_t kRootDirectoryLsn = 23;
constexpr uint32_t kAudioDirectoryLsn = 24;
constexpr uint32_t kIsoDirectoriesEndLsn = 64; // the UDF volume descriptors follow
constexpr uint64_t kMaxExtentBytes = 0xFFFFF800ull; // largest multiple of 2048 below 4 GiB

struct Timestamp {
    QDateTime utc = imageCreationTime();
};

// d-characters only: A-Z, 0-9 and "_".
std::string volumeIdentifier(const std::string& utf8)
{
    std::string id;
    for (char c : utf8) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        id += plain ? c : '_';
        if (id.size() == 32)
            break;
    }
    return id.find_first_not_of('_') == std::string::npos ? std::string("SACD") : id;
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

std::vector<Record> directoryRecords(uint32_t self, uint32_t selfSize, uint32_t parent, uint32_t parentSize,
                                     std::vector<BridgeFile> files, const std::vector<Record>& subdirectories)
{
    std::vector<Record> records = {{std::string(1, '\0'), self, selfSize, 0x02},
                                   {std::string(1, '\1'), parent, parentSize, 0x02}};
    std::vector<Record> entries = subdirectories;
    for (const BridgeFile& file : files)
        appendFileRecords(entries, file);
    // Identifiers in ascending order; the extents of one file stay in order.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Record& a, const Record& b) { return a.identifier < b.identifier; });
    records.insert(records.end(), entries.begin(), entries.end());
    return records;
}

void putPathTable(uint8_t* at, bool bigEndian, uint32_t audioDirectoryLsn)
{
    ByteWriter out(at);
    // Root: identifier "\0", parent 1.
    out.u8(0, 1);
    bigEndian ? out.be32(2, kRootDirectoryLsn) : out.le32(2, kRootDirectoryLsn);
    bigEndian ? out.be16(6, 1) : out.le16(6, 1);
    // 2C_AUDIO, child of directory 1.
    const std::string name = "2C_AUDIO";
    out.u8(10, uint32_t(name.size()));
    bigEndian ? out.be32(12, audioDirectoryLsn) : out.le32(12, audioDirectoryLsn);
    bigEndian ? out.be16(16, 1) : out.le16(16, 1);
    out.bytes(18, name);
}
constexpr uint32_t kPathTableBytes = 10 + 8 + 8; // root entry (10) + "2C_AUDIO" entry (8 + 8)

void putVolumeDate(ByteWriter& out, size_t at, const Timestamp& time)
{
    out.bytes(at, time.utc.toString("yyyyMMddHHmmss").toStdString() + "00");
    out.u8(at + 16, 0);
}

void putPrimaryDescriptor(uint8_t* at, const BridgeVolume& volume, const Record& root, const Timestamp& time)
{
    ByteWriter out(at);
    out.u8(0, 1);
    out.bytes(1, "CD001");
    out.u8(6, 1);
    out.padded(8, "", 32);
    out.padded(40, volumeIdentifier(volume.volumeId), 32);
    out.both32(80, volume.volumeSectors);
    out.both16(120, 1);
    out.both16(124, 1);
    out.both16(128, sacd::kSectorSize);
    out.both32(132, kPathTableBytes);
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

BridgeSectors buildFileSystemBridge(BridgeVolume volume)
{
    BridgeSectors result;
    const uint32_t tailSectors = udfTailSectors(volume);
    volume.volumeSectors = volume.dataEndLsn + tailSectors;
    result.volumeSectors = volume.volumeSectors;

    const Timestamp time;
    // The audio directory's size decides where the root's records point, so
    // measure it first with placeholder extents.
    const std::vector<Record> audioProbe = directoryRecords(0, 0, 0, 0, volume.audioDirectory.files, {});
    const uint32_t audioSize = uint32_t(directorySectors(audioProbe) * sacd::kSectorSize);
    const uint32_t rootSize = sacd::kSectorSize;
    const Record audioEntry{"2C_AUDIO", kAudioDirectoryLsn, audioSize, 0x02};
    const std::vector<Record> rootRecords =
        directoryRecords(kRootDirectoryLsn, rootSize, kRootDirectoryLsn, rootSize, volume.rootFiles, {audioEntry});
    const std::vector<Record> audioRecords = directoryRecords(kAudioDirectoryLsn, audioSize, kRootDirectoryLsn,
                                                              rootSize, volume.audioDirectory.files, {});
    const std::vector<uint8_t> rootBytes = directoryBytes(rootRecords, time);
    const std::vector<uint8_t> audioBytes = directoryBytes(audioRecords, time);
    const uint32_t endLsn = kAudioDirectoryLsn + uint32_t(audioBytes.size() / sacd::kSectorSize);
    if (rootBytes.size() != rootSize || endLsn > kIsoDirectoriesEndLsn)
        return result;

    result.front.assign(size_t(kUdfAnchorLsn + 1 - kBridgeFirstSector) * sacd::kSectorSize, 0);
    auto sector = [&](uint32_t lsn) {
        return result.front.data() + size_t(lsn - kBridgeFirstSector) * sacd::kSectorSize;
    };
    putPrimaryDescriptor(sector(kPrimaryDescriptorLsn), volume, rootRecords[0], time);
    ByteWriter terminator(sector(kTerminatorLsn));
    terminator.u8(0, 255);
    terminator.bytes(1, "CD001");
    terminator.u8(6, 1);
    putPathTable(sector(kLittlePathTableLsn), false, kAudioDirectoryLsn);
    putPathTable(sector(kBigPathTableLsn), true, kAudioDirectoryLsn);
    std::memcpy(sector(kRootDirectoryLsn), rootBytes.data(), rootBytes.size());
    std::memcpy(sector(kAudioDirectoryLsn), audioBytes.data(), audioBytes.size());

    result.tail = buildUdf(volume, result.front);
    return result;
}

} // namespace orvi::engine
