#include "image/dst_area_writer.h"

#include "dst/dst_codec.h"
#include "image/dst_area_stream.h"
#include "image/sacd_layout.h"

#include <algorithm>
#include <cstring>

namespace orvi::engine {

namespace {

class DstTrackWriter
{
public:
    DstTrackWriter(DstAreaStream& stream, int channels, const DstAreaOptions& options, AreaRun& run)
        : m_stream(stream), m_channels(channels), m_options(options), m_run(run)
    {
        const std::vector<uint8_t> silence(dst::frameDsdBytes(channels), sacd::kDsdSilence);
        m_silence = options.plainFrames ? dst::plainFrame(silence)
                                        : dst::encodeFrame(silence, channels, dst::EncodeOptions{options.maxOrder});
    }

    // False when writing failed; an input fault sets `inputError`.
    bool writeTrack(DiscTrack& track, TrackPlacement& placement, bool first, std::string& inputError)
    {
        if (!first && !writeSilence(track.pauseFrames))
            return false;
        m_trackStart = m_stream.framesWritten();
        placement.startFrame = uint32_t(m_trackStart);
        const bool written = m_options.carryOver && track.source->holdsDstFrames() ? carryOver(track, inputError)
                                                                                   : code(track, inputError);
        if (!written || !inputError.empty())
            return written;
        const uint64_t frames = m_stream.framesWritten() - m_trackStart;
        if (frames < kFramesPerSecond) {
            m_run.warnPadded(track);
            if (!writeSilence(kFramesPerSecond - frames))
                return false;
        }
        placement.frames = uint32_t(m_stream.framesWritten() - m_trackStart);
        placement.startLsn = uint32_t(m_trackFirstSector);
        placement.lengthSectors = uint32_t(m_stream.lastFrameLastSector() - m_trackFirstSector + 1);
        return true;
    }

private:
    bool place(std::span<const uint8_t> frame)
    {
        if (!m_stream.writeFrame(frame))
            return false;
        if (m_stream.framesWritten() == m_trackStart + 1)
            m_trackFirstSector = m_stream.lastFrameFirstSector();
        return true;
    }

    bool writeSilence(uint64_t frames)
    {
        for (uint64_t f = 0; f < frames; ++f) {
            if (!place(m_silence))
                return false;
        }
        return true;
    }

    bool carryOver(DiscTrack& track, std::string& inputError)
    {
        m_run.note(track.path + ": DST frames carried over as they are (give --dst-compression to code them again)");
        std::vector<uint8_t> frame;
        while (track.source->readDstFrame(frame, inputError)) {
            if (!place(frame))
                return false;
            m_run.audioDone(dst::frameDsdBytes(m_channels));
        }
        return true;
    }

    // Reads whole frames (the last one padded with silence) and codes them
    // on the pool's threads, or stores them uncompressed.
    bool code(DiscTrack& track, std::string& inputError)
    {
        const size_t frameBytes = dst::frameDsdBytes(m_channels);
        std::vector<uint8_t> dsd(frameBytes);
        bool writeFailed = false;
        std::unique_ptr<dst::FrameEncoderPool> pool;
        if (!m_options.plainFrames)
            pool = std::make_unique<dst::FrameEncoderPool>(m_channels, dst::EncodeOptions{m_options.maxOrder},
                                                           [&](std::vector<uint8_t>&& frame) {
                                                               writeFailed = !place(frame);
                                                               return !writeFailed;
                                                           });
        uint64_t delivered = 0;
        int64_t got = 1;
        while (got > 0) {
            size_t filled = 0;
            while (filled < frameBytes
                   && (got = track.source->read(dsd.data() + filled, frameBytes - filled, inputError)) > 0)
                filled += size_t(got);
            if (got < 0 || filled == 0)
                break;
            delivered += filled;
            m_run.audioDone(filled);
            std::fill(dsd.begin() + std::ptrdiff_t(filled), dsd.end(), sacd::kDsdSilence);
            if (pool ? !pool->submit(dsd) : !place(dst::plainFrame(dsd)))
                return false;
        }
        if (inputError.empty())
            inputError = AreaRun::readProblem(track, got, delivered);
        return !inputError.empty() || !pool || (pool->finish() && !writeFailed);
    }

    DstAreaStream& m_stream;
    const int m_channels;
    const DstAreaOptions& m_options;
    AreaRun& m_run;
    std::vector<uint8_t> m_silence;
    uint64_t m_trackStart = 0;
    uint64_t m_trackFirstSector = 0;
};

} // namespace

bool writeDstTrackArea(ImageFile& file, std::vector<DiscTrack>& tracks, uint64_t plannedFrames,
                       const DstAreaOptions& options, AreaPlacement& area, AreaRun& run, std::string& inputError)
{
    DstAreaStream stream(file, area.channelCount, plannedFrames);
    DstTrackWriter writer(stream, area.channelCount, options, run);
    for (size_t i = 0; i < tracks.size(); ++i) {
        run.trackStarted(tracks[i]);
        TrackPlacement placement;
        if (!writer.writeTrack(tracks[i], placement, i == 0, inputError))
            return false;
        if (!inputError.empty())
            return true;
        placement.startLsn += area.trackAreaStartLsn;
        area.tracks.push_back(placement);
        if (run.trackFinished())
            break;
    }
    if (!stream.close())
        return false;
    area.totalFrames = uint32_t(stream.framesWritten());
    area.trackAreaEndLsn = uint32_t(area.trackAreaStartLsn + stream.sectors() - 1);
    area.toc2Lsn = area.trackAreaEndLsn + 1;
    area.maxByteRate = stream.maxByteRate();
    area.accessList = stream.accessList(area.trackAreaStartLsn);
    return true;
}

} // namespace orvi::engine
