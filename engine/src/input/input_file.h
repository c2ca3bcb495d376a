#pragma once

// A read-only input file addressed by byte offset, for header parsing and
// for the audio sources' large block reads. Unbuffered: callers read in
// large pieces, so a second copy through a stream buffer would only cost.

#include <QFile>

#include <cstdint>
#include <string>

namespace orvi::engine {

class InputFile
{
public:
    // `path` is UTF-8. On failure `error` is "<path>: cannot open: <reason>".
    bool open(const std::string& path, std::string& error);
    const std::string& path() const { return m_path; }
    uint64_t size() const { return m_size; }
    // Reads exactly `bytes` bytes at `offset`; on failure `error` is
    // "<path>: <what failed>" and the result false.
    bool readAt(uint64_t offset, void* out, size_t bytes, std::string& error);

private:
    QFile m_file;
    std::string m_path;
    uint64_t m_size = 0;
};

} // namespace orvi::engine
