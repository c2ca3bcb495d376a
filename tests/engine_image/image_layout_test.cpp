// Writes a three-track disc and checks, byte by byte at the format's offsets,
// the master TOCs, the stereo Area TOC copies, the 3-in-14 sector pattern and
// that every track's audio comes back bit-exactly.

#include "image/image_writer.h"
#include "image_test_support.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cstring>

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
        // Expected packet list: {type, length, frameStart}.
        std::vector<std::array<uint32_t, 3>> packets;
        uint64_t frame = 0;
        if (inBlock == 0) {
            packets = {{3, 24, 0}, {2, 2016, 1}};
            frame = s / 14 * 3;
        } else if (inBlock == 4) {
            packets = {{3, 22, 0}, {2, 1344, 0}, {2, 672, 1}};
            frame = s / 14 * 3 + 1;
        } else if (inBlock == 9) {
            packets = {{3, 22, 0}, {2, 672, 0}, {2, 1344, 1}};
            frame = s / 14 * 3 + 2;
        } else {
            packets = {{3, 27, 0}, {2, 2016, 0}};
        }
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

} // namespace

int main()
{
    QTemporaryDir dir;
    const std::string output = dir.filePath("disc.iso").toStdString();

    DiscContent disc;
    disc.text.album = "Pattern Album";
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
    return finish("image_layout_test");
}
