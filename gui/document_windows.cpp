#include "gui/document_windows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QSize>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace orvi {

namespace {

struct DocumentWindow {
    const char* context;
    const char* title; // source text, translated in `context`
    QSize size;
    const char* document;
};

constexpr DocumentWindow kReferences{
    "ReferencesGui", QT_TRANSLATE_NOOP("ReferencesGui", "参考标准"), {760, 560}, "references"};
constexpr DocumentWindow kNotices{
    "ThirdPartyGui", QT_TRANSLATE_NOOP("ThirdPartyGui", "源码许可"), {720, 560}, "notices"};

QString readDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {}; // compiled in; only a broken build gets here
    return QString::fromUtf8(file.readAll());
}

void openDocumentWindow(QWidget* parent, const DocumentWindow& kind, const QString& language)
{
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QLatin1String(kind.document));
    dialog->setWindowTitle(QCoreApplication::translate(kind.context, kind.title));
    dialog->resize(kind.size);

    auto* layout = new QVBoxLayout(dialog);
    auto* browser = new QTextBrowser(dialog);
    browser->setOpenExternalLinks(false);
    browser->setOpenLinks(false);
    layout->addWidget(browser, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    layout->addWidget(buttons);

    browser->setMarkdown(readDocument(documentResourcePath(QLatin1String(kind.document), language)));
    dialog->show();
}

} // namespace

QString documentResourcePath(const QString& document, const QString& language)
{
    const QString chosen =
        (language == QLatin1String("zh") || language == QLatin1String("pl")) ? language : QStringLiteral("en");
    return QStringLiteral(":/docs/%1_%2.md").arg(document, chosen);
}

void showReferencesWindow(QWidget* parent, const QString& language)
{
    openDocumentWindow(parent, kReferences, language);
}

void showNoticesWindow(QWidget* parent, const QString& language)
{
    openDocumentWindow(parent, kNotices, language);
}

} // namespace orvi
