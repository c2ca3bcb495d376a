#pragma once

namespace orvi {

// The whole program behind main(): the engine hand-off for a dash-led command
// line, otherwise the window and the event loop. Returns the exit code.
int runApplication(int& argc, char** argv);

} // namespace orvi
