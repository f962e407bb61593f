#pragma once
// Where the character may stand: clear of the buttons and the text of the
// window in front, as near as it can be to the place it was sent to.
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace LugarPersonaje {

// What the student reads or clicks in ventana, in screen pixels: its
// buttons and other controls, the titles of its menu bar, the text of its
// labels, and the lines of text that its text boxes show. In a window with a work area of subwindows only
// the active subwindow counts, with what lies outside the work area.
QList<QRect> ZonasOcupadas(const QWidget &ventana);

// Where a balloon of tamano stands beside the figure's rectangle, both in
// screen pixels, kept within util: on the side of the figure (above, or
// below) where the screen has room for it and it covers least of zonas,
// above on a tie; where neither side has room, the side where it covers
// least, pushed into the screen. arriba, when given, says which side.
QRect LugarGlobo(QSize tamano, const QRect &figura, const QRect &util, const QList<QRect> &zonas,
                 bool *arriba = nullptr);

// The top-left corner for a figure of tamano within util: pedido itself
// when neither the figure there nor a balloon of globo beside it (placed
// by LugarGlobo) covers any of zonas; else the nearest place from which
// neither does; else one where at least the figure covers none and its
// balloon the least; when nothing is clear, the one that covers least.
QPoint Elige(QPoint pedido, QSize tamano, const QRect &util, const QList<QRect> &zonas,
             QSize globo = {});

} // namespace LugarPersonaje
