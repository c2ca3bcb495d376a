// Writes a three-track disc and checks, byte by byte at the format's offsets,
// the master TOCs, the stereo Area TOC copies, the 3-in-14 sector pattern,
// that every track's audio comes back bit-exactly, and the file-system bridge.

#include "image/file_system_bridge.h"
#include "image/image_writer.h"
#include "image_test_support.h"

#include <array>
#include <cstring>
#include <map>

using namespace imagetest;

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

// Big-endian fields {offset, bytes, value} of sector `lsn`.
void checkFields(const Image& image, uint32_t lsn, std::initializer_list<std::array<uint32_t, 3>> fields)
{
    for (const auto& [at, bytes, value] : fields)
        if (!CHECK_EQ(bytes == 1 ? image.u8(lsn, at) : bytes == 2 ? image.u16(lsn, at) : image.u32(lsn, at), value))
            std::fprintf(stderr, "  sector %u, offset %u\n", lsn, at);
}

// Each Track Area sector's header: its packets {type, length, starts a frame};
// sectors 0, 4 and 9 of each 14 start the block's three frames and carry the
// frame's time code; the last sector closes the area with padding (type 7).
void checkSectorPattern(const Image& image, uint32_t areaStart, uint64_t areaSectors, uint64_t totalFrames)
{
    using Packets = std::vector<std::array<uint32_t, 3>>;
    static const Packets kStarting[3] = {
        {{3, 24, 0}, {2, 2016, 1}}, {{3, 22, 0}, {2, 1344, 0}, {2, 672, 1}}, {{3, 22, 0}, {2, 672, 0}, {2, 1344, 1}}};
    int badSectors = 0;
    for (uint64_t s = 0; s < areaSectors; ++s) {
        const uint32_t lsn = uint32_t(areaStart + s), inBlock = uint32_t(s % 14);
        const int k = inBlock == 0 ? 0 : inBlock == 4 ? 1 : inBlock == 9 ? 2 : -1;
        Packets packets = k < 0 ? Packets{{3, 27, 0}, {2, 2016, 0}} : kStarting[k];
        const bool last = s == areaSectors - 1;
        const uint64_t frame = s / 14 * 3 + uint64_t(k);
        if (last)
            packets.back()[0] = 7;
        bool ok = image.u8(lsn, 0) == ((packets.size() << 5) | (k >= 0 ? 4u : 0u))
            && (!last || (k >= 0 && frame == totalFrames));
        for (size_t i = 0; i < packets.size(); ++i)
            ok = ok && image.u16(lsn, 1 + 2 * i) == ((packets[i][2] << 15) | (packets[i][0] << 11) | packets[i][1]);
        size_t at = 1 + 2 * packets.size();
        if (k >= 0) {
            ok = ok && (last ? image.text(lsn, at, 3) == "\xff\xff\xff" : image.timeCodeFrames(lsn, at) == frame);
            at += 3;
        }
        for (; at < 32; ++at) // supplementary data carries nothing
            ok = ok && image.u8(lsn, at) == 0;
        if (!ok && ++badSectors < 5)
            std::fprintf(stderr, "track area sector %llu (block sector %u) has a wrong header\n",
                         static_cast<unsigned long long>(s), inBlock);
    }
    CHECK_EQ(badSectors, 0);
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

// The root directory's records, from the primary volume descriptor at 16.
std::vector<Record> root(const Image& image)
{
    return readDirectory(image, le32(image.sector(16) + 158), le32(image.sector(16) + 166));
}

// The record named `name`, or one named "(missing)".
Record find(const std::vector<Record>& directory, const std::string& name)
{
    const auto it = std::find_if(directory.begin(), directory.end(), [&](const Record& r) { return r.name == name; });
    return it == directory.end() ? Record{"(missing)", 0, 0, 0} : *it;
}

// Entries by name: {lsn, size}.
void checkEntries(const std::vector<Record>& directory,
                  const std::map<std::string, std::pair<uint32_t, uint32_t>>& expected)
{
    for (const auto& [name, extent] : expected) {
        const Record r = find(directory, name);
        if (!CHECK(r.name == name && r.lsn == extent.first && r.size == extent.second))
            std::fprintf(stderr, "  %s missing or misplaced\n", name.c_str());
    }
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
    const Image image{std::string(16 * kSector, '\0') + std::string(bridge.front.begin(), bridge.front.end())};
    const Record audio = find(root(image), "2C_AUDIO");
    if (!CHECK(audio.name == "2C_AUDIO"))
        return;
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

// The file-system bridge: the ISO 9660 tree shows the master TOCs, the area
// TOCs, the Track Area and each track as files at the disc's own extents, and
// the cover picture stored after the last area; the UDF tree, whose
// recognition sequence and logical volume are checked here, must name the
// same bytes, which 7z and xorriso confirm in the DSD Disc test.
void checkBridge(const Image& image, const std::string& cover)
{
    CHECK(image.u8(16, 0) == 1 && image.text(16, 1, 5) == "CD001");
    CHECK_EQ(image.text(16, 40, 32), std::string("BRIDGE_ALBUM_                   "));
    CHECK_EQ(image.text(16, 813, 16), std::string("2025120601020300"));
    CHECK_EQ(le32(image.sector(16) + 80), uint32_t(image.sectors()));
    CHECK(image.u8(17, 0) == 255 && image.text(17, 1, 5) == "CD001");

    const std::vector<Record> top = root(image);
    const uint32_t tocLength = image.u16(544, 10);
    const uint32_t toc2 = image.u32(510, 68);
    checkEntries(top,
                 {{"MASTER1.TOC", {510, 20480}},
                  {"MASTER2.TOC", {520, 20480}},
                  {"MASTER3.TOC", {530, 20480}},
                  {"COVER.JPG", {toc2 + tocLength, uint32_t(cover.size())}}}); // after the last area
    CHECK_EQ(image.text(toc2 + tocLength, 0, cover.size()), cover);
    const Record audio = find(top, "2C_AUDIO");
    CHECK(audio.flags & 2u && audio.lsn < 400);
    const std::vector<Record> files = readDirectory(image, audio.lsn, audio.size);
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

    CHECK(image.text(18, 1, 5) == "BEA01" && image.text(19, 1, 5) == "NSR02" && image.text(20, 1, 5) == "TEA01");
    CHECK_EQ(image.u16(256, 0), 0x0200u); // the first anchor: tag 2, little-endian
    uint32_t lsn = le32(image.sector(256) + 20);
    while (lsn < 300 && !(image.u8(lsn, 0) == 6 && image.u8(lsn, 1) == 0))
        ++lsn;
    CHECK(lsn < 300 && image.text(lsn, 217, 19) == "*OSTA UDF Compliant" && image.u16(lsn, 240) == 0x0201u);
}

} // namespace

int main()
{
    // A fixed creation time makes the image reproducible: 2025-12-06 01:02:03 UTC.
    qputenv("SOURCE_DATE_EPOCH", "1764982923");
    Scratch scratch;
    std::string cover = "\xff\xd8\xff\xe0";
    for (int i = 0; i < 5000; ++i)
        cover += char(patternByte(7, uint64_t(i)));
    CHECK(writeFile(scratch.path("front.jpg"), cover));

    orvi::engine::DiscContent disc;
    disc.coverPath = scratch.path("front.jpg");
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
    const struct {
        uint32_t startFrame, frames;
        uint64_t audioBytes;
        uint32_t seed;
    } expected[] = {
        {0, 188, 1764000, 1}, // 187.5 frames, the last one padded
        {198, 75, 705600, 2}, // after a 10-frame pause
        {275, 75, 289296, 3}, // 0.41 s padded to 1 s, after 2 pause frames
    };
    const uint64_t totalFrames = 350;

    ObserverProbe probe;
    const auto result = orvi::engine::writeImage(disc, scratch.path("disc.iso"), probe.observer());
    CHECK(result.status == orvi::engine::WriteStatus::Written && result.tracksWritten == 3 && result.errors.empty());
    const Image image{readFile(scratch.path("disc.iso"))};
    if (!CHECK(image.bytes.size() > 600u * kSector))
        return finish("tst_image_layout");

    const std::tuple<uint32_t, uint32_t, const char*> signatures[] = {
        {510, 510, "SACDMTOC"}, {511, 518, "SACDText"}, {519, 519, "SACD_Man"}, {544, 544, "TWOCHTOC"},
        {545, 545, "SACDTRL1"}, {546, 546, "SACDTRL2"}, {547, 547, "SACD_IGL"}, {549, 549, "SACDTTxt"}};
    for (const auto& [first, last, signature] : signatures)
        for (uint32_t lsn = first; lsn <= last; ++lsn)
            CHECK_EQ(image.text(lsn, 0, 8), std::string(signature));
    // Master TOC, three identical copies: version 1.20, disc 2 of 3, General
    // table Classical (album and disc), the date, Area TOC-1 at 544 and no
    // multichannel area; the catalogue number for album and disc.
    const std::initializer_list<std::array<uint32_t, 3>> master = {
        {8, 1, 1},      {9, 1, 20},  {16, 2, 3},   {18, 2, 2},   {40, 1, 1}, {42, 2, 5}, {106, 2, 5},
        {120, 2, 2021}, {122, 1, 6}, {123, 1, 30}, {64, 4, 544}, {72, 4, 0}, {76, 4, 0}};
    checkFields(image, 510, master);
    CHECK(image.text(510, 24, 16) == "0123456789012   " && image.text(510, 88, 16) == "0123456789012   ");
    for (uint32_t copy : {520u, 530u})
        CHECK(std::memcmp(image.sector(510), image.sector(copy), 10 * kSector) == 0);
    // Only the file-system bridge (from sector 16 on, below 400) lies before the master TOC.
    for (const auto& [first, end] : {std::pair{0u, 16u}, {400u, 510u}, {540u, 544u}})
        CHECK(std::all_of(image.sector(first), image.sector(end), [](uint8_t b) { return b == 0; }));

    // Stereo Area TOC-1 at 544: version, maximum byte rate, the area's sample
    // and frame format, channel counts, 3 tracks, track text at sector 5 (of
    // 5 fixed sectors + 3 of track text), no access list for plain DSD.
    const uint32_t tocLength = 8;
    const std::initializer_list<std::array<uint32_t, 3>> area = {
        {8, 1, 1},  {9, 1, 20}, {10, 2, tocLength}, {16, 4, 716800}, {20, 1, 4}, {21, 1, 2},
        {32, 1, 2}, {33, 1, 0}, {69, 1, 3},         {128, 2, 5},     {132, 2, 0}};
    checkFields(image, 544, area);
    CHECK_EQ(image.u16(510, 84), tocLength);
    CHECK_EQ(image.timeCodeFrames(544, 64), uint32_t(totalFrames));
    const uint32_t areaStart = image.u32(544, 72);
    const uint32_t areaEnd = image.u32(544, 76);
    CHECK_EQ(areaStart, 544 + tocLength);
    CHECK_EQ(uint64_t(areaEnd), areaStart + sectorOfFrame(totalFrames));
    const uint32_t toc2 = image.u32(510, 68);
    CHECK_EQ(toc2, areaEnd + 1);
    CHECK(std::memcmp(image.sector(544), image.sector(toc2), tocLength * kSector) == 0);
    // After TOC-2 only the file system's own structures follow; its last anchor closes the volume.
    CHECK(image.sectors() > uint64_t(toc2) + tocLength);
    CHECK_EQ(image.u16(uint32_t(image.sectors() - 1), 0), 0x0200u);
    CHECK_EQ(image.bytes.size() % kSector, size_t(0));

    CHECK_EQ(image.text(547, 8 + 24, 12), std::string("USABC2100042"));
    CHECK_EQ(image.u8(547, 8), 0u);                // no ISRC for track 1
    CHECK_EQ(image.u16(548, 3072 - 2048 + 2), 5u); // track 1 genre
    for (size_t t = 0; t < 3; ++t) {
        const auto& e = expected[t];
        CHECK_EQ(image.u32(545, 8 + 4 * t), uint32_t(areaStart + sectorOfFrame(e.startFrame)));
        CHECK_EQ(image.u32(545, 1028 + 4 * t),
                 uint32_t(sectorOfFrame(e.startFrame + e.frames) - sectorOfFrame(e.startFrame) + 1));
        CHECK_EQ(image.timeCodeFrames(546, 8 + 4 * t), e.startFrame);
        CHECK_EQ(image.timeCodeFrames(546, 1028 + 4 * t), e.frames);
    }
    CHECK_EQ(image.u32(545, 8 + 4 * 3), 0u);

    checkSectorPattern(image, areaStart, areaEnd - areaStart + 1, totalFrames);
    // Audio: each track bit-exact, its padding and the pauses DSD silence,
    // and the closing sector after the last frame padding (zeros).
    uint64_t wrongBytes = 0;
    for (uint64_t i = 0, t = 0; i < uint64_t(areaEnd - areaStart + 1) * kAudioPerSector; ++i) {
        t += t + 1 < 3 && i >= expected[t + 1].startFrame * kFrameBytes;
        const uint64_t inTrack = i - expected[t].startFrame * kFrameBytes;
        wrongBytes += audioByte(image, areaStart, i)
            != (i >= totalFrames * kFrameBytes         ? 0
                    : inTrack < expected[t].audioBytes ? patternByte(expected[t].seed, inTrack)
                                                       : 0x69);
    }
    CHECK_EQ(wrongBytes, uint64_t(0));

    // Only the short track warned.
    CHECK(probe.warnings
          == std::vector<std::string>{
              "track 3: track3.dsf lasts 0.41 s; padded with silence to 1 s, the shortest track a disc allows"});
    checkBridge(image, cover);
    checkLargeFile();
    return finish("tst_image_layout");
}
