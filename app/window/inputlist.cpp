#include "app/window/inputlist.h"

#include "app/filesearch.h"
#include "app/window/listwidgetpathlist.h"
#include "dialogs/ccommondialogs.h"
#include "dialogs/dialogbackend.h"

#include "app/window/hintlabel.h"

#include <QFile>
#include <QListWidget>

#include <filesystem>
#include <system_error>

namespace {

// The window's search keeps to the first 200 sub-folders of each folder,
// as it always has; linked sub-folders are searched and counted like the
// others, each real folder once, so links back up the tree end.
constexpr int SubFoldersSearchedPerFolder = 200;

} // namespace

InputList::InputList(QListWidget *list, QWidget *hint, HintLabel *hintText, CCommonDialogs &dialogs,
                     EventPump &events, QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_hint(hint)
    , m_hintText(hintText)
    , m_dialogs(dialogs)
    , m_events(events)
{
}

void InputList::showHintIfEmpty()
{
    m_hint->setVisible(m_list->count() == 0);
}

void InputList::addOneFile()
{
    m_dialogs.setFileName("");
    m_dialogs.setFilter("TEXT Files(*.txt)|*.txt|All Files(*.*)|*.*");
    m_dialogs.setTitle("Open Files");
    if (!m_dialogs.ShowOpen())
        return;
    // Qt lists only names it can decode, so the chosen one's bytes are
    // what encoding it back gives.
    if (!m_dialogs.FileName().isEmpty())
        ListWidgetPathList(m_list).append(QFile::encodeName(m_dialogs.FileName()).toStdString());
    showHintIfEmpty();
}

void InputList::AddFolder()
{
    std::optional<QString> folder
        = DialogBackend::instance().folder(m_list->window(), "Please select a folder:");
    searchFolderShowingHint(folder ? QFile::encodeName(*folder).toStdString() : std::string());
}

// An empty folder is a cancelled choice: the hint changes all the same.
void InputList::searchFolderShowingHint(const std::string &folder)
{
    m_hint->show();
    m_hintText->setCaption("Searching Files...");
    if (!folder.empty()) {
        ListWidgetPathList list(m_list);
        SearchFolder(folder, list, m_events, SubFoldersSearchedPerFolder, FolderLinks::Follow);
    }
    m_hintText->setCaption("Drag && Drop Files Here");
    showHintIfEmpty();
}

// A dropped folder is searched as AddFolder searches it; as an entry of
// its own it could only fail.
void InputList::addDroppedFiles(const QByteArrayList &paths)
{
    addFilesAndFolders(paths);
    if (m_list->count() > 0)
        m_hint->hide();
}

void InputList::addGivenPaths(const QByteArrayList &paths)
{
    addFilesAndFolders(paths);
    showHintIfEmpty();
}

void InputList::addFilesAndFolders(const QByteArrayList &paths)
{
    for (const QByteArray &path : paths) {
        std::error_code error;
        if (std::filesystem::is_directory(path.toStdString(), error))
            searchFolderShowingHint(path.toStdString());
        else
            ListWidgetPathList(m_list).append(path.toStdString());
    }
}

void InputList::removeSelected()
{
    if (m_list->count() == 0)
        return;
    // With entries but none selected there is nothing to remove.
    int selected = m_list->currentRow();
    if (selected < 0 || !m_list->item(selected)->isSelected())
        return;
    delete m_list->takeItem(selected);
    if (m_list->count() == 0)
        m_hint->show();
}

void InputList::removeAll()
{
    m_list->clear();
    m_hint->show();
}
