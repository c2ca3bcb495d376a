#pragma once

#include <QDateTime>

namespace orvi::engine {

// The moment the file systems record as the image's creation: now, or the
// SOURCE_DATE_EPOCH environment variable (seconds since 1970, UTC) when it
// holds a number, so that the same job packed twice, on any system, gives
// the same bytes.
QDateTime imageCreationTime();

} // namespace orvi::engine
