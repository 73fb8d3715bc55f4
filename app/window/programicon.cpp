#include "app/window/programicon.h"

namespace ProgramIcon {

// The design's own 32-pixel picture, and the others drawn from the menu
// entry's scalable icon.
QIcon icon()
{
    QIcon icon(QStringLiteral(":/pictures/tervolan.png"));
    for (int size : {16, 24, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/icon/tervolan-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

} // namespace ProgramIcon
