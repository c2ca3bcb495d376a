#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>

namespace orvi {

// Control lines from the host to an engine running in this process, for
// engines that take their control through a function instead of standard
// input. Shared by the runner, its worker thread and the engine (which gets
// the address on its command line).
struct InprocCtlQueue {
    static constexpr std::size_t maxEntries = 4096;

    std::mutex mutex;
    std::condition_variable ready;
    std::deque<std::string> entries;
    bool closed = true;
};

enum class ControlPush { Queued, StopForcedThrough, Refused };

// Appends a control line. Ordinary lines need an open queue with room; "stop"
// always gets through, so an engine can be stopped even after tear-down.
ControlPush pushControlLine(InprocCtlQueue& queue, const std::string& line);

// Empties the queue and opens it for a new run.
void openControlQueue(InprocCtlQueue& queue);

// Refuses further ordinary lines and wakes every engine thread waiting.
void closeControlQueue(InprocCtlQueue& queue);

// The engine's side: blocks until a line is queued or the queue is closed.
// Returns the line's length without its line ends (copied into buffer with a
// zero byte), 0 for a closed empty queue or a null queue, -1 for a buffer
// that is missing, shorter than 2 bytes or too short for the line (which is
// then lost).
int controlRead(InprocCtlQueue* queue, char* buffer, int bufferSize);

} // namespace orvi
