#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include <optional>

class FormDescription;
class QWidget;

// Makes a window's controls from its form description: each where the form
// puts it, inside the control the form names as its parent (made earlier
// by the same builder) or else on the window, and a user control with its
// stored properties. A name the form lacks throws std::runtime_error
// naming it, so a typo or a stale form description stops the start-up
// instead of leaving a dead control to crash on first use.
class FormBuilder {
public:
    // windowName says whose form it is in the message ("the main window").
    FormBuilder(const FormDescription &form, QWidget &window, QString windowName);

    // The font user controls take as their ambient font before their
    // stored properties are read.
    void setAmbientFont(const QFont &font) { m_ambientFont = font; }

    template <typename Widget> Widget *make(const QString &name)
    {
        auto *widget = new Widget(parentOf(name));
        lay(name, *widget);
        return widget;
    }

private:
    QWidget *parentOf(const QString &name) const;
    void lay(const QString &name, QWidget &widget);
    [[noreturn]] void fail(const QString &what) const;

    const FormDescription &m_form;
    QWidget &m_window;
    QString m_windowName;
    std::optional<QFont> m_ambientFont;
    QHash<QString, QWidget *> m_made;
};
