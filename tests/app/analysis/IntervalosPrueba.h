#pragma once
// What the interval exercises' tests share: an interval typed and checked
// as the student does it, the sentences as the tab shows them, and where
// a band was drawn on the strip under the graph.
#include "EntornoEjercicios.h"

#include "VentanaIntervalos.h"

#include <QImage>
#include <QRadioButton>

// Types both ends (a null text leaves a box alone), clicks quality option
// `opcion` (-1: none) and "Listo".
inline void DaIntervalo(VentanaIntervalos &w, const QString &izq, const QString &der, int opcion)
{
    if (!izq.isNull())
        Escribe(*w.txtraices2(0), izq);
    if (!der.isNull())
        Escribe(*w.txtraices2(1), der);
    if (opcion >= 0)
        w.OptCualidad(opcion)->click();
    Pulsa(*w.cmdListo());
    Asienta();
}

inline QString Oraciones(VentanaIntervalos &w)
{
    return QString::fromStdString(w.rtbIntervalos()->Text());
}

// The strip as the graph window sets it: the graph's x range, 0..4 in y.
inline void PreparaFranja(GraficaPrueba &g)
{
    g.franja.EscalaVentana(g.graf.MinX(), 0, g.graf.MaxX(), 4);
    g.franja.Limpia();
}

// Pixels of the strip that changed from `antes`, between abscissas x1 and
// x2, on the track written at height `altura`.
inline int CambiosEnPista(PictureEjes &franja, const QImage &antes, double x1, double x2, double altura)
{
    const QImage ahora = franja.Imagen();
    const int arriba = franja.EscalaY(altura) - 2;
    const int abajo = franja.EscalaY(altura - 0.7);
    int n = 0;
    for (int y = std::max(0, arriba); y <= abajo && y < ahora.height(); ++y)
        for (int x = std::max(0, franja.EscalaX(x1)); x <= franja.EscalaX(x2) && x < ahora.width(); ++x)
            n += ahora.pixel(x, y) != antes.pixel(x, y);
    return n;
}
