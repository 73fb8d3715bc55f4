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
    notifyChanged(&ButtonProperties::buttonType);
}

void KAVOButton::setCaption(const QString &caption)
{
    m_properties.caption = caption;
    updateAccessKey();
    layoutCaption();
    Paint(PaintUp, true);
    notifyChanged(&ButtonProperties::caption);
}

void KAVOButton::setEnabled(bool enabled)
{
    m_properties.enabled = enabled;
    Paint(PaintUp, true);
    QWidget::setEnabled(enabled);
    notifyChanged(&ButtonProperties::enabled);
}

void KAVOButton::setFont(const QFont &font)
{
    m_properties.font = font;
    QWidget::setFont(font);
    layoutCaption();
    Paint(PaintUp, true);
    notifyChanged(&ButtonProperties::font);
}

void KAVOButton::setColorScheme(int scheme)
{
    m_properties.colorScheme = scheme;
    computePalette();
    Paint(PaintUp, true);
    notifyChanged(&ButtonProperties::colorScheme);
}

void KAVOButton::setShowFocusRect(bool show)
{
    m_properties.showFocusRect = show;
    repaintLast();
    notifyChanged(&ButtonProperties::showFocusRect);
}

void KAVOButton::setBackColor(Gdi::ColorRef colour)
{
    m_properties.backColor = colour;
    if (designMode())
        m_properties.backOver = colour;
    computePalette();
    repaintLast();
    notifyChanged(&ButtonProperties::backColor);
}

void KAVOButton::setBackOver(Gdi::ColorRef colour)
{
    m_properties.backOver = colour;
    computePalette();
    repaintLast();
    notifyChanged(&ButtonProperties::backOver);
}

void KAVOButton::setForeColor(Gdi::ColorRef colour)
{
    m_properties.foreColor = colour;
    if (designMode())
        m_properties.foreOver = colour;
    computePalette();
    repaintLast();
    notifyChanged(&ButtonProperties::foreColor);
}

void KAVOButton::setForeOver(Gdi::ColorRef colour)
{
    m_properties.foreOver = colour;
    computePalette();
    repaintLast();
    notifyChanged(&ButtonProperties::foreOver);
}

void KAVOButton::setMaskColor(Gdi::ColorRef colour)
{
    m_properties.maskColor = colour;
    computePalette();
    repaintLast();
    notifyChanged(&ButtonProperties::maskColor);
}

void KAVOButton::setMousePointer(short pointer)
{
    m_properties.mousePointer = pointer;
    applyPointer();
    notifyChanged(&ButtonProperties::mousePointer);
}

void KAVOButton::setMouseIcon(const ButtonPicture &icon)
{
    m_properties.mouseIcon = icon;
    applyPointer();
    notifyChanged(&ButtonProperties::mouseIcon);
}

void KAVOButton::setHandPointer(bool hand)
{
    m_properties.handPointer = hand;
    m_properties.mouseIcon = hand ? HandCursor::picture() : ButtonPicture();
    m_properties.mousePointer = hand ? ButtonCodes::PointerCustom : ButtonCodes::PointerArrow;
    applyPointer();
    notifyChanged(&ButtonProperties::handPointer);
}

void KAVOButton::setSoftBevel(bool soft)
{
    m_properties.softBevel = soft;
    computePalette();
    repaintLast();
    notifyChanged(&ButtonProperties::softBevel);
}

void KAVOButton::setPictureNormal(const ButtonPicture &picture)
{
    m_properties.pictureNormal = picture;
    ButtonLayout::MeasurePicture(m_properties, m_geometry);
    layoutCaption();
    repaintLast();
    notifyChanged(&ButtonProperties::pictureNormal);
}

void KAVOButton::setPictureOver(const ButtonPicture &picture)
{
    m_properties.pictureOver = picture;
    if (IsPointerOver())
        repaintLast();
    // Announced under another key than it is stored under.
    notifyChanged(&ButtonProperties::pictureOver);
}

void KAVOButton::setUseMaskColor(bool use)
{
    m_properties.useMaskColor = use;
    if (!m_properties.pictureNormal.isNull())
        repaintLast();
    notifyChanged(&ButtonProperties::useMaskColor);
}

void KAVOButton::setPicturePosition(int position)
{
    m_properties.picturePosition = position;
    notifyChanged(&ButtonProperties::picturePosition);
    layoutCaption();
    repaintLast();
}

void KAVOButton::setUseGreyscale(bool grey)
{
    m_properties.useGreyscale = grey;
    if (!m_properties.pictureNormal.isNull())
        repaintLast();
    notifyChanged(&ButtonProperties::useGreyscale);
}

void KAVOButton::setSpecialEffect(int effect)
{
    m_properties.specialEffect = effect;
    repaintLast();
    notifyChanged(&ButtonProperties::specialEffect);
}

void KAVOButton::setCheckBoxBehaviour(bool check)
{
    m_properties.checkBoxBehaviour = check;
    repaintLast();
    notifyChanged(&ButtonProperties::checkBoxBehaviour);
}

void KAVOButton::setValue(bool value)
{
    m_properties.value = value;
    if (m_properties.checkBoxBehaviour)
        Paint(PaintUp, true);
    notifyChanged(&ButtonProperties::value);
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

void KAVOButton::notifyChanged(ButtonPropertyTable::Member member)
{
    notifyPropertyChanged(ButtonPropertyTable::notifyKey(member));
}
