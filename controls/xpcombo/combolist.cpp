#include "controls/xpcombo/combolist.h"

#include "controls/xpcombo/comboerror.h"

#include <QComboBox>
#include <algorithm>

ComboList::ComboList(QComboBox *combo) : m_combo(combo) {}

int ComboList::count() const
{
    return m_combo->count();
}

QString ComboList::trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

bool ComboList::splitItem(QString &item)
{
    item = trimSpaces(item);
    const qsizetype length = item.size();
    qsizetype equals = length == 0 ? 0 : item.indexOf(QLatin1Char('=')) + 1;
    // A leading or trailing "=" has nothing on one side: it is dropped and
    // the item counts as untagged.
    if (equals == 1) {
        item.remove(0, 1);
        equals = 0;
    } else if (equals != 0 && equals == length) {
        item.chop(1);
        equals = 0;
    }
    if (equals == 0) {
        m_tagPart = item;
        m_textPart = item;
        return false;
    }
    m_tagPart = trimSpaces(item.left(equals - 1));
    m_textPart = trimSpaces(item.mid(equals));
    return true;
}

bool ComboList::insertItem(const QString &item, std::optional<int> index)
{
    const int before = count();
    if (before >= MaxCount)
        return false;
    // No position, or one past the items, appends.
    constexpr int Append = -1;
    int at = index ? std::max(*index, 0) : Append;
    if (at > before - 1)
        at = Append;

    QString shown = item;
    if (m_tagCode) {
        QString rewritten = item;
        splitItem(rewritten);
        if (rewritten.isEmpty())
            return false;
        shown = m_textPart;
    } else if (item.isEmpty()) {
        return false;
    }

    // Adding an item never selects it by itself; the list box would pick
    // the first item of an empty list.
    const int selected = selection();
    m_combo->insertItem(at >= 0 ? at : before, shown);
    if (selected < 0)
        m_combo->setCurrentIndex(NoSelection);

    if (m_tagCode) {
        if (at >= 0)
            m_tags.insert(at, m_tagPart);
        else
            m_tags.append(before, m_tagPart);
    }
    m_lastIndex = at >= 0 ? at : before;
    return true;
}

bool ComboList::updateItem(const QString &item, int index)
{
    if (index < 0 || index > count() - 1)
        return false;
    if (!m_tagCode || index > TagTable::LastSlot || index > m_tags.top()) {
        m_combo->setItemText(index, item);
        return true;
    }
    QString rewritten = item;
    splitItem(rewritten);
    m_combo->setItemText(index, m_textPart);
    m_lastIndex = index;
    m_tags.set(index, m_tagPart);
    return true;
}

QString ComboList::item(std::optional<int> index) const
{
    int position = 0;
    if (!index) {
        if (count() == 0)
            return {};
        position = count() - 1;
    } else {
        position = std::max(*index, 0);
    }
    const QString text = m_combo->itemText(position);
    if (m_tagCode && position <= TagTable::LastSlot)
        return m_tags.at(position) + QLatin1Char('=') + text;
    return text;
}

bool ComboList::removeItem(std::optional<int> index)
{
    int position = 0;
    if (!index) {
        if (count() == 0)
            return false;
        position = count() - 1;
    } else {
        position = std::max(*index, 0);
    }
    if (m_tagCode)
        m_tags.shiftDown(position);
    if (position >= count())
        throw ComboError("Invalid procedure call or argument");
    // Removing the selected item leaves nothing selected instead of moving
    // the selection to a neighbour.
    const bool wasSelected = position == selection();
    m_combo->removeItem(position);
    if (wasSelected)
        m_combo->setCurrentIndex(NoSelection);
    return true;
}

void ComboList::clear()
{
    m_combo->clear();
    m_tags.resetTop();
}

void ComboList::clearItems()
{
    m_combo->clear();
}

int ComboList::selection() const
{
    return m_combo->currentIndex();
}

void ComboList::select(int index)
{
    if (index < NoSelection || index >= count())
        throw ComboError("Invalid property value");
    m_combo->setCurrentIndex(index);
}

QString ComboList::selectedText() const
{
    return m_combo->currentText();
}

QString ComboList::selectedTag() const
{
    const int selected = selection();
    if (!m_tagCode || selected < 0 || selected > TagTable::LastSlot)
        return {};
    return m_tags.at(selected);
}

bool ComboList::findTag(const QString &tag, int &startingFrom)
{
    const int last = std::min(count() - 1, TagTable::LastSlot);
    int start = startingFrom;
    if (start > last)
        start = 0;
    start = std::max(start, 0);
    const int found = m_tags.find(trimSpaces(tag).toUpper(), start, last);
    if (found < 0) {
        m_combo->setCurrentIndex(NoSelection);
        return false;
    }
    m_combo->setCurrentIndex(found);
    startingFrom = found + 1 > last ? 0 : found + 1;
    return true;
}
