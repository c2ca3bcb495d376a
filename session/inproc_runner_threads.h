#pragma once

#include "session/inproc_runner.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// The bodies of the runner's three threads and the diagnostic file they share.
namespace orvi::inproc {

// Appends bytes to the runner's diagnostic file (nothing when path is empty).
void appendLog(const std::string& path, const char* data, std::size_t size);
void appendLog(const std::string& path, const std::string& text);

// The strings the engine receives: argv, "-inproc-host", and in queue mode
// the queue's and controlRead's addresses.
std::vector<std::string> engineArguments(const std::vector<std::string>& argv, const InprocCtlQueue* queue);

void runWorker(std::shared_ptr<InProcRunner::WorkerState> state, std::vector<std::string> argv, EngineEntry entry,
               std::shared_ptr<GuardedSink> sink, std::shared_ptr<InprocCtlQueue> queue, std::string logPath);
void runReader(std::shared_ptr<InProcRunner::ReaderState> state, int fd, std::string logPath);
void runFlusher(std::shared_ptr<InProcRunner::WorkerState> state);

} // namespace orvi::inproc
