#include "tools/render/controlrenderer.h"

#include "platform/usercontrol.h"

#include <QCoreApplication>

void ControlRenderer::place(UserControl &control, QSize size)
{
    control.setAttribute(Qt::WA_DontShowOnScreen);
    control.resize(size);
    control.show();
    QCoreApplication::processEvents();
}

QImage ControlRenderer::capture(UserControl &control)
{
    return control.surface().image().copy();
}
