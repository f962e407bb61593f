#pragma once
// The plotting surface: a picture with a world coordinate system, its own
// axes, grid, tick numbers and labels, drawing primitives and text in world
// units, and mouse events reported in world units.
//
// Properties are getter/setter pairs of the same name. Colours are 32-bit
// RGB values 0x00BBGGRR; for Linea and Rectangulo the colour -1 means
// ForeColor. Pixel values are whole numbers within -32760..32760, (0, 0)
// being the top-left pixel of the inner box, rows growing downwards.
// A new surface starts with the window -10..10 on both axes, scales 1,
// axes and tick numbers shown, grid hidden, numbers at every second tick,
// labels "X" and "Y", back colour 0x808080, fore, fill and axis colour
// 0xC0C0C0, transparent fill, draw width 1, copy pen (13), solid lines.
#include "EnumeracionesEjes.h"

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class SuperficieEjes;
class CajaPlotrane;

class PictureEjes : public QWidget {
    Q_OBJECT
public:
    explicit PictureEjes(QWidget *parent = nullptr);
    ~PictureEjes() override;

    // World window; a write that would leave a minimum not below its
    // maximum is refused with a message box and changes nothing.
    double MinX() const;
    void MinX(double valor);
    double MaxX() const;
    void MaxX(double valor);
    double MinY() const;
    void MinY(double valor);
    double MaxY() const;
    void MaxY(double valor);

    // World units between tick marks; must be positive. A redraw replaces
    // a spacing under 10 pixels, so read them back after a redraw.
    double Escx() const;
    void Escx(double valor);
    double Escy() const;
    void Escy(double valor);

    bool EjesVisibles() const;
    void EjesVisibles(bool valor);
    bool ReticulaVisible() const;
    void ReticulaVisible(bool valor);
    bool NumDeEscVisible() const;
    void NumDeEscVisible(bool valor);
    int FrecNumEscX() const;   // a number every this many ticks
    void FrecNumEscX(int valor);
    int FrecNumEscY() const;
    void FrecNumEscY(int valor);
    QString EtiquetaX() const;
    void EtiquetaX(const QString &valor);
    QString EtiquetaY() const;
    void EtiquetaY(const QString &valor);

    bool AutoReDraw() const;
    void AutoReDraw(bool valor);
    std::int32_t BackColor() const;
    void BackColor(std::int32_t valor);   // redraws
    std::int32_t ColorEjes() const;
    void ColorEjes(std::int32_t valor);   // shows at the next redraw
    int DrawWidth() const;
    void DrawWidth(int valor);
    int DrawMode() const;                 // 13 copy pen, 7 exclusive-or pen, 1..16
    void DrawMode(int valor);
    std::int32_t FillColor() const;
    void FillColor(std::int32_t valor);
    int FillStyle() const;                // 0 solid, 1 transparent, 2..7 hatches
    void FillStyle(int valor);
    std::int32_t ForeColor() const;
    void ForeColor(std::int32_t valor);
    QFont Font() const;
    void Font(const QFont &valor);        // redraws
    // Attributes of the font changed in place, as a host editing the font
    // object: no redraw, the new font applies to later text.
    QString FontName() const;
    void FontName(const QString &nombre);
    double FontSize() const;              // points
    void FontSize(double puntos);
    bool FontBold() const;
    void FontBold(bool negrita);

    // The current drawing and text position in world units.
    double Xactual() const;
    void Xactual(double valor);
    double Yactual() const;
    void Yactual(double valor);

    // World <-> pixel.
    double PixelToReal(int eje, int p) const;
    int EscalaX(double x) const;
    int EscalaY(double y) const;
    // The whole window at once (ends in any order).
    void EscalaVentana(double xinf, double yinf, double xsup, double ysup);
    // World coordinate despl pixels away from coorR along eje (rightwards,
    // downwards); a move beyond -32760..32760 is refused.
    double muevepixel(int eje, double coorR, int despl) const;

    // Drawing in world units, with the current draw mode, width and style.
    void Linea(double x1, double y1, double x2, double y2, std::int32_t color = -1);
    // Segments between consecutive points as one shape: each pixel of the
    // path is combined once with the draw mode, joints included.
    void Polilinea(const std::vector<QPointF> &puntos, std::int32_t color = -1);
    void Rectangulo(double x1, double y1, double x2, double y2, std::int32_t color = -1);
    void Punto(double x, double y, std::int32_t color);
    // Ellipse whose vertical semi-axis is asp times the horizontal one; an
    // arc from ini to fin radians when they are not both 0.
    void Circulo(double x, double y, double r, std::int32_t color,
                 float ini = 0.0f, float fin = 0.0f, float asp = 1.0f);
    // A marker of rpix pixels, filled with its colour when lleno.
    void disco(double x, double y, int rpix, std::int32_t color, bool lleno = false);
    double AnchoTexto(const QString &cad) const;   // width in world x units
    void imprime(const QString &cad);             // at the pen, which moves past it
    // The same, showing only what lies from x = desde up to x = hasta.
    void imprimeEntre(const QString &cad, double desde, double hasta);
    void ImprimeEnCoor(const QString &cad, double x, double y);
    void BorraEnCoor(const QString &cad, double x, double y);
    void Limpia();                                // clear and draw the axes again
    void TrazaEjes(double Posx, double Posy);
    void Plotrane_Paint();                        // raises Paint

    // The inner box that shows the picture (its screen place, its cursor).
    QWidget *hWnd() const;
    int DrawStyle() const;                // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none, 6 inside solid
    void DrawStyle(int valor);
    QPixmap MouseIcon() const;
    void MouseIcon(const QPixmap &icono);
    int MousePointer() const;             // 0 default ... 99 MouseIcon
    void MousePointer(int valor);

    // The persistent picture as drawn so far.
    const QImage &Imagen() const;

signals:
    // boton: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt;
    // x, y in world units.
    void MouseUp(int boton, int Shift, double x, double y);
    void MouseDown(int boton, int Shift, double x, double y);
    void MouseMove(int boton, int Shift, double x, double y);
    void Paint();
    // A property write, told by the property's name.
    void PropiedadCambiada(const QString &nombre);
    // The picture was cleared (Limpia, a new window or size, a show): what
    // the host had drawn on it is gone.
    void Borrada();

protected:
    void resizeEvent(QResizeEvent *evento) override;
    void showEvent(QShowEvent *evento) override;

private:
    void AplicaPuntero();
    void SigueTamano() const;
    SuperficieEjes &Superficie() const;

    std::unique_ptr<SuperficieEjes> m_superficie;
    CajaPlotrane *m_caja;
    QPixmap m_icono;
    int m_puntero = 0;
};
