#pragma once

class QMainWindow;

namespace orvi {

// Language label and selector, the notices, references and update buttons.
void addStatusBarControls(QMainWindow* window);

} // namespace orvi
