// The range exercise, worked as a student: the range typed as two ends,
// the sentence and the green segment on the y axis, the tolerance of each
// road, a constant's closed interval and every wrong range.
#include "IntervalosPrueba.h"

#include "PanelHerramientas.h"
#include "frmRango.h"

#include "QBColor.h"

class tst_Rango : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    frmRango *abre(Camino camino = Camino::Analitico) { return e->Abre<frmRango>(11, camino); }
    // P = x^2 - 4x + 1: range [-3, inf).
    static void parabola() { EntornoEjercicios::Polinomio({{1, 2}, {-4, 1}, {1, 0}}); }
    bool verdeEn(double y)
    {
        PictureEjes &g = e->grafica.graf;
        return QColor(g.Imagen().pixel(g.EscalaX(0), g.EscalaY(y))) == QColor(0, 128, 0);
    }

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup() { e.reset(); }

    void rangoYTerminar()
    {
        parabola();
        frmRango *w = abre();
        QVERIFY(w);
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("RANGO"));
        QCOMPARE(w->lblposi3()->text(), QStringLiteral("  ("));
        QCOMPARE(w->cmdBorrar()->Caption(), QStringLiteral("Borrar"));
        QVERIFY(!w->txtraices2(0)->Caja()->acceptDrops());
        e->grafica.graf.Limpia();
        DaIntervalo(*w, "-3", "i", -1);
        QCOMPARE(e->mensajes, QStringList{Exito(32)});
        QCOMPARE(Oraciones(*w), QStringLiteral("\nP(x) e  [-3 , inf]"));
        QVERIFY(w->txtraices2(0)->Text().isEmpty());
        // Green from -3 up to the top of the graph, not below.
        QVERIFY(verdeEn(-3));
        QVERIFY(verdeEn(9.9));
        QVERIFY(!verdeEn(-5));

        DaIntervalo(*w, "-3", "i", -1);
        QCOMPARE(e->mensajes.last(), Error(55));
        Pulsa(*w->CmdOk());
        Asienta();
        QCOMPARE(e->mensajes.last(), Exito(33));
        QVERIFY(ConceptoResuelto[11]);
        QCOMPARE(ConceptoActual, std::int16_t(13));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{11});
        QCOMPARE(NivelPila, e->nivelOpener);
        QVERIFY(!EntornoEjercicios::Abierta<frmRango>());
    }

    void terminarAntesDeTiempo()
    {
        parabola();
        frmRango *w = abre();
        Pulsa(*w->CmdOk());
        QCOMPARE(e->mensajes, QStringList{Error(56)});
        QVERIFY(EntornoEjercicios::Abierta<frmRango>());
    }

    void extremos_data()
    {
        QTest::addColumn<Camino>("camino");
        QTest::addColumn<QString>("izq");
        QTest::addColumn<QString>("der");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("-3.005 analítico") << Camino::Analitico << "-3.005" << "i" << Exito(32);
        QTest::newRow("-3.09 analítico") << Camino::Analitico << "-3.09" << "i" << Error(131);
        QTest::newRow("-3.09 gráfica") << Camino::GraficaPoli << "-3.09" << "i" << Exito(32);
        QTest::newRow("por encima") << Camino::Analitico << "-2" << "i" << Error(132);
        QTest::newRow("derecho finito") << Camino::Analitico << "-3" << "8" << Error(33);
        QTest::newRow("al revés") << Camino::Analitico << "2" << "1" << Error(145);
        QTest::newRow("iguales") << Camino::Analitico << "2" << "2" << Error(133);
        QTest::newRow("izquierdo infinito") << Camino::Analitico << "i" << "i" << Error(134);
        QTest::newRow("izquierdo vacío") << Camino::Analitico << "" << "i" << Error(163);
        QTest::newRow("derecho vacío") << Camino::Analitico << "-3" << "" << Error(164);
        QTest::newRow("fracción sin denominador") << Camino::Analitico << "-3" << "4/" << Error(151);
    }
    void extremos()
    {
        QFETCH(Camino, camino);
        QFETCH(QString, izq);
        QFETCH(QString, der);
        QFETCH(QString, mensaje);
        parabola();
        frmRango *w = abre(camino);
        DaIntervalo(*w, izq, der, -1);
        QCOMPARE(e->mensajes, QStringList{mensaje});
        const bool aceptado = mensaje == Exito(32);
        QCOMPARE(w->NumIntervalos(), aceptado ? 0 : 1);
        // The sentence shows the range, not what was typed.
        if (aceptado)
            QCOMPARE(Oraciones(*w), QStringLiteral("\nP(x) e  [-3 , inf]"));
        else
            QCOMPARE(w->txtraices2(0)->Text().isEmpty(), izq.isEmpty());
    }

    // A flat minimum, 0.1(x - 9)^10 - 4: exactly -4, held against the
    // typed end with the road's 1%.
    void minimoPlano_data()
    {
        QTest::addColumn<QString>("izq");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("-4") << "-4" << Exito(32);
        QTest::newRow("-4.039") << "-4.039" << Exito(32);
        QTest::newRow("-4.041") << "-4.041" << Error(131);
        QTest::newRow("-3.959") << "-3.959" << Error(132);
    }
    void minimoPlano()
    {
        QFETCH(QString, izq);
        QFETCH(QString, mensaje);
        const PoliExacto plano = Racional(1, 10) * PoliExacto::Lineal(9).Potencia(10);
        PoliActual = CreaFuncPolin(Collpolinomio::DesdeExacto(plano - PoliExacto::Constante(4)));
        PoliDado = true;
        frmRango *w = abre();
        DaIntervalo(*w, izq, "i", -1);
        QCOMPARE(e->mensajes, QStringList{mensaje});
    }

    void gradoImparTodaLaRecta()
    {
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}});
        frmRango *w = abre();
        e->grafica.graf.Limpia();
        DaIntervalo(*w, "-i", "i", -1);
        QCOMPARE(e->mensajes, QStringList{Exito(32)});
        QCOMPARE(Oraciones(*w), QStringLiteral("\nP(x) e  [-inf , + inf ]"));
        QVERIFY(verdeEn(-9.9));
        QVERIFY(verdeEn(9.9));
    }

    void maximoFinito()
    {
        EntornoEjercicios::Polinomio({{-1, 4}, {2, 0}});
        frmRango *w = abre();
        DaIntervalo(*w, "-i", "2", -1);
        QCOMPARE(Oraciones(*w), QStringLiteral("\nP(x) e  [-inf , 2] "));
    }

    void constante_data()
    {
        QTest::addColumn<QString>("izq");
        QTest::addColumn<QString>("der");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("5, 5") << "5" << "5" << Exito(74);
        QTest::newRow("casi 5") << "4.99" << "5" << Exito(74);
        QTest::newRow("4, 4") << "4" << "4" << Error(107);
        QTest::newRow("5, 6") << "5" << "6" << Error(106);
    }
    void constante()
    {
        QFETCH(QString, izq);
        QFETCH(QString, der);
        QFETCH(QString, mensaje);
        EntornoEjercicios::Polinomio({{5, 0}});
        frmRango *w = abre();
        QCOMPARE(w->lblposi3()->text(), QStringLiteral("["));
        QCOMPARE(w->lblgrafica3()->text(), QStringLiteral("]"));
        DaIntervalo(*w, izq, der, -1);
        QCOMPARE(e->mensajes, QStringList{mensaje});
        const bool aceptado = mensaje == Exito(74);
        QCOMPARE(w->lblposi3()->text(), aceptado ? QStringLiteral("Intervalo [") : QStringLiteral("["));
        QCOMPARE(w->NumIntervalos(), aceptado ? 0 : 1);
        if (!aceptado)
            return;
        Pulsa(*w->CmdOk());
        Asienta();
        QCOMPARE(e->mensajes.last(), Exito(33));
    }

    void caminos_data()
    {
        QTest::addColumn<Camino>("camino");
        QTest::addColumn<int>("opcion");
        QTest::newRow("gráfica de P") << Camino::GraficaPoli << 10;
        QTest::newRow("gráfica de P'") << Camino::GraficaDeri << 6;
    }
    void caminos()
    {
        QFETCH(Camino, camino);
        QFETCH(int, opcion);
        parabola();
        frmRango *w = abre(camino);
        QCOMPARE(QString::fromStdString(w->RtfDasPoli2()->Text()), QStringLiteral("¿...?"));
        Pulsa(*w->cmdCancelar());
        Asienta();
        QCOMPARE(e->abridor.desmarcadas, QList<int>{opcion});
        QCOMPARE(NivelPila, e->nivelOpener);
    }
};

QTEST_MAIN(tst_Rango)
#include "tst_Rango.moc"
