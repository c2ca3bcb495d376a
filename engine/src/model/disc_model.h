#pragma once

// The engine's shared model: what the command line and the inputs resolve
// to, and what the image writer consumes. Text is UTF-8 throughout; the
// writer transcodes it into the disc's character set.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvi::engine {

inline constexpr uint32_t kDsd64Rate = 2822400;
inline constexpr uint32_t kFramesPerSecond = 75;
inline constexpr uint32_t kBytesPerChannelFrame = 4704; // 1/75 s of DSD64, one channel

// A track's audio, delivered in the disc's byte order: bytes interleaved per
// channel (ch1 byte0, ch2 byte0, ..., ch1 byte1, ...), first sample in the MSB.
class DsdSource
{
public:
    virtual ~DsdSource() = default;
    virtual int channelCount() const = 0;
    // Samples per channel (a multiple of 8: sources deliver whole bytes).
    virtual uint64_t sampleCount() const = 0;
    // Reads up to `bytes` bytes (a multiple of channelCount()) into `out` and
    // returns how many were read; 0 at the end. On an I/O or format fault
    // returns -1 and sets `error` to a message naming the file and the problem.
    virtual int64_t read(uint8_t* out, size_t bytes, std::string& error) = 0;

    // A file that stores DST frames can hand them over as they are, so that
    // a DST area carries them without decoding and coding them again. Use
    // either read() or readDstFrame() on one source, never both.
    virtual bool holdsDstFrames() const { return false; }
    // The next frame into `frame`, checked to decode; false at the end (with
    // `error` empty) or on a fault (`error` names the file and the frame).
    virtual bool readDstFrame(std::vector<uint8_t>& frame, std::string& error)
    {
        frame.clear();
        error.clear();
        return false;
    }
};

// Metadata found in a file (ID3v2, DSDIFF DIIN) or given by the user.
// Empty strings mean "not given".
// Where a resolved text came from, for messages about it ("sheet.cue:4
// TITLE", "a.dsf ID3v2 TPE1"); empty = its command-line option.
struct TextOrigins {
    std::string title, performer, composer;
};

struct TrackText {
    std::string title;
    std::string performer;
    std::string composer;
    std::string isrc;        // 12 characters, no hyphens
    uint16_t genreIndex = 0; // General genre table index, 0 = the disc's
    TextOrigins origins;
};

struct AlbumText {
    std::string album; // album/disc title
    std::string artist;
    std::string publisher; // --label
    std::string copyright;
    std::string composer;
    std::string conductor;
    std::string orchestra;
    TextOrigins origins; // title = album, performer = artist, composer = composer
};

struct DiscDate {
    uint16_t year = 0;
    uint8_t month = 0; // 0 with a year only
    uint8_t day = 0;
};

struct DiscTrack {
    std::string path;         // input file, for messages
    size_t number = 0;        // position among the inputs, from 1 (0: not from a command line)
    TrackText text;           // resolved: command line > CUE > in-file
    uint32_t pauseFrames = 0; // silence frames before this track (0 for the first)
    std::unique_ptr<DsdSource> source;
};

struct DstSettings {
    int order = 128;         // --dst-compression
    bool orderGiven = false; // given explicitly: DST input is coded again rather than carried over
    bool stereo = false;     // --dst-stereo: the stereo area DST-coded too
    bool noEncode = false;   // --no-encode: the multichannel area as uncompressed DST frames
};

struct DiscContent {
    AlbumText text;
    uint16_t genreIndex = 0; // General genre table index 1..29, 0 = none
    DiscDate date;
    std::string catalogNumber; // up to 16 ISO 646 characters, empty = none
    uint16_t discNumber = 1;
    uint16_t discTotal = 1;
    std::string coverPath; // JPEG or PNG file, empty = none
    std::vector<DiscTrack> stereoTracks;
    std::vector<DiscTrack> multichannelTracks; // 5 or 6 channels, one count for the area
    DstSettings dst;
};

// What the writer reports while it works; every callback is optional.
struct WriteObserver {
    // Before track `index` starts (0-based over the disc: stereo tracks first).
    std::function<void(size_t index, const DiscTrack& track)> trackStarted;
    // Bytes of audio written so far and the total to write.
    std::function<void(uint64_t done, uint64_t total)> progress;
    // Polled between tracks: true asks to close the image after the finished tracks.
    std::function<bool()> stopRequested;
    std::function<void(const std::string& line)> warning;
    // What the writer did that the log should show (e.g. DST frames carried over).
    std::function<void(const std::string& line)> note;
    // The temporary file the image is written to, once created.
    std::function<void(const std::string& path)> partialFileCreated;
};

enum class WriteStatus { Written, Stopped, InvalidInput, OutputFailed };

struct WriteResult {
    WriteStatus status = WriteStatus::OutputFailed;
    std::vector<std::string> errors; // one line per problem, naming the field or file
    size_t tracksWritten = 0;        // stereo tracks first, then multichannel ones
};

} // namespace orvi::engine
