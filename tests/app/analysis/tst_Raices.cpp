// The real roots exercise, worked as a student: the count of roots and
// then each root, the random wrong-answer rows, roots closer together than
// the tolerance, the contexts each phase leaves behind, and the road from
// the graph of P.
#include "EntornoEjercicios.h"
#include "PuntosPrueba.h"

#include "PanelHerramientas.h"
#include "frmraices.h"

#include "QBColor.h"

#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

class tst_Raices : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;
    static constexpr std::int32_t Verde = 0x008000;
    static constexpr std::int32_t Rojo = 0x0000FF;

    frmraices *abre(Camino camino = Camino::Analitico) { return e->Abre<frmraices>(0, camino); }
    // Opened on the analytic road and past the count (the degree).
    frmraices *abreConCuenta(const QString &cuenta)
    {
        frmraices *w = abre();
        Da(*w, cuenta);
        e->mensajes.clear();
        return w;
    }

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup()
    {
        rt::OlvidaAzarProgramado();
        e.reset();
    }

    void sinRaicesReales()
    {
        // x^2 + 1: the count may be 2 or 0, and no root is there to give.
        EntornoEjercicios::Polinomio({{1, 2}, {1, 0}});
        frmraices *w = abre();
        QVERIFY(w->PideCuantas());
        QVERIFY(w->CmdOk()->isHidden());
        QVERIFY(!w->herramientas()->isVisible());
        QCOMPARE(w->txtRespuesta()->MaxLength(), std::int16_t(2));
        Da(*w, QStringLiteral("2"));
        QCOMPARE(e->mensajes, QStringList{Exito(0)});
        QVERIFY(!w->PideCuantas());
        Pulsa(*w->cmdcalcelar());
        Asienta();

        w = abre();
        Da(*w, QStringLiteral("0"));
        Da(*w, QStringLiteral("1.5"));
        QCOMPARE(w->txtRespuesta()->Text(), QStringLiteral("1.5"));
        PulsaTerminar(*w);
        QCOMPARE(e->mensajes, (QStringList{Exito(0), Exito(70), Error(29), Exito(1)}));
        QVERIFY(ConceptoResuelto[0]);
        QCOMPARE(NivelPila, e->nivelOpener);
    }

    void erroresAlAzarYMarcaRoja()
    {
        // x^2 - 3x + 2 = (x - 1)(x - 2)
        EntornoEjercicios::Polinomio({{1, 2}, {-3, 1}, {2, 0}});
        frmraices *w = abreConCuenta(QStringLiteral("2"));
        rt::ProgramaAzar({0.5f, 0.9f});
        Da(*w, QStringLiteral("1"));
        Da(*w, QStringLiteral("1"));
        QVERIFY(!HayMarca(e->grafica.graf, 1.5, -0.25, Rojo));
        Da(*w, QStringLiteral("1.5")); // far from 2: rows 0 to 2
        Da(*w, QStringLiteral("1.9")); // within 10 % of 2: rows 3 to 5
        QCOMPARE(e->mensajes, (QStringList{Exito(2), Error(60), Error(1), Error(5)}));
        QVERIFY(HayMarca(e->grafica.graf, 1.5, -0.25, Rojo));
        QVERIFY(HayMarca(e->grafica.graf, 1, 0, Verde));
        QVERIFY(w->txtRespuesta()->Text().isEmpty());
        // The list holds what was typed, numbered.
        QVERIFY(QString::fromStdString(w->rtbraices()->Text()).contains(QStringLiteral("= 1")));

        // A clean graph keeps the roots given.
        Pulsa(*w->herramientas()->cmdLimpiaGraf());
        QVERIFY(!HayMarca(e->grafica.graf, 1.5, -0.25, Rojo));
        QVERIFY(HayMarca(e->grafica.graf, 1, 0, Verde));
    }

    void toleranciaDeMedioPorCiento_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<bool>("aceptado");
        QTest::newRow("0.4 %") << QStringLiteral("1.004") << true;
        QTest::newRow("0.6 %") << QStringLiteral("1.006") << false;
        QTest::newRow("bajo") << QStringLiteral("0.996") << true;
    }
    void toleranciaDeMedioPorCiento()
    {
        QFETCH(QString, valor);
        QFETCH(bool, aceptado);
        EntornoEjercicios::Polinomio({{1, 2}, {-3, 1}, {2, 0}});
        frmraices *w = abreConCuenta(QStringLiteral("2"));
        Da(*w, valor);
        QCOMPARE(e->mensajes.first() == Exito(2), aceptado);
        QCOMPARE(int(w->puntosFaltantes().size()), aceptado ? 1 : 2);
    }

    void raicesMasCercanasQueLaTolerancia()
    {
        // (x - 1)(x - 1.003): typing 1 gives the root 1 alone.
        EntornoEjercicios::Polinomio({{1, 2}, {-2.003, 1}, {1.003, 0}});
        frmraices *w = abreConCuenta(QStringLiteral("2"));
        Da(*w, QStringLiteral("1"));
        PulsaTerminar(*w);
        QVERIFY(EntornoEjercicios::Abierta<frmraices>());
        Da(*w, QStringLiteral("1.003"));
        PulsaTerminar(*w);
        QCOMPARE(e->mensajes, (QStringList{Exito(2), Error(12), Exito(12), Exito(1)}));
        QVERIFY(ConceptoResuelto[0]);
    }

    void raizDobleDadaDosVeces()
    {
        // (x - 1)^2 (x + 2)
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}, {2, 0}});
        frmraices *w = abreConCuenta(QStringLiteral("3"));
        Da(*w, QStringLiteral("1"));
        Da(*w, QStringLiteral("-2"));
        Da(*w, QStringLiteral("1"));
        PulsaTerminar(*w);
        QCOMPARE(e->mensajes, (QStringList{Exito(2), Exito(2), Exito(12), Exito(1)}));
    }

    void cancelarSacaLosContextosDeCadaFase()
    {
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}, {2, 0}});
        frmraices *w = abre();
        QCOMPARE(NivelPila, e->nivelOpener + 1);
        Pulsa(*w->cmdcalcelar());
        Asienta();
        QCOMPARE(NivelPila, e->nivelOpener);

        w = abreConCuenta(QStringLiteral("3"));
        QCOMPARE(NivelPila, e->nivelOpener + 2);
        Da(*w, QStringLiteral("1"));
        QVERIFY(HayMarca(e->grafica.graf, 1, 0, Verde));
        w->mnuReConceptos()->trigger();
        Asienta();
        QVERIFY(!EntornoEjercicios::Abierta<frmraices>());
        QCOMPARE(NivelPila, e->nivelOpener);
        QVERIFY(!ConceptoResuelto[0]);
        // The analytic road leaves the hub's option alone and the graph clean.
        QVERIFY(e->abridor.desmarcadas.isEmpty());
        QVERIFY(!HayMarca(e->grafica.graf, 1, 0, Verde));
    }

    void cuentaNoValida()
    {
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}, {2, 0}});
        frmraices *w = abre();
        Escribe(*w->txtRespuesta(), QStringLiteral("-"));
        QTest::keyClick(w->txtRespuesta()->Caja(), Qt::Key_Return);
        Asienta();
        QCOMPARE(e->mensajes, QStringList{Error(154)});
        QVERIFY(w->PideCuantas());
    }

    void caminoDeLaGraficaDeP()
    {
        EntornoEjercicios::Polinomio({{1, 2}, {-3, 1}, {2, 0}});
        frmraices *w = abre(Camino::GraficaPoli);
        QCOMPARE(w->RtfDasPoli2()->Text(), std::string("¿...?"));
        QVERIFY(!w->PideCuantas());
        QVERIFY(!w->txtRespuesta()->SoloEntero());
        QVERIFY(w->CmdOk()->isVisible());
        QVERIFY(w->herramientas()->isVisible());
        QVERIFY(w->herramientas()->cmdGraficaPtos()->isHidden());
        QVERIFY(w->herramientas()->cmdLimpiaGraf()->isHidden());
        QVERIFY(e->grafica.recorre);
        QCOMPARE(VentanaPrincipalActual()->Titulo(),
                 std::string("Quorvane: A partir de la gráfica del polinomio y su tabulación, calcular las raíces."));
        QCOMPARE(NumAyuda, std::int16_t(6));
        QCOMPARE(NumApoyo, std::int16_t(59));

        Da(*w, QStringLiteral("2"));
        Da(*w, QStringLiteral("1"));
        PulsaTerminar(*w);
        QCOMPARE(e->mensajes, (QStringList{Exito(2), Exito(12), Exito(1)}));
        // The secret is out: P drawn in dark blue (somewhere on its
        // graph), every root marked.
        const int todo = std::max(e->grafica.graf.width(), e->grafica.graf.height());
        QVERIFY(HayMarca(e->grafica.graf, 0, 0, rt::QBColor(1), todo));
        QVERIFY(HayMarca(e->grafica.graf, 1, 0, Verde));
        QVERIFY(HayMarca(e->grafica.graf, 2, 0, Verde));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{0});
        QVERIFY(!e->grafica.recorre);
        QCOMPARE(ConceptoActual, std::int16_t(1));
        QCOMPARE(NivelPila, e->nivelOpener);
    }

    void cancelarEnElCaminoDeLaGrafica()
    {
        EntornoEjercicios::Polinomio({{1, 2}, {-3, 1}, {2, 0}});
        frmraices *w = abre(Camino::GraficaPoli);
        Pulsa(*w->cmdcalcelar());
        Asienta();
        QCOMPARE(e->abridor.desmarcadas, QList<int>{0});
        QVERIFY(!e->grafica.recorre);
        QCOMPARE(NivelPila, e->nivelOpener);
    }
};

QTEST_MAIN(tst_Raices)
#include "tst_Raices.moc"
