#include "gui/pack_gui_window.h"

#include "gui/pack_form_defaults.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Both option pages scroll rather than squeeze when the window is small.
QScrollArea* wrapInScrollArea(QWidget* page, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setWidget(page);
    return area;
}

QFormLayout* makeMetadataForm(QGroupBox* box)
{
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return form;
}

} // namespace

void PackGuiWindow::addMetadataRow(QFormLayout* form, const QString& labelText, QLineEdit*& member)
{
    member = new QLineEdit(form->parentWidget());
    member->setPlaceholderText(QCoreApplication::translate("PackGuiWindow", "留空 = 使用文件内元数据"));
    form->addRow(labelText, member);
}

QWidget* PackGuiWindow::buildDiscInfoPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(10);

    auto* albumBox = new QGroupBox(QCoreApplication::translate("PackGuiWindow", "专辑 / 艺术家"), page);
    QFormLayout* albumForm = makeMetadataForm(albumBox);
    addMetadataRow(albumForm, QCoreApplication::translate("PackGuiWindow", "专辑:"), albumEdit);
    addMetadataRow(albumForm, QCoreApplication::translate("PackGuiWindow", "艺术家:"), artistEdit);
    addMetadataRow(albumForm, QCoreApplication::translate("PackGuiWindow", "厂牌:"), labelEdit);
    addMetadataRow(albumForm, QCoreApplication::translate("PackGuiWindow", "作曲:"), composerEdit);
    addMetadataRow(albumForm, QCoreApplication::translate("PackGuiWindow", "指挥:"), conductorEdit);
    addMetadataRow(albumForm, QCoreApplication::translate("PackGuiWindow", "乐团:"), orchestraEdit);
    addMetadataRow(albumForm, QCoreApplication::translate("PackGuiWindow", "类型:"), genreEdit);
    columns->addWidget(albumBox, 3);

    auto* releaseBox = new QGroupBox(QCoreApplication::translate("PackGuiWindow", "发行信息"), page);
    QFormLayout* releaseForm = makeMetadataForm(releaseBox);
    addMetadataRow(releaseForm, QCoreApplication::translate("PackGuiWindow", "年份:"), yearEdit);
    addMetadataRow(releaseForm, QCoreApplication::translate("PackGuiWindow", "日期 (YYYY-MM-DD):"), dateEdit);
    addMetadataRow(releaseForm, QCoreApplication::translate("PackGuiWindow", "目录号:"), catalogEdit);
    addMetadataRow(releaseForm, QCoreApplication::translate("PackGuiWindow", "条码 / UPC:"), barcodeEdit);
    addMetadataRow(releaseForm, QCoreApplication::translate("PackGuiWindow", "版权:"), copyrightEdit);
    auto* discRow = new QHBoxLayout;
    discNumberEdit = new QLineEdit(releaseBox);
    discNumberEdit->setFixedWidth(70);
    discNumberEdit->setPlaceholderText(QCoreApplication::translate("PackGuiWindow", "如 1"));
    discTotalEdit = new QLineEdit(releaseBox);
    discTotalEdit->setFixedWidth(90);
    discTotalEdit->setPlaceholderText(QCoreApplication::translate("PackGuiWindow", "总碟数"));
    discRow->addWidget(discNumberEdit);
    discRow->addWidget(new QLabel(QStringLiteral("/"), releaseBox));
    discRow->addWidget(discTotalEdit);
    discRow->addStretch(1);
    releaseForm->addRow(QCoreApplication::translate("PackGuiWindow", "碟号:"), discRow);
    columns->addWidget(releaseBox, 2);

    auto* sideColumn = new QVBoxLayout;
    auto* coverBox = new QGroupBox(QCoreApplication::translate("PackGuiWindow", "封面 (嵌入 ISO)"), page);
    auto* coverLayout = new QVBoxLayout(coverBox);
    coverPreview = new QLabel(QCoreApplication::translate("PackGuiWindow", "(无预览)"), coverBox);
    coverPreview->setFixedSize(orvi::kCoverPreviewSize, orvi::kCoverPreviewSize);
    coverPreview->setAlignment(Qt::AlignCenter);
    coverPreview->setStyleSheet(QStringLiteral("border:1px dashed #666;border-radius:4px;color:#888;"));
    coverLayout->addWidget(coverPreview, 0, Qt::AlignHCenter);
    auto* coverPathRow = new QHBoxLayout;
    coverPathEdit = new QLineEdit(coverBox);
    coverPathEdit->setReadOnly(true);
    chooseCoverButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "选择…"), coverBox);
    coverPathRow->addWidget(coverPathEdit, 1);
    coverPathRow->addWidget(chooseCoverButton);
    coverLayout->addLayout(coverPathRow);
    sideColumn->addWidget(coverBox);

    auto* cueBox = new QGroupBox(QCoreApplication::translate("PackGuiWindow", "CUE 曲目表 (可选)"), page);
    auto* cueLayout = new QHBoxLayout(cueBox);
    cueEdit = new QLineEdit(cueBox);
    cueEdit->setReadOnly(true);
    cueEdit->setPlaceholderText(QCoreApplication::translate("PackGuiWindow", "导入 CUE 可自动补全曲目标题/艺术家"));
    auto* clearCueButton = new QPushButton(QCoreApplication::translate("PackGuiWindow", "清除"), cueBox);
    connect(clearCueButton, &QPushButton::clicked, this, [this] { clearCueSheet(); });
    cueLayout->addWidget(cueEdit, 1);
    cueLayout->addWidget(clearCueButton);
    sideColumn->addWidget(cueBox);
    sideColumn->addStretch(1);
    columns->addLayout(sideColumn, 2);

    return wrapInScrollArea(page, parent);
}

QWidget* PackGuiWindow::buildPackOptionsPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);

    auto* audioBox = new QGroupBox(QCoreApplication::translate("PackGuiWindow", "音频 / DST 编码"), page);
    auto* audioForm = new QFormLayout(audioBox);
    pauseSpin = new QSpinBox(audioBox);
    pauseSpin->setRange(0, orvi::kMaximumPauseFrames);
    pauseSpin->setSingleStep(1);
    pauseSpin->setValue(orvi::kDefaultPauseFrames);
    pauseSpin->setToolTip(QCoreApplication::translate("PackGuiWindow", "音轨之间的静音帧数 (44100 帧 = 1 秒)"));
    audioForm->addRow(QCoreApplication::translate("PackGuiWindow", "音轨间暂停帧数:"), pauseSpin);
    dstOrderSpin = new QSpinBox(audioBox);
    dstOrderSpin->setRange(orvi::kMinimumDstOrder, orvi::kMaximumDstOrder);
    dstOrderSpin->setSingleStep(1);
    dstOrderSpin->setValue(orvi::kDefaultDstOrder);
    dstOrderSpin->setToolTip(QCoreApplication::translate("PackGuiWindow", "DST 预测阶数, 越小编码越快、压缩率略低"));
    audioForm->addRow(QCoreApplication::translate("PackGuiWindow", "DST 压缩阶数:"), dstOrderSpin);
    noEncodeCheck = new QCheckBox(
        QCoreApplication::translate("PackGuiWindow", "多声道音轨存原始 DSD, 不压 DST (--no-encode)"), audioBox);
    audioForm->addRow(QString(), noEncodeCheck);
    dstStereoCheck =
        new QCheckBox(QCoreApplication::translate("PackGuiWindow", "立体声区也压 DST (--dst-stereo)"), audioBox);
    dstStereoCheck->setToolTip(QCoreApplication::translate(
        "PackGuiWindow", "默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)"));
    audioForm->addRow(QString(), dstStereoCheck);
    layout->addWidget(audioBox);

    auto* discModeBox = new QGroupBox(QCoreApplication::translate("PackGuiWindow", "Orvi DSD Disc 模式"), page);
    auto* discModeLayout = new QVBoxLayout(discModeBox);
    dsdDiscCheck = new QCheckBox(
        QCoreApplication::translate("PackGuiWindow", "构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)"), discModeBox);
    discModeLayout->addWidget(dsdDiscCheck);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(new QLabel(QCoreApplication::translate("PackGuiWindow", "光盘标题:"), discModeBox));
    discTitleEdit = new QLineEdit(discModeBox);
    discTitleEdit->setPlaceholderText(QCoreApplication::translate("PackGuiWindow", "默认 ALBUM"));
    titleRow->addWidget(discTitleEdit, 1);
    discModeLayout->addLayout(titleRow);
    playlistCheck = new QCheckBox(QCoreApplication::translate("PackGuiWindow", "自动生成 .ovp 播放列表"), discModeBox);
    playlistCheck->setChecked(true);
    discModeLayout->addWidget(playlistCheck);
    playlistCheck->setEnabled(false);
    discTitleEdit->setEnabled(false);
    connect(dsdDiscCheck, &QCheckBox::toggled, this, [this](bool on) {
        playlistCheck->setEnabled(on);
        discTitleEdit->setEnabled(on);
    });
    layout->addWidget(discModeBox);
    layout->addStretch(1);

    return wrapInScrollArea(page, parent);
}
