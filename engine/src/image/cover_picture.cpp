#include "image/cover_picture.h"

#include "image/sacd_layout.h"

#include <algorithm>
#include <cstring>

namespace orvi::engine {

namespace {

constexpr qint64 kMaxCoverBytes = 16 * 1024 * 1024;

} // namespace

CoverPicture::CoverPicture(const std::string& path) : m_file(QString::fromStdString(path)) {}

std::unique_ptr<CoverPicture> CoverPicture::open(const std::string& path, std::string& problem)
{
    std::unique_ptr<CoverPicture> cover(new CoverPicture(path));
    if (!cover->m_file.open(QIODevice::ReadOnly)) {
        problem = "cannot read " + path + ": " + cover->m_file.errorString().toStdString();
        return nullptr;
    }
    if (cover->m_file.size() > kMaxCoverBytes) {
        problem = path + " is larger than 16 MiB";
        return nullptr;
    }
    const QByteArray head = cover->m_file.peek(8);
    if (head.startsWith("\x89PNG\r\n\x1a\n")) {
        cover->m_png = true;
    } else if (!head.startsWith("\xff\xd8\xff")) {
        problem = path + " is neither a JPEG nor a PNG picture";
        return nullptr;
    }
    return cover;
}

bool CoverPicture::readAll(std::vector<uint8_t>& bytes, std::string& readProblem)
{
    const QByteArray all = m_file.seek(0) ? m_file.readAll() : QByteArray();
    if (all.size() != m_file.size() || m_file.error() != QFileDevice::NoError) {
        readProblem = "cannot read " + m_file.fileName().toStdString() + ": " + m_file.errorString().toStdString();
        return false;
    }
    bytes.assign(all.begin(), all.end());
    return true;
}

bool CoverPicture::appendTo(ImageFile& image, std::vector<uint8_t>& buffer, std::string& readProblem)
{
    uint64_t& written = m_written;
    for (;;) {
        const qint64 got = m_file.read(reinterpret_cast<char*>(buffer.data()), qint64(buffer.size()));
        if (got < 0) {
            readProblem = "cannot read " + m_file.fileName().toStdString() + ": " + m_file.errorString().toStdString();
            return false;
        }
        if (got == 0)
            break;
        if (!image.append(buffer.data(), size_t(got)))
            return false;
        written += uint64_t(got);
    }
    const size_t tail = size_t(written % sacd::kSectorSize);
    if (tail == 0)
        return true;
    std::memset(buffer.data(), 0, sacd::kSectorSize - tail);
    return image.append(buffer.data(), sacd::kSectorSize - tail);
}

} // namespace orvi::engine
