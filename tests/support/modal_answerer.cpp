#include "modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>

ModalAnswerer::ModalAnswerer(QObject* parent) : QObject(parent)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
    m_timer.start();
}

void ModalAnswerer::answer(QMessageBox::StandardButton button)
{
    m_answers.append([this, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QAbstractButton* target = box ? box->button(button) : nullptr;
        if (target) {
            m_records.last().pressed = target->text();
            target->click();
        } else {
            m_records.last().expected = false;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        }
    });
}

void ModalAnswerer::answerText(const QString& text)
{
    m_answers.append([this, text](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == text) {
                    m_records.last().pressed = text;
                    b->click();
                    return;
                }
            }
        }
        m_records.last().expected = false;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}

void ModalAnswerer::answerWith(Handler handler)
{
    m_answers.append(std::move(handler));
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
    for (const Record& r : m_records) {
        if (!r.expected)
            return true;
    }
    return false;
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == m_lastHandled)
        return;
    // Delivered from a timer inside the dialog's own event loop: answer once.
    m_lastHandled = modal;
    QPointer<QWidget> guard(modal);

    Record record;
    record.className = QString::fromLatin1(modal->metaObject()->className());
    record.title = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        record.text = box->text();
        for (QAbstractButton* b : box->buttons())
            record.buttons.append(b->text());
    }
    m_records.append(record);

    if (m_answers.isEmpty()) {
        m_records.last().expected = false;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    } else {
        const Handler handler = m_answers.takeFirst();
        handler(modal);
    }
    if (!guard)
        m_lastHandled = nullptr;
}
