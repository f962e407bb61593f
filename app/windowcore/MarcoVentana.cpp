#include "MarcoVentana.h"

#include <QMouseEvent>

void MarcoVentana::mousePressEvent(QMouseEvent *evento)
{
    QMouseEvent encima(QEvent::MouseMove, evento->position(), evento->scenePosition(), evento->globalPosition(),
                       Qt::NoButton, Qt::NoButton, evento->modifiers(), evento->pointingDevice());
    QMdiSubWindow::mouseMoveEvent(&encima);
    QMdiSubWindow::mousePressEvent(evento);
}
