#include "controls/xpcombo/combolistfile.h"
#include "controls/xpcombo/xpcombo.h"
#include "tests/controls/xpcombo/listeditems.h"
#include "tests/support/tempdir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class ComboListFileTest : public testing::Test {
protected:
    // Points the combo at name in the temporary folder, with these bytes.
    void useFile(const std::string &name, const std::string &bytes)
    {
        combo.setFileName(QString::fromStdString(dir.write(name, bytes)));
    }

    TempDir dir;
    XPCombo combo;
};

TEST_F(ComboListFileTest, SavesGb18030LinesEndingInCrLf)
{
    combo.AddItem(QStringLiteral("中文"));
    combo.AddItem(QStringLiteral("𠀀 A4"));
    combo.setFileName(QStringLiteral("  %1  ").arg(QString::fromStdString(dir.file("list.txt"))));
    EXPECT_TRUE(combo.SaveToFile());
    EXPECT_EQ(readBytes(dir.file("list.txt")), "\xD6\xD0\xCE\xC4\r\n\x95\x32\x82\x36 A4\r\n");
}

TEST_F(ComboListFileTest, TaggedListWithEmptyTagsRoundTripsUntagged)
{
    // Items listed before tags were switched on have empty tags: their
    // lines begin with "=", and such a first line turns tags off again.
    for (const char *item : {"A3", "A4", "A5"})
        combo.AddItem(QString::fromLatin1(item));
    combo.setTagCode(true);
    combo.setFileName(QString::fromStdString(dir.file("tags.txt")));
    combo.SaveToFile();
    EXPECT_EQ(readBytes(dir.file("tags.txt")), "=A3\r\n=A4\r\n=A5\r\n");

    XPCombo loaded;
    loaded.setTagCode(true);
    loaded.setFileName(combo.FileName());
    EXPECT_TRUE(loaded.LoadedFromFile());
    EXPECT_FALSE(loaded.TagCode());
    EXPECT_EQ(listed(loaded), (QStringList{"A3", "=A4", "=A5"}));
}

TEST_F(ComboListFileTest, TagsWrittenForTheFirstHundredPositionsOnly)
{
    combo.setTagCode(true);
    for (int i = 0; i < 101; ++i)
        combo.AddItem(QStringLiteral("t%1=v%1").arg(i));
    combo.setFileName(QString::fromStdString(dir.file("long.txt")));
    combo.SaveToFile();
    const std::string bytes = readBytes(dir.file("long.txt"));
    EXPECT_EQ(bytes.substr(0, 7), "t0=v0\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 15), "t99=v99\r\nv100\r\n");
}

TEST_F(ComboListFileTest, DefaultPathIsProgramFolderAndControlName)
{
    combo.setObjectName(QStringLiteral("cmbListFileTest"));
    const QString expected
        = QCoreApplication::applicationDirPath() + QStringLiteral("/cmbListFileTest.Txt");
    EXPECT_EQ(combo.listFilePath(), expected);
    combo.AddItem(QStringLiteral("A4"));
    EXPECT_TRUE(combo.SaveToFile());
    XPCombo other;
    other.setObjectName(QStringLiteral("cmbListFileTest"));
    EXPECT_TRUE(other.LoadedFromFile());
    EXPECT_EQ(listed(other), QStringList{"A4"});
    QFile::remove(expected);
}

TEST_F(ComboListFileTest, FailedSaveLeavesExistingFileAlone)
{
    combo.AddItem(QStringLiteral("A4"));
    combo.setFileName(QString::fromStdString(dir.file("missing/folder/list.txt")));
    EXPECT_FALSE(combo.SaveToFile());
    // A folder in the way of the file cannot be replaced.
    useFile("taken/keep.txt", "old\r\n");
    combo.setFileName(QString::fromStdString(dir.file("taken")));
    EXPECT_FALSE(combo.SaveToFile());
    EXPECT_EQ(readBytes(dir.file("taken/keep.txt")), "old\r\n");
}

TEST_F(ComboListFileTest, LineFeedsAloneDoNotSeparateLines)
{
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "line" + std::to_string(i) + "\n";
    useFile("lf.txt", text);
    ASSERT_TRUE(combo.LoadedFromFile());
    std::string joined;
    for (int i = 0; i < 30; ++i)
        joined += "line" + std::to_string(i);
    EXPECT_EQ(listed(combo), QStringList{QString::fromStdString(joined.substr(0, 80))});
}

TEST_F(ComboListFileTest, CommentsBlanksAndShortLines)
{
    useFile("c.txt", ";comment\r\nx\r\n\r\nA4\r\nB\r\n   \r\n;x=1\r\n;\r\n C5 \r\n");
    combo.setTagCode(true);
    ASSERT_TRUE(combo.LoadedFromFile());
    EXPECT_FALSE(combo.TagCode());
    EXPECT_EQ(listed(combo), (QStringList{"A4", "B", " C5 "}));
}

TEST_F(ComboListFileTest, TaggedFirstLineSwitchesTagsOn)
{
    // " 中文 = 宋体 " in GB18030.
    useFile("t.txt", "A4=210x297\r\nLetter\r\n \xD6\xD0\xCE\xC4 = \xCB\xCE\xCC\xE5 \r\n");
    ASSERT_TRUE(combo.LoadedFromFile());
    EXPECT_TRUE(combo.TagCode());
    EXPECT_EQ(listed(combo), (QStringList{"210x297", "Letter", "宋体"}));
    EXPECT_EQ(combo.GetItem(1), QStringLiteral("Letter=Letter"));
    EXPECT_EQ(combo.Tags(2), QStringLiteral("中文"));
    EXPECT_EQ(combo.TagTop(), 2);
}

TEST_F(ComboListFileTest, LeadingEqualsInFirstLineKeepsTagsOff)
{
    useFile("e.txt", "=A4\r\nx=y\r\n");
    combo.setTagCode(true);
    ASSERT_TRUE(combo.LoadedFromFile());
    EXPECT_FALSE(combo.TagCode());
    EXPECT_EQ(listed(combo), (QStringList{"A4", "x=y"}));
}

TEST_F(ComboListFileTest, LongLinesAreCutToEightyCharacters)
{
    const std::string hundred(100, 'k');
    // 90 Chinese characters: the cut counts characters, not bytes.
    std::string chinese;
    for (int i = 0; i < 90; ++i)
        chinese += "\xD6\xD0";
    useFile("long.txt", hundred + "\r\n" + chinese + "\r\n");
    ASSERT_TRUE(combo.LoadedFromFile());
    const QStringList items = listed(combo);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0], QString(80, QLatin1Char('k')));
    EXPECT_EQ(items[1], QString(80, QChar(0x4E2D)));
}

TEST_F(ComboListFileTest, UnusableFilesLeaveTheListAlone)
{
    combo.AddItem(QStringLiteral("keep"));
    combo.setFileName(QString::fromStdString(dir.file("absent.txt")));
    EXPECT_FALSE(combo.LoadedFromFile());
    for (const std::string &bytes :
         {std::string(), std::string("\n\n\n"), std::string("a\r\n;\r\nb\r\n")}) {
        useFile("bad.txt", bytes);
        EXPECT_FALSE(combo.LoadedFromFile());
    }
    EXPECT_EQ(listed(combo), QStringList{"keep"});
    EXPECT_EQ(combo.Text(), QStringLiteral("keep"));
}

TEST_F(ComboListFileTest, LoadReplacesListWithoutSelecting)
{
    combo.AddItem(QStringLiteral("old1"));
    combo.AddItem(QStringLiteral("old2"));
    useFile("three.txt", "one\r\ntwo\r\nthree");
    ASSERT_TRUE(combo.LoadedFromFile());
    EXPECT_EQ(listed(combo), (QStringList{"one", "two", "three"}));
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), QStringLiteral("old2"));
}

TEST_F(ComboListFileTest, BlankFirstLineDecidesButAddsNothing)
{
    useFile("b.txt", "    \r\nA=1\r\n");
    combo.setTagCode(true);
    ASSERT_TRUE(combo.LoadedFromFile());
    EXPECT_FALSE(combo.TagCode());
    EXPECT_EQ(listed(combo), QStringList{"A=1"});
}

TEST_F(ComboListFileTest, HugeFileStopsAtTheLargestList)
{
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += "item " + std::to_string(i) + "\r\n";
    useFile("huge.txt", text);
    ASSERT_TRUE(combo.LoadedFromFile());
    EXPECT_EQ(combo.ListCount(), 32767);
    EXPECT_EQ(combo.GetItem(), QStringLiteral("item 32766"));
}

TEST(ComboListLines, NextListLineTakesLinesFromTheFront)
{
    ComboListFile file;
    file.setBuffer(U"ab\n\rc\r;note\r");
    qint32 position = 0;
    EXPECT_EQ(file.nextListLine(position), U"ab");
    EXPECT_EQ(position, 3);
    EXPECT_EQ(file.buffer(), U"c\r;note\r");
    EXPECT_EQ(file.nextListLine(position), U"c");
    EXPECT_EQ(file.nextListLine(position), U";");
    EXPECT_EQ(file.nextListLine(position), U"");
    EXPECT_EQ(position, 0);
}

} // namespace
