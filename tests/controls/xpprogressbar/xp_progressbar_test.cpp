#include "controls/xpprogressbar/progressbartiles.h"
#include "controls/xpprogressbar/valuenotice.h"
#include "controls/xpprogressbar/xp_progressbar.h"
#include "platform/propertybag.h"
#include "platform/recordingmessageboxservice.h"
#include "tests/support/propertytablecheck.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Notes the order in which keys are read.
class ReadLoggingBag : public PropertyBag {
public:
    QVariant read(const QString &key, const QVariant &defaultValue) const override
    {
        readKeys.append(key);
        return PropertyBag::read(key, defaultValue);
    }
    mutable QStringList readKeys;
};

TEST(XpProgressBarProperties, TableRowsRoundTrip)
{
    PropertyTableCheck::expectEveryRowRoundTrips<Xp_ProgressBar>();
    PropertyTableCheck::expectDefaultsStoredAsTheTableSays<Xp_ProgressBar>();
    PropertyTableCheck::expectUnusableValuesReadAsMissing<Xp_ProgressBar>();
}

} // namespace

// The main window's bar: 223 x 43 pixels, look 6.
class XpProgressBarTest : public ::testing::Test {
protected:
    static constexpr int W = 223;
    static constexpr int H = 43;
    static constexpr int Row = 20;

    void SetUp() override
    {
        PropertyBag stored;
        stored.write("ProgressLook", 6, 0);
        m_bar.readProperties(stored);
        place(m_bar, W, H);
        m_empty = m_bar.surface().image().copy();
    }

    static void place(Xp_ProgressBar &bar, int width, int height)
    {
        bar.setAttribute(Qt::WA_DontShowOnScreen);
        bar.resize(width, height);
        bar.show();
    }

    std::vector<int> paintedColumns() const
    {
        std::vector<int> columns;
        for (int x = 0; x < W; ++x)
            if (m_bar.surface().image().pixel(x, Row) != m_empty.pixel(x, Row))
                columns.push_back(x);
        return columns;
    }

    // The columns of blocks at 4, 14, ... up to lastBlockX, plus an end
    // piece from endX to endRight (exclusive) if given.
    static std::vector<int> blocksUpTo(int lastBlockX, int endX = 0, int endRight = 0)
    {
        std::vector<int> columns;
        for (int x = 4; x <= lastBlockX; x += 10)
            for (int i = 0; i < 8; ++i)
                columns.push_back(x + i);
        for (int x = endX; x < endRight; ++x)
            columns.push_back(x);
        return columns;
    }

    RecordingMessageBoxService m_messages;
    Xp_ProgressBar m_bar;
    QImage m_empty;
};

TEST_F(XpProgressBarTest, HalfWayDrawsElevenBlocks)
{
    m_bar.setValue(50);
    EXPECT_EQ(paintedColumns(), blocksUpTo(104));
}

TEST_F(XpProgressBarTest, BlocksAreTheOrangeBlockTile)
{
    m_bar.setValue(50);
    const Gdi::Surface &block = (*ProgressBarTiles::look(6))[2];
    for (int blockX : {4, 54, 104})
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(m_bar.surface().pixel(blockX + i, 3), block.pixel(i, 0));
            EXPECT_EQ(m_bar.surface().pixel(blockX + i, H - 4), block.pixel(i, 9));
        }
}

TEST_F(XpProgressBarTest, FullBarSqueezesTheLastPieceBeforeTheBorder)
{
    m_bar.setValue(100);
    EXPECT_EQ(paintedColumns(), blocksUpTo(204, 214, 220));
    // Setting the same value again adds nothing past the track's end.
    m_bar.setValue(100);
    EXPECT_EQ(paintedColumns(), blocksUpTo(204, 214, 220));
}

TEST_F(XpProgressBarTest, IncreasesAddBlocksAndDecreasesRedraw)
{
    m_bar.setValue(10);
    m_bar.setValue(60);
    EXPECT_EQ(paintedColumns(), blocksUpTo(124));
    m_bar.setValue(30);
    EXPECT_EQ(paintedColumns(), blocksUpTo(64));
    m_bar.setValue(0);
    EXPECT_TRUE(paintedColumns().empty());
}

TEST_F(XpProgressBarTest, ResizeEmptiesTheTroughUntilTheNextValue)
{
    m_bar.setValue(50);
    m_bar.resize(W, H + 1);
    m_bar.resize(W, H);
    EXPECT_TRUE(paintedColumns().empty());
    EXPECT_EQ(m_bar.Value(), 50);
    m_bar.setValue(50);
    EXPECT_EQ(paintedColumns(), blocksUpTo(104));
}

TEST_F(XpProgressBarTest, StoredValueShowsOnlyOnceSetAgain)
{
    PropertyBag stored;
    stored.write("Value", 20, 0);
    stored.write("ProgressLook", 6, 0);
    Xp_ProgressBar loaded;
    loaded.readProperties(stored);
    place(loaded, W, H);
    EXPECT_EQ(loaded.surface().image(), m_empty);
    loaded.setValue(30);
    EXPECT_EQ(loaded.surface().image(), [&] {
        m_bar.setValue(30);
        return m_bar.surface().image();
    }());
}

struct RefusalRow {
    void (Xp_ProgressBar::*set)(int);
    int value;
    const char *message;
};

class XpProgressBarRefusal : public XpProgressBarTest,
                             public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(XpProgressBarRefusal, ShowsErrorAndKeepsTheOldValue)
{
    m_bar.setValue(40);
    const QImage before = m_bar.surface().image().copy();
    QSignalSpy changes(&m_bar, &UserControl::propertyChanged);
    (m_bar.*GetParam().set)(GetParam().value);
    ASSERT_EQ(m_messages.messages().size(), 1);
    EXPECT_EQ(m_messages.messages()[0].text, GetParam().message);
    EXPECT_EQ(m_messages.messages()[0].caption, "Error");
    EXPECT_EQ(m_messages.messages()[0].icon, MessageBoxService::Icon::Error);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(m_bar.Value(), 40);
    EXPECT_EQ(m_bar.Min(), 0);
    EXPECT_EQ(m_bar.Max(), 100);
    EXPECT_EQ(m_bar.surface().image(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, XpProgressBarRefusal,
    ::testing::Values(
        RefusalRow{&Xp_ProgressBar::setValue, 101, "Value can NOT be higher than Maximum !"},
        RefusalRow{&Xp_ProgressBar::setValue, -1, "Value can NOT be smaller than minimum !"},
        RefusalRow{&Xp_ProgressBar::setMin, 101, "Minimum can NOT be biger than maximum !"},
        RefusalRow{&Xp_ProgressBar::setMin, -1, "Minimum can NOT be smaller then 0 !"},
        RefusalRow{&Xp_ProgressBar::setMax, -1, "Maximum can NOT be smaller than minimum !"}));

TEST_F(XpProgressBarTest, MovingGroupReturnsToTheStartAtMax)
{
    m_bar.setStyle(1);
    for (int value = 1; value <= 5; ++value)
        m_bar.setValue(value);
    EXPECT_FALSE(paintedColumns().empty());
    m_bar.setValue(100);
    EXPECT_TRUE(paintedColumns().empty());
}

TEST_F(XpProgressBarTest, UnknownLookKeepsTheTiles)
{
    m_bar.setProgressLook(8);
    EXPECT_EQ(m_bar.ProgressLook(), 8);
    m_bar.setValue(10);
    EXPECT_EQ(m_bar.surface().pixel(4, 3), (*ProgressBarTiles::look(6))[2].pixel(0, 0));
}

// A bar that never reads a stored property shows look 0, not white blocks.
TEST(XpProgressBarDefaults, FreshBarDrawsLookZero)
{
    Xp_ProgressBar bar;
    bar.setAttribute(Qt::WA_DontShowOnScreen);
    bar.resize(223, 43);
    bar.show();
    bar.setValue(10);
    EXPECT_EQ(bar.surface().pixel(4, 3), (*ProgressBarTiles::look(0))[2].pixel(0, 0));
}

TEST_F(XpProgressBarTest, LooksAreDistinctAndLightToDark)
{
    QList<Gdi::ColorRef> blocks;
    for (int look = 0; look < ProgressBarTiles::LookCount; ++look) {
        const auto &tiles = *ProgressBarTiles::look(look);
        const auto brightness
            = [](Gdi::ColorRef c) { return Gdi::red(c) + Gdi::green(c) + Gdi::blue(c); };
        EXPECT_GT(brightness(tiles[0].pixel(3, 6)), brightness(tiles[1].pixel(3, 6))) << look;
        EXPECT_GT(brightness(tiles[1].pixel(3, 6)), brightness(tiles[2].pixel(3, 6))) << look;
        EXPECT_FALSE(blocks.contains(tiles[2].pixel(3, 6))) << look;
        blocks.append(tiles[2].pixel(3, 6));
    }
}

TEST(XpProgressBarProperties, DefaultsAreNotStoredAndKeysKeepTheirOrder)
{
    Xp_ProgressBar bar;
    PropertyBag bag;
    bar.writeProperties(bag);
    EXPECT_TRUE(bag.isEmpty());

    bar.setStyle(2);
    bar.setProgressLook(6);
    bar.setMax(200);
    bar.setMin(10);
    bar.setValue(20);
    bar.writeProperties(bag);
    EXPECT_EQ(bag.keys(), (QStringList{"Min", "Max", "Value", "Style", "ProgressLook"}));

    ReadLoggingBag copy;
    for (const QString &key : bag.keys())
        copy.write(key, bag.read(key, QVariant()), QVariant());
    Xp_ProgressBar loaded;
    loaded.readProperties(copy);
    EXPECT_EQ(copy.readKeys, (QStringList{"Min", "Max", "Value", "Style", "ProgressLook"}));
    EXPECT_EQ(loaded.Min(), 10);
    EXPECT_EQ(loaded.Max(), 200);
    EXPECT_EQ(loaded.Value(), 20);
    EXPECT_EQ(loaded.Style(), 2);
    EXPECT_EQ(loaded.ProgressLook(), 6);
}

TEST(XpProgressBarProperties, EveryAcceptedSetterNotifiesItsKey)
{
    RecordingMessageBoxService messages;
    Xp_ProgressBar bar;
    QSignalSpy changes(&bar, &UserControl::propertyChanged);
    bar.setMax(50);
    bar.setMin(5);
    bar.setValue(7);
    bar.setStyle(1);
    bar.setProgressLook(3);
    QStringList keys;
    for (const auto &args : changes)
        keys.append(args[0].toString());
    EXPECT_EQ(keys, (QStringList{"Max", "Min", "Value", "Style", "ProgressLook"}));
}

// A batch of 2,000 small files sent screen readers 26,380 value changes of
// the bar in 13 s: they should hear the batch, not every tick.
TEST(ValueNotice, TellsAFewValuesASecondAndTheLastOne)
{
    QList<int> told;
    ValueNotice notice([&](int value) { told << value; });
    for (int value = 0; value <= 100; ++value)
        notice.valueChanged(value);
    EXPECT_EQ(told, QList<int>{0}) << "the first value at once";
    EXPECT_TRUE(QTest::qWaitFor([&] { return told.size() == 2; }, 2000));
    QTest::qWait(2 * ValueNotice::IntervalMs);
    EXPECT_EQ(told, (QList<int>{0, 100})) << "the last one a moment later, and nothing between";
}
