#include "input/input_file.h"

namespace orvi::engine {

bool InputFile::open(const std::string& path, std::string& error)
{
    m_path = path;
    m_file.setFileName(QString::fromUtf8(path));
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        error = path + ": cannot open: " + m_file.errorString().toStdString();
        return false;
    }
    m_size = static_cast<uint64_t>(m_file.size());
    return true;
}

bool InputFile::readAt(uint64_t offset, void* out, size_t bytes, std::string& error)
{
    if (offset + bytes > m_size) {
        error = m_path + ": file ended at byte " + std::to_string(m_size) + " (wanted " + std::to_string(bytes)
            + " bytes at byte " + std::to_string(offset) + ")";
        return false;
    }
    if (m_file.pos() != static_cast<qint64>(offset) && !m_file.seek(static_cast<qint64>(offset))) {
        error = m_path + ": cannot seek to byte " + std::to_string(offset) + ": " + m_file.errorString().toStdString();
        return false;
    }
    auto* target = static_cast<char*>(out);
    size_t done = 0;
    while (done < bytes) {
        const qint64 got = m_file.read(target + done, static_cast<qint64>(bytes - done));
        if (got <= 0) {
            error = m_path + ": read failed at byte " + std::to_string(offset + done) + ": "
                + (got < 0 ? m_file.errorString().toStdString() : std::string("file ended early"));
            return false;
        }
        done += static_cast<size_t>(got);
    }
    return true;
}

} // namespace orvi::engine
