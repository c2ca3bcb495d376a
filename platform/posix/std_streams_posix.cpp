#include "platform/std_streams.h"

#include <QByteArray>
#include <QtGlobal>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <iostream>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvi::platform {

namespace {
constexpr int pipeCapacity = 65536;

bool descriptorOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1;
}

int openNullDevice(int flags)
{
    return ::open("/dev/null", flags | O_CLOEXEC);
}

// dup2 that survives signals; dup2 itself clears close-on-exec on the copy.
bool duplicateOnto(int source, int target)
{
    int result;
    do {
        result = ::dup2(source, target);
    } while (result < 0 && errno == EINTR);
    return result == target;
}
} // namespace

bool createPrivatePipe(PipeEnds& ends)
{
    int fds[2] = {-1, -1};
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
#ifdef F_SETPIPE_SZ
    // Linux already defaults to this size; other kernels keep theirs.
    ::fcntl(fds[1], F_SETPIPE_SZ, pipeCapacity);
#endif
    ends.readFd = fds[0];
    ends.writeFd = fds[1];
    return true;
}

void ensureStandardDescriptorsOpen()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (descriptorOpen(fd))
            continue;
        const int nullFd = openNullDevice(O_RDWR);
        if (nullFd < 0)
            continue;
        if (nullFd != fd) {
            duplicateOnto(nullFd, fd);
            ::close(nullFd);
        } else {
            ::fcntl(fd, F_SETFD, 0);
        }
    }
}

void reattachDetachedStdioStreams()
{
    // A POSIX stdio stream is bound to its descriptor for good.
}

SavedDescriptor saveStandardDescriptor(int standardFd)
{
    SavedDescriptor saved;
    saved.descriptorFlags = ::fcntl(standardFd, F_GETFD);
    if (saved.descriptorFlags < 0)
        return {};
    saved.fd = ::fcntl(standardFd, F_DUPFD_CLOEXEC, 3);
    return saved;
}

bool redirectStandardDescriptor(int pipeFd, int standardFd, bool)
{
    return pipeFd >= 0 && duplicateOnto(pipeFd, standardFd);
}

void restoreStandardDescriptor(int standardFd, SavedDescriptor& saved)
{
    if (saved.fd >= 0) {
        if (duplicateOnto(saved.fd, standardFd))
            ::fcntl(standardFd, F_SETFD, saved.descriptorFlags);
        ::close(saved.fd);
    } else {
        const int nullFd = openNullDevice(O_WRONLY);
        if (nullFd >= 0) {
            duplicateOnto(nullFd, standardFd);
            ::close(nullFd);
        } else {
            ::close(standardFd);
        }
    }
    saved = {};
}

void pointProcessStandardHandlesAtDescriptors()
{
    // Descriptors 0 to 2 are the process's standard handles here; dup2 made
    // them inheritable, and a program started meanwhile (a restart, a
    // browser, the update script) must not hold the run's pipes open.
    for (int fd = 0; fd <= 2; ++fd) {
        const int flags = ::fcntl(fd, F_GETFD);
        if (flags >= 0)
            ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
}

std::string describeRedirection(bool stdoutOk, bool stderrOk, bool stdinOk)
{
    const auto handleOf = [](int fd) -> long long { return descriptorOpen(fd) ? fd : -1; };
    char line[192];
    std::snprintf(line, sizeof line,
                  "[inproc] dup2 out=%d err=%d in=%d | fileno: in=%d out=%d err=%d | osf: in=%lld out=%lld\n",
                  stdoutOk ? 1 : 0, stderrOk ? 1 : 0, stdinOk ? 1 : 0, ::fileno(stdin), ::fileno(stdout),
                  ::fileno(stderr), handleOf(0), handleOf(1));
    return line;
}

void setProcessEnvironmentVariable(const char* name, const char* value)
{
    // Through Qt so that it is serialised with Qt's own environment reads.
    qputenv(name, QByteArray(value));
}

int readDescriptor(int fd, char* buffer, int size)
{
    return int(::read(fd, buffer, size_t(size)));
}

int writeDescriptor(int fd, const char* data, int size)
{
    // A pipe whose reader has gone would raise SIGPIPE and end the whole
    // program; block it on this thread and swallow the one the write caused.
    sigset_t pipeSignal;
    sigset_t previousMask;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previousMask);
    ssize_t written;
    do {
        written = ::write(fd, data, size_t(size));
    } while (written < 0 && errno == EINTR);
    const int writeErrno = errno;
    if (written < 0 && writeErrno == EPIPE) {
        sigset_t pending;
        sigpending(&pending);
        if (sigismember(&pending, SIGPIPE)) {
            const timespec noWait{};
            sigtimedwait(&pipeSignal, nullptr, &noWait);
        }
    }
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    errno = writeErrno;
    return int(written);
}

void closeDescriptor(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

unsigned long lastSystemError()
{
    return 0;
}

} // namespace orvi::platform
