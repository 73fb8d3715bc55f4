// KAVOButton's lifecycle and the glue to its painter.
#include "controls/button/buttoncodes.h"
#include "controls/button/buttoncolor.h"
#include "controls/button/buttoninput.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/buttonpainter.h"
#include "controls/button/kavobutton.h"

#include <QPixmap>

quint32 KAVOButton::hWnd()
{
    return quint32(winId());
}

void KAVOButton::DisableRefresh()
{
    m_paintingEnabled = false;
}

void KAVOButton::Refresh()
{
    if (m_properties.is(ButtonType::Transparent))
        captureBackground();
    computePalette();
    layoutCaption();
    m_paintingEnabled = true;
    repaintLast();
}

ButtonFrame KAVOButton::frame() const
{
    // The host's answers are read anew for every frame.
    return {
        .properties = m_properties,
        .geometry = m_geometry,
        .palette = ButtonColor::FramePalette(m_properties, m_palette, m_isHovering),
        .isHovering = m_isHovering,
        .hasFocus = m_hasFocus,
        .paintingEnabled = m_paintingEnabled,
        .displayAsDefault = ambient().displayAsDefault,
        .clearColor = UserControl::backColor(),
        .background = background(),
    };
}

void KAVOButton::Paint(int paintState, bool force)
{
    if (const auto drawn
        = ButtonPainter::Paint(surface(), frame(), m_paintMemory, paintState, force)) {
        m_paintMemory = *drawn;
        update();
    }
}

ButtonColor::ParentColors KAVOButton::parentColors() const
{
    // The ParentColors scheme takes the parent's background and text.
    const QWidget *parent = parentWidget();
    if (!parent)
        return {};
    return {Gdi::fromQRgb(parent->palette().color(parent->backgroundRole()).rgb()),
            Gdi::fromQRgb(parent->palette().color(parent->foregroundRole()).rgb())};
}

ButtonPalette KAVOButton::computedPalette() const
{
    return ButtonColor::ComputePalette(m_properties, parentColors());
}

void KAVOButton::computePalette()
{
    m_palette = computedPalette();
}

void KAVOButton::layoutCaption()
{
    ButtonLayout::LayoutCaption(m_properties, m_geometry);
}

void KAVOButton::resizeHandling()
{
    ButtonLayout::Resize(m_properties, m_geometry, width(), height());
    if (width() > 0 && height() > 0)
        setMask(ButtonLayout::BuildRegion(m_properties.buttonType, width(), height()));
    else
        clearMask();
    if (height() != 0)
        Paint(PaintUp, true);
}

void KAVOButton::applyPointer()
{
    const ButtonPicture &icon = m_properties.mouseIcon;
    if (m_properties.mousePointer == ButtonCodes::PointerDefault) {
        unsetCursor();
    } else if (m_properties.mousePointer == ButtonCodes::PointerCustom) {
        // A custom pointer without a picture falls back to the arrow.
        if (icon.isNull())
            setCursor(Qt::ArrowCursor);
        else
            setCursor(
                QCursor(QPixmap::fromImage(icon.image()), icon.hotSpot().x(), icon.hotSpot().y()));
    } else {
        setCursor(ButtonInput::pointerShape(m_properties.mousePointer));
    }
}

void KAVOButton::onResize()
{
    if (!m_resizeLock)
        resizeHandling();
}

void KAVOButton::onShow()
{
    if (m_properties.is(ButtonType::Transparent)) {
        if (!m_background)
            m_background.emplace(width(), height(), UserControl::backColor());
        captureBackground();
    }
    m_paintingEnabled = true;
    computePalette();
    Paint(PaintUp, true);
}

void KAVOButton::onHide()
{
    m_paintingEnabled = false;
}

void KAVOButton::onAmbientChanged()
{
    if (m_properties.colorScheme == int(ColorScheme::CustomColors))
        return;
    computePalette();
    repaintLast();
}

void KAVOButton::captureBackground()
{
    // Out of the way for a moment, so the parent shows what lies behind.
    QWidget *parent = parentWidget();
    const int W = width();
    const int H = height();
    m_resizeLock = true;
    resize(W, 0);
    if (parent && W > 0 && H > 0) {
        const QImage behind = UserControl::grabLogical(parent, QRect(x(), y(), W, H));
        // Kept at the button's current size, so a resized button still
        // finds its whole background.
        if (!m_background || m_background->width() != W || m_background->height() != H)
            m_background.emplace(W, H, UserControl::backColor());
        m_background->bitBlt(0, 0, W, H, Gdi::Surface(behind), 0, 0);
    }
    resize(W, H);
    m_resizeLock = false;
}
