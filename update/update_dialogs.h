#pragma once

class QWidget;

namespace orvi {

class UpdateChecker;

// One update flow: on request (quiet false) or at start-up (quiet true).
void checkForUpdates(QWidget* window, bool quiet);

// The same flow over a checker made by the caller (a child of the window),
// so that the installing step can be given another script launcher.
void runUpdateFlow(QWidget* window, UpdateChecker* checker, bool quiet);

} // namespace orvi
