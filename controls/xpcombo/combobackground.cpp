#include "controls/xpcombo/combobackground.h"

#include <QPainter>

namespace {

Gdi::ColorRef plain(Gdi::ColorRef colour)
{
    // A colour that names nothing paints black rather than failing.
    const std::int32_t translated = Gdi::translateColor(colour);
    return translated < 0 ? 0 : Gdi::ColorRef(translated);
}

} // namespace

ComboBackground::ComboBackground(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ComboBackground::setBackColor(Gdi::ColorRef colour)
{
    m_backColor = colour;
    update();
}

void ComboBackground::setBorderColor(Gdi::ColorRef colour)
{
    m_borderColor = colour;
    update();
}

void ComboBackground::setBorder(const Gdi::Rect &border)
{
    m_border = border;
    update();
}

void ComboBackground::paintOn(Gdi::Surface &surface) const
{
    surface.fillRect(surface.bounds(), plain(m_backColor));
    surface.frameRect(m_border, plain(m_borderColor));
}

void ComboBackground::paintEvent(QPaintEvent *)
{
    Gdi::Surface surface(width(), height());
    paintOn(surface);
    QPainter painter(this);
    painter.drawImage(0, 0, surface.image());
}
