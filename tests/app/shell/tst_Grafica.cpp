// The graph window's tracing: read-outs of the cursor and of the point on
// the curve, the pointer put on the curve, and the one exclusive-or mark.
#include "tst_HubSesion.h"

#include "Utilerias.h"
#include "dibujo.h"

#include "ColorOle.h"
#include "PictureEjes.h"
#include "QBColor.h"
#include "Twips.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>

class tst_Grafica : public QObject {
    Q_OBJECT

private:
    static QString Lectura(double x, double y)
    {
        return QStringLiteral("( ") + QString::fromStdString(NumeroATexto(x, 3, 3)) + QStringLiteral(", ")
            + QString::fromStdString(NumeroATexto(y, 3, 3)) + QStringLiteral(")");
    }
    static QImage Zona(const PictureEjes &graf, double x, double y)
    {
        return graf.Imagen().copy(graf.EscalaX(x) - 6, graf.EscalaY(y) - 6, 13, 13);
    }
    // x^2 - 4 given, and the graph as an exercise that traces leaves it:
    // P's window on the main graph, tracing on.
    static frmGrafica2 *ConTrazado(SesionPrueba &s)
    {
        s.DaPolinomio(QStringLiteral("x^2-4"));
        frmGrafica2 *g = s.Grafica();
        g->MuestraGrafica();
        MuestraEscalaEjes(*PoliActual);
        g->RecorreGraf(true);
        return g;
    }

private slots:
    void lugarDeLasSuperficies()
    {
        SesionPrueba s;
        frmGrafica2 *g = s.Grafica();
        const PictureEjes &graf = g->picejGraf();
        QCOMPARE(g->Picejegraf2().y(), graf.height() + 1);
        QCOMPARE(g->Picejegraf2().width(), graf.width());
        QCOMPARE(g->PicejeGraf3().height(), g->Picejegraf2().height());
        QCOMPARE(g->PicejeGraf3().y(), graf.height() + g->Picejegraf2().height() + 5);
        QCOMPARE(g->Picejegraf2().MaxY(), 3.0);
        QCOMPARE(g->PicejeGraf3().MaxX(), 100.0);
        QVERIFY(!g->fraGrafiConcepto()->isVisible());
        QCOMPARE(g->Lblgrafi5()->text(), QStringLiteral("q(x) ="));
    }

    void sinRecorridoNadaCambia()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^2-4"));
        frmGrafica2 *g = s.Grafica();
        g->RecorreGraf(false);
        const QImage antes = g->picejGraf().Imagen();
        emit g->picejGraf().MouseMove(0, 0, 1.0, 1.0);
        emit g->picejGraf().MouseDown(1, 0, 1.0, 1.0);
        QVERIFY(g->LecturaCursor().isEmpty());
        QVERIFY(g->LecturaPunto().isEmpty());
        QVERIFY(!g->HayMarca());
        QCOMPARE(g->picejGraf().Imagen(), antes);

        // Without a current polynomial tracing does nothing either.
        g->RecorreGraf(true);
        PoliActual.reset();
        emit g->picejGraf().MouseDown(1, 0, 1.0, 1.0);
        QVERIFY(g->LecturaPunto().isEmpty());
    }

    void puntoSobreLaCurva()
    {
        SesionPrueba s;
        frmGrafica2 *g = ConTrazado(s);
        PictureEjes &graf = g->picejGraf();

        emit graf.MouseMove(0, 0, 0.5, 2.25);
        QCOMPARE(g->LecturaCursor(), Lectura(0.5, 2.25));

        const QImage limpia1 = Zona(graf, 1.0, -3.0);
        emit graf.MouseDown(1, 0, 1.0, 7.0);
        QCOMPARE(g->LecturaPunto(), Lectura(1.0, -3.0));
        QVERIFY(g->HayMarca());
        QCOMPARE(g->MarcaY(), -3.0);
        QVERIFY(Zona(graf, 1.0, -3.0) != limpia1);
        const QPoint origen = graf.hWnd()->mapToGlobal(QPoint(0, 0));
        QCOMPARE(QCursor::pos(), QPoint(graf.EscalaX(1.0) + origen.x(), graf.EscalaY(-3.0) + origen.y()));

        // A second press: the first mark is gone, one mark stands.
        emit graf.MouseDown(1, 0, -1.5, 0.0);
        QCOMPARE(Zona(graf, 1.0, -3.0), limpia1);
        QVERIFY(g->HayMarca());
        QCOMPARE(g->MarcaX(), -1.5);
        QCOMPARE(g->LecturaPunto(), Lectura(-1.5, -1.75));

        // Above the window: the old mark goes, no new one, the pointer
        // just above the graph, the read-out all the same.
        graf.MaxY(1.0);
        emit graf.MouseDown(1, 0, 2.5, 0.0);
        QVERIFY(!g->HayMarca());
        QCOMPARE(QCursor::pos().y(), origen.y() - 10);
        QCOMPARE(g->LecturaPunto(), Lectura(2.5, 2.25));
    }

    // Whoever clears the graph (the hub's "Graficar", the roots exercise
    // finishing, the tools' "Limpiar gráfica", a new window) takes the mark
    // with it: the next press leaves no stray square where it was.
    void limpiarOlvidaLaMarca_data()
    {
        QTest::addColumn<int>("limpieza");
        QTest::newRow("Limpia") << 0;
        QTest::newRow("ventana nueva") << 1;
    }
    void limpiarOlvidaLaMarca()
    {
        QFETCH(int, limpieza);
        SesionPrueba s;
        frmGrafica2 *g = ConTrazado(s);
        PictureEjes &graf = g->picejGraf();
        emit graf.MouseDown(1, 0, 1.0, 0.0);
        QVERIFY(g->HayMarca());
        if (limpieza == 0)
            graf.Limpia();
        else
            MuestraEscalaEjes(*PoliActual);
        QVERIFY(!g->HayMarca());
        const QImage limpia = Zona(graf, 1.0, -3.0);
        emit graf.MouseDown(1, 0, -1.5, 0.0);
        QCOMPARE(Zona(graf, 1.0, -3.0), limpia);
        QVERIFY(g->HayMarca());
    }

    // Back to its look after loading, as a window that is left puts it.
    void diseno()
    {
        SesionPrueba s;
        frmGrafica2 *g = ConTrazado(s);
        DibujaLeyendaCurvas();
        g->Picejegraf2().MaxY(7);
        g->MuestraGrafiConcepto(6600, 0);

        g->RestauraDiseno();
        QVERIFY(!g->picejGraf().isVisible());
        QVERIFY(g->fraAnuncio()->isVisible());
        QCOMPARE(g->fraAnuncio()->pos(), QPoint(plataforma::TwipsAPixeles(1500), plataforma::TwipsAPixeles(1500)));
        QVERIFY(!g->fraGrafiConcepto()->isVisible());
        QVERIFY(!g->RecorreGraf());
        QCOMPARE(g->Picejegraf2().MinY(), 0.0);
        QCOMPARE(g->Picejegraf2().MaxY(), 3.0);
        // The key of the curves is gone from the strip.
        const QImage &franja = g->Picejegraf2().Imagen();
        const QRgb verde = PixelDeOle(rt::QBColor(2)) | 0xff000000u;
        for (int y = 0; y < franja.height(); ++y)
            for (int x = 0; x < franja.width(); ++x)
                QVERIFY((franja.pixel(x, y) | 0xff000000u) != verde);
    }
};

QTEST_MAIN(tst_Grafica)
#include "tst_Grafica.moc"
