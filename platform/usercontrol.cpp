#include "platform/usercontrol.h"

#include <QPainter>
#include <QResizeEvent>

UserControl::UserControl(QWidget *parent)
    : QWidget(parent)
{
    // Every pixel comes from the surface, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.resize(width(), height(), backColor());
}

void UserControl::setAmbient(const AmbientProperties &ambient)
{
    m_ambient = ambient;
    onAmbientChanged();
}

Gdi::ColorRef UserControl::backColor()
{
    return Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonFace));
}

void UserControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_surface.resize(width(), height(), backColor());
    onResize();
    update();
}

void UserControl::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    onShow();
}

void UserControl::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    onHide();
}

void UserControl::paintEvent(QPaintEvent *)
{
    onPaint();
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface.image());
}
