#include "app/window/emptylistfocusframe.h"

#include <QEvent>
#include <QListWidget>
#include <QPainter>

EmptyListFocusFrame::EmptyListFocusFrame(QListWidget *list) : QObject(list), m_list(list)
{
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
}

// The viewport's background is already filled when its paint event comes,
// and an empty list draws nothing over it: the frame can go first.
bool EmptyListFocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (watched == m_list)
            m_list->viewport()->update();
        break;
    case QEvent::Paint:
        if (watched == m_list->viewport() && m_list->count() == 0 && m_list->hasFocus())
            paintFrame();
        break;
    default: break;
    }
    return false;
}

void EmptyListFocusFrame::paintFrame()
{
    QWidget *viewport = m_list->viewport();
    QPainter painter(viewport);
    QPen pen(viewport->palette().color(QPalette::Text));
    pen.setStyle(Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawRect(viewport->rect().adjusted(0, 0, -1, -1));
}
