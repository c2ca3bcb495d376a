// The file-system bridge: mounted, the image shows the master TOCs, the area
// TOCs, the Track Area and each track as files at the disc's own extents, and
// the cover picture stored after the last area, in the ISO 9660 tree; the UDF
// tree must name the same bytes, which 7z and xorriso confirm in the DSD Disc test.

#include "image/file_system_bridge.h"
#include "image/image_writer.h"
#include "image_test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <map>

using namespace imagetest;
using orvi::engine::DiscContent;

namespace {

struct Entry {
    uint32_t lsn;
    uint32_t size;
    uint32_t flags;
};

uint32_t le32(const uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
uint32_t be32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

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

// The UDF volume's recognition sequence, anchors and logical volume; 7z reads
// its tree in the DSD Disc test and finds the files the ISO 9660 tree holds.
void checkUdf(const Image& image)
{
    CHECK_EQ(image.text(18, 1, 5), std::string("BEA01"));
    CHECK_EQ(image.text(19, 1, 5), std::string("NSR02"));
    CHECK_EQ(image.text(20, 1, 5), std::string("TEA01"));
    CHECK_EQ(image.u16(256, 0), 0x0200u); // the first anchor (tag 2, little-endian); the layout test checks the last
    bool logicalVolume = false;
    for (uint32_t lsn = le32(image.sector(256) + 20); lsn < 300 && !logicalVolume; ++lsn) {
        const uint8_t* d = image.sector(lsn);
        logicalVolume = d[0] == 6 && d[1] == 0;
        if (logicalVolume) {
            CHECK_EQ(image.text(lsn, 217, 19), std::string("*OSTA UDF Compliant"));
            CHECK_EQ(uint32_t(d[240] | d[241] << 8), 0x0102u);
        }
    }
    CHECK(logicalVolume);
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
    // A fixed creation time makes the image reproducible: 2025-12-06 01:02:03 UTC.
    qputenv("SOURCE_DATE_EPOCH", "1764982923");
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

    DiscContent disc;
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
    CHECK_EQ(image.text(16, 813, 16), std::string("2025120601020300"));
    CHECK_EQ(le32(image.sector(16) + 80), uint32_t(image.sectors()));
    CHECK_EQ(image.u8(17, 0), 255u);
    CHECK_EQ(image.text(17, 1, 5), std::string("CD001"));

    const uint8_t* rootRecord = image.sector(16) + 156;
    const auto root = readDirectory(image, le32(rootRecord + 2), le32(rootRecord + 10));
    const uint32_t tocLength = image.u16(544, 10);
    const uint32_t toc2 = image.u32(510, 68);
    checkEntries(root,
                 {{"MASTER1.TOC", {510, 20480, 0}},
                  {"MASTER2.TOC", {520, 20480, 0}},
                  {"MASTER3.TOC", {530, 20480, 0}},
                  {"COVER.JPG", {toc2 + tocLength, uint32_t(cover.size()), 0}}});
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
    checkUdf(image);
    checkLargeFile();
    return finish("image_bridge_test");
}
