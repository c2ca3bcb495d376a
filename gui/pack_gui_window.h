#pragma once

#include <QMainWindow>

class QPushButton;

// The program's one main window: the pack form, run controls and run log.
class PackGuiWindow : public QMainWindow
{
public:
    explicit PackGuiWindow(QWidget* parent = nullptr);
    ~PackGuiWindow() override;

    // Unattended start from ORVI_PACK_GUI_AUTORUN.
    void runAutorun(const QString& spec);

private:
    QPushButton* startButton = nullptr;
};
