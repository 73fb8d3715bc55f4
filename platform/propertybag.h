#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariant>

// The design-time property set of one control: values under string keys,
// kept in the order they were written. A value equal to its default is not
// stored, so a missing key reads back as that default.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;

    // The stored value converted to the type of defaultValue, or
    // defaultValue when the key is absent or does not convert.
    virtual QVariant read(const QString &key, const QVariant &defaultValue) const;
    // Stores value, or removes the key when value equals defaultValue.
    virtual void write(const QString &key, const QVariant &value, const QVariant &defaultValue);

    bool contains(const QString &key) const;
    QStringList keys() const;
    bool isEmpty() const { return m_entries.isEmpty(); }

    // Form descriptions keep property sets as JSON objects; numbers come
    // back as doubles and are converted on read.
    static PropertyBag fromJson(const QJsonObject &object);
    QJsonObject toJson() const;

private:
    qsizetype indexOf(const QString &key) const;

    QList<std::pair<QString, QVariant>> m_entries;
};
