#include "app/window/frmsetting.h"
#include "controls/button/kavobutton.h"
#include "controls/xpcombo/xpcombo.h"
#include "controls/xpcontainer/xpcontainer.h"
#include "dialogs/dialogbackend.h"
#include "platform/currentform.h"
#include "platform/formdescription.h"
#include "platform/recordingmessageboxservice.h"
#include "settings/settingsstore.h"
#include "tests/support/tempdir.h"

#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    EXPECT_EQ(dialog->txtPath()->text(), "");
    EXPECT_EQ(form.cmbPS()->Text(), "");
    EXPECT_EQ(form.cmbFontSize()->Text(), "0");
    EXPECT_EQ(form.cmbFont()->Text(), "宋体");
    EXPECT_TRUE(form.cmbFont()->Locked());
    EXPECT_EQ(form.cmbCN()->Text(), "中文");
    EXPECT_EQ(dialog->txtCPL()->text(), "30") << "the stored value wins over the suggestion";
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
    EXPECT_EQ(QApplication::focusWidget(), form.txtPath());
    const QList<QWidget *> expected{
        form.Command1(),    form.cmbCN()->focusProxy(), form.cmbFont()->focusProxy(),
        form.KAVOButton1(), form.KAVOButton2(),         form.txtPath()};
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
    form.cmbCN()->setText("英文");
    form.txtCPL()->setText("125");
    form.KAVOButton1_Click();
    EXPECT_EQ(settings.CharsPerLine, 60);
    EXPECT_EQ(settings.Language, "英文");

    open().cmbCN()->setText("");
    dialog->KAVOButton1_Click();
    EXPECT_EQ(settings.CharsPerLine, 60) << "anything but exactly 中文 counts as not Chinese";
    EXPECT_EQ(settings.Language, "");

    open().cmbCN()->setText("中文");
    dialog->KAVOButton1_Click();
    EXPECT_EQ(settings.CharsPerLine, 30);
    EXPECT_TRUE(readBytes(config()).ends_with("\r\n30\r\n"));
}

TEST_F(SettingsDialogTest, SuggestionFollowsPageSizeAndFontSize)
{
    frmSetting &form = open();
    XPCombo *pageSize = form.cmbPS();
    XPCombo *fontSize = form.cmbFontSize();
    pageSize->setListIndex(0);
    fontSize->setText("12");
    form.suggestCharsPerLine();
    EXPECT_EQ(dialog->txtCPL()->text(), "125");
    for (auto [size, expected] :
         {std::pair{"8", "187"}, {"9", "166"}, {"14", "107"}, {"72", "20"}}) {
        fontSize->setText(size);
        form.suggestCharsPerLine();
        EXPECT_EQ(dialog->txtCPL()->text(), expected) << size;
    }
    fontSize->setText("abc");
    form.suggestCharsPerLine();
    EXPECT_EQ(dialog->txtCPL()->text(), "20") << "no size, no change";
    pageSize->setListIndex(1);
    form.suggestCharsPerLine();
    EXPECT_EQ(dialog->txtCPL()->text(), "110");
    pageSize->setListIndex(2);
    fontSize->setText("9");
    form.suggestCharsPerLine();
    EXPECT_EQ(dialog->txtCPL()->text(), "70");
    EXPECT_DOUBLE_EQ(frmSetting::leadingNumber("10.5pt"), 10.5);
    EXPECT_DOUBLE_EQ(frmSetting::leadingNumber("pt10"), 0);
}

TEST_F(SettingsDialogTest, FontSizeRoundsHalfToEvenOrKeepsThePreviousValue)
{
    settings.FontSize = 11;
    for (auto [typed, expected] :
         {std::pair{"12.5", 12}, {"13.5", 14}, {"abc", 14}, {"70000", 14}, {"9", 9}}) {
        open().cmbFontSize()->setText(typed);
        dialog->KAVOButton1_Click();
        EXPECT_EQ(settings.FontSize, expected) << typed;
    }
}

TEST_F(SettingsDialogTest, BrowseTakesTheFolderOrFallsBackWhenCancelled)
{
    settings.OutputFolder = "/data/pdf";
    frmSetting &form = open();
    EXPECT_EQ(dialog->txtPath()->text(), "/data/pdf");
    browser.fileChoice = "/chosen/folder";
    form.Command1_Click();
    EXPECT_EQ(browser.lastTitle, "Please select a folder:");
    EXPECT_EQ(dialog->txtPath()->text(), "/chosen/folder");
    browser.fileChoice.reset();
    form.Command1_Click();
    EXPECT_EQ(dialog->txtPath()->text(), QDir::homePath() + "/output");
}

TEST_F(SettingsDialogTest, ReturnLeavesRecordAndFileUntouched)
{
    dir.write("config.ini", "old");
    Settings before = settings;
    frmSetting &form = open();
    form.txtAuthor()->setText("someone");
    form.cmbCN()->setText("英文");
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
    const QFont labels = form.Label4()->font();
    for (XPCombo *combo : {form.cmbPS(), form.cmbFontSize(), form.cmbCN(), form.cmbFont()}) {
        const std::string name = combo->objectName().toStdString();
        const QFont field = combo->findChild<QLineEdit *>("JTexto")->font();
        const QFont list = combo->findChild<QComboBox *>("JCombo")->view()->font();
        for (const QFont &shown : {field, list}) {
            EXPECT_EQ(shown.family(), labels.family()) << name;
            EXPECT_EQ(shown.pointSizeF(), labels.pointSizeF()) << name;
        }
    }
}

// A control missing from the form description was a null pointer that
// crashed the first time a handler reached it; txtCPL lies outside the
// window, where nobody would see it missing.
TEST_F(SettingsDialogTest, FormDescriptionWithoutAControlStopsTheDialog)
{
    QFile file(":/forms/frmsetting.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    QJsonArray controls;
    for (const QJsonValue &control : json.value("controls").toArray()) {
        if (control.toObject().value("name") != "txtCPL")
            controls.append(control);
    }
    json.insert("controls", controls);
    std::optional<FormDescription> lacking = FormDescription::parse(QJsonDocument(json).toJson());
    ASSERT_TRUE(lacking);
    try {
        frmSetting form(*lacking, settings, config(), &mainWindow);
        FAIL() << "a dialog without its characters-per-line box was made";
    } catch (const std::runtime_error &error) {
        EXPECT_NE(std::string(error.what()).find("txtCPL"), std::string::npos) << error.what();
    }
}

// OK dropped a failed save unseen: the person left the dialog believing the
// settings kept. A config.ini that is a link loop cannot be written.
TEST_F(SettingsDialogTest, FailedSaveIsShown)
{
    RecordingMessageBoxService messages;
    std::filesystem::create_symlink("config.ini", config());
    open().KAVOButton1_Click();
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_TRUE(messages.messages()[0].text.contains(QString::fromStdString(config())))
        << messages.messages()[0].text.toStdString();
    EXPECT_EQ(messages.messages()[0].icon, MessageBoxService::Icon::Warning);
}
