#pragma once

#include <QString>

class QWidget;

namespace orvi {

// Read-only Markdown windows opened from the status bar. Each call opens a
// new, independent, non-modal window that deletes itself when closed.
void showReferencesWindow(QWidget* parent);
void showNoticesWindow(QWidget* parent);

// The resource holding a document ("references" or "notices") in a document
// language ("zh", "pl"; anything else is English).
QString documentResourcePath(const QString& document, const QString& language);

} // namespace orvi
