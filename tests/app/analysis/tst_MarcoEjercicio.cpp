// What every exercise window shares: the evaluation tools, the numeric
// boxes' Enter, leave and drop, and the ways out to another polynomial or
// back to the start.
#include "EntornoEjercicios.h"

#include "Grid.h"
#include "PanelHerramientas.h"
#include "Utilerias.h"
#include "frmConcavidad.h"
#include "frmMaxMinAbs.h"
#include "frmMonotonia.h"
#include "frmParidad.h"
#include "frmRango.h"
#include "frmderivada1.h"
#include "frmextension.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

// A bare exercise on the frame: it pushes a second context of its own at
// load, finishes concept 5 with the road's success row, and has two boxes
// of its own, one that takes no drops and one that ignores Enter.
class EjercicioPrueba : public VentanaEjercicio {
public:
    EjercicioPrueba()
        : VentanaEjercicio(QStringLiteral("PRUEBA"))
    {
        sinDrop = new UCDextavo(this);
        sinEnter = new UCDextavo(this);
        zonaRespuesta()->addWidget(sinDrop);
        zonaRespuesta()->addWidget(sinEnter);
        conectaCaja(*sinDrop, [this] { ++acciones; }, {true, true, false});
        conectaCaja(*sinEnter, [this] { ++acciones; }, {false, true, true});
        // Tools whose table waits for the student's first range.
        agregaHerramientas({});
        sinTablaAlCargar();
    }
    void termina() { Termina(5); }

    UCDextavo *sinDrop;
    UCDextavo *sinEnter;
    int acciones = 0;

protected:
    DatosCamino datosCamino(Camino camino) const override
    {
        DatosCamino d;
        d.titulo = "Quorvane: prueba";
        d.opcion = 5;
        // A success row and ConceptoActual on the analytic road only.
        if (camino == Camino::Analitico) {
            d.exito = 3;
            d.actual = 6;
        }
        return d;
    }
    void alIniciar() override { entraContexto(40, 2, "Quorvane: prueba, segunda fase"); }
};

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

        // Mended first: "Limpiar" does not check the box, so a bad entry
        // would keep it from leaving.
        Escribe(*h->cajaPunto(), "3");
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

    // Each way out pops all and only the levels the window pushed (here two).
    void dosContextosSalenPorCadaSalida_data()
    {
        QTest::addColumn<QString>("salida");
        QTest::addColumn<int>("bajoElAbridor"); // levels left below the opener's
        QTest::newRow("finish") << "termina" << 0;
        QTest::newRow("cancel") << "cancela" << 0;
        QTest::newRow("close box") << "marco" << 0;
        // The opener (the hub) pops its own as it starts over.
        QTest::newRow("another polynomial") << "otro" << 1;
        QTest::newRow("start again") << "inicio" << -1;
    }
    void dosContextosSalenPorCadaSalida()
    {
        QFETCH(QString, salida);
        QFETCH(int, bajoElAbridor);
        SalidasEjercicios().otroPolinomio = [] { RegresaPantalla(1); };
        EjercicioPrueba *w = VentanaEjercicio::Abre<EjercicioPrueba>(Camino::GraficaPoli, e->abridor);
        QCOMPARE(NivelPila, e->nivelOpener + 2);
        QCOMPARE(w->nivelesPropios(), 2);
        if (salida == QLatin1String("termina"))
            w->termina();
        else if (salida == QLatin1String("cancela"))
            w->Cancela();
        else if (salida == QLatin1String("marco"))
            GestorVentanas::instancia().marcoDe(w)->close();
        else if (salida == QLatin1String("otro"))
            w->mnuReProPoli()->trigger();
        else
            w->mnuReinicio()->trigger();
        Asienta();
        QVERIFY(!EntornoEjercicios::Abierta<EjercicioPrueba>());
        QCOMPARE(NivelPila, bajoElAbridor < 0 ? 1 : e->nivelOpener - bajoElAbridor);
    }

    // The finish by road: the success row and ConceptoActual where the
    // road gives them, none and left alone where it does not.
    void terminaSegunElCamino_data()
    {
        QTest::addColumn<int>("camino");
        QTest::addColumn<bool>("conMensaje");
        QTest::addColumn<int>("actual");
        QTest::newRow("analítico") << int(Camino::Analitico) << true << 6;
        QTest::newRow("gráfica de P") << int(Camino::GraficaPoli) << false << 9;
    }
    void terminaSegunElCamino()
    {
        QFETCH(int, camino);
        QFETCH(bool, conMensaje);
        QFETCH(int, actual);
        ConceptoActual = 9;
        EjercicioPrueba *w = VentanaEjercicio::Abre<EjercicioPrueba>(static_cast<Camino>(camino), e->abridor);
        w->termina();
        Asienta();
        QCOMPARE(e->mensajes, conMensaje ? QStringList{Exito(3)} : QStringList{});
        QCOMPARE(int(ConceptoActual), actual);
        QVERIFY(ConceptoResuelto[5]);
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{5});
    }

    // A box without drop refuses drops; a box without Enter ignores it.
    void opcionesDeLasCajas()
    {
        EjercicioPrueba *w = VentanaEjercicio::Abre<EjercicioPrueba>(Camino::Analitico, e->abridor);
        QVERIFY(!w->sinDrop->Caja()->acceptDrops());
        QVERIFY(w->sinEnter->Caja()->acceptDrops());
        Escribe(*w->sinDrop, "2");
        emit w->sinDrop->DragDrop(nullptr, QStringLiteral("7"), 0, 0);
        QCOMPARE(w->sinDrop->Text(), QStringLiteral("2"));
        emit w->sinEnter->DragDrop(nullptr, QStringLiteral("7"), 0, 0);
        QCOMPARE(w->sinEnter->Text(), QStringLiteral("7"));

        QTest::keyClick(w->sinEnter->Caja(), Qt::Key_Return);
        QCOMPARE(w->acciones, 0);
        QTest::keyClick(w->sinDrop->Caja(), Qt::Key_Return);
        QCOMPARE(w->acciones, 1);

        // The table was not filled at load.
        QVERIFY(w->herramientas()->flxgrdRango()->TextMatrix(1, 0).isEmpty());
    }

    // The exercise that outlives its opener finds the link empty, and
    // leaves without touching it.
    void abridorQueSeVaAntes()
    {
        auto abridor = std::make_unique<AbridorPrueba>();
        EjercicioPrueba *w = VentanaEjercicio::Abre<EjercicioPrueba>(Camino::GraficaPoli, *abridor);
        QCOMPARE(w->abridor(), static_cast<AbridorEjercicio *>(abridor.get()));
        abridor.reset();
        QVERIFY(!w->abridor());
        w->termina();
        Asienta();
        QVERIFY(!EntornoEjercicios::Abierta<EjercicioPrueba>());
        QCOMPARE(NivelPila, e->nivelOpener);
    }

    // After an invalid number the focus is back in the box, its text
    // selected, whichever way the entry was checked.
    void focoVuelveALaCaja_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<bool>("conBoton");
        QTest::newRow("point, Listo") << "punto" << true;
        QTest::newRow("point, Enter") << "punto" << false;
        QTest::newRow("start, Listo") << "inicio" << true;
        QTest::newRow("step, Enter") << "paso" << false;
        QTest::newRow("limit, Listo") << "limite" << true;
    }
    void focoVuelveALaCaja()
    {
        QFETCH(QString, caja);
        QFETCH(bool, conBoton);
        frmextension *w = e->Abre<frmextension>(3);
        QVERIFY(QTest::qWaitForWindowActive(e->principal.get()));
        PanelHerramientas *h = w->herramientas();
        UCDextavo *c = caja == QLatin1String("punto")    ? h->cajaPunto()
                       : caja == QLatin1String("inicio") ? h->cajaInicio()
                       : caja == QLatin1String("paso")   ? h->cajaPaso()
                                                          : w->txtLimite(0);
        Usc *boton = caja == QLatin1String("punto")    ? h->cmdListoPuntual()
                     : caja == QLatin1String("limite") ? w->CmdExtensaListo()
                                                        : h->cmdListoRango();
        if (caja != QLatin1String("punto") && caja != QLatin1String("limite"))
            h->stabRaices()->setCurrentIndex(1);
        Escribe(*c, "1/");
        if (conBoton)
            Pulsa(*boton);
        else
            QTest::keyClick(c->Caja(), Qt::Key_Return);
        QCOMPARE(e->mensajes, QStringList{Error(151)});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(c->Caja()));
        QCOMPARE(c->Caja()->selectedText(), QStringLiteral("1/"));
    }

    // The focus really leaves a box holding a bad entry for a button whose
    // action does not check it: the entry is reported, the focus stays in
    // the box, and the button does nothing with the old value.
    void botonQueNoRevisaLaCaja_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::newRow("Graficar puntos, start box") << "Graficar puntos";
        QTest::newRow("Limpiar, point box") << "Limpiar";
        QTest::newRow("Borrar, left end") << "Borrar";
        QTest::newRow("Terminar, left end") << "Terminar";
    }
    void botonQueNoRevisaLaCaja()
    {
        QFETCH(QString, boton);
        UCDextavo *caja = nullptr;
        Usc *b = nullptr;
        if (boton == QLatin1String("Graficar puntos") || boton == QLatin1String("Limpiar")) {
            PanelHerramientas *h = herramientas();
            const bool graficar = boton == QLatin1String("Graficar puntos");
            h->stabRaices()->setCurrentIndex(graficar ? 1 : 0);
            caja = graficar ? h->cajaInicio() : h->cajaPunto();
            b = graficar ? h->cmdGraficaPtos() : h->cmdLimpiaPuntual();
        } else {
            frmMonotonia *w = e->Abre<frmMonotonia>(6);
            caja = w->txtraices2(0);
            b = boton == QLatin1String("Borrar") ? w->cmdBorrar() : w->CmdOk();
        }
        QVERIFY(QTest::qWaitForWindowActive(e->principal.get()));
        caja->Caja()->setFocus();
        Escribe(*caja, "3/");
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(caja->Caja()));
        const QImage antes = e->grafica.graf.Imagen().copy();
        Pulsa(*b);
        Asienta();
        QCOMPARE(e->mensajes, QStringList{Error(151)});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(caja->Caja()));
        QCOMPARE(caja->Text(), QStringLiteral("3/"));
        QCOMPARE(e->grafica.graf.Imagen(), antes);

        // Mended, the next click of the same button acts.
        Escribe(*caja, "3");
        Pulsa(*b);
        Asienta();
        QCOMPARE(e->mensajes.size(), boton == QLatin1String("Terminar") ? 2 : 1);
    }

    // The calculator's read-out is taken only by the boxes of the windows
    // that handle a drop; elsewhere the box refuses the drag and its text
    // stays.
    void soltarSoloDondeSeRecibe_data()
    {
        QTest::addColumn<int>("concepto");
        QTest::addColumn<bool>("recibe");
        QTest::newRow("extension") << 3 << true;
        QTest::newRow("monotonicity") << 6 << false;
        QTest::newRow("concavity") << 10 << false;
        QTest::newRow("range") << 11 << false;
        QTest::newRow("absolute extrema") << 12 << false;
    }
    void soltarSoloDondeSeRecibe()
    {
        QFETCH(int, concepto);
        QFETCH(bool, recibe);
        VentanaEjercicio *w = nullptr;
        switch (concepto) {
        case 3: w = e->Abre<frmextension>(3); break;
        case 6: w = e->Abre<frmMonotonia>(6); break;
        case 10: w = e->Abre<frmConcavidad>(10); break;
        case 11: w = e->Abre<frmRango>(11); break;
        default: w = e->Abre<frmMaxMinAbs>(12); break;
        }
        QVERIFY(w);
        PanelHerramientas *h = w->herramientas();
        QMimeData lectura;
        lectura.setText(QStringLiteral("1E+25"));
        for (UCDextavo *caja : {h->cajaPunto(), h->cajaInicio(), h->cajaPaso()}) {
            if (!caja)
                continue;
            const QString antes = caja->Text();
            QDragEnterEvent llega(QPoint(5, 5), Qt::CopyAction, &lectura, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(caja->Caja(), &llega);
            QCOMPARE(llega.isAccepted(), recibe);
            QDropEvent suelta(QPointF(5, 5), Qt::CopyAction, &lectura, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(caja->Caja(), &suelta);
            QCOMPARE(caja->Text(), recibe ? QStringLiteral("1E+25") : antes);
        }
    }

    // The tools' other modes: P, P' and P'' by name, and the point alone.
    void herramientasTresPolinomiosYSoloPunto()
    {
        OpcionesHerramientas tres;
        tres.polinomios = OpcionesHerramientas::Polinomios::Tres;
        PanelHerramientas h(tres);
        h.show();
        QCOMPARE(h.OptPuntPolioDeri(0)->text(), QStringLiteral("Polinomio"));
        QCOMPARE(h.OptPuntPolioDeri(1)->text(), QStringLiteral("1a Derivada"));
        QCOMPARE(h.OptPolioDeri(2)->text(), QStringLiteral("2a Derivada"));
        Escribe(*h.cajaPunto(), "2");
        h.OptPuntPolioDeri(2)->click();
        QCOMPARE(h.lblPuntual1()->text(), QStringLiteral("P´´("));
        Pulsa(*h.cmdListoPuntual());
        // P''(2) = 6 * 2
        QCOMPARE(h.LblPuntual()->text(), QString::fromStdString(NumeroATexto(12, 6, 3)));
        h.OptPolioDeri(1)->click();
        QCOMPARE(h.flxgrdRango()->TextMatrix(0, 1), QStringLiteral("P´(x)"));
        QCOMPARE(h.flxgrdRango()->TextMatrix(1, 1), QString::fromStdString(NumeroATexto(-3, 6, 3)));

        OpcionesHerramientas punto;
        punto.soloPunto = true;
        punto.tituloPunto = QStringLiteral("Valor en un punto");
        PanelHerramientas p(punto);
        p.show();
        QCOMPARE(p.stabRaices()->count(), 1);
        QCOMPARE(p.stabRaices()->tabText(0), QStringLiteral("Valor en un punto"));
        QVERIFY(!p.cajaInicio() && !p.cajaPaso() && !p.flxgrdRango() && !p.OptPuntPolioDeri(0));
        Escribe(*p.cajaPunto(), "-1");
        Pulsa(*p.cmdListoPuntual());
        QCOMPARE(p.LblPuntual()->text(), QString::fromStdString(NumeroATexto(2, 6, 3)));
        p.LlenaTabla(); // nothing to fill, nothing breaks
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
