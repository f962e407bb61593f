#pragma once
// The one graph window, beside the panel windows: the main graph, the band
// strip below it (tracks f, f', f'' at heights 3, 2, 1) and the read-out
// strip with the scale legends and the cursor read-outs. Other windows and
// the drawing routines draw on its surfaces; its own work is the layout
// and, while tracing is on, following the mouse along the current
// polynomial.
#include "VentanaBase.h"
#include "VentanaDibujo.h"

#include <QRect>
#include <QString>

class PictureEjes;
class QFrame;
class QLabel;
class RichTextBox;

class frmGrafica2 : public VentanaBase, public VentanaDibujo {
    Q_OBJECT
public:
    frmGrafica2();

    void alCargar() override;
    // The graph window lives and dies with the hub: no close box of its own.
    bool alPedirDescarga() override { return false; }

    // VentanaDibujo
    PictureEjes &picejGraf() override { return *m_picejGraf; }
    PictureEjes &Picejegraf2() override { return *m_picejegraf2; }
    PictureEjes &PicejeGraf3() override { return *m_picejeGraf3; }
    bool RecorreGraf() const override { return m_recorre; }
    // Tracing on or off; switching it on takes the graph's screen rectangle.
    void RecorreGraf(bool valor);
    void PoneRecorreGraf(bool activo) override { RecorreGraf(activo); }
    void RestauraDiseno() override;

    // The frame that shows a polynomial drawn from a concept ("q(x) =").
    QFrame *fraGrafiConcepto() const { return m_fraGrafiConcepto; }
    RichTextBox *RtfDasPoli2() const { return m_rtfDasPoli2; }
    QLabel *LblGrafi6() const { return m_lblGrafi6; }
    QLabel *Lblgrafi5() const { return m_lblgrafi5; }
    // The notice that stands in the graph's place while nothing is drawn.
    QFrame *fraAnuncio() const { return m_fraAnuncio; }

    // The notice in the graph's place (at 1500, 1500 twips), graph hidden.
    void MuestraAnuncio();
    // The graph in place of the notice.
    void MuestraGrafica() override;
    // Shows the concept frame at a place given in twips.
    void MuestraGrafiConcepto(int arribaTwips, int izquierdaTwips);

    // Mouse on the main graph, in world units.
    void picejGraf_MouseMove(int boton, int shift, double x, double y);
    void picejGraf_MouseDown(int boton, int shift, double x, double y);

    // What the read-out strip shows and the point mark (for checks).
    QString LecturaCursor() const { return m_lecturaCursor; }
    QString LecturaPunto() const { return m_lecturaPunto; }
    bool HayMarca() const { return m_hayMarca; }
    double MarcaX() const { return m_marcaX; }
    double MarcaY() const { return m_marcaY; }

protected:
    void resizeEvent(QResizeEvent *evento) override;

private:
    void distribuye();
    void dibujaMarca(double x, double y, std::int32_t color);

    PictureEjes *m_picejGraf;
    PictureEjes *m_picejegraf2;
    PictureEjes *m_picejeGraf3;
    QFrame *m_fraGrafiConcepto;
    QLabel *m_lblGrafi6;
    QLabel *m_lblgrafi5;
    RichTextBox *m_rtfDasPoli2;
    QFrame *m_fraAnuncio;
    QLabel *m_image1;

    bool m_recorre = false;
    QRect m_rectGraf; // screen rectangle of the main graph while tracing
    bool m_hayMarca = false;
    double m_marcaX = 0;
    double m_marcaY = 0;
    QString m_lecturaPunto;
    QString m_lecturaCursor;
};
