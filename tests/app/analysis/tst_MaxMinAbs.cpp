// The absolute extrema exercise, worked as a student: the option, then
// the value of the one extremum, "Terminar" once the answer is complete;
// no extremum, a constant, and the road from the graph of P', where the
// right option is the whole answer.
#include "EntornoEjercicios.h"

#include "PanelHerramientas.h"
#include "frmMaxMinAbs.h"

#include <QRadioButton>

class tst_MaxMinAbs : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    enum { Ambos = 0, Ninguno = 1, SoloMinimo = 2, SoloMaximo = 3 };
    frmMaxMinAbs *abre(Camino camino = Camino::Analitico) { return e->Abre<frmMaxMinAbs>(12, camino); }
    void elige(frmMaxMinAbs &w, int opcion)
    {
        w.OptMaxMin(opcion)->click();
        Pulsa(*w.cmdListo());
        Asienta();
    }
    void valor(frmMaxMinAbs &w, const QString &texto)
    {
        Escribe(*w.txtraices2(), texto);
        Pulsa(*w.CmdListo2());
        Asienta();
    }
    // P = x^2 - 4x + 1: minimum -3.
    static void parabola() { EntornoEjercicios::Polinomio({{1, 2}, {-4, 1}, {1, 0}}); }

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup() { e.reset(); }

    void minimoYSuValor()
    {
        parabola();
        frmMaxMinAbs *w = abre();
        QVERIFY(w);
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("EXTREMOS ABSOLUTOS"));
        QVERIFY(w->txtraices2()->isHidden());
        QVERIFY(w->CmdListo2()->isHidden());
        QVERIFY(!w->cmdListo()->Enabled());
        QVERIFY(!w->CmdOk()->Enabled());

        elige(*w, SoloMinimo);
        QCOMPARE(e->mensajes, QStringList{Exito(57)});
        QCOMPARE(w->LblMaxMinAbs1()->text(), QStringLiteral("Escribe el valor del mínimo absoluto"));
        QCOMPARE(w->LblMaxMinAbs2()->text(), QStringLiteral(" P(xo) = "));
        QVERIFY(!w->txtraices2()->isHidden());
        QVERIFY(w->cmdListo()->isHidden());
        QVERIFY(!w->OptMaxMin(Ambos)->isEnabled());
        QVERIFY(!w->CmdOtroInter()->Enabled());
        QVERIFY(!w->CmdOk()->Enabled());

        valor(*w, "-3.01");
        QCOMPARE(e->mensajes.last(), Error(71, "-3.01"));
        QCOMPARE(w->txtraices2()->Text(), QStringLiteral("-3.01"));
        QVERIFY(!w->CmdOk()->Enabled());
        valor(*w, "-3.002");
        QCOMPARE(e->mensajes.last(), Exito(35));
        QVERIFY(!w->CmdListo2()->Enabled());
        QVERIFY(w->CmdOk()->Enabled());

        Pulsa(*w->CmdOk());
        Asienta();
        QVERIFY(ConceptoResuelto[12]);
        QCOMPARE(ConceptoActual, std::int16_t(12));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{12});
        QCOMPARE(e->abridor.todasDesmarcadas, 1);
        QCOMPARE(NivelPila, e->nivelOpener);
        QVERIFY(!EntornoEjercicios::Abierta<frmMaxMinAbs>());
        QCOMPARE(e->mensajes.size(), 3);
    }

    // Flat extrema of a tenth power, exactly -4 and 4: the typed value is
    // held against them with the road's 0.001.
    void extremosPlanos_data()
    {
        QTest::addColumn<int>("signo");
        QTest::newRow("mínimo -4") << 1;
        QTest::newRow("máximo 4") << -1;
    }
    void extremosPlanos()
    {
        QFETCH(int, signo);
        const PoliExacto plano = Racional(1, 10) * PoliExacto::Lineal(9).Potencia(10);
        PoliActual =
            CreaFuncPolin(Collpolinomio::DesdeExacto(Racional(signo) * plano - PoliExacto::Constante(4 * signo)));
        PoliDado = true;
        frmMaxMinAbs *w = abre();
        QVERIFY(w);
        elige(*w, signo > 0 ? SoloMinimo : SoloMaximo);
        const QString lejos = signo > 0 ? "-4.0041" : "4.0041";
        valor(*w, lejos);
        QCOMPARE(e->mensajes.last(), Error(signo > 0 ? 71 : 70, lejos.toStdString()));
        valor(*w, signo > 0 ? "-4.0039" : "4.0039");
        QCOMPARE(e->mensajes.last(), Exito(signo > 0 ? 35 : 36));
    }

    void maximoYSuValor()
    {
        EntornoEjercicios::Polinomio({{-1, 4}, {2, 0}});
        frmMaxMinAbs *w = abre();
        elige(*w, SoloMaximo);
        QCOMPARE(w->LblMaxMinAbs1()->text(), QStringLiteral("Escribe el valor del máximo absoluto"));
        valor(*w, "2.5");
        valor(*w, "2");
        QCOMPARE(e->mensajes, (QStringList{Exito(57), Error(70, "2.5"), Exito(36)}));
    }

    void opcionesErroneas_data()
    {
        QTest::addColumn<QList<int>>("terminos");
        QTest::addColumn<int>("opcion");
        QTest::addColumn<int>("error");
        QTest::newRow("parábola: ambos") << QList<int>{1, 2} << int(Ambos) << 67;
        QTest::newRow("parábola: ninguno") << QList<int>{1, 2} << int(Ninguno) << 104;
        QTest::newRow("parábola: sólo máximo") << QList<int>{1, 2} << int(SoloMaximo) << 67;
        QTest::newRow("hacia abajo: ambos") << QList<int>{-1, 2} << int(Ambos) << 69;
        QTest::newRow("hacia abajo: sólo mínimo") << QList<int>{-1, 2} << int(SoloMinimo) << 69;
        QTest::newRow("cúbica: ambos") << QList<int>{1, 3} << int(Ambos) << 67;
        QTest::newRow("cúbica: sólo mínimo") << QList<int>{1, 3} << int(SoloMinimo) << 68;
        QTest::newRow("cúbica: sólo máximo") << QList<int>{1, 3} << int(SoloMaximo) << 66;
        QTest::newRow("constante: ninguno") << QList<int>{5, 0} << int(Ninguno) << 105;
        QTest::newRow("constante: sólo mínimo") << QList<int>{5, 0} << int(SoloMinimo) << 68;
        QTest::newRow("constante: sólo máximo") << QList<int>{5, 0} << int(SoloMaximo) << 66;
    }
    void opcionesErroneas()
    {
        QFETCH(QList<int>, terminos);
        QFETCH(int, opcion);
        QFETCH(int, error);
        EntornoEjercicios::Polinomio({{terminos[0], terminos[1]}});
        frmMaxMinAbs *w = abre();
        elige(*w, opcion);
        QCOMPARE(e->mensajes, QStringList{Error(error)});
        // Back to choosing.
        QVERIFY(!w->OptMaxMin(opcion)->isChecked());
        QVERIFY(!w->cmdListo()->Enabled());
        QVERIFY(w->OptMaxMin(opcion)->isEnabled());
        QVERIFY(!w->CmdOk()->Enabled());
    }

    void sinExtremoTerminaEnseguida()
    {
        EntornoEjercicios::Polinomio({{1, 3}});
        abre();
        elige(*GestorVentanas::instancia().existente<frmMaxMinAbs>(), Ninguno);
        QCOMPARE(e->mensajes, QStringList{Exito(53)});
        QVERIFY(!EntornoEjercicios::Abierta<frmMaxMinAbs>());
        QVERIFY(ConceptoResuelto[12]);
        QCOMPARE(ConceptoActual, std::int16_t(12));
    }

    void constanteTieneAmbos()
    {
        EntornoEjercicios::Polinomio({{5, 0}});
        frmMaxMinAbs *w = abre();
        elige(*w, Ambos);
        QCOMPARE(e->mensajes, QStringList{Exito(73)});
        QVERIFY(!w->OptMaxMin(Ninguno)->isEnabled());
        QVERIFY(!w->CmdOtroInter()->Enabled());
        QVERIFY(w->txtraices2()->isHidden());
        QVERIFY(w->CmdOk()->Enabled());
        Pulsa(*w->CmdOk());
        Asienta();
        QVERIFY(ConceptoResuelto[12]);
        QVERIFY(!EntornoEjercicios::Abierta<frmMaxMinAbs>());
    }

    void caminoDeLaDerivadaNoPideValor_data()
    {
        QTest::addColumn<QList<int>>("terminos");
        QTest::addColumn<int>("opcion");
        QTest::addColumn<int>("exito");
        QTest::newRow("mínimo") << QList<int>{1, 2} << int(SoloMinimo) << 60;
        QTest::newRow("máximo") << QList<int>{-1, 2} << int(SoloMaximo) << 61;
        QTest::newRow("ninguno") << QList<int>{1, 3} << int(Ninguno) << 62;
    }
    void caminoDeLaDerivadaNoPideValor()
    {
        QFETCH(QList<int>, terminos);
        QFETCH(int, opcion);
        QFETCH(int, exito);
        EntornoEjercicios::Polinomio({{terminos[0], terminos[1]}});
        frmMaxMinAbs *w = abre(Camino::GraficaDeri);
        elige(*w, opcion);
        QCOMPARE(e->mensajes, QStringList{Exito(exito)});
        QVERIFY(!EntornoEjercicios::Abierta<frmMaxMinAbs>());
        QVERIFY(ConceptoResuelto[12]);
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{5});
        QCOMPARE(NivelPila, e->nivelOpener);
    }

    // The graph road reads the value within 10 %.
    void caminoDeLaGrafica()
    {
        parabola();
        frmMaxMinAbs *w = abre(Camino::GraficaPoli);
        e->grafica.recorre = true;
        elige(*w, SoloMinimo);
        valor(*w, "-3.2");
        QCOMPARE(e->mensajes, (QStringList{Exito(57), Exito(35)}));
        Pulsa(*w->CmdOk());
        Asienta();
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{9});
        QCOMPARE(e->abridor.todasDesmarcadas, 1);
        QVERIFY(!e->grafica.recorre);
    }

    // Enter in the value box and in the point box does nothing; a bad
    // number is the frame's message.
    void cajaDelValor()
    {
        parabola();
        frmMaxMinAbs *w = abre();
        PanelHerramientas *h = w->herramientas();
        Escribe(*h->cajaPunto(), "2");
        QTest::keyClick(h->cajaPunto()->Caja(), Qt::Key_Return);
        QVERIFY(h->LblPuntual()->text().isEmpty());
        Pulsa(*h->cmdListoPuntual());
        QVERIFY(!h->LblPuntual()->text().isEmpty());

        elige(*w, SoloMinimo);
        Escribe(*w->txtraices2(), "-3");
        QTest::keyClick(w->txtraices2()->Caja(), Qt::Key_Return);
        Asienta();
        QCOMPARE(e->mensajes, QStringList{Exito(57)});
        valor(*w, "3/");
        QCOMPARE(e->mensajes.last(), Error(151));
    }
};

QTEST_MAIN(tst_MaxMinAbs)
#include "tst_MaxMinAbs.moc"
