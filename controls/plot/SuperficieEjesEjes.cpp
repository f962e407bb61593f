// The axes of the surface: lines with arrowheads, tick marks, tick
// numbers, grid dots and labels. Pixel offsets are whole numbers of 32 bits,
// so an origin far outside the window only puts its parts out of sight.
#include "SuperficieEjes.h"

#include "Entero16.h"
#include "TextoNumero.h"

#include <algorithm>
#include <cmath>

namespace {

// A counted loop on a float counter, as the drawing needs it: repeated
// addition, end included. It also stops when the counter can no longer
// grow, so no window makes it endless.
template <class Cuerpo>
void Recorre(double desde, double hasta, double paso, Cuerpo &&cuerpo)
{
    constexpr int MAXIMO_VUELTAS = 100000;
    if (!(paso != 0) || std::isnan(desde) || std::isnan(hasta))
        return;
    int vueltas = 0;
    for (double c = desde; paso > 0 ? c <= hasta : c >= hasta;) {
        cuerpo(c);
        const double siguiente = c + paso;
        if (siguiente == c || ++vueltas >= MAXIMO_VUELTAS)
            break;
        c = siguiente;
    }
}

QString TextoNumero(double valor)
{
    return QString::fromStdString(rt::CStr(valor));
}

// A tick number that the box's edge would cut is left out: half a number
// reads wrong ("-48" showing only its top, "-10" as "0"). Its extent along
// one side of the box, from inicio over largo pixels, against that side.
bool CabeEnCaja(double inicio, double largo, int lado)
{
    return inicio >= 0 && inicio + largo <= lado;
}

// A number written as a print item: a blank for its sign when it is not
// negative, and a blank behind.
QString ElementoImpreso(double valor)
{
    return (valor < 0 ? QString() : QStringLiteral(" ")) + TextoNumero(valor) + QLatin1Char(' ');
}

} // namespace

void SuperficieEjes::TrazaEjes(double Posx, double Posy)
{
    const std::int32_t c = m_colorEjes;
    const int w = AnchoCaja(), h = AltoCaja();
    const int x0 = EscalaX(Posx), y0 = EscalaY(Posy);

    m_caja.Recta(0, y0, w, y0, c);
    m_caja.Recta(x0, h, x0, 0, c);
    m_caja.Recta(x0 - 6, 12, x0, 0, c);
    m_caja.RectaHasta(x0 + 6, 13, c);
    m_caja.Recta(w - 12, y0 - 5, w - 3, y0, c);
    m_caja.RectaHasta(w - 13, y0 + 5, c);

    double escx = m_escx, escy = m_escy;
    TrazaMarcas(escx, escy, c);
    TrazaEtiquetas(m_etiquetaX, m_etiquetaY);
}

void SuperficieEjes::TrazaMarcas(double &escx, double &escy, std::int32_t color)
{
    const int x0 = EscalaX(0), y0 = EscalaY(0);

    // Marks closer than 10 pixels would merge: a tenth of the axis instead.
    if (EscalaX(escx) - x0 < 10) {
        escx = std::max(std::fabs(MinX()), std::fabs(MaxX())) / 10;
        m_escx = escx;
    }
    if (escx < MaxX())
        Recorre(escx, muevepixel(SOBREX, MaxX(), FLECHAX), escx, [&](double x) {
            const int px = EscalaX(x);
            m_caja.Recta(px, y0 + 4, px, y0 - 4, color);
        });
    if (-escx > MinX())
        Recorre(-escx, MinX(), -escx, [&](double x) {
            const int px = EscalaX(x);
            m_caja.Recta(px, y0 + 4, px, y0 - 4, color);
        });

    if (std::abs(EscalaY(escy) - y0) < 10) {
        escy = std::max(std::fabs(MinY()), std::fabs(MaxY())) / 10;
        m_escy = escy;
    }
    if (escy < MaxY())
        Recorre(escy, muevepixel(SOBREY, MaxY(), 8), escy, [&](double y) {
            const int py = EscalaY(y);
            m_caja.Recta(x0 + 4, py, x0 - 4, py, color);
        });
    if (-escy > MinY())
        Recorre(-escy, MinY(), -escy, [&](double y) {
            const int py = EscalaY(y);
            m_caja.Recta(x0 + 4, py, x0 - 4, py, color);
        });

    if (m_numerosVisibles)
        TrazaNumeros(m_escx, m_escy);
    if (m_reticulaVisible)
        TrazaReticula(escx, escy, color);
}

void SuperficieEjes::TrazaNumeros(double escx, double escy)
{
    const int x0 = EscalaX(0), y0 = EscalaY(0);
    // A frequency below 1 writes the number of every tick.
    const int frecX = std::max(m_frecX, 1);
    const int frecY = std::max(m_frecY, 1);

    // X numbers centred on their ticks; one that would come within 3
    // pixels of the previous one (counting from the origin) is skipped, and
    // so is one that the box's edge would cut. Below the axis, or above it
    // when the axis lies along the bottom edge and the numbers below it
    // could not be seen; above, they keep clear of the axis label.
    const int anchoCaja = AnchoCaja();
    const int altoCaja = AltoCaja();
    const float altoNumero = m_caja.AltoTexto(QStringLiteral("0"));
    const bool xArriba = y0 + 10 + altoNumero > altoCaja && y0 >= 0 && y0 <= altoCaja
                         && y0 - 6 - altoNumero >= 0;
    const int filaX = xArriba ? int(y0 - 6 - altoNumero) : y0 + 10;
    const double finNumerosX =
        xArriba ? EscalaX(MaxX()) - m_caja.AnchoTexto(m_etiquetaX) - 6 - 3 : double(anchoCaja);
    const auto numeroXCabe = [&](double plumaX, float ancho) {
        return CabeEnCaja(plumaX, ancho, anchoCaja) && plumaX + ancho <= finNumerosX;
    };
    int ultimo = x0;
    double paso = frecX * escx;
    Recorre(paso, muevepixel(SOBREX, MaxX(), -8), paso, [&](double x) {
        const QString s = TextoNumero(x);
        const float ancho = m_caja.AnchoTexto(s);
        const double plumaX = EscalaX(x) - ancho / 2.0;
        m_caja.CurrentX(float(plumaX));
        if (plumaX > ultimo + 3 && numeroXCabe(plumaX, ancho))
            EscribeEn(s, plumaX, filaX);
        ultimo = int(rt::RedondeaPar(m_caja.CurrentX()));
    });
    ultimo = x0;
    paso = -frecX * escx;
    Recorre(paso, MinX(), paso, [&](double x) {
        const QString s = TextoNumero(x);
        const float ancho = m_caja.AnchoTexto(s);
        const double plumaX = EscalaX(x) - ancho / 2.0;
        const int izquierda = int(rt::RedondeaPar(float(plumaX)));
        if (plumaX + ancho < ultimo - 3 && numeroXCabe(plumaX, ancho))
            EscribeEn(s, plumaX, filaX);
        ultimo = izquierda;
    });

    // Y numbers beside their ticks, right of the axis, or left of it when
    // the axis lies along the right edge; no overlap test, but one that the
    // top or bottom edge would cut is left out too.
    const auto numeroY = [&](double y) {
        const QString s = ElementoImpreso(y);
        const int plumaY = EscalaY(y) - 6;
        const float ancho = m_caja.AnchoTexto(s);
        double plumaX = x0 + 8;
        if (plumaX + ancho > anchoCaja && x0 >= 0 && x0 <= anchoCaja)
            plumaX = x0 - 8 - ancho;
        if (CabeEnCaja(plumaY, m_caja.AltoTexto(s), altoCaja))
            EscribeEn(s, plumaX, plumaY);
    };
    paso = frecY * escy;
    Recorre(paso, muevepixel(SOBREY, MaxY(), 8), paso, numeroY);
    paso = -frecY * escy;
    Recorre(paso, MinY(), paso, numeroY);
}

void SuperficieEjes::TrazaReticula(double escx, double escy, std::int32_t color)
{
    // Columns out of the box have no dot to show.
    const int ancho = AnchoCaja();
    auto cuadrante = [&](double pasoX, double finX, double pasoY, double finY) {
        Recorre(pasoX, finX, pasoX, [&](double x) {
            const int px = EscalaX(x);
            if (px < 0 || px >= ancho)
                return;
            Recorre(pasoY, finY, pasoY, [&](double y) { m_caja.Punto(px, EscalaY(y), color); });
        });
    };
    if (escx < MaxX() && escy < MaxY())
        cuadrante(escx, MaxX(), escy, MaxY());
    if (-escx > MinX() && escy < MaxY())
        cuadrante(-escx, MinX(), escy, MaxY());
    if (escx < MaxX() && -escy > MinY())
        cuadrante(escx, MaxX(), -escy, MinY());
    if (-escx > MinX() && -escy > MinY())
        cuadrante(-escx, MinX(), -escy, MinY());
}

void SuperficieEjes::TrazaEtiquetas(const QString &etiquetaX, const QString &etiquetaY)
{
    const int x0 = EscalaX(0), y0 = EscalaY(0);
    const float anchoY = m_caja.AnchoTexto(etiquetaY);
    EscribeEn(etiquetaY, x0 - anchoY - 6, EscalaY(MaxY()) + 5, true);
    const float anchoX = m_caja.AnchoTexto(etiquetaX);
    EscribeEn(etiquetaX, EscalaX(MaxX()) - anchoX - 6, y0 - 20, true);
}
