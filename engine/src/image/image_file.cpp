#include "image/image_file.h"

#include <QRandomGenerator>

#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace orvi::engine {

namespace {

std::filesystem::path fsPath(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

ImageFile::ImageFile(std::string outputPath) : m_outputPath(std::move(outputPath)) {}

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
    // A name of its own, created exclusively: two runs writing the same
    // OUTPUT never share a temporary file, and an existing file is never
    // reused.
    constexpr int kAttempts = 16;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const quint64 tag = QRandomGenerator::global()->generate64();
        m_partPath = m_outputPath + "." + QString::number(tag, 36).toStdString() + ".part";
        m_file.setFileName(QString::fromStdString(m_partPath));
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            m_created = true;
            return true;
        }
        if (!QFile::exists(m_file.fileName()))
            break;
    }
    return fail("cannot create");
}

bool ImageFile::stillOurs() const
{
#ifndef _WIN32
    // Whatever now carries our temporary name must be the file we wrote.
    struct stat opened {
    };
    struct stat named {
    };
    if (::fstat(m_file.handle(), &opened) != 0 || ::stat(m_partPath.c_str(), &named) != 0)
        return false;
    return opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
#else
    // Windows keeps an open file from being replaced or renamed.
    return QFile::exists(m_file.fileName());
#endif
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
    if (!stillOurs()) {
        m_error = "the temporary image " + m_partPath
            + " was replaced or removed by another program while "
              "it was written; "
            + m_outputPath + " was left as it was";
        m_file.close();
        m_created = false; // not ours to remove
        return false;
    }
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
