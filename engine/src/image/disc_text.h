#pragma once

// The disc's text, resolved (fallbacks from the album to the tracks) and
// encoded in the one character set of its single text channel.

#include "model/disc_model.h"
#include "text/disc_charset.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::engine {

enum class TrackTextType : uint8_t { Title = 1, Performer = 2, Composer = 4 };

struct EncodedTrackItem {
    TrackTextType type;
    std::string bytes; // without terminator, never empty
};

struct EncodedDiscText {
    const DiscCharset* charset = nullptr;
    // Without terminator; empty = not given.
    std::string albumTitle, albumArtist, albumPublisher, albumCopyright;
    std::string areaDescription, areaCopyright;
    // Per track of each area, items by increasing type.
    std::vector<std::vector<EncodedTrackItem>> tracks;             // stereo area
    std::vector<std::vector<EncodedTrackItem>> multichannelTracks; // multichannel area

    std::string terminator() const { return std::string(charset && charset->doubleByte ? 2 : 1, '\0'); }
};

struct DiscTextResult {
    EncodedDiscText text;
    std::vector<std::string> errors; // texts that no single character set can hold
};

DiscTextResult encodeDiscText(const DiscContent& disc);

} // namespace orvi::engine
