#pragma once

// The packing engine's one entry. argv holds argc zero-terminated byte strings
// followed by a null pointer; the result is the exit code:
//   0 success, 1 invalid input, 2 usage, 3 output not writable, -61 stopped.
// Safe to call on any thread of a host process: it keeps no global state
// between calls, never exits the process and lets no exception escape.
extern "C++" int orvi_lathe_main(int argc, char** argv);
