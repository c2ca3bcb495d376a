#include "gui/document_windows.h"

#include <QCoreApplication>
#include <QMessageBox>

// Placeholder until the documents are written: tells the user plainly.
namespace orvi {

void showReferencesWindow(QWidget* parent)
{
    QMessageBox::information(parent, QCoreApplication::translate("ReferencesGui", "参考标准"),
                             QStringLiteral("Not available in this build yet."));
}

void showNoticesWindow(QWidget* parent)
{
    QMessageBox::information(parent, QCoreApplication::translate("ThirdPartyGui", "源码许可"),
                             QStringLiteral("Not available in this build yet."));
}

} // namespace orvi
