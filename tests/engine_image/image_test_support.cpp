#include "image_test_support.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace imagetest {

uint8_t patternByte(uint32_t seed, uint64_t index)
{
    uint64_t x = index * 0x9E3779B97F4A7C15ull + seed * 0xBF58476D1CE4E5B9ull + 1;
    x ^= x >> 31;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 29;
    return uint8_t(x);
}

int64_t PatternSource::read(uint8_t* out, size_t bytes, std::string& error)
{
    const uint64_t total = m_samples / 8 * 2;
    // Odd-sized reads, as a real reader's block boundaries would give.
    const size_t take = size_t(std::min<uint64_t>({bytes, total - m_position, 100002}));
    if (m_failAfter >= 0 && m_position + take > uint64_t(m_failAfter)) {
        error = "pattern.dsf: read error at byte " + std::to_string(m_failAfter);
        return -1;
    }
    for (size_t i = 0; i < take; ++i)
        out[i] = patternByte(m_seed, m_position + i);
    m_position += take;
    return int64_t(take);
}

orvi::engine::DiscTrack patternTrack(double seconds, uint32_t seed, const std::string& title, uint32_t pauseFrames)
{
    orvi::engine::DiscTrack track;
    track.path = "track" + std::to_string(seed) + ".dsf";
    track.text.title = title;
    track.pauseFrames = pauseFrames;
    const uint64_t samples = uint64_t(seconds * orvi::engine::kDsd64Rate) / 8 * 8;
    track.source = std::make_unique<PatternSource>(samples, seed);
    return track;
}

std::vector<uint8_t> readFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return std::vector<uint8_t>(data.begin(), data.end());
}

bool fileExists(const std::string& path)
{
    return QFileInfo::exists(QString::fromStdString(path));
}

orvi::engine::WriteObserver ObserverProbe::observer()
{
    orvi::engine::WriteObserver o;
    o.warning = [this](const std::string& line) { warnings.push_back(line); };
    o.trackStarted = [this](size_t, const orvi::engine::DiscTrack&) { ++tracksStarted; };
    o.stopRequested = [this] { return stopAfterTracks != 0 && tracksStarted >= stopAfterTracks; };
    return o;
}

} // namespace imagetest
