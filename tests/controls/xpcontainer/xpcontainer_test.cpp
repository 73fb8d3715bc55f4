#include "controls/xpcontainer/xpcontainer.h"
#include "platform/propertybag.h"
#include "tests/support/propertytablecheck.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using Gdi::rgb;

namespace {

void place(XPContainer &panel, int width, int height)
{
    panel.setAttribute(Qt::WA_DontShowOnScreen);
    panel.resize(width, height);
    panel.show();
}

QStringList keysOf(const QSignalSpy &spy)
{
    QStringList keys;
    for (const auto &args : spy)
        keys.append(args[0].toString());
    return keys;
}

TEST(XPContainerProperties, TableRowsRoundTrip)
{
    PropertyTableCheck::expectEveryRowRoundTrips<XPContainer>();
    PropertyTableCheck::expectDefaultsStoredAsTheTableSays<XPContainer>();
    PropertyTableCheck::expectUnusableValuesReadAsMissing<XPContainer>();
}

} // namespace

class XPContainerTest : public ::testing::Test {
protected:
    static constexpr int W = 419;
    static constexpr int H = 297;

    void SetUp() override { place(m_panel, W, H); }
    Gdi::ColorRef at(int x, int y) const { return m_panel.surface().pixel(x, y); }

    XPContainer m_panel;
};

TEST_F(XPContainerTest, NewPanelIsBlueThemeZero)
{
    EXPECT_EQ(m_panel.Caption(), "XPContainer");
    EXPECT_EQ(at(0, 0), rgb(173, 193, 220)); // border
    EXPECT_EQ(at(W - 1, H - 1), rgb(173, 193, 220));
    EXPECT_EQ(at(W - 1, 100), rgb(173, 193, 220));
    EXPECT_EQ(at(300, 1), rgb(211, 224, 247));     // header's first row
    EXPECT_EQ(at(300, 23), rgb(167, 197, 237));    // header's last row
    EXPECT_EQ(at(1, 10), at(300, 10));             // header starts at x = 1
    EXPECT_EQ(at(W - 2, 10), at(300, 10));         // and reaches the border
    EXPECT_EQ(at(300, 24), rgb(239, 244, 252));    // body's first row
    EXPECT_EQ(at(300, H - 2), rgb(220, 232, 250)); // body reaches its end colour
    EXPECT_EQ(at(W - 2, 150), at(300, 150));       // body rows reach the border
}

TEST_F(XPContainerTest, CaptionIsDrawnInTheTextColourInsideTheHeader)
{
    int textPixels = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < 120; ++x)
            if (at(x, y) == rgb(2, 45, 123)) {
                ++textPixels;
                EXPECT_GE(x, 7);
                EXPECT_GE(y, 1);
                EXPECT_LE(y, 23);
            }
    EXPECT_GT(textPixels, 20);
}

TEST_F(XPContainerTest, ThemeSixSetsAllSixColoursThroughTheirSetters)
{
    QSignalSpy changes(&m_panel, &UserControl::propertyChanged);
    m_panel.setTheme(6);
    EXPECT_EQ(keysOf(changes),
              (QStringList{"Theme", "HeaderLightColor", "HeaderDarkColor", "BackLightColor",
                           "BackDarkColor", "BorderColor", "TextColor"}));
    EXPECT_EQ(m_panel.HeaderLightColor(), rgb(253, 226, 210));
    EXPECT_EQ(m_panel.HeaderDarkColor(), rgb(250, 198, 167));
    EXPECT_EQ(m_panel.BackLightColor(), rgb(254, 245, 239));
    EXPECT_EQ(m_panel.BackDarkColor(), rgb(253, 233, 221));
    EXPECT_EQ(m_panel.BorderColor(), rgb(250, 192, 159));
    EXPECT_EQ(m_panel.TextColor(), rgb(109, 54, 22));
    EXPECT_EQ(at(0, 0), rgb(250, 192, 159));
    EXPECT_EQ(at(300, 1), rgb(253, 226, 210));

    m_panel.setBorderColor(rgb(1, 2, 3));
    EXPECT_EQ(m_panel.Theme(), 6);
    EXPECT_EQ(at(0, 0), rgb(1, 2, 3));
}

TEST_F(XPContainerTest, ThemeOutsideTheTableChangesNoColour)
{
    for (int theme : {12, -1}) {
        m_panel.setTheme(theme);
        EXPECT_EQ(m_panel.Theme(), theme);
        EXPECT_EQ(m_panel.HeaderLightColor(), rgb(211, 224, 247));
        EXPECT_EQ(m_panel.TextColor(), rgb(2, 45, 123));
    }
}

TEST_F(XPContainerTest, StyleOneHidesTheHeaderAndTheBodyFillsThePanel)
{
    m_panel.setStyle(1);
    // One gradient of H - 1 steps over the whole panel, under the border.
    EXPECT_EQ(at(300, 0), rgb(173, 193, 220));
    EXPECT_EQ(at(300, 1), rgb(239, 244, 252));
    EXPECT_EQ(at(300, 10), rgb(238, 244, 252));
    EXPECT_EQ(at(300, H - 2), rgb(220, 232, 250));
    const QImage before = m_panel.surface().image().copy();
    m_panel.setTextColor(rgb(255, 0, 0));
    EXPECT_EQ(m_panel.surface().image(), before);
    EXPECT_TRUE(m_panel.headerRect().isEmpty());
}

TEST_F(XPContainerTest, UntranslatableBorderSkipsOnlyTheBorder)
{
    m_panel.setBorderColor(0x80000019);
    EXPECT_NE(at(0, 100), rgb(173, 193, 220));
    EXPECT_EQ(at(300, 1), rgb(211, 224, 247));
    EXPECT_EQ(at(300, 24), rgb(239, 244, 252));
}

TEST(XPContainerSizes, DegenerateSizesPaintWithoutFailing)
{
    for (const QSize size : {QSize(0, 50), QSize(50, 1), QSize(50, 26), QSize(2, 2)}) {
        XPContainer panel;
        panel.setStyle(size.height() == 1 ? 1 : 0);
        place(panel, size.width(), size.height());
        panel.repaint();
        EXPECT_EQ(panel.surface().width(), size.width());
    }
}

TEST(XPContainerProperties, RoundTripWithoutReapplyingTheTheme)
{
    XPContainer panel;
    PropertyBag bag;
    panel.writeProperties(bag);
    EXPECT_TRUE(bag.isEmpty());

    panel.setTheme(6);
    panel.setCaption("Tervolan");
    panel.setStyle(1);
    panel.setTextColor(0x80000008);
    panel.writeProperties(bag);
    EXPECT_EQ(bag.keys(),
              (QStringList{"HeaderLightColor", "HeaderDarkColor", "BackLightColor", "BackDarkColor",
                           "BorderColor", "TextColor", "Caption", "Style", "Theme"}));
    XPContainer loaded;
    loaded.readProperties(bag);
    EXPECT_EQ(loaded.TextColor(), 0x80000008u);
    EXPECT_EQ(loaded.Caption(), "Tervolan");
    EXPECT_EQ(loaded.Style(), 1);
    EXPECT_EQ(loaded.Theme(), 6);

    // A stored theme alone leaves the stored (default) colours in place.
    PropertyBag themeOnly;
    themeOnly.write("Theme", 6, 0);
    XPContainer fresh;
    fresh.readProperties(themeOnly);
    EXPECT_EQ(fresh.Theme(), 6);
    EXPECT_EQ(fresh.HeaderLightColor(), rgb(211, 224, 247));
}
