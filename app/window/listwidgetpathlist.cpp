#include "app/window/listwidgetpathlist.h"

#include "app/window/pathtext.h"

#include <QFile>
#include <QListWidget>

#include <utility>

ListWidgetPathList::ListWidgetPathList(QListWidget *list) : m_list(list)
{
    m_list->setUniformItemSizes(true);
}

int ListWidgetPathList::count() const
{
    return m_list->count();
}

std::string ListWidgetPathList::entry(int index) const
{
    QListWidgetItem *item = m_list->item(index);
    if (!item)
        return std::string();
    QVariant bytes = item->data(PathBytesRole);
    // An item put in as text alone holds a name Qt could decode.
    return bytes.isValid() ? bytes.toByteArray().toStdString()
                           : QFile::encodeName(item->text()).toStdString();
}

void ListWidgetPathList::removeEntry(int index)
{
    delete m_list->takeItem(index);
    m_entriesRemoved = true;
}

void ListWidgetPathList::layOutAfterRemovals()
{
    if (std::exchange(m_entriesRemoved, false))
        m_list->doItemsLayout();
}

void ListWidgetPathList::append(const std::string &path)
{
    auto *item = new QListWidgetItem(PathText::readable(path));
    item->setData(PathBytesRole, QByteArray::fromStdString(path));
    // The list is narrow and cuts long paths; the whole one is a hover away.
    item->setToolTip(item->text());
    m_list->addItem(item);
}
