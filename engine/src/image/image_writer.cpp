#include "image/image_writer.h"

#include "image/cover_picture.h"
#include "image/disc_plan.h"
#include "image/file_system_bridge.h"
#include "image/image_file.h"
#include "image/sacd_layout.h"
#include "image/toc_builder.h"
#include "image/track_area_stream.h"

#include <cstdio>
#include <memory>
#include <utility>

namespace orvi::engine {

namespace {

// Audio between progress reports.
constexpr size_t kReadChunk = 2 * 1024 * 1024;
constexpr size_t kCoverChunk = 256 * 1024;

class ImageWriter
{
public:
    ImageWriter(DiscSpec& disc, DiscPlan plan, const std::string& outputPath, const WriteObserver& observer)
        : m_disc(disc), m_file(outputPath), m_observer(observer), m_plan(std::move(plan))
    {
    }

    WriteResult run();

private:
    void warn(const std::string& line) const
    {
        if (m_observer.warning)
            m_observer.warning(line);
    }
    bool stopRequested() const { return m_observer.stopRequested && m_observer.stopRequested(); }
    WriteResult outputFailed();
    WriteResult inputFailed(const std::string& line);
    // Streams one track (its pause first) into the Track Area.
    bool writeTrack(size_t index, std::string& inputError);
    bool writeTocs();
    // The cover after the last area, then the file-system bridge naming it
    // and the disc's structures.
    bool writeCoverAndBridge();

    DiscSpec& m_disc;
    ImageFile m_file;
    const WriteObserver& m_observer;
    DiscPlan m_plan;
    std::unique_ptr<TrackAreaStream> m_stream;
    AreaPlacement m_stereo;
    std::unique_ptr<CoverPicture> m_cover;
    uint64_t m_audioTotal = 0;
    uint64_t m_audioDone = 0;
};

WriteResult ImageWriter::outputFailed()
{
    WriteResult result;
    result.status = WriteStatus::OutputFailed;
    // Ends the stream's writes first: the file's message is complete then,
    // and nothing writes to the file being removed.
    m_stream.reset();
    result.errors.push_back(m_file.error());
    m_file.discard();
    return result;
}

WriteResult ImageWriter::inputFailed(const std::string& line)
{
    WriteResult result;
    result.status = WriteStatus::InvalidInput;
    result.errors.push_back(line);
    m_stream.reset();
    m_file.discard();
    return result;
}

bool ImageWriter::writeTrack(size_t index, std::string& inputError)
{
    DiscTrack& track = m_disc.stereoTracks[index];
    if (index > 0 && !m_stream->writeSilence(uint64_t(track.pauseFrames) * sacd::kStereoFrameBytes))
        return false;

    TrackPlacement placement;
    placement.startFrame = uint32_t(m_stream->framesWritten());
    const uint64_t expected = track.source->sampleCount() / 8 * 2;
    uint64_t delivered = 0;
    for (;;) {
        int64_t got = 0;
        if (!m_stream->writeFrom(*track.source, kReadChunk, got, inputError))
            return false;
        if (got < 0) {
            if (inputError.empty())
                inputError = track.path + ": cannot read the audio";
            return true;
        }
        if (got == 0)
            break;
        delivered += uint64_t(got);
        m_audioDone += uint64_t(got);
        if (m_observer.progress)
            m_observer.progress(m_audioDone, m_audioTotal);
    }
    if (delivered != expected) {
        inputError = track.path + ": delivered " + std::to_string(delivered) + " bytes of audio, "
                     + std::to_string(expected) + " expected";
        return true;
    }
    if (!m_stream->padToFrame())
        return false;
    const uint64_t frames = m_stream->framesWritten() - placement.startFrame;
    if (frames < kFramesPerSecond) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.2f", double(track.source->sampleCount()) / kDsd64Rate);
        warn("track " + std::to_string(index + 1) + ": " + track.path + " lasts " + seconds
             + " s; padded with silence to 1 s, the shortest track a disc allows");
        if (!m_stream->writeSilence((kFramesPerSecond - frames) * sacd::kStereoFrameBytes))
            return false;
    }
    placement.frames = uint32_t(m_stream->framesWritten() - placement.startFrame);
    const uint64_t startSector = sacd::frameStartSector(placement.startFrame);
    const uint64_t lastSector = sacd::frameStartSector(m_stream->framesWritten());
    placement.startLsn = uint32_t(m_stereo.trackAreaStartLsn + startSector);
    placement.lengthSectors = uint32_t(lastSector - startSector + 1);
    m_stereo.tracks.push_back(placement);
    return true;
}

bool ImageWriter::writeTocs()
{
    m_stereo.totalFrames = uint32_t(m_stream->framesWritten());
    m_stereo.trackAreaEndLsn = uint32_t(m_stereo.trackAreaStartLsn + sacd::frameStartSector(m_stereo.totalFrames));
    m_stereo.toc2Lsn = m_stereo.trackAreaEndLsn + 1;

    const std::vector<uint8_t> areaToc = buildStereoAreaToc(m_disc, m_plan.text, m_stereo);
    if (!m_file.append(areaToc.data(), areaToc.size())
        || !m_file.writeAt(uint64_t(m_stereo.toc1Lsn) * sacd::kSectorSize, areaToc.data(), areaToc.size()))
        return false;
    const std::vector<uint8_t> masterToc = buildMasterToc(m_disc, m_plan.text, m_stereo);
    for (uint32_t lsn : sacd::kMasterTocLsn) {
        if (!m_file.writeAt(uint64_t(lsn) * sacd::kSectorSize, masterToc.data(), masterToc.size()))
            return false;
    }
    return true;
}

bool ImageWriter::writeCoverAndBridge()
{
    const uint32_t tocBytes = m_stereo.tocSectors * sacd::kSectorSize;
    uint32_t endLsn = m_stereo.toc2Lsn + m_stereo.tocSectors;

    BridgeVolume volume;
    volume.volumeId = m_disc.text.album;
    for (size_t copy = 0; copy < sacd::kMasterTocLsn.size(); ++copy) {
        volume.root.files.push_back({"MASTER" + std::to_string(copy + 1) + ".TOC", sacd::kMasterTocLsn[copy],
                                    uint64_t(sacd::kMasterTocSectors) * sacd::kSectorSize});
    }
    if (m_cover) {
        std::string problem;
        std::vector<uint8_t> buffer(kCoverChunk);
        if (!m_cover->appendTo(m_file, buffer, problem)) {
            if (problem.empty())
                return false;
            warn("cover picture not stored: " + problem);
        } else {
            volume.root.files.push_back({m_cover->fileName(), endLsn, m_cover->bytesWritten()});
        }
        endLsn += uint32_t((m_cover->bytesWritten() + sacd::kSectorSize - 1) / sacd::kSectorSize);
    }
    volume.dataEndLsn = endLsn;

    volume.root.directories.push_back({"2C_AUDIO", {}, {}});
    std::vector<BridgeFile>& audio = volume.root.directories.back().files;
    audio.push_back({"2C_AREA1.TOC", m_stereo.toc1Lsn, tocBytes});
    audio.push_back({"2C_AREA2.TOC", m_stereo.toc2Lsn, tocBytes});
    audio.push_back({"2C_TAREA.2CH", m_stereo.trackAreaStartLsn,
                     uint64_t(m_stereo.trackAreaEndLsn - m_stereo.trackAreaStartLsn + 1) * sacd::kSectorSize});
    for (size_t t = 0; t < m_stereo.tracks.size(); ++t) {
        char name[16];
        std::snprintf(name, sizeof name, "TRACK%03u.2CH", unsigned(t + 1));
        audio.push_back({name, m_stereo.tracks[t].startLsn, uint64_t(m_stereo.tracks[t].lengthSectors) * sacd::kSectorSize});
    }

    const BridgeSectors bridge = buildFileSystemBridge(volume);
    if (bridge.front.empty()) {
        // Cannot happen within 255 tracks; the disc stays valid without it.
        warn("the image carries no file system: its directories do not fit the file-system area");
        return true;
    }
    return m_file.append(bridge.tail.data(), bridge.tail.size())
           && m_file.writeAt(uint64_t(kBridgeFirstSector) * sacd::kSectorSize, bridge.front.data(), bridge.front.size());
}

WriteResult ImageWriter::run()
{
    if (!m_disc.coverPath.empty()) {
        std::string problem;
        m_cover = CoverPicture::open(m_disc.coverPath, problem);
        if (!m_cover)
            warn("cover picture not stored: " + problem);
    }

    if (!m_file.open())
        return outputFailed();
    if (m_observer.partialFileCreated)
        m_observer.partialFileCreated(m_file.partPath());
    // Everything before the Track Area is written as zeros now and filled
    // in last, once every track's place is known.
    m_stereo.toc1Lsn = sacd::kStereoAreaLsn;
    m_stereo.tocSectors = m_plan.areaTocSectors;
    m_stereo.trackAreaStartLsn = sacd::kStereoAreaLsn + m_plan.areaTocSectors;
    {
        const std::vector<uint8_t> zeros(size_t(m_stereo.trackAreaStartLsn) * sacd::kSectorSize, 0);
        if (!m_file.append(zeros.data(), zeros.size()))
            return outputFailed();
    }
    for (const DiscTrack& track : m_disc.stereoTracks)
        m_audioTotal += track.source->sampleCount() / 8 * 2;

    m_stream = std::make_unique<TrackAreaStream>(m_file);
    WriteResult result;
    result.status = WriteStatus::Written;
    for (size_t i = 0; i < m_disc.stereoTracks.size(); ++i) {
        if (m_observer.trackStarted)
            m_observer.trackStarted(i, m_disc.stereoTracks[i]);
        std::string inputError;
        if (!writeTrack(i, inputError))
            return outputFailed();
        if (!inputError.empty())
            return inputFailed(inputError);
        result.tracksWritten = i + 1;
        if (i + 1 < m_disc.stereoTracks.size() && stopRequested()) {
            result.status = WriteStatus::Stopped;
            break;
        }
    }
    if (!m_stream->close() || !writeTocs() || !writeCoverAndBridge() || !m_file.commit())
        return outputFailed();
    return result;
}

} // namespace

WriteResult writeImage(DiscSpec& disc, DiscPlan plan, const std::string& outputPath, const WriteObserver& observer)
{
    ImageWriter writer(disc, std::move(plan), outputPath, observer);
    return writer.run();
}

WriteResult writeImage(DiscSpec& disc, const std::string& outputPath, const WriteObserver& observer)
{
    std::vector<std::string> warnings;
    std::vector<std::string> errors;
    DiscPlan plan = planDisc(disc, errors, warnings);
    for (const std::string& line : warnings) {
        if (observer.warning)
            observer.warning(line);
    }
    if (!errors.empty()) {
        WriteResult result;
        result.status = WriteStatus::InvalidInput;
        result.errors = std::move(errors);
        return result;
    }
    return writeImage(disc, std::move(plan), outputPath, observer);
}

} // namespace orvi::engine
