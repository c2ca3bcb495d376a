#pragma once

namespace orvi::platform {

// Connects the standard streams to the console or redirection the program was
// started from; streams with nowhere to go are sent to the null device so that
// writes to them cannot fail. Returns whether a console window exists now.
bool attachParentConsole();

} // namespace orvi::platform

namespace orvi::platform {

// Without a display server a GUI application object cannot be created. A
// dash-led command line is most likely the engine's own, which needs no
// screen: fall back to the offscreen platform so the hand-off still works on
// a headless machine. Does nothing where a display is always available.
void preferHeadlessPlatformForEngine(int argc, char** argv);

} // namespace orvi::platform
