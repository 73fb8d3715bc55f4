#include "app/window/listwidgetpathlist.h"

#include <QListWidget>

int ListWidgetPathList::count() const
{
    return m_list->count();
}

std::string ListWidgetPathList::entry(int index) const
{
    QListWidgetItem *item = m_list->item(index);
    return item ? item->text().toStdString() : std::string();
}

void ListWidgetPathList::removeEntry(int index)
{
    delete m_list->takeItem(index);
}

void ListWidgetPathList::append(const std::string &path)
{
    m_list->addItem(QString::fromStdString(path));
}
