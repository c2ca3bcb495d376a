#pragma once

// Names on a DSD Disc: every name opens on Windows, macOS and Linux alike,
// and fits the UDF identifier and the common file systems a disc is copied
// to (255 bytes of UTF-8).

#include <cstddef>
#include <string>

namespace orvi::engine::dsddisc {

inline constexpr size_t kMaxNameBytes = 255;

// `text` with every character one of the three systems refuses in a name
// replaced by "_": the Windows set <>:"/\|?*, control characters, a trailing
// dot or blank and the Windows device names (CON, NUL, COM1, ...).
std::string portableName(const std::string& text);

// `prefix` + `text` + `suffix`, with `text` cut at a character boundary so
// that the name fits kMaxNameBytes as UTF-8 and as a UDF identifier.
std::string fittedName(const std::string& prefix, const std::string& text, const std::string& suffix);

// "NN - <title>.dsf"; the number has as many digits as the last track's,
// at least two, so that names sort in track order.
std::string trackFileName(size_t number, size_t total, const std::string& title);

struct VolumeIdentifier {
    std::string udf;  // the disc title, cut to what the UDF field holds
    std::string iso;  // its ISO 9660 form (A-Z, 0-9, "_"; "DSD_DISC" when none is left)
    bool cut = false; // the UDF form lost characters at its end
};

// The UDF volume identifier holds 30 characters of Latin-1, or 15 when the
// title needs wider ones; characters outside the Basic Multilingual Plane
// become "_".
VolumeIdentifier volumeIdentifierFor(const std::string& title);

} // namespace orvi::engine::dsddisc
