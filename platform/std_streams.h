#pragma once

#include <string>

// Descriptor-level access to the process's standard streams, for running the
// engine inside this process with its output and input routed through pipes.
// Descriptors are C run-time descriptors on every system (0, 1, 2 are the
// standard ones).
namespace orvi::platform {

struct PipeEnds {
    int readFd = -1;
    int writeFd = -1;
};

// A duplicate of a standard descriptor taken before redirecting it, with
// whatever else is needed to put the descriptor back exactly.
struct SavedDescriptor {
    int fd = -1;
    int descriptorFlags = 0;
};

// An anonymous 65536-byte pipe whose ends are not inherited by child
// processes. False when the pipe cannot be created.
bool createPrivatePipe(PipeEnds& ends);

// Gives each of the descriptors 0, 1 and 2 that has nothing behind it (a
// program started without a console) the null device, so that a later
// duplicate and restore have something to work with.
void ensureStandardDescriptorsOpen();

// Flushes the C streams stdout and stderr. Safe on any thread.
void flushStdio();

// Flushes the C streams and the C++ standard streams (std::cout, std::cerr).
// Used only at the edges of a run, from the thread that controls it.
void flushAllStandardStreams();

// Gives the C streams stdout and stderr a descriptor when they have none,
// so that they follow descriptors 1 and 2 from now on.
void reattachDetachedStdioStreams();

// Duplicates a standard descriptor (not inherited by children).
SavedDescriptor saveStandardDescriptor(int standardFd);

// Makes standardFd refer to the same pipe end as pipeFd; writeEnd tells which
// end it is. True when standardFd now refers to the pipe.
bool redirectStandardDescriptor(int pipeFd, int standardFd, bool writeEnd);

// Puts standardFd back to what `saved` duplicated and closes the duplicate;
// without a duplicate it is pointed at the null device (or closed when even
// that fails). `saved` is reset.
void restoreStandardDescriptor(int standardFd, SavedDescriptor& saved);

// Makes the process-wide standard handles follow descriptors 0 to 2 and keeps
// them from being inherited. Nothing to do where descriptors are the handles.
void pointProcessStandardHandlesAtDescriptors();

// The redirection diagnostic: whether each of the three redirections took,
// the descriptors of the C streams and the system handles of 0 and 1.
std::string describeRedirection(bool stdoutOk, bool stderrOk, bool stdinOk);

// Sets a variable in this process's environment.
void setProcessEnvironmentVariable(const char* name, const char* value);

// read()/write()/close() on a descriptor. readDescriptor and writeDescriptor
// return the byte count or -1 with errno set; a write to a pipe without a
// reader fails with EPIPE instead of raising a signal.
int readDescriptor(int fd, char* buffer, int size);
int writeDescriptor(int fd, const char* data, int size);
void closeDescriptor(int fd);

// The operating system's last error code besides errno (0 where there is none).
unsigned long lastSystemError();

} // namespace orvi::platform
