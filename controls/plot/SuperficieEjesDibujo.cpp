// Drawing in world units on the inner box.
#include "SuperficieEjes.h"

#include "Entero16.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int LIMITE_PIXEL = 32760;

bool AlgunoNoNumero(std::initializer_list<double> valores)
{
    for (double v : valores)
        if (std::isnan(v))
            return true;
    return false;
}

bool CabeEnPixeles(int p1, int p2)
{
    return std::abs(p1 - p2) <= LIMITE_PIXEL;
}

// One stage of the clipping: when the segment crosses the edge b of the
// axis a (an end lying on the edge does not count), the end beyond it
// moves onto it, its other coordinate o following the segment. The first
// end is the one beyond when it lies below b (fueraPorDebajo) or above it.
void CortaEnBorde(double &a1, double &o1, double &a2, double &o2, double b, bool fueraPorDebajo)
{
    if (!((a2 - b) * (a1 - b) < 0))
        return;
    const double s = (o2 - o1) / (a2 - a1);
    if (fueraPorDebajo ? a1 < b : a1 > b) {
        o1 = (b - a1) * s + o1;
        a1 = b;
    } else {
        o2 = (b - a1) * s + o1;
        a2 = b;
    }
}

} // namespace

bool SuperficieEjes::ExtremosEnPixeles(double x1, double y1, double x2, double y2, int p[4]) const
{
    p[0] = EscalaX(x1);
    p[1] = EscalaY(y1);
    p[2] = EscalaX(x2);
    p[3] = EscalaY(y2);
    return CabeEnPixeles(p[0], p[2]) && CabeEnPixeles(p[1], p[3]);
}

bool SuperficieEjes::TramoEnPixeles(double x1, double y1, double x2, double y2, int p[4]) const
{
    // A segment through an undefined value has nothing to show.
    if (AlgunoNoNumero({x1, y1, x2, y2}))
        return false;
    return ExtremosEnPixeles(x1, y1, x2, y2, p) || RecortaLinea(x1, y1, x2, y2, p);
}

void SuperficieEjes::Linea(double x1, double y1, double x2, double y2, std::int32_t color)
{
    int p[4];
    if (!TramoEnPixeles(x1, y1, x2, y2, p))
        return;
    if (color == -1)
        color = m_caja.ForeColor();
    m_caja.Recta(p[0], p[1], p[2], p[3], color);
}

void SuperficieEjes::Polilinea(const std::vector<QPointF> &puntos, std::int32_t color)
{
    std::vector<QLine> tramos;
    tramos.reserve(puntos.size());
    int p[4];
    for (std::size_t i = 1; i < puntos.size(); ++i) {
        const QPointF &a = puntos[i - 1], &b = puntos[i];
        if (TramoEnPixeles(a.x(), a.y(), b.x(), b.y(), p))
            tramos.emplace_back(p[0], p[1], p[2], p[3]);
    }
    if (color == -1)
        color = m_caja.ForeColor();
    m_caja.Rectas(tramos, color);
}

bool SuperficieEjes::RecortaLinea(double x1, double y1, double x2, double y2, int p[4]) const
{
    // Bottom, top, left and right edge in turn, each on the ends as the
    // one before left them.
    CortaEnBorde(y1, x1, y2, x2, MinY(), true);
    CortaEnBorde(y1, x1, y2, x2, MaxY(), false);
    CortaEnBorde(x1, y1, x2, y2, MinX(), true);
    CortaEnBorde(x1, y1, x2, y2, MaxX(), false);
    // Arithmetic that went out of range leaves nothing to draw.
    for (double v : {x1, y1, x2, y2})
        if (!std::isfinite(v))
            return false;
    return ExtremosEnPixeles(x1, y1, x2, y2, p);
}

void SuperficieEjes::Rectangulo(double x1, double y1, double x2, double y2, std::int32_t color)
{
    if (AlgunoNoNumero({x1, y1, x2, y2}))
        return;
    int p[4];
    const bool cabe = ExtremosEnPixeles(x1, y1, x2, y2, p);
    if (color == -1)
        color = m_caja.ForeColor();
    // A box is never clipped: one too long is not drawn.
    if (cabe)
        m_caja.Caja(p[0], p[1], p[2], p[3], color);
}

void SuperficieEjes::Punto(double x, double y, std::int32_t color)
{
    if (AlgunoNoNumero({x, y}))
        return;
    m_caja.Punto(EscalaX(x), EscalaY(y), color);
}

void SuperficieEjes::Circulo(double x, double y, double r, std::int32_t color, float ini, float fin, float asp)
{
    // The aspect in pixels: world aspect times the box's height over width.
    float a = float((MaxX() - MinX()) * asp / (MaxY() - MinY()));
    a = (float(AltoCaja()) / float(AnchoCaja())) * a;
    if (!(r >= 0) || AlgunoNoNumero({x, y}) || !std::isfinite(a))
        return;
    const int radio = a <= 1 ? EscalaX(x + r) - EscalaX(x) : EscalaY(y) - EscalaY(y + r);
    const bool arco = !(ini == 0 && fin == 0);
    m_caja.Elipse(EscalaX(x), EscalaY(y), radio, color, a, arco, ini, fin);
}

void SuperficieEjes::disco(double x, double y, int rpix, std::int32_t color, bool lleno)
{
    if (AlgunoNoNumero({x, y}))
        return;
    const int cx = EscalaX(x), cy = EscalaY(y);
    if (!lleno) {
        m_caja.Elipse(cx, cy, float(rpix), color, 1.0);
        return;
    }
    const std::int32_t relleno = m_caja.FillColor();
    const int estilo = m_caja.FillStyle();
    m_caja.FillColor(color);
    m_caja.FillStyle(0);
    m_caja.Elipse(cx, cy, float(rpix), color, 1.0);
    m_caja.FillColor(relleno);
    m_caja.FillStyle(estilo);
}

double SuperficieEjes::AnchoTexto(const QString &cad) const
{
    const int n = int(rt::RedondeaPar(m_caja.AnchoTexto(cad)));
    return PixelToReal(SOBREX, n) - MinX();
}

void SuperficieEjes::imprime(const QString &cad)
{
    m_caja.Escribe(cad);
}

void SuperficieEjes::imprimeEntre(const QString &cad, double desde, double hasta)
{
    // Whole columns: a band ending at x and one starting there share none.
    m_caja.EscribeEntre(cad, float(EscalaX(desde)), float(EscalaX(hasta)));
}

void SuperficieEjes::ImprimeEnCoor(const QString &cad, double x, double y)
{
    const double xa = Xactual(), ya = Yactual();
    Xactual(x);
    Yactual(y);
    imprime(cad);
    Xactual(xa);
    Yactual(ya);
}

void SuperficieEjes::BorraEnCoor(const QString &cad, double x, double y)
{
    const std::int32_t tinta = m_caja.ForeColor();
    m_caja.ForeColor(m_caja.BackColor());
    ImprimeEnCoor(cad, x, y);
    m_caja.ForeColor(tinta);
}

void SuperficieEjes::EscribeEn(const QString &texto, double px, double py, bool saltoLinea)
{
    m_caja.CurrentX(float(px));
    m_caja.CurrentY(float(py));
    m_caja.Escribe(texto, saltoLinea);
}
