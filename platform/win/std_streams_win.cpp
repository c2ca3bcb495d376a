#include "platform/std_streams.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <iostream>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

namespace orvi::platform {

namespace {
constexpr unsigned pipeCapacity = 65536;

HANDLE handleOfDescriptor(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

// _get_osfhandle gives INVALID_HANDLE_VALUE for a closed descriptor and -2
// for one whose stream never had a handle (no console).
bool hasHandle(int fd)
{
    const intptr_t handle = _get_osfhandle(fd);
    return handle != -1 && handle != -2;
}

void reopenStreamOnNulIfDetached(FILE* stream, int fd)
{
    if (_fileno(stream) == -2) {
        _close(fd);
        FILE* ignored = nullptr;
        freopen_s(&ignored, "NUL", "w", stream);
    }
}
} // namespace

bool createPrivatePipe(PipeEnds& ends)
{
    int fds[2] = {-1, -1};
    if (_pipe(fds, pipeCapacity, _O_BINARY | _O_NOINHERIT) != 0)
        return false;
    ends.readFd = fds[0];
    ends.writeFd = fds[1];
    return true;
}

void ensureStandardDescriptorsOpen()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (hasHandle(fd))
            continue;
        int nulFd = -1;
        if (_sopen_s(&nulFd, "NUL", _O_RDWR | _O_BINARY, _SH_DENYNO, _S_IREAD | _S_IWRITE) != 0 || nulFd < 0)
            continue;
        // The lowest free descriptor may be this very one; closing it then
        // would undo the fix.
        if (nulFd != fd) {
            _dup2(nulFd, fd);
            _close(nulFd);
        }
    }
}

void reattachDetachedStdioStreams()
{
    reopenStreamOnNulIfDetached(stdout, 1);
    reopenStreamOnNulIfDetached(stderr, 2);
}

SavedDescriptor saveStandardDescriptor(int standardFd)
{
    SavedDescriptor saved;
    saved.fd = _dup(standardFd);
    return saved;
}

bool redirectStandardDescriptor(int pipeFd, int standardFd, bool writeEnd)
{
    HANDLE duplicate = nullptr;
    const HANDLE self = GetCurrentProcess();
    if (!DuplicateHandle(self, handleOfDescriptor(pipeFd), self, &duplicate, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return false;
    const int wrapper =
        _open_osfhandle(reinterpret_cast<intptr_t>(duplicate), (writeEnd ? _O_WRONLY : _O_RDONLY) | _O_BINARY);
    if (wrapper < 0) {
        CloseHandle(duplicate);
        return false;
    }
    const bool redirected = _dup2(wrapper, standardFd) == 0;
    _close(wrapper);
    return redirected;
}

void restoreStandardDescriptor(int standardFd, SavedDescriptor& saved)
{
    if (saved.fd >= 0) {
        _dup2(saved.fd, standardFd);
        _close(saved.fd);
    } else {
        const int nulFd = _open("NUL", _O_WRONLY | _O_BINARY);
        if (nulFd >= 0) {
            _dup2(nulFd, standardFd);
            _close(nulFd);
        } else {
            _close(standardFd);
        }
    }
    saved = {};
}

void pointProcessStandardHandlesAtDescriptors()
{
    SetStdHandle(STD_INPUT_HANDLE, handleOfDescriptor(0));
    SetStdHandle(STD_OUTPUT_HANDLE, handleOfDescriptor(1));
    SetStdHandle(STD_ERROR_HANDLE, handleOfDescriptor(2));
    for (const int fd : {1, 2, 0}) {
        if (hasHandle(fd))
            SetHandleInformation(handleOfDescriptor(fd), HANDLE_FLAG_INHERIT, 0);
    }
}

std::string describeRedirection(bool stdoutOk, bool stderrOk, bool stdinOk)
{
    char line[192];
    std::snprintf(line, sizeof line,
                  "[inproc] dup2 out=%d err=%d in=%d | fileno: in=%d out=%d err=%d | osf: in=%lld out=%lld\n",
                  stdoutOk ? 1 : 0, stderrOk ? 1 : 0, stdinOk ? 1 : 0, _fileno(stdin), _fileno(stdout), _fileno(stderr),
                  static_cast<long long>(_get_osfhandle(0)), static_cast<long long>(_get_osfhandle(1)));
    return line;
}

void setProcessEnvironmentVariable(const char* name, const char* value)
{
    _putenv_s(name, value);
}

int readDescriptor(int fd, char* buffer, int size)
{
    return _read(fd, buffer, unsigned(size));
}

int writeDescriptor(int fd, const char* data, int size)
{
    return _write(fd, data, unsigned(size));
}

void closeDescriptor(int fd)
{
    if (fd >= 0)
        _close(fd);
}

unsigned long lastSystemError()
{
    return GetLastError();
}

} // namespace orvi::platform
