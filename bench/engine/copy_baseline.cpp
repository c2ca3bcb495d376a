// The benchmark's copy side as a process of its own, so that it pays for its
// start-up as the engine does: concatenates the inputs into OUTPUT with a
// plain read/write loop and a 1 MiB buffer (what a file copy does when the
// kernel cannot copy for it). Only libc: its start-up is that of any small
// program. Usage: engine_copy_baseline OUTPUT INPUT...

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: engine_copy_baseline OUTPUT INPUT...\n");
        return 2;
    }
    constexpr size_t kBufferBytes = size_t(1) << 20;
    const std::unique_ptr<char[]> buffer(new char[kBufferBytes]);
    const int out = ::open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0) {
        std::perror(argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const int in = ::open(argv[i], O_RDONLY);
        if (in < 0) {
            std::perror(argv[i]);
            return 1;
        }
        ssize_t got;
        while ((got = ::read(in, buffer.get(), kBufferBytes)) > 0) {
            for (ssize_t done = 0; done < got;) {
                const ssize_t written = ::write(out, buffer.get() + done, size_t(got - done));
                if (written <= 0) {
                    std::perror(argv[1]);
                    return 1;
                }
                done += written;
            }
        }
        ::close(in);
        if (got < 0) {
            std::perror(argv[i]);
            return 1;
        }
    }
    return ::close(out) == 0 ? 0 : 1;
}
