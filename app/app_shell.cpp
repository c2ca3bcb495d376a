#include "app/app_shell.h"

#include "common/settings_store.h"
#include "app/startup_switches.h"
#include "app/status_bar_controls.h"
#include "common/std_stream_text.h"
#include "app/ui_language.h"
#include "gui/pack_gui_window.h"
#include "orvi_lathe_arguments.h"
#include "orvi_lathe_core.h"
#include "platform/console.h"
#include "update/update_dialogs.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

namespace orvi {

namespace {

// The engine takes UTF-8. Windows hands main() its arguments in the ANSI code
// page, where a character outside it became '?'; Qt has read them again from
// the wide command line.
int runEngine(int argc, char** argv)
{
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    std::vector<std::string> decoded;
    for (const QString& argument : QCoreApplication::arguments())
        decoded.push_back(argument.toStdString());
    engine::Utf8Arguments arguments(std::move(decoded));
    return orvi_lathe_main(arguments.count(), arguments.pointers());
#else
    return orvi_lathe_main(argc, argv);
#endif
}

} // namespace

int runApplication(int& argc, char** argv)
{
    platform::attachParentConsole();
    platform::preferHeadlessPlatformForEngine(argc, argv);
    auto application = std::make_unique<QApplication>(argc, argv);
    applySettingsDirectoryFromEnvironment();

    // Qt has removed its own options by now, so argv[1] is the first real argument.
    if (argc >= 2 && argv[1] && argv[1][0] == '-') {
        const int engineResult = runEngine(argc, argv);
        application.reset();
        return engineResult;
    }

    QCoreApplication::setApplicationName(QStringLiteral("OrviLathe"));
    QCoreApplication::setOrganizationName(QStringLiteral("ORVI"));
    const QString languageCode = applyUiLanguage(*application, savedUiLanguage());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orvi.png")));

    int result = 0;
    {
        PackGuiWindow window;
        addStatusBarControls(&window);
        window.show();

        if (qEnvironmentVariableIsSet("ORVI_PACK_GUI_AUTORUN"))
            window.runAutorun(qEnvironmentVariable("ORVI_PACK_GUI_AUTORUN"));
        saveScreenshotIfRequested(&window);
        if (qEnvironmentVariableIsEmpty("ORVI_NO_UPDATE_CHECK"))
            checkForUpdates(&window, true);
        if (qEnvironmentVariableIsSet("ORVI_GUI_SMOKE")) {
            writeStderrLine(smokeLine(languageCode));
            QTimer::singleShot(1200, application.get(), &QCoreApplication::quit);
        }
        result = QApplication::exec();
    }
    application.reset();
    return result;
}

} // namespace orvi
