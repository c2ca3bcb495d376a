#include "image/image_file.h"

#include <filesystem>
#include <system_error>

namespace orvi::engine {

namespace {

std::filesystem::path fsPath(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

ImageFile::ImageFile(std::string outputPath)
    : m_outputPath(std::move(outputPath))
    , m_partPath(m_outputPath + ".part")
    , m_file(QString::fromStdString(m_partPath))
{
}

ImageFile::~ImageFile()
{
    if (m_created && !m_committed)
        discard();
}

bool ImageFile::fail(const std::string& what)
{
    m_error = what + " " + m_partPath + ": " + m_file.errorString().toStdString();
    return false;
}

bool ImageFile::open()
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return fail("cannot create");
    m_created = true;
    return true;
}

bool ImageFile::append(const uint8_t* data, size_t size)
{
    if (!m_file.seek(m_file.size()))
        return fail("cannot seek in");
    return writeAt(uint64_t(m_file.size()), data, size);
}

bool ImageFile::writeAt(uint64_t offset, const uint8_t* data, size_t size)
{
    if (uint64_t(m_file.pos()) != offset && !m_file.seek(qint64(offset)))
        return fail("cannot seek in");
    size_t done = 0;
    while (done < size) {
        const qint64 written = m_file.write(reinterpret_cast<const char*>(data + done), qint64(size - done));
        if (written <= 0)
            return fail("cannot write");
        done += size_t(written);
    }
    return true;
}

bool ImageFile::commit()
{
    if (!m_file.flush())
        return fail("cannot write");
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return fail("cannot close");
    std::error_code error;
    std::filesystem::rename(fsPath(m_partPath), fsPath(m_outputPath), error);
    if (error) {
        m_error = "cannot rename " + m_partPath + " to " + m_outputPath + ": " + error.message();
        return false;
    }
    m_committed = true;
    return true;
}

void ImageFile::discard()
{
    if (!m_created || m_committed)
        return;
    if (m_file.isOpen())
        m_file.close();
    std::error_code ignored;
    std::filesystem::remove(fsPath(m_partPath), ignored);
}

} // namespace orvi::engine
