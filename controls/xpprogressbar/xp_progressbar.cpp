#include "controls/xpprogressbar/xp_progressbar.h"

#include "controls/xpprogressbar/progressbartiles.h"
#include "platform/messageboxservice.h"
#include "platform/propertybag.h"

namespace {

constexpr int DefaultMin = 0;
constexpr int DefaultMax = 100;
constexpr int DefaultValue = 0;
constexpr int DefaultStyle = 0;
constexpr int DefaultLook = 0;

} // namespace

Xp_ProgressBar::Xp_ProgressBar(QWidget *parent)
    : UserControl(parent)
{
    // Blank tiles until a look is chosen; a bar without stored properties
    // gets look 0 from readProperties or initProperties.
    m_tiles.fill(Gdi::Surface(ProgressBarTiles::TileWidth, ProgressBarTiles::TileHeight));
}

void Xp_ProgressBar::setMin(int min)
{
    if (min > m_max)
        return refuse(QStringLiteral("Minimum can NOT be biger than maximum !"));
    if (min < 0)
        return refuse(QStringLiteral("Minimum can NOT be smaller then 0 !"));
    m_min = min;
    notifyPropertyChanged(QStringLiteral("Min"));
}

void Xp_ProgressBar::setMax(int max)
{
    if (max < m_min)
        return refuse(QStringLiteral("Maximum can NOT be smaller than minimum !"));
    m_max = max;
    notifyPropertyChanged(QStringLiteral("Max"));
}

void Xp_ProgressBar::setValue(int value)
{
    if (value > m_max)
        return refuse(QStringLiteral("Value can NOT be higher than Maximum !"));
    if (value < m_min)
        return refuse(QStringLiteral("Value can NOT be smaller than minimum !"));
    m_value = value;
    notifyPropertyChanged(QStringLiteral("Value"));

    const ProgressBarState state = paintState();
    ProgressBarPainter painter(surface(), state);
    if (m_style == 0)
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
    notifyPropertyChanged(QStringLiteral("Style"));
}

void Xp_ProgressBar::setProgressLook(int look)
{
    m_progressLook = look;
    notifyPropertyChanged(QStringLiteral("ProgressLook"));
    if (const ProgressBarTiles::TileSet *tiles = ProgressBarTiles::look(look))
        m_tiles = *tiles;
}

void Xp_ProgressBar::readProperties(const PropertyBag &bag)
{
    // Stored values are taken as they are: no range checks, no drawing.
    m_min = bag.read(QStringLiteral("Min"), DefaultMin).toInt();
    m_max = bag.read(QStringLiteral("Max"), DefaultMax).toInt();
    m_value = bag.read(QStringLiteral("Value"), DefaultValue).toInt();
    m_style = bag.read(QStringLiteral("Style"), DefaultStyle).toInt();
    setProgressLook(bag.read(QStringLiteral("ProgressLook"), DefaultLook).toInt());
}

void Xp_ProgressBar::writeProperties(PropertyBag &bag) const
{
    bag.write(QStringLiteral("Min"), m_min, DefaultMin);
    bag.write(QStringLiteral("Max"), m_max, DefaultMax);
    bag.write(QStringLiteral("Value"), m_value, DefaultValue);
    bag.write(QStringLiteral("Style"), m_style, DefaultStyle);
    bag.write(QStringLiteral("ProgressLook"), m_progressLook, DefaultLook);
}

void Xp_ProgressBar::onResize()
{
    const ProgressBarState state = paintState();
    ProgressBarPainter(surface(), state).repaint(m_track);
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
