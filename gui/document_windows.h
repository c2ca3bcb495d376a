#pragma once

class QWidget;

namespace orvi {

// Read-only Markdown windows opened from the status bar; not modal.
void showReferencesWindow(QWidget* parent);
void showNoticesWindow(QWidget* parent);

} // namespace orvi
