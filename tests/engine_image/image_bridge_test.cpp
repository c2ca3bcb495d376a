// The ISO 9660 bridge: a mounted image shows the master TOCs, the area TOCs,
// the Track Area and each track as files at the disc's own extents, and the
// cover picture stored after the last area.

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
    for (uint32_t copy = 0; copy < 3; ++copy) {
        const auto it = root.find("MASTER" + std::to_string(copy + 1) + ".TOC");
        CHECK(it != root.end());
        if (it != root.end()) {
            CHECK_EQ(it->second.lsn, 510 + 10 * copy);
            CHECK_EQ(it->second.size, 20480u);
        }
    }
    const auto coverEntry = root.find("COVER.JPG");
    CHECK(coverEntry != root.end());
    if (coverEntry != root.end()) {
        CHECK_EQ(coverEntry->second.lsn, toc2 + tocLength); // after the last area
        CHECK_EQ(coverEntry->second.size, uint32_t(cover.size()));
        CHECK_EQ(image.text(coverEntry->second.lsn, 0, cover.size()), cover);
        CHECK_EQ(image.sectors(), uint64_t(coverEntry->second.lsn) + (cover.size() + kSector - 1) / kSector);
    }
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
    for (const auto& [name, want] : expected) {
        const auto it = audio.find(name);
        CHECK(it != audio.end());
        if (it == audio.end()) {
            std::fprintf(stderr, "  missing %s\n", name.c_str());
            continue;
        }
        CHECK_EQ(it->second.lsn, want.lsn);
        CHECK_EQ(it->second.size, want.size);
    }
    return finish("image_bridge_test");
}
