#include "app/window/wholescalefactor.h"

#include <gtest/gtest.h>

TEST(WholeScaleFactor, RoundsEachFactorAndKeepsScreenNames)
{
    EXPECT_EQ(WholeScaleFactor::rounded("1.5"), "2");
    EXPECT_EQ(WholeScaleFactor::rounded("1.25"), "1");
    EXPECT_EQ(WholeScaleFactor::rounded("0.75"), "1");
    EXPECT_EQ(WholeScaleFactor::rounded("1.5;2.25"), "2;2");
    EXPECT_EQ(WholeScaleFactor::rounded("HDMI-1=1.25;eDP-1=1.5;"), "HDMI-1=1;eDP-1=2;");
    EXPECT_EQ(WholeScaleFactor::rounded("auto"), "auto");
}
