#pragma once

// --from-pcm: a WAV file (16/24/32-bit integer or 32-bit float, any rate,
// 1..6 channels) resampled to 2 822 400 Hz by libsoxr and modulated to DSD64
// by the test-signal modulator, streamed into a DSF or DSDIFF file.

#include "signal/dsd_file_writer.h"

#include <string>

namespace orvi::engine::signal {

bool convertPcmFile(const std::string& wavPath, const std::string& outputPath, DsdFileFormat format,
                    const DsdFileText& text, int dstOrder, std::string& error);

} // namespace orvi::engine::signal
