// The hub: a session opens beside the graph window, a polynomial typed or
// picked at random becomes the current one, the graph construction and its
// "Graficar" explanations, and the two ways back, with the screen stack
// left as it was.
#include "tst_HubSesion.h"

#include "princip.h"

#include "ClsParserPoli.h"
#include "EntradaPolinomio.h"
#include "ModCadena.h"
#include "generapoli.h"
#include "dibujo.h"
#include "modTexto.h"

#include "ColorOle.h"
#include "CatalogoEjercicios.h"
#include "VentanaEjercicio.h"
#include "frmHistoria.h"

#include "PictureEjes.h"
#include "QBColor.h"

#include "../../platform/LineasVisibles.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>

class tst_Hub : public QObject {
    Q_OBJECT

private:
    // The middle of a work-area frame's close box, as its title bar lays it out.
    static QPoint CajaDeCierre(QWidget &marco)
    {
        QStyleOptionTitleBar op;
        op.initFrom(&marco);
        op.subControls = QStyle::SC_All;
        op.titleBarFlags = marco.windowFlags();
        op.titleBarState = marco.windowState();
        const int borde = (op.titleBarFlags & Qt::FramelessWindowHint) ? 0 : 4;
        const int alto = marco.style()->pixelMetric(QStyle::PM_TitleBarHeight, &op, &marco);
        op.rect = QRect(borde, borde, marco.width() - 2 * borde, alto - borde);
        return marco.style()->subControlRect(QStyle::CC_TitleBar, &op, QStyle::SC_TitleBarCloseButton, &marco).center();
    }

    static PoliPtr Poli(std::initializer_list<std::pair<double, int>> terminos)
    {
        PoliPtr p = Collpolinomio::Nuevo();
        for (const auto &[c, e] : terminos)
            p->Agrega(c, static_cast<std::int16_t>(e));
        return p;
    }
    static bool Iguales(const Collpolinomio &a, const Collpolinomio &b)
    {
        return a.Diferente(b, 1e-9)->Cuenta() == 0;
    }

private slots:
    void sesionAbreGraficaYHub()
    {
        SesionPrueba s;
        frmPolical *hub = s.Hub();
        frmGrafica2 *g = s.Grafica();
        QVERIFY(hub && g);
        QVERIFY(g->fraAnuncio()->isVisible());
        QVERIFY(!g->picejGraf().isVisible());
        QVERIFY(hub->lblProductName()->isVisible());
        QVERIFY(!hub->fraTitulo()->isVisible());
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Proponer una sesión"));
        QCOMPARE(NumAyuda, std::int16_t(3));
        // Choosing a polynomial: its ways in are on, the graph menu is off.
        QVERIFY(hub->mnuSePropoPoli()->isEnabled());
        QVERIFY(!hub->mnuMenuConPoli()->isEnabled());
        QVERIFY(!hub->mnuRegNuevoPoli()->isEnabled());
        // Windows of later parts of the program are not offered yet.
        // The constructions are offered.
        QVERIFY(hub->mnuConceptos()->isEnabled());

        // A second choice of the menu keeps the same two windows.
        const int nivel = NivelPila;
        s.principal->mnupoli_Click();
        QCOMPARE(s.Hub(), hub);
        QCOMPARE(s.Grafica(), g);
        QCOMPARE(NivelPila, nivel);
    }

    void polinomioEscritoSeGrafica()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        ConceptoResuelto[3] = true;
        ConceptoActual = 4;
        frmpidepoli *w = s.Propone(QStringLiteral("x^3-3x"));
        QVERIFY(w);
        QCOMPARE(NivelPila, nivel + 1);
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Se propone un polinomio"));
        QVERIFY(s.mensajes.isEmpty());
        // The linear text with its raised exponent, and the expansion shown.
        QCOMPARE(w->RtpPidepoli1()->CadPol(), QStringLiteral("x^(3)-3x"));
        QVERIFY(w->rtfpidepoli2()->isVisible());
        QCOMPARE(QString::fromStdString(w->rtfpidepoli2()->Text()), QStringLiteral("x3-3x"));
        QVERIFY(!w->cmdAceptar()->isVisible());

        SesionPrueba::Pulsa(w->CmdContinuar());
        SesionPrueba::Suelta();
        QVERIFY(!s.Ventana<frmpidepoli>());
        QCOMPARE(NivelPila, nivel);
        QVERIFY(PoliDado);
        QVERIFY(Iguales(*PoliActual->Polin(), *Poli({{1, 3}, {-3, 1}})));
        // The progress made on another polynomial is forgotten.
        QCOMPARE(ConceptoActual, std::int16_t(0));
        QVERIFY(!ConceptoResuelto[3]);
        QCOMPARE(NumAyuda, std::int16_t(7));
        QCOMPARE(NumApoyo, std::int16_t(5));

        frmPolical *hub = s.Hub();
        QVERIFY(hub->fraTitulo()->isVisible());
        QCOMPARE(QString::fromStdString(hub->RtfDasPoli2()->Text()), QStringLiteral("x3-3x"));
        QVERIFY(hub->mnuMenuConPoli()->isEnabled());
        QVERIFY(hub->mnuRegNuevoPoli()->isEnabled());
        QVERIFY(!hub->mnuSePropoPoli()->isEnabled());

        // Nothing is drawn yet: the graph is what the construction game reveals.
        frmGrafica2 *g = s.Grafica();
        QVERIFY(g->fraAnuncio()->isVisible());
        QVERIFY(!g->picejGraf().isVisible());
    }

    void erroresDelTextoYCeroRechazado_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("signo final") << QStringLiteral("3x+");
        QTest::newRow("paréntesis de más") << QStringLiteral("x^2+x)");
        QTest::newRow("paréntesis abierto") << QStringLiteral("(x+1");
        QTest::newRow("cero") << QStringLiteral("0");
        QTest::newRow("se anula") << QStringLiteral("x-x");
    }
    void erroresDelTextoYCeroRechazado()
    {
        QFETCH(QString, texto);
        SesionPrueba s;
        frmpidepoli *w = s.Propone(texto);
        QVERIFY(w);
        QCOMPARE(s.mensajes.size(), 1);
        const QString lineal = w->RtpPidepoli1()->CadPol();
        PoliPtr p;
        int posicion = 0;
        const int codigo = ParserPoli().Polinomio(lineal.toStdString(), p, posicion);
        if (codigo != 0) {
            QCOMPARE(s.mensajes[0], SesionPrueba::Error(FilaErrorParser(codigo)));
            QCOMPARE(w->RtpPidepoli1()->SelStart(), long(PosicionCursorError(lineal.toStdString(), posicion)));
        } else {
            QCOMPARE(s.mensajes[0], SesionPrueba::Error(209));
        }
        // The text stays for a new try, nothing is offered to continue with.
        QCOMPARE(w->RtpPidepoli1()->Text(), QString(texto).remove(QLatin1Char('^')));
        QVERIFY(!w->RtpPidepoli1()->Locked());
        QVERIFY(!w->CmdContinuar()->isVisible());
        QVERIFY(w->cmdAceptar()->isVisible());
        QVERIFY(!PoliPropuesto);

        // "Borrar" then empties it; Enter on nothing is error 156.
        w->cmdotro_Click();
        QVERIFY(w->RtpPidepoli1()->Text().isEmpty());
        QTest::keyClick(w->RtpPidepoli1()->Caja(), Qt::Key_Return);
        QCOMPARE(s.mensajes.last(), SesionPrueba::Error(156));
        QVERIFY(!w->RtpPidepoli1()->Locked());
    }

    void cancelarDejaTodoComoEstaba()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        frmpidepoli *w = s.Propone(QStringLiteral("x^2-1"));
        SesionPrueba::Pulsa(w->cmdCancelar());
        SesionPrueba::Suelta();
        QCOMPARE(NivelPila, nivel);
        QVERIFY(!PoliDado);
        QVERIFY(!PoliActual);
        QVERIFY(!PoliPropuesto);
        QVERIFY(s.Hub()->mnuSePropoPoli()->isEnabled());
        QVERIFY(!s.Hub()->mnuRegNuevoPoli()->isEnabled());
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Proponer una sesión"));
    }

    void polinomioAlAzar()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        ConceptoActual = 3;
        s.Hub()->mnuPolicalElige()->trigger();
        QVERIFY(PoliActual && PoliAzar);
        QCOMPARE(PoliActual->Polin(), PoliAzar);
        QVERIFY(PoliDado);
        QCOMPARE(ConceptoActual, std::int16_t(0));
        QVERIFY(PoliAzar->Grado() >= 1);
        QCOMPARE(NivelPila, nivel);
        QCOMPARE(NumAyuda, std::int16_t(7));
        QCOMPARE(NumApoyo, std::int16_t(5));
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Construir gráfica"));
        QVERIFY(!s.Hub()->lblProductName()->isVisible());
        QVERIFY(!s.Hub()->RtfDasPoli2()->Text().empty());
        QVERIFY(s.Grafica()->fraAnuncio()->isVisible());
        // A construction left by "Cancelar": the caption of this hub again.
        s.Hub()->mnuConsGraf()->trigger();
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Construye gráfica"));
        SesionPrueba::Pulsa(s.Hub()->cmdCancelar());
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Construir gráfica"));
    }

    // The first "Graficar" of the construction shows the drawn q(x) from
    // its first line, its box and frame grown to its lines on the graph.
    void polinomioGraficadoDesdeSuPrimeraLinea_data()
    {
        QTest::addColumn<QSize>("pantalla");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1280x800") << QSize(1280, 800);
    }
    void polinomioGraficadoDesdeSuPrimeraLinea()
    {
        QFETCH(QSize, pantalla);
        SesionPrueba s;
        s.principal->resize(pantalla);
        s.principal->show();
        TomaMedidas();
        s.DaPolinomio(QStringLiteral("1234567891x^15-2345678912x^14+3456789123x^13-4567891234x^12+5678912345x^11"
                                     "-6789123456x^10+7891234567x^9-8912345678x^8+9123456789x^7-1234567890x^6"
                                     "+2345678901x^5-3456789012x^4+4567890123x^3-5678901234x^2+6789012345x"
                                     "-7890123456"));
        frmPolical *hub = s.Hub();
        frmGrafica2 *g = s.Grafica();
        hub->mnuConsGraf()->trigger();
        ConceptoResuelto[4] = true;
        ConceptoActual = 5;
        hub->opciones().DeshabilitaOpcion(4);
        hub->CmdGraficar()->Enabled(true);
        LineasVisibles v;
        int desplazado = -1;
        bool dentro = false;
        s.alMensaje = [&] {
            v = LineasVisibles::De(*g->RtfDasPoli2());
            desplazado = g->RtfDasPoli2()->verticalScrollBar()->value();
            dentro = g->rect().contains(g->fraGrafiConcepto()->geometry());
        };
        rt::ProgramaAzar({0.5f});
        SesionPrueba::Pulsa(hub->CmdGraficar());
        QCOMPARE(s.mensajes.size(), 1);
        QCOMPARE(desplazado, 0);
        QVERIFY2(v.total > 1 && v.enteras == v.total && !v.barra,
                 qPrintable(QStringLiteral("%1 lines, %2 whole").arg(v.total).arg(v.enteras)));
        QVERIFY(dentro);
    }

    void construccionYGraficar()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        frmPolical *hub = s.Hub();
        frmGrafica2 *g = s.Grafica();
        const int nivel = NivelPila;
        const QString tituloHub = s.principal->windowTitle();
        hub->mnuConsGraf()->trigger();
        QVERIFY(hub->FraConceptos()->isVisible());
        QVERIFY(!hub->CmdGraficar()->Enabled());
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Construye gráfica"));
        QVERIFY(!g->RecorreGraf());
        for (int k = 0; k < NumConceptos; ++k)
            QCOMPARE(hub->OptCalcConcepto(k)->isEnabled(), HayEjercicio(k));

        // The first derivative finished: "Graficar" draws P + k and explains it.
        ConceptoResuelto[4] = true;
        ConceptoActual = 5;
        hub->opciones().DeshabilitaOpcion(4);
        QVERIFY(!hub->OptCalcConcepto(4)->isEnabled());
        {
            // Greyed: light grey behind the finished concept's caption.
            QRadioButton *o = hub->OptCalcConcepto(4);
            const QImage imagen = o->grab().toImage();
            QCOMPARE(imagen.pixelColor(imagen.width() - 2, imagen.height() - 2), QColor(192, 192, 192));
            // and the caption still reads on it.
            const QPalette p = o->palette();
            QVERIFY(qAbs(p.color(QPalette::Disabled, o->foregroundRole()).lightness()
                         - p.color(QPalette::Disabled, o->backgroundRole()).lightness()) > 60);
        }
        hub->CmdGraficar()->Enabled(true);
        bool marcoVisto = false;
        QString qEscrito;
        s.alMensaje = [&] {
            marcoVisto = g->fraGrafiConcepto()->isVisible();
            qEscrito = QString::fromStdString(g->RtfDasPoli2()->Text());
        };
        rt::ProgramaAzar({0.5f});
        SesionPrueba::Pulsa(hub->CmdGraficar());
        QCOMPARE(s.mensajes, QStringList{SesionPrueba::Error(65)});
        QVERIFY(marcoVisto);
        QCOMPARE(qEscrito, QStringLiteral("x3-3x+3"));
        // The explanation closed, the caption still names the construction.
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Construye gráfica"));
        QVERIFY(!s.principal->botonPorClave(QStringLiteral("calculadora"))->isEnabled());
        // Pressed again: the stack does not grow.
        SesionPrueba::Pulsa(hub->CmdGraficar());
        QCOMPARE(NivelPila, nivel);

        // The first eleven solved: the graph is revealed with text 64.
        for (int k = 0; k <= 10; ++k)
            ConceptoResuelto[static_cast<std::size_t>(k)] = true;
        s.mensajes.clear();
        SesionPrueba::Pulsa(hub->CmdGraficar());
        QVERIFY(s.mensajes.isEmpty());
        QCOMPARE(hub->Lblconceptos1()->text(), QString::fromStdString(TextoInstrucciones(64, "")));
        QVERIFY(!hub->CmdGraficar()->Enabled());

        // All thirteen: revealed on the next activation with text 63.
        ConceptoResuelto.fill(true);
        hub->alActivar();
        QCOMPARE(hub->Lblconceptos1()->text(), QString::fromStdString(TextoInstrucciones(63, "")));

        // "Cancelar" leaves the game and clears the progress.
        hub->cmdCancelar_Click();
        QVERIFY(!hub->UCMarcoMedio()->isVisible());
        QVERIFY(g->fraAnuncio()->isVisible());
        QVERIFY(!ConceptoResuelto[0]);
        QCOMPARE(ConceptoActual, std::int16_t(0));
        QCOMPARE(NivelPila, nivel);

        // The hub's own caption, as before the construction.
        QCOMPARE(s.principal->windowTitle(), tituloHub);

        // "Ver Gráfica y cualidades" and its "Regresar": the caption the
        // hub had comes back.
        hub->mnuGrafyCuali()->trigger();
        QVERIFY(frmHistoria::Existente());
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Muestra gráfica y conceptos"));
        SesionPrueba::Pulsa(frmHistoria::Existente()->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!frmHistoria::Existente());
        QCOMPARE(s.principal->windowTitle(), tituloHub);
    }

    // The hub's close box is its "Regresar a Inicio" while that menu is on,
    // a graph construction under way or not: the first screen, the solved
    // concepts kept.
    void cajaDelHubEsRegresarAInicio_data()
    {
        QTest::addColumn<QString>("estado");
        QTest::newRow("eligiendo") << "eligiendo";
        QTest::newRow("polinomio dado") << "polinomio dado";
        QTest::newRow("construccion") << "construccion";
        QTest::newRow("construccion con ejercicio") << "construccion con ejercicio";
    }
    void cajaDelHubEsRegresarAInicio()
    {
        QFETCH(QString, estado);
        SesionPrueba s;
        frmPolical *hub = s.Hub();
        if (estado != QLatin1String("eligiendo"))
            s.DaPolinomio(QStringLiteral("x^3-3x"));
        if (estado.startsWith(QLatin1String("construccion"))) {
            hub->mnuConsGraf()->trigger();
            ConceptoResuelto[0] = true;
            hub->opciones().DeshabilitaOpcion(0);
            if (estado.endsWith(QLatin1String("ejercicio"))) {
                if (!HayEjercicio(4))
                    QSKIP("no exercise window for the first derivative");
                QTest::mouseClick(hub->OptCalcConcepto(4), Qt::LeftButton);
            }
        }
        SesionPrueba::Suelta();
        QVERIFY(hub->mnuRegInicio()->isEnabled() && hub->mnupoliadios()->isEnabled());
        GestorVentanas::instancia().marcoDe(hub)->close();
        SesionPrueba::Suelta();
        QVERIFY(!s.Hub());
        QVERIFY(!s.Grafica());
        QCOMPARE(NivelPila, 1);
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
        QCOMPARE(ConceptoResuelto[0], estado.startsWith(QLatin1String("construccion")));
        QVERIFY(!PoliDado);
    }

    // An exercise closed by its close box, then at once the hub's close box
    // under the pointer that has not moved (both stand in the panel's
    // place): the first click closes the hub.
    void cajaDelHubJustoTrasLaDelEjercicio()
    {
        constexpr int concepto = 4;
        if (!HayEjercicio(concepto))
            QSKIP("no exercise window for the first derivative");
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        frmPolical *hub = s.Hub();
        hub->mnuConsGraf()->trigger();
        QTest::mouseClick(hub->OptCalcConcepto(concepto), Qt::LeftButton);
        auto *ejercicio = qobject_cast<VentanaEjercicio *>(GestorVentanas::instancia().actual());
        QVERIFY(ejercicio);
        auto &gestor = GestorVentanas::instancia();
        QWidget *marcoEjercicio = gestor.marcoDe(ejercicio);
        QWidget *marcoHub = gestor.marcoDe(hub);
        QVERIFY(QTest::qWaitForWindowExposed(s.principal.get()));
        const QPoint caja = CajaDeCierre(*marcoEjercicio);
        const QPoint cajaHub = CajaDeCierre(*marcoHub);
        QCOMPARE(marcoHub->mapToGlobal(cajaHub), marcoEjercicio->mapToGlobal(caja));
        QTest::mouseMove(marcoEjercicio, caja);
        QTest::mouseClick(marcoEjercicio, Qt::LeftButton, {}, caja);
        SesionPrueba::Suelta();
        QVERIFY(!qobject_cast<VentanaEjercicio *>(gestor.actual()));
        QCOMPARE(gestor.actual(), hub);
        QTest::mouseClick(marcoHub, Qt::LeftButton, {}, cajaHub);
        SesionPrueba::Suelta();
        QVERIFY(!s.Hub());
    }

    void conceptosSeLeenEnterosEnPanelAngosto()
    {
        // On a 1024-pixel screen the panel is about 410 pixels wide: every
        // concept still reads whole, and the two columns do not overlap.
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        frmPolical *hub = s.Hub();
        hub->mnuConsGraf()->trigger();
        for (int ancho : {410, 560}) {
            GestorVentanas::instancia().marcoDe(hub)->resize(ancho, hub->height());
            QCoreApplication::processEvents();
            const int panel = hub->FraConceptos()->contentsRect().width();
            int finIzquierda = 0;
            int inicioDerecha = panel;
            for (int k = 0; k < NumConceptos; ++k) {
                QRadioButton *o = hub->OptCalcConcepto(k);
                QVERIFY2(o->sizeHint().width() <= o->width(), qPrintable(o->text()));
                QVERIFY2(o->geometry().right() < panel, qPrintable(o->text()));
                if (k < 7)
                    finIzquierda = std::max(finIzquierda, o->geometry().left() + o->sizeHint().width());
                else
                    inicioDerecha = std::min(inicioDerecha, o->geometry().left());
            }
            QVERIFY(finIzquierda < inicioDerecha);
        }
    }

    void accionPendienteDelRecorrido()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^2-4"));
        frmPolical *hub = s.Hub();
        hub->AccionPendiente = 3;
        hub->alActivar();
        QCOMPARE(int(hub->AccionPendiente), 0);
        QVERIFY(hub->UCMarcoMedio()->isVisible());
    }

    void regresosDejanLaPilaEnSuNivel()
    {
        SesionPrueba s;
        const int antes = NivelPila - 1; // below the hub's own context
        s.DaPolinomio(QStringLiteral("x^2-4"));
        s.Hub()->mnuRegNuevoPoli()->trigger();
        SesionPrueba::Suelta();
        frmPolical *hub = s.Hub();
        QVERIFY(hub);
        QCOMPARE(NivelPila, antes + 1);
        QVERIFY(!PoliDado);
        QVERIFY(!PoliActual);
        QVERIFY(!hub->fraTitulo()->isVisible());
        QVERIFY(hub->lblProductName()->isVisible());
        QVERIFY(!hub->mnuMenuConPoli()->isEnabled());
        QVERIFY(hub->mnuSePropoPoli()->isEnabled());
        QVERIFY(s.Grafica()->fraAnuncio()->isVisible());

        ConceptoResuelto[2] = true;
        hub->mnuRegInicio()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!s.Hub());
        QVERIFY(!s.Grafica());
        QCOMPARE(NivelPila, antes);
        QCOMPARE(PasoGuia, std::string("Rollo"));
        QVERIFY(ConceptoResuelto[2]); // the flags stay
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
    }

    void ejercicioDesdeElHubYSusSalidas()
    {
        // The first derivative's window, opened by its option in the game.
        constexpr int concepto = 4;
        if (!HayEjercicio(concepto))
            QSKIP("no exercise window for the first derivative");
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        const int nivel = NivelPila;
        frmPolical *hub = s.Hub();
        hub->mnuConsGraf()->trigger();
        QTest::mouseClick(hub->OptCalcConcepto(concepto), Qt::LeftButton);
        auto *ejercicio = qobject_cast<VentanaEjercicio *>(GestorVentanas::instancia().actual());
        QVERIFY(ejercicio);
        QCOMPARE(NivelPila, nivel + 1);
        ejercicio->Cancela();
        SesionPrueba::Suelta();
        QCOMPARE(NivelPila, nivel);
        QVERIFY(!hub->OptCalcConcepto(concepto)->isChecked());
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Construye gráfica"));

        // Another polynomial from the exercise: a new hub and graph window,
        // waiting for a polynomial, the stack where it was.
        QTest::mouseClick(hub->OptCalcConcepto(concepto), Qt::LeftButton);
        ejercicio = qobject_cast<VentanaEjercicio *>(GestorVentanas::instancia().actual());
        QVERIFY(ejercicio);
        ejercicio->OtroPolinomio();
        SesionPrueba::Suelta();
        QVERIFY(s.Hub() && s.Hub() != hub);
        QCOMPARE(NivelPila, nivel);
        QVERIFY(s.Grafica()->fraAnuncio()->isVisible());
        QVERIFY(s.Hub()->mnuSePropoPoli()->isEnabled());
        QVERIFY(!s.Hub()->fraTitulo()->isVisible());

        // Start again from an exercise: no hub, no graph window, the first screen.
        s.DaPolinomio(QStringLiteral("x^2-1"));
        s.Hub()->mnuConsGraf()->trigger();
        QTest::mouseClick(s.Hub()->OptCalcConcepto(concepto), Qt::LeftButton);
        ejercicio = qobject_cast<VentanaEjercicio *>(GestorVentanas::instancia().actual());
        QVERIFY(ejercicio);
        ejercicio->Reinicia();
        SesionPrueba::Suelta();
        QVERIFY(!s.Hub());
        QVERIFY(!s.Grafica());
        QCOMPARE(NivelPila, 1);
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
    }
};

QTEST_MAIN(tst_Hub)
#include "tst_Hub.moc"
