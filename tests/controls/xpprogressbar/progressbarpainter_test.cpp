#include "controls/xpprogressbar/progressbarpainter.h"
#include "controls/xpprogressbar/progressbartiles.h"

#include <gtest/gtest.h>

// The painter alone, on a bare surface: the block row and the moving group.
class ProgressBarPainterTest : public ::testing::Test {
protected:
    static constexpr int W = 223;
    static constexpr int H = 43;
    static constexpr int Row = 20; // a row inside the trough

    void SetUp() override
    {
        const auto &tiles = *ProgressBarTiles::look(6);
        m_state.tiles = {&tiles[0], &tiles[1], &tiles[2]};
        ProgressBarPainter(m_surface, m_state).repaint(m_track);
        m_empty = m_surface.image().copy();
    }

    void setValue(int value)
    {
        m_state.value = value;
        ProgressBarPainter(m_surface, m_state).updateBlocks(m_track);
    }

    bool painted(int x) const { return m_surface.image().pixel(x, Row) != m_empty.pixel(x, Row); }

    // Columns of the trough that differ from the empty bar.
    std::vector<int> paintedColumns() const
    {
        std::vector<int> columns;
        for (int x = 0; x < W; ++x)
            if (painted(x))
                columns.push_back(x);
        return columns;
    }

    Gdi::Surface m_surface{W, H};
    ProgressBarState m_state;
    ProgressBarTrack m_track;
    QImage m_empty;
};

TEST_F(ProgressBarPainterTest, EmptyRangeDrawsNothingInsteadOfDividingByZero)
{
    m_state.min = 0;
    m_state.max = 0;
    setValue(0);
    EXPECT_TRUE(paintedColumns().empty());
}

TEST_F(ProgressBarPainterTest, MovingGroupStartsAtFourWithLightestTileFirst)
{
    m_state.value = 1;
    ProgressBarPainter(m_surface, m_state).advanceGroup(m_track);
    const auto &tiles = *ProgressBarTiles::look(6);
    // Half-width tiles (every other source column): index 0 at 4, index 1
    // at 9, index 2 at 14.
    EXPECT_EQ(m_surface.pixel(4, 3), tiles[0].pixel(1, 0));
    EXPECT_EQ(m_surface.pixel(9, 3), tiles[1].pixel(1, 0));
    EXPECT_EQ(m_surface.pixel(14, 3), tiles[2].pixel(1, 0));
    EXPECT_FALSE(painted(8));
    EXPECT_FALSE(painted(18));
    EXPECT_EQ(m_track.groupX, 9);

    // The next step erases the tail behind the group.
    ProgressBarPainter(m_surface, m_state).advanceGroup(m_track);
    EXPECT_EQ(m_surface.pixel(9, 3), tiles[0].pixel(1, 0));
    EXPECT_EQ(m_surface.pixel(4, 3), ProgressBarTiles::blank().pixel(0, 0));
}

TEST_F(ProgressBarPainterTest, MovingGroupRestartsAndNeverTouchesTheFrame)
{
    const int borderColumns[] = {0, 1, 2, W - 3, W - 2, W - 1};
    bool restarted = false;
    for (int step = 0; step < 120; ++step) {
        ProgressBarPainter(m_surface, m_state).advanceGroup(m_track);
        restarted = restarted || m_track.groupX == 2;
        for (int x : borderColumns)
            for (int y = 0; y < H; ++y)
                ASSERT_EQ(m_surface.image().pixel(x, y), m_empty.pixel(x, y)) << x << "," << y;
    }
    EXPECT_TRUE(restarted);
}

// On a 200-pixel bar the block at 4 reaches 2 % exactly and the one at 14
// reaches 7 %: a block is drawn only once the value passes its start.
TEST(ProgressBarBlockRule, ABlockNeedsAValuePastItsStart)
{
    Gdi::Surface surface(200, 43);
    ProgressBarState state;
    const auto &tiles = *ProgressBarTiles::look(6);
    state.tiles = {&tiles[0], &tiles[1], &tiles[2]};
    ProgressBarTrack track;
    ProgressBarPainter(surface, state).repaint(track);
    const QImage empty = surface.image().copy();
    auto blockAt = [&](int value, int x) {
        state.value = value;
        ProgressBarPainter(surface, state).updateBlocks(track);
        return surface.image().pixel(x, 20) != empty.pixel(x, 20);
    };
    EXPECT_FALSE(blockAt(2, 4));
    EXPECT_TRUE(blockAt(3, 4));
    EXPECT_FALSE(blockAt(7, 14));
    EXPECT_TRUE(blockAt(8, 14));
}
