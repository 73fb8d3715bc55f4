#pragma once

#include <QObject>

class QAbstractItemView;

// Tells when an item of the dropped list is selected from outside: not by
// the mouse or the keys on the list, which only move its highlight until a
// click or Enter, nor by the combo itself, but by a screen reader choosing
// the item. Input on the list counts as such until the event loop comes
// round again.
class ComboListChooser : public QObject {
    Q_OBJECT

public:
    explicit ComboListChooser(QAbstractItemView *view);

    // Runs change, which may select in the list, as the combo's own doing.
    template <typename Change> void passOver(Change change)
    {
        const bool was = m_passingOver;
        m_passingOver = true;
        change();
        m_passingOver = was;
    }

signals:
    // Raised later, from the event loop, with the selected row.
    void chosenFromOutside(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectionChanged();

    QAbstractItemView *m_view;
    bool m_inputOnList = false;
    bool m_passingOver = false;
};
