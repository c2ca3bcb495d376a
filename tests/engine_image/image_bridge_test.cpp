// The file-system bridge: mounted, the image shows the master TOCs, the area
// TOCs, the Track Area and each track as files at the disc's own extents, and
// the cover picture stored after the last area, in the ISO 9660 tree; the UDF
// tree must name the same bytes, which 7z and xorriso confirm in the DSD Disc test.

#include "image/file_system_bridge.h"
#include "image/image_writer.h"
#include "image_test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <map>

using namespace imagetest;

namespace {

uint32_t le32(const uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}

struct Record {
    std::string name; // ";1" stripped
    uint32_t lsn, size, flags;
};

// The records of the directory at `lsn`, checking that both byte orders
// agree and that no record straddles a sector.
std::vector<Record> readDirectory(const Image& image, uint32_t lsn, uint32_t size)
{
    std::vector<Record> records;
    for (uint32_t offset = 0; offset < size;) {
        const uint8_t* r = image.sector(lsn) + offset;
        if (r[0] == 0) { // rest of this sector unused
            offset = (offset / kSector + 1) * kSector;
            continue;
        }
        CHECK(offset % kSector + r[0] <= kSector);
        CHECK(le32(r + 2) == image.u32(lsn, offset + 6) && le32(r + 10) == image.u32(lsn, offset + 14));
        std::string name(reinterpret_cast<const char*>(r + 33), r[32]);
        if (name.ends_with(";1"))
            name.resize(name.size() - 2);
        records.push_back({name, le32(r + 2), le32(r + 10), r[25]});
        offset += r[0];
    }
    return records;
}

std::map<std::string, Record> byName(const std::vector<Record>& records)
{
    std::map<std::string, Record> map;
    for (const Record& r : records)
        map[r.name] = r;
    return map;
}

void checkEntries(const std::map<std::string, Record>& directory,
                  const std::map<std::string, std::pair<uint32_t, uint32_t>>& expected)
{
    for (const auto& [name, extent] : expected) {
        const auto it = directory.find(name);
        if (!CHECK(it != directory.end() && it->second.lsn == extent.first && it->second.size == extent.second))
            std::fprintf(stderr, "  %s missing or misplaced\n", name.c_str());
    }
}

// The root directory's records, from the primary volume descriptor at 16.
std::map<std::string, Record> root(const Image& image)
{
    return byName(readDirectory(image, le32(image.sector(16) + 158), le32(image.sector(16) + 166)));
}

// The UDF volume's recognition sequence, first anchor and logical volume.
void checkUdf(const Image& image)
{
    CHECK(image.text(18, 1, 5) == "BEA01" && image.text(19, 1, 5) == "NSR02" && image.text(20, 1, 5) == "TEA01");
    CHECK_EQ(image.u16(256, 0), 0x0200u); // tag 2, little-endian; the layout test checks the last anchor
    uint32_t lsn = le32(image.sector(256) + 20);
    while (lsn < 300 && !(image.u8(lsn, 0) == 6 && image.u8(lsn, 1) == 0))
        ++lsn;
    CHECK(lsn < 300 && image.text(lsn, 217, 19) == "*OSTA UDF Compliant" && image.u16(lsn, 240) == 0x0201u);
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
    Image image;
    image.bytes.assign(16 * kSector, 0);
    image.bytes.insert(image.bytes.end(), bridge.front.begin(), bridge.front.end());
    if (!CHECK(bridge.front.size() > kSector && root(image).contains("2C_AUDIO")))
        return;
    const Record audio = root(image).at("2C_AUDIO");
    uint64_t total = 0;
    int extents = 0;
    for (const Record& r : readDirectory(image, audio.lsn, audio.size)) {
        if (r.name != "2C_TAREA.2CH")
            continue;
        CHECK_EQ(r.lsn, uint32_t(600 + total / kSector));
        total += r.size;
        CHECK_EQ(r.flags & 0x80, total < size ? 0x80u : 0u);
        ++extents;
    }
    CHECK(total == size && extents == 2);

    uint64_t udfTotal = 0;
    for (size_t at = 0; at < bridge.tail.size(); at += kSector) {
        const uint8_t* fe = bridge.tail.data() + at;
        if ((fe[0] | fe[1] << 8) != 261 || le32(fe + 56) + (uint64_t(le32(fe + 60)) << 32) != size)
            continue;
        const uint32_t descriptors = le32(fe + 172) / 8;
        CHECK_EQ(descriptors, 5u);
        for (uint32_t i = 0, block = le32(fe + 180); i < descriptors; ++i) {
            const uint32_t length = le32(fe + 176 + 8 * i);
            CHECK(length <= 0x3FFFF800u && le32(fe + 180 + 8 * i) == block);
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
    QFile coverFile(QString::fromStdString(coverPath));
    CHECK(coverFile.open(QIODevice::WriteOnly) && coverFile.write(cover.data(), qint64(cover.size())));
    coverFile.close();

    orvi::engine::DiscContent disc;
    disc.text.album = "Bridge album!";
    disc.coverPath = coverPath;
    disc.stereoTracks.push_back(patternTrack(1.5, 1, "A"));
    disc.stereoTracks.push_back(patternTrack(1.0, 2, "B", 20));
    ObserverProbe probe;
    CHECK(orvi::engine::writeImage(disc, output, probe.observer()).status == orvi::engine::WriteStatus::Written);
    CHECK(probe.warnings.empty());
    const Image image{readFile(output)};
    if (!CHECK(image.bytes.size() > 600u * kSector))
        return finish("image_bridge_test");

    CHECK(image.u8(16, 0) == 1 && image.text(16, 1, 5) == "CD001");
    CHECK_EQ(image.text(16, 40, 32), std::string("BRIDGE_ALBUM_                   "));
    CHECK_EQ(image.text(16, 813, 16), std::string("2025120601020300"));
    CHECK_EQ(le32(image.sector(16) + 80), uint32_t(image.sectors()));
    CHECK(image.u8(17, 0) == 255 && image.text(17, 1, 5) == "CD001");

    const auto top = root(image);
    const uint32_t tocLength = image.u16(544, 10);
    const uint32_t toc2 = image.u32(510, 68);
    checkEntries(top,
                 {{"MASTER1.TOC", {510, 20480}},
                  {"MASTER2.TOC", {520, 20480}},
                  {"MASTER3.TOC", {530, 20480}},
                  {"COVER.JPG", {toc2 + tocLength, uint32_t(cover.size())}}}); // after the last area
    CHECK_EQ(image.text(toc2 + tocLength, 0, cover.size()), cover);
    if (!CHECK(top.contains("2C_AUDIO")))
        return finish("image_bridge_test");
    const Record audio = top.at("2C_AUDIO");
    CHECK(audio.flags & 2u && audio.lsn < 400);
    const auto files = byName(readDirectory(image, audio.lsn, audio.size));
    CHECK_EQ(files.size(), size_t(2 + 3 + 2)); // ".", "..", area TOCs, Track Area, two tracks
    checkEntries(files,
                 {
                     {"2C_AREA1.TOC", {544, tocLength * kSector}},
                     {"2C_AREA2.TOC", {toc2, tocLength * kSector}},
                     {"2C_TAREA.2CH", {image.u32(544, 72), (image.u32(544, 76) - image.u32(544, 72) + 1) * kSector}},
                     {"TRACK001.2CH", {image.u32(545, 8), image.u32(545, 1028) * kSector}},
                     {"TRACK002.2CH", {image.u32(545, 12), image.u32(545, 1032) * kSector}},
                 });
    checkUdf(image);
    checkLargeFile();
    return finish("image_bridge_test");
}
