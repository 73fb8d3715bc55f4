#pragma once

#include <QPointer>
#include <QWidget>

// The state of a header drag, shared by every panel of the program: only
// one drag can be in progress at a time.
struct HeaderDragState {
    bool HeaderDragging = false;
    int DragStartX = 0; // pointer position on the header when the drag began
    int DragStartY = 0;
    // Where the pointer (on screen) and the window were when the drag
    // began: moving by screen offsets keeps the window under the pointer
    // even while the window system is still catching up with earlier moves.
    QPoint pointerStart;
    QPoint formStart;
};

// The window that panel header drags move. Windows set it themselves when
// they load (and the main window again when a dialog closes).
class CurrentForm {
public:
    static QWidget *form();
    static void setForm(QWidget *form);
    static HeaderDragState &headerDrag();
};
