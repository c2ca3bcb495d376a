#pragma once

#include <QObject>
#include <functional>

class QDragEnterEvent;
class QDropEvent;

namespace orvi {

// Sits on the track table's viewport and hands every drag of that area to the
// window's own drag handlers, so that the table's item drag and drop (which
// does not understand file lists) never acts on it.
class TrackDropForwarder : public QObject
{
public:
    using EnterHandler = std::function<void(QDragEnterEvent*)>;
    using DropHandler = std::function<void(QDropEvent*)>;

    TrackDropForwarder(EnterHandler onEnter, DropHandler onDrop, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EnterHandler m_onEnter;
    DropHandler m_onDrop;
};

} // namespace orvi
