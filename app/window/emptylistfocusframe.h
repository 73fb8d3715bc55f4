#pragma once

#include <QObject>

class QListWidget;

// Frames the list's inside with a dotted line while the list is empty and
// has the keyboard focus: with no entry there is no current one for
// FocusFrameDelegate to frame, and Tab would seem to go nowhere.
class EmptyListFocusFrame : public QObject {
    Q_OBJECT

public:
    explicit EmptyListFocusFrame(QListWidget *list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paintFrame();

    QListWidget *m_list;
};
