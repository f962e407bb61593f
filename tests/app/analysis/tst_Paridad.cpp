// The parity exercise, worked as a student: choosing, being told, the
// roots tab, and the road from the graph of P.
#include "EntornoEjercicios.h"

#include "PanelHerramientas.h"
#include "RichTextBox.h"
#include "frmParidad.h"

#include <QRadioButton>
#include <QTabWidget>

class tst_Paridad : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    frmParidad *abre(Camino camino = Camino::Analitico) { return e->Abre<frmParidad>(2, camino); }
    void elige(frmParidad &w, int opcion)
    {
        w.OptParidad(opcion)->click();
        Pulsa(*w.cmdListo());
        Asienta();
    }

private slots:
    void init()
    {
        e = std::make_unique<EntornoEjercicios>();
        // P = x^3 - 3x: odd
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}});
    }
    void cleanup() { e.reset(); }

    void imparTrasDosEquivocaciones()
    {
        frmParidad *w = abre();
        QVERIFY(w);
        QVERIFY(!w->cmdListo()->Enabled());
        elige(*w, 1);
        elige(*w, 2);
        QCOMPARE(e->mensajes, (QStringList{Error(18), Error(19)}));
        // A wrong choice is cleared and Listo waits for another one.
        QVERIFY(!w->OptParidad(2)->isChecked());
        QVERIFY(!w->cmdListo()->Enabled());
        QVERIFY(!ConceptoResuelto[2]);

        elige(*w, 0);
        QCOMPARE(e->mensajes.last(), Exito(4));
        QVERIFY(ConceptoResuelto[2]);
        QCOMPARE(ConceptoActual, 3);
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{2});
        QCOMPARE(NivelPila, e->nivelOpener);
        QVERIFY(!EntornoEjercicios::Abierta<frmParidad>());
    }

    void cadaParidad_data()
    {
        QTest::addColumn<QList<double>>("coeficientes"); // from x^0 up
        QTest::addColumn<int>("correcta");
        QTest::addColumn<int>("erronea");
        QTest::newRow("x^3 - x") << QList<double>{0, -1, 0, 1} << 0 << 1;
        QTest::newRow("x^4 + 3") << QList<double>{3, 0, 0, 0, 1} << 1 << 0;
        QTest::newRow("x^2 + x") << QList<double>{0, 1, 1} << 2 << 0;
        QTest::newRow("constante") << QList<double>{5} << 1 << 2;
    }
    void cadaParidad()
    {
        QFETCH(QList<double>, coeficientes);
        QFETCH(int, correcta);
        QFETCH(int, erronea);
        PoliPtr p = Collpolinomio::Nuevo();
        for (int i = 0; i < coeficientes.size(); ++i)
            p->Agrega(coeficientes[i], static_cast<std::int16_t>(i));
        PoliActual = CreaFuncPolin(p);
        frmParidad *w = abre();
        elige(*w, erronea);
        elige(*w, correcta);
        QCOMPARE(e->mensajes, (QStringList{Error(17 + erronea), Exito(4 + correcta)}));
    }

    void listoSinEleccionEsElError6()
    {
        frmParidad *w = abre();
        // Listo is off until an option is chosen; its handler still guards.
        w->cmdListo_Click(1);
        QCOMPARE(e->mensajes, QStringList{Error(6)});
        QVERIFY(EntornoEjercicios::Abierta<frmParidad>());
    }

    void raicesDadas()
    {
        frmParidad *w = abre();
        QTabWidget *tabs = w->herramientas()->stabRaices();
        QVERIFY(!tabs->isTabEnabled(frmParidad::PestanaRaices));
        QCOMPARE(w->rtbraices()->Text(), std::string("Para poderte mostrar las raíces reales de este polinomio, "
                                                     "es necesario que las calcules primero."));
        Pulsa(*w->cmdCancelar());
        Asienta();

        // (x - 1)^2 (x + 2): the double root is listed once.
        ConceptoResuelto[0] = true;
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}, {2, 0}});
        w = abre();
        tabs = w->herramientas()->stabRaices();
        QVERIFY(tabs->isTabEnabled(frmParidad::PestanaRaices));
        QCOMPARE(QString::fromStdString(w->rtbraices()->Text()).count(QStringLiteral("= ")), 2);
        Pulsa(*w->cmdCancelar());
        Asienta();

        EntornoEjercicios::Polinomio({{1, 2}, {1, 0}});
        w = abre();
        QCOMPARE(w->rtbraices()->Text(), std::string(" La función propuesta no tiene raíces reales"));
    }

    void caminoDeLaGraficaDeP()
    {
        frmParidad *w = abre(Camino::GraficaPoli);
        QCOMPARE(w->RtfDasPoli2()->Text(), std::string("¿...?"));
        QVERIFY(e->grafica.recorre);
        QVERIFY(!w->herramientas()->stabRaices()->isTabEnabled(frmParidad::PestanaRaices));
        QVERIFY(w->herramientas()->cmdGraficaPtos()->isHidden());
        QCOMPARE(VentanaPrincipalActual()->Titulo(),
                 std::string("Quorvane: De gráfica de polinomio a concepto: Paridad de la función."));
        QCOMPARE(NumApoyo, 61);

        // Cancel unchecks the chooser's option, so it can be chosen again.
        Pulsa(*w->cmdCancelar());
        Asienta();
        QCOMPARE(e->abridor.desmarcadas, QList<int>{2});
        QVERIFY(e->abridor.deshabilitadas.isEmpty());
        QVERIFY(!e->grafica.recorre);

        w = abre(Camino::GraficaPoli);
        elige(*w, 0);
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{2});
        QVERIFY(!e->grafica.recorre);
    }

    void caminoDeLaDerivadaNoTocaOpcionesQueNoExisten()
    {
        frmParidad *w = abre(Camino::GraficaDeri);
        elige(*w, 1);
        Pulsa(*w->cmdCancelar());
        Asienta();
        w = abre(Camino::GraficaDeri);
        elige(*w, 0);
        QCOMPARE(e->mensajes, (QStringList{Error(18), Exito(4)}));
        QVERIFY(e->abridor.desmarcadas.isEmpty());
        QVERIFY(e->abridor.deshabilitadas.isEmpty());
        QVERIFY(ConceptoResuelto[2]);
    }
};

QTEST_MAIN(tst_Paridad)
#include "tst_Paridad.moc"
