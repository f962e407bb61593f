// The zoom dialog: bounds taken from the graph, each bounds error, the
// preview, the change of scale and the bounds put on the main graph.
#include "tst_HubSesion.h"

#include "frmZoom.h"

#include "Ventanas.h"
#include "dibujo.h"

#include "ColorOle.h"
#include "PictureEjes.h"
#include "QBColor.h"
#include "TextoNumero.h"
#include "UCDextavo.h"

#include <QAction>

class tst_Zoom : public QObject {
    Q_OBJECT

private:
    static frmZoom *AbreZoom(SesionPrueba &s)
    {
        AccionBarra(*s.principal, QStringLiteral("zoom"));
        return frmZoom::Existente();
    }
    // A polynomial given and its graph on show, P's window on it (as the
    // hub's "Ver Gráfica y cualidades" leaves it).
    static void ConGrafica(SesionPrueba &s, const QString &polinomio)
    {
        s.DaPolinomio(polinomio);
        s.Grafica()->MuestraGrafica();
        MuestraEscalaEjes(*PoliActual);
    }
    static void Limites(frmZoom &z, const QStringList &textos)
    {
        for (int i = 0; i < 4; ++i)
            z.UCCZoomExt(i)->Text(textos[i]);
    }
    // Pixels of a colour on a surface.
    static int Pixeles(const PictureEjes &superficie, std::int32_t color)
    {
        const QImage &imagen = superficie.Imagen();
        const std::uint32_t buscado = PixelDeOle(color);
        int cuenta = 0;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x)
                cuenta += (imagen.pixel(x, y) | 0xff000000u) == buscado;
        return cuenta;
    }

private slots:
    void paleta()
    {
        const auto c = frmZoom::ColoresZoom();
        QCOMPARE(c[0], 0);
        QCOMPARE(c[4], 240);                          // red 240
        QCOMPARE(c[5], (60 << 16) | (50 << 8));       // green 50, blue 60
        QCOMPARE(c[9], (60 << 16) | (250 << 8));
        QCOMPARE(c[14], 250 << 16);
        QCOMPARE(c[15], (128 << 16) | 128);
    }

    void sinPolinomioNoHayZoom()
    {
        SesionPrueba s;
        QVERIFY(!AbreZoom(s));
    }

    void limitesDeLaGraficaYErrores_data()
    {
        QTest::addColumn<QStringList>("limites");
        QTest::addColumn<int>("fila");
        QTest::newRow("x iguales") << QStringList{"1", "1", "-1", "3"} << 103;
        QTest::newRow("x invertidos") << QStringList{"2", "1", "3", "-1"} << 58; // x first
        QTest::newRow("y iguales") << QStringList{"-1", "1", "2", "2"} << 102;
        QTest::newRow("y invertidos") << QStringList{"-1", "1", "3", "-1"} << 59;
        QTest::newRow("caja vacía") << QStringList{"", "1", "1", "1"} << 149 + 5;
        QTest::newRow("caja antes que límites") << QStringList{"1", "1", "0", ""} << 149 + 5;
    }
    void limitesDeLaGraficaYErrores()
    {
        QFETCH(QStringList, limites);
        QFETCH(int, fila);
        SesionPrueba s;
        ConGrafica(s, QStringLiteral("x^3-3x"));
        frmZoom *z = AbreZoom(s);
        QVERIFY(z);
        QCOMPARE(z->windowTitle(), QStringLiteral("Quorvane: Zoom"));
        QCOMPARE(z->PolinomiosZoom.size(), std::size_t(1));
        QCOMPARE(z->PolinomiosZoom[0], PoliActual->Polin());
        // The boxes start from the main graph, with one decimal.
        const PictureEjes &graf = s.Grafica()->picejGraf();
        QCOMPARE(z->UCCZoomExt(0)->Text(), QString::fromStdString(rt::Formato(graf.MinX(), "###0.0")));
        QCOMPARE(z->UCCZoomExt(3)->Text(), QString::fromStdString(rt::Formato(graf.MaxY(), "###0.0")));
        QVERIFY(z->CmdRecuadro()->isVisible());
        QVERIFY(z->CmdListaEscala()->isVisible());
        QVERIFY(!z->CmdNuevaEscala()->isVisible());

        Limites(*z, limites);
        SesionPrueba::Pulsa(z->CmdRecuadro());
        QCOMPARE(s.mensajes, QStringList{SesionPrueba::Error(fila)});
        QVERIFY(z->LimitesRechazados());
        QVERIFY(!z->PicejZoom()->isVisible());
        QVERIFY(!z->ValidaNuevaEscala);
        QCOMPARE(z->IndiceColor(), 1); // moved on all the same

        // The same bounds on the main graph are refused there too.
        const double minX = graf.MinX();
        s.mensajes.clear();
        SesionPrueba::Pulsa(z->CmdListaEscala());
        QCOMPARE(s.mensajes, QStringList{SesionPrueba::Error(fila)});
        QCOMPARE(graf.MinX(), minX);
        QCOMPARE(frmZoom::Existente(), z);
    }

    void cajaMalaSeAvisaUnaVez()
    {
        // A wrong box is reported as the focus leaves it for a button; the
        // press then stops there instead of reporting the same box again.
        SesionPrueba s;
        ConGrafica(s, QStringLiteral("x^3-3x"));
        frmZoom *z = AbreZoom(s);
        z->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(z));
        for (Usc *boton : {z->CmdRecuadro(), z->CmdListaEscala()}) {
            s.mensajes.clear();
            z->UCCZoomExt(1)->Text(QString());
            z->UCCZoomExt(1)->setFocus();
            QTRY_VERIFY(z->UCCZoomExt(1)->isAncestorOf(QApplication::focusWidget()));
            const int color = z->IndiceColor();
            SesionPrueba::Pulsa(boton);
            QCoreApplication::processEvents();
            QCOMPARE(s.mensajes, QStringList{SesionPrueba::Error(149 + 5)});
            QVERIFY(!z->ValidaNuevaEscala);
            QCOMPARE(frmZoom::Existente(), z);
            // A "Recuadro" press moves the colour on all the same.
            QCOMPARE(z->IndiceColor(), boton == z->CmdRecuadro() ? color + 1 : color);
        }
        // Put right, the box lets the press through.
        z->UCCZoomExt(1)->Text(QStringLiteral("2"));
        s.mensajes.clear();
        SesionPrueba::Pulsa(z->CmdRecuadro());
        QVERIFY(s.mensajes.isEmpty());
        QVERIFY(z->ValidaNuevaEscala);
    }

    void recuadroModificaYSustituye()
    {
        SesionPrueba s;
        ConGrafica(s, QStringLiteral("x^3-3x"));
        frmZoom *z = AbreZoom(s);
        Limites(*z, {"-2", "2.26", "-3", "3"});
        SesionPrueba::Pulsa(z->CmdRecuadro());
        QVERIFY(s.mensajes.isEmpty());
        QVERIFY(z->ValidaNuevaEscala);
        QVERIFY(Ventanas().escalaZoomValida());
        QVERIFY(z->PicejZoom()->isVisible());
        QCOMPARE(z->PicejZoom()->MaxX(), 2.26);
        QVERIFY(LeyendaX.rfind("Escala Recuadro; Eje X: ", 0) == 0);
        QVERIFY(z->CmdNuevaEscala()->isVisible());
        QVERIFY(!z->CmdRecuadro()->isVisible());
        QVERIFY(!z->CmdListaEscala()->isVisible());
        QVERIFY(z->cmdCancelar()->isVisible());

        // " Mod. Escala": the preview's bounds come back with one decimal.
        SesionPrueba::Pulsa(z->CmdNuevaEscala());
        QCOMPARE(z->UCCZoomExt(1)->Text(), QStringLiteral("2.3"));
        QVERIFY(!z->PicejZoom()->isVisible());
        QVERIFY(z->CmdRecuadro()->isVisible());
        QVERIFY(z->CmdListaEscala()->isVisible());

        // " Subs. Gráfica": the bounds go to the main graph and the dialog closes.
        Limites(*z, {"-1.5", "1.5", "-2", "2.5"});
        SesionPrueba::Pulsa(z->CmdListaEscala());
        SesionPrueba::Suelta();
        QVERIFY(!frmZoom::Existente());
        const PictureEjes &graf = s.Grafica()->picejGraf();
        QCOMPARE(graf.MinX(), -1.5);
        QCOMPARE(graf.MaxX(), 1.5);
        QCOMPARE(graf.MinY(), -2.0);
        QCOMPARE(graf.MaxY(), 2.5);
        QVERIFY(LeyendaX.rfind("Eje X: ", 0) == 0);

        // Opened again: a fresh dialog with a fresh list.
        z = AbreZoom(s);
        AbreZoom(s);
        QCOMPARE(z->PolinomiosZoom.size(), std::size_t(1));
        QCOMPARE(z->UCCZoomExt(0)->Text(), QStringLiteral("-1.5"));
        SesionPrueba::Pulsa(z->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!frmZoom::Existente());
    }

    void laClaveNombraLoQueHayEnLaGrafica()
    {
        // " Subs. Gráfica" leaves P alone on the graph, in the zoom's colour
        // of the moment: the strip under it names P in that colour, and no
        // other curve in any other.
        SesionPrueba s;
        ConGrafica(s, QStringLiteral("x^3-3x"));
        const PictureEjes &franja = s.Grafica()->Picejegraf2();
        frmZoom *z = AbreZoom(s);
        Limites(*z, {"-2", "2", "-3", "3"});
        SesionPrueba::Pulsa(z->CmdRecuadro());
        SesionPrueba::Pulsa(z->CmdNuevaEscala());
        const std::int32_t color = frmZoom::ColoresZoom()[static_cast<std::size_t>(z->IndiceColor())];
        QCOMPARE(z->IndiceColor(), 1);
        SesionPrueba::Pulsa(z->CmdListaEscala());
        SesionPrueba::Suelta();
        QVERIFY(s.mensajes.isEmpty());
        QVERIFY(!frmZoom::Existente());
        QVERIFY(Pixeles(s.Grafica()->picejGraf(), color) > 0);
        QVERIFY(Pixeles(franja, color) > 0);
        for (int otro : {1, 2, 4}) // the hub's colours of P, P'' and P'
            QCOMPARE(Pixeles(franja, rt::QBColor(otro)), 0);
    }

    void sinPolinomiosSoloLaEscala()
    {
        SesionPrueba s;
        ConGrafica(s, QStringLiteral("x^2-1"));
        frmZoom *z = frmZoom::AbrePolinomios({});
        Limites(*z, {"-4", "4", "-1", "1"});
        SesionPrueba::Pulsa(z->CmdRecuadro());
        QCOMPARE(z->PicejZoom()->MaxX(), 4.0);
        SesionPrueba::Pulsa(z->CmdNuevaEscala());
        SesionPrueba::Pulsa(z->CmdListaEscala());
        QVERIFY(s.mensajes.isEmpty());
        QCOMPARE(s.Grafica()->picejGraf().MaxX(), 4.0);
        QCOMPARE(s.Grafica()->picejGraf().MinY(), -1.0);
    }

    // The zoom key follows the graph of P: off once a polynomial is chosen
    // and while its graph is built, on when the hub reveals it, off again
    // when the graph is put away.
    void teclaSigueLaGraficaDeP()
    {
        SesionPrueba s;
        const QAction *zoom = s.principal->botonPorClave(QStringLiteral("zoom"));
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        QVERIFY(!zoom->isEnabled());
        frmPolical *hub = s.Hub();
        hub->mnuConsGraf()->trigger();
        QVERIFY(!zoom->isEnabled());
        ConceptoResuelto.fill(true); // all solved: revealed at the next activation
        hub->alActivar();
        QVERIFY(zoom->isEnabled());
        SesionPrueba::Pulsa(hub->cmdCancelar());
        QVERIFY(!zoom->isEnabled());
        hub->alActivar();
        QVERIFY(!zoom->isEnabled());
    }

    // With the graph kept hidden (a notice in its place) the dialog
    // previews, but does not put its bounds and curves on the graph.
    void graficaOcultaQuedaOculta()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        const PictureEjes &graf = s.Grafica()->picejGraf();
        QVERIFY(graf.isHidden());
        frmZoom *z = frmZoom::AbrePolinomios({PoliActual->Polin()});
        QVERIFY(z->CmdListaEscala()->isHidden());
        Limites(*z, {"-2", "2", "-3", "3"});
        SesionPrueba::Pulsa(z->CmdRecuadro());
        QVERIFY(z->ValidaNuevaEscala);
        SesionPrueba::Pulsa(z->CmdNuevaEscala());
        QVERIFY(z->CmdListaEscala()->isHidden());
        const double maxX = graf.MaxX();
        z->CmdListaEscala_Click();
        QVERIFY(graf.isHidden());
        QCOMPARE(graf.MaxX(), maxX);
        QVERIFY(s.Grafica()->fraAnuncio()->isVisible());
    }

    void indiceDeColorDaLaVuelta()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^2-1"));
        frmZoom *z = AbreZoom(s);
        Limites(*z, {"1", "1", "0", "1"});
        for (int i = 0; i < 15; ++i)
            z->CmdRecuadro_Click();
        QCOMPARE(z->IndiceColor(), 15);
        z->CmdRecuadro_Click();
        QCOMPARE(z->IndiceColor(), 0);
    }
};

QTEST_MAIN(tst_Zoom)
#include "tst_Zoom.moc"
