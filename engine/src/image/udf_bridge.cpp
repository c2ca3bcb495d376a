#include "image/udf_bridge.h"

#include "image/byte_writer.h"
#include "image/creation_time.h"
#include "image/sacd_layout.h"

#include <QDateTime>

#include <cstring>

namespace orvi::engine {

namespace {

constexpr uint32_t kSector = sacd::kSectorSize;
constexpr uint32_t kRecognitionLsn = 18; // BEA01, NSR02, TEA01 after the ISO 9660 terminator
constexpr uint32_t kMainSequenceLsn = 64;
constexpr uint32_t kReserveSequenceLsn = 80;
constexpr uint32_t kSequenceSectors = 16;
constexpr uint32_t kIntegrityLsn = 96;
constexpr uint32_t kPartitionStartLsn = kUdfAnchorLsn + 1;
constexpr uint32_t kMaxExtent = 0x3FFFF800; // largest sector multiple a 30-bit extent length holds
constexpr uint16_t kDescriptorVersion = 2;  // NSR02: UDF 1.02
constexpr uint16_t kUdfRevision = 0x0102;
constexpr size_t kMaxIdentifier = 255; // bytes of a file identifier, its compression id included

enum Tag : uint16_t {
    PrimaryVolume = 1,
    Anchor = 2,
    ImplementationUse = 4,
    Partition = 5,
    LogicalVolume = 6,
    UnallocatedSpace = 7,
    Terminating = 8,
    Integrity = 9,
    FileSet = 256,
    FileIdentifier = 257,
    FileEntry = 261,
};

// CRC-ITU-T (x^16 + x^12 + x^5 + 1), initial value 0, as the descriptor tags use.
uint16_t crc16(const uint8_t* data, size_t size)
{
    uint16_t crc = 0;
    for (size_t i = 0; i < size; ++i) {
        crc ^= uint16_t(data[i] << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = uint16_t(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

// Fills the 16-byte tag of a descriptor of `length` bytes at `d`.
void putTag(uint8_t* d, Tag id, uint32_t location, size_t length)
{
    ByteWriter out(d);
    out.le16(0, id);
    out.le16(2, kDescriptorVersion);
    out.le16(6, 1); // serial number
    out.le16(8, crc16(d + 16, length - 16));
    out.le16(10, uint32_t(length - 16));
    out.le32(12, location);
    uint8_t sum = 0;
    for (int i = 0; i < 16; ++i) {
        if (i != 4)
            sum = uint8_t(sum + d[i]);
    }
    out.u8(4, sum);
}

void putEntityId(ByteWriter& out, size_t at, const std::string& identifier, bool udfSuffix = false)
{
    out.bytes(at + 1, identifier);
    if (udfSuffix)
        out.le16(at + 24, kUdfRevision);
}

void putCharspec(ByteWriter& out, size_t at)
{
    out.u8(at, 0); // CS0
    out.bytes(at + 1, "OSTA Compressed Unicode");
}

// OSTA compressed Unicode: 8 bits per character when every character fits,
// else 16 bits big-endian. Returns the compression id and characters.
std::string compressedUnicode(const std::string& utf8, size_t maxBytes)
{
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    bool narrow = true;
    for (QChar c : text)
        narrow = narrow && c.unicode() < 256;
    std::string out(1, char(narrow ? 8 : 16));
    for (QChar c : text) {
        if (out.size() + (narrow ? 1 : 2) > maxBytes)
            break;
        if (!narrow)
            out += char(c.unicode() >> 8);
        out += char(c.unicode() & 0xff);
    }
    return out;
}

// A fixed-size dstring field: characters, then their length in the last byte.
void putDString(ByteWriter& out, size_t at, size_t fieldSize, const std::string& utf8)
{
    if (utf8.empty())
        return;
    const std::string chars = compressedUnicode(utf8, fieldSize - 1);
    out.bytes(at, chars);
    out.u8(at + fieldSize - 1, uint32_t(chars.size()));
}

void putTimestamp(ByteWriter& out, size_t at, const QDateTime& utc)
{
    out.le16(at, 0x1000); // local time, offset 0 from UTC
    out.le16(at + 2, uint32_t(utc.date().year()));
    out.u8(at + 4, uint32_t(utc.date().month()));
    out.u8(at + 5, uint32_t(utc.date().day()));
    out.u8(at + 6, uint32_t(utc.time().hour()));
    out.u8(at + 7, uint32_t(utc.time().minute()));
    out.u8(at + 8, uint32_t(utc.time().second()));
}

void putLongAd(ByteWriter& out, size_t at, uint32_t length, uint32_t block)
{
    out.le32(at, length);
    out.le32(at + 4, block);
    out.le16(at + 8, 0); // partition reference
}

size_t identifierBytes(const std::string& name)
{
    const size_t raw = 38 + compressedUnicode(name, kMaxIdentifier).size();
    return (raw + 3) / 4 * 4;
}

uint32_t sectorsFor(uint64_t bytes)
{
    return uint32_t((bytes + kSector - 1) / kSector);
}

// A directory of the tail: its file entry, then its identifiers' blocks
// (logical blocks from the partition start).
struct TailDirectory {
    const BridgeDirectory* source;
    size_t parent; // index into the plan's list; the root is its own parent
    uint32_t entryBlock = 0;
    uint32_t dataBlock = 0;
    uint32_t dataBytes = 0;
};

// What the tail holds, in order: the file set descriptor and its
// terminator, each directory (in the order of a walk from the root), the
// files' entries and the closing anchor.
struct TailPlan {
    uint32_t tailLsn = 0;
    uint32_t fileSetBlock = 0;
    std::vector<TailDirectory> directories;
    uint32_t firstFileEntryBlock = 0;
    uint32_t fileCount = 0;
    uint32_t anchorLsn = 0;
    uint32_t sectors = 0;
};

TailPlan planTail(const BridgeVolume& volume)
{
    TailPlan plan;
    plan.tailLsn = volume.dataEndLsn;
    plan.fileSetBlock = volume.dataEndLsn - kPartitionStartLsn;
    plan.directories.push_back({&volume.root, 0});
    for (size_t i = 0; i < plan.directories.size(); ++i) {
        for (const BridgeDirectory& child : plan.directories[i].source->directories)
            plan.directories.push_back({&child, i});
    }
    uint32_t block = plan.fileSetBlock + 2;
    for (TailDirectory& directory : plan.directories) {
        size_t bytes = 40; // the parent entry: 38 bytes, padded
        for (const BridgeFile& f : directory.source->files)
            bytes += identifierBytes(f.name);
        for (const BridgeDirectory& d : directory.source->directories)
            bytes += identifierBytes(d.name);
        directory.dataBytes = uint32_t(bytes);
        directory.entryBlock = block;
        directory.dataBlock = block + 1;
        block = directory.dataBlock + sectorsFor(directory.dataBytes);
        plan.fileCount += uint32_t(directory.source->files.size());
    }
    plan.firstFileEntryBlock = block;
    plan.anchorLsn = kPartitionStartLsn + plan.firstFileEntryBlock + plan.fileCount;
    plan.sectors = plan.anchorLsn + 1 - plan.tailLsn;
    return plan;
}

class Tail
{
public:
    Tail(const TailPlan& plan) : m_plan(plan), m_bytes(size_t(plan.sectors) * kSector, 0) {}
    uint8_t* block(uint32_t lb) { return m_bytes.data() + size_t(lb + kPartitionStartLsn - m_plan.tailLsn) * kSector; }
    std::vector<uint8_t> take() { return std::move(m_bytes); }

private:
    const TailPlan& m_plan;
    std::vector<uint8_t> m_bytes;
};

void putFileEntry(uint8_t* d, uint32_t block, bool directory, uint64_t size, uint32_t dataBlock, uint64_t uniqueId,
                  uint32_t links, const QDateTime& time)
{
    ByteWriter out(d);
    // ICB tag: strategy 4, one entry, short allocation descriptors.
    out.le16(16 + 4, 4);
    out.le16(16 + 8, 1);
    out.u8(16 + 11, directory ? 4 : 5);
    out.le32(36, 0xFFFFFFFF); // owner and group unknown
    out.le32(40, 0xFFFFFFFF);
    // Read for everyone, plus search on directories.
    const uint32_t each = directory ? 0x5 : 0x4;
    out.le32(44, each | each << 5 | each << 10);
    out.le16(48, links);
    out.le64(56, size);
    out.le64(64, (size + kSector - 1) / kSector);
    putTimestamp(out, 72, time);
    putTimestamp(out, 84, time);
    putTimestamp(out, 96, time);
    out.le32(108, 1); // checkpoint
    putEntityId(out, 128, "*Orvi Lathe");
    out.le64(160, uniqueId);
    uint32_t descriptors = 0;
    uint64_t remaining = size;
    uint32_t at = dataBlock;
    do {
        const uint32_t part = uint32_t(std::min<uint64_t>(remaining, kMaxExtent));
        out.le32(176 + 8 * descriptors, part);
        out.le32(176 + 8 * descriptors + 4, at);
        ++descriptors;
        remaining -= part;
        at += part / kSector;
    } while (remaining > 0);
    out.le32(172, descriptors * 8);
    putTag(d, FileEntry, block, 176 + descriptors * 8);
}

// Writes a directory's identifiers into the blocks from `dataBlock`; entries
// may run across block boundaries, each tag naming the block it starts in.
void putDirectory(Tail& tail, uint32_t dataBlock, uint32_t bytes, uint32_t parentEntryBlock,
                  const std::vector<std::pair<std::string, uint32_t>>& directories,
                  const std::vector<std::pair<std::string, uint32_t>>& files)
{
    std::vector<uint8_t> data(size_t(sectorsFor(bytes)) * kSector, 0);
    size_t at = 0;
    auto put = [&](const std::string& name, uint32_t entryBlock, uint8_t characteristics) {
        std::vector<uint8_t> fid(name.empty() ? 40 : identifierBytes(name), 0);
        ByteWriter out(fid.data());
        out.le16(16, 1); // file version
        out.u8(18, characteristics);
        const std::string identifier = name.empty() ? std::string() : compressedUnicode(name, kMaxIdentifier);
        out.u8(19, uint32_t(identifier.size()));
        putLongAd(out, 20, kSector, entryBlock);
        out.bytes(38, identifier);
        putTag(fid.data(), FileIdentifier, dataBlock + uint32_t(at / kSector), fid.size());
        std::memcpy(data.data() + at, fid.data(), fid.size());
        at += fid.size();
    };
    put("", parentEntryBlock, 0x0A); // parent, directory
    for (const auto& [name, block] : directories)
        put(name, block, 0x02);
    for (const auto& [name, block] : files)
        put(name, block, 0x00);
    std::memcpy(tail.block(dataBlock), data.data(), data.size());
}

std::vector<uint8_t> buildTail(const BridgeVolume& volume, const TailPlan& plan, const QDateTime& time)
{
    Tail tail(plan);
    {
        uint8_t* d = tail.block(plan.fileSetBlock);
        ByteWriter out(d);
        putTimestamp(out, 16, time);
        out.le16(28, 3); // interchange level
        out.le16(30, 3);
        out.le32(32, 1); // character set list: CS0
        out.le32(36, 1);
        putCharspec(out, 48);
        putDString(out, 112, 128, volume.volumeId.empty() ? volume.fallbackId : volume.volumeId);
        putCharspec(out, 240);
        putDString(out, 304, 32, volume.volumeId.empty() ? volume.fallbackId : volume.volumeId);
        putLongAd(out, 400, kSector, plan.directories[0].entryBlock);
        putEntityId(out, 416, "*OSTA UDF Compliant", true);
        putTag(d, FileSet, plan.fileSetBlock, 512);
        putTag(tail.block(plan.fileSetBlock + 1), Terminating, plan.fileSetBlock + 1, 512);
    }

    uint64_t uniqueId = 16; // 1..15 are reserved; the root has 0
    uint32_t entryBlock = plan.firstFileEntryBlock;
    for (size_t i = 0; i < plan.directories.size(); ++i) {
        const TailDirectory& directory = plan.directories[i];
        std::vector<std::pair<std::string, uint32_t>> subdirectories, files;
        for (size_t c = 1; c < plan.directories.size(); ++c) {
            if (plan.directories[c].parent == i)
                subdirectories.emplace_back(plan.directories[c].source->name, plan.directories[c].entryBlock);
        }
        for (const BridgeFile& file : directory.source->files) {
            putFileEntry(tail.block(entryBlock), entryBlock, false, file.size, file.lsn - kPartitionStartLsn,
                         uniqueId++, 1, time);
            files.emplace_back(file.name, entryBlock++);
        }
        // Links: its identifier in the parent (the root's own parent entry)
        // and each subdirectory's parent entry.
        putFileEntry(tail.block(directory.entryBlock), directory.entryBlock, true, directory.dataBytes,
                     directory.dataBlock, i == 0 ? 0 : uniqueId++, uint32_t(1 + subdirectories.size()), time);
        putDirectory(tail, directory.dataBlock, directory.dataBytes, plan.directories[directory.parent].entryBlock,
                     subdirectories, files);
    }
    return tail.take();
}

void putAnchor(uint8_t* d, uint32_t lsn)
{
    ByteWriter out(d);
    out.le32(16, kSequenceSectors * kSector);
    out.le32(20, kMainSequenceLsn);
    out.le32(24, kSequenceSectors * kSector);
    out.le32(28, kReserveSequenceLsn);
    putTag(d, Anchor, lsn, 512);
}

void putVolumeSequence(std::vector<uint8_t>& front, uint32_t firstLsn, const BridgeVolume& volume, const TailPlan& plan,
                       const QDateTime& time)
{
    auto sector = [&](uint32_t lsn) { return front.data() + size_t(lsn - kBridgeFirstSector) * kSector; };
    const std::string volumeId = volume.volumeId.empty() ? volume.fallbackId : volume.volumeId;
    const std::string setId = time.toString("yyyyMMddHHmmss").toStdString() + " " + volumeId;
    uint32_t lsn = firstLsn;
    uint32_t sequence = 0;
    {
        uint8_t* d = sector(lsn);
        ByteWriter out(d);
        out.le32(16, sequence++);
        putDString(out, 24, 32, volumeId);
        out.le16(56, 1); // volume sequence number
        out.le16(58, 1);
        out.le16(60, 2); // interchange level
        out.le16(62, 2);
        out.le32(64, 1);
        out.le32(68, 1);
        putDString(out, 72, 128, setId);
        putCharspec(out, 200);
        putCharspec(out, 264);
        putEntityId(out, 344, "*Orvi Lathe");
        putTimestamp(out, 376, time);
        putEntityId(out, 388, "*Orvi Lathe");
        putTag(d, PrimaryVolume, lsn++, 512);
    }
    {
        uint8_t* d = sector(lsn);
        ByteWriter out(d);
        out.le32(16, sequence++);
        putEntityId(out, 20, "*UDF LV Info", true);
        putCharspec(out, 52);
        putDString(out, 116, 128, volumeId);
        putEntityId(out, 352, "*Orvi Lathe");
        putTag(d, ImplementationUse, lsn++, 512);
    }
    {
        uint8_t* d = sector(lsn);
        ByteWriter out(d);
        out.le32(16, sequence++);
        out.le16(20, 1); // allocated
        out.le16(22, 0); // partition number
        putEntityId(out, 24, "+NSR02");
        out.le32(184, 1); // read only
        out.le32(188, kPartitionStartLsn);
        out.le32(192, plan.anchorLsn - kPartitionStartLsn);
        putEntityId(out, 196, "*Orvi Lathe");
        putTag(d, Partition, lsn++, 512);
    }
    {
        uint8_t* d = sector(lsn);
        ByteWriter out(d);
        out.le32(16, sequence++);
        putCharspec(out, 20);
        putDString(out, 84, 128, volumeId);
        out.le32(212, kSector);
        putEntityId(out, 216, "*OSTA UDF Compliant", true);
        putLongAd(out, 248, 2 * kSector, plan.fileSetBlock);
        out.le32(264, 6); // one type-1 partition map
        out.le32(268, 1);
        putEntityId(out, 272, "*Orvi Lathe");
        out.le32(432, 2 * kSector);
        out.le32(436, kIntegrityLsn);
        out.u8(440, 1);
        out.u8(441, 6);
        out.le16(442, 1);
        out.le16(444, 0);
        putTag(d, LogicalVolume, lsn++, 446);
    }
    {
        uint8_t* d = sector(lsn);
        ByteWriter(d).le32(16, sequence++);
        putTag(d, UnallocatedSpace, lsn++, 24);
    }
    putTag(sector(lsn), Terminating, lsn, 512);
}

void putIntegrity(std::vector<uint8_t>& front, const TailPlan& plan, const QDateTime& time)
{
    uint8_t* d = front.data() + size_t(kIntegrityLsn - kBridgeFirstSector) * kSector;
    ByteWriter out(d);
    putTimestamp(out, 16, time);
    out.le32(28, 1); // closed
    const uint32_t directories = uint32_t(plan.directories.size());
    out.le64(40, 16 + plan.fileCount + directories - 1); // next unique id
    out.le32(72, 1);
    out.le32(76, 46);
    out.le32(80, 0);                                   // free space
    out.le32(84, plan.anchorLsn - kPartitionStartLsn); // partition size
    putEntityId(out, 88, "*Orvi Lathe");
    out.le32(120, plan.fileCount);
    out.le32(124, directories);
    out.le16(128, kUdfRevision);
    out.le16(130, kUdfRevision);
    out.le16(132, kUdfRevision);
    putTag(d, Integrity, kIntegrityLsn, 134);
    putTag(d + kSector, Terminating, kIntegrityLsn + 1, 512);
}

} // namespace

uint32_t udfTailSectors(const BridgeVolume& volume)
{
    return planTail(volume).sectors;
}

std::vector<uint8_t> buildUdf(const BridgeVolume& volume, std::vector<uint8_t>& front)
{
    const QDateTime time = imageCreationTime();
    const TailPlan plan = planTail(volume);
    const char* recognition[3] = {"BEA01", "NSR02", "TEA01"};
    for (uint32_t i = 0; i < 3; ++i) {
        ByteWriter out(front.data() + size_t(kRecognitionLsn + i - kBridgeFirstSector) * kSector);
        out.bytes(1, recognition[i]);
        out.u8(6, 1);
    }
    putVolumeSequence(front, kMainSequenceLsn, volume, plan, time);
    putVolumeSequence(front, kReserveSequenceLsn, volume, plan, time);
    putIntegrity(front, plan, time);
    putAnchor(front.data() + size_t(kUdfAnchorLsn - kBridgeFirstSector) * kSector, kUdfAnchorLsn);

    std::vector<uint8_t> tail = buildTail(volume, plan, time);
    putAnchor(tail.data() + size_t(plan.anchorLsn - plan.tailLsn) * kSector, plan.anchorLsn);
    return tail;
}

} // namespace orvi::engine
