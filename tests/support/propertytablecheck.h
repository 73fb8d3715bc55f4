#pragma once

#include "platform/propertybag.h"
#include "platform/propertytable.h"

#include <QList>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <gtest/gtest.h>

// The checks every control's property table passes, row by row, through
// the table itself: a new row is covered the day it is written. Control
// has a public static propertyTable().
namespace PropertyTableCheck {

// Values that may move a row off what a fresh control holds: one of the
// stored value's own type, then the caller's (a picture in its stored
// form, say). The first one that changes the row is used.
inline QList<QVariant> candidates(const QVariant &fresh, const QList<QVariant> &more)
{
    QList<QVariant> values;
    switch (fresh.metaType().id()) {
    case QMetaType::Bool: values.append(!fresh.toBool()); break;
    case QMetaType::Int: values.append(fresh.toInt() + 1); break;
    case QMetaType::UInt: values.append(fresh.toUInt() ^ 0x00102030u); break;
    case QMetaType::QString: values.append(QStringLiteral("Tervolan")); break;
    default: break;
    }
    for (const QVariant &value : more)
        if (value.metaType() == fresh.metaType())
            values.append(value);
    return values;
}

// Every readable row set to another value than a fresh control's comes
// back into a fresh control through a stored set and its JSON form. Rows
// named in decidedElsewhere are left out: another row overrides them on
// reading.
template <typename Control>
void expectEveryRowRoundTrips(const QList<QVariant> &more = {},
                              const QStringList &decidedElsewhere = {})
{
    for (const auto &row : Control::propertyTable().rows()) {
        const QString key = QString::fromLatin1(row.key);
        if (!row.load || decidedElsewhere.contains(key))
            continue;
        SCOPED_TRACE(row.key);
        Control source;
        const QVariant fresh = row.value(source);
        bool moved = false;
        for (const QVariant &value : candidates(fresh, more)) {
            row.load(source, value);
            if ((moved = row.value(source) != fresh))
                break;
        }
        ASSERT_TRUE(moved) << "no value loaded changes the property";

        PropertyBag bag;
        source.writeProperties(bag);
        EXPECT_TRUE(bag.contains(key));
        Control copy;
        copy.readProperties(PropertyBag::fromJson(bag.toJson()));
        EXPECT_EQ(row.value(copy), row.value(source));
    }
}

// A control that read an empty set saves a value equal to its default only
// where its table saves defaults.
template <typename Control> void expectDefaultsStoredAsTheTableSays()
{
    const auto &table = Control::propertyTable();
    Control control;
    control.readProperties(PropertyBag());
    PropertyBag bag;
    control.writeProperties(bag);
    for (const auto &row : table.rows()) {
        SCOPED_TRACE(row.key);
        const bool isDefault = row.value(control) == row.defaultValue(control);
        const bool saved = table.storedDefaults() == StoredDefaults::Saved || !isDefault;
        EXPECT_EQ(bag.contains(QString::fromLatin1(row.key)), saved);
    }
}

// Unknown keys are passed over, and a value of no property's type (a JSON
// object) reads as if its key were missing.
template <typename Control> void expectUnusableValuesReadAsMissing()
{
    PropertyBag junk;
    junk.write(QStringLiteral("NoSuchKey"), 1, QVariant());
    const QVariantMap object{{QStringLiteral("x"), 1}};
    for (const auto &row : Control::propertyTable().rows())
        junk.write(QString::fromLatin1(row.key), object, QVariant());
    Control fromJunk;
    fromJunk.readProperties(PropertyBag::fromJson(junk.toJson()));
    Control fromEmpty;
    fromEmpty.readProperties(PropertyBag());
    for (const auto &row : Control::propertyTable().rows()) {
        SCOPED_TRACE(row.key);
        if (row.load) {
            EXPECT_EQ(row.value(fromJunk), row.value(fromEmpty));
        }
    }
}

} // namespace PropertyTableCheck
