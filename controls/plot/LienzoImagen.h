#pragma once
// A picture box in pixels: a persistent image with the drawing state of a
// classic picture box (colours, fill, pen width, style and mode, font and
// current point) and its drawing operations. Knows nothing of world units.
//
// Shapes are first marked in a mask and then combined with the image pixel
// by pixel through the draw mode, so every pixel of a shape is touched once
// and an exclusive-or shape drawn twice leaves the image as it was.
#include <QFont>
#include <QImage>
#include <QLine>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class LienzoImagen {
public:
    LienzoImagen();

    // The image keeps what fits of its picture; new area takes BackColor.
    void Redimensiona(int ancho, int alto);
    int Ancho() const { return m_imagen.width(); }
    int Alto() const { return m_imagen.height(); }
    const QImage &Imagen() const { return m_imagen; }

    // Called after every change of the picture.
    std::function<void()> AlCambiar;

    std::int32_t BackColor() const { return m_fondo; }
    void BackColor(std::int32_t color) { m_fondo = color; }
    std::int32_t ForeColor() const { return m_tinta; }
    void ForeColor(std::int32_t color) { m_tinta = color; }
    std::int32_t FillColor() const { return m_relleno; }
    void FillColor(std::int32_t color) { m_relleno = color; }
    int FillStyle() const { return m_estiloRelleno; }
    void FillStyle(int estilo) { m_estiloRelleno = estilo; }
    int DrawWidth() const { return m_grosor; }
    void DrawWidth(int grosor) { m_grosor = grosor < 1 ? 1 : grosor; }
    int DrawMode() const { return m_modo; }
    void DrawMode(int modo);
    int DrawStyle() const { return m_estiloTrazo; }
    void DrawStyle(int estilo) { m_estiloTrazo = estilo; }
    bool AutoRedraw() const { return m_persistente; }
    void AutoRedraw(bool persistente) { m_persistente = persistente; }

    // The font as the host named it; text is drawn with the installed
    // family that the program's font mapping gives (DejaVu Sans when
    // missing), without smoothing so that text printed again in the back
    // colour leaves no trace.
    QFont Fuente() const;
    void Fuente(const QFont &fuente);
    QString NombreFuente() const { return m_nombreFuente; }
    void NombreFuente(const QString &nombre);
    double TamanoFuente() const { return m_puntos; }
    void TamanoFuente(double puntos);
    bool NegritaFuente() const { return m_negrita; }
    void NegritaFuente(bool negrita);

    float CurrentX() const { return m_actualX; }
    void CurrentX(float x) { m_actualX = x; }
    float CurrentY() const { return m_actualY; }
    void CurrentY(float y) { m_actualY = y; }

    // Fill with BackColor; pen to (0, 0).
    void Borra();
    // Segment from (x1, y1) to (x2, y2) without its last pixel; pen to the end.
    void Recta(int x1, int y1, int x2, int y2, std::int32_t color);
    // Segments drawn as one shape, each as Recta: where they meet or
    // overlap a pixel is still combined once, so an exclusive-or path has
    // no gaps at its joints. Pen to the end of the last one.
    void Rectas(const std::vector<QLine> &tramos, std::int32_t color);
    // Segment from the pen to (x, y).
    void RectaHasta(int x, int y, std::int32_t color);
    // Box with two opposite corners: outline in color, inside by the fill
    // settings; pen to the second corner.
    void Caja(int x1, int y1, int x2, int y2, std::int32_t color);
    // A dot DrawWidth wide; pen to it.
    void Punto(int x, int y, std::int32_t color);
    // Ellipse centred at (cx, cy): radius along x when aspecto <= 1, along
    // y otherwise. With arco, only from ini to fin (radians, counter-
    // clockwise; a negative end also draws its radius). Pen to the centre.
    void Elipse(int cx, int cy, double radio, std::int32_t color, double aspecto,
                bool arco = false, double ini = 0, double fin = 0);
    // Text with its top-left corner at the pen, in ForeColor; the pen ends
    // just right of it, or at the start of the next line with saltoLinea.
    void Escribe(const QString &texto, bool saltoLinea = false);
    // The same, showing only the columns from izquierda up to (not
    // including) derecha: what lies outside stays as it was.
    void EscribeEntre(const QString &texto, float izquierda, float derecha);
    float AnchoTexto(const QString &texto) const;
    float AltoTexto(const QString &texto) const;

private:
    // Any other value of the mask counts as free: see m_hecha.
    enum : std::uint8_t { LIBRE = 0, MARCA_RELLENO = 1, MARCA_TRAZO = 2, PRIMERA_HECHA = 3 };
    QFont FuenteDibujo() const;
    // Text at the pen, shown only inside recorte when it is not null.
    void EscribeRecortado(const QString &texto, bool saltoLinea, const QRectF &recorte);
    // Marks a segment of the mask with the pen's width and style.
    void MarcaRecta(int x1, int y1, int x2, int y2, bool conUltimo);
    void MarcaRectaGruesa(int x1, int y1, int x2, int y2);
    // The pixels a segment may touch with the pen's width.
    QRect ZonaDeRecta(const QLine &tramo) const;
    // Combines the marked pixels of rect with the image, then clears them.
    void Combina(const QRect &rect, std::int32_t colorTrazo, std::int32_t colorRelleno);
    // The same without the change notice, leaving the combined pixels
    // marked queda; false when rect lies outside.
    bool CombinaZona(const QRect &rect, std::int32_t colorTrazo, std::int32_t colorRelleno,
                     std::uint8_t queda = LIBRE);
    // A value for m_hecha that the mask does not hold.
    void NuevaHecha();
    QRect Limita(const QRect &rect) const;
    void Avisa();

    QImage m_imagen;
    QImage m_mascara;
    // The mark of the pixels that the shape being drawn has combined
    // already, which it must not mark again. A value that the mask does not
    // hold between shapes: it changes after each, so that the marks of the
    // last one count as free and need no clearing.
    std::uint8_t m_hecha = PRIMERA_HECHA;
    std::int32_t m_fondo = 0x808080;
    std::int32_t m_tinta = 0xC0C0C0;
    std::int32_t m_relleno = 0xC0C0C0;
    int m_estiloRelleno = 1;
    int m_grosor = 1;
    int m_modo = 13;
    int m_estiloTrazo = 0;
    bool m_persistente = true;
    QString m_nombreFuente = QStringLiteral("Arial");
    double m_puntos = 10;
    bool m_negrita = false;
    bool m_cursiva = false;
    bool m_subrayada = false;
    mutable QString m_familiaDe;   // the name whose installed family is m_familia
    mutable QString m_familia;
    float m_actualX = 0;
    float m_actualY = 0;
};
