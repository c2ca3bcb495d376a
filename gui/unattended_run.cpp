// Unattended start from ORVI_PACK_GUI_AUTORUN: "track|track|...|output".
#include "gui/pack_gui_window.h"

#include <QCoreApplication>
#include <QLineEdit>

void PackGuiWindow::runAutorun(const QString& autorunValue)
{
    QStringList items = autorunValue.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    if (items.size() < 2) {
        appendLog(QCoreApplication::translate("PackGuiWindow", "AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)"), true);
        return;
    }
    const QString outputPath = items.takeLast();
    for (const QString& track : std::as_const(items))
        addTrackFile(track);
    outputEdit->setText(outputPath);
    if (qEnvironmentVariableIsSet("ORVI_PACK_GUI_AUTOCLOSE"))
        quitAfterRun = true;
    appendLog(QCoreApplication::translate("PackGuiWindow", "AUTORUN: %1 个音轨 → %2")
                  .arg(QString::number(items.size()), outputPath),
              false);
    startJob();
}
