// The monotonicity exercise, worked as a student: intervals with their
// quality in any order, the sentences and the f' track under the graph,
// a polynomial that never changes, the finish on each road and every
// wrong interval.
#include "IntervalosPrueba.h"

#include "Grid.h"
#include "PanelHerramientas.h"
#include "frmMonotonia.h"

class tst_Monotonia : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    enum { Creciente = 0, Decreciente = 1, NoDecreciente = 2, NoCreciente = 3 };
    frmMonotonia *abre(Camino camino = Camino::Analitico) { return e->Abre<frmMonotonia>(6, camino); }
    // P = x^3 - 3x: increasing, decreasing on (-1, 1), increasing.
    static void cubica() { EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}}); }

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup() { e.reset(); }

    void tresIntervalosEnCualquierOrden()
    {
        cubica();
        frmMonotonia *w = abre();
        QVERIFY(w);
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("MONOTONÍA"));
        // The table waits for the range tool.
        QVERIFY(w->herramientas()->flxgrdRango()->TextMatrix(1, 0).isEmpty());
        PreparaFranja(e->grafica);
        const QImage vacia = e->grafica.franja.Imagen().copy();

        DaIntervalo(*w, "-1", "1", Decreciente);
        QCOMPARE(e->mensajes, QStringList{Exito(14)});
        QCOMPARE(Oraciones(*w), QStringLiteral("\nEn  (-1 , 1) ;  P(x) es Decreciente"));
        PictureEjes &franja = e->grafica.franja;
        QVERIFY(CambiosEnPista(franja, vacia, -1, 1, 2) > 0);
        QCOMPARE(CambiosEnPista(franja, vacia, 1.5, 5, 2), 0);
        QVERIFY(CambiosEnPista(franja, vacia, -5, -4.8, 2) > 0);
        QCOMPARE(CambiosEnPista(franja, vacia, -5, 5, 3), 0);

        DaIntervalo(*w, "-i", "-1", Creciente);
        QCOMPARE(e->mensajes.last(), Exito(14));
        QVERIFY(Oraciones(*w).endsWith(QStringLiteral("\nEn  (-∞ , -1) ;  P(x) es Creciente")));
        DaIntervalo(*w, "1", "i", Creciente);
        QCOMPARE(e->mensajes.last(), Exito(29));
        QVERIFY(Oraciones(*w).endsWith(QStringLiteral("\nEn  (1 , ∞) ;  P(x) es Creciente")));

        Pulsa(*w->CmdOk());
        Asienta();
        QCOMPARE(e->mensajes.last(), Exito(23));
        QVERIFY(ConceptoResuelto[6]);
        QCOMPARE(ConceptoActual, std::int16_t(7));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{6});
        QCOMPARE(NivelPila, e->nivelOpener);
        QVERIFY(!EntornoEjercicios::Abierta<frmMonotonia>());
    }

    void intervalosErroneos_data()
    {
        QTest::addColumn<QString>("izq");
        QTest::addColumn<QString>("der");
        QTest::addColumn<int>("cualidad");
        QTest::addColumn<int>("error");
        QTest::newRow("al revés") << "1" << "-1" << int(Decreciente) << 145;
        QTest::newRow("extremos iguales") << "1" << "1" << int(Creciente) << 133;
        QTest::newRow("izquierdo infinito") << "i" << "i" << int(Creciente) << 134;
        QTest::newRow("corto") << "-1" << "0.5" << int(Decreciente) << 136;
        QTest::newRow("largo") << "-1" << "2" << int(Decreciente) << 137;
        QTest::newRow("cualidad equivocada") << "-1" << "1" << int(Creciente) << 45;
        QTest::newRow("ningún intervalo") << "5" << "6" << int(Creciente) << 34;
        QTest::newRow("derecho vacío") << "5" << "" << int(Creciente) << 164;
        // The frame's rule for a bad number, on either end.
        QTest::newRow("derecho sin denominador") << "5" << "6/" << int(Creciente) << 151;
        QTest::newRow("izquierdo sin numerador") << "/6" << "6" << int(Creciente) << 150;
    }
    void intervalosErroneos()
    {
        QFETCH(QString, izq);
        QFETCH(QString, der);
        QFETCH(int, cualidad);
        QFETCH(int, error);
        cubica();
        frmMonotonia *w = abre();
        DaIntervalo(*w, izq, der, cualidad);
        QCOMPARE(e->mensajes, QStringList{Error(error)});
        QCOMPARE(w->UltimoAbierto(), 2);
        QVERIFY(Oraciones(*w).isEmpty());
    }

    // A wrong interval keeps the ends for correcting and asks the quality again.
    void errorGuardaLosExtremos()
    {
        cubica();
        frmMonotonia *w = abre();
        DaIntervalo(*w, "-1", "1", Creciente);
        QCOMPARE(w->txtraices2(0)->Text(), QStringLiteral("-1"));
        QCOMPARE(w->txtraices2(1)->Text(), QStringLiteral("1"));
        QCOMPARE(w->CualidadElegida(), 5);
        QVERIFY(!w->cmdListo()->Enabled());
        DaIntervalo(*w, {}, {}, Decreciente);
        QCOMPARE(e->mensajes, (QStringList{Error(45), Exito(14)}));
    }

    void sinCualidadYRepetido()
    {
        cubica();
        frmMonotonia *w = abre();
        Escribe(*w->txtraices2(0), "-1");
        Escribe(*w->txtraices2(1), "1");
        QTest::keyClick(w->txtraices2(1)->Caja(), Qt::Key_Return);
        Asienta();
        QCOMPARE(e->mensajes, QStringList{Error(105)});
        DaIntervalo(*w, {}, {}, Decreciente);
        DaIntervalo(*w, "-1.005", "1", Decreciente);
        QCOMPARE(e->mensajes, (QStringList{Error(105), Exito(14), Error(37)}));
        Pulsa(*w->CmdOk());
        QCOMPARE(e->mensajes.last(), Error(47));
        QVERIFY(EntornoEjercicios::Abierta<frmMonotonia>());
    }

    // The last open interval takes the place of the one given: any order
    // is accepted and the last one says so.
    void ordenCualquiera()
    {
        cubica();
        frmMonotonia *w = abre();
        DaIntervalo(*w, "-i", "-1", Creciente);
        DaIntervalo(*w, "1", "i", Creciente);
        DaIntervalo(*w, "-1", "1", Decreciente);
        QCOMPARE(e->mensajes, (QStringList{Exito(14), Exito(14), Exito(29)}));
        DaIntervalo(*w, "-1", "1", Decreciente);
        QCOMPARE(e->mensajes.last(), Error(38));
    }

    void unSoloIntervaloTermina_data()
    {
        QTest::addColumn<QList<int>>("terminos");
        QTest::addColumn<QString>("izq");
        QTest::addColumn<int>("cualidad");
        QTest::addColumn<QStringList>("mensajes");
        // x^3: P' = 3x^2 never changes sign.
        QTest::newRow("x^3") << QList<int>{1, 3} << "-i" << int(Creciente) << QStringList{Exito(23)};
        QTest::newRow("x^3 decreciente") << QList<int>{1, 3} << "-i" << int(Decreciente) << QStringList{Error(46)};
        QTest::newRow("x^3 finito") << QList<int>{1, 3} << "0" << int(Creciente) << QStringList{Error(139)};
        QTest::newRow("constante") << QList<int>{7, 0} << "-i" << int(NoDecreciente) << QStringList{Exito(71)};
        QTest::newRow("constante no creciente") << QList<int>{7, 0} << "-i" << int(NoCreciente) << QStringList{Exito(71)};
    }
    void unSoloIntervaloTermina()
    {
        QFETCH(QList<int>, terminos);
        QFETCH(QString, izq);
        QFETCH(int, cualidad);
        QFETCH(QStringList, mensajes);
        EntornoEjercicios::Polinomio({{terminos[0], terminos[1]}});
        frmMonotonia *w = abre();
        PreparaFranja(e->grafica);
        const QImage vacia = e->grafica.franja.Imagen().copy();
        DaIntervalo(*w, izq, "i", cualidad);
        QCOMPARE(e->mensajes, mensajes);
        const bool termina = mensajes.first().startsWith(QStringLiteral("éxito"));
        QCOMPARE(EntornoEjercicios::Abierta<frmMonotonia>(), !termina);
        QCOMPARE(CambiosEnPista(e->grafica.franja, vacia, -4.7, 4.9, 2) > 0, termina);
    }

    void caminos_data()
    {
        QTest::addColumn<Camino>("camino");
        QTest::addColumn<int>("exito");
        QTest::addColumn<int>("opcion");
        QTest::addColumn<bool>("recorre");
        QTest::newRow("gráfica de P") << Camino::GraficaPoli << 23 << 5 << true;
        QTest::newRow("gráfica de P'") << Camino::GraficaDeri << 63 << 3 << false;
    }
    void caminos()
    {
        QFETCH(Camino, camino);
        QFETCH(int, exito);
        QFETCH(int, opcion);
        QFETCH(bool, recorre);
        cubica();
        frmMonotonia *w = abre(camino);
        QCOMPARE(e->grafica.recorre, recorre);
        // Within 10 % on the graph roads.
        DaIntervalo(*w, "-1.08", "0.92", Decreciente);
        DaIntervalo(*w, "-i", "-1", Creciente);
        DaIntervalo(*w, "1", "i", Creciente);
        Pulsa(*w->CmdOk());
        Asienta();
        QCOMPARE(e->mensajes, (QStringList{Exito(14), Exito(14), Exito(29), Exito(exito)}));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{opcion});
        // ConceptoActual is the analytic road's.
        QCOMPARE(ConceptoActual, std::int16_t(0));
        QVERIFY(ConceptoResuelto[6]);
    }
};

QTEST_MAIN(tst_Monotonia)
#include "tst_Monotonia.moc"
