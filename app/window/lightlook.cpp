#include "app/window/lightlook.h"

#include <QApplication>

#include <initializer_list>
#include <utility>

namespace {

using Role = QPalette::ColorRole;

// The light look the windows were laid out with: Qt's own light palette,
// black on light grey panels and white list and text boxes.
constexpr std::initializer_list<std::pair<Role, QRgb>> EnabledColours = {
    {QPalette::WindowText, 0x000000},
    {QPalette::Button, 0xefefef},
    {QPalette::Light, 0xffffff},
    {QPalette::Midlight, 0xcacaca},
    {QPalette::Dark, 0x9f9f9f},
    {QPalette::Mid, 0xb8b8b8},
    {QPalette::Text, 0x000000},
    {QPalette::BrightText, 0xffffff},
    {QPalette::ButtonText, 0x000000},
    {QPalette::Base, 0xffffff},
    {QPalette::Window, 0xefefef},
    {QPalette::Shadow, 0x767676},
    {QPalette::Highlight, 0x308cc6},
    {QPalette::HighlightedText, 0xffffff},
    {QPalette::Link, 0x0000ff},
    {QPalette::LinkVisited, 0xff00ff},
    {QPalette::AlternateBase, 0xf7f7f7},
    {QPalette::NoRole, 0x000000},
    {QPalette::ToolTipBase, 0xffffdc},
    {QPalette::ToolTipText, 0x000000},
    {QPalette::PlaceholderText, 0x000000},
};

// Disabled widgets grey their text and lose the white of their fields.
constexpr std::initializer_list<std::pair<Role, QRgb>> DisabledChanges = {
    {QPalette::WindowText, 0xbebebe}, {QPalette::Dark, 0xbebebe}, {QPalette::Text, 0xbebebe},
    {QPalette::ButtonText, 0xbebebe}, {QPalette::Base, 0xefefef}, {QPalette::Shadow, 0xb1b1b1},
    {QPalette::Highlight, 0x919191},
};

void setGroup(QPalette &palette, QPalette::ColorGroup group,
              std::initializer_list<std::pair<Role, QRgb>> colours)
{
    for (const auto &[role, rgb] : colours)
        palette.setColor(group, role, QColor(rgb));
}

} // namespace

namespace LightLook {

QPalette palette()
{
    QPalette light;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        setGroup(light, group, EnabledColours);
    setGroup(light, QPalette::Disabled, DisabledChanges);
    return light;
}

void apply()
{
    QApplication::setPalette(palette());
}

} // namespace LightLook
