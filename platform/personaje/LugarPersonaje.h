#pragma once
// Where the character may stand: clear of the buttons and the text of the
// window in front, as near as it can be to the place it was sent to.
#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace LugarPersonaje {

// What the student reads or clicks in ventana, in screen pixels: its
// buttons and other controls, the text of its labels, and the lines of text
// that its text boxes show. In a window with a work area of subwindows only
// the active subwindow counts, with what lies outside the work area.
QList<QRect> ZonasOcupadas(const QWidget &ventana);

// The top-left corner for a figure of tamano within util: pedido itself
// when the figure there, with the room around it that its balloon takes
// (globo, above it, or below it where the screen has no room above),
// covers none of zonas; else the nearest place from which neither
// does; else one where at least the figure covers none and its balloon's
// room the least; when nothing is clear, the one that covers least.
QPoint Elige(QPoint pedido, QSize tamano, const QRect &util, const QList<QRect> &zonas,
             const QMargins &globo = {});

} // namespace LugarPersonaje
