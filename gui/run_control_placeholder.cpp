// Temporary stand-ins for run control and unattended runs, so the window
// builds and its form can be exercised before the session layer lands.
// The real run_control.cpp and unattended_run.cpp replace this whole file.
#include "gui/pack_gui_window.h"
#include "gui/run_control_placeholder.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>


PackGuiWindow::~PackGuiWindow() = default;

bool PackGuiWindow::sessionIsRunning() const
{
    return false;
}

void PackGuiWindow::beginRun(const QStringList&) {}

void PackGuiWindow::stopJob() {}

void PackGuiWindow::setRunning(bool running)
{
    startButton->setEnabled(!running);
    stopButton->setEnabled(running);
    for (QWidget* w : std::initializer_list<QWidget*>{addFilesButton, addFolderButton, importCueButton, removeButton,
                                                       clearButton, upButton, downButton, outputEdit,
                                                       browseOutputButton, trackTable})
        w->setEnabled(!running);
    if (tabs)
        tabs->setEnabled(!running);
    if (dsdDiscCheck && !running) {
        playlistCheck->setEnabled(dsdDiscCheck->isChecked());
        discTitleEdit->setEnabled(dsdDiscCheck->isChecked());
    }
}

void PackGuiWindow::drainSessionEvents() {}

void PackGuiWindow::handleOutputLine(const QString& line, bool isStderr)
{
    appendLog(line, isStderr);
}

void PackGuiWindow::handleFinished(int, bool) {}

void PackGuiWindow::reportStartFailure() {}

void PackGuiWindow::offerToDeleteIncompleteOutput() {}

void PackGuiWindow::openOutputFolder() {}

void PackGuiWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
}

void PackGuiWindow::runAutorun(const QString&) {}
