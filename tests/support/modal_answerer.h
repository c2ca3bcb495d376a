#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

// Answers modal dialogs in tests so that no test waits for a person. While
// it lives it polls for the active modal widget, records its title, text and
// button texts, and answers it with the next queued answer. A modal widget
// with no queued answer, or without the button asked for, is recorded as
// unexpected and rejected, so the test fails instead of hanging.
class ModalAnswerer : public QObject
{
public:
    struct Record {
        QString className;
        QString title;
        QString text;
        QStringList buttons;
        bool expected = true;
    };
    using Handler = std::function<void(QWidget* modal)>;

    explicit ModalAnswerer(QObject* parent = nullptr);

    // Press this standard button, or the button with this text, on the next message box.
    void answer(QMessageBox::StandardButton button);
    void answerText(const QString& text);
    // Let the handler deal with the next modal widget (file dialogs, custom dialogs).
    void answerWith(Handler handler) { m_answers.append(std::move(handler)); }

    // Processes events until `count` modal widgets have been seen or the time
    // runs out; returns whether the count was reached.
    bool waitForRecords(int count, int timeoutMs = 5000);

    const QList<Record>& records() const { return m_records; }
    bool hasUnexpected() const;

private:
    void poll();
    void press(QWidget* modal, QAbstractButton* button);

    QTimer m_timer;
    QList<Handler> m_answers;
    QList<Record> m_records;
    // Guarded: a later dialog may be built at the address of one already gone.
    QPointer<QWidget> m_lastHandled;
};
