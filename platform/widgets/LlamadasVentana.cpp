#include "LlamadasVentana.h"

#include <QCursor>
#include <QWidget>

namespace plataforma {

namespace {
QPoint g_ultimaPosicion;
}

void PoneEncima(QWidget &ventana)
{
    if (ventana.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    // Changing the flags hides a shown window; put it back as it was.
    const bool visible = ventana.isVisible();
    const QRect marco = ventana.geometry();
    ventana.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    ventana.setGeometry(marco);
    if (visible)
        ventana.show();
}

RectanguloPantalla RectanguloVentana(const QWidget &ventana)
{
    const QRect marco = ventana.frameGeometry();
    const QPoint origen = ventana.isWindow() ? marco.topLeft() : ventana.mapToGlobal(QPoint(0, 0));
    return {origen.x(), origen.y(), origen.x() + marco.width(), origen.y() + marco.height()};
}

void MueveCursor(QPoint posicion)
{
    g_ultimaPosicion = posicion;
    QCursor::setPos(posicion);
}

QPoint UltimaPosicionCursor() { return g_ultimaPosicion; }

} // namespace plataforma
