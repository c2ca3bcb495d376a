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
        return QDir(m_dir.path()).filePath(QString::fromStdString(name)).toStdString();
    }

    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        const std::string target = path(name);
        QFile file(QString::fromStdString(target));
        if (file.open(QIODevice::WriteOnly))
            file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        return target;
    }

    std::string write(const std::string& name, const QByteArray& bytes) const
    {
        return write(name, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }

private:
    QTemporaryDir m_dir;
};

// Everything a source delivers, read in pieces of `pieceBytes`; on a read
// error the result holds what came before and `error` says why.
inline std::vector<uint8_t> readAll(engine::DsdSource& source, size_t pieceBytes, std::string& error)
{
    std::vector<uint8_t> all;
    std::vector<uint8_t> piece(pieceBytes);
    for (;;) {
        const int64_t got = source.read(piece.data(), piece.size(), error);
        if (got <= 0)
            break;
        all.insert(all.end(), piece.begin(), piece.begin() + got);
    }
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
