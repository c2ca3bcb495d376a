#include "gui/pack_gui_window.h"

#include "common/settings_store.h"
#include "session/pack_session.h"
#include "gui/track_columns.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kPollIntervalMs = 150;
constexpr int kTrackButtonGap = 14;
constexpr int kArrowButtonWidth = 34;
constexpr int kRunButtonMinimumHeight = 34;
constexpr int kLogBlockLimit = 20000;
constexpr const char* kAutoCloseKey = "pack_autoclose";

} // namespace

PackGuiWindow::PackGuiWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QCoreApplication::translate("PackGuiWindow", "Orvi Lathe — SACD ISO 打包工具"));
    setMinimumSize(860, 560);
    resize(1180, 760);

    buildUi();
    installTrackDropForwarding();
    locateEngine();
    connectControls();

    pollTimer = new QTimer(this);
    connect(pollTimer, &QTimer::timeout, this, [this] { drainSessionEvents(); });
    pollTimer->start(kPollIntervalMs);

    setRunning(false);

    appendLog(
        QCoreApplication::translate("PackGuiWindow", "就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。"),
        false);
    const QString engineShown =
        enginePath.isEmpty() ? QCoreApplication::translate("PackGuiWindow", "(未找到!)") : enginePath;
    appendLog(QCoreApplication::translate("PackGuiWindow", "打包引擎: %1").arg(engineShown), false);
    if (enginePath.isEmpty()) {
        bannerLabel->setText(QCoreApplication::translate(
            "PackGuiWindow",
            "⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。"));
        bannerLabel->show();
    }
}

void PackGuiWindow::buildUi()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);

    bannerLabel = new QLabel(central);
    bannerLabel->setStyleSheet(QStringLiteral("background:#7a1f1f;color:#ffe0e0;padding:6px 10px;border-radius:4px;"));
    bannerLabel->setWordWrap(true);
    bannerLabel->hide();
    layout->addWidget(bannerLabel);

    auto* trackButtons = new QHBoxLayout;
    addFilesButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "＋ 添加音轨文件…"), central);
    addFolderButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "＋ 添加文件夹…"), central);
    importCueButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "⇄ 导入 CUE…"), central);
    removeButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "移除所选"), central);
    clearButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "清空"), central);
    upButton = new QPushButton(QStringLiteral("↑"), central);
    downButton = new QPushButton(QStringLiteral("↓"), central);
    upButton->setFixedWidth(kArrowButtonWidth);
    downButton->setFixedWidth(kArrowButtonWidth);
    upButton->setToolTip(QCoreApplication::translate("PackGuiWindow", "上移所选音轨"));
    downButton->setToolTip(QCoreApplication::translate("PackGuiWindow", "下移所选音轨"));
    trackCountLabel = new QLabel(QCoreApplication::translate("PackGuiWindow", "共 %1 轨").arg(0), central);
    trackButtons->addWidget(addFilesButton);
    trackButtons->addWidget(addFolderButton);
    trackButtons->addWidget(importCueButton);
    trackButtons->addSpacing(kTrackButtonGap);
    trackButtons->addWidget(removeButton);
    trackButtons->addWidget(clearButton);
    trackButtons->addSpacing(kTrackButtonGap);
    trackButtons->addWidget(upButton);
    trackButtons->addWidget(downButton);
    trackButtons->addStretch(1);
    trackButtons->addWidget(trackCountLabel);
    layout->addLayout(trackButtons);

    trackTable = new QTableWidget(0, orvi::TrackColumnCount, central);
    trackTable->setHorizontalHeaderLabels({QStringLiteral("#"),
                                           QCoreApplication::translate("PackGuiWindow", "音轨文件 (DSF/DFF)"),
                                           QCoreApplication::translate("PackGuiWindow", "标题 (可选)"),
                                           QCoreApplication::translate("PackGuiWindow", "艺术家 (可选)"),
                                           QCoreApplication::translate("PackGuiWindow", "ISRC (可选)")});
    trackTable->verticalHeader()->hide();
    trackTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    trackTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    trackTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    QHeaderView* header = trackTable->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    trackTable->setToolTip(QCoreApplication::translate("PackGuiWindow", "可从文件管理器直接拖入 .dsf/.dff 文件"));
    trackTable->setMinimumHeight(110);
    // The table and the log share whatever height the option pages leave;
    // their own size hints would otherwise squeeze the pages into scrolling.
    trackTable->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    layout->addWidget(trackTable, 1);

    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(new QLabel(QCoreApplication::translate("PackGuiWindow", "输出:"), central));
    outputEdit = new QLineEdit(central);
    outputEdit->setPlaceholderText(
        QCoreApplication::translate("PackGuiWindow", "留空则自动生成: <首轨目录>/<专辑或首轨名>.iso"));
    outputRow->addWidget(outputEdit, 1);
    browseOutputButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "浏览…"), central);
    outputRow->addWidget(browseOutputButton);
    openOutputButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "打开输出文件夹"), central);
    openOutputButton->setEnabled(false);
    outputRow->addWidget(openOutputButton);
    layout->addLayout(outputRow);

    tabs = new QTabWidget(central);
    tabs->addTab(buildDiscInfoPage(tabs), QCoreApplication::translate("PackGuiWindow", "光盘信息"));
    tabs->addTab(buildPackOptionsPage(tabs), QCoreApplication::translate("PackGuiWindow", "打包选项"));
    layout->addWidget(tabs, 0);

    auto* runRow = new QHBoxLayout;
    startButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "▶  开始打包"), central);
    stopButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "■  停止"), central);
    startButton->setMinimumHeight(kRunButtonMinimumHeight);
    stopButton->setMinimumHeight(kRunButtonMinimumHeight);
    progressBar = new QProgressBar(central);
    progressBar->setTextVisible(false);
    autoCloseCheck =
        new QCheckBox(QCoreApplication::translate("PackGuiWindow", "打包完成后自动关窗（默认关）"), central);
    autoCloseCheck->setToolTip(QCoreApplication::translate(
        "PackGuiWindow", "开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。"));
    setUpAutoCloseCheck();
    runRow->addWidget(startButton);
    runRow->addWidget(stopButton);
    runRow->addWidget(progressBar, 1);
    runRow->addWidget(autoCloseCheck);
    layout->addLayout(runRow);

    auto* logTitleRow = new QHBoxLayout;
    logTitleRow->addWidget(new QLabel(QCoreApplication::translate("PackGuiWindow", "运行日志:"), central));
    logTitleRow->addStretch(1);
    layout->addLayout(logTitleRow);

    logView = new QPlainTextEdit(central);
    logView->setReadOnly(true);
    logView->setMaximumBlockCount(kLogBlockLimit);
    logView->setStyleSheet(
        QStringLiteral("font-family:'Noto Sans Mono','Cascadia Mono',Consolas,monospace;font-size:12px;"
                       "background:#121212;color:#d8d8d8;border-radius:4px;"));
    logView->setMinimumHeight(90);
    logView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    layout->addWidget(logView, 1);

    setCentralWidget(central);
}

void PackGuiWindow::setUpAutoCloseCheck()
{
    {
        const QSignalBlocker quiet(autoCloseCheck);
        autoCloseCheck->setChecked(orvi::openSettings(orvi::kGuiSettingsName)->value(kAutoCloseKey, false).toBool());
    }
    connect(autoCloseCheck, &QCheckBox::toggled, this, [](bool on) {
        auto settings = orvi::openSettings(orvi::kGuiSettingsName);
        settings->setValue(kAutoCloseKey, on);
        settings->sync();
    });
}

void PackGuiWindow::connectControls()
{
    connect(addFilesButton, &QPushButton::clicked, this, [this] { chooseTrackFiles(); });
    connect(addFolderButton, &QPushButton::clicked, this, [this] { chooseTrackFolder(); });
    connect(importCueButton, &QPushButton::clicked, this, [this] { chooseCueSheet(); });
    connect(removeButton, &QPushButton::clicked, this, [this] { removeSelectedTracks(); });
    connect(clearButton, &QPushButton::clicked, this, [this] { clearTracks(); });
    connect(upButton, &QPushButton::clicked, this, [this] { moveSelectedTracks(-1); });
    connect(downButton, &QPushButton::clicked, this, [this] { moveSelectedTracks(+1); });
    connect(browseOutputButton, &QPushButton::clicked, this, [this] { chooseOutputPath(); });
    connect(openOutputButton, &QPushButton::clicked, this, [this] { openOutputFolder(); });
    connect(chooseCoverButton, &QPushButton::clicked, this, [this] { chooseCover(); });
    connect(startButton, &QPushButton::clicked, this, [this] { startJob(); });
    connect(stopButton, &QPushButton::clicked, this, [this] { stopJob(); });
}
