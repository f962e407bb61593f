// Every analysis exercise opened from the real hub with a cubic, left by
// every way out: its own "Cancelar", its three "&Regresar" items, its close
// box, the hub's own way back and close box behind it, and the main
// window's "&Salida". After each one the screen-context stack is back where
// the way out leads, the main caption is the one of the screen in front,
// no exercise window is left and the hub's options are as they should be.
#include "../shell/tst_HubSesion.h"

#include "VentanaEjercicio.h"
#include "frmParidad.h"
#include "frmextension.h"
#include "frmraices.h"

#include "UCDextavo.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>

namespace {

enum class Salida {
    Cancelar,       // the window's "Cancelar"
    ReConceptos,    // "&Regresar" > "a determinar otra &característica"
    ReProPoli,      // "&Regresar" > "a proponer un &polinomio"
    ReInicio,       // "&Regresar" > "al &inicio"
    CajaCierre,     // the window's close box
    HubInicio,      // the hub's "Regresar a &Inicio" while the exercise is open
    HubNuevoPoli,   // the hub's way back to another polynomial
    HubCajaCierre,  // the hub's close box
    SalidaPrincipal // the main window's "&Salida"
};

// Where a way out leads.
enum class Destino { Hub, HubSinPolinomio, Inicio, Fin };

Destino DestinoDe(Salida s)
{
    switch (s) {
    case Salida::Cancelar:
    case Salida::ReConceptos:
    case Salida::CajaCierre:
        return Destino::Hub;
    case Salida::ReProPoli:
    case Salida::HubNuevoPoli:
        return Destino::HubSinPolinomio;
    case Salida::ReInicio:
    case Salida::HubInicio:
    case Salida::HubCajaCierre:
        return Destino::Inicio;
    case Salida::SalidaPrincipal:
        return Destino::Fin;
    }
    return Destino::Fin;
}

const char *NombreDe(Salida s)
{
    switch (s) {
    case Salida::Cancelar: return "Cancelar";
    case Salida::ReConceptos: return "otra característica";
    case Salida::ReProPoli: return "proponer un polinomio";
    case Salida::ReInicio: return "al inicio";
    case Salida::CajaCierre: return "caja de cierre";
    case Salida::HubInicio: return "hub: Regresar a Inicio";
    case Salida::HubNuevoPoli: return "hub: nuevo polinomio";
    case Salida::HubCajaCierre: return "hub: caja de cierre";
    case Salida::SalidaPrincipal: return "Salida";
    }
    return "";
}

VentanaEjercicio *EjercicioAbiertoAhora()
{
    for (VentanaBase *v : GestorVentanas::instancia().cargadas())
        if (auto *e = qobject_cast<VentanaEjercicio *>(v))
            return e;
    return nullptr;
}

Usc *BotonVisible(QWidget &ventana, const QString &texto)
{
    for (Usc *b : ventana.findChildren<Usc *>())
        if (b->isVisible() && b->Caption() == texto)
            return b;
    return nullptr;
}

// The polynomial given and the graph construction started: the hub with
// its thirteen concepts, nothing else open above it.
frmPolical *Construccion(SesionPrueba &s, const QString &polinomio)
{
    s.DaPolinomio(polinomio);
    frmPolical *hub = s.Hub();
    if (hub)
        hub->mnuConsGraf()->trigger();
    SesionPrueba::Suelta();
    return hub;
}

} // namespace

Q_DECLARE_METATYPE(Salida)

class tst_SalidasEjercicios : public QObject {
    Q_OBJECT

private slots:
    void cadaSalidaDejaLaPantallaEnOrden_data()
    {
        QTest::addColumn<int>("concepto");
        QTest::addColumn<bool>("segundaFase");
        QTest::addColumn<Salida>("salida");
        const auto salidas = {Salida::Cancelar,     Salida::ReConceptos, Salida::ReProPoli,
                              Salida::ReInicio,     Salida::CajaCierre,  Salida::HubInicio,
                              Salida::HubNuevoPoli, Salida::HubCajaCierre, Salida::SalidaPrincipal};
        for (int k = 0; k < 13; ++k)
            for (Salida s : salidas)
                QTest::addRow("%d %s", k, NombreDe(s)) << k << false << s;
        // The real roots once their count is given: a second context of its own.
        for (Salida s : salidas)
            QTest::addRow("0, segunda fase, %s", NombreDe(s)) << 0 << true << s;
    }
    void cadaSalidaDejaLaPantallaEnOrden()
    {
        QFETCH(int, concepto);
        QFETCH(bool, segundaFase);
        QFETCH(Salida, salida);
        SesionPrueba s;
        const int nivelEspera = NivelPila;
        const QString tituloEspera = s.principal->windowTitle();
        frmPolical *hub = Construccion(s, QStringLiteral("x^3-3x"));
        QVERIFY(hub);
        const int nivelHub = NivelPila;
        const QString tituloHub = s.principal->windowTitle();

        hub->OptCalcConcepto(concepto)->click();
        SesionPrueba::Suelta();
        VentanaEjercicio *w = EjercicioAbiertoAhora();
        QVERIFY(w);
        QCOMPARE(NivelPila, nivelHub + 1);
        QVERIFY(s.principal->windowTitle() != tituloHub);
        if (segundaFase) {
            auto *raices = qobject_cast<frmraices *>(w);
            QVERIFY(raices);
            QTest::keyClicks(raices->txtRespuesta()->Caja(), QStringLiteral("3"));
            SesionPrueba::Pulsa(raices->cmdListo());
            QVERIFY(!raices->PideCuantas());
            QCOMPARE(NivelPila, nivelHub + 2);
            s.mensajes.clear();
        }

        auto &gestor = GestorVentanas::instancia();
        switch (salida) {
        case Salida::Cancelar: {
            Usc *cancelar = BotonVisible(*w, QStringLiteral("Cancelar"));
            QVERIFY(cancelar);
            SesionPrueba::Pulsa(cancelar);
            break;
        }
        case Salida::ReConceptos:
            w->mnuReConceptos()->trigger();
            break;
        case Salida::ReProPoli:
            w->mnuReProPoli()->trigger();
            break;
        case Salida::ReInicio:
            w->mnuReinicio()->trigger();
            break;
        case Salida::CajaCierre:
            gestor.marcoDe(w)->close();
            break;
        case Salida::HubInicio:
            hub->mnuRegInicio()->trigger();
            break;
        case Salida::HubNuevoPoli:
            hub->mnuRegNuevoPoli()->trigger();
            break;
        case Salida::HubCajaCierre:
            gestor.marcoDe(hub)->close();
            break;
        case Salida::SalidaPrincipal:
            s.principal->mnuSalida_Click();
            break;
        }
        SesionPrueba::Suelta();

        QVERIFY(!EjercicioAbiertoAhora());
        switch (DestinoDe(salida)) {
        case Destino::Hub:
            QCOMPARE(s.Hub(), hub);
            QCOMPARE(gestor.actual(), hub);
            QCOMPARE(NivelPila, nivelHub);
            QCOMPARE(s.principal->windowTitle(), tituloHub);
            QVERIFY(hub->OptCalcConcepto(concepto)->isEnabled());
            QVERIFY(!hub->OptCalcConcepto(concepto)->isChecked());
            break;
        case Destino::HubSinPolinomio:
            QVERIFY(s.Hub());
            QCOMPARE(gestor.actual(), s.Hub());
            QVERIFY(!PoliActual);
            QCOMPARE(NivelPila, nivelEspera);
            QCOMPARE(s.principal->windowTitle(), tituloEspera);
            QVERIFY(!s.Hub()->FraConceptos()->isVisible());
            QVERIFY(s.Hub()->mnutupropo()->isEnabled());
            break;
        case Destino::Inicio:
            QVERIFY(!s.Hub());
            QVERIFY(!s.Grafica());
            QCOMPARE(NivelPila, 1);
            QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
            QVERIFY(s.principal->mnupoliAccion()->isEnabled());
            break;
        case Destino::Fin:
            QVERIFY(gestor.cargadas().isEmpty());
            break;
        }
        // Leaving says nothing.
        QCOMPARE(s.mensajes, QStringList{});
    }

    // Ctrl+Tab brings the hub forward while an exercise is open; the
    // student picks another concept there. The hub's concepts are one at a
    // time: the first exercise leaves as its "Cancelar", and leaving the
    // second one gives the hub back its own caption and stack level.
    void otroConceptoDesdeElHubConUnEjercicioAbierto()
    {
        SesionPrueba s;
        frmPolical *hub = Construccion(s, QStringLiteral("x^3-3x"));
        QVERIFY(hub);
        const int nivelHub = NivelPila;
        const QString tituloHub = s.principal->windowTitle();
        auto &gestor = GestorVentanas::instancia();

        hub->OptCalcConcepto(2)->click();
        SesionPrueba::Suelta();
        auto *paridad = SesionPrueba::Ventana<frmParidad>();
        QVERIFY(paridad);
        QTest::keyClick(paridad, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(gestor.area()->activeSubWindow(), gestor.marcoDe(hub));

        hub->OptCalcConcepto(3)->click();
        SesionPrueba::Suelta();
        auto *extension = SesionPrueba::Ventana<frmextension>();
        QVERIFY(extension);
        QVERIFY(!SesionPrueba::Ventana<frmParidad>());
        QCOMPARE(NivelPila, nivelHub + 1);
        const QString tituloExtension = s.principal->windowTitle();
        QVERIFY(tituloExtension != tituloHub);
        QVERIFY(!hub->OptCalcConcepto(2)->isChecked());
        QVERIFY(hub->OptCalcConcepto(2)->isEnabled());

        // The same concept again keeps the window and what is typed in it.
        QTest::keyClicks(extension->txtLimite(0)->Caja(), QStringLiteral("+i"));
        const QString escrito = extension->txtLimite(0)->Text();
        QVERIFY(!escrito.isEmpty());
        hub->OptCalcConcepto(3)->click();
        SesionPrueba::Suelta();
        QCOMPARE(SesionPrueba::Ventana<frmextension>(), extension);
        QCOMPARE(extension->txtLimite(0)->Text(), escrito);
        QCOMPARE(NivelPila, nivelHub + 1);
        QCOMPARE(s.principal->windowTitle(), tituloExtension);

        SesionPrueba::Pulsa(extension->CmdExtensaCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!EjercicioAbiertoAhora());
        QCOMPARE(NivelPila, nivelHub);
        QCOMPARE(s.principal->windowTitle(), tituloHub);
        QCOMPARE(s.mensajes, QStringList{});
    }

    // The hub's "Cancelar" leaves the graph construction behind the open
    // exercise: the exercise goes with it.
    void cancelarLaConstruccionCierraElEjercicio()
    {
        SesionPrueba s;
        frmPolical *hub = Construccion(s, QStringLiteral("x^3-3x"));
        QVERIFY(hub);
        const int nivelHub = NivelPila;
        hub->OptCalcConcepto(2)->click();
        SesionPrueba::Suelta();
        QVERIFY(EjercicioAbiertoAhora());
        SesionPrueba::Pulsa(hub->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!EjercicioAbiertoAhora());
        QVERIFY(!hub->FraConceptos()->isVisible());
        QCOMPARE(NivelPila, nivelHub);
        QCOMPARE(GestorVentanas::instancia().actual(), hub);
        // The construction left: the hub's own caption, as the polynomial was given.
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Proponer una sesión"));
    }

    // The focus as the student works: in the exercise when it opens, still
    // there after "Listo" pressed with no answer (and its message, where the
    // window gives one), and on the hub once the exercise is left.
    void focoTrasMensajeYSalida_data()
    {
        QTest::addColumn<int>("concepto");
        for (int k = 0; k < 13; ++k)
            QTest::addRow("%d", k) << k;
    }
    void focoTrasMensajeYSalida()
    {
        QFETCH(int, concepto);
        SesionPrueba s;
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        frmPolical *hub = Construccion(s, QStringLiteral("x^4-2x^2"));
        QVERIFY(hub);
        hub->OptCalcConcepto(concepto)->click();
        SesionPrueba::Suelta();
        VentanaEjercicio *w = EjercicioAbiertoAhora();
        QVERIFY(w);
        QVERIFY(w->isAncestorOf(QApplication::focusWidget()));

        Usc *listo = BotonVisible(*w, QStringLiteral("Listo"));
        QVERIFY(listo);
        SesionPrueba::Pulsa(listo);
        SesionPrueba::Suelta();
        QCOMPARE(EjercicioAbiertoAhora(), w);
        QVERIFY(w->isAncestorOf(QApplication::focusWidget()));

        w->mnuReConceptos()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(hub->isAncestorOf(QApplication::focusWidget()));
    }

    // The main window's toolbar and menus while an exercise is open: the
    // help, support and book viewers come and go by their close boxes, and
    // "&Iniciar sesión en Quorvane" brings the session forward as it
    // stands; the exercise keeps the front, the stack and the caption.
    void visoresYMenuPrincipalConUnEjercicioAbierto_data()
    {
        QTest::addColumn<int>("concepto");
        for (int k : {0, 6, 12})
            QTest::addRow("%d", k) << k;
    }
    void visoresYMenuPrincipalConUnEjercicioAbierto()
    {
        QFETCH(int, concepto);
        SesionPrueba s;
        frmPolical *hub = Construccion(s, QStringLiteral("x^3-3x"));
        QVERIFY(hub);
        hub->OptCalcConcepto(concepto)->click();
        SesionPrueba::Suelta();
        VentanaEjercicio *w = EjercicioAbiertoAhora();
        QVERIFY(w);
        const int nivel = NivelPila;
        const QString titulo = s.principal->windowTitle();
        auto &gestor = GestorVentanas::instancia();
        const auto siguePorDelante = [&] {
            QCOMPARE(EjercicioAbiertoAhora(), w);
            QCOMPARE(gestor.actual(), static_cast<VentanaBase *>(w));
            QCOMPARE(NivelPila, nivel);
            QCOMPARE(s.principal->windowTitle(), titulo);
        };
        for (const char *clave : {"ayuda", "apoyo", "texto"}) {
            const QList<VentanaBase *> antes = gestor.cargadas();
            s.principal->Tlbpoli_ButtonClick(QString::fromLatin1(clave));
            SesionPrueba::Suelta();
            for (VentanaBase *v : gestor.cargadas())
                if (!antes.contains(v))
                    v->close();
            SesionPrueba::Suelta();
            QCOMPARE(gestor.cargadas(), antes);
            siguePorDelante();
        }
        s.principal->mnupoliAccion()->trigger();
        SesionPrueba::Suelta();
        siguePorDelante();
        QCOMPARE(s.mensajes, QStringList{});
    }

    // A wrong answer, then the right one: the exercise finishes, the hub's
    // option is greyed and unchecked, "Graficar" is on, and the hub is in
    // front with its own level and caption; "Graficar" and a further
    // exercise left by "Cancelar" leave the stack where it was.
    void terminarDevuelveElHubEnOrden()
    {
        SesionPrueba s;
        frmPolical *hub = Construccion(s, QStringLiteral("x^3-3x"));
        QVERIFY(hub);
        const int nivelHub = NivelPila;
        const QString tituloHub = s.principal->windowTitle();
        hub->OptCalcConcepto(2)->click();
        auto *w = SesionPrueba::Ventana<frmParidad>();
        QVERIFY(w);
        w->OptParidad(1)->click();
        SesionPrueba::Pulsa(w->cmdListo());
        QCOMPARE(s.mensajes.size(), 1);
        QCOMPARE(SesionPrueba::Ventana<frmParidad>(), w);
        QCOMPARE(NivelPila, nivelHub + 1);
        w->OptParidad(0)->click();
        SesionPrueba::Pulsa(w->cmdListo());
        SesionPrueba::Suelta();
        QVERIFY(!EjercicioAbiertoAhora());
        QCOMPARE(GestorVentanas::instancia().actual(), hub);
        QCOMPARE(NivelPila, nivelHub);
        QCOMPARE(s.principal->windowTitle(), tituloHub);
        QVERIFY(!hub->OptCalcConcepto(2)->isEnabled());
        QVERIFY(!hub->OptCalcConcepto(2)->isChecked());
        QVERIFY(hub->CmdGraficar()->isEnabled());

        SesionPrueba::Pulsa(hub->CmdGraficar());
        const QString tituloGrafica = s.principal->windowTitle();
        QCOMPARE(NivelPila, nivelHub);
        hub->OptCalcConcepto(3)->click();
        SesionPrueba::Suelta();
        QCOMPARE(NivelPila, nivelHub + 1);
        SesionPrueba::Pulsa(SesionPrueba::Ventana<frmextension>()->CmdExtensaCancelar());
        SesionPrueba::Suelta();
        QCOMPARE(NivelPila, nivelHub);
        QCOMPARE(s.principal->windowTitle(), tituloGrafica);
        QVERIFY(!hub->OptCalcConcepto(2)->isEnabled());
        QVERIFY(hub->OptCalcConcepto(3)->isEnabled());
        QVERIFY(!hub->OptCalcConcepto(3)->isChecked());
    }
};

QTEST_MAIN(tst_SalidasEjercicios)
#include "tst_SalidasEjercicios.moc"
