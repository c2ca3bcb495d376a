#pragma once

// Everything about a DSD Disc that is known before a byte is written: the
// disc title and volume identifier, the folder and file names, each file's
// tag and size, and the image size. Planning is also its validation.

#include "dsddisc/disc_names.h"
#include "model/disc_model.h"
#include "signal/id3_tag_writer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvi::engine::dsddisc {

inline constexpr const char* kRootFolder = "DSD_DISC";

struct DsdDiscOptions {
    std::optional<std::string> title; // --title; the album when not given
    bool playlist = true;
};

struct DsdDiscFile {
    const DiscTrack* track = nullptr;
    std::string fileName;  // "NN - <title>.dsf"
    signal::TagFields tag; // the cover comes from the plan
    uint64_t bytes = 0;    // the whole DSF file, tag included
};

struct DsdDiscPlan {
    std::string title; // as given: the playlist's #TITLE
    VolumeIdentifier volume;
    std::string folderName;   // of the title, under /DSD_DISC
    std::string playlistName; // "<title>.ovp" beside the folder; empty = no playlist
    std::vector<uint8_t> picture;
    std::string pictureMime;
    std::vector<DsdDiscFile> files; // in track order
    uint64_t samples = 0;           // per channel, all tracks
    uint64_t imageBytes = 0;        // an estimate within a few sectors
};

// Plans the disc of `disc`'s tracks (stereo first, then multichannel).
// Problems go to `errors`, notes on the title to `warnings`, without prefix.
DsdDiscPlan planDsdDisc(const DiscContent& disc, const DsdDiscOptions& options, std::vector<std::string>& errors,
                        std::vector<std::string>& warnings);

// The tag of one file with the plan's cover.
std::vector<uint8_t> renderFileTag(const DsdDiscPlan& plan, const DsdDiscFile& file);

// "/DSD_DISC/<folder>/<file>".
std::string rootPath(const DsdDiscPlan& plan, const DsdDiscFile& file);

// The playlist of the first `tracks` files: "#OVP 1", "#TITLE <title>", then
// "#TRACK <n>|<title>|<artist>" and the file's root-absolute path for each.
std::string playlistText(const DsdDiscPlan& plan, size_t tracks);

// "DSD Disc \"<title>\": 12 tracks 61:20; estimated size 2.41 GB"
std::string dsdDiscPlanLine(const DsdDiscPlan& plan);

} // namespace orvi::engine::dsddisc
