#pragma once

#include <QWidget>

class QAction;
class QMenu;

// A window that is never shown; it carries the remove pop-up menu.
class frmMenu : public QWidget {
    Q_OBJECT

public:
    explicit frmMenu(QWidget *parent = nullptr);

    QMenu *menuRemove() const { return m_menuRemove; }
    QAction *MenuRemoveSelected() const { return m_removeSelected; }
    QAction *menuRemoveAll() const { return m_removeAll; }

private:
    QMenu *m_menuRemove;
    QAction *m_removeSelected;
    QAction *m_removeAll;
};
