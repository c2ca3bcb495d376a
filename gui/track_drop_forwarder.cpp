#include "gui/track_drop_forwarder.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace orvi {

TrackDropForwarder::TrackDropForwarder(EnterHandler enterHandler, DropHandler dropHandler, QObject* parent)
    : QObject(parent), onEnter(std::move(enterHandler)), onDrop(std::move(dropHandler))
{
}

bool TrackDropForwarder::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
        onEnter(static_cast<QDragEnterEvent*>(event));
        return true;
    case QEvent::DragMove: {
        // The enter handler already judged this drag; keep the answer while it
        // moves instead of letting the table re-judge it by its item formats.
        auto* move = static_cast<QDragMoveEvent*>(event);
        move->acceptProposedAction();
        return true;
    }
    case QEvent::DragLeave:
        return true;
    case QEvent::Drop:
        onDrop(static_cast<QDropEvent*>(event));
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace orvi
