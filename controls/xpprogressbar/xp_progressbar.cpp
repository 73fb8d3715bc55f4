#include "controls/xpprogressbar/xp_progressbar.h"

#include "controls/xpprogressbar/progressbartiles.h"
#include "platform/messageboxservice.h"

#include <QAccessible>

// Look 0 is in force from the start, so a bar that never reads stored
// properties still draws real tiles.
Xp_ProgressBar::Xp_ProgressBar(QWidget *parent)
    : UserControl(parent)
    , m_tiles(*ProgressBarTiles::look(m_progressLook))
    , m_screenReaders([this](int value) {
        QAccessibleValueChangeEvent changed(this, value);
        QAccessible::updateAccessibility(&changed);
    })
{
}

void Xp_ProgressBar::setMin(int min)
{
    if (min > m_max)
        return refuse(QStringLiteral("Minimum can NOT be biger than maximum !"));
    if (min < 0)
        return refuse(QStringLiteral("Minimum can NOT be smaller then 0 !"));
    m_min = min;
    notify(Property::Min);
}

void Xp_ProgressBar::setMax(int max)
{
    if (max < m_min)
        return refuse(QStringLiteral("Maximum can NOT be smaller than minimum !"));
    m_max = max;
    notify(Property::Max);
}

void Xp_ProgressBar::setValue(int value)
{
    if (value > m_max)
        return refuse(QStringLiteral("Value can NOT be higher than Maximum !"));
    if (value < m_min)
        return refuse(QStringLiteral("Value can NOT be smaller than minimum !"));
    m_value = value;
    notify(Property::Value);
    m_shownValue = value;
    m_screenReaders.valueChanged(m_value);

    const ProgressBarState state = paintState();
    ProgressBarPainter painter(surface(), state);
    if (m_style == BlocksStyle)
        painter.updateBlocks(m_track);
    else if (value == m_max)
        painter.repaint(m_track);
    else
        painter.advanceGroup(m_track);
    update();
}

void Xp_ProgressBar::setStyle(int style)
{
    m_style = style;
    notify(Property::Style);
}

void Xp_ProgressBar::setProgressLook(int look)
{
    m_progressLook = look;
    notify(Property::ProgressLook);
    if (const ProgressBarTiles::TileSet *tiles = ProgressBarTiles::look(look))
        m_tiles = *tiles;
}

const PropertyTable<Xp_ProgressBar, Xp_ProgressBar::Property> &Xp_ProgressBar::propertyTable()
{
    // Stored values are taken as they are: no range checks, no drawing.
    // Only the look is applied, since the tiles come from it.
    using Bar = Xp_ProgressBar;
    static constexpr PropertyRow<Bar, Property> rows[] = {
        {Property::Min, "Min", [](const Bar &) -> QVariant { return DefaultMin; },
         [](const Bar &bar) -> QVariant { return bar.m_min; },
         [](Bar &bar, const QVariant &stored) { bar.m_min = stored.toInt(); }},
        {Property::Max, "Max", [](const Bar &) -> QVariant { return DefaultMax; },
         [](const Bar &bar) -> QVariant { return bar.m_max; },
         [](Bar &bar, const QVariant &stored) { bar.m_max = stored.toInt(); }},
        {Property::Value, "Value", [](const Bar &) -> QVariant { return DefaultValue; },
         [](const Bar &bar) -> QVariant { return bar.m_value; },
         [](Bar &bar, const QVariant &stored) { bar.m_value = stored.toInt(); }},
        {Property::Style, "Style", [](const Bar &) -> QVariant { return BlocksStyle; },
         [](const Bar &bar) -> QVariant { return bar.m_style; },
         [](Bar &bar, const QVariant &stored) { bar.m_style = stored.toInt(); }},
        {Property::ProgressLook, "ProgressLook",
         [](const Bar &) -> QVariant { return DefaultLook; },
         [](const Bar &bar) -> QVariant { return bar.m_progressLook; },
         [](Bar &bar, const QVariant &stored) { bar.setProgressLook(stored.toInt()); }},
    };
    static constexpr PropertyTable<Bar, Property> table{rows};
    static_assert(table.rowsFollowTheEnum());
    return table;
}

void Xp_ProgressBar::notify(Property property)
{
    notifyPropertyChanged(propertyTable().notifyKey(property));
}

void Xp_ProgressBar::readProperties(const PropertyBag &bag)
{
    propertyTable().read(*this, bag);
}

void Xp_ProgressBar::writeProperties(PropertyBag &bag) const
{
    propertyTable().write(*this, bag);
}

void Xp_ProgressBar::onResize()
{
    const ProgressBarState state = paintState();
    ProgressBarPainter(surface(), state).repaint(m_track);
    m_shownValue = m_min;
}

ProgressBarState Xp_ProgressBar::paintState() const
{
    return {m_min, m_max, m_value, {&m_tiles[0], &m_tiles[1], &m_tiles[2]}};
}

void Xp_ProgressBar::refuse(const QString &message)
{
    MessageBoxService::instance().show(this, message, QStringLiteral("Error"),
                                       MessageBoxService::Icon::Error);
}
