// What every exercise window shares: the evaluation tools, the numeric
// boxes' Enter, leave and drop, and the ways out to another polynomial or
// back to the start.
#include "EntornoEjercicios.h"

#include "Grid.h"
#include "PanelHerramientas.h"
#include "Utilerias.h"
#include "frmParidad.h"
#include "frmderivada1.h"
#include "frmextension.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

class tst_MarcoEjercicio : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    PanelHerramientas *herramientas()
    {
        frmextension *w = e->Abre<frmextension>(3);
        return w ? w->herramientas() : nullptr;
    }
    void tabla(PanelHerramientas &h, const QString &inicio, const QString &paso)
    {
        Escribe(*h.cajaInicio(), inicio);
        Escribe(*h.cajaPaso(), paso);
        Pulsa(*h.cmdListoRango());
    }

private slots:
    void init()
    {
        e = std::make_unique<EntornoEjercicios>();
        // P = x^3 - 3x
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}});
    }
    void cleanup() { e.reset(); }

    void tablaAlCargar()
    {
        PanelHerramientas *h = herramientas();
        QVERIFY(h);
        plataforma::Grid *g = h->flxgrdRango();
        QCOMPARE(g->TextMatrix(0, 0), QStringLiteral("x"));
        QCOMPARE(g->TextMatrix(0, 1), QStringLiteral("P(x)"));
        // Start 0 and step 1, three decimals.
        QCOMPARE(g->TextMatrix(3, 0), QString::fromStdString(NumeroATexto(2, 6, 3)));
        QCOMPARE(g->TextMatrix(3, 1), QString::fromStdString(NumeroATexto(2, 6, 3)));
        QCOMPARE(g->TextMatrix(20, 0), QString::fromStdString(NumeroATexto(19, 6, 3)));
    }

    void tablaConDecimalesSegunElRango()
    {
        PanelHerramientas *h = herramientas();
        tabla(*h, "0.0004", "0.1");
        plataforma::Grid *g = h->flxgrdRango();
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("0.0004"));
        QCOMPARE(g->TextMatrix(2, 0), QStringLiteral("0.1004"));
        QCOMPARE(g->TextMatrix(2, 1), QString::fromStdString(NumeroATexto(std::pow(0.1004, 3) - 3 * 0.1004, 6, 4)));
        QVERIFY(e->mensajes.isEmpty());
    }

    void pasoCeroRepiteElInicio()
    {
        PanelHerramientas *h = herramientas();
        tabla(*h, "0.5", "0");
        plataforma::Grid *g = h->flxgrdRango();
        QVERIFY(e->mensajes.isEmpty());
        for (int fila = 1; fila <= 20; ++fila)
            QCOMPARE(g->TextMatrix(fila, 0), g->TextMatrix(1, 0));
        QVERIFY(g->TextMatrix(1, 0).startsWith(QStringLiteral("0.5")));
    }

    void tablaConEntradaInvalida()
    {
        PanelHerramientas *h = herramientas();
        const QString antes = h->flxgrdRango()->TextMatrix(2, 0);
        tabla(*h, "3", "1/");
        QCOMPARE(e->mensajes, QStringList{Error(151)});
        QCOMPARE(h->flxgrdRango()->TextMatrix(2, 0), antes);
    }

    void valorEnUnPunto()
    {
        PanelHerramientas *h = herramientas();
        Escribe(*h->cajaPunto(), "2");
        QTest::keyClick(h->cajaPunto()->Caja(), Qt::Key_Return);
        QCOMPARE(h->LblPuntual()->text(), QString::fromStdString(NumeroATexto(2, 6, 3)));

        // An invalid entry: one message, the read-out unchanged.
        Escribe(*h->cajaPunto(), "1/");
        QTest::keyClick(h->cajaPunto()->Caja(), Qt::Key_Return);
        QCOMPARE(e->mensajes, QStringList{Error(151)});
        QCOMPARE(h->LblPuntual()->text(), QString::fromStdString(NumeroATexto(2, 6, 3)));
        QCOMPARE(h->cajaPunto()->Text(), QStringLiteral("1/"));

        Pulsa(*h->cmdLimpiaPuntual());
        QVERIFY(h->LblPuntual()->text().isEmpty());
        QVERIFY(h->cajaPunto()->Text().isEmpty());
    }

    void salirDeUnaCajaInvalidaSeRechaza()
    {
        PanelHerramientas *h = herramientas();
        Escribe(*h->cajaPaso(), "3/");
        bool cancelar = false;
        emit h->cajaPaso()->Validate(cancelar);
        QVERIFY(cancelar);
        QCOMPARE(e->mensajes, QStringList{Error(151)});

        // An empty box may be left; a valid one too.
        e->mensajes.clear();
        for (const QString &texto : {QString(), QStringLiteral("2.5")}) {
            Escribe(*h->cajaPaso(), texto);
            cancelar = false;
            emit h->cajaPaso()->Validate(cancelar);
            QVERIFY(!cancelar);
        }
        QVERIFY(e->mensajes.isEmpty());
    }

    void soltarUnNumeroEnUnaCaja()
    {
        PanelHerramientas *h = herramientas();
        emit h->cajaPunto()->DragDrop(nullptr, QStringLiteral("-1.5"), 0, 0);
        QCOMPARE(h->cajaPunto()->Text(), QStringLiteral("-1.5"));
        Pulsa(*h->cmdListoPuntual());
        QCOMPARE(h->LblPuntual()->text(), QString::fromStdString(NumeroATexto(1.125, 6, 3)));
    }

    void interruptoresEntrePYSuDerivada()
    {
        OpcionesHerramientas opciones;
        opciones.polinomios = OpcionesHerramientas::Polinomios::PYDerivada;
        PanelHerramientas h(opciones);
        h.show();
        h.LlenaTabla();
        QVERIFY(h.OptPuntPolioDeri(0)->isChecked());
        QVERIFY(h.OptPolioDeri(0)->isChecked());
        Escribe(*h.cajaPunto(), "2");
        h.OptPuntPolioDeri(1)->click();
        QCOMPARE(h.stabRaices()->tabText(0), QStringLiteral("Evaluación puntual de P´(x)"));
        QCOMPARE(h.lblPuntual1()->text(), QStringLiteral("P´("));
        Pulsa(*h.cmdListoPuntual());
        // P'(2) = 3 * 4 - 3
        QCOMPARE(h.LblPuntual()->text(), QString::fromStdString(NumeroATexto(9, 6, 3)));
        h.OptPuntPolioDeri(0)->click();
        QVERIFY(h.LblPuntual()->text().isEmpty());

        // The table follows the switch from the last accepted values, even
        // when the boxes now hold something else.
        Escribe(*h.cajaInicio(), "1");
        Pulsa(*h.cmdListoRango());
        Escribe(*h.cajaInicio(), "1/");
        h.OptPolioDeri(1)->click();
        QCOMPARE(h.stabRaices()->currentIndex(), 1);
        QCOMPARE(h.stabRaices()->tabText(1), QStringLiteral("Evaluación por rango de P´(x)"));
        QCOMPARE(h.flxgrdRango()->TextMatrix(0, 1), QStringLiteral("P´(x)"));
        QCOMPARE(h.flxgrdRango()->TextMatrix(1, 0), QString::fromStdString(NumeroATexto(1, 6, 3)));
        QCOMPARE(h.flxgrdRango()->TextMatrix(1, 1), QString::fromStdString(NumeroATexto(0, 6, 3)));
        QVERIFY(e->mensajes.isEmpty());
    }

    void otroPolinomio_data()
    {
        QTest::addColumn<int>("camino");
        QTest::newRow("analítico") << int(Camino::Analitico);
        QTest::newRow("gráfica de P") << int(Camino::GraficaPoli);
        QTest::newRow("gráfica de P'") << int(Camino::GraficaDeri);
    }
    void otroPolinomio()
    {
        QFETCH(int, camino);
        const auto c = static_cast<Camino>(camino);
        int hub = 0;
        // The hub pops its own context as it starts over.
        SalidasEjercicios().otroPolinomio = [&hub] {
            ++hub;
            RegresaPantalla(1);
        };
        frmextension *w = e->Abre<frmextension>(3, c);
        w->mnuReProPoli()->trigger();
        Asienta();
        // The exercise's context and its opener's are gone.
        QCOMPARE(NivelPila, e->nivelOpener - 1);
        QVERIFY(!EntornoEjercicios::Abierta<frmextension>());
        QCOMPARE(e->abridor.caminosCerrados, c == Camino::Analitico ? 0 : 1);
        QCOMPARE(hub, 1);
        QVERIFY(!PoliActual);
        QVERIFY(!PoliDado);
        QVERIFY(e->mensajes.isEmpty());
    }

    void alInicio_data() { otroPolinomio_data(); }
    void alInicio()
    {
        QFETCH(int, camino);
        const auto c = static_cast<Camino>(camino);
        ConceptoResuelto[0] = true;
        ConceptoActual = 1;
        PidePoliDesdeEjercicio = true;
        PasoGuia = "paridad";
        e->principal->habilitaMenus(false);
        frmParidad *w = e->Abre<frmParidad>(2, c);
        w->mnuReinicio()->trigger();
        Asienta();
        // Only the start context is left.
        QCOMPARE(NivelPila, 1);
        QCOMPARE(VentanaPrincipalActual()->Titulo(), std::string("Quorvane"));
        QVERIFY(GestorVentanas::instancia().cargadas().isEmpty());
        QCOMPARE(e->abridor.caminosCerrados, c == Camino::Analitico ? 0 : 1);
        QVERIFY(!PoliActual);
        QVERIFY(!PoliDado);
        QVERIFY(!PidePoliDesdeEjercicio);
        QVERIFY(!ConceptoResuelto[0]);
        QCOMPARE(ConceptoActual, std::int16_t(0));
        QCOMPARE(PasoGuia, std::string("Rollo"));
        QVERIFY(e->principal->mnuInicio()->menuAction()->isEnabled());
    }

    // The window's own close box leaves as Cancelar does: its context goes
    // with it and the opener's option can be chosen again.
    void cerrarElMarcoEsCancelar_data() { otroPolinomio_data(); }
    void cerrarElMarcoEsCancelar()
    {
        QFETCH(int, camino);
        const auto c = static_cast<Camino>(camino);
        frmextension *w = e->Abre<frmextension>(3, c);
        GestorVentanas::instancia().marcoDe(w)->close();
        Asienta();
        QVERIFY(!EntornoEjercicios::Abierta<frmextension>());
        QCOMPARE(NivelPila, e->nivelOpener);
        QCOMPARE(VentanaPrincipalActual()->Titulo(), std::string("Quorvane: hub"));
        QCOMPARE(e->abridor.desmarcadas, c == Camino::Analitico ? QList<int>{} : QList<int>{c == Camino::GraficaPoli ? 3 : 1});
        QVERIFY(e->abridor.deshabilitadas.isEmpty());
        QVERIFY(e->mensajes.isEmpty());
    }

    void otraCaracteristicaEsCancelar()
    {
        frmParidad *w = e->Abre<frmParidad>(2, Camino::GraficaPoli);
        QCOMPARE(w->mnuSalida()->title(), QStringLiteral("&Regresar"));
        w->mnuReConceptos()->trigger();
        Asienta();
        QVERIFY(!EntornoEjercicios::Abierta<frmParidad>());
        QCOMPARE(e->abridor.desmarcadas, QList<int>{2});
        QCOMPARE(NivelPila, e->nivelOpener);
    }
};

QTEST_MAIN(tst_MarcoEjercicio)
#include "tst_MarcoEjercicio.moc"
