#pragma once

#include "platform/propertybag.h"

#include <QString>
#include <QVariant>

#include <cstddef>
#include <span>

// One stored property of a control: the key it is saved under, its default,
// how its value is taken for saving and how a stored value is put back.
// Plain function pointers, so a control's whole table can be constexpr and
// checked at compile time.
template <typename Control, typename Property> struct PropertyRow {
    Property property;
    const char *key;
    QVariant (*defaultValue)(const Control &control);
    QVariant (*value)(const Control &control);
    // Null for a property that is saved but never read back.
    void (*load)(Control &control, const QVariant &stored);
};

// A control's stored properties, one row each, in the order they are read
// and saved: the one place where a key and its default are spelled.
// Reading, saving and change notification all go through it, so a key
// cannot differ between them. Property is an enum numbering the rows.
template <typename Control, typename Property> class PropertyTable {
public:
    using Row = PropertyRow<Control, Property>;

    constexpr explicit PropertyTable(std::span<const Row> rows) : m_rows(rows) {}

    // True when row n describes Property(n): key() relies on it, so each
    // table asserts it at compile time.
    constexpr bool rowsFollowTheEnum() const
    {
        for (std::size_t n = 0; n < m_rows.size(); ++n) {
            if (std::size_t(m_rows[n].property) != n)
                return false;
        }
        return true;
    }

    QString key(Property property) const
    {
        Q_ASSERT(std::size_t(property) < m_rows.size());
        return QString::fromLatin1(m_rows[std::size_t(property)].key);
    }

    // Loads each readable row from bag, taking the default for a missing
    // or unusable value.
    void read(Control &control, const PropertyBag &bag) const
    {
        for (const Row &row : m_rows) {
            if (row.load)
                row.load(control,
                         bag.read(QString::fromLatin1(row.key), row.defaultValue(control)));
        }
    }

    // Stores every row; a value equal to its default leaves the key out.
    void write(const Control &control, PropertyBag &bag) const
    {
        for (const Row &row : m_rows)
            bag.write(QString::fromLatin1(row.key), row.value(control), row.defaultValue(control));
    }

private:
    std::span<const Row> m_rows;
};
