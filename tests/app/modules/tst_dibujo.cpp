// Drawing on the graph window: tick steps, scale legends, curves, marks
// and bands, on real plotting surfaces.
#include "DoblesVentanas.h"
#include "Globales.h"
#include "VentanaDibujo.h"
#include "dibujo.h"
#include "generapoli.h"

#include "PictureEjes.h"
#include "Utilerias.h"

#include "Avisos.h"
#include "QBColor.h"
#include "Regional.h"

#include <QtTest>

#include <algorithm>
#include <vector>

namespace {
// The pixels of img that differ from the plain colour fondo.
std::vector<QPoint> Cambiados(const QImage &img, QRgb fondo)
{
    std::vector<QPoint> cambiados;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != fondo)
                cambiados.emplace_back(x, y);
    return cambiados;
}

struct VentanaDibujoPrueba : VentanaDibujo {
    PictureEjes graf, franja, panel;
    bool recorre = false;
    VentanaDibujoPrueba()
    {
        graf.resize(600, 400);
        franja.resize(600, 120);
        panel.resize(600, 80);
        franja.EscalaVentana(-10, 0, 10, 5);
        panel.EscalaVentana(0, 0, 100, 4);
    }
    PictureEjes &picejGraf() override { return graf; }
    PictureEjes &Picejegraf2() override { return franja; }
    PictureEjes &PicejeGraf3() override { return panel; }
    bool RecorreGraf() const override { return recorre; }
};
} // namespace

class tst_dibujo : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<VentanaDibujoPrueba> ventana;
    bool zoomValido = false;

private slots:
    void init()
    {
        ReiniciaGlobales();
        ventana = std::make_unique<VentanaDibujoPrueba>();
        zoomValido = false;
        LeyendaX.clear();
        LeyendaY.clear();
        PosLeyendaX = {};
        PosLeyendaY = {};
        Ventanas() = {};
        Ventanas().grafica = [this] { return ventana.get(); };
        Ventanas().escalaZoomValida = [this] { return zoomValido; };
        rt::FijaSeparadorLocal('.');
    }
    void cleanup()
    {
        Ventanas() = {};
        ventana.reset();
    }

    void redondeaEscala_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("esperado");
        const double casos[][2] = {{37.4, 40},   {10.5, 10},    {150, 200},     {250, 200},
                                   {2.5, 2},     {1.5, 2},      {-37.4, -40},   {0.037, 0.04},
                                   {0.6, 0.6},   {0.0096, 0.01}, {-0.25, -0.2}, {0.25, 0.2},
                                   {0, 0},       {1, 1},        {-1, -1},       {1.1, 1},
                                   {123456789, 100000000}};
        for (const auto &c : casos)
            QTest::newRow(qPrintable(QString::number(c[0]))) << c[0] << c[1];
    }
    void redondeaEscala()
    {
        QFETCH(double, x);
        QFETCH(double, esperado);
        QCOMPARE(RedondeaEscala(x), esperado);
    }

    void leyendasDelRecuadro()
    {
        MuestraEscalaRecuadro(ventana->graf, -10, 10, -5, 5);
        QCOMPARE(ventana->graf.Escx(), 2.0);
        QCOMPARE(ventana->graf.Escy(), 1.0);
        QCOMPARE(LeyendaX, std::string("Eje X: 2 unids. x marca"));
        QCOMPARE(LeyendaY, std::string("Eje Y: 1 unidad x marca"));
        QCOMPARE(PosLeyendaX[1], 3.0);
        QCOMPARE(PosLeyendaY[1], 2.4);

        // Twice: the panel is cleared first, one pair of legends remains.
        const QImage unaVez = ventana->panel.Imagen().copy();
        MuestraEscalaRecuadro(ventana->graf, -10, 10, -5, 5);
        QCOMPARE(ventana->panel.Imagen(), unaVez);

        // An accepted zoom box keeps what the panel had and builds its own legends.
        zoomValido = true;
        MuestraEscalaRecuadro(ventana->graf, -1, 1, -50, 50);
        QCOMPARE(ventana->panel.Imagen(), unaVez);
        QCOMPARE(LeyendaX, std::string("Escala Recuadro; Eje X: 0.2 unids. x marca"));
        QCOMPARE(LeyendaY, std::string("Escala Recuadro; Eje Y: 10 unids. x marca"));
        QCOMPARE(PosLeyendaX[1], 1.7);
        QCOMPARE(PosLeyendaY[1], 1.1);
    }

    void leyendasDeLosEjes()
    {
        PoliPtr p = Collpolinomio::Nuevo();
        p->Agrega(1, 2);
        p->Agrega(-4, 0);
        const FuncPolinPtr fp = CreaFuncPolin(p);
        ventana->recorre = true;
        MuestraEscalaEjes(*fp);
        PictureEjes &g = ventana->graf;
        QCOMPARE(g.MinX(), fp->Xmin());
        QCOMPARE(g.MaxY(), fp->Ymax());
        QVERIFY(g.EjesVisibles());
        const std::string unidad = g.Escx() == 1 ? " unidad x marca" : " unids. x marca";
        QCOMPARE(LeyendaX, "Eje X: " + FormateaNumero(g.Escx()) + unidad);
        // The step is a tenth of the span plus a half, rounded to one digit.
        QCOMPARE(g.Escx(), RedondeaEscala((fp->Xmax() - fp->Xmin()) / 10 + 0.5));
    }

    void marcasSoloDentroDeLaVentana()
    {
        ventana->graf.EscalaVentana(-2, -2, 2, 2);
        const QImage antes = ventana->graf.Imagen().copy();
        MarcaAbscisas(2.0001, 0, 5, true, 0xFF);
        MarcaAbscisas(-2.0001, 1, 5, false, 0xFF);
        QCOMPARE(ventana->graf.Imagen(), antes);
        MarcaAbscisas(2, 1e9, 5, false, 0xFF); // y is not tested
        MarcaAbscisas(2, 1, 5, true, 0xFF);
        QVERIFY(ventana->graf.Imagen() != antes);
        QCOMPARE(ventana->graf.DrawStyle(), 0);

        const QImage conMarcas = ventana->graf.Imagen().copy();
        ColorRgbMarca({0, 5, 6}, {0, 0, 0}, 2); // both outside, and entry 0 is not used
        ColorRgbMarca({0}, {0}, 3);             // n beyond the arrays
        QCOMPARE(ventana->graf.Imagen(), conMarcas);
    }

    void curvaDejaElTrazoComoEstaba()
    {
        PoliPtr p = Collpolinomio::Nuevo();
        p->Agrega(1, 3);
        p->Agrega(-2, 1);
        PictureEjes &g = ventana->graf;
        g.EscalaVentana(-3, -5, 3, 5);
        const QImage antes = g.Imagen().copy();
        GraficaPolinomio(*p, g, 0xFF0000, 7);
        QVERIFY(g.Imagen() != antes);
        QCOMPARE(g.DrawWidth(), 1);
        QCOMPARE(g.DrawMode(), 13);

        // A window far wider than its columns still ends, column by column.
        rt::GrabadoraAvisos avisos;
        g.EscalaVentana(-1e7, -1e20, 1e7, 1e20);
        GraficaPolinomio(*p, g, 0xFF0000, 13);
        QCOMPARE(g.DrawMode(), 13);
    }

    // A wrong curve is flashed in exclusive-or mode over the graph: it must
    // change every pixel the copy pen paints, each exactly once (a joint
    // inverted twice would be a gap), and the second flash gives the
    // graph back.
    void destelloEnteroYReversible()
    {
        PoliPtr p = Collpolinomio::Nuevo();
        p->Agrega(1, 3);
        p->Agrega(-3, 1);               // x^3 - 3x: steep ends, flat turns
        PictureEjes &g = ventana->graf;
        g.EjesVisibles(false);
        g.BackColor(0xFFFFFF);
        g.EscalaVentana(-2, -3, 2, 3);  // the curve stays inside
        const QImage blanco = g.Imagen().copy();
        const QRgb fondo = blanco.pixel(0, 0);
        const std::int32_t magenta = rt::QBColor(5);

        GraficaPolinomio(*p, g, magenta, 13);
        const std::vector<QPoint> trazo = Cambiados(g.Imagen(), fondo);
        g.Limpia();
        QCOMPARE(g.Imagen(), blanco);

        GraficaPolinomio(*p, g, magenta, 7);
        const QImage destello = g.Imagen().copy();
        QCOMPARE(Cambiados(destello, fondo), trazo);
        const QRgb verdeClaro = qRgb(127, 255, 127);   // white xor RGB(128, 0, 128)
        for (const QPoint &punto : trazo)
            QCOMPARE(destello.pixel(punto), verdeClaro);
        std::vector<bool> columnas(static_cast<std::size_t>(g.Imagen().width()));
        for (const QPoint &punto : trazo)
            columnas[static_cast<std::size_t>(punto.x())] = true;
        QVERIFY(std::all_of(columnas.begin(), columnas.end(), [](bool hay) { return hay; }));

        GraficaPolinomio(*p, g, magenta, 7);
        QCOMPARE(g.Imagen(), blanco);
    }

    void bandas()
    {
        PictureEjes &f = ventana->franja;
        ventana->graf.EscalaVentana(-10, -10, 10, 10);
        f.EjesVisibles(false);
        f.Limpia();
        const QImage limpia = f.Imagen().copy();
        const QRgb fondo = limpia.pixel(0, 0);
        DibujaBandaSigno(-5, 2, 5, "", "Signo"); // an empty mark: nothing at all
        QCOMPARE(f.Imagen(), limpia);
        DibujaBandaSigno(3, 1, 2, "-", "");      // a band that ends before it starts
        QCOMPARE(f.Imagen(), limpia);

        DibujaBandaSigno(-5, 2, 0, "+", "Signo");
        QCOMPARE(f.ForeColor(), ColorRotuloBanda);
        QVERIFY(!f.FontBold());

        // The bands of (x - 6)^3 (x - 6.1)^3 as the sign exercise writes
        // them, the middle one a few pixels wide: each band's marks change
        // only its own columns, so whatever the order no band covers
        // another's, and the narrow one still shows part of its mark.
        struct Banda {
            double desde, hasta;
            const char *marca;
        };
        const std::vector<Banda> bandas{{-9.8, 6, "+"}, {6, 6.1, "-"}, {6.1, 10, "+"}, {-10, 1e12, "-"}};
        for (const Banda &banda : bandas) {
            f.Limpia();
            DibujaBandaSigno(banda.desde, 2, banda.hasta, banda.marca, "");
            const std::vector<QPoint> tinta = Cambiados(f.Imagen(), fondo);
            QVERIFY2(!tinta.empty(), banda.marca);
            const int izquierda = f.EscalaX(banda.desde);
            const int derecha = std::min(f.EscalaX(banda.hasta), f.Imagen().width());
            for (const QPoint &p : tinta)
                QVERIFY2(izquierda <= p.x() && p.x() < derecha,
                         qPrintable(QStringLiteral("(%1, %2) leaves its band at column %3")
                                        .arg(banda.desde).arg(banda.hasta).arg(p.x())));
        }
        const auto dibuja = [&](std::vector<int> orden) {
            f.Limpia();
            for (int j : orden)
                DibujaBandaSigno(bandas[std::size_t(j)].desde, 2, bandas[std::size_t(j)].hasta,
                                 bandas[std::size_t(j)].marca, "");
            return f.Imagen().copy();
        };
        const QImage enOrden = dibuja({0, 1, 2});
        QCOMPARE(dibuja({1, 0, 2}), enOrden);
        QCOMPARE(dibuja({2, 0, 1}), enOrden);
        // The "-" is there, between the two "+" bands.
        const QImage estrecha = dibuja({1});
        QCOMPARE(enOrden.copy(f.EscalaX(6), 0, f.EscalaX(6.1) - f.EscalaX(6), enOrden.height()),
                 estrecha.copy(f.EscalaX(6), 0, f.EscalaX(6.1) - f.EscalaX(6), estrecha.height()));
    }
};

QTEST_MAIN(tst_dibujo)
#include "tst_dibujo.moc"
