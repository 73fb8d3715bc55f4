// KAVOButton: creation and the set operations of its properties.
#include "controls/button/kavobutton.h"

#include "controls/button/buttoncodes.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/handcursor.h"

#include <cmath>

namespace {

constexpr int HoverPollMs = 3;

} // namespace

KAVOButton::KAVOButton(QWidget *parent) : UserControl(parent)
{
    m_paintingEnabled = true;
    m_overTimer.setInterval(HoverPollMs);
    connect(&m_overTimer, &QTimer::timeout, this, &KAVOButton::overTimerTick);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    initProperties();
}

KAVOButton::~KAVOButton()
{
    m_paintingEnabled = false;
    m_overTimer.stop();
}

void KAVOButton::setButtonType(int type)
{
    m_properties.buttonType = type;
    if (type == int(ButtonType::EtchedBold) && designMode())
        setFontAttribute([&] {
            QFont f = m_properties.font;
            f.setBold(true);
            return f;
        }());
    else if (type == int(ButtonType::Transparent) && m_paintingEnabled)
        captureBackground();
    // The gradient base depends on the look, so it must follow it.
    computePalette();
    resizeHandling();
    notify(Property::ButtonType);
}

void KAVOButton::setCaption(const QString &caption)
{
    m_properties.caption = caption;
    updateAccessKey();
    layoutCaption();
    Paint(PaintUp, true);
    notify(Property::Caption);
}

void KAVOButton::setEnabled(bool enabled)
{
    m_properties.enabled = enabled;
    Paint(PaintUp, true);
    QWidget::setEnabled(enabled);
    notify(Property::Enabled);
}

void KAVOButton::setFont(const QFont &font)
{
    m_properties.font = font;
    QWidget::setFont(font);
    layoutCaption();
    Paint(PaintUp, true);
    notify(Property::Font);
}

void KAVOButton::setColorScheme(int scheme)
{
    m_properties.colorScheme = scheme;
    computePalette();
    Paint(PaintUp, true);
    notify(Property::ColorScheme);
}

void KAVOButton::setShowFocusRect(bool show)
{
    m_properties.showFocusRect = show;
    repaintLast();
    notify(Property::ShowFocusRect);
}

void KAVOButton::setBackColor(Gdi::ColorRef colour)
{
    m_properties.backColor = colour;
    if (designMode())
        m_properties.backOver = colour;
    computePalette();
    repaintLast();
    notify(Property::BackColor);
}

void KAVOButton::setBackOver(Gdi::ColorRef colour)
{
    m_properties.backOver = colour;
    computePalette();
    repaintLast();
    notify(Property::BackOver);
}

void KAVOButton::setForeColor(Gdi::ColorRef colour)
{
    m_properties.foreColor = colour;
    if (designMode())
        m_properties.foreOver = colour;
    computePalette();
    repaintLast();
    notify(Property::ForeColor);
}

void KAVOButton::setForeOver(Gdi::ColorRef colour)
{
    m_properties.foreOver = colour;
    computePalette();
    repaintLast();
    notify(Property::ForeOver);
}

void KAVOButton::setMaskColor(Gdi::ColorRef colour)
{
    m_properties.maskColor = colour;
    computePalette();
    repaintLast();
    notify(Property::MaskColor);
}

void KAVOButton::setMousePointer(short pointer)
{
    m_properties.mousePointer = pointer;
    applyPointer();
    notify(Property::MousePointer);
}

void KAVOButton::setMouseIcon(const ButtonPicture &icon)
{
    m_properties.mouseIcon = icon;
    applyPointer();
    notify(Property::MouseIcon);
}

void KAVOButton::setHandPointer(bool hand)
{
    m_properties.handPointer = hand;
    m_properties.mouseIcon = hand ? HandCursor::picture() : ButtonPicture();
    m_properties.mousePointer = hand ? ButtonCodes::PointerCustom : ButtonCodes::PointerArrow;
    applyPointer();
    notify(Property::HandPointer);
}

void KAVOButton::setSoftBevel(bool soft)
{
    m_properties.softBevel = soft;
    computePalette();
    repaintLast();
    notify(Property::SoftBevel);
}

void KAVOButton::setPictureNormal(const ButtonPicture &picture)
{
    m_properties.pictureNormal = picture;
    ButtonLayout::MeasurePicture(m_properties, m_geometry);
    layoutCaption();
    repaintLast();
    notify(Property::PictureNormal);
}

void KAVOButton::setPictureOver(const ButtonPicture &picture)
{
    m_properties.pictureOver = picture;
    if (IsPointerOver())
        repaintLast();
    // Announced under another key than it is stored under.
    notify(Property::PictureOver);
}

void KAVOButton::setUseMaskColor(bool use)
{
    m_properties.useMaskColor = use;
    if (!m_properties.pictureNormal.isNull())
        repaintLast();
    notify(Property::UseMaskColor);
}

void KAVOButton::setPicturePosition(int position)
{
    m_properties.picturePosition = position;
    notify(Property::PicturePosition);
    layoutCaption();
    repaintLast();
}

void KAVOButton::setUseGreyscale(bool grey)
{
    m_properties.useGreyscale = grey;
    if (!m_properties.pictureNormal.isNull())
        repaintLast();
    notify(Property::UseGreyscale);
}

void KAVOButton::setSpecialEffect(int effect)
{
    m_properties.specialEffect = effect;
    repaintLast();
    notify(Property::SpecialEffect);
}

void KAVOButton::setCheckBoxBehaviour(bool check)
{
    m_properties.checkBoxBehaviour = check;
    repaintLast();
    notify(Property::CheckBoxBehaviour);
}

void KAVOButton::setValue(bool value)
{
    m_properties.value = value;
    if (m_properties.checkBoxBehaviour)
        Paint(PaintUp, true);
    notify(Property::Value);
}

void KAVOButton::setFontAttribute(const QFont &font)
{
    m_properties.font = font;
    QWidget::setFont(font);
    layoutCaption();
    Paint(PaintUp, true);
}

void KAVOButton::setFontBold(bool bold)
{
    QFont f = m_properties.font;
    f.setBold(bold);
    setFontAttribute(f);
}

void KAVOButton::setFontItalic(bool italic)
{
    QFont f = m_properties.font;
    f.setItalic(italic);
    setFontAttribute(f);
}

void KAVOButton::setFontUnderLine(bool underline)
{
    QFont f = m_properties.font;
    f.setUnderline(underline);
    setFontAttribute(f);
}

short KAVOButton::FontSize() const
{
    return short(std::nearbyint(float(m_properties.font.pointSizeF())));
}

void KAVOButton::setFontSize(short size)
{
    QFont f = m_properties.font;
    if (size > 0)
        f.setPointSizeF(size);
    setFontAttribute(f);
}

void KAVOButton::setFontName(const QString &name)
{
    QFont f = m_properties.font;
    f.setFamily(name);
    setFontAttribute(f);
}
