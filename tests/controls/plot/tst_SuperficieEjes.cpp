// The surface without its widget: mapping, validation, primitives, axes.
#include "Avisos.h"
#include "ColorOle.h"
#include "QBColor.h"
#include "SuperficieEjes.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

constexpr std::int32_t FONDO = 0x808080;
constexpr std::int32_t TINTA = 0x0000FF;

// A bare surface: given size, no axes, plain background.
std::unique_ptr<SuperficieEjes> Superficie(int ancho, int alto, bool ejes = false)
{
    auto s = std::make_unique<SuperficieEjes>();
    s->EjesVisibles(ejes);
    s->Redimensiona(ancho, alto);
    return s;
}

bool Pintado(const SuperficieEjes &s, int x, int y, std::int32_t color)
{
    return s.Lienzo().Imagen().pixel(x, y) == PixelDeOle(color);
}

// Box of the pixels painted in color.
QRect ZonaPintada(const SuperficieEjes &s, std::int32_t color)
{
    const QImage &img = s.Lienzo().Imagen();
    QRect zona;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == PixelDeOle(color))
                zona |= QRect(x, y, 1, 1);
    return zona;
}

bool HayColorEn(const SuperficieEjes &s, const QRect &zona, std::int32_t color)
{
    const QRect z = zona & s.Lienzo().Imagen().rect();
    for (int y = z.top(); y <= z.bottom(); ++y)
        for (int x = z.left(); x <= z.right(); ++x)
            if (Pintado(s, x, y, color))
                return true;
    return false;
}

bool TodoFondo(const SuperficieEjes &s)
{
    return ZonaPintada(s, FONDO) == s.Lienzo().Imagen().rect();
}

} // namespace

class TstSuperficieEjes : public QObject {
    Q_OBJECT
private slots:
    void valoresIniciales()
    {
        SuperficieEjes s;
        QCOMPARE(s.MinX(), -10.0);
        QCOMPARE(s.MaxX(), 10.0);
        QCOMPARE(s.MinY(), -10.0);
        QCOMPARE(s.MaxY(), 10.0);
        QCOMPARE(s.Escx(), 1.0);
        QCOMPARE(s.Escy(), 1.0);
        QVERIFY(s.EjesVisibles());
        QVERIFY(!s.ReticulaVisible());
        QVERIFY(s.NumDeEscVisible());
        QCOMPARE(s.FrecNumEscX(), 2);
        QCOMPARE(s.FrecNumEscY(), 2);
        QCOMPARE(s.EtiquetaX(), QStringLiteral("X"));
        QCOMPARE(s.EtiquetaY(), QStringLiteral("Y"));
        QCOMPARE(s.ColorEjes(), 0xC0C0C0);
        const LienzoImagen &c = s.Lienzo();
        QCOMPARE(c.BackColor(), 0x808080);
        QCOMPARE(c.ForeColor(), 0xC0C0C0);
        QCOMPARE(c.FillColor(), 0xC0C0C0);
        QCOMPARE(c.FillStyle(), 1);
        QCOMPARE(c.DrawWidth(), 1);
        QCOMPARE(c.DrawMode(), 13);
        QCOMPARE(c.DrawStyle(), 0);
        QVERIFY(c.AutoRedraw());
        QCOMPARE(c.NombreFuente(), QStringLiteral("Arial"));
        QCOMPARE(c.TamanoFuente(), 10.0);
    }

    void mundoAPixel_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("px");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("minimo") << -10.0 << 0;
        QTest::newRow("centro") << 0.0 << 100;
        QTest::newRow("maximo") << 10.0 << 200;
        QTest::newRow("medio pixel sube") << -9.95 << 1;
        QTest::newRow("un cuarto baja") << -9.975 << 0;
        QTest::newRow("lejos derecha") << 1e9 << 32760;
        QTest::newRow("lejos izquierda") << -1e9 << -32760;
        QTest::newRow("mas alla de float") << 1e300 << 32760;
        QTest::newRow("infinito") << inf << 32760;
        QTest::newRow("menos infinito") << -inf << -32760;
    }
    void mundoAPixel()
    {
        QFETCH(double, x);
        QFETCH(int, px);
        auto s = Superficie(200, 200);
        QCOMPARE(s->EscalaX(x), px);
        // Rows grow downwards: the same world value on y is the mirror row.
        QCOMPARE(s->EscalaY(-x), px);
    }

    void pixelAMundo()
    {
        auto s = Superficie(200, 100);
        QCOMPARE(s->PixelToReal(SOBREX, 0), -10.0);
        QCOMPARE(s->PixelToReal(SOBREX, 150), 5.0);
        QCOMPARE(s->PixelToReal(SOBREY, 0), 10.0);
        QCOMPARE(s->PixelToReal(SOBREY, 100), -10.0);
        QCOMPARE(s->PixelToReal(2, 50), 0.0);
        QCOMPARE(s->muevepixel(2, 3.0, 5), 0.0);
        QCOMPARE(s->muevepixel(SOBREX, 0, 5), 0.5);
        QCOMPARE(s->muevepixel(SOBREY, 0, 5), -1.0); // down the screen
        // From pixel 32758 a move of 5 would leave the range: refused.
        const double lejos = -10 + 32758 / 10.0;
        QCOMPARE(s->EscalaX(lejos), 32758);
        QCOMPARE(s->muevepixel(SOBREX, lejos, 5), s->PixelToReal(SOBREX, 32758));
        QCOMPARE(s->muevepixel(SOBREX, lejos, 2), s->PixelToReal(SOBREX, 32760));
    }

    void puntoActualEnPixelEntero()
    {
        auto s = Superficie(200, 200);
        s->Xactual(0.123);
        QCOMPARE(s->Lienzo().CurrentX(), 101.0f);
        QCOMPARE(s->Xactual(), 0.1);
        s->Yactual(0.123);
        QCOMPARE(s->Lienzo().CurrentY(), 99.0f);
        QCOMPARE(s->Yactual(), 0.1);
    }

    void extremosValidados()
    {
        rt::GrabadoraAvisos avisos;
        auto s = Superficie(200, 200);
        s->MinX(10);   // equal to MaxX: refused
        QCOMPARE(s->MinX(), -10.0);
        s->MaxY(-10);  // equal to MinY: the same text as a bad MinY
        QCOMPARE(s->MaxY(), 10.0);
        s->MinX(std::nan(""));
        QCOMPARE(s->MinX(), -10.0);
        QCOMPARE(avisos.avisos().size(), std::size_t(3));
        QCOMPARE(avisos.avisos()[0].titulo, std::string("ERROR: Extremo mal definido"));
        QCOMPARE(avisos.avisos()[0].texto,
                 std::string("El valor del extremo MaxX es menor o igual que el del extremo MinX"));
        QCOMPARE(avisos.avisos()[1].texto,
                 std::string("El valor del extremo MaxY es menor o igual que el del extremo MinY"));

        // Moving to 20..30: the minimum first is refused, the maximum first works.
        avisos.limpia();
        s->MinX(20);
        QCOMPARE(s->MinX(), -10.0);
        s->MaxX(30);
        s->MinX(20);
        QCOMPARE(s->MinX(), 20.0);
        QCOMPARE(s->MaxX(), 30.0);
        QCOMPARE(avisos.avisos().size(), std::size_t(1));
    }

    void escalasValidadas()
    {
        rt::GrabadoraAvisos avisos;
        QStringList avisados;
        auto s = Superficie(200, 200);
        s->AlCambiarPropiedad = [&](const QString &n) { avisados << n; };
        s->Escx(0);
        s->Escy(-1);
        QCOMPARE(s->Escx(), 1.0);
        QCOMPARE(s->Escy(), 1.0);
        QCOMPARE(avisos.avisos().size(), std::size_t(2));
        QCOMPARE(avisos.avisos()[0].titulo, std::string("ERROR: Escala mal definida"));
        QCOMPARE(avisos.avisos()[0].texto, std::string("El valor de EscX debe ser positivo"));
        QCOMPARE(avisos.avisos()[1].texto, std::string("El valor de EscY debe ser positivo"));
        QVERIFY(avisados.isEmpty());
        s->Escx(2.5);
        QCOMPARE(s->Escx(), 2.5);
        QCOMPARE(avisados, QStringList{QStringLiteral("EscX")});
    }

    void ventanaCompleta()
    {
        rt::GrabadoraAvisos avisos;
        auto s = Superficie(200, 200);
        s->EscalaVentana(5, 3, -5, 1);
        QCOMPARE(s->MinX(), -5.0);
        QCOMPARE(s->MaxX(), 5.0);
        QCOMPARE(s->MinY(), 1.0);
        QCOMPARE(s->MaxY(), 3.0);
        s->EscalaVentana(20, 20, 30, 30);   // wholly beyond: fine in one call
        QCOMPARE(s->MinX(), 20.0);
        QCOMPARE(s->MaxY(), 30.0);
        QVERIFY(avisos.avisos().empty());

        // An equal pair is reported and keeps that axis; the other one moves.
        s->EscalaVentana(4, 0, 4, 8);
        QCOMPARE(s->MinX(), 20.0);
        QCOMPARE(s->MaxX(), 30.0);
        QCOMPARE(s->MinY(), 0.0);
        QCOMPARE(s->MaxY(), 8.0);
        QCOMPARE(avisos.avisos().size(), std::size_t(1));
        QCOMPARE(avisos.avisos()[0].texto,
                 std::string("El valor del extremo MaxX es menor o igual que el del extremo MinX"));
        QVERIFY(std::isfinite(s->PixelToReal(SOBREX, 10)));
        QVERIFY(s->EjesVisibles() == false);
    }

    void avisosYRedibujos()
    {
        QStringList avisados;
        auto s = Superficie(100, 100);
        s->AlCambiarPropiedad = [&](const QString &n) { avisados << n; };
        auto marca = [&] { s->Linea(-5, 5, 5, 5, TINTA); };
        auto marcaSigue = [&] { return Pintado(*s, 50, 25, TINTA); };

        marca();
        s->EjesVisibles(false);     // the same value: nothing at all
        s->ReticulaVisible(false);
        QVERIFY(marcaSigue());
        QVERIFY(avisados.isEmpty());

        s->ColorEjes(0x00FF00);     // no redraw
        s->ForeColor(TINTA);
        s->DrawWidth(1);
        QVERIFY(marcaSigue());
        QCOMPARE(avisados, (QStringList{"ColorEjes", "ForeColor", "DrawWidth"}));

        s->NumDeEscVisible(true);   // the same value still redraws
        QVERIFY(!marcaSigue());
        marca();
        s->FrecNumEscX(2);
        QVERIFY(!marcaSigue());
        marca();
        s->MaxX(20);
        QVERIFY(!marcaSigue());
        QCOMPARE(avisados.mid(3), (QStringList{"NumDeEscVisible", "FrecNumEscX", "MaxX"}));
    }

    void sinEjesQuedaLimpio()
    {
        auto s = Superficie(120, 90);
        s->ReticulaVisible(true);
        s->Limpia();
        QVERIFY(TodoFondo(*s));
    }

    void ejesLineasYMarcas()
    {
        auto s = Superficie(300, 300, true);
        s->ColorEjes(0x00FF00);
        s->NumDeEscVisible(false);
        s->EtiquetaX(QString());
        s->EtiquetaY(QString());
        // Ticks every 15 pixels keep the scale.
        QCOMPARE(s->Escx(), 1.0);
        QVERIFY(Pintado(*s, 0, 150, 0x00FF00));
        QVERIFY(Pintado(*s, 299, 150, 0x00FF00));
        QVERIFY(Pintado(*s, 150, 299, 0x00FF00));
        // A tick at x = 1 from 4 pixels below the axis up to, not
        // including, 4 pixels above it.
        QVERIFY(Pintado(*s, 165, 154, 0x00FF00));
        QVERIFY(Pintado(*s, 165, 147, 0x00FF00));
        QVERIFY(!Pintado(*s, 165, 146, 0x00FF00));
        QVERIFY(!Pintado(*s, 165, 155, 0x00FF00));
        // Negative ticks run to -10 (column 0); positive ones stop 12
        // pixels short of the right edge, where the arrowhead starts.
        QVERIFY(Pintado(*s, 0, 147, 0x00FF00));
        QVERIFY(Pintado(*s, 285, 147, 0x00FF00));
    }

    void escalaReemplazadaSiMarcasJuntas()
    {
        auto s = Superficie(300, 300);
        s->EscalaVentana(-50, -50, 50, 50);
        s->EjesVisibles(true);     // ticks 3 pixels apart: a tenth of the axis
        QCOMPARE(s->Escx(), 5.0);
        QCOMPARE(s->Escy(), 5.0);
        s->Escx(1);                // written again, replaced again at the redraw
        QCOMPARE(s->Escx(), 5.0);
    }

    void numerosDeEscala()
    {
        auto s = Superficie(300, 300, true);
        s->ForeColor(TINTA);
        const int y0 = s->EscalaY(0);
        const int alto = int(s->Lienzo().AltoTexto(QStringLiteral("0")));
        auto numeroEn = [&](double x) {
            const int px = s->EscalaX(x);
            return HayColorEn(*s, QRect(px - 2, y0 + 10, 5, alto), TINTA);
        };
        s->Limpia();
        // Every second tick, none at the origin, both sides.
        QVERIFY(numeroEn(2) && numeroEn(4) && numeroEn(-2) && numeroEn(-4));
        QVERIFY(!numeroEn(1) && !numeroEn(-1) && !numeroEn(0));
        // -10 would stand half outside the left edge: cut, it would read
        // "0" or "10", so it is left out.
        QVERIFY(!HayColorEn(*s, QRect(0, y0 + 10, 12, alto), TINTA));
        // Y numbers right of the axis, beside their ticks.
        QVERIFY(HayColorEn(*s, QRect(s->EscalaX(0) + 8, s->EscalaY(2) - 6, 20, alto), TINTA));
        QVERIFY(!HayColorEn(*s, QRect(s->EscalaX(0) + 8, s->EscalaY(1) - 6, 20, 4), TINTA));
        // -10 would start 6 pixels above the bottom edge, its lower part
        // cut off: left out as the X numbers are; -8 fits and stays.
        QVERIFY(!HayColorEn(*s, QRect(s->EscalaX(0) + 8, s->EscalaY(-10) - 6, 30, alto), TINTA));
        QVERIFY(HayColorEn(*s, QRect(s->EscalaX(0) + 8, s->EscalaY(-8) - 6, 30, alto), TINTA));

        // Ticks 10 pixels apart with a number at each: a number coming
        // within 3 pixels of the previous one is left out. Left of the
        // origin each number is measured against the one before it,
        // written or not, so texts wider than the spacing leave one only.
        auto t = Superficie(200, 200, true);
        t->ForeColor(TINTA);
        const float digito = t->Lienzo().AnchoTexto(QStringLiteral("1"));
        QVERIFY2(digito > 7.5f && digito < 9.5f, "the check below assumes a digit about 8 pixels wide");
        t->FrecNumEscY(100);   // keep the Y numbers off the X numbers' row
        t->FrecNumEscX(1);
        auto numeroT = [&](double x) {
            const int px = t->EscalaX(x);
            return HayColorEn(*t, QRect(px - 1, t->EscalaY(0) + 10, 3, alto), TINTA);
        };
        QVERIFY(numeroT(1) && !numeroT(2) && numeroT(3));
        QVERIFY(numeroT(-1) && !numeroT(-2) && !numeroT(-3));
    }

    // An axis along the box's edge keeps its numbers, on the inside: the X
    // numbers above an X axis at the bottom, the Y
    // numbers left of a Y axis at the right edge.
    void numerosDentroConEjeEnElBorde()
    {
        auto s = Superficie(300, 300, true);
        s->ForeColor(TINTA);
        const int alto = int(s->Lienzo().AltoTexto(QStringLiteral("0")));
        for (double minY : {0.0, -0.05}) {
            s->EscalaVentana(-10, minY, 10, 10);
            const int y0 = s->EscalaY(0);
            QVERIFY(y0 >= 290);
            for (double x : {-8.0, -4.0, 2.0, 4.0})
                QVERIFY(HayColorEn(*s, QRect(s->EscalaX(x) - 2, y0 - 6 - alto, 5, alto), TINTA));
        }
        s->EscalaVentana(-10, -10, 0, 10);
        const int x0 = s->EscalaX(0);
        QVERIFY(x0 >= 290);
        QVERIFY(HayColorEn(*s, QRect(x0 - 40, s->EscalaY(4) - 6, 32, alto), TINTA));
        QVERIFY(HayColorEn(*s, QRect(x0 - 40, s->EscalaY(-4) - 6, 32, alto), TINTA));
        // A surface whose axes cross inside keeps them where they were.
        s->EscalaVentana(-10, -10, 10, 10);
        QVERIFY(!HayColorEn(*s, QRect(s->EscalaX(4) - 2, s->EscalaY(0) - 6 - alto, 5, alto), TINTA));
        QVERIFY(HayColorEn(*s, QRect(s->EscalaX(4) - 2, s->EscalaY(0) + 10, 5, alto), TINTA));
    }

    void frecuenciaMenorQueUno()
    {
        auto s = Superficie(300, 300, true);
        s->ForeColor(TINTA);
        s->FrecNumEscX(0);     // would loop for ever: numbers at every tick
        s->FrecNumEscY(-3);
        const int y0 = s->EscalaY(0);
        const int px = s->EscalaX(1);
        QVERIFY(HayColorEn(*s, QRect(px - 2, y0 + 10, 5, 12), TINTA));
    }

    void origenLejos()
    {
        // The origin far outside the window: nothing fails, nothing hangs,
        // and the axis parts that belong to it stay out of sight.
        auto s = Superficie(200, 200, true);
        s->ColorEjes(0x00FF00);
        s->EscalaVentana(5, -10, 15, 10);
        QVERIFY(Pintado(*s, 0, 100, 0x00FF00));     // X axis across the width
        QVERIFY(Pintado(*s, 199, 100, 0x00FF00));
        s->EscalaVentana(1e6, 1e6, 1e6 + 10, 1e6 + 10);
        s->EscalaVentana(-1e300, -1e300, -1e299, -1e299);
        s->ReticulaVisible(true);
        s->EscalaVentana(1e15, 1e15, 1e15 + 1, 1e15 + 1);
        QVERIFY(!HayColorEn(*s, s->Lienzo().Imagen().rect(), 0x00FF00));
    }

    void lineasLargasRecortadas()
    {
        auto s = Superficie(200, 200);
        s->ForeColor(TINTA);
        s->Linea(-10, 0, 10, 0);
        QCOMPARE(ZonaPintada(*s, TINTA), QRect(0, 100, 200, 1));

        s->Limpia();
        s->Linea(0, 0, 1e6, 0);                 // 32660 pixels: drawn directly
        QCOMPARE(ZonaPintada(*s, TINTA), QRect(100, 100, 100, 1));

        s->Limpia();
        s->Linea(-1e6, 0, 1e6, 0, -1);          // 65520 pixels: clipped first
        QCOMPARE(ZonaPintada(*s, TINTA), QRect(0, 100, 200, 1));

        s->Limpia();
        s->Linea(0, 0, 20, 1e6, TINTA);         // crosses the top edge
        QVERIFY(Pintado(*s, 100, 100, TINTA));
        QVERIFY(Pintado(*s, 100, 1, TINTA));

        // Either end may be the one beyond an edge: each stage moves the
        // right one, so a long diagonal ends on the window's corners both ways.
        for (const bool alReves : {false, true}) {
            s->Limpia();
            if (alReves)
                s->Linea(1e6, 1e6, -1e6, -1e6, TINTA);
            else
                s->Linea(-1e6, -1e6, 1e6, 1e6, TINTA);
            QCOMPARE(ZonaPintada(*s, TINTA), QRect(1, 1, 199, 199));
        }
        s->Limpia();
        s->Linea(20, 1e6, 0, 0, TINTA);         // the first end moves to (0.0002, 10)
        QCOMPARE(ZonaPintada(*s, TINTA), QRect(100, 0, 1, 100));

        s->Limpia();
        s->Linea(-1e6, 50, 1e6, 50, TINTA);     // clipped, but above the box
        s->Linea(-1e300, 0, 1e300, 0, TINTA);
        s->Linea(0, std::nan(""), 5, 5, TINTA);
        const double inf = std::numeric_limits<double>::infinity();
        s->Linea(-inf, 0, inf, 0, TINTA);
        QVERIFY(TodoFondo(*s));
        s->Linea(0, 0, inf, 0, TINTA);          // one end clamped
        QVERIFY(Pintado(*s, 199, 100, TINTA));
    }

    void lineaSinUltimoPixel()
    {
        auto s = Superficie(200, 200);
        s->Linea(0, 0, 5, 0, TINTA);
        QVERIFY(Pintado(*s, 100, 100, TINTA));
        QVERIFY(Pintado(*s, 149, 100, TINTA));
        QVERIFY(!Pintado(*s, 150, 100, TINTA));
        QCOMPARE(s->Xactual(), 5.0);            // the pen ends on the last point
    }

    // A polyline paints what its segments drawn one by one paint (clipped
    // when too long, broken at an undefined point), but in exclusive-or
    // mode each pixel changes once, joints included, and a second drawing
    // takes it away.
    void polilineaComoSusTramos()
    {
        const std::vector<QPointF> puntos{{-9, -9}, {-3, 4}, {0, std::nan("")}, {1, 1},
                                          {2, -5},  {1e6, 1e6}, {3, 3}, {3, 3}, {8, 2}};
        for (int grosor : {1, 2, 3}) {
            auto tramos = Superficie(200, 200);
            tramos->DrawWidth(grosor);
            for (std::size_t i = 1; i < puntos.size(); ++i)
                tramos->Linea(puntos[i - 1].x(), puntos[i - 1].y(), puntos[i].x(), puntos[i].y(), TINTA);

            auto s = Superficie(200, 200);
            s->DrawWidth(grosor);
            s->Polilinea(puntos, TINTA);
            const QString caso = QStringLiteral("grosor %1").arg(grosor);
            QVERIFY2(s->Lienzo().Imagen() == tramos->Lienzo().Imagen(), qPrintable(caso));
            QCOMPARE(s->Xactual(), tramos->Xactual());

            // Exclusive-or: the same pixels, each changed once.
            QImage esperada = tramos->Lienzo().Imagen().copy();
            for (int y = 0; y < esperada.height(); ++y)
                for (int x = 0; x < esperada.width(); ++x)
                    if (esperada.pixel(x, y) == PixelDeOle(TINTA))
                        esperada.setPixel(x, y, PixelDeOle(FONDO ^ TINTA));
            s->Limpia();
            s->DrawMode(7);
            s->Polilinea(puntos, TINTA);
            QVERIFY2(s->Lienzo().Imagen() == esperada, qPrintable(caso));
            s->Polilinea(puntos, TINTA);
            QVERIFY2(TodoFondo(*s), qPrintable(caso));

            // Nothing of it lingers to hold back what comes after.
            s->DrawMode(13);
            for (std::size_t i = 1; i < puntos.size(); ++i)
                s->Linea(puntos[i - 1].x(), puntos[i - 1].y(), puntos[i].x(), puntos[i].y(), TINTA);
            QVERIFY2(s->Lienzo().Imagen() == tramos->Lienzo().Imagen(), qPrintable(caso));
        }

        // A flash still goes away after a few hundred other polylines.
        const std::vector<QPointF> otra{{-9, 9}, {9, 8}};
        auto soloOtra = Superficie(200, 200);
        soloOtra->Polilinea(otra, TINTA);
        for (int entre : {251, 252, 253, 254}) {
            auto s = Superficie(200, 200);
            s->DrawMode(7);
            s->Polilinea(puntos, TINTA);
            s->DrawMode(13);
            for (int i = 0; i < entre; ++i)
                s->Polilinea(otra, TINTA);
            s->DrawMode(7);
            s->Polilinea(puntos, TINTA);
            QVERIFY2(s->Lienzo().Imagen() == soloOtra->Lienzo().Imagen(), qPrintable(QString::number(entre)));
        }
    }

    void rectangulos()
    {
        auto s = Superficie(200, 200);
        s->Rectangulo(-1e6, -1, 1e6, 1, TINTA); // too long and not clipped
        QVERIFY(TodoFondo(*s));
        s->Rectangulo(0, -1, 1e6, 1, TINTA);
        QCOMPARE(ZonaPintada(*s, TINTA), QRect(100, 90, 100, 21));
        s->Limpia();
        s->FillStyle(0);
        s->FillColor(0x00FF00);
        s->Rectangulo(-1, -1, 1, 1);            // outline in ForeColor, filled
        QVERIFY(Pintado(*s, 90, 90, 0xC0C0C0));
        QVERIFY(Pintado(*s, 100, 100, 0x00FF00));
    }

    void circulosYArcos()
    {
        auto s = Superficie(200, 200);
        s->EscalaVentana(-10, -5, 10, 5);       // 20 x 10 world units: aspect 2
        s->Circulo(0, 0, 1, TINTA);
        QRect zona = ZonaPintada(*s, TINTA);
        QVERIFY(std::abs(zona.width() - 20) <= 1);
        QVERIFY(std::abs(zona.height() - 40) <= 1);
        QCOMPARE(zona.center(), QPoint(100, 100));

        s->Limpia();
        s->Circulo(0, 0, -1, TINTA);
        QVERIFY(TodoFondo(*s));

        s->EscalaVentana(-10, -10, 10, 10);
        s->Circulo(0, 0, 5, TINTA, 0, 3.14159f);   // the upper half
        zona = ZonaPintada(*s, TINTA);
        QVERIFY(!zona.isEmpty());
        QVERIFY(zona.bottom() <= 101);
        QVERIFY(zona.top() <= 51);
    }

    void discoDevuelveElRelleno()
    {
        auto s = Superficie(200, 200);
        s->FillColor(0x123456);
        s->FillStyle(4);
        s->disco(0, 0, 6, TINTA, true);
        QCOMPARE(s->Lienzo().FillColor(), 0x123456);
        QCOMPARE(s->Lienzo().FillStyle(), 4);
        QVERIFY(Pintado(*s, 100, 100, TINTA));          // filled
        s->Limpia();
        s->FillStyle(1);
        s->disco(0, 0, 6, TINTA);
        QVERIFY(!Pintado(*s, 100, 100, TINTA));         // an outline only
        QVERIFY(Pintado(*s, 106, 100, TINTA));
    }

    void textos()
    {
        auto s = Superficie(200, 200);
        s->ForeColor(TINTA);
        QCOMPARE(s->AnchoTexto(QString()), 0.0);
        const double ancho = s->AnchoTexto(QStringLiteral("abc"));
        QVERIFY(ancho > 0);

        // Two prints continue one line.
        s->Xactual(-5);
        s->Yactual(5);
        s->imprime(QStringLiteral("abc"));
        const float tras = s->Lienzo().CurrentX();
        QCOMPARE(tras, 50 + s->Lienzo().AnchoTexto(QStringLiteral("abc")));
        QCOMPARE(s->Lienzo().CurrentY(), 50.0f);
        s->imprime(QStringLiteral("∞→"));
        QVERIFY(s->Lienzo().CurrentX() > tras);
        QVERIFY(HayColorEn(*s, QRect(int(tras), 50, int(s->Lienzo().CurrentX() - tras), 16), TINTA));

        // Printing at a point leaves the pen; erasing leaves the colour.
        s->Limpia();
        s->Xactual(2);
        s->Yactual(-3);
        const QImage antes = s->Lienzo().Imagen();
        s->ImprimeEnCoor(QStringLiteral("( 1.5, -2)"), -8, 8);
        QVERIFY(HayColorEn(*s, QRect(20, 20, 60, 16), TINTA));
        QCOMPARE(s->Xactual(), 2.0);
        QCOMPARE(s->Yactual(), -3.0);
        s->BorraEnCoor(QStringLiteral("( 1.5, -2)"), -8, 8);
        QCOMPARE(s->Lienzo().ForeColor(), TINTA);
        QVERIFY(s->Lienzo().Imagen() == antes);
    }

    void oExclusivoSeDeshace()
    {
        auto s = Superficie(240, 180, true);
        s->ReticulaVisible(true);
        s->Linea(-8, -8, 8, 6, rt::QBColor(12));
        const QImage antes = s->Lienzo().Imagen();
        s->DrawMode(7);
        auto marcas = [&] {
            s->Linea(-10, 3, 9, -7, rt::QBColor(11));
            s->Rectangulo(s->muevepixel(SOBREX, 1, -4), s->muevepixel(SOBREY, 1, 4),
                          s->muevepixel(SOBREX, 1, 4), s->muevepixel(SOBREY, 1, -4), rt::QBColor(11));
            s->Circulo(2, 2, 3, rt::QBColor(13));
            s->Circulo(-2, 2, 3, rt::QBColor(13), -0.5f, -2.5f, 0.5f);
            s->disco(-3, -3, 5, rt::QBColor(14), true);
            s->Punto(4, -4, rt::QBColor(9));
            s->Linea(0, 0, 1e6, 1e6, rt::QBColor(10));
        };
        for (int grosor : {1, 3}) {
            s->DrawWidth(grosor);
            marcas();
            QVERIFY(s->Lienzo().Imagen() != antes);
            marcas();
            QVERIFY2(s->Lienzo().Imagen() == antes, qPrintable(QStringLiteral("grosor %1").arg(grosor)));
        }
    }

    void paleta()
    {
        QCOMPARE(rt::QBColor(0), 0x000000);
        QCOMPARE(rt::QBColor(1), 0x800000);   // blue: RGB 0, 0, 128
        QCOMPARE(rt::QBColor(3), 0x808000);
        QCOMPARE(rt::QBColor(4), 0x000080);
        QCOMPARE(rt::QBColor(7), 0xC0C0C0);
        QCOMPARE(rt::QBColor(11), 0xFFFF00);
        QCOMPARE(rt::QBColor(15), 0xFFFFFF);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, rt::QBColor(16));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, rt::QBColor(-1));
        QCOMPARE(ColorDeOle(0x800000), QColor(0, 0, 128));
        QCOMPARE(OleDeColor(QColor(0, 128, 128)), 0x808000);
    }
};

QTEST_MAIN(TstSuperficieEjes)
#include "tst_SuperficieEjes.moc"
