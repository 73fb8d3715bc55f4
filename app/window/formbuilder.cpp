#include "app/window/formbuilder.h"

#include "platform/formdescription.h"
#include "platform/usercontrol.h"

#include <stdexcept>
#include <utility>

FormBuilder::FormBuilder(const FormDescription &form, QWidget &window, QString windowName)
    : m_form(form)
    , m_window(window)
    , m_windowName(std::move(windowName))
{
}

QWidget *FormBuilder::parentOf(const QString &name) const
{
    const FormDescription::Control *control = m_form.control(name);
    if (!control)
        fail("no control " + name);
    if (control->parent.isEmpty())
        return &m_window;
    QWidget *parent = m_made.value(control->parent);
    if (!parent)
        fail("control " + name + " in " + control->parent + ", which is not made before it");
    return parent;
}

void FormBuilder::lay(const QString &name, QWidget &widget)
{
    if (auto *control = dynamic_cast<UserControl *>(&widget)) {
        if (m_ambientFont) {
            AmbientProperties ambient = control->ambient();
            ambient.font = *m_ambientFont;
            control->setAmbient(ambient);
        }
        m_form.apply(name, *control);
    } else {
        m_form.place(name, widget);
    }
    m_made.insert(name, &widget);
}

void FormBuilder::fail(const QString &what) const
{
    throw std::runtime_error((m_windowName + "'s form description has " + what).toStdString());
}
