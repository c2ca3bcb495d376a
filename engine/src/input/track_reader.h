#pragma once

// Opening the engine's inputs: DSD track files (.dsf, .dff) and CUE sheets.
//
// Every problem is reported as one line in `errors` of the form
// "<path>: <what is wrong>" (e.g. "a.dsf: truncated: data chunk says 123
// bytes, file has 45"), without the "error: " prefix: the caller prints
// "error: " + line, as it does for its own errors. A non-empty `errors`
// means the input is refused and `source` is null. Nothing here throws.

#include "model/disc_model.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvi::engine {

struct OpenedTrack {
    // Streams the audio in the disc's byte order (channel-interleaved bytes,
    // first sample in the MSB), whatever the file's own layout. It reads the
    // file in large blocks and never holds more than a few of them.
    std::unique_ptr<DsdSource> source;
    // In-file text, UTF-8; empty = not in the file. ID3v2 comes first, DSDIFF
    // DIIN (title, artist) fills what the tag leaves empty. The caller ranks
    // it below the command line and the CUE sheet.
    TrackText text;    // TIT2 title, TPE1 performer, TCOM composer, TSRC isrc (normalised, 12 characters)
    AlbumText album;   // album-level frames: TALB album, TPE2 artist (album artist), TPUB publisher, TCOP copyright
    std::string genre; // the tag's genre text (ID3v1 numbers resolved to names by TagLib), may be empty
    std::string date;  // the tag's year or date text as written (e.g. "2019" or "2019-05-02"), may be empty
    int channels = 0;
    uint32_t sampleRate = 0;
    uint64_t sampleCount = 0;          // per channel, as delivered by `source` (a multiple of 8)
    std::vector<std::string> errors;   // non-empty = refused
    std::vector<std::string> warnings; // accepted, but worth telling (e.g. an unreadable tag); same form as errors
};

// Opens a DSF (version 1) or DSDIFF 1.5 file, recognised by its content
// rather than its suffix: DSD64 with 2, 5 or 6 channels, plain or (DSDIFF)
// DST-coded. DST frames are decoded as they are read, so a frame that does
// not decode is reported by the source's read, naming the frame.
OpenedTrack openTrack(const std::string& path);

// Where a text of the sheet stands, for messages: "<path>:<line> TITLE".
struct CueOrigins {
    std::string title, performer, songwriter;
};

struct CueTrack {
    int number = 0;                     // the number after TRACK
    std::string title, performer, isrc; // UTF-8, empty when not given; isrc normalised to 12 characters
    std::string songwriter;             // SONGWRITER (or COMPOSER), empty when not given
    CueOrigins origins;
};

struct CueSheet {
    std::string title, performer; // album-level TITLE / PERFORMER (before the first TRACK)
    std::string songwriter;       // album-level SONGWRITER (or COMPOSER)
    CueOrigins origins;
    std::vector<CueTrack> tracks;    // in the sheet's order
    std::string encoding;            // the character set it was decoded from, e.g. "UTF-8", "GB18030"
    std::vector<std::string> errors; // "<path>:<line>: ..." or "<path>: ..."; non-empty = refused
};

// Reads a CUE sheet, detecting its character set (BOM, strict UTF-8, then
// the most plausible legacy reading) unless `charset` names it, and decoding
// it to UTF-8. Timing commands (FILE, INDEX, ...) are accepted and ignored:
// each track is its own file, so tracks[i] belongs to the i-th track file.
// Unknown commands are errors.
CueSheet readCueSheet(const std::string& path, const std::string& charset = {});

} // namespace orvi::engine
