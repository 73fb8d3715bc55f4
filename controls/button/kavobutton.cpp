#include "controls/button/kavobutton.h"

#include "controls/button/buttoncolor.h"
#include "controls/button/buttoninput.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/buttonpainter.h"
#include "controls/button/handcursor.h"
#include "platform/propertybag.h"

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <cmath>

namespace {

constexpr int DefaultType = int(ButtonType::Classic);
constexpr int DefaultScheme = int(ColorScheme::SystemColors);
constexpr Gdi::ColorRef DefaultMaskColor = 0xC0C0C0;
constexpr int HoverPollMs = 3;

Gdi::ColorRef systemFace()
{
    return Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonFace));
}

Gdi::ColorRef systemText()
{
    return Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonText));
}

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
        const QImage behind = parent->grab(QRect(x(), y(), W, H)).toImage();
        // Kept at the button's current size, so a resized button still
        // finds its whole background.
        if (!m_background || m_background->width() != W || m_background->height() != H)
            m_background.emplace(W, H, UserControl::backColor());
        m_background->bitBlt(0, 0, W, H, Gdi::Surface(behind), 0, 0);
    }
    resize(W, H);
    m_resizeLock = false;
}
