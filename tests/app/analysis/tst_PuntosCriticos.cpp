// The critical points and the inflection points, worked as a student:
// polynomials without points, the tolerance of each road, a bad entry told
// once, "Borrar", P' and P'' shown once their exercises are solved, and
// the graph roads' options.
#include "EntornoEjercicios.h"
#include "PuntosPrueba.h"

#include "PanelHerramientas.h"
#include "frmPuntosCriticos.h"
#include "frmPuntosInfle.h"

#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

class tst_PuntosCriticos : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    frmPuntosCriticos *criticos(Camino camino = Camino::Analitico)
    {
        return e->Abre<frmPuntosCriticos>(5, camino);
    }
    frmPuntosInfle *inflexion(Camino camino = Camino::Analitico) { return e->Abre<frmPuntosInfle>(9, camino); }

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup() { e.reset(); }

    void rectaSinPuntosCriticos()
    {
        EntornoEjercicios::Polinomio({{2, 1}, {1, 0}});
        frmPuntosCriticos *w = criticos();
        Da(*w, QStringLiteral("0"));
        QCOMPARE(w->txtRespuesta()->Text(), QStringLiteral("0"));
        PulsaTerminar(*w);
        QCOMPARE(e->mensajes, (QStringList{Error(43), Exito(21)}));
        QVERIFY(ConceptoResuelto[5]);
        QCOMPARE(ConceptoActual, std::int16_t(6));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{5});
        QCOMPARE(NivelPila, e->nivelOpener);
    }

    void toleranciaPorCamino_data()
    {
        QTest::addColumn<int>("camino");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("analitico") << int(Camino::Analitico) << Error(28);
        QTest::newRow("grafica de P") << int(Camino::GraficaPoli) << Exito(34);
        QTest::newRow("grafica de P'") << int(Camino::GraficaDeri) << Exito(34);
    }
    void toleranciaPorCamino()
    {
        QFETCH(int, camino);
        QFETCH(QString, esperado);
        // x^2: the critical point 0, read off a graph within 0.1.
        EntornoEjercicios::Polinomio({{1, 2}});
        frmPuntosCriticos *w = criticos(static_cast<Camino>(camino));
        Da(*w, QStringLiteral("0.09"));
        QCOMPARE(e->mensajes, QStringList{esperado});
    }

    void entradaNoValidaUnaVez()
    {
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}});
        frmPuntosCriticos *w = criticos();
        Escribe(*w->txtRespuesta(), QStringLiteral("3/"));
        QTest::keyClick(w->txtRespuesta()->Caja(), Qt::Key_Return);
        Asienta();
        Pulsa(*w->cmdListo());
        Asienta();
        QCOMPARE(e->mensajes, (QStringList{Error(151), Error(151)}));
        QCOMPARE(w->txtRespuesta()->Text(), QStringLiteral("3/"));
        QCOMPARE(int(w->puntosFaltantes().size()), 2);
    }

    void unValorAnteriorSigueDado()
    {
        EntornoEjercicios::Polinomio({{1, 4}, {-2, 2}}); // critical points -1, 0, 1
        frmPuntosCriticos *w = criticos();
        Da(*w, QStringLiteral("-1"));
        Da(*w, QStringLiteral("1"));
        // Not the last one: "no es un punto crítico, o ya lo había dado",
        // and the box is emptied; only the last one is named.
        Da(*w, QStringLiteral("-1"));
        QVERIFY(w->txtRespuesta()->Text().isEmpty());
        PulsaTerminar(*w);
        QCOMPARE(e->mensajes, (QStringList{Exito(9), Exito(9), Error(28), Error(42)}));
        QVERIFY(EntornoEjercicios::Abierta<frmPuntosCriticos>());
        Escribe(*w->txtRespuesta(), QStringLiteral("7"));
        Pulsa(*w->cmdotro());
        QVERIFY(w->txtRespuesta()->Text().isEmpty());
    }

    void derivadaSoloSiYaSeResolvio()
    {
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}});
        frmPuntosCriticos *c = criticos();
        QVERIFY(c->RtfDeri()->Text().empty());
        Pulsa(*c->cmdcalcelar());
        Asienta();
        frmPuntosInfle *i = inflexion();
        QCOMPARE(i->RtfDeri2()->Text(), std::string("¿...?"));
        Pulsa(*i->cmdcalcelar());
        Asienta();

        ConceptoResuelto[4] = ConceptoResuelto[8] = true;
        c = criticos();
        QCOMPARE(QString::fromStdString(c->RtfDeri()->Text()).remove(QLatin1Char(' ')), QStringLiteral("3x2-3"));
        QCOMPARE(c->herramientas()->OptPolioDeri(1)->text(), QStringLiteral("Derivada"));
        Pulsa(*c->cmdcalcelar());
        Asienta();
        i = inflexion();
        QCOMPARE(QString::fromStdString(i->RtfDeri2()->Text()).remove(QLatin1Char(' ')), QStringLiteral("6x"));
        QCOMPARE(i->herramientas()->OptPolioDeri(1)->text(), QStringLiteral("2a Derivada"));
        QVERIFY(e->mensajes.isEmpty());
        QVERIFY(!ConceptoResuelto[5] && !ConceptoResuelto[9]);
    }

    // Each window's list tab and the caption over its derivative name what
    // they hold.
    void rotulosDeCadaLista()
    {
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}});
        const auto tieneRotulo = [](const QWidget &w, const QString &texto) {
            const QList<QLabel *> rotulos = w.findChildren<QLabel *>();
            return std::any_of(rotulos.begin(), rotulos.end(), [&](const QLabel *l) { return l->text() == texto; });
        };
        frmPuntosCriticos *c = criticos();
        QCOMPARE(c->herramientas()->stabRaices()->tabText(2), QStringLiteral("Ptos. Críticos calculados"));
        QVERIFY(tieneRotulo(*c, QStringLiteral("Derivada de P(x) ")));
        Pulsa(*c->cmdcalcelar());
        Asienta();
        frmPuntosInfle *i = inflexion();
        QCOMPARE(i->herramientas()->stabRaices()->tabText(2), QStringLiteral("Ptos. de Inflexión calculados"));
        QVERIFY(tieneRotulo(*i, QStringLiteral("Segunda derivada de P(x)")));
        QVERIFY(!tieneRotulo(*i, QStringLiteral("Derivada de P(x) ")));
    }

    void criticosEnLosCaminosGraficos()
    {
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}});
        frmPuntosCriticos *w = criticos(Camino::GraficaDeri);
        QCOMPARE(w->RtfDasPoli2()->Text(), std::string("¿...?"));
        QCOMPARE(NumApoyo, std::int16_t(75));
        Pulsa(*w->cmdcalcelar());
        Asienta();
        QCOMPARE(e->abridor.desmarcadas, QList<int>{2});

        w = criticos(Camino::GraficaPoli);
        QVERIFY(e->grafica.recorre);
        Da(*w, QStringLiteral("0.95"));
        Da(*w, QStringLiteral("-1.05"));
        PulsaTerminar(*w);
        QCOMPARE(e->mensajes, (QStringList{Exito(9), Exito(34), Exito(10)}));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{4});
        QVERIFY(!e->grafica.recorre);
        // ConceptoActual tells the hub's "Graficar" the analytic road's last concept.
        QCOMPARE(ConceptoActual, std::int16_t(0));
    }

    void inflexionSinPuntos()
    {
        auto caso = [this](std::initializer_list<std::pair<double, int>> terminos, int error, int exito) {
            e->mensajes.clear();
            ConceptoResuelto[9] = false;
            EntornoEjercicios::Polinomio(terminos);
            frmPuntosInfle *w = inflexion();
            Da(*w, QStringLiteral("0"));
            QCOMPARE(w->txtRespuesta()->Text(), QStringLiteral("0"));
            PulsaTerminar(*w);
            QCOMPARE(e->mensajes, (QStringList{Error(error), Exito(exito)}));
            QVERIFY(ConceptoResuelto[9]);
            QCOMPARE(ConceptoActual, std::int16_t(10));
        };
        caso({{1, 4}}, 49, 26);         // P'' = 12x^2 keeps its sign
        caso({{1, 2}, {1, 0}}, 50, 25); // P'' = 2 has no root
    }

    void inflexionesQueFaltan()
    {
        // x^4 - 6x^2: inflections at -1 and 1.
        EntornoEjercicios::Polinomio({{1, 4}, {-6, 2}});
        frmPuntosInfle *w = inflexion();
        PulsaTerminar(*w);
        Da(*w, QStringLiteral("0.5"));
        Da(*w, QStringLiteral("1.004")); // within 0.5 % of 1
        Da(*w, QStringLiteral("1.004"));
        QCOMPARE(e->mensajes, (QStringList{Error(51), Error(48), Exito(24), Error(48)}));
        QCOMPARE(int(w->puntosFaltantes().size()), 1);
        QVERIFY(QString::fromStdString(w->rtbPtoInfle()->Text()).contains(QStringLiteral("= 1.004")));
    }

    void inflexionEnElCaminoDeLaGrafica()
    {
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}});
        frmPuntosInfle *w = inflexion(Camino::GraficaPoli);
        QCOMPARE(VentanaPrincipalActual()->Titulo(),
                 std::string("Quorvane: De gráfica de polinomio a concepto: Calculando los Puntos de Inflexión"));
        // The graph road keeps the analytic road's tolerance.
        Da(*w, QStringLiteral("0.006"));
        Da(*w, QStringLiteral("0"));
        PulsaTerminar(*w);
        QCOMPARE(e->mensajes, (QStringList{Error(48), Exito(27), Exito(26)}));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{7});
        QCOMPARE(ConceptoActual, std::int16_t(10));
        QVERIFY(!e->grafica.recorre);
    }
};

QTEST_MAIN(tst_PuntosCriticos)
#include "tst_PuntosCriticos.moc"
