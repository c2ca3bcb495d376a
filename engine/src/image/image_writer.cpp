#include "image/image_writer.h"

#include "image/area_run.h"
#include "image/cover_picture.h"
#include "image/disc_plan.h"
#include "image/dst_area_writer.h"
#include "image/file_system_bridge.h"
#include "image/image_file.h"
#include "image/sacd_layout.h"
#include "image/toc_builder.h"
#include "image/track_area_stream.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

namespace orvi::engine {

namespace {

// Audio between progress reports.
constexpr size_t kReadChunk = 2 * 1024 * 1024;
constexpr size_t kCoverChunk = 256 * 1024;
// Highest average byte rate a DST area may have.
constexpr uint32_t kStereoDstByteRateLimit = 839680;
constexpr uint32_t kMultichannelDstByteRateLimit = 1873920;

struct AreaSlot {
    std::vector<DiscTrack>* tracks;
    const AreaPlan* plan;
    const TrackItems* items;
    AreaPlacement placement;
    const char* name;
};

class ImageWriter
{
public:
    ImageWriter(DiscContent& disc, DiscPlan plan, const std::string& outputPath, const WriteObserver& observer)
        : m_disc(disc), m_file(outputPath), m_observer(observer),
          m_plan(std::move(plan)), m_areas{
                                       AreaSlot{&disc.stereoTracks, &m_plan.stereo, &m_plan.text.tracks, {}, "stereo"},
                                       AreaSlot{&disc.multichannelTracks,
                                                &m_plan.multichannel,
                                                &m_plan.text.multichannelTracks,
                                                {},
                                                "multichannel"}}
    {
    }

    WriteResult run();

private:
    void warn(const std::string& line) const
    {
        if (m_observer.warning)
            m_observer.warning(line);
    }
    WriteResult outputFailed();
    WriteResult inputFailed(const std::string& line);
    // Area TOC-1 (zeros for now), the Track Area, then TOC-2, and TOC-1 in
    // its place.
    bool writeArea(AreaSlot& area, AreaRun& run, std::string& inputError);
    bool writePlainTrackArea(AreaSlot& area, AreaRun& run, std::string& inputError);
    // Streams one track (its pause first) into a plain DSD Track Area.
    bool writePlainTrack(DiscTrack& track, bool first, AreaPlacement& area, AreaRun& run, std::string& inputError);
    // The cover after the last area, then the file-system bridge naming it
    // and the disc's structures.
    bool writeCoverAndBridge(uint32_t endLsn);

    DiscContent& m_disc;
    ImageFile m_file;
    const WriteObserver& m_observer;
    DiscPlan m_plan;
    std::unique_ptr<TrackAreaStream> m_stream;
    AreaSlot m_areas[2];
    std::unique_ptr<CoverPicture> m_cover;
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

bool ImageWriter::writePlainTrack(DiscTrack& track, bool first, AreaPlacement& area, AreaRun& run,
                                  std::string& inputError)
{
    if (!first && !m_stream->writeSilence(uint64_t(track.pauseFrames) * sacd::kStereoFrameBytes))
        return false;

    TrackPlacement placement;
    placement.startFrame = uint32_t(m_stream->framesWritten());
    uint64_t delivered = 0;
    int64_t got = 0;
    do {
        if (!m_stream->writeFrom(*track.source, kReadChunk, got, inputError))
            return false;
        delivered += uint64_t(std::max<int64_t>(got, 0));
        run.audioDone(uint64_t(std::max<int64_t>(got, 0)));
    } while (got > 0);
    if (inputError.empty())
        inputError = AreaRun::readProblem(track, got, delivered);
    if (!inputError.empty())
        return true;
    if (!m_stream->padToFrame())
        return false;
    const uint64_t frames = m_stream->framesWritten() - placement.startFrame;
    if (frames < kFramesPerSecond) {
        run.warnPadded(track);
        if (!m_stream->writeSilence((kFramesPerSecond - frames) * sacd::kStereoFrameBytes))
            return false;
    }
    placement.frames = uint32_t(m_stream->framesWritten() - placement.startFrame);
    const uint64_t startSector = sacd::frameStartSector(placement.startFrame);
    const uint64_t lastSector = sacd::frameStartSector(m_stream->framesWritten());
    placement.startLsn = uint32_t(area.trackAreaStartLsn + startSector);
    placement.lengthSectors = uint32_t(lastSector - startSector + 1);
    area.tracks.push_back(placement);
    return true;
}

bool ImageWriter::writePlainTrackArea(AreaSlot& area, AreaRun& run, std::string& inputError)
{
    AreaPlacement& placement = area.placement;
    m_stream = std::make_unique<TrackAreaStream>(m_file);
    for (size_t i = 0; i < area.tracks->size(); ++i) {
        run.trackStarted((*area.tracks)[i]);
        if (!writePlainTrack((*area.tracks)[i], i == 0, placement, run, inputError))
            return false;
        if (!inputError.empty() || run.trackFinished())
            break;
    }
    if (!inputError.empty())
        return true;
    placement.totalFrames = uint32_t(m_stream->framesWritten());
    placement.trackAreaEndLsn = uint32_t(placement.trackAreaStartLsn + sacd::frameStartSector(placement.totalFrames));
    placement.toc2Lsn = placement.trackAreaEndLsn + 1;
    const bool closed = m_stream->close();
    m_stream.reset();
    return closed;
}

bool ImageWriter::writeArea(AreaSlot& area, AreaRun& run, std::string& inputError)
{
    AreaPlacement& placement = area.placement;
    placement.channelCount = area.plan->channelCount;
    placement.dst = area.plan->dst;
    placement.tocSectors = area.plan->tocSectors;
    placement.trackAreaStartLsn = placement.toc1Lsn + placement.tocSectors;
    {
        const std::vector<uint8_t> zeros(size_t(placement.tocSectors) * sacd::kSectorSize, 0);
        if (!m_file.append(zeros.data(), zeros.size()))
            return false;
    }
    if (placement.dst) {
        DstAreaOptions options;
        options.maxOrder = m_disc.dst.order;
        options.plainFrames = placement.channelCount > 2 && m_disc.dst.noEncode;
        options.carryOver = !m_disc.dst.orderGiven;
        if (!writeDstTrackArea(m_file, *area.tracks, area.plan->totalFrames, options, placement, run, inputError))
            return false;
    } else {
        if (!writePlainTrackArea(area, run, inputError))
            return false;
    }
    if (!inputError.empty())
        return true;

    const uint32_t limit = placement.channelCount == 2 ? kStereoDstByteRateLimit : kMultichannelDstByteRateLimit;
    if (placement.dst && placement.maxByteRate > limit)
        warn(std::string("the ") + area.name + " area peaks at " + std::to_string(placement.maxByteRate)
             + " bytes/s, above the format's limit of " + std::to_string(limit) + " bytes/s"
             + (m_disc.dst.noEncode && placement.channelCount > 2 ? " (uncompressed frames, --no-encode)" : "")
             + ": players may refuse the area");

    const std::vector<uint8_t> toc = buildAreaToc(m_disc, m_plan.text, placement, *area.tracks, *area.items);
    return m_file.append(toc.data(), toc.size())
        && m_file.writeAt(uint64_t(placement.toc1Lsn) * sacd::kSectorSize, toc.data(), toc.size());
}

bool ImageWriter::writeCoverAndBridge(uint32_t endLsn)
{
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

    for (const AreaSlot& area : m_areas) {
        const AreaPlacement& p = area.placement;
        if (p.tocSectors == 0)
            continue;
        // 2C_AUDIO/2C_AREA1.TOC ... TRACKnnn.2CH; MC_AUDIO/MC_AREA1.TOC ... TRACKnnn.MCH
        const bool stereo = p.channelCount == 2;
        const std::string prefix = stereo ? "2C" : "MC";
        const std::string suffix = stereo ? ".2CH" : ".MCH";
        const uint64_t tocBytes = uint64_t(p.tocSectors) * sacd::kSectorSize;
        BridgeDirectory directory{prefix + "_AUDIO", {}, {}};
        directory.files.push_back({prefix + "_AREA1.TOC", p.toc1Lsn, tocBytes});
        directory.files.push_back({prefix + "_AREA2.TOC", p.toc2Lsn, tocBytes});
        directory.files.push_back({prefix + "_TAREA" + suffix, p.trackAreaStartLsn,
                                   uint64_t(p.trackAreaEndLsn - p.trackAreaStartLsn + 1) * sacd::kSectorSize});
        for (size_t t = 0; t < p.tracks.size(); ++t) {
            char name[16];
            std::snprintf(name, sizeof name, "TRACK%03u", unsigned(t + 1));
            directory.files.push_back(
                {name + suffix, p.tracks[t].startLsn, uint64_t(p.tracks[t].lengthSectors) * sacd::kSectorSize});
        }
        volume.root.directories.push_back(std::move(directory));
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
    // Everything before the first area is written as zeros now and filled
    // in last, once every track's place is known.
    {
        const std::vector<uint8_t> zeros(size_t(sacd::kStereoAreaLsn) * sacd::kSectorSize, 0);
        if (!m_file.append(zeros.data(), zeros.size()))
            return outputFailed();
    }
    uint64_t audioTotal = 0;
    size_t trackTotal = 0;
    for (const AreaSlot& area : m_areas) {
        trackTotal += area.tracks->size();
        for (const DiscTrack& track : *area.tracks)
            audioTotal += track.source->sampleCount() / 8 * uint64_t(track.source->channelCount());
    }

    AreaRun run(m_observer, trackTotal, audioTotal);
    uint32_t nextLsn = sacd::kStereoAreaLsn;
    for (AreaSlot& area : m_areas) {
        if (area.tracks->empty() || run.stopped())
            continue;
        area.placement.toc1Lsn = nextLsn;
        std::string inputError;
        if (!writeArea(area, run, inputError))
            return outputFailed();
        if (!inputError.empty())
            return inputFailed(inputError);
        nextLsn = area.placement.toc2Lsn + area.placement.tocSectors;
    }

    const std::vector<uint8_t> masterToc =
        buildMasterToc(m_disc, m_plan.text, m_areas[0].placement, m_areas[1].placement);
    for (uint32_t lsn : sacd::kMasterTocLsn) {
        if (!m_file.writeAt(uint64_t(lsn) * sacd::kSectorSize, masterToc.data(), masterToc.size()))
            return outputFailed();
    }
    if (!writeCoverAndBridge(nextLsn) || !m_file.commit())
        return outputFailed();
    WriteResult result;
    result.status = run.stopped() ? WriteStatus::Stopped : WriteStatus::Written;
    result.tracksWritten = run.tracksDone();
    return result;
}

} // namespace

WriteResult writeImage(DiscContent& disc, DiscPlan plan, const std::string& outputPath, const WriteObserver& observer)
{
    ImageWriter writer(disc, std::move(plan), outputPath, observer);
    return writer.run();
}

WriteResult writeImage(DiscContent& disc, const std::string& outputPath, const WriteObserver& observer)
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
