// Every way out of the graph roads, the construction chooser and the
// construction exercises (the real roots and the eight on derivatives, with
// their algebra window open where they offer one), round after round: the
// screen contexts come back to where they were, the main caption is the one
// of the screen left under it, and no window stays loaded. The report and
// the calculator on top of each window, closed by each of their ways.
#include "EscenaGraficas.h"

#include "frmConRaices.h"
#include "frmConceptos.h"
#include "frmGrafiConcepto.h"
#include "frmGrafiDeri.h"
#include "frmHistoria.h"
#include "frmcalculadora.h"

#include "GestorVentanas.h"
#include "VentanaBase.h"

#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace {

// Construccion + k is the construction of concept k.
enum class Ventanilla { CaminoP, CaminoDeri, Selector, Construccion };

Ventanilla Construccion(int k)
{
    return static_cast<Ventanilla>(static_cast<int>(Ventanilla::Construccion) + k);
}

bool EsConstruccion(Ventanilla v)
{
    return v >= Ventanilla::Construccion;
}
enum class Salida {
    Cancelar,
    Anterior,
    Inicio,
    CierreMarco,
    HubCerrado,
    Adios,
    MenuSalida,
    IniciarSesion,
    HubAlInicio,
    HubNuevoPoli,
    Programa
};

VentanaBase *Abre(SesionPrueba &s, Ventanilla v)
{
    switch (v) {
    case Ventanilla::CaminoP:
        s.Hub()->mnuDoyGrafiPoli()->trigger();
        return SesionPrueba::Ventana<frmGrafiConcepto>();
    case Ventanilla::CaminoDeri:
        s.Hub()->mnuGrafiDeri()->trigger();
        return SesionPrueba::Ventana<frmGrafiDeri>();
    case Ventanilla::Selector:
        s.Hub()->mnuConceptos()->trigger();
        return SesionPrueba::Ventana<frmConceptos>();
    default:
        break;
    }
    const int k = static_cast<int>(v) - static_cast<int>(Ventanilla::Construccion);
    s.Hub()->mnuConceptos()->trigger();
    if (k == 0)
        rt::ProgramaAzar({0.5f, 0.5f, 0.5f, 0.5f});
    SesionPrueba::Ventana<frmConceptos>()->OptConcepto(k)->click();
    for (VentanaBase *w : GestorVentanas::instancia().cargadas())
        if (auto *c = qobject_cast<VentanaConstruccion *>(w)) {
            // Its algebra window open beside it, where it has one.
            if (c->CmdExpande())
                SesionPrueba::Pulsa(c->CmdExpande());
            return c;
        }
    return nullptr;
}

// The window's own ways out: "Cancelar", "al menú anterior", "al inicio".
struct Salidas {
    Usc *cancelar = nullptr;
    QAction *anterior = nullptr;
    QAction *inicio = nullptr;
};

Salidas SalidasDe(VentanaBase *w)
{
    if (auto *c = qobject_cast<VentanaCamino *>(w))
        return {c->cmdCancelar(), c->mnuAnterior(), c->mnuInicio()};
    if (auto *c = qobject_cast<frmConceptos *>(w))
        return {c->cmdCancelar(), c->mnuAnterior(), c->mnuInicio()};
    if (auto *c = qobject_cast<VentanaConstruccion *>(w))
        return {c->cmdCancelar(), c->mnuReConceptos(), c->mnuReinicio()};
    return {};
}

Usc *Cancelar(VentanaBase *w)
{
    return SalidasDe(w).cancelar;
}

const std::pair<const char *, Ventanilla> kVentanas[] = {{"caminoP", Ventanilla::CaminoP},
                                                         {"caminoDeri", Ventanilla::CaminoDeri},
                                                         {"selector", Ventanilla::Selector},
                                                         {"construccion", Construccion(0)},
                                                         {"construccion1aDerivada", Construccion(4)},
                                                         {"construccionCriticos", Construccion(5)},
                                                         {"construccionMonotonia", Construccion(6)},
                                                         {"construccionClasificacion", Construccion(7)},
                                                         {"construccion2aDerivada", Construccion(8)},
                                                         {"construccionInflexion", Construccion(9)},
                                                         {"construccionConcavidad", Construccion(10)},
                                                         {"construccionExtremos", Construccion(12)}};

// Windows on screen other than the hub, the graph and the main ones.
QStringList Sobrantes()
{
    QStringList l;
    for (VentanaBase *v : GestorVentanas::instancia().cargadas())
        if (v != SesionPrueba::Hub() && v != SesionPrueba::Grafica()
            && GestorVentanas::instancia().marcoDe(v)->isVisible())
            l << QString::fromLatin1(v->metaObject()->className());
    return l;
}

} // namespace

Q_DECLARE_METATYPE(Ventanilla)
Q_DECLARE_METATYPE(Salida)

class tst_SalidasCaminos : public QObject {
    Q_OBJECT

private slots:
    void cadaSalidaDejaTodoComoEstaba_data()
    {
        QTest::addColumn<Ventanilla>("ventana");
        QTest::addColumn<Salida>("salida");
        const std::pair<const char *, Salida> salidas[] = {
            {"cancelar", Salida::Cancelar},        {"anterior", Salida::Anterior},
            {"inicio", Salida::Inicio},            {"cierreMarco", Salida::CierreMarco},
            {"hubCerrado", Salida::HubCerrado},    {"adios", Salida::Adios},
            {"menuSalida", Salida::MenuSalida},
            {"iniciarSesion", Salida::IniciarSesion},
            {"hubAlInicio", Salida::HubAlInicio},  {"hubNuevoPoli", Salida::HubNuevoPoli},
            {"programa", Salida::Programa}};
        for (const auto &[nv, v] : kVentanas)
            for (const auto &[ns, s] : salidas)
                QTest::addRow("%s-%s", nv, ns) << v << s;
    }

    void cadaSalidaDejaTodoComoEstaba()
    {
        QFETCH(Ventanilla, ventana);
        QFETCH(Salida, salida);
        SesionPrueba s;
        const int nivel = NivelPila;
        const QString titulo = s.principal->windowTitle();
        for (int ronda = 0; ronda < 3; ++ronda) {
            if (!s.Hub()) {
                s.principal->mnupoli_Click();
                SesionPrueba::Suelta();
            }
            QVERIFY(s.Hub());
            QCOMPARE(NivelPila, nivel);
            QPointer<VentanaBase> w = Abre(s, ventana);
            SesionPrueba::Suelta();
            QVERIFY(w);
            QVERIFY(NivelPila > nivel);
            // The window in front: the one opened, or its algebra window.
            const QPointer<VentanaBase> delante = GestorVentanas::instancia().actual();
            // A step of work: the report and the calculator on top, both closed.
            s.principal->botonPorClave(QStringLiteral("pasado"))->trigger();
            if (frmHistoria *h = frmHistoria::Existente())
                h->cmdCancelar_Click();
            s.principal->botonPorClave(QStringLiteral("calculadora"))->trigger();
            if (auto *c = SesionPrueba::Ventana<frmcalculadora>())
                SesionPrueba::Pulsa(c->cmdcalculadora());
            SesionPrueba::Suelta();
            QVERIFY(w);
            bool alHub = true;
            bool hecho = true;
            switch (salida) {
            case Salida::Cancelar:
                SesionPrueba::Pulsa(Cancelar(w));
                break;
            case Salida::Anterior:
                SalidasDe(w).anterior->trigger();
                break;
            case Salida::Inicio:
                SalidasDe(w).inicio->trigger();
                alHub = false;
                break;
            case Salida::CierreMarco:
                GestorVentanas::instancia().marcoDe(w)->close();
                break;
            case Salida::HubCerrado:
                GestorVentanas::instancia().marcoDe(s.Hub())->close();
                alHub = false;
                break;
            case Salida::IniciarSesion:
                // The open session comes to the front as it stands.
                s.principal->mnupoliAccion()->trigger();
                SesionPrueba::Suelta();
                QVERIFY(w);
                QCOMPARE(GestorVentanas::instancia().actual(), delante.data());
                hecho = false;
                break;
            case Salida::HubAlInicio:
                hecho = s.Hub()->mnuRegInicio()->isEnabled();
                s.Hub()->mnuRegInicio()->trigger();
                alHub = false;
                break;
            case Salida::HubNuevoPoli:
                hecho = s.Hub()->mnuRegNuevoPoli()->isEnabled();
                s.Hub()->mnuRegNuevoPoli()->trigger();
                break;
            case Salida::Adios:
            case Salida::MenuSalida:
            case Salida::Programa:
                if (salida == Salida::Adios)
                    s.principal->botonPorClave(QStringLiteral("adios"))->trigger();
                else if (salida == Salida::MenuSalida)
                    s.principal->mnuSalida()->trigger();
                else
                    s.principal->close();
                SesionPrueba::Suelta();
                QVERIFY(GestorVentanas::instancia().cargadas().isEmpty());
                return;
            }
            SesionPrueba::Suelta();
            if (!hecho) {
                // A way that is off while the window is open changes nothing.
                QVERIFY(w);
                SesionPrueba::Pulsa(Cancelar(w));
                SesionPrueba::Suelta();
            }
            QVERIFY2(!w, qPrintable(QString::number(ronda)));
            if (EsConstruccion(ventana) && alHub && (salida != Salida::HubNuevoPoli || !hecho)) {
                // An exercise goes back to the chooser, which goes back to the hub.
                auto *selector = SesionPrueba::Ventana<frmConceptos>();
                QVERIFY(selector);
                QCOMPARE(NivelPila, nivel + 1);
                QCOMPARE(s.principal->windowTitle(),
                         QStringLiteral("Quorvane: Te doy conceptos y me das un polinomio"));
                SesionPrueba::Pulsa(selector->cmdCancelar());
                SesionPrueba::Suelta();
            }
            QCOMPARE(Sobrantes().join(QLatin1Char(',')), QString());
            if (alHub) {
                QVERIFY(s.Hub());
                QCOMPARE(NivelPila, nivel);
                QCOMPARE(s.principal->windowTitle(), titulo);
            } else {
                QVERIFY(!s.Hub());
                QCOMPARE(NivelPila, 1);
                QVERIFY(MenusPrincipalesActivos(s));
            }
        }
    }
    // The report and the calculator over each window: closed by each of
    // their ways, or left open while the window goes.
    void informeYCalculadoraEncima_data()
    {
        QTest::addColumn<Ventanilla>("ventana");
        QTest::addColumn<QString>("encima");
        for (const auto &[nv, v] : kVentanas)
            for (const char *e : {"historiaRegresar", "historiaMenu", "historiaMarco", "historiaAbierta",
                                  "calculadoraCancelar", "calculadoraMarco", "calculadoraAbierta"})
                QTest::addRow("%s-%s", nv, e) << v << QString::fromLatin1(e);
    }

    void informeYCalculadoraEncima()
    {
        QFETCH(Ventanilla, ventana);
        QFETCH(QString, encima);
        SesionPrueba s;
        const int nivel = NivelPila;
        const QString titulo = s.principal->windowTitle();
        const bool historia = encima.startsWith(QLatin1String("historia"));
        for (int ronda = 0; ronda < 3; ++ronda) {
            QPointer<VentanaBase> w = Abre(s, ventana);
            SesionPrueba::Suelta();
            QVERIFY(w);
            const QPointer<VentanaBase> delante = GestorVentanas::instancia().actual();
            const int nivelVentana = NivelPila;
            const QString tituloVentana = s.principal->windowTitle();
            QAction *boton = s.principal->botonPorClave(historia ? QStringLiteral("pasado") : QStringLiteral("calculadora"));
            if (!boton->isEnabled())
                QSKIP("Not offered over this window");
            boton->trigger();
            SesionPrueba::Suelta();
            QPointer<VentanaBase> arriba;
            if (historia)
                arriba = frmHistoria::Existente();
            else
                arriba = SesionPrueba::Ventana<frmcalculadora>();
            QVERIFY(arriba);
            QVERIFY(arriba->isVisible());
            if (encima == QLatin1String("historiaRegresar"))
                SesionPrueba::Pulsa(qobject_cast<frmHistoria *>(arriba)->cmdCancelar());
            else if (encima == QLatin1String("historiaMenu"))
                qobject_cast<frmHistoria *>(arriba)->mnuSalidaGrafYConce()->trigger();
            else if (encima == QLatin1String("calculadoraCancelar"))
                SesionPrueba::Pulsa(qobject_cast<frmcalculadora *>(arriba)->cmdcalculadora());
            else if (encima.endsWith(QLatin1String("Marco")))
                GestorVentanas::instancia().marcoDe(arriba)->close();
            SesionPrueba::Suelta();
            if (!encima.endsWith(QLatin1String("Abierta"))) {
                QVERIFY(!arriba || !arriba->isVisible());
                QCOMPARE(NivelPila, nivelVentana);
                QCOMPARE(s.principal->windowTitle(), tituloVentana);
                QCOMPARE(GestorVentanas::instancia().actual(), delante.data());
            }
            SesionPrueba::Pulsa(Cancelar(w));
            SesionPrueba::Suelta();
            if (EsConstruccion(ventana)) {
                QVERIFY(SesionPrueba::Ventana<frmConceptos>());
                SesionPrueba::Pulsa(SesionPrueba::Ventana<frmConceptos>()->cmdCancelar());
                SesionPrueba::Suelta();
            }
            QVERIFY(!w);
            if (encima.endsWith(QLatin1String("Abierta")) && arriba && arriba->isVisible()) {
                // What stays on top is closed now, by its own way.
                if (historia)
                    qobject_cast<frmHistoria *>(arriba)->cmdCancelar_Click();
                else
                    qobject_cast<frmcalculadora *>(arriba)->cmdcalculadora_Click();
                SesionPrueba::Suelta();
            }
            QCOMPARE(Sobrantes().join(QLatin1Char(',')), QString());
            QVERIFY(s.Hub());
            QCOMPARE(NivelPila, nivel);
            QCOMPARE(s.principal->windowTitle(), titulo);
        }
    }
    // The derivative road left while the student is typing the derivative
    // in the entry window: the entry window goes with it, the main menus
    // come back and the stack is where it was.
    void caminoDeriDejadoConLaEntradaAbierta_data()
    {
        QTest::addColumn<Salida>("salida");
        QTest::newRow("cancelar") << Salida::Cancelar;
        QTest::newRow("anterior") << Salida::Anterior;
        QTest::newRow("cierreMarco") << Salida::CierreMarco;
        QTest::newRow("inicio") << Salida::Inicio;
        QTest::newRow("hubCerrado") << Salida::HubCerrado;
    }
    void caminoDeriDejadoConLaEntradaAbierta()
    {
        QFETCH(Salida, salida);
        SesionPrueba s;
        const int nivel = NivelPila;
        const QString titulo = s.principal->windowTitle();
        for (int ronda = 0; ronda < 2; ++ronda) {
            if (!s.Hub())
                s.principal->mnupoli_Click();
            QPointer<frmGrafiDeri> w = static_cast<frmGrafiDeri *>(Abre(s, Ventanilla::CaminoDeri));
            QVERIFY(w);
            w->mnuTuPropones()->trigger();
            QPointer<frmpidepoli> entrada = SesionPrueba::Ventana<frmpidepoli>();
            QVERIFY(entrada);
            // The student goes back to the road (Ctrl+Tab) and leaves it.
            GestorVentanas::instancia().muestra(w);
            switch (salida) {
            case Salida::Cancelar:
                SesionPrueba::Pulsa(w->cmdCancelar());
                break;
            case Salida::Anterior:
                w->mnuAnterior()->trigger();
                break;
            case Salida::CierreMarco:
                GestorVentanas::instancia().marcoDe(w)->close();
                break;
            case Salida::Inicio:
                w->mnuInicio()->trigger();
                break;
            default:
                GestorVentanas::instancia().marcoDe(s.Hub())->close();
                break;
            }
            SesionPrueba::Suelta();
            QVERIFY(!w);
            QVERIFY(!entrada);
            QCOMPARE(Sobrantes().join(QLatin1Char(',')), QString());
            QVERIFY(MenusPrincipalesActivos(s));
            QVERIFY(!PidePoliDesdeEjercicio);
            if (s.Hub()) {
                QCOMPARE(NivelPila, nivel);
                QCOMPARE(s.principal->windowTitle(), titulo);
            } else {
                QCOMPARE(NivelPila, 1);
            }
        }
    }
    // The heading of each window is shown whole in the panel's width, on
    // as many lines as it needs.
    void encabezadoEntero_data()
    {
        QTest::addColumn<Ventanilla>("ventana");
        for (const auto &[nv, v] : kVentanas)
            QTest::newRow(nv) << v;
    }
    void encabezadoEntero()
    {
        QFETCH(Ventanilla, ventana);
        SesionPrueba s;
        auto *w = qobject_cast<VentanaPanel *>(Abre(s, ventana));
        QVERIFY(w);
        SesionPrueba::Suelta();
        w->layout()->activate();
        const QLabel *titulo = w->lbltitulo();
        QVERIFY(titulo->isVisible());
        const QRect caja = titulo->contentsRect();
        const int banderas = Qt::AlignCenter | (titulo->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect texto = titulo->fontMetrics().boundingRect(caja, banderas, titulo->text());
        QVERIFY2(caja.contains(texto), qPrintable(QStringLiteral("%1 in %2 wide").arg(titulo->text()).arg(caja.width())));
    }
    // On each road the student goes back to the chooser (Ctrl+Tab) while
    // an exercise is open and picks another concept, then leaves the road:
    // nothing stays open and the stack is the hub's.
    void otraOpcionConUnEjercicioAbierto_data()
    {
        QTest::addColumn<Ventanilla>("ventana");
        QTest::newRow("caminoP") << Ventanilla::CaminoP;
        QTest::newRow("caminoDeri") << Ventanilla::CaminoDeri;
    }
    void otraOpcionConUnEjercicioAbierto()
    {
        QFETCH(Ventanilla, ventana);
        SesionPrueba s;
        const int nivel = NivelPila;
        const QString titulo = s.principal->windowTitle();
        for (int ronda = 0; ronda < 2; ++ronda) {
            QPointer<VentanaCamino> w = qobject_cast<VentanaCamino *>(Abre(s, ventana));
            QVERIFY(w);
            if (auto *d = qobject_cast<frmGrafiDeri *>(w.data()))
                d->mnuMaquinaPropone()->trigger();
            SesionPrueba::Suelta();
            const int nivelCamino = NivelPila;
            w->OptGraCon(2)->click();
            SesionPrueba::Suelta();
            QVERIFY(NivelPila > nivelCamino);
            GestorVentanas::instancia().muestra(w);
            w->alActivar();
            w->OptGraCon(3)->click();
            SesionPrueba::Suelta();
            GestorVentanas::instancia().muestra(w);
            w->alActivar();
            SesionPrueba::Pulsa(w->cmdCancelar());
            SesionPrueba::Suelta();
            QVERIFY(!w);
            QCOMPARE(Sobrantes().join(QLatin1Char(',')), QString());
            QCOMPARE(NivelPila, nivel);
            QCOMPARE(s.principal->windowTitle(), titulo);
        }
    }
    // On the derivative road the derivative is chosen again and again, by
    // the program and by the student (typed or cancelled): the road keeps
    // one level and leaves the hub's context behind it.
    void derivadaElegidaVariasVeces()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        const QString titulo = s.principal->windowTitle();
        QPointer<frmGrafiDeri> w = static_cast<frmGrafiDeri *>(Abre(s, Ventanilla::CaminoDeri));
        QVERIFY(w);
        const int nivelCamino = NivelPila;
        for (int vez = 0; vez < 2; ++vez) {
            w->mnuMaquinaPropone()->trigger();
            SesionPrueba::Suelta();
            QCOMPARE(NivelPila, nivelCamino);
            w->mnuTuPropones()->trigger();
            SesionPrueba::Pulsa(SesionPrueba::Ventana<frmpidepoli>()->cmdCancelar());
            SesionPrueba::Suelta();
            QCOMPARE(NivelPila, nivelCamino);
            w->mnuTuPropones()->trigger();
            DaPolinomioEnEntrada(QStringLiteral("3x^2-3"));
            QCOMPARE(NivelPila, nivelCamino);
            QVERIFY(MenusPrincipalesActivos(s));
        }
        SesionPrueba::Pulsa(w->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!w);
        QCOMPARE(NivelPila, nivel);
        QCOMPARE(s.principal->windowTitle(), titulo);
    }
};

QTEST_MAIN(tst_SalidasCaminos)
#include "tst_SalidasCaminos.moc"
