#pragma once

#include "controls/xpcombo/tagtable.h"

#include <QString>
#include <optional>

class QComboBox;

// The combo's list: the items held by the inner list box, the parallel tag
// table for "tag=text" items and the bookkeeping of the last item added.
// It knows nothing of the text field or of events; the control copies texts
// and raises Change around these operations.
class ComboList {
public:
    // List positions are 16-bit: the list never grows beyond this.
    static constexpr int MaxCount = 32767;
    // The selection when no item is selected.
    static constexpr int NoSelection = -1;

    explicit ComboList(QComboBox *combo);

    QComboBox *combo() const { return m_combo; }
    int count() const;
    bool tagCode() const { return m_tagCode; }
    void setTagCode(bool on) { m_tagCode = on; }
    const TagTable &tags() const { return m_tags; }
    int lastIndex() const { return m_lastIndex; }
    const QString &tagPart() const { return m_tagPart; }
    const QString &textPart() const { return m_textPart; }

    // Trims blanks (spaces only, as the list files expect).
    static QString trimSpaces(const QString &text);

    // Rewrites item (trimmed, a leading or trailing "=" dropped) and splits
    // it at its first "=" into tagPart and textPart. Returns true when the
    // item has a tag; otherwise both parts are the whole item.
    bool splitItem(QString &item);

    // Appends (no index, or one past the end) or inserts before index
    // (negative counts as 0). Returns false when nothing was added: an
    // empty item, or with tags on an item that is empty once split, or a
    // full list.
    bool insertItem(const QString &item, std::optional<int> index = std::nullopt);
    // Returns false (and changes nothing) when index names no item.
    bool updateItem(const QString &item, int index);
    // "tag=text" for the first hundred positions while tags are on.
    QString item(std::optional<int> index = std::nullopt) const;
    // Returns false when there was nothing to remove (empty list, no
    // index). Throws ComboError when the position names no item.
    bool removeItem(std::optional<int> index = std::nullopt);
    // Empties the list and resets TagTop; the tag strings stay.
    void clear();
    // Empties the list box only, as loading a list file does.
    void clearItems();

    int selection() const;
    // Throws ComboError for anything other than -1 or an item's position.
    void select(int index);
    QString selectedText() const;
    QString selectedTag() const;
    // Looks for tag (trimmed, any case) from startingFrom up to the last
    // searchable slot and selects what it finds (-1 when nothing).
    // startingFrom moves past the match, back to 0 after the last slot.
    bool findTag(const QString &tag, int &startingFrom);

private:
    QComboBox *m_combo;
    TagTable m_tags;
    bool m_tagCode = false;
    int m_lastIndex = 0;
    QString m_tagPart;
    QString m_textPart;
};
