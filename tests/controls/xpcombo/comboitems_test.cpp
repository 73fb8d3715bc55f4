#include "controls/xpcombo/comboerror.h"
#include "controls/xpcombo/xpcombo.h"
#include "tests/controls/xpcombo/listeditems.h"

#include <QComboBox>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QStringList tags(const XPCombo &combo, int count)
{
    QStringList result;
    for (int slot = 0; slot < count; ++slot)
        result.append(combo.Tags(slot));
    return result;
}

struct SplitCase {
    const char *item;
    bool tagged;
    const char *rewritten;
    const char *tag;
    const char *text;
};

class SplitItemTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitItemTest, RewritesAndSplitsAtFirstEquals)
{
    const SplitCase &c = GetParam();
    XPCombo combo;
    QString item = QString::fromUtf8(c.item);
    EXPECT_EQ(combo.SplitItem(item), c.tagged);
    EXPECT_EQ(item, QString::fromUtf8(c.rewritten));
    EXPECT_EQ(combo.TagPart(), QString::fromUtf8(c.tag));
    EXPECT_EQ(combo.TextPart(), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Items, SplitItemTest,
    testing::Values(SplitCase{"A4 = 210x297", true, "A4 = 210x297", "A4", "210x297"},
                    SplitCase{" 01 = English ", true, "01 = English", "01", "English"},
                    SplitCase{"=abc", false, "abc", "abc", "abc"},
                    SplitCase{"abc=", false, "abc", "abc", "abc"},
                    SplitCase{"=abc=", false, "abc=", "abc=", "abc="},
                    SplitCase{"a=b=c", true, "a=b=c", "a", "b=c"},
                    SplitCase{"=", false, "", "", ""}, SplitCase{"   ", false, "", "", ""},
                    SplitCase{"\t=x", true, "\t=x", "\t", "x"}));

TEST(ComboItems, AddToEmptyListSelectsItAndRaisesChangeTwice)
{
    XPCombo combo;
    QSignalSpy changes(&combo, &XPCombo::Change);
    combo.AddItem(QStringLiteral("A4"));
    EXPECT_EQ(combo.ListIndex(), 0);
    EXPECT_EQ(combo.Text(), QStringLiteral("A4"));
    EXPECT_EQ(changes.count(), 2);
}

TEST(ComboItems, TaggedItemKeepsTagBesideShownText)
{
    XPCombo combo;
    combo.setTagCode(true);
    combo.AddItem(QStringLiteral("01 = English"));
    EXPECT_EQ(listed(combo), QStringList{QStringLiteral("English")});
    EXPECT_EQ(combo.Tags(0), QStringLiteral("01"));
    EXPECT_EQ(combo.GetItem(0), QStringLiteral("01=English"));
    EXPECT_EQ(combo.GetTagCode(), QStringLiteral("01"));
}

TEST(ComboItems, NothingToAddStillSelectsLastIndex)
{
    // Nothing added to an empty list: selecting LastIndex 0 fails like the
    // list box does.
    XPCombo combo;
    combo.setTagCode(true);
    EXPECT_THROW(combo.AddItem(QStringLiteral("=")), ComboError);
    EXPECT_EQ(combo.ListCount(), 0);

    combo.AddItem(QStringLiteral("a=1"));
    combo.AddItem(QStringLiteral("b=2"));
    combo.setListIndex(0);
    combo.AddItem(QStringLiteral("   "));
    EXPECT_EQ(combo.ListCount(), 2);
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(combo.Text(), QStringLiteral("2"));

    combo.setTagCode(false);
    combo.AddItem(QString());
    EXPECT_EQ(combo.ListCount(), 2);
    combo.AddItem(QStringLiteral("   "));
    EXPECT_EQ(listed(combo).last(), QStringLiteral("   "));
}

TEST(ComboItems, InsertPositionsClampAndShiftTags)
{
    XPCombo combo;
    combo.setTagCode(true);
    for (const char *item : {"a=1", "b=2", "c=3"})
        combo.AddItem(QString::fromLatin1(item));
    EXPECT_EQ(combo.TagTop(), 2);

    combo.AddItem(QStringLiteral("z=0"), 0);
    EXPECT_EQ(tags(combo, 4), (QStringList{"z", "a", "b", "c"}));
    EXPECT_EQ(combo.TagTop(), 3);
    EXPECT_EQ(combo.LastIndex(), 0);
    EXPECT_EQ(combo.ListIndex(), 0);

    combo.AddItem(QStringLiteral("e=end"), combo.ListCount());
    combo.AddItem(QStringLiteral("t=top"), -5);
    EXPECT_EQ(listed(combo), (QStringList{"top", "0", "1", "2", "3", "end"}));
    EXPECT_EQ(tags(combo, 6), (QStringList{"t", "z", "a", "b", "c", "e"}));
}

TEST(ComboItems, TagTableStopsAtHundredSlots)
{
    XPCombo combo;
    combo.setTagCode(true);
    for (int i = 0; i < 120; ++i)
        combo.AddItem(QStringLiteral("k%1=item %1").arg(i));
    EXPECT_EQ(combo.TagTop(), 99);
    EXPECT_EQ(combo.GetItem(99), QStringLiteral("k99=item 99"));
    EXPECT_EQ(combo.GetItem(110), QStringLiteral("item 110"));

    combo.UpdateItem(QStringLiteral("x=y"), 110);
    EXPECT_EQ(listed(combo)[110], QStringLiteral("x=y"));
    combo.UpdateItem(QStringLiteral("x = y"), 5);
    EXPECT_EQ(combo.GetItem(5), QStringLiteral("x=y"));
    EXPECT_EQ(combo.LastIndex(), 5);

    // An insert at the top pushes the tag of slot 99 off the end.
    combo.AddItem(QStringLiteral("new=first"), 0);
    EXPECT_EQ(combo.Tags(0), QStringLiteral("new"));
    EXPECT_EQ(combo.Tags(99), QStringLiteral("k98"));
    EXPECT_EQ(combo.TagTop(), 99);
}

// The list holds 32,767 items, as the list box it stands in for; the next
// one is refused.
TEST(ComboItems, ListStopsAtItsLargestCount)
{
    XPCombo combo;
    for (int i = 0; i < 32767; ++i)
        combo.AddItem(QString::number(i));
    ASSERT_EQ(combo.ListCount(), 32767);
    combo.AddItem(QStringLiteral("one more"));
    EXPECT_EQ(combo.ListCount(), 32767);
}

TEST(ComboItems, InvalidPositionsRaiseNoEvent)
{
    XPCombo combo;
    QSignalSpy changes(&combo, &XPCombo::Change);
    EXPECT_EQ(combo.GetItem(), QString());
    combo.RemoveItem();
    combo.AddItem(QStringLiteral("A3"));
    changes.clear();
    combo.UpdateItem(QStringLiteral("A5"), combo.ListCount());
    combo.UpdateItem(QStringLiteral("A5"), -1);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(listed(combo), QStringList{QStringLiteral("A3")});
    EXPECT_EQ(combo.GetItem(7), QString());
    EXPECT_THROW(combo.RemoveItem(3), ComboError);
    EXPECT_THROW(combo.setListIndex(1), ComboError);
    EXPECT_THROW(combo.setListIndex(-2), ComboError);
}

TEST(ComboItems, RemoveClosesTagGapButKeepsTagTop)
{
    XPCombo combo;
    combo.setTagCode(true);
    for (const char *item : {"a=1", "b=2", "c=3"})
        combo.AddItem(QString::fromLatin1(item));
    QSignalSpy changes(&combo, &XPCombo::Change);
    combo.RemoveItem(0);
    EXPECT_EQ(tags(combo, 3), (QStringList{"b", "c", ""}));
    EXPECT_EQ(combo.TagTop(), 2);
    EXPECT_EQ(listed(combo), (QStringList{"2", "3"}));
    EXPECT_EQ(changes.count(), 1);
    combo.RemoveItem();
    EXPECT_EQ(listed(combo), QStringList{"2"});
}

TEST(ComboItems, ClearKeepsTextAndTagStrings)
{
    XPCombo combo;
    combo.setTagCode(true);
    combo.AddItem(QStringLiteral("a=1"));
    combo.AddItem(QStringLiteral("b=2"));
    QSignalSpy changes(&combo, &XPCombo::Change);
    combo.Clear();
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_EQ(combo.TagTop(), 0);
    EXPECT_EQ(combo.Text(), QStringLiteral("2"));
    EXPECT_EQ(combo.Tags(1), QStringLiteral("b"));
    EXPECT_EQ(changes.count(), 0);
}

TEST(ComboItems, ListIndexMinusOneKeepsText)
{
    XPCombo combo;
    combo.AddItem(QStringLiteral("A3"));
    combo.AddItem(QStringLiteral("A4"));
    combo.setListIndex(0);
    EXPECT_EQ(combo.Text(), QStringLiteral("A3"));
    combo.setListIndex(-1);
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), QStringLiteral("A3"));
}

TEST(ComboItems, SetTagCodeWalksThroughMatchesThenStartsOver)
{
    XPCombo combo;
    combo.setTagCode(true);
    for (const char *item : {"A4=first", "B5=b", "a4=second", "C=c"})
        combo.AddItem(QString::fromLatin1(item));
    QSignalSpy changes(&combo, &XPCombo::Change);
    int start = 0;
    EXPECT_TRUE(combo.SetTagCode(QStringLiteral(" a4 "), start));
    EXPECT_EQ(combo.ListIndex(), 0);
    EXPECT_EQ(start, 1);
    EXPECT_TRUE(combo.SetTagCode(QStringLiteral("a4"), start));
    EXPECT_EQ(combo.Text(), QStringLiteral("second"));
    EXPECT_EQ(start, 3);
    EXPECT_FALSE(combo.SetTagCode(QStringLiteral("a4"), start));
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), QString());
    EXPECT_EQ(start, 3);
    EXPECT_GE(changes.count(), 3);

    // A match in the last slot sends the next search back to the start;
    // a start past the end searches from 0.
    EXPECT_TRUE(combo.SetTagCode(QStringLiteral("c"), start));
    EXPECT_EQ(start, 0);
    start = 50;
    EXPECT_TRUE(combo.SetTagCode(QStringLiteral("B5"), start));
    EXPECT_EQ(combo.ListIndex(), 1);

    start = 2;
    combo.setListIndex(1);
    EXPECT_FALSE(combo.SetTagCode(QStringLiteral("   "), start));
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), QString());
    EXPECT_EQ(start, 2);
}

TEST(ComboItems, SetTagCodeSearchesTagsEvenWithTagsOff)
{
    XPCombo combo;
    combo.setTagCode(true);
    combo.AddItem(QStringLiteral("x=1"));
    combo.setTagCode(false);
    int start = 0;
    EXPECT_TRUE(combo.SetTagCode(QStringLiteral("X"), start));
    EXPECT_EQ(combo.GetTagCode(), QString());
}

} // namespace
