#include "modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>

#include <algorithm>

ModalAnswerer::ModalAnswerer(QObject* parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start(10);
}

void ModalAnswerer::answer(QMessageBox::StandardButton button)
{
    answerWith([this, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        press(modal, box ? box->button(button) : nullptr);
    });
}

void ModalAnswerer::answerText(const QString& text)
{
    answerWith([this, text](QWidget* modal) {
        const auto* box = qobject_cast<QMessageBox*>(modal);
        const QList<QAbstractButton*> buttons = box ? box->buttons() : QList<QAbstractButton*>();
        const auto named = std::find_if(buttons.begin(), buttons.end(), [&](auto* b) { return b->text() == text; });
        press(modal, named == buttons.end() ? nullptr : *named);
    });
}

bool ModalAnswerer::waitForRecords(int count, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_records.size() < count && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return m_records.size() >= count;
}

bool ModalAnswerer::hasUnexpected() const
{
    return std::any_of(m_records.begin(), m_records.end(), [](const Record& r) { return !r.expected; });
}

// Clicks `button`, or without one marks the modal widget unexpected and sends it away.
void ModalAnswerer::press(QWidget* modal, QAbstractButton* button)
{
    if (button)
        return button->click();
    m_records.last().expected = false;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == m_lastHandled)
        return;
    // Delivered from a timer inside the dialog's own event loop: answer once.
    m_lastHandled = modal;
    Record record;
    record.className = QString::fromLatin1(modal->metaObject()->className());
    record.title = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        record.text = box->text();
        for (QAbstractButton* b : box->buttons())
            record.buttons.append(b->text());
    }
    m_records.append(record);
    if (m_answers.isEmpty())
        press(modal, nullptr);
    else
        m_answers.takeFirst()(modal);
}
