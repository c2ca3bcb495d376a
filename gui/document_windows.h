#pragma once

#include <QString>

class QWidget;

namespace orvi {

// Read-only Markdown windows opened from the status bar, showing the document
// in `language` (see documentResourcePath). Each call opens a new, independent,
// non-modal window that deletes itself when closed.
void showReferencesWindow(QWidget* parent, const QString& language);
void showNoticesWindow(QWidget* parent, const QString& language);

// The resource holding a document ("references" or "notices") in a document
// language ("zh", "pl"; anything else is English).
QString documentResourcePath(const QString& document, const QString& language);

} // namespace orvi
