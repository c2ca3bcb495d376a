#pragma once

#include <QString>
#include <QStringList>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <vector>

// What descriptors 0, 1 and 2 refer to. A restored descriptor gets a new
// system handle, so the handle's value says nothing; the kind of object and
// the run-time library's text or binary mode tell them apart. (Queries for a
// pipe's name or sizes can wait behind a read blocked on the same pipe.)
inline QString describeStandardDescriptors()
{
    QStringList parts;
    for (int fd = 0; fd <= 2; ++fd) {
        const intptr_t raw = _get_osfhandle(fd);
        if (raw == -1 || raw == -2) {
            parts.append(QStringLiteral("%1:closed").arg(fd));
            continue;
        }
        // Not on standard input: the run-time library holds a descriptor's
        // lock through a blocking read, as the engine's read of it.
        const int mode = fd == 0 ? 0 : _setmode(fd, _O_BINARY);
        if (mode > 0)
            _setmode(fd, mode);
        parts.append(QStringLiteral("%1:type=%2 mode=%3")
                         .arg(fd)
                         .arg(GetFileType(reinterpret_cast<HANDLE>(raw)))
                         .arg(mode, 0, 16));
    }
    return parts.join(QLatin1Char(' '));
}

// Uses up every free run-time descriptor while it lives (the run-time
// library's table is bounded), so that creating a pipe fails.
class NoFreeDescriptors
{
public:
    NoFreeDescriptors()
    {
        for (int fd = _open("NUL", _O_RDONLY); fd >= 0 && m_filled.size() < 20000; fd = _open("NUL", _O_RDONLY))
            m_filled.push_back(fd);
    }
    ~NoFreeDescriptors()
    {
        for (const int fd : m_filled)
            _close(fd);
    }

private:
    std::vector<int> m_filled;
};
#else
#include <sys/resource.h>
#include <sys/stat.h>
#include <fcntl.h>

// What descriptors 0, 1 and 2 refer to: the file (device and inode) and the
// descriptor and status flags, as text so that a difference is readable.
inline QString describeStandardDescriptors()
{
    QStringList parts;
    for (int fd = 0; fd <= 2; ++fd) {
        struct stat info;
        if (::fstat(fd, &info) != 0) {
            parts.append(QStringLiteral("%1:closed").arg(fd));
            continue;
        }
        parts.append(QStringLiteral("%1:dev=%2 ino=%3 fd=%4 fl=%5")
                         .arg(fd)
                         .arg(qulonglong(info.st_dev))
                         .arg(qulonglong(info.st_ino))
                         .arg(::fcntl(fd, F_GETFD))
                         .arg(::fcntl(fd, F_GETFL)));
    }
    return parts.join(QLatin1Char(' '));
}

// Allows no new descriptor while it lives (existing ones stay), so that
// creating a pipe fails.
class NoFreeDescriptors
{
public:
    NoFreeDescriptors()
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        const rlimit none{0, m_saved.rlim_max};
        ::setrlimit(RLIMIT_NOFILE, &none);
    }
    ~NoFreeDescriptors() { ::setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    rlimit m_saved{};
};
#endif
