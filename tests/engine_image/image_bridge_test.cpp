// The file-system bridge: mounted, the image shows the master TOCs, the area
// TOCs, the Track Area and each track as files at the disc's own extents, and
// the cover picture stored after the last area, through ISO 9660 and through
// UDF alike.

#include "image/file_system_bridge.h"
#include "image/image_writer.h"
#include "image_test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <map>

using namespace imagetest;
using orvi::engine::DiscSpec;

namespace {

struct Entry {
    uint32_t lsn;
    uint32_t size;
    uint32_t flags;
};

uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint32_t be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

// Reads one directory's records into name -> entry (";1" stripped), checking
// both byte orders agree and that no record straddles a sector.
std::map<std::string, Entry> readDirectory(const Image& image, uint32_t lsn, uint32_t size)
{
    std::map<std::string, Entry> entries;
    for (uint32_t offset = 0; offset < size;) {
        const uint8_t* r = image.sector(lsn) + offset;
        if (r[0] == 0) { // rest of this sector unused
            offset = (offset / kSector + 1) * kSector;
            continue;
        }
        CHECK(offset % kSector + r[0] <= kSector);
        CHECK_EQ(le32(r + 2), be32(r + 6));
        CHECK_EQ(le32(r + 10), be32(r + 14));
        std::string name(reinterpret_cast<const char*>(r + 33), r[32]);
        if (name.size() > 2 && name.substr(name.size() - 2) == ";1")
            name.resize(name.size() - 2);
        entries[name] = {le32(r + 2), le32(r + 10), r[25]};
        offset += r[0];
    }
    return entries;
}

void checkEntries(const std::map<std::string, Entry>& directory, const std::map<std::string, Entry>& expected)
{
    for (const auto& [name, want] : expected) {
        const auto it = directory.find(name);
        if (!CHECK(it != directory.end() && it->second.lsn == want.lsn && it->second.size == want.size))
            std::fprintf(stderr, "  %s missing or misplaced\n", name.c_str());
    }
}

// Descriptor tags of UDF: checksum over the 16 tag bytes but the fifth,
// CRC-ITU-T over the body.
bool udfTagValid(const uint8_t* d, uint32_t id, uint32_t location)
{
    uint8_t sum = 0;
    for (int i = 0; i < 16; ++i)
        sum = uint8_t(sum + (i == 4 ? 0 : d[i]));
    const uint32_t crcLength = d[10] | d[11] << 8;
    uint32_t crc = 0;
    for (uint32_t i = 0; i < crcLength; ++i) {
        for (int bit = 7; bit >= 0; --bit) {
            const bool top = (crc >> 15) & 1;
            crc = ((crc << 1) | ((d[16 + i] >> bit) & 1)) & 0xffff;
            if (top)
                crc ^= 0x1021;
        }
    }
    for (int i = 0; i < 16; ++i) { // flush the 16 zero bits of the augmented message
        const bool top = (crc >> 15) & 1;
        crc = (crc << 1) & 0xffff;
        if (top)
            crc ^= 0x1021;
    }
    const bool ok = d[4] == sum && uint32_t(d[0] | d[1] << 8) == id && le32(d + 12) == location
                    && uint32_t(d[8] | d[9] << 8) == crc;
    if (!ok)
        std::fprintf(stderr, "  bad UDF tag: id %u at location %u\n", id, location);
    return ok;
}

struct UdfFile {
    uint32_t lsn;
    uint64_t size;
    bool directory;
};

// Lists a UDF directory whose file entry is at logical block `entryBlock`.
std::map<std::string, UdfFile> readUdfDirectory(const Image& image, uint32_t partitionStart, uint32_t entryBlock)
{
    std::map<std::string, UdfFile> files;
    const uint8_t* fe = image.sector(partitionStart + entryBlock);
    CHECK(udfTagValid(fe, 261, entryBlock));
    const uint64_t size = le32(fe + 56);
    const uint32_t dataBlock = le32(fe + 176 + le32(fe + 168) + 4);
    const uint8_t* data = image.sector(partitionStart + dataBlock);
    for (uint64_t at = 0; at < size;) {
        const uint8_t* fid = data + at;
        CHECK(udfTagValid(fid, 257, dataBlock + uint32_t(at / kSector)));
        const uint32_t nameLength = fid[19];
        const uint32_t useLength = fid[36] | fid[37] << 8;
        if (nameLength > 0 && (fid[2] | fid[3] << 8) == 2) {
            const std::string name(reinterpret_cast<const char*>(fid + 38 + useLength + 1), nameLength - 1);
            const uint32_t block = le32(fid + 24);
            const uint8_t* entry = image.sector(partitionStart + block);
            CHECK(udfTagValid(entry, 261, block));
            files[name] = {partitionStart + le32(entry + 176 + le32(entry + 168) + 4), le32(entry + 56),
                           (fid[18] & 2) != 0};
            if (files[name].directory)
                files[name].lsn = block; // a directory is followed by its entry
        }
        at += (38 + useLength + nameLength + 3) / 4 * 4;
    }
    return files;
}

void checkUdf(const Image& image, const std::map<std::string, Entry>& isoRoot, const std::map<std::string, Entry>& isoAudio)
{
    CHECK_EQ(image.text(18, 1, 5), std::string("BEA01"));
    CHECK_EQ(image.text(19, 1, 5), std::string("NSR02"));
    CHECK_EQ(image.text(20, 1, 5), std::string("TEA01"));
    const uint32_t last = uint32_t(image.sectors() - 1);
    CHECK(udfTagValid(image.sector(256), 2, 256));
    CHECK(udfTagValid(image.sector(last), 2, last));

    uint32_t partitionStart = 0, fileSetBlock = 0;
    for (uint32_t lsn = le32(image.sector(256) + 20);; ++lsn) {
        const uint8_t* d = image.sector(lsn);
        const uint32_t id = d[0] | d[1] << 8;
        CHECK(udfTagValid(d, id, lsn));
        if (id == 5)
            partitionStart = le32(d + 188);
        if (id == 6) {
            CHECK_EQ(image.text(lsn, 217, 19), std::string("*OSTA UDF Compliant"));
            CHECK_EQ(uint32_t(d[240] | d[241] << 8), 0x0102u);
            fileSetBlock = le32(d + 252);
        }
        if (id == 8 || id == 0 || lsn > 300)
            break;
    }
    CHECK(partitionStart != 0 && fileSetBlock != 0);
    if (partitionStart == 0 || fileSetBlock == 0)
        return;
    const uint8_t* fsd = image.sector(partitionStart + fileSetBlock);
    CHECK(udfTagValid(fsd, 256, fileSetBlock));
    // Each file at the extent the ISO 9660 tree gives it.
    const auto sameFiles = [](const std::map<std::string, UdfFile>& udf, const std::map<std::string, Entry>& iso) {
        CHECK_EQ(udf.size(), iso.size() - 2); // ISO lists "." and ".." as records
        for (const auto& [name, entry] : iso) {
            const auto it = udf.find(name);
            CHECK((entry.flags & 2) || (it != udf.end() && it->second.lsn == entry.lsn && it->second.size == entry.size));
        }
    };
    const auto root = readUdfDirectory(image, partitionStart, le32(fsd + 404));
    sameFiles(root, isoRoot);
    const auto audioDir = root.find("2C_AUDIO");
    if (CHECK(audioDir != root.end() && audioDir->second.directory))
        sameFiles(readUdfDirectory(image, partitionStart, audioDir->second.lsn), isoAudio);
}

// A Track Area beyond 4 GiB: ISO 9660 records it as several extents (all but
// the last flagged multi-extent), UDF as several allocation descriptors.
void checkLargeFile()
{
    const uint64_t size = 5'000'000'000ull / kSector * kSector;
    orvi::engine::BridgeVolume volume;
    volume.volumeId = "Large";
    volume.root.directories.push_back({"2C_AUDIO", {{"2C_TAREA.2CH", 600, size}}, {}});
    volume.dataEndLsn = uint32_t(600 + size / kSector);
    const orvi::engine::BridgeSectors bridge = orvi::engine::buildFileSystemBridge(volume);
    CHECK(!bridge.front.empty());
    if (bridge.front.empty())
        return;
    Image image;
    image.bytes.assign(16 * kSector, 0);
    image.bytes.insert(image.bytes.end(), bridge.front.begin(), bridge.front.end());
    const uint8_t* rootRecord = image.sector(16) + 156;
    const auto root = readDirectory(image, le32(rootRecord + 2), le32(rootRecord + 10));
    const auto audioEntry = root.find("2C_AUDIO");
    CHECK(audioEntry != root.end());
    if (audioEntry == root.end())
        return;
    // Walk the raw records: the map above keeps one per name.
    uint64_t total = 0;
    uint32_t expectedLsn = 600;
    int extents = 0;
    for (uint32_t offset = 0; offset < audioEntry->second.size;) {
        const uint8_t* r = image.sector(audioEntry->second.lsn) + offset;
        if (r[0] == 0)
            break;
        if (r[32] > 1) {
            CHECK_EQ(le32(r + 2), expectedLsn);
            const bool more = total + le32(r + 10) < size;
            CHECK_EQ(uint32_t(r[25] & 0x80), more ? 0x80u : 0u);
            total += le32(r + 10);
            expectedLsn += le32(r + 10) / kSector;
            ++extents;
        }
        offset += r[0];
    }
    CHECK_EQ(total, size);
    CHECK_EQ(extents, 2);

    uint64_t udfTotal = 0;
    for (size_t at = 0; at < bridge.tail.size(); at += kSector) {
        const uint8_t* fe = bridge.tail.data() + at;
        if ((fe[0] | fe[1] << 8) != 261 || le32(fe + 56) + (uint64_t(le32(fe + 60)) << 32) != size)
            continue;
        const uint32_t descriptors = le32(fe + 172) / 8;
        CHECK_EQ(descriptors, 5u);
        uint32_t block = le32(fe + 176 + 4);
        for (uint32_t i = 0; i < descriptors; ++i) {
            const uint32_t length = le32(fe + 176 + 8 * i);
            CHECK(length <= 0x3FFFF800u);
            CHECK_EQ(le32(fe + 176 + 8 * i + 4), block);
            block += length / kSector;
            udfTotal += length;
        }
    }
    CHECK_EQ(udfTotal, size);
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const std::string output = dir.filePath("disc.iso").toStdString();
    const std::string coverPath = dir.filePath("front.jpg").toStdString();
    std::string cover = "\xff\xd8\xff\xe0";
    for (int i = 0; i < 5000; ++i)
        cover += char(patternByte(7, uint64_t(i)));
    {
        QFile file(QString::fromStdString(coverPath));
        CHECK(file.open(QIODevice::WriteOnly));
        file.write(cover.data(), qint64(cover.size()));
    }

    DiscSpec disc;
    disc.text.album = "Bridge album!";
    disc.coverPath = coverPath;
    disc.stereoTracks.push_back(patternTrack(1.5, 1, "A"));
    disc.stereoTracks.push_back(patternTrack(1.0, 2, "B", 20));
    ObserverProbe probe;
    const auto result = orvi::engine::writeImage(disc, output, probe.observer());
    CHECK(result.status == orvi::engine::WriteStatus::Written);
    CHECK(probe.warnings.empty());

    const Image image{readFile(output)};
    CHECK(image.bytes.size() > 600u * kSector);
    if (image.bytes.size() <= 600u * kSector)
        return finish("image_bridge_test");

    CHECK_EQ(image.u8(16, 0), 1u);
    CHECK_EQ(image.text(16, 1, 5), std::string("CD001"));
    CHECK_EQ(image.text(16, 40, 32), std::string("BRIDGE_ALBUM_                   "));
    CHECK_EQ(le32(image.sector(16) + 80), uint32_t(image.sectors()));
    CHECK_EQ(image.u8(17, 0), 255u);
    CHECK_EQ(image.text(17, 1, 5), std::string("CD001"));

    const uint8_t* rootRecord = image.sector(16) + 156;
    const auto root = readDirectory(image, le32(rootRecord + 2), le32(rootRecord + 10));
    const uint32_t tocLength = image.u16(544, 10);
    const uint32_t toc2 = image.u32(510, 68);
    checkEntries(root, {{"MASTER1.TOC", {510, 20480, 0}}, {"MASTER2.TOC", {520, 20480, 0}},
                        {"MASTER3.TOC", {530, 20480, 0}}, {"COVER.JPG", {toc2 + tocLength, uint32_t(cover.size()), 0}}});
    if (root.contains("COVER.JPG")) // after the last area
        CHECK_EQ(image.text(toc2 + tocLength, 0, cover.size()), cover);
    const auto audioEntry = root.find("2C_AUDIO");
    CHECK(audioEntry != root.end());
    if (audioEntry == root.end())
        return finish("image_bridge_test");
    CHECK_EQ(audioEntry->second.flags & 2u, 2u);
    CHECK(audioEntry->second.lsn < 400);

    const auto audio = readDirectory(image, audioEntry->second.lsn, audioEntry->second.size);
    CHECK_EQ(audio.size(), size_t(2 + 3 + 2)); // ".", "..", area TOCs, Track Area, two tracks
    const std::map<std::string, Entry> expected = {
        {"2C_AREA1.TOC", {544, tocLength * kSector, 0}},
        {"2C_AREA2.TOC", {toc2, tocLength * kSector, 0}},
        {"2C_TAREA.2CH", {image.u32(544, 72), (image.u32(544, 76) - image.u32(544, 72) + 1) * kSector, 0}},
        {"TRACK001.2CH", {image.u32(545, 8), image.u32(545, 1028) * kSector, 0}},
        {"TRACK002.2CH", {image.u32(545, 12), image.u32(545, 1032) * kSector, 0}},
    };
    checkEntries(audio, expected);
    checkUdf(image, root, audio);
    checkLargeFile();
    return finish("image_bridge_test");
}
