#include "gui/track_drop_forwarder.h"

#include <QDragEnterEvent>
#include <QDropEvent>

namespace orvi {

TrackDropForwarder::TrackDropForwarder(EnterHandler enterHandler, DropHandler dropHandler, QObject* parent)
    : QObject(parent), m_onEnter(std::move(enterHandler)), m_onDrop(std::move(dropHandler))
{
}

bool TrackDropForwarder::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
        m_onEnter(static_cast<QDragEnterEvent*>(event));
        return true;
    case QEvent::DragMove:
    case QEvent::DragLeave:
        // Qt carries the enter handler's answer over into the moves; the
        // table must not re-judge the drag by its own item formats.
        return true;
    case QEvent::Drop:
        m_onDrop(static_cast<QDropEvent*>(event));
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace orvi
