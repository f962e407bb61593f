// The concavity exercise, worked as a student: intervals with their
// concavity, the f'' track under the graph, "no concavity" for lines, the
// whole line of a parabola, and the list that stays open after a wrong
// whole-line answer.
#include "IntervalosPrueba.h"

#include "Grid.h"
#include "PanelHerramientas.h"
#include "frmConcavidad.h"

#include <QTabWidget>

class tst_Concavidad : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    enum { Arriba = 0, Abajo = 1, Sin = 2 };
    frmConcavidad *abre(Camino camino = Camino::Analitico) { return e->Abre<frmConcavidad>(10, camino); }
    void termina(frmConcavidad &w)
    {
        Pulsa(*w.CmdOk());
        Asienta();
    }

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup() { e.reset(); }

    void dosIntervalosYTerminar()
    {
        EntornoEjercicios::Polinomio({{1, 3}});
        frmConcavidad *w = abre();
        QVERIFY(w);
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("CONCAVIDAD"));
        QCOMPARE(w->Optconc(Sin)->text(), QStringLiteral("      Sin Concavidad"));
        // The table is filled at load.
        QCOMPARE(w->herramientas()->flxgrdRango()->TextMatrix(1, 0), QStringLiteral("0"));
        PreparaFranja(e->grafica);
        const QImage vacia = e->grafica.franja.Imagen().copy();

        DaIntervalo(*w, "-i", "0", Abajo);
        QCOMPARE(e->mensajes, QStringList{Exito(14)});
        QCOMPARE(Oraciones(*w), QStringLiteral("\nEn  (-∞ , 0) ;  P(x) es Cóncava"));
        PictureEjes &franja = e->grafica.franja;
        QVERIFY(CambiosEnPista(franja, vacia, -4.7, 0, 1) > 0);
        QCOMPARE(CambiosEnPista(franja, vacia, 0.5, 5, 1), 0);
        QCOMPARE(CambiosEnPista(franja, vacia, -5, 5, 2), 0);

        DaIntervalo(*w, "0", "i", Arriba);
        QCOMPARE(e->mensajes.last(), Exito(30));
        QVERIFY(Oraciones(*w).endsWith(QStringLiteral("\nEn  (0 , ∞) ;  P(x) es Convexa")));
        termina(*w);
        QCOMPARE(e->mensajes.last(), Exito(44));
        QVERIFY(ConceptoResuelto[10]);
        QCOMPARE(ConceptoActual, std::int16_t(11));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{10});
        QCOMPARE(NivelPila, e->nivelOpener);
        QVERIFY(!EntornoEjercicios::Abierta<frmConcavidad>());
    }

    void rectaSinConcavidad()
    {
        EntornoEjercicios::Polinomio({{3, 1}, {1, 0}});
        frmConcavidad *w = abre();
        DaIntervalo(*w, "0", "1", Arriba);
        QCOMPARE(e->mensajes, (QStringList{Error(41), Error(53)}));
        termina(*w);
        QCOMPARE(e->mensajes.last(), Error(54));
        DaIntervalo(*w, "0", "1", Sin);
        QCOMPARE(e->mensajes.last(), Exito(65));
        QCOMPARE(w->UltimoAbierto(), -1);
        termina(*w);
        QCOMPARE(e->mensajes.last(), Exito(44));
        QVERIFY(ConceptoResuelto[10]);
    }

    // A parabola: the whole line, with no sentence and a band kept 0.2 off
    // both edges.
    void parabolaTodaLaRecta()
    {
        EntornoEjercicios::Polinomio({{1, 2}});
        frmConcavidad *w = abre();
        PreparaFranja(e->grafica);
        const QImage vacia = e->grafica.franja.Imagen().copy();
        DaIntervalo(*w, "-i", "i", Sin);
        QCOMPARE(e->mensajes, QStringList{Error(85)});
        DaIntervalo(*w, "-i", "i", Arriba);
        QCOMPARE(e->mensajes, (QStringList{Error(85), Exito(30)}));
        QVERIFY(Oraciones(*w).isEmpty());
        PictureEjes &franja = e->grafica.franja;
        QVERIFY(CambiosEnPista(franja, vacia, -4.7, 4.7, 1) > 0);
        QCOMPARE(CambiosEnPista(franja, vacia, 4.98, 5, 1), 0);
        termina(*w);
        QCOMPARE(e->mensajes.last(), Exito(44));
    }

    // A wrong whole-line interval leaves the list open, whatever the
    // quality; a wrong quality is said as well.
    void parabolaMalDadaSigueAbierta_data()
    {
        QTest::addColumn<QString>("izq");
        QTest::addColumn<QString>("der");
        QTest::addColumn<int>("cualidad");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("derecho finito") << "-i" << "5" << int(Arriba) << QStringList{Error(134)};
        QTest::newRow("izquierdo finito") << "0" << "i" << int(Arriba) << QStringList{Error(139)};
        QTest::newRow("izquierdo finito, hacia abajo") << "0" << "i" << int(Abajo) << QStringList{Error(139), Error(53)};
        QTest::newRow("hacia abajo") << "-i" << "i" << int(Abajo) << QStringList{Error(118)};
        QTest::newRow("extremos iguales") << "0" << "0" << int(Arriba) << QStringList{Error(133)};
        QTest::newRow("al revés") << "1" << "0" << int(Arriba) << QStringList{Error(145)};
    }
    void parabolaMalDadaSigueAbierta()
    {
        QFETCH(QString, izq);
        QFETCH(QString, der);
        QFETCH(int, cualidad);
        QFETCH(QStringList, mensajes);
        EntornoEjercicios::Polinomio({{1, 2}});
        frmConcavidad *w = abre();
        DaIntervalo(*w, izq, der, cualidad);
        QCOMPARE(e->mensajes, mensajes);
        termina(*w);
        QCOMPARE(e->mensajes.last(), Error(54));
        QVERIFY(EntornoEjercicios::Abierta<frmConcavidad>());
    }

    // Every wrong interval, a bad number in either end among them, clears
    // the quality and turns "Listo" off; an empty end only says so.
    void intervalosErroneos_data()
    {
        QTest::addColumn<QString>("izq");
        QTest::addColumn<QString>("der");
        QTest::addColumn<int>("cualidad");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("anula");
        // P = x^4 - 6x^2: inflections at -1 and 1.
        QTest::newRow("corto") << "-1" << "0.5" << int(Abajo) << 139 << true;
        QTest::newRow("largo") << "-1" << "2" << int(Abajo) << 140 << true;
        QTest::newRow("cualidad equivocada") << "-1" << "1" << int(Arriba) << 52 << true;
        QTest::newRow("ningún intervalo") << "5" << "6" << int(Arriba) << 34 << true;
        QTest::newRow("izquierdo vacío") << "" << "6" << int(Arriba) << 163 << false;
        // The frame's rule, on the very first check too.
        QTest::newRow("izquierdo sin numerador") << "/4" << "6" << int(Arriba) << 150 << true;
        QTest::newRow("derecho sin denominador") << "-1" << "6/" << int(Arriba) << 151 << true;
    }
    void intervalosErroneos()
    {
        QFETCH(QString, izq);
        QFETCH(QString, der);
        QFETCH(int, cualidad);
        QFETCH(int, error);
        QFETCH(bool, anula);
        EntornoEjercicios::Polinomio({{1, 4}, {-6, 2}});
        frmConcavidad *w = abre();
        DaIntervalo(*w, izq, der, cualidad);
        QCOMPARE(e->mensajes, QStringList{Error(error)});
        QCOMPARE(w->UltimoAbierto(), 2);
        QCOMPARE(w->OptCualidad(cualidad)->isChecked(), !anula);
        QCOMPARE(w->cmdListo()->Enabled(), !anula);
    }

    // The open list keeps its order; "given already" uses the road's tolerance.
    void ordenYRepetidoEnLaGrafica()
    {
        EntornoEjercicios::Polinomio({{1, 4}, {-6, 2}});
        frmConcavidad *w = abre(Camino::GraficaPoli);
        QVERIFY(e->grafica.recorre);
        DaIntervalo(*w, "-1", "1", Abajo);
        DaIntervalo(*w, "-1.08", "1", Abajo);
        DaIntervalo(*w, "1.05", "i", Arriba);
        DaIntervalo(*w, "-i", "-1", Arriba);
        QCOMPARE(e->mensajes, (QStringList{Exito(14), Error(37), Exito(14), Exito(30)}));
        termina(*w);
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{8});
        QCOMPARE(ConceptoActual, std::int16_t(11));
    }

    void herramientasDeLaSegunda()
    {
        EntornoEjercicios::Polinomio({{1, 3}});
        frmConcavidad *w = abre();
        PanelHerramientas *h = w->herramientas();
        h->OptPuntPolioDeri(1)->click();
        QCOMPARE(h->stabRaices()->tabText(0), QStringLiteral("Evaluación puntual P´´(x)"));
        Escribe(*h->cajaPunto(), "2");
        QTest::keyClick(h->cajaPunto()->Caja(), Qt::Key_Return);
        QCOMPARE(h->LblPuntual()->text(), QStringLiteral("12"));
    }
};

QTEST_MAIN(tst_Concavidad)
#include "tst_Concavidad.moc"
