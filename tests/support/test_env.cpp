#include "test_env.h"

#include <QCryptographicHash>
#include <QFile>

namespace orvi::test {

QString programPath()
{
    return QStringLiteral(ORVI_BUILD_DIR "/OrviLathe" ORVI_EXE_SUFFIX);
}

QProcessEnvironment programEnvironment(const QString& settingsDir, const QString& language)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ORVI_NO_UPDATE_CHECK"), QStringLiteral("1"));
    env.insert(QStringLiteral("ORVI_SETTINGS_DIR"), settingsDir);
    if (language.isEmpty())
        env.remove(QStringLiteral("ORVI_LANG"));
    else
        env.insert(QStringLiteral("ORVI_LANG"), language);
    for (const char* name : {"ORVI_GUI_SMOKE", "ORVI_GUI_SHOT", "ORVI_PACK_GUI_AUTORUN", "ORVI_PACK_GUI_AUTOCLOSE",
                             "ORVI_PACK_GUI_LOG", "ORVI_LATHE_BIN", "ORVI_GUI_INPROC", "ORVI_UPDATE_URL"})
        env.remove(QString::fromLatin1(name));
    return env;
}

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFileBytes(const QString& path, const QByteArray& bytes, bool executable)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return !executable || file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

QString sha256Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QStringList outputLines(const QByteArray& output)
{
    QStringList lines;
    for (QByteArray line : output.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(QString::fromUtf8(line));
    }
    return lines;
}

} // namespace orvi::test
