#pragma once

#include <QString>
#include <array>

// The tags that run parallel to the first hundred list positions. TagTop is
// the highest slot in use; it never goes above the last slot and only an
// append, an insert or a reset moves it.
class TagTable {
public:
    static constexpr int Slots = 100;
    static constexpr int LastSlot = Slots - 1;

    // The tag in slot, empty for a slot outside the table.
    QString at(int slot) const;
    void set(int slot, const QString &tag);
    int top() const { return m_top; }
    void resetTop() { m_top = 0; }

    // A tag for a new last item at position; dropped beyond the table.
    void append(int position, const QString &tag);
    // Opens slot index (clamped to 0..TagTop) and puts tag there; the tag
    // in the last slot falls off the end.
    void insert(int index, const QString &tag);
    // Closes the gap left by the item at position. TagTop stays.
    void shiftDown(int position);
    // The first slot from start to last (inclusive) whose tag equals key
    // ignoring case, or -1. key is expected trimmed and upper-cased.
    int find(const QString &upperKey, int start, int last) const;

private:
    std::array<QString, Slots> m_tags;
    int m_top = 0;
};
