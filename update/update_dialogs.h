#pragma once

class QWidget;

namespace orvi {

// One update flow: on request (quiet false) or at start-up (quiet true).
void checkForUpdates(QWidget* window, bool quiet);

} // namespace orvi
