#pragma once

// What the writers of the disc's areas share while they stream tracks: the
// observer, the progress over the whole disc and the stop between tracks.

#include "model/disc_model.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace orvi::engine {

class AreaRun
{
public:
    AreaRun(const WriteObserver& observer, size_t trackTotal, uint64_t audioTotal)
        : m_observer(observer), m_trackTotal(trackTotal), m_audioTotal(audioTotal)
    {
    }

    void trackStarted(const DiscTrack& track)
    {
        if (m_observer.trackStarted)
            m_observer.trackStarted(m_tracksDone, track);
    }
    void audioDone(uint64_t bytes)
    {
        m_audioDone += bytes;
        if (m_observer.progress)
            m_observer.progress(m_audioDone, m_audioTotal);
    }
    void warn(const std::string& line) const
    {
        if (m_observer.warning)
            m_observer.warning(line);
    }
    void note(const std::string& line) const
    {
        if (m_observer.note)
            m_observer.note(line);
    }
    // Counts a finished track; true when the user asked to stop and another
    // track would follow.
    bool trackFinished()
    {
        ++m_tracksDone;
        m_stopped = m_tracksDone < m_trackTotal && m_observer.stopRequested && m_observer.stopRequested();
        return m_stopped;
    }
    size_t tracksDone() const { return m_tracksDone; }
    bool stopped() const { return m_stopped; }

    // The message for a source that failed without saying why, or that
    // delivered other than its sample count promised; empty when all is well.
    static std::string readProblem(const DiscTrack& track, int64_t lastRead, uint64_t delivered)
    {
        if (lastRead < 0)
            return track.path + ": cannot read the audio";
        const uint64_t expected = track.source->sampleCount() / 8 * uint64_t(track.source->channelCount());
        if (delivered != expected)
            return track.path + ": delivered " + std::to_string(delivered) + " bytes of audio, "
                + std::to_string(expected) + " expected";
        return {};
    }

    void warnPadded(const DiscTrack& track) const
    {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.2f", double(track.source->sampleCount()) / kDsd64Rate);
        warn("track " + std::to_string(m_tracksDone + 1) + ": " + track.path + " lasts " + seconds
             + " s; padded with silence to 1 s, the shortest track a disc allows");
    }

private:
    const WriteObserver& m_observer;
    const size_t m_trackTotal;
    const uint64_t m_audioTotal;
    uint64_t m_audioDone = 0;
    size_t m_tracksDone = 0;
    bool m_stopped = false;
};

} // namespace orvi::engine
