#include "app/status_bar_controls.h"

#include "app/ui_language.h"
#include "gui/document_windows.h"
#include "update/update_dialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

namespace orvi {

void addStatusBarControls(QMainWindow* window)
{
    QStatusBar* bar = window->statusBar();
    bar->addPermanentWidget(new QLabel(QCoreApplication::translate("UiLangRow", "语言"), window), 0);
    bar->addPermanentWidget(createUiLanguageSelector(window), 0);

    auto* noticesButton = new QPushButton(QCoreApplication::translate("ThirdPartyGui", "源码许可…"), window);
    noticesButton->setToolTip(QCoreApplication::translate("ThirdPartyGui", "第三方组件与开源许可清单"));
    QObject::connect(noticesButton, &QPushButton::clicked, window,
                     [window] { showNoticesWindow(window, documentLanguage()); });
    bar->addPermanentWidget(noticesButton, 0);

    auto* referencesButton = new QPushButton(QCoreApplication::translate("ReferencesGui", "参考标准…"), window);
    referencesButton->setToolTip(QCoreApplication::translate("ReferencesGui", "产品参照的公开标准与文献"));
    QObject::connect(referencesButton, &QPushButton::clicked, window,
                     [window] { showReferencesWindow(window, documentLanguage()); });
    bar->addPermanentWidget(referencesButton, 0);

    const QString updateText = QCoreApplication::translate("PackGuiWindow", "检查更新…");
    auto* updateButton = new QPushButton(updateText, window);
    updateButton->setToolTip(updateText);
    QObject::connect(updateButton, &QPushButton::clicked, window, [window] { checkForUpdates(window, false); });
    bar->addPermanentWidget(updateButton, 0);
}

} // namespace orvi
