#pragma once

// One packing run: from a read command line to the exit code.

#include "cli/command_line.h"

struct OrviLatheHooks;

namespace orvi::engine {

class EngineOutput;

// Exit codes of the entry.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitInvalidInput = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitOutputFailed = 3;
inline constexpr int kExitStopped = -61;

// Checks everything (usage, values, cover, CUE sheet, tracks) and reports
// every problem at once; then builds and writes the image, following a
// "stop" line on standard input. `hooks` may be null.
int runPack(const cli::CommandLine& commandLine, EngineOutput& output, const OrviLatheHooks* hooks);

} // namespace orvi::engine
