#pragma once

// The packing engine's one entry. argv holds argc zero-terminated byte strings
// followed by a null pointer; the result is the exit code:
//   0 success, 1 invalid input, 2 usage, 3 output not writable, -61 stopped.
// Safe to call on any thread of a host process: it keeps no global state
// between calls, never exits the process and lets no exception escape.
extern "C++" int orvi_lathe_main(int argc, char** argv);

// Optional notifications for a host that follows a run more closely than its
// output lines: the engine executable (which removes a partial image when it
// is interrupted by a signal) and tests. Every callback is called on the
// thread that runs the entry; a null pointer means "not wanted".
struct OrviLatheHooks {
    // The run's partial image file: its path when the run is about to create
    // it, a null pointer once it is renamed into place or removed.
    void (*partialImageChanged)(const char* path, void* context) = nullptr;
    // Track `number` (from 1) of `total` is about to be written.
    void (*trackStarted)(int number, int total, void* context) = nullptr;
    void* context = nullptr;
};

// orvi_lathe_main with notifications; `hooks` may be null.
extern "C++" int orvi_lathe_main_with_hooks(int argc, char** argv, const OrviLatheHooks* hooks);
