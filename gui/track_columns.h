#pragma once

namespace orvi {

// Columns of the track table; the table is the only store of the track list.
enum TrackColumn : int {
    TrackNumberColumn = 0,
    TrackPathColumn = 1,
    TrackTitleColumn = 2,
    TrackArtistColumn = 3,
    TrackIsrcColumn = 4,
    TrackColumnCount = 5,
};

} // namespace orvi
