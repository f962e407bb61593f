#pragma once
// The plotting surface without its widget: the world window and scales, the
// world <-> pixel mapping, the drawing primitives in world units and the
// axes, all drawn on one LienzoImagen (the inner box). PictureEjes hands it
// its size and mouse; tests drive it directly.
#include "EnumeracionesEjes.h"
#include "LienzoImagen.h"

#include <QPointF>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class SuperficieEjes {
public:
    SuperficieEjes();

    LienzoImagen &Lienzo() { return m_caja; }
    const LienzoImagen &Lienzo() const { return m_caja; }
    // The inner box takes the control's size; then a redraw.
    void Redimensiona(int ancho, int alto);
    // Told the name of each property whose stored value a write changed.
    std::function<void(const QString &)> AlCambiarPropiedad;
    // Told each time the box is cleared: whatever was drawn is gone.
    std::function<void()> AlBorrar;

    double MinX() const { return m_extremos[MINIMAX]; }
    void MinX(double valor) { ValidaExtremo(valor, MINIMAX); }
    double MaxX() const { return m_extremos[MAXIMAX]; }
    void MaxX(double valor) { ValidaExtremo(valor, MAXIMAX); }
    double MinY() const { return m_extremos[MINIMAY]; }
    void MinY(double valor) { ValidaExtremo(valor, MINIMAY); }
    double MaxY() const { return m_extremos[MAXIMAY]; }
    void MaxY(double valor) { ValidaExtremo(valor, MAXIMAY); }
    double Escx() const { return m_escx; }
    void Escx(double valor) { ValidaEscala(valor, QStringLiteral("EscX")); }
    double Escy() const { return m_escy; }
    void Escy(double valor) { ValidaEscala(valor, QStringLiteral("EscY")); }

    bool EjesVisibles() const { return m_ejesVisibles; }
    void EjesVisibles(bool valor);
    bool ReticulaVisible() const { return m_reticulaVisible; }
    void ReticulaVisible(bool valor);
    bool NumDeEscVisible() const { return m_numerosVisibles; }
    void NumDeEscVisible(bool valor);
    int FrecNumEscX() const { return m_frecX; }
    void FrecNumEscX(int valor);
    int FrecNumEscY() const { return m_frecY; }
    void FrecNumEscY(int valor);
    QString EtiquetaX() const { return m_etiquetaX; }
    void EtiquetaX(const QString &valor);
    QString EtiquetaY() const { return m_etiquetaY; }
    void EtiquetaY(const QString &valor);
    std::int32_t ColorEjes() const { return m_colorEjes; }
    void ColorEjes(std::int32_t valor);

    // Settings of the inner box that the surface passes through.
    void AutoReDraw(bool valor);
    void BackColor(std::int32_t valor);
    void DrawWidth(int valor);
    void DrawMode(int valor);
    void DrawStyle(int valor);
    void FillColor(std::int32_t valor);
    void FillStyle(int valor);
    void ForeColor(std::int32_t valor);
    void Font(const QFont &valor);

    double Xactual() const;
    void Xactual(double valor);
    double Yactual() const;
    void Yactual(double valor);

    double PixelToReal(int eje, int p) const;
    int EscalaX(double x) const;
    int EscalaY(double y) const;
    void EscalaVentana(double xinf, double yinf, double xsup, double ysup);
    double muevepixel(int eje, double coorR, int despl) const;

    void Linea(double x1, double y1, double x2, double y2, std::int32_t color = -1);
    // The segments between consecutive points, each as Linea would draw
    // it, but as one shape: every pixel of the path is combined once with
    // the draw mode, joints included.
    void Polilinea(const std::vector<QPointF> &puntos, std::int32_t color = -1);
    void Rectangulo(double x1, double y1, double x2, double y2, std::int32_t color = -1);
    void Punto(double x, double y, std::int32_t color);
    void Circulo(double x, double y, double r, std::int32_t color,
                 float ini = 0.0f, float fin = 0.0f, float asp = 1.0f);
    void disco(double x, double y, int rpix, std::int32_t color, bool lleno = false);
    double AnchoTexto(const QString &cad) const;
    void imprime(const QString &cad);
    void imprimeEntre(const QString &cad, double desde, double hasta);
    void ImprimeEnCoor(const QString &cad, double x, double y);
    void BorraEnCoor(const QString &cad, double x, double y);
    void Limpia() { Redibuja(); }
    void TrazaEjes(double Posx, double Posy);

    // Clear the box and, with EjesVisibles, draw the axes.
    void Redibuja();

private:
    void ValidaExtremo(double nuevo, int indice);
    void ValidaEscala(double nuevo, const QString &nombre);
    void Notifica(const QString &nombre);
    // The pixel ends of a segment as Linea draws it, clipped to the window
    // when too long; false when nothing of it is to be drawn.
    bool TramoEnPixeles(double x1, double y1, double x2, double y2, int p[4]) const;
    bool RecortaLinea(double x1, double y1, double x2, double y2, int p[4]) const;
    // The pixel ends (x, y, x, y) of a segment or box; false when they lie
    // too far apart on either axis to be drawn at once.
    bool ExtremosEnPixeles(double x1, double y1, double x2, double y2, int p[4]) const;
    void TrazaMarcas(double &escx, double &escy, std::int32_t color);
    void TrazaNumeros(double escx, double escy);
    void TrazaReticula(double escx, double escy, std::int32_t color);
    void TrazaEtiquetas(const QString &etiquetaX, const QString &etiquetaY);
    // Text at a pixel, its top-left corner there (32-bit pixel arithmetic).
    void EscribeEn(const QString &texto, double px, double py, bool saltoLinea = false);
    int AnchoCaja() const;
    int AltoCaja() const;

    LienzoImagen m_caja;
    QString m_etiquetaX = QStringLiteral("X");
    QString m_etiquetaY = QStringLiteral("Y");
    double m_extremos[4] = {-10, 10, -10, 10};
    int m_frecX = 2;
    int m_frecY = 2;
    double m_escx = 1;
    double m_escy = 1;
    bool m_ejesVisibles = true;
    bool m_reticulaVisible = false;
    bool m_numerosVisibles = true;
    std::int32_t m_colorEjes = 0xC0C0C0;
};
