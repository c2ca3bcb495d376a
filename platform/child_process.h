#pragma once

class QProcess;

namespace orvi::platform {

// Makes a console child start without a console window of its own, so that
// the engine run from the window never flashes one up. Changes nothing else
// about how the child is created.
void startWithoutConsoleWindow(QProcess& process);

} // namespace orvi::platform
