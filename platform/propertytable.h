#pragma once

#include "platform/propertybag.h"

#include <QFont>
#include <QString>
#include <QVariant>

#include <cstddef>
#include <span>
#include <type_traits>
#include <utility>

// One stored property of a control: the key it is saved under, its default,
// how its value is taken for saving and how a stored value is put back.
// Plain function pointers, so a control's whole table can be constexpr and
// checked at compile time.
template <typename Control, typename Property> struct PropertyRow {
    Property property;
    const char *key;
    // What a key absent from a stored set reads as, in stored form. An
    // invalid value keeps what the control has, and so is always saved.
    QVariant (*defaultValue)(const Control &control);
    QVariant (*value)(const Control &control);
    // Null for a property that is saved but never read back.
    void (*load)(Control &control, const QVariant &stored);
    // Gives a fresh control its value, where that is not loading
    // defaultValue (a default taken from the host, say).
    void (*reset)(Control &control) = nullptr;
    // The key a change is announced under, where it is not key.
    const char *notifyKey = nullptr;
};

// Whether a value equal to its default is saved.
enum class StoredDefaults { LeftOut, Saved };

// How a field of type T is kept in a property set: as it is, unless
// specialised. A stored value that does not read keeps the field as it was
// where a specialisation says so.
template <typename T> struct StoredForm {
    static QVariant store(const T &value) { return QVariant::fromValue(value); }
    static T load(const QVariant &stored, const T &) { return stored.value<T>(); }
};

// Property sets hold 32-bit numbers; a short goes in as an int.
template <> struct StoredForm<short> {
    static QVariant store(short value) { return int(value); }
    static short load(const QVariant &stored, short) { return short(stored.toInt()); }
};

// Fonts as Qt's font description; an unreadable one keeps the font there is.
template <> struct StoredForm<QFont> {
    static QVariant store(const QFont &value) { return value.toString(); }
    static QFont load(const QVariant &stored, const QFont &current)
    {
        QFont font = current;
        return font.fromString(stored.toString()) ? font : current;
    }
};

// A control's stored properties, one row each, in the order they are read
// and saved: the one place where a key and its default are spelled.
// Reading, saving and change notification all go through it, so a key
// cannot differ between them. Property is an enum numbering the rows.
template <typename Control, typename Property> class PropertyTable {
public:
    using Row = PropertyRow<Control, Property>;

    constexpr explicit PropertyTable(std::span<const Row> rows,
                                     StoredDefaults defaults = StoredDefaults::LeftOut)
        : m_rows(rows)
        , m_defaults(defaults)
    {
    }

    std::span<const Row> rows() const { return m_rows; }
    StoredDefaults storedDefaults() const { return m_defaults; }

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

    QString key(Property property) const { return QString::fromLatin1(row(property).key); }

    QString notifyKey(Property property) const
    {
        const Row &described = row(property);
        return QString::fromLatin1(described.notifyKey ? described.notifyKey : described.key);
    }

    // Gives every readable row its value for a control placed anew.
    void reset(Control &control) const
    {
        for (const Row &row : m_rows) {
            if (row.reset)
                row.reset(control);
            else if (row.load)
                row.load(control, row.defaultValue(control));
        }
    }

    // Loads each readable row from bag, taking the default for a missing
    // or unusable value.
    void read(Control &control, const PropertyBag &bag) const
    {
        for (const Row &row : m_rows) {
            if (!row.load)
                continue;
            const QString key = QString::fromLatin1(row.key);
            const QVariant missing = row.defaultValue(control);
            if (!missing.isValid() && !bag.contains(key))
                continue;
            row.load(control, bag.read(key, missing));
        }
    }

    // Stores every row; unless the table saves defaults, a value equal to
    // its default leaves the key out.
    void write(const Control &control, PropertyBag &bag) const
    {
        for (const Row &row : m_rows) {
            const QVariant always;
            bag.write(QString::fromLatin1(row.key), row.value(control),
                      m_defaults == StoredDefaults::Saved ? always : row.defaultValue(control));
        }
    }

private:
    const Row &row(Property property) const
    {
        Q_ASSERT(std::size_t(property) < m_rows.size());
        return m_rows[std::size_t(property)];
    }

    std::span<const Row> m_rows;
    StoredDefaults m_defaults;
};

// Rows for plain data members, kept through StoredForm: Holder points to
// the control's member that holds them and Resolver to the control's
// function that works out defaults taken from elsewhere (the host, the
// palette, another property). Defaults are functions from the control to a
// value of the member's type; an invalid one keeps what the control has.
template <typename Control, typename Property, auto Holder, auto Resolver = nullptr>
class PropertyFields {
public:
    using Row = PropertyRow<Control, Property>;
    using Default = QVariant (*)(const Control &control);

private:
    using Holding = std::remove_cvref_t<decltype(std::declval<Control &>().*Holder)>;

public:
    // The member's value in a value-initialised holder: the default its
    // declaration gives, so it is spelled there only.
    template <auto Field> static QVariant initial(const Control &)
    {
        return QVariant::fromValue(Holding().*Field);
    }

    // New is given to a control placed anew, Missing taken for a key absent
    // from a stored set; both are the member's declared value unless given.
    template <auto Field, Default New = &initial<Field>, Default Missing = New>
    static constexpr Row row(Property property, const char *key, const char *notifyKey = nullptr)
    {
        return {.property = property,
                .key = key,
                .defaultValue = &stored<Field, Missing>,
                .value = &value<Field>,
                .load = &load<Field>,
                .reset = &reset<Field, New>,
                .notifyKey = notifyKey};
    }

    // The defaults a row may take besides the member's declared value: what
    // the control has, or a value Resolver works out from Source.
    static QVariant keep(const Control &) { return {}; }
    template <auto Source> static QVariant resolved(const Control &control)
    {
        return (control.*Resolver)(Source);
    }

private:
    template <auto Field>
    using Type = std::remove_cvref_t<decltype(std::declval<Control &>().*Holder.*Field)>;

    template <auto Field> static const Type<Field> &field(const Control &control)
    {
        return control.*Holder.*Field;
    }
    template <auto Field> static Type<Field> &field(Control &control)
    {
        return control.*Holder.*Field;
    }

    template <auto Field, Default Missing> static QVariant stored(const Control &control)
    {
        const QVariant missing = Missing(control);
        if (!missing.isValid())
            return missing;
        return StoredForm<Type<Field>>::store(missing.value<Type<Field>>());
    }
    template <auto Field> static QVariant value(const Control &control)
    {
        return StoredForm<Type<Field>>::store(field<Field>(control));
    }
    template <auto Field> static void load(Control &control, const QVariant &stored)
    {
        field<Field>(control) = StoredForm<Type<Field>>::load(stored, field<Field>(control));
    }
    template <auto Field, Default New> static void reset(Control &control)
    {
        field<Field>(control) = New(control).template value<Type<Field>>();
    }
};
