#pragma once

// ID3v2 tags rendered by TagLib: for the DSD Disc's files, the extracted
// tracks and generated test files (so the readers are checked against a tag
// that a real tagger would write).

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::engine::signal {

struct TagFields {
    std::string title, artist, album, albumArtist, composer, genre, date, isrc, publisher, copyright; // UTF-8
    int trackNumber = 0, trackTotal = 0; // TRCK "n/total"; 0 = none
    int discNumber = 0, discTotal = 0;   // TPOS "n/total"; 0 = none
    std::vector<uint8_t> picture;        // front cover (APIC), JPEG or PNG; empty = none
    std::string pictureMime;             // "image/jpeg" or "image/png"
    int version = 4;                     // ID3v2.3 or ID3v2.4
};

bool hasAnyText(const TagFields& fields);

// The whole tag (header and frames); empty fields give no frame.
std::vector<uint8_t> renderId3Tag(const TagFields& fields);

} // namespace orvi::engine::signal
