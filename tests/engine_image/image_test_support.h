#pragma once

// Small, independent helpers for the image writer's tests: a test-pattern
// audio source and raw big-endian reads at sector offsets. They deliberately
// share nothing with the writer's own code.

#include "model/disc_model.h"
#include "plain_checks.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace imagetest {

using orvi::test::finish;

constexpr uint32_t kSector = 2048;
constexpr uint32_t kFrameBytes = 9408; // stereo, 1/75 s

// The byte at `index` of a track's audio with pattern `seed`: no two tracks
// and no two nearby frames look alike.
inline uint8_t patternByte(uint32_t seed, uint64_t index)
{
    uint64_t x = index * 0x9E3779B97F4A7C15ull + seed * 0xBF58476D1CE4E5B9ull + 1;
    x ^= x >> 31;
    x *= 0x94D049BB133111EBull;
    return uint8_t(x ^ x >> 29);
}

// Pattern audio that fails, naming itself, past `failAfterBytes`.
class PatternSource : public orvi::engine::DsdSource
{
public:
    PatternSource(uint64_t samplesPerChannel, uint32_t seed, int64_t failAfterBytes = -1, int channels = 2)
        : m_samples(samplesPerChannel), m_seed(seed), m_failAfter(failAfterBytes), m_channels(channels)
    {
    }
    int channelCount() const override { return m_channels; }
    uint64_t sampleCount() const override { return m_samples; }
    int64_t read(uint8_t* out, size_t bytes, std::string& error) override
    {
        // Odd-sized reads, as a real reader's block boundaries would give.
        const size_t take = size_t(std::min<uint64_t>({bytes, m_samples / 8 * 2 - m_position, 100002}));
        if (m_failAfter >= 0 && m_position + take > uint64_t(m_failAfter)) {
            error = "pattern.dsf: read error at byte " + std::to_string(m_failAfter);
            return -1;
        }
        for (size_t i = 0; i < take; ++i)
            out[i] = patternByte(m_seed, m_position + i);
        m_position += take;
        return int64_t(take);
    }

private:
    uint64_t m_samples;
    uint32_t m_seed;
    int64_t m_failAfter;
    int m_channels;
    uint64_t m_position = 0;
};

// A track of `seconds` (rounded to whole bytes) filled with pattern `seed`.
inline orvi::engine::DiscTrack patternTrack(double seconds, uint32_t seed, const std::string& title = {},
                                            uint32_t pauseFrames = 0)
{
    orvi::engine::DiscTrack track;
    track.path = "track" + std::to_string(seed) + ".dsf";
    track.text.title = title;
    track.pauseFrames = pauseFrames;
    track.source = std::make_unique<PatternSource>(uint64_t(seconds * orvi::engine::kDsd64Rate) / 8 * 8, seed);
    return track;
}

// A scratch folder and the paths in it.
struct Scratch {
    QTemporaryDir dir;
    std::string path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
};

inline std::string readFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

inline bool writeFile(const std::string& path, const std::string& bytes)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

inline bool fileExists(const std::string& path)
{
    return QFileInfo::exists(QString::fromStdString(path));
}

struct Image {
    std::string bytes;
    const uint8_t* sector(uint64_t lsn) const { return reinterpret_cast<const uint8_t*>(bytes.data()) + lsn * kSector; }
    uint32_t u8(uint64_t lsn, size_t at) const { return sector(lsn)[at]; }
    uint32_t u16(uint64_t lsn, size_t at) const { return u8(lsn, at) << 8 | u8(lsn, at + 1); }
    uint32_t u32(uint64_t lsn, size_t at) const { return u16(lsn, at) << 16 | u16(lsn, at + 2); }
    uint32_t timeCodeFrames(uint64_t lsn, size_t at) const
    {
        return (u8(lsn, at) * 60 + u8(lsn, at + 1)) * 75 + u8(lsn, at + 2);
    }
    std::string text(uint64_t lsn, size_t at, size_t size) const { return bytes.substr(lsn * kSector + at, size); }
    std::string cString(uint64_t lsn, size_t at) const { return reinterpret_cast<const char*>(sector(lsn) + at); }
    uint64_t sectors() const { return bytes.size() / kSector; }
};

// Collects the observer's warnings, calls `onTrack` as each track starts and
// answers stopRequested after a given number of started tracks.
struct ObserverProbe {
    std::vector<std::string> warnings;
    size_t tracksStarted = 0;
    size_t stopAfterTracks = 0; // 0 = never
    std::function<void()> onTrack = [] {};
    orvi::engine::WriteObserver observer()
    {
        orvi::engine::WriteObserver o;
        o.warning = [this](const std::string& line) { warnings.push_back(line); };
        o.trackStarted = [this](size_t, const orvi::engine::DiscTrack&) {
            ++tracksStarted;
            onTrack();
        };
        o.stopRequested = [this] { return stopAfterTracks != 0 && tracksStarted >= stopAfterTracks; };
        return o;
    }
};

} // namespace imagetest
