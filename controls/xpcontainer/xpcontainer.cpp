#include "controls/xpcontainer/xpcontainer.h"

#include "controls/xpcontainer/containertheme.h"
#include "platform/currentform.h"

#include <QMouseEvent>
#include <QWindow>

namespace {

const QString DefaultCaption = QStringLiteral("XPContainer");
constexpr int DefaultStyle = ContainerState::HeaderStyle;
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
    constexpr int NinePointsInPixels = 12;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(NinePointsInPixels);
    font.setBold(true);
    return font;
}

} // namespace

XPContainer::XPContainer(QWidget *parent) : UserControl(parent)
{
    m_state.captionFont = captionFont();
    initProperties();
}

void XPContainer::initProperties()
{
    // Every property at its default: what an empty property set reads as.
    propertyTable().reset(*this);
}

void XPContainer::setColour(Gdi::ColorRef &field, Gdi::ColorRef colour, Property property)
{
    field = colour;
    notify(property);
    repaintPanel();
}

void XPContainer::setBackDarkColor(Gdi::ColorRef c)
{
    setColour(m_state.backDarkColor, c, Property::BackDarkColor);
}

void XPContainer::setBackLightColor(Gdi::ColorRef c)
{
    setColour(m_state.backLightColor, c, Property::BackLightColor);
}

void XPContainer::setBorderColor(Gdi::ColorRef c)
{
    setColour(m_state.borderColor, c, Property::BorderColor);
}

void XPContainer::setHeaderDarkColor(Gdi::ColorRef c)
{
    setColour(m_state.headerDarkColor, c, Property::HeaderDarkColor);
}

void XPContainer::setHeaderLightColor(Gdi::ColorRef c)
{
    setColour(m_state.headerLightColor, c, Property::HeaderLightColor);
}

void XPContainer::setTextColor(Gdi::ColorRef c)
{
    setColour(m_state.textColor, c, Property::TextColor);
}

void XPContainer::setCaption(const QString &caption)
{
    m_state.caption = caption;
    notify(Property::Caption);
    layout();
}

void XPContainer::setStyle(int style)
{
    m_state.style = style;
    notify(Property::Style);
    repaintPanel();
}

void XPContainer::setTheme(int theme)
{
    m_theme = theme;
    notify(Property::Theme);
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

const PropertyTable<XPContainer, XPContainer::Property> &XPContainer::propertyTable()
{
    // Stored values only; the theme is not applied again and nothing paints.
    using Panel = XPContainer;
    static constexpr PropertyRow<Panel, Property> rows[] = {
        {Property::HeaderLightColor, "HeaderLightColor",
         [](const Panel &) -> QVariant { return defaultColours().headerLight; },
         [](const Panel &panel) -> QVariant { return panel.m_state.headerLightColor; },
         [](Panel &panel, const QVariant &stored) {
             panel.m_state.headerLightColor = stored.toUInt();
         }},
        {Property::HeaderDarkColor, "HeaderDarkColor",
         [](const Panel &) -> QVariant { return defaultColours().headerDark; },
         [](const Panel &panel) -> QVariant { return panel.m_state.headerDarkColor; },
         [](Panel &panel, const QVariant &stored) {
             panel.m_state.headerDarkColor = stored.toUInt();
         }},
        {Property::BackLightColor, "BackLightColor",
         [](const Panel &) -> QVariant { return defaultColours().backLight; },
         [](const Panel &panel) -> QVariant { return panel.m_state.backLightColor; },
         [](Panel &panel, const QVariant &stored) {
             panel.m_state.backLightColor = stored.toUInt();
         }},
        {Property::BackDarkColor, "BackDarkColor",
         [](const Panel &) -> QVariant { return defaultColours().backDark; },
         [](const Panel &panel) -> QVariant { return panel.m_state.backDarkColor; },
         [](Panel &panel, const QVariant &stored) {
             panel.m_state.backDarkColor = stored.toUInt();
         }},
        {Property::BorderColor, "BorderColor",
         [](const Panel &) -> QVariant { return defaultColours().border; },
         [](const Panel &panel) -> QVariant { return panel.m_state.borderColor; },
         [](Panel &panel, const QVariant &stored) { panel.m_state.borderColor = stored.toUInt(); }},
        {Property::TextColor, "TextColor",
         [](const Panel &) -> QVariant { return defaultColours().text; },
         [](const Panel &panel) -> QVariant { return panel.m_state.textColor; },
         [](Panel &panel, const QVariant &stored) { panel.m_state.textColor = stored.toUInt(); }},
        {Property::Caption, "Caption", [](const Panel &) -> QVariant { return DefaultCaption; },
         [](const Panel &panel) -> QVariant { return panel.m_state.caption; },
         [](Panel &panel, const QVariant &stored) { panel.m_state.caption = stored.toString(); }},
        {Property::Style, "Style", [](const Panel &) -> QVariant { return DefaultStyle; },
         [](const Panel &panel) -> QVariant { return panel.m_state.style; },
         [](Panel &panel, const QVariant &stored) { panel.m_state.style = stored.toInt(); }},
        {Property::Theme, "Theme", [](const Panel &) -> QVariant { return DefaultTheme; },
         [](const Panel &panel) -> QVariant { return panel.m_theme; },
         [](Panel &panel, const QVariant &stored) { panel.m_theme = stored.toInt(); }},
    };
    static constexpr PropertyTable<Panel, Property> table{rows};
    static_assert(table.rowsFollowTheEnum());
    return table;
}

void XPContainer::notify(Property property)
{
    notifyPropertyChanged(propertyTable().notifyKey(property));
}

void XPContainer::readProperties(const PropertyBag &bag)
{
    propertyTable().read(*this, bag);
}

void XPContainer::writeProperties(PropertyBag &bag) const
{
    propertyTable().write(*this, bag);
}

Gdi::Rect XPContainer::headerRect() const
{
    if (m_state.style != ContainerState::HeaderStyle)
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
    if (systemMoveStarted())
        return;
    HeaderDragState &drag = CurrentForm::headerDrag();
    const QPoint start = headerPoint(event);
    drag.HeaderDragging = true;
    drag.DragStartX = start.x();
    drag.DragStartY = start.y();
    drag.pointerStart = event->globalPosition().toPoint();
    drag.formStart = CurrentForm::form() ? CurrentForm::form()->pos() : QPoint();
}

// Where the window system moves windows itself (a Wayland client cannot
// place its own window), it takes the drag over; where it refuses (X11
// without a window manager, offscreen) the panel moves the window.
bool XPContainer::systemMoveStarted() const
{
    QWidget *form = CurrentForm::form();
    QWindow *handle = form ? form->windowHandle() : nullptr;
    return handle && handle->startSystemMove();
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
