#include "app/startup_switches.h"

#include "app/ui_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdio>

namespace orvi {

void saveScreenshotIfRequested(QWidget* window)
{
    const QByteArray rawPath = qgetenv("ORVI_GUI_SHOT");
    if (rawPath.isEmpty())
        return;
    if (!window->isVisible())
        window->show();
    for (int pass = 0; pass < 40; ++pass) {
        if (window->isVisible() && window->width() > 1 && window->height() > 1)
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    // Scroll areas settle their scroll bars from posted events after the
    // first show; without one pass the picture shows stale scroll bars.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const QPixmap shot = window->grab(QRect(QPoint(0, 0), QSize(-1, -1)));
    const bool saved = shot.save(QString::fromLocal8Bit(rawPath));
    std::printf("[shot] %s -> %s (visible=%d %dx%d)\n", saved ? "saved" : "FAILED", rawPath.constData(),
                window->isVisible() ? 1 : 0, window->width(), window->height());
    std::fflush(stdout);
}

QString smokeLine(const QString& effectiveLanguageCode)
{
    const int language = int(languageForCode(effectiveLanguageCode));
    return QStringLiteral("ORVI_SMOKE lang=%1 zh=%2 locname=%3 res_exists=%4 sample=%5")
        .arg(language)
        .arg(language == int(QLocale::Chinese) ? 1 : 0)
        .arg(QLocale::system().name())
        .arg(QFile::exists(QStringLiteral(":/i18n/en.qm")) ? 1 : 0)
        .arg(QCoreApplication::translate("PackGuiWindow", "▶  开始打包"));
}

} // namespace orvi
