#include "CajaPlotrane.h"

#include "LienzoImagen.h"

#include <QMouseEvent>
#include <QPainter>

CajaPlotrane::CajaPlotrane(const LienzoImagen &lienzo, QWidget *parent)
    : QWidget(parent)
    , m_lienzo(lienzo)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CajaPlotrane::paintEvent(QPaintEvent *evento)
{
    QPainter pintor(this);
    pintor.drawImage(evento->rect(), m_lienzo.Imagen(), evento->rect());
    emit Pintada();
}

namespace {

int BitsBotones(Qt::MouseButtons botones)
{
    int bits = 0;
    if (botones & Qt::LeftButton)
        bits |= 1;
    if (botones & Qt::RightButton)
        bits |= 2;
    if (botones & Qt::MiddleButton)
        bits |= 4;
    return bits;
}

int BitsTeclas(Qt::KeyboardModifiers teclas)
{
    int bits = 0;
    if (teclas & Qt::ShiftModifier)
        bits |= 1;
    if (teclas & Qt::ControlModifier)
        bits |= 2;
    if (teclas & Qt::AltModifier)
        bits |= 4;
    return bits;
}

} // namespace

void CajaPlotrane::Reporta(int tipo, QMouseEvent *evento, bool soloBoton)
{
    // A press or release names the button that changed; a move, all held.
    const int boton = BitsBotones(soloBoton ? Qt::MouseButtons(evento->button()) : evento->buttons());
    const QPointF pos = evento->position();
    emit Raton(tipo, boton, BitsTeclas(evento->modifiers()), pos.x(), pos.y());
}

void CajaPlotrane::mouseReleaseEvent(QMouseEvent *evento) { Reporta(0, evento, true); }
void CajaPlotrane::mousePressEvent(QMouseEvent *evento) { Reporta(1, evento, true); }
void CajaPlotrane::mouseMoveEvent(QMouseEvent *evento) { Reporta(2, evento, false); }
