#include "platform/propertybag.h"

#include <QJsonValue>

QVariant PropertyBag::read(const QString &key, const QVariant &defaultValue) const
{
    const qsizetype index = indexOf(key);
    if (index < 0)
        return defaultValue;
    QVariant value = m_entries[index].second;
    if (!defaultValue.isValid() || value.metaType() == defaultValue.metaType())
        return value;
    // Whole numbers only: a JSON 20.5 for an integer property is not 20.
    const bool integral = defaultValue.metaType().id() == QMetaType::Int
        || defaultValue.metaType().id() == QMetaType::UInt
        || defaultValue.metaType().id() == QMetaType::LongLong;
    if (integral && value.metaType().id() == QMetaType::Double) {
        const double number = value.toDouble();
        if (number != double(qint64(number)))
            return defaultValue;
    }
    if (!value.convert(defaultValue.metaType()))
        return defaultValue;
    return value;
}

void PropertyBag::write(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    const qsizetype index = indexOf(key);
    if (value == defaultValue) {
        if (index >= 0)
            m_entries.removeAt(index);
        return;
    }
    if (index >= 0)
        m_entries[index].second = value;
    else
        m_entries.append({key, value});
}

bool PropertyBag::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    for (const auto &entry : m_entries)
        result.append(entry.first);
    return result;
}

PropertyBag PropertyBag::fromJson(const QJsonObject &object)
{
    PropertyBag bag;
    for (auto it = object.begin(); it != object.end(); ++it)
        bag.m_entries.append({it.key(), it.value().toVariant()});
    return bag;
}

QJsonObject PropertyBag::toJson() const
{
    QJsonObject object;
    for (const auto &entry : m_entries)
        object.insert(entry.first, QJsonValue::fromVariant(entry.second));
    return object;
}

qsizetype PropertyBag::indexOf(const QString &key) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].first == key)
            return i;
    return -1;
}
