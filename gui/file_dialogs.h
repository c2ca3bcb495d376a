#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace orvi {

// The four file dialogs the pack window opens. The window calls them only
// through these function objects, so a test can put answers in their place.
// Every one returns an empty result when the user cancels.
struct FileDialogs {
    using OpenFiles = std::function<QStringList(QWidget* parent, const QString& caption, const QString& startFolder,
                                                const QString& filter)>;
    using OpenFile = std::function<QString(QWidget* parent, const QString& caption, const QString& startFolder,
                                           const QString& filter)>;
    using Folder = std::function<QString(QWidget* parent, const QString& caption, const QString& startFolder)>;
    using SaveFile = std::function<QString(QWidget* parent, const QString& caption, const QString& startPath,
                                           const QString& filter)>;

    OpenFiles openFileNames;
    OpenFile openFileName;
    Folder existingFolder;
    SaveFile saveFileName;

    // The real, modal QFileDialog versions.
    static FileDialogs system();
};

// Where the open dialogs start: the user's music folder, or home when the
// platform has none. Never remembered between calls.
QString dialogStartFolder();

} // namespace orvi
