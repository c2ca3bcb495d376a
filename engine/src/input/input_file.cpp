#include "input/input_file.h"

namespace orvi::engine {

bool InputFile::open(const std::string& path, std::string& error)
{
    path_ = path;
    file_.setFileName(QString::fromUtf8(path));
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        error = path + ": cannot open: " + file_.errorString().toStdString();
        return false;
    }
    size_ = static_cast<uint64_t>(file_.size());
    return true;
}

bool InputFile::readAt(uint64_t offset, void* out, size_t bytes, std::string& error)
{
    if (offset + bytes > size_) {
        error = path_ + ": file ended at byte " + std::to_string(size_) + " (wanted "
            + std::to_string(bytes) + " bytes at byte " + std::to_string(offset) + ")";
        return false;
    }
    if (file_.pos() != static_cast<qint64>(offset) && !file_.seek(static_cast<qint64>(offset))) {
        error = path_ + ": cannot seek to byte " + std::to_string(offset) + ": "
            + file_.errorString().toStdString();
        return false;
    }
    auto* target = static_cast<char*>(out);
    size_t done = 0;
    while (done < bytes) {
        const qint64 got = file_.read(target + done, static_cast<qint64>(bytes - done));
        if (got <= 0) {
            error = path_ + ": read failed at byte " + std::to_string(offset + done) + ": "
                + (got < 0 ? file_.errorString().toStdString() : std::string("file ended early"));
            return false;
        }
        done += static_cast<size_t>(got);
    }
    return true;
}

} // namespace orvi::engine
