#include "controls/xpcombo/combolistchooser.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>
#include <QTimer>

ComboListChooser::ComboListChooser(QAbstractItemView *view) : QObject(view), m_view(view)
{
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ComboListChooser::selectionChanged);
}

bool ComboListChooser::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        if (!m_inputOnList) {
            m_inputOnList = true;
            QTimer::singleShot(0, this, [this] { m_inputOnList = false; });
        }
        break;
    default: break;
    }
    return false;
}

void ComboListChooser::selectionChanged()
{
    const QModelIndexList selected = m_view->selectionModel()->selectedIndexes();
    if (m_inputOnList || m_passingOver || !m_view->isVisible() || selected.size() != 1)
        return;
    const int row = selected.front().row();
    // The list closes as the item is taken: not inside the caller's select.
    QMetaObject::invokeMethod(
        this, [this, row] { emit chosenFromOutside(row); }, Qt::QueuedConnection);
}
