#include "SuperficieEjes.h"

#include "Avisos.h"
#include "Entero16.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double LIMITE_PIXEL = 32760;

const char *const NOMBRES_EXTREMOS[4] = {"MinX", "MaxX", "MinY", "MaxY"};

// A world value made pixel: clamped so that two pixels on the same side of
// the box stay within 32760 of each other, half pixels going up. Only an
// invalid result (not a number) falls back on the plain value.
int APixel(double v, double respaldo)
{
    if (std::isnan(v)) {
        if (std::isnan(respaldo))
            return 0;
        return int(rt::RedondeaPar(std::clamp(respaldo, -LIMITE_PIXEL, LIMITE_PIXEL)));
    }
    if (v > LIMITE_PIXEL)
        v = LIMITE_PIXEL;
    else if (v < -LIMITE_PIXEL)
        v = -LIMITE_PIXEL;
    return int(std::floor(v + 0.5));
}

} // namespace

SuperficieEjes::SuperficieEjes() = default;

void SuperficieEjes::Redimensiona(int ancho, int alto)
{
    m_caja.Redimensiona(ancho, alto);
    Redibuja();
}

void SuperficieEjes::Notifica(const QString &nombre)
{
    if (AlCambiarPropiedad)
        AlCambiarPropiedad(nombre);
}

int SuperficieEjes::AnchoCaja() const { return m_caja.Ancho(); }
int SuperficieEjes::AltoCaja() const { return m_caja.Alto(); }

void SuperficieEjes::ValidaExtremo(double nuevo, int indice)
{
    const bool esMinimo = indice % 2 == 0;
    const bool acepta = esMinimo ? nuevo < m_extremos[indice + 1] : nuevo > m_extremos[indice - 1];
    if (!acepta) {
        // The same text whichever end of the axis was written.
        const int minimo = esMinimo ? indice : indice - 1;
        rt::MuestraAviso(std::string("El valor del extremo ") + NOMBRES_EXTREMOS[minimo + 1]
                             + " es menor o igual que el del extremo " + NOMBRES_EXTREMOS[minimo],
                         "ERROR: Extremo mal definido");
        return;
    }
    m_extremos[indice] = nuevo;
    Notifica(QString::fromLatin1(NOMBRES_EXTREMOS[indice]));
    Redibuja();
}

void SuperficieEjes::ValidaEscala(double nuevo, const QString &nombre)
{
    if (!(nuevo > 0)) {
        rt::MuestraAviso("El valor de " + nombre.toStdString() + " debe ser positivo",
                         "ERROR: Escala mal definida");
        return;
    }
    if (nombre == QLatin1String("EscX"))
        m_escx = nuevo;
    else if (nombre == QLatin1String("EscY"))
        m_escy = nuevo;
    Notifica(nombre);
    Redibuja();
}

void SuperficieEjes::EjesVisibles(bool valor)
{
    if (valor == m_ejesVisibles)
        return;
    m_ejesVisibles = valor;
    Notifica(QStringLiteral("EjesVisibles"));
    Redibuja();
}

void SuperficieEjes::ReticulaVisible(bool valor)
{
    if (valor == m_reticulaVisible)
        return;
    m_reticulaVisible = valor;
    Notifica(QStringLiteral("ReticulaVisible"));
    Redibuja();
}

void SuperficieEjes::NumDeEscVisible(bool valor)
{
    m_numerosVisibles = valor;
    Notifica(QStringLiteral("NumDeEscVisible"));
    Redibuja();
}

void SuperficieEjes::FrecNumEscX(int valor)
{
    m_frecX = valor;
    Notifica(QStringLiteral("FrecNumEscX"));
    Redibuja();
}

void SuperficieEjes::FrecNumEscY(int valor)
{
    m_frecY = valor;
    Notifica(QStringLiteral("FrecNumEscY"));
    Redibuja();
}

void SuperficieEjes::EtiquetaX(const QString &valor)
{
    m_etiquetaX = valor;
    Notifica(QStringLiteral("EtiquetaX"));
    Redibuja();
}

void SuperficieEjes::EtiquetaY(const QString &valor)
{
    m_etiquetaY = valor;
    Notifica(QStringLiteral("EtiquetaY"));
    Redibuja();
}

void SuperficieEjes::ColorEjes(std::int32_t valor)
{
    m_colorEjes = valor;
    Notifica(QStringLiteral("ColorEjes"));
}

void SuperficieEjes::AutoReDraw(bool valor)
{
    m_caja.AutoRedraw(valor);
    Notifica(QStringLiteral("AutoReDraw"));
}

void SuperficieEjes::BackColor(std::int32_t valor)
{
    m_caja.BackColor(valor);
    Notifica(QStringLiteral("BackColor"));
    Redibuja();
}

void SuperficieEjes::DrawWidth(int valor)
{
    m_caja.DrawWidth(valor);
    Notifica(QStringLiteral("DrawWidth"));
}

void SuperficieEjes::DrawMode(int valor)
{
    m_caja.DrawMode(valor);
    Notifica(QStringLiteral("DrawMode"));
}

void SuperficieEjes::DrawStyle(int valor)
{
    m_caja.DrawStyle(valor);
    Notifica(QStringLiteral("DrawStyle"));
}

void SuperficieEjes::FillColor(std::int32_t valor)
{
    m_caja.FillColor(valor);
    Notifica(QStringLiteral("FillColor"));
}

void SuperficieEjes::FillStyle(int valor)
{
    m_caja.FillStyle(valor);
    Notifica(QStringLiteral("FillStyle"));
}

void SuperficieEjes::ForeColor(std::int32_t valor)
{
    m_caja.ForeColor(valor);
    Notifica(QStringLiteral("ForeColor"));
}

void SuperficieEjes::Font(const QFont &valor)
{
    m_caja.Fuente(valor);
    Notifica(QStringLiteral("Font"));
    Redibuja();
}

double SuperficieEjes::Xactual() const
{
    return PixelToReal(SOBREX, int(rt::RedondeaPar(m_caja.CurrentX())));
}

void SuperficieEjes::Xactual(double valor)
{
    m_caja.CurrentX(float(EscalaX(valor)));
}

double SuperficieEjes::Yactual() const
{
    return PixelToReal(SOBREY, int(rt::RedondeaPar(m_caja.CurrentY())));
}

void SuperficieEjes::Yactual(double valor)
{
    m_caja.CurrentY(float(EscalaY(valor)));
}

int SuperficieEjes::EscalaX(double x) const
{
    const double w = AnchoCaja();
    const double v = ((x - MinX()) / (MaxX() - MinX())) * w;
    return APixel(v, x - MinX());
}

int SuperficieEjes::EscalaY(double y) const
{
    const double h = AltoCaja();
    const double v = (1 - (y - MinY()) / (MaxY() - MinY())) * h;
    return APixel(v, (1 - (y - MinY())) * h);
}

double SuperficieEjes::PixelToReal(int eje, int p) const
{
    if (eje == SOBREX)
        return ((MaxX() - MinX()) * p) / AnchoCaja() + MinX();
    if (eje == SOBREY)
        return ((MaxY() - MinY()) * (AltoCaja() - p)) / AltoCaja() + MinY();
    return 0;
}

double SuperficieEjes::muevepixel(int eje, double coorR, int despl) const
{
    if (eje != SOBREX && eje != SOBREY)
        return 0;
    const int p = eje == SOBREX ? EscalaX(coorR) : EscalaY(coorR);
    const long long q = static_cast<long long>(p) + despl;
    // A move that would leave the pixel range is refused, not clamped.
    const int destino = (q > LIMITE_PIXEL || q < -LIMITE_PIXEL) ? p : int(q);
    return PixelToReal(eje, destino);
}

void SuperficieEjes::EscalaVentana(double xinf, double yinf, double xsup, double ysup)
{
    if (xinf > xsup)
        std::swap(xinf, xsup);
    if (yinf > ysup)
        std::swap(yinf, ysup);
    // An axis whose ends are not ordered (equal, or not numbers) is
    // reported and keeps its window: an equal pair would leave nothing to
    // divide by.
    const bool xValido = xinf < xsup;
    const bool yValido = yinf < ysup;
    if (!xValido)
        rt::MuestraAviso("El valor del extremo MaxX es menor o igual que el del extremo MinX",
                         "ERROR: Extremo mal definido");
    if (!yValido)
        rt::MuestraAviso("El valor del extremo MaxY es menor o igual que el del extremo MinY",
                         "ERROR: Extremo mal definido");
    const bool ejes = EjesVisibles();
    EjesVisibles(false);
    if (xValido) {
        m_extremos[MINIMAX] = xinf;
        m_extremos[MAXIMAX] = xsup;
    }
    if (yValido) {
        m_extremos[MINIMAY] = yinf;
        m_extremos[MAXIMAY] = ysup;
    }
    EjesVisibles(ejes);
    Redibuja();
}

void SuperficieEjes::Redibuja()
{
    m_caja.Borra();
    if (m_ejesVisibles)
        TrazaEjes(0, 0);
    if (AlBorrar)
        AlBorrar();
}
