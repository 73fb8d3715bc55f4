#include "platform/formdescription.h"

#include "platform/twips.h"
#include "platform/usercontrol.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

std::optional<FormDescription> FormDescription::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}

std::optional<FormDescription> FormDescription::parse(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    if (!root.value("controls").isArray())
        return std::nullopt;

    FormDescription form;
    form.m_name = root.value("name").toString();
    for (const QJsonValue &value : root.value("controls").toArray()) {
        const QJsonObject object = value.toObject();
        Control control;
        control.name = object.value("name").toString();
        control.type = object.value("type").toString();
        control.parent = object.value("parent").toString();
        control.left = object.value("left").toInt();
        control.top = object.value("top").toInt();
        control.width = object.value("width").toInt();
        control.height = object.value("height").toInt();
        control.properties = PropertyBag::fromJson(object.value("properties").toObject());
        if (control.name.isEmpty())
            return std::nullopt;
        form.m_controls.append(control);
    }
    return form;
}

const FormDescription::Control *FormDescription::control(const QString &name) const
{
    for (const Control &control : m_controls)
        if (control.name == name)
            return &control;
    return nullptr;
}

bool FormDescription::apply(const QString &name, UserControl &target) const
{
    const Control *description = control(name);
    if (!description)
        return false;
    target.setObjectName(name);
    AmbientProperties ambient = target.ambient();
    ambient.displayName = name;
    target.setAmbient(ambient);
    target.readProperties(description->properties);
    target.setGeometry(Twips::toPixels(description->left), Twips::toPixels(description->top),
                       Twips::toPixels(description->width), Twips::toPixels(description->height));
    return true;
}

bool FormDescription::place(const QString &name, QWidget &widget) const
{
    widget.setObjectName(name);
    const Control *description = control(name);
    if (!description)
        return false;
    widget.setGeometry(Twips::toPixels(description->left), Twips::toPixels(description->top),
                       Twips::toPixels(description->width), Twips::toPixels(description->height));
    return true;
}
