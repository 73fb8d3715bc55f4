#pragma once

#include "platform/propertybag.h"

#include <QList>
#include <QString>
#include <optional>

class QWidget;
class UserControl;

// The design-time state of one window: where each control sits (in twips)
// and each control's stored property set. Kept as a small JSON file:
//   {"name": "DemoForm", "controls": [{"name": "Pro", "type": "Xp_ProgressBar",
//     "left": 2850, "top": 3510, "width": 3345, "height": 645,
//     "properties": {"Value": 20, "ProgressLook": 6}}]}
class FormDescription {
public:
    struct Control {
        QString name;
        QString type;
        // The control it lies in, when not directly on the window.
        QString parent;
        int left = 0; // twips
        int top = 0;
        int width = 0;
        int height = 0;
        PropertyBag properties;
    };

    // Returns nothing when the file cannot be read or is not such a form.
    static std::optional<FormDescription> load(const QString &path);
    static std::optional<FormDescription> parse(const QByteArray &json);

    const QString &name() const { return m_name; }
    const QList<Control> &controls() const { return m_controls; }
    const Control *control(const QString &name) const;

    // Places a user control where the form puts it (pixels from twips),
    // names it, and loads its stored properties. Returns false when the
    // form has no control of that name.
    bool apply(const QString &name, UserControl &control) const;
    // Places and names a plain widget (a list, a label, a text box).
    bool place(const QString &name, QWidget &widget) const;

private:
    QString m_name;
    QList<Control> m_controls;
};
