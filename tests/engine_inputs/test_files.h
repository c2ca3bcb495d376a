#pragma once

// Helpers for tests that write input files and read them back.

#include "input/track_reader.h"
#include "plain_checks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

namespace orvi::test {

class TestFolder
{
public:
    std::string path(const std::string& name) const
    {
        return m_dir.filePath(QString::fromStdString(name)).toStdString();
    }
    // Saves `bytes` as `name` and gives its path.
    std::string write(const std::string& name, const QByteArray& bytes) const
    {
        QFile file(QString::fromStdString(path(name)));
        CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path(name);
    }
    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        return write(name, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    }

private:
    QTemporaryDir m_dir;
};

// Everything a source delivers, read in pieces of `pieceBytes`; on a read
// error the result holds what came before and `error` says why.
inline std::vector<uint8_t> readAll(engine::DsdSource& source, size_t pieceBytes, std::string& error)
{
    std::vector<uint8_t> all, piece(pieceBytes);
    for (int64_t got; (got = source.read(piece.data(), piece.size(), error)) > 0;)
        all.insert(all.end(), piece.begin(), piece.begin() + got);
    return all;
}

inline std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

// Opens `bytes` saved as `name` and checks the refusal, word for word;
// "<path>" in `expected` stands for the file's path.
inline void checkRefused(const TestFolder& folder, const std::string& name, const std::vector<uint8_t>& bytes,
                         std::string expected)
{
    const std::string path = folder.write(name, bytes);
    for (size_t at; (at = expected.find("<path>")) != std::string::npos;)
        expected.replace(at, 6, path);
    const engine::OpenedTrack track = engine::openTrack(path);
    if (!CHECK_EQ(joined(track.errors), expected))
        std::fprintf(stderr, "  (case %s)\n", name.c_str());
    CHECK(!track.source);
}

} // namespace orvi::test
