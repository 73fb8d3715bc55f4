// KAVOButton's persistence, lifecycle and the glue to its painter.
#include "controls/button/buttoncolor.h"
#include "controls/button/buttoninput.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/buttonpainter.h"
#include "controls/button/kavobutton.h"
#include "platform/propertybag.h"

#include <QPixmap>

namespace {

constexpr int DefaultType = int(ButtonType::Classic);
constexpr int DefaultScheme = int(ColorScheme::SystemColors);
constexpr Gdi::ColorRef DefaultMaskColor = 0xC0C0C0;

Gdi::ColorRef systemFace()
{
    return Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonFace));
}

Gdi::ColorRef systemText()
{
    return Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonText));
}

} // namespace

void KAVOButton::initProperties()
{
    m_state.enabled = true;
    m_state.showFocusRect = true;
    m_state.useMaskColor = true;
    m_state.caption = ambient().displayName;
    m_state.font = ambient().font;
    QWidget::setFont(m_state.font);
    m_state.buttonType = DefaultType;
    m_state.colorScheme = DefaultScheme;
    computePalette();
    m_state.backColor = m_state.palette.FaceColor;
    m_state.backOver = m_state.palette.FaceColor;
    m_state.foreColor = m_state.palette.CaptionColor;
    m_state.foreOver = m_state.palette.CaptionColor;
    m_state.maskColor = DefaultMaskColor;
    updateAccessKey();
    layoutCaption();
}

void KAVOButton::readProperties(const PropertyBag &bag)
{
    // Straight into the stored values: no repaint, no notification.
    auto key = [](const char *name) { return QString::fromLatin1(name); };
    auto picture = [&](const char *name) {
        return ButtonPicture::fromStoredString(bag.read(key(name), QString()).toString());
    };
    m_state.buttonType = bag.read(key("BTYPE"), DefaultType).toInt();
    m_state.caption = bag.read(key("TX"), QString()).toString();
    m_state.enabled = bag.read(key("ENAB"), true).toBool();
    QFont font = m_state.font;
    if (bag.contains(key("FONT")) && font.fromString(bag.read(key("FONT"), QString()).toString()))
        m_state.font = font;
    QWidget::setFont(m_state.font);
    m_state.colorScheme = bag.read(key("COLTYPE"), DefaultScheme).toInt();
    m_state.showFocusRect = bag.read(key("FOCUSR"), true).toBool();
    m_state.backColor = bag.read(key("BCOL"), systemFace()).toUInt();
    m_state.backOver = bag.read(key("BCOLO"), m_state.backColor).toUInt();
    m_state.foreColor = bag.read(key("FCOL"), systemText()).toUInt();
    m_state.foreOver = bag.read(key("FCOLO"), m_state.foreColor).toUInt();
    m_state.maskColor = bag.read(key("MCOL"), DefaultMaskColor).toUInt();
    m_mousePointer = short(bag.read(key("MPTR"), 0).toInt());
    m_mouseIcon = picture("MICON");
    applyPointer();
    m_state.pictureNormal = picture("PICN");
    m_state.pictureOver = picture("PICH");
    m_state.useMaskColor = bag.read(key("UMCOL"), true).toBool();
    m_state.softBevel = bag.read(key("SOFT"), false).toBool();
    m_state.picturePosition = bag.read(key("PICPOS"), 0).toInt();
    m_state.useGreyscale = bag.read(key("NGREY"), false).toBool();
    m_state.specialEffect = bag.read(key("FX"), 0).toInt();
    // Through its set operation, so it decides the pointer over "MPTR".
    setHandPointer(bag.read(key("HAND"), false).toBool());
    m_state.checkBoxBehaviour = bag.read(key("CHECK"), false).toBool();
    m_state.value = bag.read(key("VALUE"), false).toBool();

    QWidget::setEnabled(m_state.enabled);
    ButtonLayout::MeasurePicture(m_state);
    layoutCaption();
    updateAccessKey();
}

void KAVOButton::writeProperties(PropertyBag &bag) const
{
    // Every key is written, whatever its value.
    const QVariant always;
    auto put = [&](const char *name, const QVariant &value) {
        bag.write(QString::fromLatin1(name), value, always);
    };
    put("BTYPE", m_state.buttonType);
    put("TX", m_state.caption);
    put("ENAB", m_state.enabled);
    put("FONT", m_state.font.toString());
    put("COLTYPE", m_state.colorScheme);
    put("FOCUSR", m_state.showFocusRect);
    put("BCOL", m_state.backColor);
    put("BCOLO", m_state.backOver);
    put("FCOL", m_state.foreColor);
    put("FCOLO", m_state.foreOver);
    put("MCOL", m_state.maskColor);
    put("MPTR", int(m_mousePointer));
    put("MICON", m_mouseIcon.toStoredString());
    put("PICN", m_state.pictureNormal.toStoredString());
    put("PICH", m_state.pictureOver.toStoredString());
    put("UMCOL", m_state.useMaskColor);
    put("SOFT", m_state.softBevel);
    put("PICPOS", m_state.picturePosition);
    put("NGREY", m_state.useGreyscale);
    put("FX", m_state.specialEffect);
    put("HAND", m_handPointer);
    put("CHECK", m_state.checkBoxBehaviour);
    put("VALUE", m_state.value);
}

quint32 KAVOButton::hWnd()
{
    return quint32(winId());
}

void KAVOButton::DisableRefresh()
{
    m_state.paintingEnabled = false;
}

void KAVOButton::Refresh()
{
    if (m_state.is(ButtonType::Transparent))
        captureBackground();
    computePalette();
    layoutCaption();
    m_state.paintingEnabled = true;
    repaintLast();
}

void KAVOButton::Paint(int paintState, bool force)
{
    // The host's answers are read anew for every frame.
    m_state.displayAsDefault = ambient().displayAsDefault;
    m_state.clearColor = UserControl::backColor();
    m_state.background = background();
    if (ButtonPainter::Paint(surface(), m_state, paintState, force))
        update();
}

void KAVOButton::computePalette()
{
    // The ParentColors scheme takes the parent's background and text.
    const QWidget *parent = parentWidget();
    if (parent) {
        m_state.parentBackColor = Gdi::fromQRgb(parent->palette().color(parent->backgroundRole()).rgb());
        m_state.parentTextColor = Gdi::fromQRgb(parent->palette().color(parent->foregroundRole()).rgb());
    } else {
        m_state.parentBackColor = 0xFFFFFF;
        m_state.parentTextColor = 0x000000;
    }
    ButtonColor::ComputePalette(m_state);
}

void KAVOButton::layoutCaption()
{
    ButtonLayout::LayoutCaption(m_state);
}

void KAVOButton::resizeHandling()
{
    ButtonLayout::Resize(m_state, width(), height());
    if (width() > 0 && height() > 0)
        setMask(ButtonLayout::BuildRegion(m_state.buttonType, width(), height()));
    else
        clearMask();
    if (height() != 0)
        Paint(PaintUp, true);
}

void KAVOButton::applyPointer()
{
    if (m_mousePointer == 0) {
        unsetCursor();
    } else if (m_mousePointer == 99) {
        // A custom pointer without a picture falls back to the arrow.
        if (m_mouseIcon.isNull())
            setCursor(Qt::ArrowCursor);
        else
            setCursor(QCursor(QPixmap::fromImage(m_mouseIcon.image()), m_mouseIcon.hotSpot().x(),
                              m_mouseIcon.hotSpot().y()));
    } else {
        setCursor(ButtonInput::pointerShape(m_mousePointer));
    }
}

void KAVOButton::onResize()
{
    if (!m_resizeLock)
        resizeHandling();
}

void KAVOButton::onShow()
{
    if (m_state.is(ButtonType::Transparent)) {
        if (!m_background)
            m_background.emplace(width(), height(), UserControl::backColor());
        captureBackground();
    }
    m_state.paintingEnabled = true;
    computePalette();
    Paint(PaintUp, true);
}

void KAVOButton::onHide()
{
    m_state.paintingEnabled = false;
}

void KAVOButton::onAmbientChanged()
{
    if (m_state.colorScheme == int(ColorScheme::CustomColors))
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
