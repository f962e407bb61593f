#pragma once
// The inner box of the plotting surface: shows the picture and reports the
// mouse in pixels of the box (fractions kept, rounding is the surface's).
#include <QWidget>

class LienzoImagen;

class CajaPlotrane : public QWidget {
    Q_OBJECT
public:
    CajaPlotrane(const LienzoImagen &lienzo, QWidget *parent);

signals:
    // tipo: 0 up, 1 down, 2 move.
    void Raton(int tipo, int boton, int shift, double x, double y);
    void Pintada();

protected:
    void paintEvent(QPaintEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;

private:
    void Reporta(int tipo, QMouseEvent *evento, bool soloBoton);
    const LienzoImagen &m_lienzo;
};
