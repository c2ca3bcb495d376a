// Writes a three-track disc and checks, byte by byte at the format's offsets,
// the master TOCs, the stereo Area TOC copies, the 3-in-14 sector pattern,
// that every track's audio comes back bit-exactly, and the file-system bridge.

#include "image/file_system_bridge.h"
#include "image/image_writer.h"
#include "image_test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <map>

using namespace imagetest;
using orvi::engine::DiscContent;

namespace {

constexpr uint32_t kAudioPerSector = 2016;

// Frames start wherever the previous one ends in the back-to-back audio
// stream at bytes 32..2047 of each sector.
uint64_t sectorOfFrame(uint64_t frame)
{
    return frame * kFrameBytes / kAudioPerSector;
}

uint8_t audioByte(const Image& image, uint32_t areaStart, uint64_t streamIndex)
{
    return image.u8(areaStart + streamIndex / kAudioPerSector, 32 + streamIndex % kAudioPerSector);
}

struct Field {
    size_t at;
    int bytes;
    uint32_t value;
};

template <size_t N>
void checkFields(const Image& image, uint32_t lsn, const Field (&fields)[N])
{
    for (const Field& f : fields) {
        const uint32_t value = f.bytes == 1 ? image.u8(lsn, f.at)
            : f.bytes == 2                  ? image.u16(lsn, f.at)
                                            : image.u32(lsn, f.at);
        if (!CHECK_EQ(value, f.value))
            std::fprintf(stderr, "  sector %u, offset %zu\n", lsn, f.at);
    }
}

struct Expected {
    uint32_t startFrame, frames;
    uint64_t audioBytes;
    uint32_t seed;
};

void checkSectorPattern(const Image& image, uint32_t areaStart, uint64_t areaSectors, uint64_t totalFrames)
{
    int badSectors = 0;
    for (uint64_t s = 0; s < areaSectors; ++s) {
        const uint32_t lsn = uint32_t(areaStart + s);
        const uint32_t inBlock = uint32_t(s % 14);
        const bool last = s == areaSectors - 1;
        // Packets {type, length, starts a frame}: sectors 0, 4 and 9 of each
        // 14 start the block's three frames.
        using Packets = std::vector<std::array<uint32_t, 3>>;
        static const Packets starting[3] = {{{3, 24, 0}, {2, 2016, 1}},
                                            {{3, 22, 0}, {2, 1344, 0}, {2, 672, 1}},
                                            {{3, 22, 0}, {2, 672, 0}, {2, 1344, 1}}};
        const int k = inBlock == 0 ? 0 : inBlock == 4 ? 1 : inBlock == 9 ? 2 : -1;
        Packets packets = k < 0 ? Packets{{3, 27, 0}, {2, 2016, 0}} : starting[k];
        const uint64_t frame = s / 14 * 3 + uint64_t(k);
        const bool startsFrame = packets.back()[2] == 1;
        if (last) {
            packets.back()[0] = 7; // padding closes the Track Area
            if (!startsFrame || frame != totalFrames)
                ++badSectors;
        }
        bool ok = image.u8(lsn, 0) == ((packets.size() << 5) | ((startsFrame ? 1u : 0u) << 2));
        size_t at = 1;
        for (const auto& p : packets) {
            ok = ok && image.u16(lsn, at) == ((p[2] << 15) | (p[0] << 11) | p[1]);
            at += 2;
        }
        if (startsFrame) {
            if (last)
                ok = ok && image.u8(lsn, at) == 0xff && image.u8(lsn, at + 1) == 0xff && image.u8(lsn, at + 2) == 0xff;
            else
                ok = ok && image.timeCodeFrames(lsn, at) == frame;
            at += 3;
        }
        for (; at < 32; ++at) // supplementary data carries nothing
            ok = ok && image.u8(lsn, at) == 0;
        if (!ok && ++badSectors < 5)
            std::fprintf(stderr, "track area sector %llu (block sector %u) has a wrong header\n",
                         static_cast<unsigned long long>(s), inBlock);
    }
    CHECK_EQ(badSectors, 0);
    // After the last frame's audio the closing sector is padding (zeros).
    const uint64_t end = totalFrames * kFrameBytes;
    bool zeros = true;
    for (uint64_t i = end; i < areaSectors * kAudioPerSector; ++i)
        zeros = zeros && audioByte(image, areaStart, i) == 0;
    CHECK(zeros);
}

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

// The file-system bridge: mounted, the image shows the master TOCs, the area
// TOCs, the Track Area and each track as files at the disc's own extents, and
// the cover picture stored after the last area, in the ISO 9660 tree; the UDF
// tree must name the same bytes, which 7z and xorriso confirm in the DSD Disc test.
void checkBridge(const Image& image, const std::string& cover)
{
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
        return;
    const Record audio = top.at("2C_AUDIO");
    CHECK(audio.flags & 2u && audio.lsn < 400);
    const auto files = byName(readDirectory(image, audio.lsn, audio.size));
    CHECK_EQ(files.size(), size_t(2 + 3 + 3)); // ".", "..", area TOCs, Track Area, three tracks
    std::map<std::string, std::pair<uint32_t, uint32_t>> expected = {
        {"2C_AREA1.TOC", {544, tocLength * kSector}},
        {"2C_AREA2.TOC", {toc2, tocLength * kSector}},
        {"2C_TAREA.2CH", {image.u32(544, 72), (image.u32(544, 76) - image.u32(544, 72) + 1) * kSector}},
    };
    for (size_t t = 0; t < 3; ++t)
        expected["TRACK00" + std::to_string(t + 1) + ".2CH"] = {image.u32(545, 8 + 4 * t),
                                                                image.u32(545, 1028 + 4 * t) * kSector};
    checkEntries(files, expected);
    checkUdf(image);
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

    DiscContent disc;
    disc.coverPath = coverPath;
    disc.text.album = "Bridge album!";
    disc.text.artist = "Test Ensemble";
    disc.discNumber = 2;
    disc.discTotal = 3;
    disc.genreIndex = 5;
    disc.date = {2021, 6, 30};
    disc.catalogNumber = "0123456789012";
    disc.stereoTracks.push_back(patternTrack(2.5, 1, "One"));
    disc.stereoTracks.push_back(patternTrack(1.0, 2, "Two", 10));
    disc.stereoTracks.push_back(patternTrack(0.41, 3, "Three", 2));
    disc.stereoTracks[2].text.isrc = "USABC2100042";
    const std::vector<Expected> expected = {
        {0, 188, 1764000, 1}, // 187.5 frames, the last one padded
        {198, 75, 705600, 2}, // after a 10-frame pause
        {275, 75, 289296, 3}, // 0.41 s padded to 1 s, after 2 pause frames
    };
    const uint64_t totalFrames = 350;

    ObserverProbe probe;
    const auto result = orvi::engine::writeImage(disc, output, probe.observer());
    CHECK(result.status == orvi::engine::WriteStatus::Written && result.tracksWritten == 3 && result.errors.empty());
    Image image{readFile(output)};
    if (!CHECK(image.bytes.size() > 600u * kSector))
        return finish("image_layout_test");

    // Master TOC: three identical copies.
    CHECK_EQ(image.text(510, 0, 8), std::string("SACDMTOC"));
    CHECK(image.text(510, 24, 16) == "0123456789012   " && image.text(510, 88, 16) == "0123456789012   ");
    // {offset, bytes, value}: version 1.20, disc 2 of 3, General table Classical (album and disc),
    // the date, Area TOC-1 at 544 and no multichannel area.
    const Field master[] = {{8, 1, 1},    {9, 1, 20},  {16, 2, 3},     {18, 2, 2},  {40, 1, 1},
                            {42, 2, 5},   {106, 2, 5}, {120, 2, 2021}, {122, 1, 6}, {123, 1, 30},
                            {64, 4, 544}, {72, 4, 0},  {76, 4, 0}};
    checkFields(image, 510, master);
    for (uint32_t s = 511; s <= 518; ++s)
        CHECK_EQ(image.text(s, 0, 8), std::string("SACDText"));
    CHECK_EQ(image.text(519, 0, 8), std::string("SACD_Man"));
    for (uint32_t copy : {520u, 530u})
        CHECK(std::memcmp(image.sector(510), image.sector(copy), 10 * kSector) == 0);
    // Only the file-system bridge (from sector 16 on, below 400) lies before the master TOC.
    for (const auto& [first, end] : {std::pair{0u, 16u}, {400u, 510u}, {540u, 544u}})
        CHECK(std::all_of(image.sector(first), image.sector(end), [](uint8_t b) { return b == 0; }));

    // Stereo Area TOC-1 at 544.
    const uint32_t tocLength = image.u16(544, 10);
    CHECK_EQ(tocLength, 8u); // 5 fixed sectors + 3 of track text
    CHECK_EQ(image.u16(510, 84), tocLength);
    CHECK_EQ(image.text(544, 0, 8), std::string("TWOCHTOC"));
    // Version, maximum byte rate, the area's sample and frame format, channel
    // counts, 3 tracks, track text at sector 5, no access list for plain DSD.
    const Field area[] = {{8, 1, 1},  {9, 1, 20}, {16, 4, 716800}, {20, 1, 4},  {21, 1, 2},
                          {32, 1, 2}, {33, 1, 0}, {69, 1, 3},      {128, 2, 5}, {132, 2, 0}};
    checkFields(image, 544, area);
    CHECK_EQ(image.timeCodeFrames(544, 64), uint32_t(totalFrames));
    const uint32_t areaStart = image.u32(544, 72);
    const uint32_t areaEnd = image.u32(544, 76);
    CHECK_EQ(areaStart, 544 + tocLength);
    CHECK_EQ(uint64_t(areaEnd), areaStart + sectorOfFrame(totalFrames));
    const uint32_t toc2 = image.u32(510, 68);
    CHECK_EQ(toc2, areaEnd + 1);
    // After TOC-2 only the file system's own structures follow; its anchor closes the volume.
    CHECK(image.sectors() > uint64_t(toc2) + tocLength);
    CHECK_EQ(image.u16(uint32_t(image.sectors() - 1), 0), 0x0200u); // tag 2, little-endian
    CHECK_EQ(image.bytes.size() % kSector, size_t(0));
    CHECK(std::memcmp(image.sector(544), image.sector(toc2), tocLength * kSector) == 0);

    for (const auto& [lsn, signature] :
         {std::pair{545u, "SACDTRL1"}, {546u, "SACDTRL2"}, {547u, "SACD_IGL"}, {549u, "SACDTTxt"}})
        CHECK_EQ(image.text(lsn, 0, 8), std::string(signature));
    CHECK_EQ(image.text(547, 8 + 24, 12), std::string("USABC2100042"));
    CHECK_EQ(image.u8(547, 8), 0u);                // no ISRC for track 1
    CHECK_EQ(image.u16(548, 3072 - 2048 + 2), 5u); // track 1 genre
    for (size_t t = 0; t < expected.size(); ++t) {
        const Expected& e = expected[t];
        CHECK_EQ(image.u32(545, 8 + 4 * t), uint32_t(areaStart + sectorOfFrame(e.startFrame)));
        CHECK_EQ(image.u32(545, 1028 + 4 * t),
                 uint32_t(sectorOfFrame(e.startFrame + e.frames) - sectorOfFrame(e.startFrame) + 1));
        CHECK_EQ(image.timeCodeFrames(546, 8 + 4 * t), e.startFrame);
        CHECK_EQ(image.timeCodeFrames(546, 1028 + 4 * t), e.frames);
    }
    CHECK_EQ(image.u32(545, 8 + 4 * 3), 0u);

    checkSectorPattern(image, areaStart, areaEnd - areaStart + 1, totalFrames);

    // Audio: each track bit-exact, its padding and the pauses DSD silence.
    uint32_t previousEnd = 0;
    for (const Expected& e : expected) {
        bool pauseSilent = true;
        for (uint64_t i = uint64_t(previousEnd) * kFrameBytes; i < uint64_t(e.startFrame) * kFrameBytes; ++i)
            pauseSilent = pauseSilent && audioByte(image, areaStart, i) == 0x69;
        CHECK(pauseSilent);
        const uint64_t base = uint64_t(e.startFrame) * kFrameBytes;
        uint64_t mismatches = 0;
        for (uint64_t i = 0; i < e.audioBytes; ++i)
            mismatches += audioByte(image, areaStart, base + i) != patternByte(e.seed, i);
        CHECK_EQ(mismatches, uint64_t(0));
        bool paddingSilent = true;
        for (uint64_t i = e.audioBytes; i < uint64_t(e.frames) * kFrameBytes; ++i)
            paddingSilent = paddingSilent && audioByte(image, areaStart, base + i) == 0x69;
        CHECK(paddingSilent);
        previousEnd = e.startFrame + e.frames;
    }

    // Only the short track warned.
    CHECK(probe.warnings
          == std::vector<std::string>{
              "track 3: track3.dsf lasts 0.41 s; padded with silence to 1 s, the shortest track a disc allows"});
    checkBridge(image, cover);
    checkLargeFile();
    return finish("image_layout_test");
}
