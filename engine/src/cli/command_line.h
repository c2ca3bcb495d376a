#pragma once

// The engine's command line as written: options with their raw values, the
// output and the tracks. Reading it checks only the syntax (known options,
// values present); value_checks judges the values.

#include <optional>
#include <string>
#include <vector>

namespace orvi::engine::cli {

enum class Mode { Pack, Help, Version, Inspect, Extract };

// A per-track option as given: "--track-title 3:Allegro".
struct TrackOptionValue {
    std::string option; // "--track-title", "--track-artist" or "--isrc"
    std::string value;  // "3:Allegro"
};

struct RawOptions {
    std::optional<std::string> album, artist, label, copyright, composer, conductor, orchestra;
    std::optional<std::string> genre, year, date, catalog, barcode, disc, discTotal;
    std::optional<std::string> cover, cue, cueCharset, pause, dstCompression, title;
    bool noEncode = false;
    bool dstStereo = false;
    bool dsdDisc = false;
    bool noPlaylist = false;
    bool verify = false;
    std::vector<TrackOptionValue> trackOptions; // in command-line order
};

struct CommandLine {
    Mode mode = Mode::Pack;
    RawOptions options;
    std::optional<std::string> output;
    std::vector<std::string> tracks;
    std::string inspectImage; // --inspect IMAGE, --extract IMAGE DIR
    std::string extractDirectory;
    std::vector<std::string> usageErrors; // one message per problem, without "error: "
};

// Reads the arguments after the program name. Options come in any order,
// each value as its own argument; "--" ends the options. An option that
// takes one value given twice is a usage error. The in-process runner's own
// arguments are skipped.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

// One line: "usage: OrviPackEngine [options] -o OUTPUT TRACK...".
const char* usageLine();
// The --help text, lines ending in "\n".
std::string helpText();

} // namespace orvi::engine::cli
