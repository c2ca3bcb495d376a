#include "gui/pack_gui_window.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QVBoxLayout>

// First cut of the window: title, size and the start button only.
PackGuiWindow::PackGuiWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QCoreApplication::translate("PackGuiWindow", "Orvi Lathe — SACD ISO 打包工具"));
    setMinimumSize(860, 560);
    resize(1180, 760);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    startButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "▶  开始打包"), central);
    layout->addWidget(startButton);
    setCentralWidget(central);
}

PackGuiWindow::~PackGuiWindow() = default;

void PackGuiWindow::runAutorun(const QString&) {}
