#include "platform/usercontrol.h"

#include <QPainter>
#include <QResizeEvent>

UserControl::UserControl(QWidget *parent) : QWidget(parent)
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

QImage UserControl::grabLogical(QWidget *widget, const QRect &rect)
{
    QImage image = widget->grab(rect).toImage();
    if (image.size() != rect.size())
        image = image.scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    image.setDevicePixelRatio(1);
    return image;
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
    // Above device pixel ratio 1 the logical pixels are enlarged as they
    // are: the design is in logical pixels and smoothing would blur every
    // edge and frame.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, m_surface.image().width(), m_surface.image().height()),
                      m_surface.image());
}
