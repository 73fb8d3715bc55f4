#include "dialogs/ccommondialogs.h"
#include "dialogs/dialogbackend.h"
#include "tests/support/tempdir.h"

#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

namespace {

// Plays the person: records what each dialog was asked to show and answers
// with the scripted choice (nothing means Cancel).

class CommonDialogsTest : public ::testing::Test {
protected:
    CommonDialogsTest() { dialogs.Init(&owner); }
    QWidget owner;
    ScriptedDialogs backend;
    CCommonDialogs dialogs;
};

} // namespace

TEST_F(CommonDialogsTest, OpenOffersEachFilterAndSplitsTheChoice)
{
    dialogs.setFilter("TEXT Files(*.txt)|*.txt|All Files(*.*)|*.*");
    dialogs.setTitle("打开");
    dialogs.setFileName("draft.txt");
    backend.fileChoice = "/home/li/文本/春日.txt";
    ASSERT_TRUE(dialogs.ShowOpen());
    EXPECT_EQ(backend.lastFile.filters,
              (QStringList{"TEXT Files(*.txt) (*.txt)", "All Files(*.*) (*.*)"}));
    EXPECT_EQ(backend.lastFile.title, "打开");
    EXPECT_EQ(backend.lastFile.proposedName, "draft.txt");
    EXPECT_TRUE(backend.lastFile.mustExist);
    EXPECT_EQ(dialogs.FileName(), "/home/li/文本/春日.txt");
    EXPECT_EQ(dialogs.Path(), "/home/li/文本");
    EXPECT_EQ(dialogs.FileTitle(), "春日.txt");
}

TEST_F(CommonDialogsTest, CancelLeavesEveryPropertyAsItWas)
{
    dialogs.setFileName("keep.txt");
    dialogs.setPath("/keep");
    EXPECT_FALSE(dialogs.ShowOpen());
    EXPECT_FALSE(dialogs.ShowFolder());
    EXPECT_FALSE(dialogs.ShowColor(true));
    EXPECT_FALSE(dialogs.ShowFont());
    EXPECT_EQ(dialogs.FileName(), "keep.txt");
    EXPECT_EQ(dialogs.Path(), "/keep");
}

TEST_F(CommonDialogsTest, WithoutAnOwnerOrWithAnOverlongNameOpenFails)
{
    backend.fileChoice = "/x.txt";
    CCommonDialogs noOwner;
    EXPECT_FALSE(noOwner.ShowOpen());
    dialogs.setFileName(QString(261, 'n'));
    EXPECT_FALSE(dialogs.ShowOpen());
}

TEST_F(CommonDialogsTest, SaveSettlesItsFolderAndAlwaysSaysSave)
{
    QString programFolder = QCoreApplication::applicationDirPath();
    dialogs.setTitle("ignored");
    dialogs.setPath("/no/such/folder");
    EXPECT_FALSE(dialogs.ShowSave());
    EXPECT_EQ(dialogs.Path(), programFolder) << "kept even though the person cancelled";
    EXPECT_EQ(backend.lastFile.title, "Save");
    EXPECT_EQ(backend.lastFile.filters, QStringList{"*.* (*)"});

    TempDir dir;
    dialogs.setPath(QString::fromStdString(dir.path().string()));
    backend.fileChoice = QString::fromStdString(dir.file("out.pdf"));
    ASSERT_TRUE(dialogs.ShowSave());
    EXPECT_EQ(backend.lastFile.folder, QString::fromStdString(dir.path().string()) + "/");
    EXPECT_FALSE(backend.lastFile.mustExist);
    EXPECT_EQ(dialogs.FileName(), QString::fromStdString(dir.file("out.pdf")));
    EXPECT_EQ(dialogs.Path(), QString::fromStdString(dir.path().string()));
    EXPECT_EQ(dialogs.FileTitle(), "out.pdf");
}

TEST_F(CommonDialogsTest, SaveAndFolderFailRatherThanCutALongPath)
{
    dialogs.setFileName("keep.pdf");
    backend.fileChoice = "/" + QString(254, 's');
    ASSERT_TRUE(dialogs.ShowSave());
    EXPECT_EQ(dialogs.FileName(), *backend.fileChoice) << "255 characters fit whole";
    dialogs.setFileName("keep.pdf");
    backend.fileChoice = "/" + QString(255, 's');
    EXPECT_FALSE(dialogs.ShowSave());
    EXPECT_EQ(dialogs.FileName(), "keep.pdf");

    dialogs.setPath("/keep");
    backend.fileChoice = "/" + QString(260, 'd');
    EXPECT_FALSE(dialogs.ShowFolder());
    EXPECT_EQ(dialogs.Path(), "/keep");
    EXPECT_EQ(dialogs.FileName(), "keep.pdf");
}

TEST_F(CommonDialogsTest, FolderClearsTheFileProperties)
{
    dialogs.setFileName("a.txt");
    dialogs.setFileTitle("a.txt");
    dialogs.setTitle("选择文件夹");
    backend.fileChoice = "/data/texts";
    ASSERT_TRUE(dialogs.ShowFolder());
    EXPECT_EQ(backend.lastTitle, "选择文件夹");
    EXPECT_EQ(dialogs.Path(), "/data/texts");
    EXPECT_EQ(dialogs.FileName(), "");
    EXPECT_EQ(dialogs.FileTitle(), "");
}

TEST_F(CommonDialogsTest, ColourTravelsAsBlueGreenRed)
{
    dialogs.setColor(0x00336699);
    backend.colorChoice = QColor(0x12, 0x34, 0x56);
    ASSERT_TRUE(dialogs.ShowColor(false));
    EXPECT_EQ(backend.lastColor, QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(dialogs.Color(), 0x00563412u);
}

TEST_F(CommonDialogsTest, FontHeightAndWholePointSize)
{
    EXPECT_EQ(CCommonDialogs::MulDiv(12, 96, 72), 16);
    EXPECT_EQ(CCommonDialogs::MulDiv(9, 96, 72), 12);
    EXPECT_EQ(CCommonDialogs::MulDiv(-3, 10, 4), -8); // -7.5 rounds away from zero
    EXPECT_EQ(CCommonDialogs::MulDiv(1, 1, 0), -1);

    dialogs.setFontName("Tahoma");
    dialogs.setFontSize(12);
    dialogs.setFontUnderLine(true);
    dialogs.setColor(0xFF);
    backend.fontChoice = DialogBackend::FontChoice{"DejaVu Sans", 0, 105, true, false, false};
    ASSERT_TRUE(dialogs.ShowFont());
    EXPECT_EQ(backend.lastFont.faceName, "Tahoma");
    EXPECT_TRUE(backend.lastFont.underline);
    EXPECT_EQ(backend.lastFont.logicalHeight,
              -CCommonDialogs::MulDiv(12, QWidget().logicalDpiY(), 72));
    EXPECT_EQ(dialogs.FontName(), "DejaVu Sans");
    EXPECT_EQ(dialogs.FontSize(), 10) << "10.5 points give 10";
    EXPECT_TRUE(dialogs.FontBold());
    EXPECT_TRUE(dialogs.FontUnderLine()) << "the dialog does not change underline";
    EXPECT_EQ(dialogs.Color(), 0xFFu);
}

TEST_F(CommonDialogsTest, FaceNameIsCutAtTheFirstWideCharacter)
{
    EXPECT_EQ(CCommonDialogs::singleByteFaceName("Arial 宋体"), "Arial ");
    EXPECT_EQ(CCommonDialogs::singleByteFaceName(QString(40, 'a')), QString(32, 'a'));
}

TEST_F(CommonDialogsTest, GettersStopAtTheFirstNul)
{
    dialogs.setTitle(QString("abc") + QChar(0) + "junk");
    dialogs.setFileName(QString("f.txt") + QChar(0));
    dialogs.setFilter(QString("a|b") + QChar(0));
    EXPECT_EQ(dialogs.Title(), "abc");
    EXPECT_EQ(dialogs.FileName(), "f.txt");
    EXPECT_EQ(dialogs.Filter().size(), 4) << "Filter reads back unchanged";
}
