#include "LienzoImagen.h"

#include "ColorOle.h"
#include "Fuentes.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

constexpr int PUNTOS_POR_METRO = 3780;   // 96 dots per inch
constexpr double PI = 3.14159265358979323846;

// The image on which text is measured when the picture is still empty.
QImage &DispositivoMedida()
{
    static QImage imagen = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(PUNTOS_POR_METRO);
        i.setDotsPerMeterY(PUNTOS_POR_METRO);
        return i;
    }();
    return imagen;
}

// The sixteen ways a pen combines with what is already there.
std::uint32_t Combinacion(int modo, std::uint32_t d, std::uint32_t p)
{
    switch (modo) {
    case 1: return 0;
    case 2: return ~(d | p);
    case 3: return d & ~p;
    case 4: return ~p;
    case 5: return p & ~d;
    case 6: return ~d;
    case 7: return d ^ p;
    case 8: return ~(d & p);
    case 9: return d & p;
    case 10: return ~(d ^ p);
    case 11: return d;
    case 12: return d | ~p;
    case 14: return p | ~d;
    case 15: return d | p;
    case 16: return 0xFFFFFF;
    default: return p;
    }
}

// On/off runs of the line styles, in pixels.
const std::vector<int> &Patron(int estilo)
{
    static const std::vector<int> solido;
    static const std::vector<int> patrones[] = {{18, 6}, {3, 3}, {9, 6, 3, 6}, {9, 3, 3, 3, 3, 3}};
    if (estilo >= 1 && estilo <= 4)
        return patrones[estilo - 1];
    return solido;
}

Qt::BrushStyle TramaRelleno(int estilo)
{
    switch (estilo) {
    case 0: return Qt::SolidPattern;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

QColor Marca(int valor) { return QColor(valor, valor, valor); }

// A pixel of a segment's trace, unless the shape combined it already.
void MarcaTrazo(std::uint8_t &marca, std::uint8_t trazo, std::uint8_t hecha)
{
    if (marca != hecha)
        marca = trazo;
}

// The rectangle with two opposite corners, both inside it.
QRect RectDeEsquinas(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
}

} // namespace

LienzoImagen::LienzoImagen()
{
    Redimensiona(0, 0);
}

void LienzoImagen::Redimensiona(int ancho, int alto)
{
    ancho = std::max(ancho, 0);
    alto = std::max(alto, 0);
    QImage nueva(ancho, alto, QImage::Format_RGB32);
    nueva.setDotsPerMeterX(PUNTOS_POR_METRO);
    nueva.setDotsPerMeterY(PUNTOS_POR_METRO);
    nueva.fill(PixelDeOle(m_fondo));
    if (!m_imagen.isNull() && !nueva.isNull()) {
        QPainter pintor(&nueva);
        pintor.drawImage(0, 0, m_imagen);
    }
    m_imagen = nueva;
    m_mascara = QImage(ancho, alto, QImage::Format_Grayscale8);
    m_mascara.fill(0);
    Avisa();
}

void LienzoImagen::DrawMode(int modo)
{
    // The box knows modes 1 to 16 only; anything else leaves the mode as it is.
    if (modo >= 1 && modo <= 16)
        m_modo = modo;
}

QFont LienzoImagen::Fuente() const
{
    QFont fuente(m_nombreFuente);
    fuente.setPointSizeF(m_puntos);
    fuente.setBold(m_negrita);
    fuente.setItalic(m_cursiva);
    fuente.setUnderline(m_subrayada);
    return fuente;
}

void LienzoImagen::Fuente(const QFont &fuente)
{
    m_nombreFuente = fuente.family();
    if (fuente.pointSizeF() > 0)
        m_puntos = fuente.pointSizeF();
    else if (fuente.pixelSize() > 0)
        m_puntos = fuente.pixelSize() * 72.0 / 96.0;
    m_negrita = fuente.bold();
    m_cursiva = fuente.italic();
    m_subrayada = fuente.underline();
}

void LienzoImagen::NombreFuente(const QString &nombre) { m_nombreFuente = nombre; }

void LienzoImagen::TamanoFuente(double puntos)
{
    if (puntos > 0)
        m_puntos = puntos;
}

void LienzoImagen::NegritaFuente(bool negrita) { m_negrita = negrita; }

QFont LienzoImagen::FuenteDibujo() const
{
    // The program names desktop fonts of another system: the program's
    // own mapping first, then a font that is always installed.
    if (m_familia.isEmpty() || m_familiaDe != m_nombreFuente) {
        m_familiaDe = m_nombreFuente;
        m_familia = plataforma::FamiliaInstalada(m_nombreFuente);
        if (!QFontDatabase::hasFamily(m_familia))
            m_familia = QStringLiteral("DejaVu Sans");
    }
    QFont fuente(m_familia);
    fuente.setPointSizeF(m_puntos);
    fuente.setBold(m_negrita);
    fuente.setItalic(m_cursiva);
    fuente.setUnderline(m_subrayada);
    fuente.setStyleStrategy(QFont::NoAntialias);
    fuente.setHintingPreference(QFont::PreferFullHinting);
    return fuente;
}

void LienzoImagen::Avisa()
{
    if (AlCambiar)
        AlCambiar();
}

QRect LienzoImagen::Limita(const QRect &rect) const
{
    return rect & m_imagen.rect();
}

void LienzoImagen::Borra()
{
    m_imagen.fill(PixelDeOle(m_fondo));
    m_actualX = 0;
    m_actualY = 0;
    Avisa();
}

void LienzoImagen::MarcaRecta(int x1, int y1, int x2, int y2, bool conUltimo)
{
    if (m_grosor > 1) {
        MarcaRectaGruesa(x1, y1, x2, y2);
        return;
    }
    // One pixel wide: each pixel of the segment once, the style's runs
    // counted from its start.
    const std::vector<int> &patron = Patron(m_estiloTrazo);
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1, y = y1;
    std::size_t tramo = 0;
    int enTramo = 0;
    const int ancho = m_mascara.width(), alto = m_mascara.height();
    for (;;) {
        const bool fin = x == x2 && y == y2;
        if (fin && !conUltimo)
            break;
        const bool encendido = patron.empty() || tramo % 2 == 0;
        if (encendido && x >= 0 && y >= 0 && x < ancho && y < alto)
            MarcaTrazo(m_mascara.scanLine(y)[x], MARCA_TRAZO, m_hecha);
        if (!patron.empty() && ++enTramo >= patron[tramo]) {
            enTramo = 0;
            tramo = (tramo + 1) % patron.size();
        }
        if (fin)
            break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void LienzoImagen::MarcaRectaGruesa(int x1, int y1, int x2, int y2)
{
    // Every pixel within half the pen's width of the segment (round ends),
    // row by row: on each row that set is one run, the union of what the
    // two end discs and the band along the segment leave of it. Done here
    // rather than by a painter, whose set-up would cost more than the few
    // pixels of a segment one column long.
    const double r = m_grosor / 2.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double largo2 = dx * dx + dy * dy;
    const double largo = std::sqrt(largo2);
    const int ancho = m_mascara.width(), alto = m_mascara.height();
    const int desde = std::max(0, int(std::ceil(std::min(y1, y2) - r)));
    const int hasta = std::min(alto - 1, int(std::floor(std::max(y1, y2) + r)));
    for (int y = desde; y <= hasta; ++y) {
        double izq = HUGE_VAL, der = -HUGE_VAL;
        auto une = [&](double a, double b) {
            if (a <= b) {
                izq = std::min(izq, a);
                der = std::max(der, b);
            }
        };
        for (const auto &[ex, ey] : {std::pair<double, double>(x1, y1), std::pair<double, double>(x2, y2)}) {
            const double h = r * r - (y - ey) * (y - ey);
            if (h >= 0)
                une(ex - std::sqrt(h), ex + std::sqrt(h));
        }
        if (largo2 > 0) {
            // Within r of the line: |dx (y - y1) - dy (x - x1)| <= r L;
            // between the ends: 0 <= dx (x - x1) + dy (y - y1) <= L^2.
            double a = -HUGE_VAL, b = HUGE_VAL;
            const double cruz = dx * (y - y1);
            if (dy != 0) {
                const double p = x1 + (cruz - r * largo) / dy, q = x1 + (cruz + r * largo) / dy;
                a = std::min(p, q);
                b = std::max(p, q);
            } else if (std::fabs(cruz) > r * largo) {
                a = HUGE_VAL;
            }
            const double punto = dy * (y - y1);
            if (dx != 0) {
                const double p = x1 - punto / dx, q = x1 + (largo2 - punto) / dx;
                a = std::max(a, std::min(p, q));
                b = std::min(b, std::max(p, q));
            } else if (punto < 0 || punto > largo2) {
                a = HUGE_VAL;
            }
            une(a, b);
        }
        const int xa = std::max(0, int(std::ceil(izq)));
        const int xb = std::min(ancho - 1, int(std::floor(der)));
        std::uint8_t *fila = m_mascara.scanLine(y);
        for (int x = xa; x <= xb; ++x)
            MarcaTrazo(fila[x], MARCA_TRAZO, m_hecha);
    }
}

void LienzoImagen::Combina(const QRect &rect, std::int32_t colorTrazo, std::int32_t colorRelleno)
{
    if (CombinaZona(rect, colorTrazo, colorRelleno))
        Avisa();
}

bool LienzoImagen::CombinaZona(const QRect &rect, std::int32_t colorTrazo, std::int32_t colorRelleno,
                               std::uint8_t queda)
{
    const QRect zona = Limita(rect);
    if (zona.isEmpty())
        return false;
    const std::uint32_t trazo = PixelDeOle(colorTrazo) & 0xFFFFFF;
    const std::uint32_t relleno = PixelDeOle(colorRelleno) & 0xFFFFFF;
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        std::uint8_t *marca = m_mascara.scanLine(y);
        auto *pixel = reinterpret_cast<std::uint32_t *>(m_imagen.scanLine(y));
        for (int x = zona.left(); x <= zona.right(); ++x) {
            if (marca[x] != MARCA_TRAZO && marca[x] != MARCA_RELLENO)
                continue;
            const std::uint32_t pluma = marca[x] == MARCA_TRAZO ? trazo : relleno;
            pixel[x] = 0xFF000000u | (Combinacion(m_modo, pixel[x] & 0xFFFFFF, pluma) & 0xFFFFFF);
            marca[x] = queda;
        }
    }
    return true;
}

void LienzoImagen::NuevaHecha()
{
    if (m_hecha == 255) {
        m_mascara.fill(LIBRE);
        m_hecha = PRIMERA_HECHA;
    } else {
        ++m_hecha;
    }
}

QRect LienzoImagen::ZonaDeRecta(const QLine &tramo) const
{
    // The pen reaches half its width beyond the segment, round ends included.
    const int margen = m_grosor / 2 + 1;
    return RectDeEsquinas(tramo.x1(), tramo.y1(), tramo.x2(), tramo.y2())
        .adjusted(-margen, -margen, margen, margen);
}

void LienzoImagen::Recta(int x1, int y1, int x2, int y2, std::int32_t color)
{
    m_actualX = float(x2);
    m_actualY = float(y2);
    if (m_estiloTrazo == 5 || m_imagen.isNull())
        return;
    MarcaRecta(x1, y1, x2, y2, false);
    Combina(ZonaDeRecta(QLine(x1, y1, x2, y2)), color, color);
}

void LienzoImagen::Rectas(const std::vector<QLine> &tramos, std::int32_t color)
{
    if (tramos.empty())
        return;
    m_actualX = float(tramos.back().x2());
    m_actualY = float(tramos.back().y2());
    if (m_estiloTrazo == 5 || m_imagen.isNull())
        return;
    // Each segment is combined as soon as it is marked, its pixels left
    // marked as done so that a later segment through them passes them by.
    bool cambio = false;
    for (const QLine &t : tramos) {
        MarcaRecta(t.x1(), t.y1(), t.x2(), t.y2(), false);
        cambio = CombinaZona(ZonaDeRecta(t), color, color, m_hecha) || cambio;
    }
    NuevaHecha();
    if (cambio)
        Avisa();
}

void LienzoImagen::RectaHasta(int x, int y, std::int32_t color)
{
    Recta(int(std::lround(m_actualX)), int(std::lround(m_actualY)), x, y, color);
}

void LienzoImagen::Caja(int x1, int y1, int x2, int y2, std::int32_t color)
{
    m_actualX = float(x2);
    m_actualY = float(y2);
    if (m_imagen.isNull())
        return;
    const QRect caja = RectDeEsquinas(x1, y1, x2, y2);
    const Qt::BrushStyle trama = TramaRelleno(m_estiloRelleno);
    if (trama != Qt::NoBrush) {
        QPainter pintor(&m_mascara);
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(QBrush(Marca(MARCA_RELLENO), trama));
        pintor.drawRect(caja);
    }
    if (m_estiloTrazo != 5) {
        if (m_grosor > 1) {
            QPainter pintor(&m_mascara);
            pintor.setPen(QPen(Marca(MARCA_TRAZO), m_grosor, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            pintor.drawRect(QRectF(caja.left(), caja.top(), caja.width() - 1, caja.height() - 1));
        } else {
            MarcaRecta(caja.left(), caja.top(), caja.right(), caja.top(), true);
            MarcaRecta(caja.right(), caja.top(), caja.right(), caja.bottom(), true);
            MarcaRecta(caja.right(), caja.bottom(), caja.left(), caja.bottom(), true);
            MarcaRecta(caja.left(), caja.bottom(), caja.left(), caja.top(), true);
        }
    }
    const int margen = m_grosor + 2;
    Combina(caja.adjusted(-margen, -margen, margen, margen), color, m_relleno);
}

void LienzoImagen::Punto(int x, int y, std::int32_t color)
{
    m_actualX = float(x);
    m_actualY = float(y);
    if (m_imagen.isNull())
        return;
    if (m_grosor > 1) {
        QPainter pintor(&m_mascara);
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(Marca(MARCA_TRAZO));
        const double radio = m_grosor / 2.0;
        pintor.drawEllipse(QPointF(x + 0.5, y + 0.5), radio, radio);
    } else if (m_imagen.rect().contains(x, y)) {
        m_mascara.scanLine(y)[x] = MARCA_TRAZO;
    }
    const int margen = m_grosor + 2;
    Combina(QRect(x - margen, y - margen, 2 * margen + 1, 2 * margen + 1), color, color);
}

void LienzoImagen::Elipse(int cx, int cy, double radio, std::int32_t color, double aspecto,
                          bool arco, double ini, double fin)
{
    m_actualX = float(cx);
    m_actualY = float(cy);
    if (m_imagen.isNull())
        return;
    radio = std::fabs(radio);
    aspecto = std::fabs(aspecto);
    double rx = radio, ry = radio * aspecto;
    if (aspecto > 1) {
        ry = radio;
        rx = radio / aspecto;
    }
    const QRectF caja(cx - rx, cy - ry, 2 * rx, 2 * ry);
    const Qt::BrushStyle trama = TramaRelleno(m_estiloRelleno);

    QPainter pintor(&m_mascara);
    QPen pluma(Marca(MARCA_TRAZO), m_grosor > 1 ? m_grosor : 0);
    if (m_grosor <= 1 && !Patron(m_estiloTrazo).empty()) {
        QList<qreal> tramos;
        for (int t : Patron(m_estiloTrazo))
            tramos << t;
        pluma.setDashPattern(tramos);
    }
    const bool sinTrazo = m_estiloTrazo == 5;

    if (!arco) {
        if (trama != Qt::NoBrush) {
            pintor.setPen(Qt::NoPen);
            pintor.setBrush(QBrush(Marca(MARCA_RELLENO), trama));
            pintor.drawEllipse(caja);
        }
        if (!sinTrazo) {
            pintor.setBrush(Qt::NoBrush);
            pintor.setPen(pluma);
            pintor.drawEllipse(caja);
        }
    } else {
        // A negative end also draws the radius to it; both negative make a pie.
        const bool radioIni = ini < 0, radioFin = fin < 0;
        ini = std::fabs(ini);
        fin = std::fabs(fin);
        double barrido = fin - ini;
        if (barrido < 0)
            barrido += 2 * PI;
        const int a16 = int(std::lround(ini * 180 / PI * 16));
        const int b16 = int(std::lround(barrido * 180 / PI * 16));
        if (radioIni && radioFin && trama != Qt::NoBrush) {
            pintor.setPen(Qt::NoPen);
            pintor.setBrush(QBrush(Marca(MARCA_RELLENO), trama));
            pintor.drawPie(caja, a16, b16);
        }
        if (!sinTrazo) {
            pintor.setBrush(Qt::NoBrush);
            pintor.setPen(pluma);
            pintor.drawArc(caja, a16, b16);
            const QPointF centro(cx, cy);
            if (radioIni)
                pintor.drawLine(centro, QPointF(cx + rx * std::cos(ini), cy - ry * std::sin(ini)));
            if (radioFin)
                pintor.drawLine(centro, QPointF(cx + rx * std::cos(fin), cy - ry * std::sin(fin)));
        }
    }
    pintor.end();
    const int margen = m_grosor + 2;
    Combina(caja.toAlignedRect().adjusted(-margen, -margen, margen, margen), color, m_relleno);
}

void LienzoImagen::Escribe(const QString &texto, bool saltoLinea)
{
    EscribeRecortado(texto, saltoLinea, QRectF());
}

void LienzoImagen::EscribeEntre(const QString &texto, float izquierda, float derecha)
{
    if (!(derecha > izquierda)) {
        // Nothing of it shows; the pen moves all the same.
        m_actualX += AnchoTexto(texto);
        Avisa();
        return;
    }
    const float alto = float(m_imagen.height());
    EscribeRecortado(texto, false, QRectF(izquierda, 0, derecha - izquierda, std::max(alto, 1.0f)));
}

void LienzoImagen::EscribeRecortado(const QString &texto, bool saltoLinea, const QRectF &recorte)
{
    const QFont fuente = FuenteDibujo();
    const QFontMetricsF medida(fuente, &DispositivoMedida());
    if (!m_imagen.isNull() && !texto.isEmpty()) {
        QPainter pintor(&m_imagen);
        pintor.setRenderHint(QPainter::TextAntialiasing, false);
        if (!recorte.isNull())
            pintor.setClipRect(recorte);
        pintor.setFont(fuente);
        pintor.setPen(ColorDeOle(m_tinta));
        pintor.drawText(QPointF(m_actualX, m_actualY + medida.ascent()), texto);
    }
    if (saltoLinea) {
        m_actualX = 0;
        m_actualY += float(medida.height());
    } else {
        m_actualX += float(medida.horizontalAdvance(texto));
    }
    Avisa();
}

float LienzoImagen::AnchoTexto(const QString &texto) const
{
    return float(QFontMetricsF(FuenteDibujo(), &DispositivoMedida()).horizontalAdvance(texto));
}

float LienzoImagen::AltoTexto(const QString &) const
{
    return float(QFontMetricsF(FuenteDibujo(), &DispositivoMedida()).height());
}
