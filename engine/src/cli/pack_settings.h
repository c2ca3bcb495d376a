#pragma once

// The packing options after their values were judged: typed, normalised and
// ready to resolve against the CUE sheet and the tracks' own metadata.

#include "model/disc_model.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvi::engine::cli {

struct CommandLine;

inline constexpr uint32_t kDefaultPauseSamples = 150; // in 1/44100 s
inline constexpr uint32_t kMaxPauseSamples = 200000;

struct PackSettings {
    AlbumText text;          // from --album ... --orchestra; empty = not given
    uint16_t genreIndex = 0; // 0 = not given
    std::optional<DiscDate> date;
    std::string catalogNumber;
    uint16_t discNumber = 1;
    uint16_t discTotal = 1;
    std::string coverPath;
    std::string cuePath;
    std::string cueCharset;   // empty = detect
    uint32_t pauseFrames = 1; // 150/44100 s rounded up to 1/75 s frames
    int dstOrder = 128;
    bool dstOrderGiven = false;
    bool dstStereo = false;
    bool noEncode = false;
    bool verify = false;
    bool dsdDisc = false;
    std::optional<std::string> discTitle;  // --title
    bool playlist = true;                  // not --no-playlist
    std::map<size_t, TrackText> trackText; // 0-based track index -> title/performer/isrc given
    std::string outputPath;
    std::vector<std::string> tracks;
};

struct SettingsCheck {
    PackSettings settings;
    std::vector<std::string> errors;   // one line per invalid value, naming the option
    std::vector<std::string> warnings; // options given but without effect
};

// Judges every value of a syntactically complete command line and reports
// all problems at once. Pure: touches no file (the cover is checked apart).
SettingsCheck checkSettings(const CommandLine& commandLine);

// P/44100 s rounded up to whole 1/75 s frames.
uint32_t pauseFramesFor(uint32_t samplesAt44100);

} // namespace orvi::engine::cli
