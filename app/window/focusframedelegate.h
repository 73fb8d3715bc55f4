#pragma once

#include <QStyledItemDelegate>

// Draws the list's entries as the style does, and a dotted frame around
// the current entry while the list has the keyboard focus, so a keyboard
// user sees where Up, Down and Space act; the style's own frame is too
// faint to find.
class FocusFrameDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
