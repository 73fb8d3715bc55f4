#include "app/window/frmsetting.h"
#include "controls/button/kavobutton.h"
#include "controls/xpcombo/xpcombo.h"
#include "controls/xpcontainer/xpcontainer.h"
#include "dialogs/dialogbackend.h"
#include "platform/currentform.h"
#include "settings/settingsstore.h"
#include "tests/support/tempdir.h"

#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

class SettingsDialogTest : public ::testing::Test {
protected:
    // A first start: nothing loaded, then the start-up values.
    SettingsDialogTest()
    {
        settings.Language = "中文";
        LoadSettings(settings, config());
    }

    std::string config() const { return dir.file("config.ini"); }

    frmSetting &open()
    {
        dialog = std::make_unique<frmSetting>(settings, config(), &mainWindow);
        dialog->load();
        return *dialog;
    }

    QString text(const QString &box) const { return dialog->textBox(box)->text(); }

    TempDir dir;
    Settings settings;
    QWidget mainWindow;
    ScriptedDialogs browser;
    std::unique_ptr<frmSetting> dialog;
};

} // namespace

TEST_F(SettingsDialogTest, FirstStartShowsTheRecordAndOkSavesExactlyThat)
{
    frmSetting &form = open();
    EXPECT_EQ(CurrentForm::form(), &form);
    EXPECT_EQ(form.size(), QSize(353, 141)) << "the dialog takes its panel's size";
    EXPECT_EQ(form.XPC()->Caption(), "设置选项");
    EXPECT_EQ(text("txtPath"), "");
    EXPECT_EQ(form.combo("cmbPS")->Text(), "");
    EXPECT_EQ(form.combo("cmbFontSize")->Text(), "0");
    EXPECT_EQ(form.combo("cmbFont")->Text(), "宋体");
    EXPECT_TRUE(form.combo("cmbFont")->Locked());
    EXPECT_EQ(form.combo("cmbCN")->Text(), "中文");
    EXPECT_EQ(text("txtCPL"), "30") << "the stored value wins over the suggestion";
    EXPECT_FALSE(form.XPCHelp()->isVisible());

    form.KAVOButton1_Click();
    EXPECT_EQ(readBytes(config()),
              "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\xCB\xCE\xCC\xE5\"\r\n0\r\n30\r\n");
    EXPECT_EQ(CurrentForm::form(), &mainWindow);
}

TEST_F(SettingsDialogTest, KeyboardStartsOnThePathAndTabSkipsWhatThePanelCovers)
{
    frmSetting &form = open();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.textBox("txtPath"));
    const QList<QWidget *> expected{form.button("Command1"),
                                    form.combo("cmbCN")->focusProxy(),
                                    form.combo("cmbFont")->focusProxy(),
                                    form.button("KAVOButton1"),
                                    form.button("KAVOButton2"),
                                    form.textBox("txtPath")};
    QList<QWidget *> visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(SettingsDialogTest, LanguageDecidesCharactersPerLineOnOk)
{
    settings.PageSize = "A3";
    frmSetting &form = open();
    form.combo("cmbCN")->setText("英文");
    form.textBox("txtCPL")->setText("125");
    form.KAVOButton1_Click();
    EXPECT_EQ(settings.CharsPerLine, 60);
    EXPECT_EQ(settings.Language, "英文");

    open().combo("cmbCN")->setText("");
    dialog->KAVOButton1_Click();
    EXPECT_EQ(settings.CharsPerLine, 60) << "anything but exactly 中文 counts as not Chinese";
    EXPECT_EQ(settings.Language, "");

    open().combo("cmbCN")->setText("中文");
    dialog->KAVOButton1_Click();
    EXPECT_EQ(settings.CharsPerLine, 30);
    EXPECT_TRUE(readBytes(config()).ends_with("\r\n30\r\n"));
}

TEST_F(SettingsDialogTest, SuggestionFollowsPageSizeAndFontSize)
{
    frmSetting &form = open();
    XPCombo *pageSize = form.combo("cmbPS");
    XPCombo *fontSize = form.combo("cmbFontSize");
    pageSize->setListIndex(0);
    fontSize->setText("12");
    form.suggestCharsPerLine();
    EXPECT_EQ(text("txtCPL"), "125");
    for (auto [size, expected] :
         {std::pair{"8", "187"}, {"9", "166"}, {"14", "107"}, {"72", "20"}}) {
        fontSize->setText(size);
        form.suggestCharsPerLine();
        EXPECT_EQ(text("txtCPL"), expected) << size;
    }
    fontSize->setText("abc");
    form.suggestCharsPerLine();
    EXPECT_EQ(text("txtCPL"), "20") << "no size, no change";
    pageSize->setListIndex(1);
    form.suggestCharsPerLine();
    EXPECT_EQ(text("txtCPL"), "110");
    pageSize->setListIndex(2);
    fontSize->setText("9");
    form.suggestCharsPerLine();
    EXPECT_EQ(text("txtCPL"), "70");
    EXPECT_DOUBLE_EQ(frmSetting::leadingNumber("10.5pt"), 10.5);
    EXPECT_DOUBLE_EQ(frmSetting::leadingNumber("pt10"), 0);
}

TEST_F(SettingsDialogTest, FontSizeRoundsHalfToEvenOrKeepsThePreviousValue)
{
    settings.FontSize = 11;
    for (auto [typed, expected] :
         {std::pair{"12.5", 12}, {"13.5", 14}, {"abc", 14}, {"70000", 14}, {"9", 9}}) {
        open().combo("cmbFontSize")->setText(typed);
        dialog->KAVOButton1_Click();
        EXPECT_EQ(settings.FontSize, expected) << typed;
    }
}

TEST_F(SettingsDialogTest, BrowseTakesTheFolderOrFallsBackWhenCancelled)
{
    settings.OutputFolder = "/data/pdf";
    frmSetting &form = open();
    EXPECT_EQ(text("txtPath"), "/data/pdf");
    browser.fileChoice = "/chosen/folder";
    form.Command1_Click();
    EXPECT_EQ(browser.lastTitle, "Please select a folder:");
    EXPECT_EQ(text("txtPath"), "/chosen/folder");
    browser.fileChoice.reset();
    form.Command1_Click();
    EXPECT_EQ(text("txtPath"), QDir::homePath() + "/output");
}

TEST_F(SettingsDialogTest, ReturnLeavesRecordAndFileUntouched)
{
    dir.write("config.ini", "old");
    Settings before = settings;
    frmSetting &form = open();
    form.textBox("txtAuthor")->setText("someone");
    form.combo("cmbCN")->setText("英文");
    form.KAVOButton2_Click();
    EXPECT_EQ(settings.Author, before.Author);
    EXPECT_EQ(settings.CharsPerLine, before.CharsPerLine);
    EXPECT_EQ(readBytes(config()), "old");
    EXPECT_EQ(CurrentForm::form(), &mainWindow);
}

TEST_F(SettingsDialogTest, UntouchedOkRewritesTheSameValues)
{
    Settings stored;
    stored.OutputFolder = "/out";
    stored.Keywords = "k";
    stored.Author = "a, b";
    stored.PageSize = "A5";
    stored.FontName = "宋体";
    stored.FontSize = 14;
    stored.CharsPerLine = 30;
    SaveSettings(stored, config());
    std::string before = readBytes(config());
    settings = Settings{};
    settings.Language = "中文";
    LoadSettings(settings, config());
    open().KAVOButton1_Click();
    EXPECT_EQ(readBytes(config()), before);
}

TEST_F(SettingsDialogTest, HelpPanelFollowsThePointerAndTheStripsHideIt)
{
    frmSetting &form = open();
    form.show();
    form.Label8_MouseMove(300, 150);
    EXPECT_TRUE(form.XPCHelp()->isVisible());
    EXPECT_EQ(form.XPCHelp()->pos(), QPoint(20, 10));
    EXPECT_EQ(form.XPCHelp()->Theme(), 6);
    EXPECT_EQ(form.XPCHelp()->Style(), 1);
    form.Image_MouseMove();
    EXPECT_FALSE(form.XPCHelp()->isVisible());
}

TEST_F(SettingsDialogTest, CombosShowTheLabelsFont)
{
    frmSetting &form = open();
    const QFont labels = form.label("Label4")->font();
    for (const char *name : {"cmbPS", "cmbFontSize", "cmbCN", "cmbFont"}) {
        XPCombo *combo = form.combo(name);
        const QFont field = combo->findChild<QLineEdit *>("JTexto")->font();
        const QFont list = combo->findChild<QComboBox *>("JCombo")->view()->font();
        for (const QFont &shown : {field, list}) {
            EXPECT_EQ(shown.family(), labels.family()) << name;
            EXPECT_EQ(shown.pointSizeF(), labels.pointSizeF()) << name;
        }
    }
}
