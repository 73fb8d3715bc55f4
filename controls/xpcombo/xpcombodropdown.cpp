#include "controls/xpcombo/xpcombo.h"

#include "controls/xpcombo/comboinput.h"
#include "controls/xpcombo/combolistchooser.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

// The XPCombo's dropped list and the keys that reach it.

bool XPCombo::isDroppedDown() const
{
    return m_jCombo->view()->isVisible();
}

void XPCombo::ToggleDropDown()
{
    QPointer<XPCombo> alive(this);
    if (!isDroppedDown()) {
        m_chooser->passOver([this] { m_jCombo->showPopup(); });
        placePopup();
    } else {
        m_jCombo->hidePopup();
    }
    // Handlers of the hosting window may run here, and may even close it.
    QCoreApplication::processEvents();
    if (alive)
        ResetPic();
}

void XPCombo::toggleDropDownAtShownItem()
{
    const int shown = shownItemIndex();
    ToggleDropDown();
    if (isDroppedDown() && shown >= 0)
        m_chooser->passOver([this, shown] {
            m_jCombo->view()->setCurrentIndex(m_jCombo->model()->index(shown, 0));
        });
}

QWidget *XPCombo::listView() const
{
    return m_jCombo->view();
}

// As a click on the item would: the list closes and the field shows it.
void XPCombo::chooseFromOpenList(int row)
{
    if (!isDroppedDown())
        return;
    m_jCombo->hidePopup();
    m_list.select(row);
    copySelectionToText();
    ResetPic();
}

void XPCombo::placePopup()
{
    // The list box would open over itself or above; the list belongs right
    // under the whole control, at least as wide as it.
    QWidget *popup = m_jCombo->view()->window();
    if (!popup || popup == window())
        return;
    popup->move(mapToGlobal(QPoint(0, height())));
    if (popup->width() < width())
        popup->resize(width(), popup->height());
}

void XPCombo::mouseMoveEvent(QMouseEvent *event)
{
    m_input->raiseMouse(event, false);
}

void XPCombo::keyPressEvent(QKeyEvent *event)
{
    if (!m_input->alreadyRaised(event) && m_input->raiseKeyPress(event, nullptr))
        return;
    if (!usedAsListKey(*event))
        UserControl::keyPressEvent(event);
}

// The keyboard's way to the list, locked or not: F4, Alt+Down and Alt+Up
// drop it (the dropped list then takes Up, Down, Return and Escape itself),
// and Up and Down step through the items in place.
bool XPCombo::usedAsListKey(const QKeyEvent &event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool arrow = key == Qt::Key_Up || key == Qt::Key_Down;
    if ((key == Qt::Key_F4 && modifiers == Qt::NoModifier)
        || (arrow && modifiers == Qt::AltModifier)) {
        toggleDropDownAtShownItem();
        return true;
    }
    const int shown = shownItemIndex();
    if (!arrow || modifiers != Qt::NoModifier)
        return false;
    const int next = shown + (key == Qt::Key_Down ? 1 : -1);
    if (next >= 0 && next < ListCount())
        setListIndex(next);
    return true;
}

// The keys start from the item the field shows, which a text set from
// outside may have moved away from the selection.
int XPCombo::shownItemIndex() const
{
    const int selected = ListIndex();
    if (selected >= 0 && m_jCombo->itemText(selected) == Text())
        return selected;
    const int found = m_jCombo->findText(Text(), Qt::MatchExactly);
    return found >= 0 ? found : selected;
}
