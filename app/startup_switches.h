#pragma once

class QString;
class QWidget;

namespace orvi {

// ORVI_GUI_SHOT: grabs the window into the named file and reports
// "[shot] saved|FAILED -> PATH (visible=V WxH)" on standard output.
void saveScreenshotIfRequested(QWidget* window);

// The ORVI_GUI_SMOKE diagnostic line for the effective interface language.
QString smokeLine(const QString& effectiveLanguageCode);

} // namespace orvi
