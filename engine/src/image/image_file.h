#pragma once

// The image being written: a temporary file of its own beside OUTPUT
// ("OUTPUT.<random>.part", created exclusively), renamed over OUTPUT only once
// complete, and only while that name still holds the file this run wrote. Every failure keeps a message that says what
// went wrong (disk full, permission, ...), and a file that is not committed is removed.

#include <QFile>

#include <cstdint>
#include <string>

namespace orvi::engine {

class ImageFile
{
public:
    explicit ImageFile(std::string outputPath);
    ~ImageFile(); // removes the temporary file unless committed

    ImageFile(const ImageFile&) = delete;
    ImageFile& operator=(const ImageFile&) = delete;

    bool open();
    bool append(const uint8_t* data, size_t size);
    bool writeAt(uint64_t offset, const uint8_t* data, size_t size);
    // Flushes, closes and renames the temporary file over the output path.
    bool commit();
    // Closes and removes the temporary file.
    void discard();

    const std::string& partPath() const { return m_partPath; }
    // For writers that stream a file of their own into the image; append()
    // and writeAt() position it themselves.
    QIODevice& device() { return m_file; }
    const std::string& error() const { return m_error; }

private:
    bool fail(const std::string& what);
    bool stillOurs() const;

    std::string m_outputPath;
    std::string m_partPath;
    QFile m_file;
    std::string m_error;
    bool m_created = false;
    bool m_committed = false;
};

} // namespace orvi::engine
