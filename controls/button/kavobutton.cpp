// KAVOButton: creation and the set operations of its properties.
#include "controls/button/kavobutton.h"

#include "controls/button/buttonlayout.h"
#include "controls/button/handcursor.h"

#include <cmath>

namespace {

constexpr int HoverPollMs = 3;

} // namespace

KAVOButton::KAVOButton(QWidget *parent)
    : UserControl(parent)
{
    m_state.paintingEnabled = true;
    m_overTimer.setInterval(HoverPollMs);
    connect(&m_overTimer, &QTimer::timeout, this, &KAVOButton::overTimerTick);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    initProperties();
}

KAVOButton::~KAVOButton()
{
    m_state.paintingEnabled = false;
    m_overTimer.stop();
}

void KAVOButton::setButtonType(int type)
{
    m_state.buttonType = type;
    if (type == int(ButtonType::EtchedBold) && designMode())
        setFontAttribute([&] { QFont f = m_state.font; f.setBold(true); return f; }());
    else if (type == int(ButtonType::Transparent) && m_state.paintingEnabled)
        captureBackground();
    // The gradient base depends on the look, so it must follow it.
    computePalette();
    resizeHandling();
    notifyPropertyChanged(QStringLiteral("BTYPE"));
}

void KAVOButton::setCaption(const QString &caption)
{
    m_state.caption = caption;
    updateAccessKey();
    layoutCaption();
    Paint(PaintUp, true);
    notifyPropertyChanged(QStringLiteral("TX"));
}

void KAVOButton::setEnabled(bool enabled)
{
    m_state.enabled = enabled;
    Paint(PaintUp, true);
    QWidget::setEnabled(enabled);
    notifyPropertyChanged(QStringLiteral("ENAB"));
}

void KAVOButton::setFont(const QFont &font)
{
    m_state.font = font;
    QWidget::setFont(font);
    layoutCaption();
    Paint(PaintUp, true);
    notifyPropertyChanged(QStringLiteral("FONT"));
}

void KAVOButton::setColorScheme(int scheme)
{
    m_state.colorScheme = scheme;
    computePalette();
    Paint(PaintUp, true);
    notifyPropertyChanged(QStringLiteral("COLTYPE"));
}

void KAVOButton::setShowFocusRect(bool show)
{
    m_state.showFocusRect = show;
    repaintLast();
    notifyPropertyChanged(QStringLiteral("FOCUSR"));
}

void KAVOButton::setBackColor(Gdi::ColorRef colour)
{
    m_state.backColor = colour;
    if (designMode())
        m_state.backOver = colour;
    computePalette();
    repaintLast();
    notifyPropertyChanged(QStringLiteral("BCOL"));
}

void KAVOButton::setBackOver(Gdi::ColorRef colour)
{
    m_state.backOver = colour;
    computePalette();
    repaintLast();
    notifyPropertyChanged(QStringLiteral("BCOLO"));
}

void KAVOButton::setForeColor(Gdi::ColorRef colour)
{
    m_state.foreColor = colour;
    if (designMode())
        m_state.foreOver = colour;
    computePalette();
    repaintLast();
    notifyPropertyChanged(QStringLiteral("FCOL"));
}

void KAVOButton::setForeOver(Gdi::ColorRef colour)
{
    m_state.foreOver = colour;
    computePalette();
    repaintLast();
    notifyPropertyChanged(QStringLiteral("FCOLO"));
}

void KAVOButton::setMaskColor(Gdi::ColorRef colour)
{
    m_state.maskColor = colour;
    computePalette();
    repaintLast();
    notifyPropertyChanged(QStringLiteral("MCOL"));
}

void KAVOButton::setMousePointer(short pointer)
{
    m_mousePointer = pointer;
    applyPointer();
    notifyPropertyChanged(QStringLiteral("MPTR"));
}

void KAVOButton::setMouseIcon(const ButtonPicture &icon)
{
    m_mouseIcon = icon;
    applyPointer();
    notifyPropertyChanged(QStringLiteral("MICON"));
}

void KAVOButton::setHandPointer(bool hand)
{
    m_handPointer = hand;
    m_mouseIcon = hand ? HandCursor::picture() : ButtonPicture();
    m_mousePointer = hand ? 99 : 1;
    applyPointer();
    notifyPropertyChanged(QStringLiteral("HAND"));
}

void KAVOButton::setSoftBevel(bool soft)
{
    m_state.softBevel = soft;
    computePalette();
    repaintLast();
    notifyPropertyChanged(QStringLiteral("SOFT"));
}

void KAVOButton::setPictureNormal(const ButtonPicture &picture)
{
    m_state.pictureNormal = picture;
    ButtonLayout::MeasurePicture(m_state);
    layoutCaption();
    repaintLast();
    notifyPropertyChanged(QStringLiteral("PICN"));
}

void KAVOButton::setPictureOver(const ButtonPicture &picture)
{
    m_state.pictureOver = picture;
    if (IsPointerOver())
        repaintLast();
    // Stored under "PICH", but announced as "PICO".
    notifyPropertyChanged(QStringLiteral("PICO"));
}

void KAVOButton::setUseMaskColor(bool use)
{
    m_state.useMaskColor = use;
    if (!m_state.pictureNormal.isNull())
        repaintLast();
    notifyPropertyChanged(QStringLiteral("UMCOL"));
}

void KAVOButton::setPicturePosition(int position)
{
    m_state.picturePosition = position;
    notifyPropertyChanged(QStringLiteral("PICPOS"));
    layoutCaption();
    repaintLast();
}

void KAVOButton::setUseGreyscale(bool grey)
{
    m_state.useGreyscale = grey;
    if (!m_state.pictureNormal.isNull())
        repaintLast();
    notifyPropertyChanged(QStringLiteral("NGREY"));
}

void KAVOButton::setSpecialEffect(int effect)
{
    m_state.specialEffect = effect;
    repaintLast();
    notifyPropertyChanged(QStringLiteral("FX"));
}

void KAVOButton::setCheckBoxBehaviour(bool check)
{
    m_state.checkBoxBehaviour = check;
    repaintLast();
    notifyPropertyChanged(QStringLiteral("CHECK"));
}

void KAVOButton::setValue(bool value)
{
    m_state.value = value;
    if (m_state.checkBoxBehaviour)
        Paint(PaintUp, true);
    notifyPropertyChanged(QStringLiteral("VALUE"));
}

void KAVOButton::setFontAttribute(const QFont &font)
{
    m_state.font = font;
    QWidget::setFont(font);
    layoutCaption();
    Paint(PaintUp, true);
}

void KAVOButton::setFontBold(bool bold)
{
    QFont f = m_state.font;
    f.setBold(bold);
    setFontAttribute(f);
}

void KAVOButton::setFontItalic(bool italic)
{
    QFont f = m_state.font;
    f.setItalic(italic);
    setFontAttribute(f);
}

void KAVOButton::setFontUnderLine(bool underline)
{
    QFont f = m_state.font;
    f.setUnderline(underline);
    setFontAttribute(f);
}

short KAVOButton::FontSize() const
{
    return short(std::nearbyint(float(m_state.font.pointSizeF())));
}

void KAVOButton::setFontSize(short size)
{
    QFont f = m_state.font;
    if (size > 0)
        f.setPointSizeF(size);
    setFontAttribute(f);
}

void KAVOButton::setFontName(const QString &name)
{
    QFont f = m_state.font;
    f.setFamily(name);
    setFontAttribute(f);
}

