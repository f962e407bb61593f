// The extension exercise, worked as a student: the two limits typed with
// the infinity key, each accepted on its own, the legends on the graph,
// wrong limits, a constant polynomial and the road from the graph of P'.
#include "EntornoEjercicios.h"

#include "Grid.h"
#include "PanelHerramientas.h"
#include "Utilerias.h"
#include "frmextension.h"

#include <QImage>
#include <QLabel>
#include <QTabWidget>

class tst_Extension : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    frmextension *abre(Camino camino = Camino::Analitico) { return e->Abre<frmextension>(3, camino); }
    void responde(frmextension &w, const QString &menos, const QString &mas)
    {
        if (!menos.isNull())
            Escribe(*w.txtLimite(0), menos);
        if (!mas.isNull())
            Escribe(*w.txtLimite(1), mas);
        Pulsa(*w.CmdExtensaListo());
        Asienta();
    }
    // Pixels changed between two pictures, within the rectangle.
    static int cambios(const QImage &a, const QImage &b, const QRect &zona)
    {
        int n = 0;
        for (int y = zona.top(); y <= zona.bottom(); ++y)
            for (int x = zona.left(); x <= zona.right(); ++x)
                n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    }

private slots:
    void init()
    {
        e = std::make_unique<EntornoEjercicios>();
        // P = -2x^3 + x: +infinity on the left, -infinity on the right.
        EntornoEjercicios::Polinomio({{-2, 3}, {1, 1}});
    }
    void cleanup() { e.reset(); }

    void unLimiteYLuegoElOtro()
    {
        frmextension *w = abre();
        QVERIFY(w);
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("EXTENSION"));
        QCOMPARE(VentanaPrincipalActual()->Titulo(),
                 std::string("Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                             "Calculando la extensión de la función"));
        e->grafica.graf.Limpia();
        const QImage antes = e->grafica.graf.Imagen().copy();

        responde(*w, "+i", {});
        QCOMPARE(w->txtLimite(0)->Text(), QStringLiteral("+∞"));
        QCOMPARE(e->mensajes, QStringList{Exito(7)});
        QVERIFY(w->LimResuelto(0));
        QVERIFY(w->txtLimite(0)->Locked());
        // The legend of the left limit, at the top left of the graph.
        const QImage conLeyenda = e->grafica.graf.Imagen().copy();
        QVERIFY(cambios(antes, conLeyenda, QRect(0, 0, 80, 30)) > 0);
        QCOMPARE(cambios(antes, conLeyenda, QRect(520, 0, 80, 30)), 0);

        responde(*w, {}, "-i");
        // No "one more to go" once both are in.
        QCOMPARE(e->mensajes, (QStringList{Exito(7), Exito(8)}));
        QVERIFY(ConceptoResuelto[3]);
        QCOMPARE(ConceptoActual, 4);
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{3});
        QCOMPARE(NivelPila, e->nivelOpener);
        QVERIFY(!EntornoEjercicios::Abierta<frmextension>());
    }

    // The right legend ends inside the graph, whatever its width.
    void leyendaDerechaCompleta()
    {
        EntornoEjercicios::Polinomio({{1, 3}});
        frmextension *w = abre();
        e->grafica.graf.Limpia();
        const QImage antes = e->grafica.graf.Imagen().copy();
        responde(*w, {}, "+i");
        QVERIFY(w->LimResuelto(1));
        const QImage despues = e->grafica.graf.Imagen();
        QVERIFY(cambios(antes, despues, QRect(450, 0, 146, 30)) > 0);
        QCOMPARE(cambios(antes, despues, QRect(597, 0, 3, 30)), 0);
    }

    // "Graficar puntos" marks x = start, start + step, ... twenty steps on,
    // those within the graph's x range; a step of 0 marks the start alone.
    void graficarPuntos_data()
    {
        QTest::addColumn<QString>("paso");
        QTest::addColumn<int>("marcas");
        QTest::newRow("paso 0") << "0" << 1;
        QTest::newRow("hacia la izquierda") << "-1" << 21;
        QTest::newRow("sólo los que caben") << "1" << 6;
    }
    void graficarPuntos()
    {
        QFETCH(QString, paso);
        QFETCH(int, marcas);
        EntornoEjercicios::Polinomio({{1, 0}});
        frmextension *w = abre();
        PanelHerramientas *h = w->herramientas();
        Escribe(*h->cajaInicio(), "0");
        Escribe(*h->cajaPaso(), paso);
        Pulsa(*h->cmdListoRango());
        // 20 pixels a unit: each mark stands apart from the next.
        e->grafica.graf.EscalaVentana(-25, -10, 5, 10);
        e->grafica.graf.Limpia();
        const QImage antes = e->grafica.graf.Imagen().copy();
        Pulsa(*h->cmdGraficaPtos());
        const QImage despues = e->grafica.graf.Imagen();
        int grupos = 0;
        bool enGrupo = false;
        for (int x = 0; x < despues.width(); ++x) {
            const bool marcada = cambios(antes, despues, QRect(x, 0, 1, despues.height())) > 0;
            grupos += marcada && !enGrupo;
            enGrupo = marcada;
        }
        QCOMPARE(grupos, marcas);
    }

    // A step too small to move x still marks its points and returns.
    void puntosConPasoDiminuto()
    {
        frmextension *w = abre();
        PanelHerramientas *h = w->herramientas();
        Escribe(*h->cajaInicio(), "1");
        Escribe(*h->cajaPaso(), "1E-20");
        Pulsa(*h->cmdListoRango());
        QCOMPARE(h->cajaPaso()->NumAceptado(), 1e-20);
        e->grafica.graf.Limpia();
        const QImage antes = e->grafica.graf.Imagen().copy();
        Pulsa(*h->cmdGraficaPtos());
        QVERIFY(cambios(antes, e->grafica.graf.Imagen(), QRect(0, 0, 600, 400)) > 0);
        QVERIFY(e->mensajes.isEmpty());
    }

    void ambosEnUnClicSoloElOcho()
    {
        frmextension *w = abre();
        responde(*w, "+i", "-i");
        QCOMPARE(e->mensajes, QStringList{Exito(8)});
    }

    void limitesErroneos_data()
    {
        QTest::addColumn<QString>("menos");
        QTest::addColumn<QString>("mas");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<bool>("menosAceptado");
        QTest::newRow("izquierdo al revés") << "-i" << QString() << QStringList{Error(22)} << false;
        QTest::newRow("derecho al revés") << QString() << "+i" << QStringList{Error(160)} << false;
        // The right box is not looked at in the click that fails on the left.
        QTest::newRow("izquierdo mal, derecho bien") << "-i" << "-i" << QStringList{Error(22)} << false;
        QTest::newRow("izquierdo bien, derecho mal") << "+i" << "+i" << QStringList{Error(160)} << true;
        QTest::newRow("un número") << "1000" << QString() << QStringList{Error(22)} << false;
        QTest::newRow("fracción sin denominador") << "1/" << QString() << QStringList{Error(151)} << false;
    }
    void limitesErroneos()
    {
        QFETCH(QString, menos);
        QFETCH(QString, mas);
        QFETCH(QStringList, mensajes);
        QFETCH(bool, menosAceptado);
        frmextension *w = abre();
        responde(*w, menos, mas);
        QCOMPARE(e->mensajes, mensajes);
        QCOMPARE(w->LimResuelto(0), menosAceptado);
        QVERIFY(!w->LimResuelto(1));
        QVERIFY(!ConceptoResuelto[3]);
        QVERIFY(EntornoEjercicios::Abierta<frmextension>());
    }

    void enterConEntradaInvalidaUnSoloMensaje()
    {
        frmextension *w = abre();
        Escribe(*w->txtLimite(1), "2/0");
        QTest::keyClick(w->txtLimite(1)->Caja(), Qt::Key_Return);
        Asienta();
        QCOMPARE(e->mensajes, QStringList{Error(153)});
        QVERIFY(!w->LimResuelto(1));
    }

    void constanteSoloAceptaSuValor()
    {
        EntornoEjercicios::Polinomio({{5, 0}});
        frmextension *w = abre();
        e->grafica.graf.ForeColor(0xFF0000);
        e->grafica.graf.Limpia();
        const QImage antes = e->grafica.graf.Imagen().copy();
        responde(*w, "0", {});
        responde(*w, "+i", {});
        QCOMPARE(e->mensajes, (QStringList{Error(161), Error(161)}));
        responde(*w, "5", {});
        QCOMPARE(e->mensajes.last(), Exito(7));
        QVERIFY(w->LimResuelto(0));
        responde(*w, {}, "-i");
        QCOMPARE(e->mensajes.last(), Error(160));
        // Within 0.01 of the constant.
        responde(*w, {}, "5.009");
        QCOMPARE(e->mensajes.last(), Exito(8));
        QVERIFY(ConceptoResuelto[3]);
        // No infinity legend for a constant.
        QCOMPARE(cambios(antes, e->grafica.graf.Imagen(), QRect(0, 0, 600, 30)), 0);
    }

    void toleranciaDelLimiteFinito()
    {
        EntornoEjercicios::Polinomio({{0.5, 0}});
        frmextension *w = abre();
        responde(*w, "0.51", {});
        QCOMPARE(e->mensajes, QStringList{Error(161)});
        responde(*w, "0.509", {});
        QCOMPARE(e->mensajes.last(), Exito(7));
    }

    void caminoDeLaDerivadaEvaluaPPrima()
    {
        frmextension *w = abre(Camino::GraficaDeri);
        QCOMPARE(w->RtfDasPoli2()->Text(), std::string("¿...?"));
        QCOMPARE(VentanaPrincipalActual()->Titulo(),
                 std::string("Quorvane: De gráfica de derivada a concepto: Calculando la Extensión de la Función"));
        QCOMPARE(NumApoyo, 74);
        QVERIFY(e->grafica.recorre);
        PanelHerramientas *h = w->herramientas();
        QCOMPARE(h->lblPuntual1()->text(), QStringLiteral("P'("));
        QCOMPARE(h->flxgrdRango()->TextMatrix(0, 1), QStringLiteral("P'(x)"));
        // P'(1) = -5 in the table from start 0 and step 1.
        QCOMPARE(h->flxgrdRango()->TextMatrix(2, 1), QString::fromStdString(NumeroATexto(-5, 6, 3)));
        QVERIFY(h->cmdGraficaPtos()->isHidden());
        Escribe(*h->cajaPunto(), "2");
        Pulsa(*h->cmdListoPuntual());
        // P'(2) = -6 * 4 + 1
        QCOMPARE(h->LblPuntual()->text(), QString::fromStdString(NumeroATexto(-23, 6, 3)));

        // The limits asked are still those of P.
        responde(*w, "+i", "-i");
        QCOMPARE(e->mensajes, QStringList{Exito(8)});
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{1});
    }

    void cancelarEnCadaCamino_data()
    {
        QTest::addColumn<int>("camino");
        QTest::addColumn<QList<int>>("desmarcadas");
        QTest::newRow("analítico") << int(Camino::Analitico) << QList<int>{};
        QTest::newRow("gráfica de P") << int(Camino::GraficaPoli) << QList<int>{3};
        QTest::newRow("gráfica de P'") << int(Camino::GraficaDeri) << QList<int>{1};
    }
    void cancelarEnCadaCamino()
    {
        QFETCH(int, camino);
        QFETCH(QList<int>, desmarcadas);
        frmextension *w = abre(static_cast<Camino>(camino));
        Pulsa(*w->CmdExtensaCancelar());
        Asienta();
        QCOMPARE(e->abridor.desmarcadas, desmarcadas);
        QVERIFY(e->abridor.deshabilitadas.isEmpty());
        if (camino == int(Camino::GraficaPoli))
            QVERIFY(!e->grafica.recorre);
        QCOMPARE(NivelPila, e->nivelOpener);
        QVERIFY(!ConceptoResuelto[3]);
    }
};

QTEST_MAIN(tst_Extension)
#include "tst_Extension.moc"
