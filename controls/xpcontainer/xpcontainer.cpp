#include "controls/xpcontainer/xpcontainer.h"

#include "controls/xpcontainer/containertheme.h"
#include "platform/currentform.h"
#include "platform/propertybag.h"

#include <QMouseEvent>

namespace {

const QString DefaultCaption = QStringLiteral("XPContainer");
constexpr int DefaultStyle = 0;
constexpr int DefaultTheme = 0;

const ContainerTheme &defaultColours()
{
    static const ContainerTheme colours = *ContainerTheme::byNumber(0);
    return colours;
}

QFont captionFont()
{
    // Arial 9 point bold at 96 dots per inch; fontconfig supplies a
    // metric-compatible face where Arial itself is missing.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

} // namespace

XPContainer::XPContainer(QWidget *parent)
    : UserControl(parent)
{
    m_state.captionFont = captionFont();
    initProperties();
}

void XPContainer::initProperties()
{
    const ContainerTheme &colours = defaultColours();
    m_state.headerLightColor = colours.headerLight;
    m_state.headerDarkColor = colours.headerDark;
    m_state.backLightColor = colours.backLight;
    m_state.backDarkColor = colours.backDark;
    m_state.borderColor = colours.border;
    m_state.textColor = colours.text;
    m_state.caption = DefaultCaption;
    m_state.style = DefaultStyle;
    m_theme = DefaultTheme;
}

void XPContainer::setColour(Gdi::ColorRef &field, Gdi::ColorRef colour, const char *key)
{
    field = colour;
    notifyPropertyChanged(QString::fromLatin1(key));
    repaintPanel();
}

void XPContainer::setBackDarkColor(Gdi::ColorRef c) { setColour(m_state.backDarkColor, c, "BackDarkColor"); }
void XPContainer::setBackLightColor(Gdi::ColorRef c) { setColour(m_state.backLightColor, c, "BackLightColor"); }
void XPContainer::setBorderColor(Gdi::ColorRef c) { setColour(m_state.borderColor, c, "BorderColor"); }
void XPContainer::setHeaderDarkColor(Gdi::ColorRef c) { setColour(m_state.headerDarkColor, c, "HeaderDarkColor"); }
void XPContainer::setHeaderLightColor(Gdi::ColorRef c) { setColour(m_state.headerLightColor, c, "HeaderLightColor"); }
void XPContainer::setTextColor(Gdi::ColorRef c) { setColour(m_state.textColor, c, "TextColor"); }

void XPContainer::setCaption(const QString &caption)
{
    m_state.caption = caption;
    notifyPropertyChanged(QStringLiteral("Caption"));
    layout();
}

void XPContainer::setStyle(int style)
{
    m_state.style = style;
    notifyPropertyChanged(QStringLiteral("Style"));
    repaintPanel();
}

void XPContainer::setTheme(int theme)
{
    m_theme = theme;
    notifyPropertyChanged(QStringLiteral("Theme"));
    const std::optional<ContainerTheme> colours = ContainerTheme::byNumber(theme);
    if (!colours)
        return;
    setHeaderLightColor(colours->headerLight);
    setHeaderDarkColor(colours->headerDark);
    setBackLightColor(colours->backLight);
    setBackDarkColor(colours->backDark);
    setBorderColor(colours->border);
    setTextColor(colours->text);
}

void XPContainer::readProperties(const PropertyBag &bag)
{
    // Stored values only; the theme is not applied again and nothing paints.
    const ContainerTheme &d = defaultColours();
    m_state.headerLightColor = bag.read(QStringLiteral("HeaderLightColor"), d.headerLight).toUInt();
    m_state.headerDarkColor = bag.read(QStringLiteral("HeaderDarkColor"), d.headerDark).toUInt();
    m_state.backLightColor = bag.read(QStringLiteral("BackLightColor"), d.backLight).toUInt();
    m_state.backDarkColor = bag.read(QStringLiteral("BackDarkColor"), d.backDark).toUInt();
    m_state.borderColor = bag.read(QStringLiteral("BorderColor"), d.border).toUInt();
    m_state.textColor = bag.read(QStringLiteral("TextColor"), d.text).toUInt();
    m_state.caption = bag.read(QStringLiteral("Caption"), DefaultCaption).toString();
    m_state.style = bag.read(QStringLiteral("Style"), DefaultStyle).toInt();
    m_theme = bag.read(QStringLiteral("Theme"), DefaultTheme).toInt();
}

void XPContainer::writeProperties(PropertyBag &bag) const
{
    const ContainerTheme &d = defaultColours();
    bag.write(QStringLiteral("HeaderLightColor"), m_state.headerLightColor, d.headerLight);
    bag.write(QStringLiteral("HeaderDarkColor"), m_state.headerDarkColor, d.headerDark);
    bag.write(QStringLiteral("BackLightColor"), m_state.backLightColor, d.backLight);
    bag.write(QStringLiteral("BackDarkColor"), m_state.backDarkColor, d.backDark);
    bag.write(QStringLiteral("BorderColor"), m_state.borderColor, d.border);
    bag.write(QStringLiteral("TextColor"), m_state.textColor, d.text);
    bag.write(QStringLiteral("Caption"), m_state.caption, DefaultCaption);
    bag.write(QStringLiteral("Style"), m_state.style, DefaultStyle);
    bag.write(QStringLiteral("Theme"), m_theme, DefaultTheme);
}

Gdi::Rect XPContainer::headerRect() const
{
    if (m_state.style != 0)
        return {};
    return Gdi::Rect::box(ContainerLayout::HeaderLeft, ContainerLayout::HeaderTop,
                          m_state.layout.headerWidth, ContainerLayout::HeaderHeight);
}

void XPContainer::onResize()
{
    layout();
}

void XPContainer::onShow()
{
    layout();
}

void XPContainer::onPaint()
{
    ContainerPainter::paint(surface(), m_state);
}

void XPContainer::layout()
{
    if (width() != 0) {
        ContainerLayout &l = m_state.layout;
        l.captionTop = (ContainerLayout::HeaderHeight
                        - ContainerPainter::captionHeight(m_state.captionFont, m_state.caption))
            / 2;
        l.headerWidth = width() - 2;
        l.bodyWidth = l.headerWidth;
        l.bodyHeight = height() - (ContainerLayout::HeaderHeight + 2);
    }
    repaintPanel();
}

void XPContainer::repaintPanel()
{
    ContainerPainter::paint(surface(), m_state);
    update();
}

QPoint XPContainer::headerPoint(const QMouseEvent *event) const
{
    const QPoint local = event->position().toPoint();
    return local - QPoint(ContainerLayout::HeaderLeft, ContainerLayout::HeaderTop);
}

void XPContainer::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !headerRect().contains(at.x(), at.y()))
        return UserControl::mousePressEvent(event);
    HeaderDragState &drag = CurrentForm::headerDrag();
    const QPoint start = headerPoint(event);
    drag.HeaderDragging = true;
    drag.DragStartX = start.x();
    drag.DragStartY = start.y();
    drag.pointerStart = event->globalPosition().toPoint();
    drag.formStart = CurrentForm::form() ? CurrentForm::form()->pos() : QPoint();
}

void XPContainer::mouseMoveEvent(QMouseEvent *event)
{
    HeaderDragState &drag = CurrentForm::headerDrag();
    QWidget *form = CurrentForm::form();
    if (!drag.HeaderDragging || !form)
        return UserControl::mouseMoveEvent(event);
    // Left + (pointer - start) in screen pixels, measured from the drag's
    // start rather than from the last move, so no step is lost or doubled.
    form->move(drag.formStart + event->globalPosition().toPoint() - drag.pointerStart);
}

void XPContainer::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return UserControl::mouseReleaseEvent(event);
    CurrentForm::headerDrag().HeaderDragging = false;
}
