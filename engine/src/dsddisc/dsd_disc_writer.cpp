#include "dsddisc/dsd_disc_writer.h"

#include "image/file_system_bridge.h"
#include "image/image_file.h"
#include "signal/dsd_file_writer.h"

#include <vector>

namespace orvi::engine::dsddisc {

namespace {

constexpr uint64_t kSector = 2048;
constexpr size_t kReadChunk = 1024 * 1024;

class DsdDiscWriter
{
public:
    DsdDiscWriter(const DsdDiscPlan& plan, const std::string& outputPath, const WriteObserver& observer)
        : m_plan(plan), m_file(outputPath), m_observer(observer)
    {
    }

    WriteResult run();

private:
    bool stopRequested() const { return m_observer.stopRequested && m_observer.stopRequested(); }
    WriteResult failed(WriteStatus status, const std::string& line);
    // Appends zeros up to the next sector; the image's length is then the
    // next file's first sector.
    bool padToSector();
    uint32_t nextLsn() { return uint32_t(m_file.device().size() / kSector); }
    // False on an output fault (`error` says which); an input fault sets
    // m_inputError and returns true.
    bool writeTrack(const DsdDiscFile& file, std::string& error);
    bool writePlaylistAndFileSystem(size_t tracks);

    const DsdDiscPlan& m_plan;
    ImageFile m_file;
    const WriteObserver& m_observer;
    BridgeDirectory m_albumFolder;
    uint64_t m_audioTotal = 0;
    uint64_t m_audioDone = 0;
    std::string m_inputError;
    std::string m_error; // an output fault that is not the file's
};

WriteResult DsdDiscWriter::failed(WriteStatus status, const std::string& line)
{
    WriteResult result;
    result.status = status;
    result.errors.push_back(line);
    m_file.discard();
    return result;
}

bool DsdDiscWriter::padToSector()
{
    const size_t tail = size_t(m_file.device().size() % kSector);
    if (tail == 0)
        return true;
    const std::vector<uint8_t> zeros(kSector - tail, 0);
    return m_file.append(zeros.data(), zeros.size());
}

bool DsdDiscWriter::writeTrack(const DsdDiscFile& file, std::string& error)
{
    DsdSource& source = *file.track->source;
    const uint32_t lsn = nextLsn();
    QIODevice& device = m_file.device();
    signal::DsdFileWriter writer;
    if (!device.seek(device.size())) {
        error = m_file.partPath() + ": cannot seek: " + device.errorString().toStdString();
        return false;
    }
    if (!writer.open(device, m_file.partPath(), signal::DsdFileFormat::Dsf, source.channelCount(), kDsd64Rate, error))
        return false;
    const uint64_t expected = source.sampleCount() / 8 * uint64_t(source.channelCount());
    const size_t chunk = kReadChunk / size_t(source.channelCount()) * size_t(source.channelCount());
    std::vector<uint8_t> buffer(chunk);
    uint64_t delivered = 0;
    for (;;) {
        std::string readError;
        const int64_t got = source.read(buffer.data(), buffer.size(), readError);
        if (got < 0) {
            m_inputError = readError.empty() ? file.track->path + ": cannot read the audio" : readError;
            return true;
        }
        if (got == 0)
            break;
        if (!writer.write(buffer.data(), size_t(got), error))
            return false;
        delivered += uint64_t(got);
        m_audioDone += uint64_t(got);
        if (m_observer.progress)
            m_observer.progress(m_audioDone, m_audioTotal);
    }
    if (delivered != expected) {
        m_inputError = file.track->path + ": delivered " + std::to_string(delivered) + " bytes of audio, "
            + std::to_string(expected) + " expected";
        return true;
    }
    signal::DsdFileText text;
    text.id3Tag = renderFileTag(m_plan, file);
    if (!writer.finish(text, error))
        return false;
    const uint64_t bytes = uint64_t(device.size()) - uint64_t(lsn) * kSector;
    if (!padToSector())
        return false;
    m_albumFolder.files.push_back({file.fileName, lsn, bytes});
    return true;
}

bool DsdDiscWriter::writePlaylistAndFileSystem(size_t tracks)
{
    BridgeVolume volume;
    volume.volumeId = m_plan.volume.udf;
    volume.fallbackId = m_plan.volume.iso;
    BridgeDirectory root{kRootFolder, {}, {}};
    m_albumFolder.name = m_plan.folderName;
    root.directories.push_back(std::move(m_albumFolder));
    if (!m_plan.playlistName.empty()) {
        const std::string playlist = playlistText(m_plan, tracks);
        root.files.push_back({m_plan.playlistName, nextLsn(), playlist.size()});
        if (!m_file.append(reinterpret_cast<const uint8_t*>(playlist.data()), playlist.size()) || !padToSector())
            return false;
    }
    volume.root.directories.push_back(std::move(root));
    volume.dataEndLsn = nextLsn();
    const BridgeSectors bridge = buildFileSystemBridge(std::move(volume));
    if (bridge.front.empty()) {
        m_error = "the file system's directories do not fit: too many tracks";
        return false;
    }
    return m_file.append(bridge.tail.data(), bridge.tail.size())
        && m_file.writeAt(uint64_t(kBridgeFirstSector) * kSector, bridge.front.data(), bridge.front.size());
}

WriteResult DsdDiscWriter::run()
{
    if (!m_file.open())
        return failed(WriteStatus::OutputFailed, m_file.error());
    if (m_observer.partialFileCreated)
        m_observer.partialFileCreated(m_file.partPath());
    // The volume's descriptors are written last, over these zeros, once
    // every file's place is known.
    const std::vector<uint8_t> zeros(size_t(kUdfAnchorLsn + 1) * kSector, 0);
    if (!m_file.append(zeros.data(), zeros.size()))
        return failed(WriteStatus::OutputFailed, m_file.error());
    for (const DsdDiscFile& file : m_plan.files)
        m_audioTotal += file.track->source->sampleCount() / 8 * uint64_t(file.track->source->channelCount());

    WriteResult result;
    result.status = WriteStatus::Written;
    for (size_t i = 0; i < m_plan.files.size(); ++i) {
        if (m_observer.trackStarted)
            m_observer.trackStarted(i, *m_plan.files[i].track);
        std::string error;
        if (!writeTrack(m_plan.files[i], error))
            return failed(WriteStatus::OutputFailed, error.empty() ? m_file.error() : error);
        if (!m_inputError.empty())
            return failed(WriteStatus::InvalidInput, m_inputError);
        result.tracksWritten = i + 1;
        if (i + 1 < m_plan.files.size() && stopRequested()) {
            result.status = WriteStatus::Stopped;
            break;
        }
    }
    if (!writePlaylistAndFileSystem(result.tracksWritten) || !m_file.commit())
        return failed(WriteStatus::OutputFailed, m_error.empty() ? m_file.error() : m_error);
    return result;
}

} // namespace

WriteResult writeDsdDisc(const DsdDiscPlan& plan, const std::string& outputPath, const WriteObserver& observer)
{
    DsdDiscWriter writer(plan, outputPath, observer);
    return writer.run();
}

} // namespace orvi::engine::dsddisc
