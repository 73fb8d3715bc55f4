#include "app/window/demoform.h"
#include "app/window/frmmenu.h"
#include "app/window/hintlabel.h"
#include "app/window/linklabel.h"
#include "app/window/windowconversionhost.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/kavobutton.h"
#include "controls/xpcontainer/xpcontainer.h"
#include "controls/xpprogressbar/xp_progressbar.h"
#include "platform/currentform.h"
#include "platform/formdescription.h"
#include "platform/propertybag.h"
#include "platform/recordingmessageboxservice.h"
#include "platform/shellservice.h"
#include "settings/settingsstore.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>

namespace {

class RecordingShell : public ShellService {
public:
    RecordingShell() { setInstance(this); }
    ~RecordingShell() override { setInstance(nullptr); }
    bool open(const QString &urlOrPath) override
    {
        opened << urlOrPath;
        return true;
    }
    bool showFiles(const QString &folder, const QByteArrayList &files) override
    {
        opened << folder;
        for (const QByteArray &file : files)
            shown << QString::fromUtf8(file);
        if (onShow)
            onShow();
        return true;
    }
    std::function<void()> onShow;
    QStringList opened;
    QStringList shown;
};

class DemoFormTest : public ::testing::Test {
protected:
    DemoFormTest()
    {
        programSettings() = Settings{};
        form.setProgramEnder([this](int status) { endings << status; });
        Settings stored;
        stored.OutputFolder = dir.file("out");
        stored.PageSize = "A5";
        stored.FontName = "黑体";
        stored.FontSize = 10;
        stored.CharsPerLine = 60;
        SaveSettings(stored, dir.file("config.ini"));
        form.load(QString::fromStdString(dir.file("config.ini")));
        form.show();
    }

    // Convert as the person presses it, then the window's event loop until
    // the run has ended.
    void convert()
    {
        QTest::mouseClick(form.Command1(), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isConverting(); }, 20000));
    }

    QRect pixels(int left, int top, int width, int height) const
    {
        return QRect(left / 15, top / 15, width / 15, height / 15);
    }

    TempDir dir;
    RecordingShell shell;
    RecordingMessageBoxService messages;
    DemoForm form;
    QList<int> endings;
};

} // namespace

TEST_F(DemoFormTest, StartUpLeavesTheWindowReady)
{
    EXPECT_EQ(CurrentForm::form(), &form);
    EXPECT_GT(form.PdfBox(), 0);
    const Settings &settings = programSettings();
    EXPECT_EQ(settings.Language, "中文");
    EXPECT_EQ(settings.OutputFolder, dir.file("out"));
    EXPECT_EQ(settings.PageSize, "A5");
    EXPECT_EQ(settings.FontName, "宋体") << "start-up forces the font";
    EXPECT_EQ(settings.CharsPerLine, 30) << "and the characters per line";
    EXPECT_EQ(form.size(), QSize(419, 297)) << "the window takes the panel's size";
    EXPECT_EQ(form.XPC()->size(), form.size());
    EXPECT_EQ(form.windowTitle(), "Tervolan");
    EXPECT_EQ(form.XPC()->Caption(), "Tervolan");
    EXPECT_EQ(form.Label3()->text(), DemoForm::HomePage);
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form.picText()->isVisible());
    EXPECT_EQ(form.lblText()->text(), "拖拽TXT文件到这里放开");
}

TEST_F(DemoFormTest, KeyboardStartsOnTheFirstToolAndTabFollowsTheLayout)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.KAVOButton2());
    const QList<QWidget *> expected{form.KAVOButton3(), form.KAVOButton4(), form.KAVOButton7(),
                                    form.KAVOButton5(), form.KAVOButton6(), form.List1(),
                                    form.Command1(),    form.KAVOButton8(), form.KAVOButton1()};
    QList<QWidget *> visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    EXPECT_EQ(visited, expected);

    QTest::keyClick(form.KAVOButton4(), Qt::Key_Space);
    QMenu *menu = form.menus()->menuRemove();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
    EXPECT_EQ(menu->pos(), form.KAVOButton4()->mapToGlobal(QPoint(0, form.KAVOButton4()->height())))
        << "from the keyboard the menu opens under its button";
    menu->hide();
}

TEST_F(DemoFormTest, TheListFramesItsCurrentEntryWhileItHasTheFocus)
{
    QListWidget *list = form.List1();
    list->addItems({"a.txt", "b.txt"});
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    list->setFocus();
    list->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    const QRect entry = list->visualItemRect(list->item(1));
    const QImage image = list->viewport()->grab().toImage();
    int dark = 0;
    for (int x = entry.left(); x <= entry.right(); ++x)
        dark += qGray(image.pixel(x, entry.top())) < 128;
    EXPECT_GT(dark, entry.width() / 4) << "a dotted frame along the entry's top";
}

// The job removes the top entry once per file; entries of their own
// heights would all be measured again after each removal.
TEST_F(DemoFormTest, ListEntriesShareOneHeightThatFitsChinese)
{
    EXPECT_TRUE(form.List1()->uniformItemSizes());
    form.List1()->addItem("/home/li/notes/a.txt");
    form.List1()->addItem("/home/li/笔记/春日.txt");
    QAbstractItemDelegate *delegate = form.List1()->itemDelegate();
    QStyleOptionViewItem option;
    option.initFrom(form.List1()->viewport());
    const QModelIndex chinese = form.List1()->model()->index(1, 0);
    EXPECT_GE(form.List1()->visualRect(chinese).height(),
              delegate->sizeHint(option, chinese).height());
}

TEST_F(DemoFormTest, ControlsStandWhereTheLayoutPutsThem)
{
    EXPECT_EQ(form.KAVOButton1()->geometry(), pixels(5940, 45, 255, 255));
    EXPECT_EQ(form.KAVOButton7()->geometry(), pixels(3150, 420, 1005, 885));
    EXPECT_EQ(form.List1()->geometry(), pixels(90, 1350, 6105, 2130));
    EXPECT_EQ(form.picText()->geometry(), pixels(1770, 2220, 2235, 285));
    EXPECT_EQ(form.Command1()->geometry(), pixels(90, 3510, 2685, 645));
    EXPECT_EQ(form.Pro()->geometry(), pixels(2850, 3510, 3345, 645));
    EXPECT_EQ(form.Pro()->ProgressLook(), 6);
    EXPECT_EQ(form.Pro()->Value(), 20);
    EXPECT_EQ(form.KAVOButton2()->Caption(), "添加文件    ");
    EXPECT_EQ(form.Command1()->Caption(), "   立刻开始转换      ");
    for (KAVOButton *button :
         {form.KAVOButton1(), form.KAVOButton2(), form.Command1(), form.KAVOButton8()}) {
        const std::string name = button->objectName().toStdString();
        EXPECT_EQ(button->ButtonType(), 3) << name;
        EXPECT_EQ(button->BackColor(), 0xD8E9ECu) << name;
        EXPECT_EQ(button->MaskColor(), 0xC0C0C0u) << name;
    }
    EXPECT_EQ(form.KAVOButton2()->PicturePosition(), 2);
    EXPECT_FALSE(form.KAVOButton2()->PictureNormal().isNull());
    EXPECT_EQ(form.Command1()->PicturePosition(), 0);
}

TEST_F(DemoFormTest, WebButtonsOpenTheSamePageAndTheLabelTheHomePage)
{
    QTest::mouseClick(form.KAVOButton5(), Qt::LeftButton);
    QTest::mouseClick(form.KAVOButton8(), Qt::LeftButton);
    QTest::mouseClick(form.Label3(), Qt::LeftButton);
    EXPECT_EQ(shell.opened,
              (QStringList{DemoForm::HelpPage, DemoForm::HelpPage, DemoForm::HomePage}));
}

TEST_F(DemoFormTest, ExitButtonsAndClosingEndTheProgram)
{
    QTest::mouseClick(form.KAVOButton1(), Qt::LeftButton);
    QTest::mouseClick(form.KAVOButton6(), Qt::LeftButton);
    form.close();
    EXPECT_EQ(endings, (QList<int>{0, 0, 0}));
}

TEST_F(DemoFormTest, SettingsIgnoresEscapeAndAWindowManagerCloseHandsTheDragBack)
{
    bool openAfterEscape = false;
    QWidget *currentAfterClose = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(dialog, Qt::Key_Escape);
        openAfterEscape = dialog->isVisible();
        dialog->close();
        currentAfterClose = CurrentForm::form();
        // Never leave the test waiting on a dialog that stayed open.
        if (auto *stillOpen = qobject_cast<QDialog *>(dialog); stillOpen && stillOpen->isVisible())
            stillOpen->done(0);
    });
    QTest::mouseClick(form.KAVOButton7(), Qt::LeftButton);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(currentAfterClose, &form);

    const QPoint start = form.pos();
    const QPoint grab = form.XPC()->mapToGlobal(QPoint(50, 10));
    QTest::mousePress(form.XPC(), Qt::LeftButton, {}, QPoint(50, 10));
    QTest::mouseMove(form.XPC(), form.XPC()->mapFromGlobal(grab + QPoint(30, 20)));
    QTest::mouseRelease(form.XPC(), Qt::LeftButton, {}, QPoint(80, 30));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.pos() == start + QPoint(30, 20); }, 2000));
}

TEST_F(DemoFormTest, ConvertTurnsTheListIntoPdfsAndNamesWhatItSkipped)
{
    form.List1()->addItem(QString::fromStdString(dir.write("in/一.txt", "第一个文件")));
    form.List1()->addItem(QString::fromStdString(dir.file("in/missing.txt")));
    form.List1()->addItem(QString::fromStdString(dir.write("in/two.txt", std::string(70, 'x'))));
    form.picText()->hide();
    convert();
    EXPECT_EQ(form.List1()->count(), 0);
    EXPECT_EQ(PdfReadback::lines(dir.file("out/一.pdf")), std::vector<std::string>{"第一个文件"});
    EXPECT_EQ(PdfReadback::lines(dir.file("out/two.pdf")).size(), 3u) << "30 characters per line";
    EXPECT_EQ(form.Pro()->Value(), 100);
    EXPECT_EQ(shell.opened, QStringList{QString::fromStdString(dir.file("out"))});
    EXPECT_EQ(shell.shown,
              (QStringList{QString::fromStdString(dir.file("out/一.pdf")),
                           QString::fromStdString(dir.file("out/two.pdf"))}))
        << "the new PDFs, not the skipped input";
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_TRUE(messages.messages()[0].text.contains("missing.txt: 无法打开: 没有那个文件或目录"));
    EXPECT_FALSE(form.picText()->isVisible()) << "the job leaves the hint hidden";
}

// The file manager opened at the end covered the box naming what was
// skipped, and an empty output folder opened when nothing converted.
TEST_F(DemoFormTest, TheFolderOpensAfterTheBoxAndOnlyWhenAPdfWasWritten)
{
    form.List1()->addItem(QString::fromStdString(dir.file("in/missing.txt")));
    convert();
    EXPECT_TRUE(shell.opened.isEmpty()) << "nothing was written";

    qsizetype boxesWhenShown = -1;
    shell.onShow = [&] { boxesWhenShown = messages.messages().size(); };
    form.List1()->addItem(QString::fromStdString(dir.write("in/a.txt", "a")));
    form.List1()->addItem(QString::fromStdString(dir.file("in/missing.txt")));
    convert();
    EXPECT_EQ(shell.opened, QStringList{QString::fromStdString(dir.file("out"))});
    EXPECT_EQ(boxesWhenShown, 2) << "the second run's box came first";
}

// A box naming tens of thousands of skipped files froze the window.
TEST_F(DemoFormTest, TheBoxNamesTheFirstSkippedFilesAndCountsTheRest)
{
    for (int i = 0; i < 33; ++i)
        form.List1()->addItem(QString::fromStdString(dir.file("in/gone" + std::to_string(i))));
    convert();
    ASSERT_EQ(messages.messages().size(), 1);
    const QString text = messages.messages()[0].text;
    EXPECT_TRUE(text.contains("gone29: ")) << text.toStdString();
    EXPECT_FALSE(text.contains("gone30: ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("\n……另有 3 个文件")) << text.toStdString();

    for (int i = 0; i < 30; ++i)
        form.List1()->addItem(QString::fromStdString(dir.file("in/lost" + std::to_string(i))));
    convert();
    ASSERT_EQ(messages.messages().size(), 2);
    EXPECT_FALSE(messages.messages()[1].text.contains("另有")) << "thirty are all named";
}

TEST_F(DemoFormTest, ConvertedBookCarriesTheOutlineOfItsChapters)
{
    form.List1()->addItem(
        QString::fromStdString(dir.write("in/book.txt", "第一章 起\n甲\n第二章 承\n乙\n")));
    convert();
    EXPECT_EQ(PdfReadback::outline(dir.file("out/book.pdf")),
              (std::vector<PdfReadback::OutlineEntry>{{0, 1, "第一章 起"}, {0, 1, "第二章 承"}}));
}

TEST_F(DemoFormTest, MissingGlyphsAreNamedUnderTheirOwnHeading)
{
    form.List1()->addItem(QString::fromStdString(dir.write("in/boxed.txt", "甲\U0010FFFD")));
    convert();
    ASSERT_EQ(messages.messages().size(), 1);
    const QString text = messages.messages()[0].text;
    EXPECT_TRUE(text.startsWith("以下文件中有字体缺少的字符：\n\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("boxed.txt: 1 个字符在已安装的字体中都没有字形"))
        << text.toStdString();
    EXPECT_FALSE(text.contains("超出页面")) << "no text ran off the page";
}

// A UTF-8 file cut in the middle of its last character came out in
// GB18030 mojibake without a word.
TEST_F(DemoFormTest, InvalidBytesAreNamedUnderTheirOwnHeading)
{
    form.List1()->addItem(QString::fromStdString(dir.write("in/cut.txt", "第一个文件\xE4\xB8")));
    convert();
    EXPECT_EQ(PdfReadback::lines(dir.file("out/cut.pdf")),
              std::vector<std::string>{"第一个文件\uFFFD\uFFFD"});
    ASSERT_EQ(messages.messages().size(), 1);
    const QString text = messages.messages()[0].text;
    EXPECT_TRUE(text.startsWith("以下文件中有无效的字节：\n\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("cut.txt: 有 2 个无效的 UTF-8 字节")) << text.toStdString();
}

TEST_F(DemoFormTest, DroppedGbkNameIsListedReadablyAndItsPdfKeepsTheBytes)
{
    const std::string gbkName = "\xB4\xBA\xC8\xD5"; // 春日 in GBK, as Windows archives keep it
    std::string input = dir.write("in/" + gbkName + ".txt", "春天");
    QMimeData data;
    data.setData("text/uri-list",
                 "file://" + QByteArray::fromStdString(input).toPercentEncoding("/") + "\r\n");
    QWidget *target = form.List1()->viewport();
    QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    ASSERT_EQ(form.List1()->count(), 1);
    EXPECT_EQ(form.List1()->item(0)->text().toStdString(), dir.file("in/春日.txt"));

    convert();
    EXPECT_EQ(form.List1()->count(), 0);
    EXPECT_TRUE(messages.messages().isEmpty()) << "the input was not skipped";
    EXPECT_EQ(PdfReadback::lines(dir.file("out/" + gbkName + ".pdf")),
              std::vector<std::string>{"春天"});
}

TEST_F(DemoFormTest, EmptyListConvertDoesNothing)
{
    convert();
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(form.Pro()->Value(), 20);
    EXPECT_TRUE(messages.messages().isEmpty());
}

// Closing the window mid-document ends the program between two steps of
// the job, and the document under way is dropped: no PDF, no hidden
// temporary file, and no step after the end.
TEST_F(DemoFormTest, ClosingDuringAConversionDropsTheDocumentUnderWay)
{
    // Big enough that no 15 ms slice of steps can carry the bar past the
    // whole window the test waits for, however fast the machine.
    std::string text;
    for (int line = 0; line < 200000; ++line)
        text += std::string(100, 'x') + "\n";
    form.List1()->addItem(QString::fromStdString(dir.write("in/big.txt", text)));
    QTest::mouseClick(form.Command1(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return form.Pro()->Value() >= 30 && form.Pro()->Value() < 100; }, 20000));
    form.close();
    QTest::qWait(100);
    EXPECT_EQ(endings, QList<int>{0});
    EXPECT_FALSE(form.isConverting());
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("out")));
}

// Escape stops a run between two steps: the document under way is dropped
// and its entry stays with the rest, nothing says the run finished, and the
// next Convert carries on with what is left.
TEST_F(DemoFormTest, EscapeStopsARunAndConvertCarriesOnWithTheRest)
{
    std::string text;
    for (int line = 0; line < 30000; ++line)
        text += std::string(100, 'x') + "\n";
    form.List1()->addItem(QString::fromStdString(dir.write("in/big.txt", text)));
    form.List1()->addItem(QString::fromStdString(dir.write("in/small.txt", "small")));
    const QString convertCaption = form.Command1()->Caption();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::mouseClick(form.Command1(), Qt::LeftButton);
    EXPECT_EQ(form.Command1()->Caption(), DemoForm::StopCaption);
    EXPECT_EQ(ButtonLayout::ansiCaption(form.Command1()->Caption()).trimmed(), "停止转换")
        << "the button shows the whole caption";
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return form.Pro()->Value() >= 30 && form.Pro()->Value() < 100; }, 20000));
    QTest::keyClick(&form, Qt::Key_Escape);
    const int barAtStop = form.Pro()->Value();
    QTest::qWait(50);
    EXPECT_FALSE(form.isConverting());
    EXPECT_EQ(form.List1()->count(), 2);
    EXPECT_EQ(form.Pro()->Value(), barAtStop);
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("out")));
    EXPECT_EQ(form.Command1()->Caption(), convertCaption);

    convert();
    EXPECT_EQ(form.List1()->count(), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("out/big.pdf")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("out/small.pdf")));
}

// A run that took an entry off the list in every slice of steps left the
// list blank to its end (2,000 files); the title counts the batch.
TEST_F(DemoFormTest, ARunKeepsTheFilesStillToConvertInSightAndCountsThemInTheTitle)
{
    // Missing inputs leave the list fastest, many in every slice.
    QStringList missing;
    for (int i = 0; i < 20000; ++i)
        missing << QString::fromStdString(dir.file("in/missing" + std::to_string(i) + ".txt"));
    form.List1()->addItems(missing);
    form.picText()->hide();
    // The window's own loop: QTest::qWaitFor pauses between its rounds,
    // and the pauses let the view catch up as the window never does.
    QEventLoop loop;
    QObject::connect(form.List1()->model(), &QAbstractItemModel::rowsRemoved, &loop, [&] {
        if (form.List1()->count() < 19000)
            loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    QTest::mouseClick(form.Command1(), Qt::LeftButton);
    loop.exec();
    ASSERT_TRUE(form.isConverting());
    const QImage image = form.List1()->viewport()->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    fprintf(stderr, "DBG count %d dark %d\n", form.List1()->count(), dark);
    EXPECT_GT(dark, 100) << "entries drawn mid-run";
    EXPECT_TRUE(QRegularExpression("^Tervolan — \\d+/20000$").match(form.windowTitle()).hasMatch())
        << form.windowTitle().toStdString();
    EXPECT_EQ(form.XPC()->Caption(), "Tervolan") << "the header keeps its caption";
    form.stopConversion();
    EXPECT_EQ(form.windowTitle(), "Tervolan");
}

// The writer's message is shown once the job has returned, and the program
// ends through the window's ender with status 1; nothing more is reported.
TEST_F(DemoFormTest, WriterFailureEndsTheProgramThroughTheWindowsEnder)
{
    std::filesystem::create_directories(dir.file("out/a.pdf"));
    form.List1()->addItem(QString::fromStdString(dir.write("in/a.txt", "a")));
    form.List1()->addItem(QString::fromStdString(dir.write("in/b.txt", "b")));
    convert();
    EXPECT_EQ(endings, QList<int>{1});
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(messages.messages()[0].caption, "PDF");
    EXPECT_EQ(form.List1()->count(), 2);
}

TEST(DemoFormStartUp, FormDescriptionWithoutAControlStopsTheStartUp)
{
    QFile file(":/forms/demoform.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    QJsonArray controls;
    for (const QJsonValue &control : json.value("controls").toArray()) {
        if (control.toObject().value("name") != "Command1")
            controls.append(control);
    }
    json.insert("controls", controls);
    std::optional<FormDescription> lacking = FormDescription::parse(QJsonDocument(json).toJson());
    ASSERT_TRUE(lacking);
    try {
        DemoForm window(*lacking);
        FAIL() << "a window without its Convert button started";
    } catch (const std::runtime_error &error) {
        EXPECT_NE(std::string(error.what()).find("Command1"), std::string::npos) << error.what();
    }
}

namespace {

RecordingMessageBoxService *recordedBoxes = nullptr;

void printRecordedBoxes()
{
    for (const RecordingMessageBoxService::Message &message : recordedBoxes->messages())
        std::fprintf(stderr, "box %s: %s, icon %d\n", qPrintable(message.caption),
                     qPrintable(message.text), int(message.icon));
}

} // namespace

TEST(WindowConversionHost, ShowsTheWritersMessageUnderPdfThenEnds)
{
    EXPECT_EXIT(
        {
            static RecordingMessageBoxService messages;
            recordedBoxes = &messages;
            std::atexit(printRecordedBoxes);
            WindowConversionHost host([](int) {}, [](int status) { std::exit(status); });
            host.pdfFailed("/in/a.txt", "cannot write");
            host.endOnWriterFailure();
        },
        ::testing::ExitedWithCode(1), "box PDF: cannot write, icon 3");
}

namespace {

// The main window's bar as the form loads it: look 6, its stored value 20
// not yet drawn.
void placeAsLoaded(Xp_ProgressBar &bar)
{
    PropertyBag stored;
    stored.write("Value", 20, 0);
    stored.write("ProgressLook", 6, 0);
    bar.readProperties(stored);
    bar.setAttribute(Qt::WA_DontShowOnScreen);
    bar.resize(223, 43);
    bar.show();
}

} // namespace

// Each value the bar takes paints, notifies its property and tells screen
// readers; the job reports thousands of repeats a file.
TEST(WindowConversionHost, TellsTheBarEachChangeOnceAndItDrawsAsWithEveryValue)
{
    Xp_ProgressBar shown;
    Xp_ProgressBar everyValue;
    placeAsLoaded(shown);
    placeAsLoaded(everyValue);
    QList<int> told;
    WindowConversionHost host(
        [&](int value) {
            told << value;
            shown.setValue(value);
        },
        [](int) {});
    // A first file, then a second run that starts again from the left.
    for (int value : {20, 20, 21, 21, 21, 60, 100, 100, 3, 3, 100}) {
        host.setValue(value);
        everyValue.setValue(value);
    }
    EXPECT_EQ(told, (QList<int>{20, 21, 60, 100, 3, 100}));
    EXPECT_EQ(shown.surface().image(), everyValue.surface().image());
}
