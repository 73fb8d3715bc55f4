#include "app/window/frmmenu.h"

#include <QMenu>

frmMenu::frmMenu(QWidget *parent) : QWidget(parent), m_menuRemove(new QMenu("Remove", this))
{
    setObjectName("frmMenu");
    m_menuRemove->setObjectName("menuRemove");
    m_removeSelected = m_menuRemove->addAction(tr("删除所选文件"));
    m_removeSelected->setObjectName("MenuRemoveSelected");
    m_removeAll = m_menuRemove->addAction(tr("清空文件列表"));
    m_removeAll->setObjectName("menuRemoveAll");
}
