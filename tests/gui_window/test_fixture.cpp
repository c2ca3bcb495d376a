#include "test_fixture.h"

#include "common/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTableWidget>
#include <QTemporaryDir>

namespace orvi::test {

void isolateWindowEnvironment()
{
    static QTemporaryDir settingsDir;
    qputenv("ORVI_SETTINGS_DIR", settingsDir.path().toLocal8Bit());
    applySettingsDirectoryFromEnvironment();
    for (const char* name : {"ORVI_PACK_GUI_LOG", "ORVI_LATHE_BIN", "ORVI_PACK_GUI_AUTORUN", "ORVI_PACK_GUI_AUTOCLOSE"})
        qunsetenv(name);
}

QString touchFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return QFileInfo(path).absoluteFilePath();
}

QString writePicture(const QString& path, const char* format)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    image.save(path, format);
    return path;
}

QStringList columnTexts(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return texts;
}

} // namespace orvi::test
