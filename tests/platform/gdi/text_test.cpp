#include "platform/gdi/surface.h"

#include <gtest/gtest.h>

using Gdi::Rect;
using Gdi::Surface;

namespace {

QFont testFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    return font;
}

// Left and right of the inked columns, or {-1, -1}.
std::pair<int, int> inkColumns(const Surface &s)
{
    int left = -1;
    int right = -1;
    for (int x = 0; x < s.width(); ++x)
        for (int y = 0; y < s.height(); ++y)
            if (s.pixel(x, y) != 0xFFFFFF) {
                if (left < 0)
                    left = x;
                right = x;
            }
    return {left, right};
}

} // namespace

TEST(SurfaceText, PrefixAmpersandTakesNoRoom)
{
    const QFont font = testFont();
    const Rect room = Rect::box(0, 0, 400, 50);
    const auto width = [&](const QString &text, unsigned flags) {
        return Surface::measureText(text, room, font, flags).width();
    };
    EXPECT_EQ(width("&File", Gdi::TextSingleLine), width("File", Gdi::TextSingleLine));
    EXPECT_EQ(width("A&&B", Gdi::TextSingleLine),
              width("A&B", Gdi::TextSingleLine | Gdi::TextNoPrefix));
    EXPECT_GT(width("&File", Gdi::TextSingleLine | Gdi::TextNoPrefix),
              width("File", Gdi::TextSingleLine));
}

TEST(SurfaceText, MeasureKeepsLeftTopAndWrapsWithWordBreak)
{
    const QFont font = testFont();
    const Rect oneLine = Surface::measureText("aaa bbb ccc", Rect::box(5, 7, 400, 10), font, 0);
    EXPECT_EQ(oneLine.left, 5);
    EXPECT_EQ(oneLine.top, 7);
    const int narrow = oneLine.width() / 2;
    const Rect wrapped = Surface::measureText("aaa bbb ccc", Rect::box(5, 7, narrow, 10), font,
                                              Gdi::TextWordBreak);
    EXPECT_GE(wrapped.height(), 2 * oneLine.height());
    EXPECT_LE(wrapped.width(), narrow);
    // Without word breaking the text stays on one line whatever the width.
    EXPECT_EQ(Surface::measureText("aaa bbb ccc", Rect::box(5, 7, narrow, 10), font, 0).height(),
              oneLine.height());
}

TEST(SurfaceText, CentredTextIsCentredAndClippedToItsRect)
{
    Surface s(200, 40);
    const Rect rect = Rect::box(20, 5, 160, 30);
    s.drawText("Centre", rect, testFont(), 0,
               Gdi::TextCenter | Gdi::TextVCenter | Gdi::TextSingleLine);
    const auto [left, right] = inkColumns(s);
    ASSERT_GE(left, 0);
    EXPECT_NEAR((left + right) / 2.0, 100.0, 3.0);

    Surface clipped(200, 40);
    clipped.drawText("A long caption that does not fit", Rect::box(10, 5, 40, 30), testFont(), 0,
                     Gdi::TextSingleLine);
    const auto [clipLeft, clipRight] = inkColumns(clipped);
    EXPECT_GE(clipLeft, 10);
    EXPECT_LE(clipRight, 49);
}
