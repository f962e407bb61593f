#pragma once
// Window calls the routines make on the desktop: keep a window on top,
// read a window's rectangle on the screen, move the mouse pointer.
#include <QPoint>

class QWidget;

namespace plataforma {

// Keeps the window above all others, without moving or resizing it.
void PoneEncima(QWidget &ventana);

// The window's frame on the screen, right and bottom exclusive (left + width).
struct RectanguloPantalla {
    int izquierda = 0;
    int arriba = 0;
    int derecha = 0;
    int abajo = 0;
};
RectanguloPantalla RectanguloVentana(const QWidget &ventana);

// Moves the mouse pointer; the last position asked is kept, so that tests
// can read it where the platform has no pointer.
void MueveCursor(QPoint posicion);
QPoint UltimaPosicionCursor();

} // namespace plataforma
