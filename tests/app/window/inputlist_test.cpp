#include "app/window/filedropfilter.h"
#include "app/window/hintlabel.h"
#include "app/window/inputlist.h"
#include "app/window/listwidgetpathlist.h"
#include "app/window/singleinstance.h"
#include "dialogs/ccommondialogs.h"
#include "dialogs/dialogbackend.h"
#include "tests/support/tempdir.h"

#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

namespace {

// Notes what the hint said while the search was running.
class HintWatch : public EventPump {
public:
    void processPendingEvents() override
    {
        if (hintText)
            seen = hintText->caption() + (hint->isVisible() ? " (shown)" : " (hidden)");
    }
    QWidget *hint = nullptr;
    HintLabel *hintText = nullptr;
    QString seen;
};

class InputListTest : public ::testing::Test {
protected:
    InputListTest()
    {
        hintText->setCaption("拖拽TXT文件到这里放开");
        dialogs.Init(&window);
        events.hint = hint;
        events.hintText = hintText;
        window.show();
    }

    QStringList entries() const
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    QWidget window;
    QListWidget *list = new QListWidget(&window);
    QWidget *hint = new QWidget(&window);
    HintLabel *hintText = new HintLabel(hint);
    CCommonDialogs dialogs;
    ScriptedDialogs backend;
    HintWatch events;
    InputList inputs{list, hint, hintText, dialogs, events};
};

// Sends a real drop of the given local files onto widget.
void dropFiles(QWidget *widget, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QPoint centre = widget->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDragMoveEvent move(centre, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    ASSERT_TRUE(move.isAccepted()) << "a drop is only delivered when the move is accepted too";
    QDropEvent drop(centre, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
}

} // namespace

TEST_F(InputListTest, OpenDialogAddsOneFileWithItsFilterAndTitle)
{
    backend.fileChoice = "/texts/a.log";
    inputs.addOneFile();
    EXPECT_EQ(backend.lastFile.title, "Open Files");
    EXPECT_EQ(backend.lastFile.filters,
              (QStringList{"TEXT Files(*.txt) (*.txt)", "All Files(*.*) (*.*)"}));
    EXPECT_EQ(entries(), QStringList{"/texts/a.log"});
    EXPECT_FALSE(hint->isVisible());

    inputs.addOneFile();
    EXPECT_EQ(entries(), (QStringList{"/texts/a.log", "/texts/a.log"}))
        << "the same file may come twice";
    backend.fileChoice.reset();
    inputs.addOneFile();
    EXPECT_EQ(list->count(), 2);
}

TEST_F(InputListTest, AddFolderSearchesAndTurnsTheHintEnglish)
{
    TempDir dir;
    dir.write("a.txt", "x");
    dir.write("sub/b.txt", "x");
    backend.fileChoice = QString::fromStdString(dir.path().string());
    inputs.AddFolder();
    EXPECT_EQ(backend.lastTitle, "Please select a folder:");
    EXPECT_EQ(events.seen, "Searching Files... (shown)");
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(hintText->caption(), "Drag && Drop Files Here");
    EXPECT_EQ(hintText->text(), "Drag & Drop Files Here");
    EXPECT_FALSE(hint->isVisible());
}

TEST_F(InputListTest, AddFolderFollowsLinkedSubFolders)
{
    TempDir dir;
    dir.write("tree/a.txt", "x");
    dir.write("elsewhere/e.txt", "x");
    dir.write("elsewhere/deep/d.txt", "x");
    std::filesystem::create_directory_symlink("../elsewhere", dir.path() / "tree" / "linked");
    const QString tree = QString::fromStdString(dir.file("tree"));
    backend.fileChoice = tree;
    inputs.AddFolder();
    EXPECT_EQ(entries(),
              (QStringList{tree + "/a.txt", tree + "/linked/e.txt", tree + "/linked/deep/d.txt"}));
}

TEST_F(InputListTest, FolderSearchHandsGbkNamesToTheListAsTheyAre)
{
    TempDir dir;
    std::string gbkFile = dir.write("\xB4\xBA\xC8\xD5.txt", "x"); // 春日 in GBK
    backend.fileChoice = QString::fromStdString(dir.path().string());
    inputs.AddFolder();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(ListWidgetPathList(list).entry(0), gbkFile);
    EXPECT_EQ(list->item(0)->text().toStdString(), dir.file("春日.txt"));
}

TEST_F(InputListTest, CancelledFolderStillChangesTheHintText)
{
    inputs.AddFolder();
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(hintText->caption(), "Drag && Drop Files Here");
    EXPECT_TRUE(hint->isVisible());
}

TEST_F(InputListTest, DropsOnTheListTheHintAndItsTextAddTheSameEntries)
{
    FileDropFilter drops;
    drops.watch(list->viewport());
    drops.watch(hint);
    drops.watch(hintText);
    QObject::connect(&drops, &FileDropFilter::filesDropped, &inputs, &InputList::addDroppedFiles);
    QStringList files{"/t/一 二.txt", "/t/folder", "/t/b.doc"};
    for (QWidget *target : {static_cast<QWidget *>(hintText), hint, list->viewport()}) {
        list->clear();
        hint->show();
        dropFiles(target, files);
        EXPECT_EQ(entries(), files);
        EXPECT_FALSE(hint->isVisible());
    }
}

// A dropped folder became one entry of its own, which could only fail.
TEST_F(InputListTest, DroppedFolderIsSearched)
{
    TempDir dir;
    dir.write("tree/a.txt", "x");
    dir.write("tree/sub/b.txt", "x");
    FileDropFilter drops;
    drops.watch(list->viewport());
    QObject::connect(&drops, &FileDropFilter::filesDropped, &inputs, &InputList::addDroppedFiles);
    const QString tree = QString::fromStdString(dir.file("tree"));
    dropFiles(list->viewport(), {tree});
    EXPECT_EQ(entries(), (QStringList{tree + "/a.txt", tree + "/sub/b.txt"}));
}

TEST_F(InputListTest, RemoveCommandsAndTheHint)
{
    list->addItems({"/a.txt", "/b.txt"});
    hint->hide();
    inputs.removeSelected();
    EXPECT_EQ(list->count(), 2) << "nothing selected, nothing removed";
    list->setCurrentRow(1);
    inputs.removeSelected();
    EXPECT_EQ(entries(), QStringList{"/a.txt"});
    EXPECT_FALSE(hint->isVisible());
    list->setCurrentRow(0);
    inputs.removeSelected();
    EXPECT_TRUE(hint->isVisible()) << "removing the last entry shows the hint";

    hint->hide();
    inputs.removeAll();
    EXPECT_TRUE(hint->isVisible()) << "clearing an empty list shows it too";
}

TEST(SingleInstance, SecondCopyIsRefusedAndADeadOwnersLockTakenOver)
{
    TempDir dir;
    QString lockPath = QString::fromStdString(dir.file("tervolan.lock"));
    {
        SingleInstance first(lockPath);
        EXPECT_TRUE(first.acquired());
        SingleInstance second(lockPath);
        EXPECT_FALSE(second.acquired());
    }
    EXPECT_TRUE(SingleInstance(lockPath).acquired()) << "free again once the first copy ends";
    // A lock file left by a copy that crashed names a process that is gone.
    dir.write("tervolan.lock",
              "999999\ntervolan\n" + QSysInfo::machineHostName().toStdString() + "\n");
    EXPECT_TRUE(SingleInstance(lockPath).acquired());
}
