// One session at a time, and every way out of it leaves it whole: the hub
// closed under an open exercise, the hub and the graph window closed by
// their frames, "Iniciar sesión" with a session open, the one start again,
// the tour's actions, and a window on top of the main window.
#include "tst_HubSesion.h"

#include "Reinicio.h"
#include "Ventanas.h"
#include "dibujo.h"
#include "generapoli.h"
#include "frmParidad.h"
#include "frmDoyPoli.h"
#include "frmZoom.h"

#include "ColorOle.h"
#include "PictureEjes.h"
#include "QBColor.h"
#include "Twips.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>

namespace {
// Some pixel of the main graph has the colour QBColor(n).
bool HayColor(const PictureEjes &graf, int n)
{
    const QImage &imagen = graf.Imagen();
    const QRgb buscado = PixelDeOle(rt::QBColor(n)) | 0xff000000u;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if ((imagen.pixel(x, y) | 0xff000000u) == buscado)
                return true;
    return false;
}

int CuantosHubs(const SesionPrueba &s)
{
    return int(s.principal->findChildren<frmPolical *>().size());
}

// The parity exercise opened from the graph construction of P.
frmParidad *AbreParidad(SesionPrueba &s, const QString &p)
{
    s.DaPolinomio(p);
    s.Hub()->mnuConsGraf()->trigger();
    QTest::mouseClick(s.Hub()->OptCalcConcepto(2), Qt::LeftButton);
    return SesionPrueba::Ventana<frmParidad>();
}
} // namespace

class tst_Sesion : public QObject {
    Q_OBJECT

private slots:
    // An exercise never outlives its hub: whatever unloads the hub first
    // leaves the exercise as its "Cancelar" (its context popped), then the
    // hub pops its own.
    void ejercicioNoSobreviveASuHub_data()
    {
        QTest::addColumn<QString>("salida");
        QTest::addColumn<int>("nivel");   // the stack after it
        QTest::addColumn<bool>("hubNuevo"); // a fresh hub waits for a polynomial
        QTest::newRow("close box") << "marco" << 1 << false;
        QTest::newRow("Regresar a Inicio") << "inicio" << 1 << false;
        QTest::newRow("Regresar a proponer") << "proponer" << 2 << true;
    }
    void ejercicioNoSobreviveASuHub()
    {
        QFETCH(QString, salida);
        QFETCH(int, nivel);
        QFETCH(bool, hubNuevo);
        SesionPrueba s;
        QPointer<frmParidad> ejercicio = AbreParidad(s, QStringLiteral("x^3-x"));
        QVERIFY(ejercicio);
        QPointer<frmPolical> hub = s.Hub();
        // The student brings the hub forward (Ctrl+Tab) and leaves it there.
        s.principal->area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(GestorVentanas::instancia().marcoDe(hub)));
        if (salida == QLatin1String("marco"))
            GestorVentanas::instancia().marcoDe(hub)->close();
        else if (salida == QLatin1String("inicio"))
            hub->mnuRegInicio()->trigger();
        else
            hub->mnuRegNuevoPoli()->trigger();
        SesionPrueba::Suelta();

        QVERIFY(ejercicio.isNull());
        QVERIFY(hub.isNull());
        QCOMPARE(NivelPila, nivel);
        QCOMPARE(s.Hub() != nullptr, hubNuevo);
        QCOMPARE(s.Grafica() != nullptr, hubNuevo);
        QVERIFY(!PoliActual);
        QVERIFY(s.mensajes.isEmpty());
        // The session goes on (or starts again) as usual.
        if (!hubNuevo)
            s.principal->mnupoliAccion()->trigger();
        s.DaPolinomio(QStringLiteral("x^2-1"));
        QCOMPARE(NivelPila, 2);
        QCOMPARE(CuantosHubs(s), 1);
    }

    // The hub's close box is its "Regresar a &Inicio"; the graph window
    // cannot be closed by itself.
    void cerrarPorElMarco()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^2-4"));
        QWidget *marcoGrafica = GestorVentanas::instancia().marcoDe(s.Grafica());
        QVERIFY(!(marcoGrafica->windowFlags() & Qt::WindowCloseButtonHint));
        marcoGrafica->close();
        SesionPrueba::Suelta();
        QVERIFY(s.Grafica());
        QVERIFY(marcoGrafica->isVisible());

        ConceptoResuelto[1] = true;
        GestorVentanas::instancia().marcoDe(s.Hub())->close();
        SesionPrueba::Suelta();
        QVERIFY(!s.Hub());
        QVERIFY(!s.Grafica());
        QCOMPARE(NivelPila, 1);
        QVERIFY(!PoliActual);
        QVERIFY(ConceptoResuelto[1]); // as "Regresar a &Inicio": the flags stay
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
        QVERIFY(s.principal->mnupoliAccion()->isEnabled());

        // Each new session stands one level above the start, never more.
        for (int vez = 0; vez < 2; ++vez) {
            s.principal->mnupoliAccion()->trigger();
            QCOMPARE(NivelPila, 2);
            GestorVentanas::instancia().marcoDe(s.Hub())->close();
            SesionPrueba::Suelta();
            QCOMPARE(NivelPila, 1);
        }
    }

    // "Iniciar sesión" with a session open brings it to the front as it
    // stands: no second hub over an open exercise.
    void iniciarSesionConUnaAbierta()
    {
        SesionPrueba s;
        s.Hub()->mnuPolicalElige()->trigger(); // the main menus stay on
        s.Hub()->mnuConsGraf()->trigger();
        QTest::mouseClick(s.Hub()->OptCalcConcepto(2), Qt::LeftButton);
        auto *ejercicio = SesionPrueba::Ventana<frmParidad>();
        QVERIFY(ejercicio);
        const int nivel = NivelPila;
        frmPolical *hub = s.Hub();
        QVERIFY(s.principal->mnupoliAccion()->isEnabled());
        s.principal->mnupoliAccion()->trigger();
        SesionPrueba::Suelta();
        QCOMPARE(CuantosHubs(s), 1);
        QCOMPARE(s.Hub(), hub);
        QCOMPARE(SesionPrueba::Ventana<frmParidad>(), ejercicio);
        QCOMPARE(GestorVentanas::instancia().actual(), static_cast<VentanaBase *>(ejercicio));
        QCOMPARE(NivelPila, nivel);
        QVERIFY(s.Grafica()->picejGraf().isVisible());
        QVERIFY(!hub->lblProductName()->isVisible());
        QVERIFY(hub->FraConceptos()->isVisible());
    }

    // Giving a polynomial draws nothing; the construction game draws P
    // when its concepts are solved.
    void polinomioDadoNoSeDibuja()
    {
        SesionPrueba s;
        frmParidad *w = AbreParidad(s, QStringLiteral("x^3-x"));
        QVERIFY(w);
        PictureEjes &graf = s.Grafica()->picejGraf();
        // The construction shows the axes and the key, and no curve.
        QVERIFY(graf.isVisible());
        for (int color : {1, 2, 3, 4})
            QVERIFY2(!HayColor(graf, color), qPrintable(QString::number(color)));
        ConceptoResuelto.fill(true);
        SesionPrueba::Pulsa(w->cmdCancelar());
        SesionPrueba::Suelta();
        // Back in front with every concept solved: P is revealed.
        QVERIFY(HayColor(graf, 3));

        // Another polynomial given: the notice again, the graph hidden and clean.
        s.Hub()->mnuRegNuevoPoli()->trigger();
        SesionPrueba::Suelta();
        s.DaPolinomio(QStringLiteral("x^2-4"));
        frmGrafica2 *g = s.Grafica();
        QVERIFY(g->fraAnuncio()->isVisible());
        QVERIFY(!g->picejGraf().isVisible());
        for (int color : {1, 2, 3, 4})
            QVERIFY(!HayColor(g->picejGraf(), color));
        QCOMPARE(QString::fromStdString(s.Hub()->RtfDasPoli2()->Text()), QStringLiteral("x2-4"));
    }

    // "a proponer un &polinomio" from an exercise: the hub waits for a
    // polynomial with its labels where the hub puts them and the way back on.
    void otroPolinomioDesdeUnEjercicio()
    {
        SesionPrueba s;
        frmParidad *w = AbreParidad(s, QStringLiteral("x^3-x"));
        QVERIFY(w);
        w->mnuReProPoli()->trigger();
        SesionPrueba::Suelta();
        frmPolical *hub = s.Hub();
        QVERIFY(hub);
        QCOMPARE(NivelPila, 2);
        QCOMPARE(hub->lblProductName()->pos(),
                 QPoint(plataforma::TwipsAPixeles(700), plataforma::TwipsAPixeles(2400)));
        QCOMPARE(hub->LblLogo2()->pos(), QPoint(plataforma::TwipsAPixeles(150), plataforma::TwipsAPixeles(3800)));
        QVERIFY(hub->lblProductName()->isVisible());
        QVERIFY(hub->mnuRegNuevoPoli()->isEnabled());
        QVERIFY(!hub->mnuMenuConPoli()->isEnabled());
        QVERIFY(!hub->FraConceptos()->isVisible());
        QVERIFY(s.Grafica()->fraAnuncio()->isVisible());
    }

    // The one start again, from wherever the student is.
    void alInicio_data()
    {
        QTest::addColumn<QString>("desde");
        QTest::newRow("exercise") << "ejercicio";
        QTest::newRow("hub") << "hub";
        QTest::newRow("window on top") << "encima";
    }
    void alInicio()
    {
        QFETCH(QString, desde);
        SesionPrueba s;
        frmParidad *w = AbreParidad(s, QStringLiteral("x^3-x"));
        QVERIFY(w);
        if (desde == QLatin1String("ejercicio")) {
            w->mnuReinicio()->trigger();
        } else if (desde == QLatin1String("hub")) {
            s.Hub()->mnuRegInicio()->trigger();
        } else {
            AccionBarra(*s.principal, QStringLiteral("zoom"));
            QVERIFY(frmZoom::Existente());
            RegresaAlInicio();
        }
        SesionPrueba::Suelta();
        QCOMPARE(NivelPila, 1);
        QVERIFY(GestorVentanas::instancia().cargadas().isEmpty());
        QVERIFY(!PoliActual);
        QVERIFY(!PoliDado);
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
        QVERIFY(s.principal->mnupoliAccion()->isEnabled());
        QVERIFY(s.principal->mnuSalida()->isEnabled());
        QCOMPARE(PasoGuia, std::string("Rollo"));
    }

    // The tour's action: at once with the hub in front, else at its next
    // activation, and only once; never while its menu is off.
    void pideAccion()
    {
        SesionPrueba s;
        s.Hub()->mnuPolicalElige()->trigger();
        frmPolical *hub = s.Hub();
        // As the tour asks it, through the hub's surface for other windows.
        QCOMPARE(HubAbierto(), static_cast<HubSesion *>(hub));
        HubAbierto()->PideAccion(3);
        QVERIFY(hub->UCMarcoMedio()->isVisible());
        QCOMPARE(int(hub->AccionPendiente), 0);

        // Behind the to-order window the graph menu is off: nothing is
        // started, now or when the hub is in front again.
        hub->cmdCancelar_Click();
        hub->mnuTuEliges()->trigger();
        auto *aOrden = SesionPrueba::Ventana<frmDoyPoli>();
        QVERIFY(aOrden);
        QCOMPARE(HubAbierto()->PideAccion(3), FaltaHub::DandoPolinomio);
        QCOMPARE(int(hub->AccionPendiente), 0);
        SesionPrueba::Pulsa(aOrden->cmdcancela());
        SesionPrueba::Suelta();
        QVERIFY(!hub->UCMarcoMedio()->isVisible());

        // Left for the next activation: run then, once.
        hub->AccionPendiente = 3;
        hub->alActivar();
        QVERIFY(hub->UCMarcoMedio()->isVisible());
        QCOMPARE(int(hub->AccionPendiente), 0);

        // The next activation does not start the construction over.
        QTest::mouseClick(hub->OptCalcConcepto(2), Qt::LeftButton);
        auto *ejercicio = SesionPrueba::Ventana<frmParidad>();
        QVERIFY(ejercicio);
        ConceptoResuelto[5] = true;
        SesionPrueba::Pulsa(ejercicio->cmdCancelar());
        SesionPrueba::Suelta();
        QCOMPARE(GestorVentanas::instancia().actual(), static_cast<VentanaBase *>(hub));
        QVERIFY(ConceptoResuelto[5]);
    }

    // A window on top of the main window (the zoom) is kept by the window
    // manager as the work-area windows are, and the window below becomes
    // current again when it closes.
    void ventanaEncimaDelArea()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^2-4"));
        auto &gestor = GestorVentanas::instancia();
        AccionBarra(*s.principal, QStringLiteral("zoom"));
        frmZoom *zoom = gestor.existente<frmZoom>();
        QVERIFY(zoom);
        QCOMPARE(frmZoom::Existente(), zoom);
        QVERIFY(zoom->isWindow());
        QCOMPARE(zoom->parentWidget(), static_cast<QWidget *>(s.principal.get()));
        QCOMPARE(gestor.marcoDe(zoom), static_cast<QWidget *>(zoom));
        for (QMdiSubWindow *sub : s.principal->area()->subWindowList())
            QVERIFY(sub->widget() != zoom);
        QCOMPARE(gestor.actual(), static_cast<VentanaBase *>(zoom));
        QVERIFY(gestor.cargadas().contains(zoom));

        // One instance: the key again brings the same dialog forward.
        AccionBarra(*s.principal, QStringLiteral("zoom"));
        QCOMPARE(gestor.existente<frmZoom>(), zoom);

        QSignalSpy activadas(&gestor, &GestorVentanas::ventanaActivada);
        QPointer<frmZoom> cerrado = zoom;
        zoom->close();
        SesionPrueba::Suelta();
        QVERIFY(cerrado.isNull());
        QVERIFY(!gestor.existente<frmZoom>());
        QCOMPARE(gestor.actual(), static_cast<VentanaBase *>(s.Hub()));
        QCOMPARE(activadas.count(), 1);
        QCOMPARE(activadas.first().first().value<VentanaBase *>(), static_cast<VentanaBase *>(s.Hub()));
    }

    // A fresh start forgets every piece of shared state a test can touch:
    // the registries of windows, the providers, the legends, the last
    // random polynomial.
    void reiniciaGlobalesOlvidaTodo()
    {
        SesionPrueba s;
        s.Hub()->mnuPolicalElige()->trigger();
        s.Hub()->mnuConsGraf()->trigger();
        QVERIFY(HayEjercicio(2));
        QVERIFY(AbrePidePoli());
        QVERIFY(SalidasEjercicios().otroPolinomio);
        QVERIFY(VentanaGraficaActual());
        QVERIFY(!LeyendaX.empty());
        QVERIFY(PoliAzar);
        QVERIFY(HubAbierto());
        ReiniciaGlobales();
        QVERIFY(!HubAbierto());
        QVERIFY(!HayEjercicio(2));
        QVERIFY(!AbrePidePoli());
        QVERIFY(!SalidasEjercicios().otroPolinomio);
        QVERIFY(!VentanaGraficaActual());
        QVERIFY(LeyendaX.empty());
        QVERIFY(!PoliAzar);
        QVERIFY(!PoliActual);
    }
};

QTEST_MAIN(tst_Sesion)
#include "tst_Sesion.moc"
