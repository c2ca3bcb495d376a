#include "reader/udf_tree.h"

#include <QString>

namespace orvi::engine::reader {

namespace {

constexpr uint32_t kSector = 2048;
constexpr uint32_t kAnchorSector = 256;
constexpr int kMaxDepth = 16;
constexpr size_t kMaxEntries = 100000;
constexpr uint64_t kMaxDirectoryBytes = 16 * 1024 * 1024;

enum : uint16_t {
    kPrimaryVolume = 1,
    kAnchor = 2,
    kPartition = 5,
    kLogicalVolume = 6,
    kTerminating = 8,
    kFileSet = 256,
    kFileIdentifier = 257,
    kFileEntry = 261,
    kExtendedFileEntry = 266,
};

uint16_t le16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}
uint32_t le32(const uint8_t* p)
{
    return uint32_t(le16(p)) | uint32_t(le16(p + 2)) << 16;
}
uint64_t le64(const uint8_t* p)
{
    return uint64_t(le32(p)) | uint64_t(le32(p + 4)) << 32;
}

// OSTA compressed Unicode: compression id 8 (one byte a character) or 16
// (UTF-16 big-endian).
std::string decodeIdentifier(const uint8_t* p, size_t length)
{
    if (length < 1)
        return {};
    QString text;
    if (p[0] == 8) {
        for (size_t i = 1; i < length; ++i)
            text += QChar(p[i]);
    } else if (p[0] == 16) {
        for (size_t i = 1; i + 1 < length; i += 2)
            text += QChar(char16_t(p[i] << 8 | p[i + 1]));
    }
    return text.toStdString();
}

std::string decodeDString(const uint8_t* field, size_t size)
{
    return decodeIdentifier(field, std::min<size_t>(field[size - 1], size - 1));
}

class TreeReader
{
public:
    TreeReader(QFile& image, UdfTree& tree) : m_image(image), m_tree(tree) {}

    bool run(std::string& error);

private:
    bool sector(uint64_t lsn, std::vector<uint8_t>& out, uint16_t expectedTag);
    bool readVolumeDescriptors(uint32_t first, uint32_t count);
    bool readEntry(uint32_t block, UdfEntry& entry);
    bool readDirectory(const UdfEntry& directory, int depth);

    QFile& m_image;
    UdfTree& m_tree;
    uint64_t m_partitionStart = 0;
    uint32_t m_fileSetBlock = 0;
    bool m_havePartition = false, m_haveLogicalVolume = false;
    std::string m_problem;
};

bool TreeReader::sector(uint64_t lsn, std::vector<uint8_t>& out, uint16_t expectedTag)
{
    out.resize(kSector);
    if (!m_image.seek(qint64(lsn * kSector)) || m_image.read(reinterpret_cast<char*>(out.data()), kSector) != kSector) {
        m_problem = "cannot read sector " + std::to_string(lsn);
        return false;
    }
    if (expectedTag != 0 && le16(out.data()) != expectedTag) {
        m_problem = "sector " + std::to_string(lsn) + " holds no UDF descriptor " + std::to_string(expectedTag);
        return false;
    }
    return true;
}

bool TreeReader::readVolumeDescriptors(uint32_t first, uint32_t count)
{
    std::vector<uint8_t> d;
    for (uint32_t i = 0; i < count; ++i) {
        if (!sector(first + i, d, 0))
            return false;
        const uint16_t tag = le16(d.data());
        if (tag == kTerminating || tag == 0)
            break;
        if (tag == kPartition) {
            m_partitionStart = le32(d.data() + 188);
            m_havePartition = true;
        } else if (tag == kLogicalVolume) {
            m_tree.volumeId = decodeDString(d.data() + 84, 128);
            m_fileSetBlock = le32(d.data() + 252);
            m_haveLogicalVolume = true;
        }
    }
    return m_havePartition && m_haveLogicalVolume;
}

// A file entry's size and extents; embedded data is not written by any
// disc this engine reads, so it is refused.
bool TreeReader::readEntry(uint32_t block, UdfEntry& entry)
{
    std::vector<uint8_t> d;
    if (!sector(m_partitionStart + block, d, 0))
        return false;
    const uint16_t tag = le16(d.data());
    if (tag != kFileEntry && tag != kExtendedFileEntry) {
        m_problem = "block " + std::to_string(block) + " holds no file entry";
        return false;
    }
    const bool extended = tag == kExtendedFileEntry;
    entry.directory = d[16 + 11] == 4;
    entry.size = le64(d.data() + 56);
    const uint32_t extendedAttributes = le32(d.data() + (extended ? 208 : 168));
    const uint32_t descriptors = le32(d.data() + (extended ? 212 : 172));
    const size_t first = (extended ? 216 : 176) + size_t(extendedAttributes);
    const uint16_t kind = le16(d.data() + 16 + 18) & 7;
    const size_t step = kind == 0 ? 8 : kind == 1 ? 16 : 0;
    if (step == 0 || first + descriptors > kSector) {
        m_problem = "block " + std::to_string(block) + ": unsupported allocation descriptors";
        return false;
    }
    for (size_t at = first; at + step <= first + descriptors; at += step) {
        const uint32_t length = le32(d.data() + at) & 0x3FFFFFFF;
        if (length == 0)
            break;
        entry.extents.push_back({m_partitionStart + le32(d.data() + at + 4), length});
    }
    return true;
}

bool TreeReader::readDirectory(const UdfEntry& directory, int depth)
{
    if (depth > kMaxDepth || directory.size > kMaxDirectoryBytes) {
        m_problem = directory.path + ": directory too deep or too large";
        return false;
    }
    std::vector<uint8_t> data;
    if (!readUdfFile(m_image, directory, [&](const char* bytes, size_t size) {
            data.insert(data.end(), bytes, bytes + size);
            return true;
        })) {
        m_problem = directory.path + ": cannot read the directory";
        return false;
    }
    std::vector<UdfEntry> subdirectories;
    for (size_t at = 0; at + 38 <= data.size();) {
        const uint8_t* fid = data.data() + at;
        if (le16(fid) != kFileIdentifier)
            break;
        const uint8_t characteristics = fid[18];
        const size_t nameLength = fid[19];
        const size_t implementationUse = le16(fid + 36);
        const size_t length = (38 + implementationUse + nameLength + 3) / 4 * 4;
        if (at + 38 + implementationUse + nameLength > data.size())
            break;
        at += length;
        if (characteristics & 0x0C) // the parent entry, or a deleted one
            continue;
        UdfEntry entry;
        entry.path = (directory.path == "/" ? std::string() : directory.path) + "/"
            + decodeIdentifier(fid + 38 + implementationUse, nameLength);
        if (m_tree.entries.size() >= kMaxEntries || !readEntry(le32(fid + 24), entry))
            return false;
        m_tree.entries.push_back(entry);
        if (entry.directory)
            subdirectories.push_back(entry);
    }
    for (const UdfEntry& subdirectory : subdirectories) {
        if (!readDirectory(subdirectory, depth + 1))
            return false;
    }
    return true;
}

bool TreeReader::run(std::string& error)
{
    std::vector<uint8_t> anchor;
    std::vector<uint8_t> fileSet;
    UdfEntry root;
    root.path = "/";
    const bool read = sector(kAnchorSector, anchor, kAnchor)
        && readVolumeDescriptors(le32(anchor.data() + 20), le32(anchor.data() + 16) / kSector)
        && sector(m_partitionStart + m_fileSetBlock, fileSet, kFileSet) && readEntry(le32(fileSet.data() + 404), root)
        && readDirectory(root, 0);
    if (!read)
        error = m_problem.empty() ? std::string("no UDF volume") : m_problem;
    return read;
}

} // namespace

bool readUdfTree(QFile& image, UdfTree& tree, std::string& error)
{
    tree = {};
    return TreeReader(image, tree).run(error);
}

bool readUdfFile(QFile& image, const UdfEntry& entry, const std::function<bool(const char*, size_t)>& sink)
{
    constexpr qint64 kPiece = 1024 * 1024;
    QByteArray buffer(kPiece, Qt::Uninitialized);
    uint64_t remaining = entry.size;
    for (const UdfExtent& extent : entry.extents) {
        if (!image.seek(qint64(extent.sector * kSector)))
            return false;
        uint64_t left = std::min<uint64_t>(extent.bytes, remaining);
        remaining -= left;
        while (left > 0) {
            const qint64 want = qint64(std::min<uint64_t>(left, kPiece));
            if (image.read(buffer.data(), want) != want || !sink(buffer.constData(), size_t(want)))
                return false;
            left -= uint64_t(want);
        }
    }
    return remaining == 0;
}

} // namespace orvi::engine::reader
