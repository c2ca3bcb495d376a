#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;

namespace orvi::test {

// Points the settings store at a fresh temporary folder and clears the
// variables the window reads, so a test never sees the user's environment.
void isolateWindowEnvironment();

// Creates an empty file (with its folders) and returns its absolute path.
QString touchFile(const QString& path, const QByteArray& content = QByteArray());

// Writes a small picture of the given format ("PNG", "JPG").
QString writePicture(const QString& path, const char* format);

// Column `column` of every row, top to bottom.
QStringList columnTexts(const QTableWidget* table, int column);

} // namespace orvi::test
