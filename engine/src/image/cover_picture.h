#pragma once

// The cover picture, carried as a file of the file-system bridge after the
// last area. Only its kind (JPEG or PNG, from its first bytes) and its bytes
// matter here; the command line has already decoded it once.

#include "image/image_file.h"

#include <QFile>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvi::engine {

class CoverPicture
{
public:
    // Opens `path`; on failure `problem` says why ("cannot read ...", "neither JPEG nor PNG").
    static std::unique_ptr<CoverPicture> open(const std::string& path, std::string& problem);

    const char* fileName() const { return m_png ? "COVER.PNG" : "COVER.JPG"; }
    const char* mimeType() const { return m_png ? "image/png" : "image/jpeg"; }
    uint64_t size() const { return uint64_t(m_file.size()); }
    uint64_t bytesWritten() const { return m_written; }
    // Appends the picture to `image`, padded to whole sectors. False with
    // `readProblem` set when the picture could not be read, false with an
    // image error when the image could not be written.
    bool appendTo(ImageFile& image, std::vector<uint8_t>& buffer, std::string& readProblem);

    // The whole picture, for a tag that embeds it.
    bool readAll(std::vector<uint8_t>& bytes, std::string& readProblem);

private:
    explicit CoverPicture(const std::string& path);

    QFile m_file;
    bool m_png = false;
    uint64_t m_written = 0;
};

} // namespace orvi::engine
