#include "controls/xpcombo/tagtable.h"

#include <algorithm>

QString TagTable::at(int slot) const
{
    if (slot < 0 || slot > LastSlot)
        return {};
    return m_tags[slot];
}

void TagTable::set(int slot, const QString &tag)
{
    if (slot >= 0 && slot <= LastSlot)
        m_tags[slot] = tag;
}

void TagTable::append(int position, const QString &tag)
{
    if (position >= 0 && position <= LastSlot) {
        m_tags[position] = tag;
        m_top = position;
    }
    m_top = std::min(m_top, LastSlot);
}

void TagTable::insert(int index, const QString &tag)
{
    const int q = std::clamp(index, 0, m_top);
    for (int slot = m_top; slot >= q; --slot)
        if (slot + 1 <= LastSlot)
            m_tags[slot + 1] = m_tags[slot];
    m_tags[q] = tag;
    m_top = std::min(m_top + 1, LastSlot);
}

void TagTable::shiftDown(int position)
{
    if (m_top <= 0 || position > m_top || position < 0)
        return;
    for (int slot = position; slot <= m_top; ++slot)
        m_tags[slot] = slot + 1 <= LastSlot ? m_tags[slot + 1] : QString();
}

int TagTable::find(const QString &upperKey, int start, int last) const
{
    if (upperKey.isEmpty())
        return -1;
    last = std::min(last, LastSlot);
    for (int slot = std::max(start, 0); slot <= last; ++slot)
        if (m_tags[slot].toUpper() == upperKey)
            return slot;
    return -1;
}
