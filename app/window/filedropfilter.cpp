#include "app/window/filedropfilter.h"

#include "app/window/urilist.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace {

const char *const UriListType = "text/uri-list";

} // namespace

FileDropFilter::FileDropFilter(QObject *parent) : QObject(parent) {}

void FileDropFilter::watch(QWidget *widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool FileDropFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Both have to be accepted, or the drop never arrives.
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!drag->mimeData()->hasFormat(UriListType))
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->mimeData()->hasFormat(UriListType))
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        emit filesDropped(UriList::localPaths(drop->mimeData()->data(UriListType)));
        return true;
    }
    default: return QObject::eventFilter(watched, event);
    }
}
