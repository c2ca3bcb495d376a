#include "update/update_dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>

// Placeholder until the update check lands: the quiet check does nothing.
namespace orvi {

void checkForUpdates(QWidget* window, bool quiet)
{
    if (quiet)
        return;
    QMessageBox::information(window, QCoreApplication::translate("UpdateUi", "检查更新"),
                             QStringLiteral("Not available in this build yet."));
}

} // namespace orvi
