// The sign exercise, worked as a student: bands given one at a time with
// their sign, the sentences and the rows of signs under the graph, the
// whole line of a polynomial without real roots, and every wrong band.
#include "IntervalosPrueba.h"

#include "PanelHerramientas.h"
#include "frmposi.h"

class tst_Signo : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    enum { Positiva = 0, Negativa = 1 };
    frmposi *abre(Camino camino = Camino::Analitico) { return e->Abre<frmposi>(1, camino); }

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup() { e.reset(); }

    void tresBandasYTerminar()
    {
        EntornoEjercicios::Polinomio({{1, 2}, {-1, 0}});
        frmposi *w = abre();
        QVERIFY(w);
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("SIGNO"));
        QVERIFY(!w->cmdListo()->Enabled());
        QVERIFY(!w->CmdOk()->Enabled());
        PreparaFranja(e->grafica);
        const QImage vacia = e->grafica.franja.Imagen().copy();

        DaIntervalo(*w, "-1", "1", Negativa);
        QCOMPARE(e->mensajes, QStringList{Exito(14)});
        QCOMPARE(Oraciones(*w), QStringLiteral("\nEn  (-1 , 1) ;  P(x) es Negativa"));
        // A row of "-" from -1 to 1 on the f track, and the label at the left.
        PictureEjes &franja = e->grafica.franja;
        QVERIFY(CambiosEnPista(franja, vacia, -1, 1, 3) > 0);
        QCOMPARE(CambiosEnPista(franja, vacia, 1.5, 5, 3), 0);
        QCOMPARE(CambiosEnPista(franja, vacia, -4, -1.2, 3), 0);
        QVERIFY(CambiosEnPista(franja, vacia, -5, -4.8, 3) > 0);
        QCOMPARE(CambiosEnPista(franja, vacia, -5, 5, 2), 0);
        // The entry is ready for the next band.
        QVERIFY(w->txtraices2(0)->Text().isEmpty());
        QVERIFY(!w->cmdListo()->Enabled());

        DaIntervalo(*w, "-i", "-1", Positiva);
        QCOMPARE(e->mensajes.last(), Exito(14));
        QVERIFY(Oraciones(*w).endsWith(QStringLiteral("\nEn  (-∞ , -1) ;  P(x) es Positiva")));
        DaIntervalo(*w, "1", "i", Positiva);
        QCOMPARE(e->mensajes.last(), Exito(28));
        QVERIFY(Oraciones(*w).endsWith(QStringLiteral("\nEn  (1 , ∞) ;  P(x) es Positiva")));
        QCOMPARE(w->UltimoAbierto(), -1);
        DaIntervalo(*w, "1", "i", Positiva);
        QCOMPARE(e->mensajes.last(), Error(38));

        Pulsa(*w->CmdOk());
        Asienta();
        QCOMPARE(e->mensajes.last(), Exito(16));
        QVERIFY(ConceptoResuelto[1]);
        QCOMPARE(ConceptoActual, std::int16_t(2));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{1});
        QCOMPARE(NivelPila, e->nivelOpener);
        QVERIFY(!EntornoEjercicios::Abierta<frmposi>());
    }

    void terminarAntesDeTiempo()
    {
        EntornoEjercicios::Polinomio({{1, 2}, {-1, 0}});
        frmposi *w = abre();
        w->Optposi1(Positiva)->click();
        Pulsa(*w->CmdOk());
        QCOMPARE(e->mensajes, QStringList{Error(36)});
        QVERIFY(EntornoEjercicios::Abierta<frmposi>());
    }

    // Without real roots the whole line is the one answer, and it finishes.
    void sinRaicesTodaLaRecta()
    {
        EntornoEjercicios::Polinomio({{1, 2}, {1, 0}});
        frmposi *w = abre();
        PreparaFranja(e->grafica);
        const QImage vacia = e->grafica.franja.Imagen().copy();
        DaIntervalo(*w, "-i", "i", Negativa);
        QCOMPARE(e->mensajes, QStringList{Error(35)});
        DaIntervalo(*w, "-i", "i", Positiva);
        QCOMPARE(e->mensajes, (QStringList{Error(35), Exito(16)}));
        QVERIFY(CambiosEnPista(e->grafica.franja, vacia, -4.7, 4.9, 3) > 0);
        QVERIFY(ConceptoResuelto[1]);
        QVERIFY(!EntornoEjercicios::Abierta<frmposi>());
    }

    void bandasErroneas_data()
    {
        QTest::addColumn<QString>("izq");
        QTest::addColumn<QString>("der");
        QTest::addColumn<int>("signo");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<bool>("extremosQuedan");
        // P = x^2: (-inf, 0) and (0, inf), both positive.
        QTest::newRow("extremos iguales") << "0" << "0" << int(Positiva) << QStringList{Error(133)} << false;
        QTest::newRow("izquierdo infinito") << "i" << "i" << int(Positiva) << QStringList{Error(134)} << false;
        QTest::newRow("no empieza banda") << "-1" << "1" << int(Positiva) << QStringList{Error(172)} << false;
        QTest::newRow("al revés") << "1" << "-1" << int(Positiva) << QStringList{Error(145)} << false;
        QTest::newRow("demasiado larga") << "-i" << "3" << int(Positiva) << QStringList{Error(135)} << false;
        QTest::newRow("corta") << "-i" << "-3" << int(Positiva) << QStringList{Error(136)} << false;
        QTest::newRow("signo equivocado") << "0" << "i" << int(Negativa) << QStringList{Error(32)} << true;
        QTest::newRow("derecho vacío") << "0" << "" << int(Positiva) << QStringList{Error(164)} << true;
        // The frame's rule: 149 + the box's code, once.
        QTest::newRow("fracción sin denominador") << "3/" << "i" << int(Positiva) << QStringList{Error(151)} << true;
    }
    void bandasErroneas()
    {
        QFETCH(QString, izq);
        QFETCH(QString, der);
        QFETCH(int, signo);
        QFETCH(QStringList, mensajes);
        QFETCH(bool, extremosQuedan);
        EntornoEjercicios::Polinomio({{1, 2}});
        frmposi *w = abre();
        DaIntervalo(*w, izq, der, signo);
        QCOMPARE(e->mensajes, mensajes);
        QCOMPARE(w->txtraices2(0)->Text().isEmpty(), !extremosQuedan);
        QCOMPARE(w->UltimoAbierto(), 1);
    }

    void bandaYaDada()
    {
        EntornoEjercicios::Polinomio({{1, 2}});
        frmposi *w = abre();
        DaIntervalo(*w, "0", "i", Positiva);
        DaIntervalo(*w, "0.005", "i", Positiva);
        QCOMPARE(e->mensajes, (QStringList{Exito(14), Error(37)}));
    }

    // The left end 2 of x^2 - 4 within 1 % on the analytic road, 10 % on
    // the road from the graph of P.
    void toleranciaDelExtremo_data()
    {
        QTest::addColumn<bool>("grafica");
        QTest::addColumn<QString>("izq");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("2.01 analítico") << false << "2.01" << Exito(14);
        QTest::newRow("2.03 analítico") << false << "2.03" << Error(172);
        QTest::newRow("2.15 gráfica") << true << "2.15" << Exito(14);
        QTest::newRow("2.25 gráfica") << true << "2.25" << Error(172);
    }
    void toleranciaDelExtremo()
    {
        QFETCH(bool, grafica);
        QFETCH(QString, izq);
        QFETCH(QString, mensaje);
        EntornoEjercicios::Polinomio({{1, 2}, {-4, 0}});
        frmposi *w = abre(grafica ? Camino::GraficaPoli : Camino::Analitico);
        DaIntervalo(*w, izq, "i", Positiva);
        QCOMPARE(e->mensajes, QStringList{mensaje});
        if (mensaje == Exito(14))
            QVERIFY(Oraciones(*w).endsWith(QStringLiteral("(2 , ∞) ;  P(x) es Positiva")));
    }

    // Enter in an end box checks the band, whatever the state of "Listo".
    void enterRevisaConElUltimoSigno()
    {
        EntornoEjercicios::Polinomio({{1, 2}});
        frmposi *w = abre();
        w->Optposi1(Positiva)->click();
        Escribe(*w->txtraices2(0), "5");
        Escribe(*w->txtraices2(1), "6");
        Pulsa(*w->cmdListo());
        Asienta();
        QVERIFY(!w->cmdListo()->Enabled());
        Escribe(*w->txtraices2(0), "0");
        Escribe(*w->txtraices2(1), "i");
        QTest::keyClick(w->txtraices2(1)->Caja(), Qt::Key_Return);
        Asienta();
        QCOMPARE(e->mensajes, (QStringList{Error(172), Exito(14)}));
    }

    void borrarDejaElDerecho()
    {
        EntornoEjercicios::Polinomio({{1, 2}});
        frmposi *w = abre();
        w->Optposi1(Negativa)->click();
        Escribe(*w->txtraices2(0), "1");
        Escribe(*w->txtraices2(1), "2");
        Pulsa(*w->cmdBorrar());
        QVERIFY(w->txtraices2(0)->Text().isEmpty());
        QCOMPARE(w->txtraices2(1)->Text(), QStringLiteral("2"));
        QVERIFY(!w->Optposi1(Negativa)->isChecked());
        QCOMPARE(w->SignoElegido(), -1);
    }

    // The calculator's read-out may be dropped on the ends of this window
    // alone among the interval exercises.
    void soltarEnLosExtremos()
    {
        EntornoEjercicios::Polinomio({{1, 2}});
        frmposi *w = abre();
        QVERIFY(w->txtraices2(0)->Caja()->acceptDrops());
        emit w->txtraices2(1)->DragDrop(nullptr, QStringLiteral("2.5"), 0, 0);
        QCOMPARE(w->txtraices2(1)->Text(), QStringLiteral("2.5"));
    }

    void caminoDeLaGrafica()
    {
        EntornoEjercicios::Polinomio({{1, 2}, {-1, 0}});
        frmposi *w = abre(Camino::GraficaPoli);
        QCOMPARE(QString::fromStdString(w->RtfDasPoli2()->Text()), QStringLiteral("¿...?"));
        QVERIFY(e->grafica.recorre);
        QVERIFY(!w->herramientas()->cmdGraficaPtos()->isVisibleTo(w));
        Pulsa(*w->cmdCancelar());
        Asienta();
        QCOMPARE(e->abridor.desmarcadas, QList<int>{1});
        QVERIFY(!e->grafica.recorre);
        QCOMPARE(NivelPila, e->nivelOpener);
    }
};

QTEST_MAIN(tst_Signo)
#include "tst_Signo.moc"
