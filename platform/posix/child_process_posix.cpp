#include "platform/child_process.h"

#include <QProcess>

namespace orvi::platform {

// A POSIX child never gets a window for its standard streams: nothing to do.
void startWithoutConsoleWindow(QProcess&) {}

} // namespace orvi::platform
