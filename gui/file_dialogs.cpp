#include "gui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace orvi {

FileDialogs FileDialogs::system()
{
    FileDialogs dialogs;
    dialogs.openFileNames = [](QWidget* parent, const QString& caption, const QString& startFolder,
                               const QString& filter) {
        return QFileDialog::getOpenFileNames(parent, caption, startFolder, filter);
    };
    dialogs.openFileName = [](QWidget* parent, const QString& caption, const QString& startFolder,
                              const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, startFolder, filter);
    };
    dialogs.existingFolder = [](QWidget* parent, const QString& caption, const QString& startFolder) {
        return QFileDialog::getExistingDirectory(parent, caption, startFolder, QFileDialog::ShowDirsOnly);
    };
    dialogs.saveFileName = [](QWidget* parent, const QString& caption, const QString& startPath,
                              const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, startPath, filter);
    };
    return dialogs;
}

QString dialogStartFolder()
{
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return music.isEmpty() ? QDir::homePath() : music;
}

} // namespace orvi
