// The first and second derivative exercises, worked as a student: typing
// the derivative, reading every message, finishing and cancelling.
#include "EntornoEjercicios.h"

#include "ClsParserPoli.h"
#include "EntradaPolinomio.h"
#include "RichTextBox.h"
#include "frmDerivada2.h"
#include "frmderivada1.h"

#include <QGroupBox>

class tst_Derivadas : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

private slots:
    void init()
    {
        e = std::make_unique<EntornoEjercicios>();
        // P = x^3 - 3x, P' = 3x^2 - 3
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}});
    }
    void cleanup() { e.reset(); }

    void primeraCorrectaTerminaYApagaLaOpcion()
    {
        auto *w = e->Abre<frmderivada1>(4);
        QVERIFY(w);
        QCOMPARE(NivelPila, e->nivelOpener + 1);
        QCOMPARE(VentanaPrincipalActual()->Titulo(),
                 std::string("Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                             "Calculando la primer derivada"));
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("PRIMER DERIVADA"));
        QCOMPARE(w->fraTitulo()->title(), QStringLiteral("Función por analizar:"));
        QCOMPARE(QString::fromStdString(w->RtfDasPoli2()->Text()), QStringLiteral("x3-3x"));

        EscribePoli(*w->RtpPidePoliR(), "3x^2_-3");
        Pulsa(*w->cmdListo());
        Asienta();

        QCOMPARE(e->mensajes, QStringList{Exito(3)});
        QVERIFY(ConceptoResuelto[4]);
        QCOMPARE(ConceptoActual, 5);
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{4});
        QVERIFY(!PoliRespuesta1);
        QCOMPARE(NivelPila, e->nivelOpener);
        QVERIFY(!EntornoEjercicios::Abierta<frmderivada1>());
    }

    void primeraRespuestasErroneas_data()
    {
        QTest::addColumn<QString>("guion");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("falta el término constante") << "3x^2" << Error(16, "0");
        QTest::newRow("grado mayor") << "x^3" << Error(13);
        QTest::newRow("grado mayor aunque lo demás esté bien") << "x^3_+3x^2_-3" << Error(13);
        QTest::newRow("grado menor") << "3x" << Error(14);
        QTest::newRow("dos coeficientes") << "2x^2_-2" << Error(15, "2");
        QTest::newRow("uno fuera de tolerancia") << "3.004x^2_-3" << Error(16, "2");
        // Against a zero coefficient the error is absolute.
        QTest::newRow("término que no va") << "3x^2_+0.002x-3" << Error(16, "1");
    }
    void primeraRespuestasErroneas()
    {
        QFETCH(QString, guion);
        QFETCH(QString, mensaje);
        auto *w = e->Abre<frmderivada1>(4);
        EscribePoli(*w->RtpPidePoliR(), guion);
        QTest::keyClick(w->RtpPidePoliR()->Caja(), Qt::Key_Return);
        Asienta();
        QCOMPARE(e->mensajes, QStringList{mensaje});
        QVERIFY(EntornoEjercicios::Abierta<frmderivada1>());
        QVERIFY(!ConceptoResuelto[4]);
        QVERIFY(!w->RtpPidePoliR()->Locked());
        QVERIFY(w->cmdotro()->Enabled());

        // "Borrar" empties the box and waits for the next wrong answer.
        Pulsa(*w->cmdotro());
        QVERIFY(w->RtpPidePoliR()->Text().isEmpty());
        QVERIFY(!w->cmdotro()->Enabled());
    }

    void primeraDentroDeLaTolerancia()
    {
        auto *w = e->Abre<frmderivada1>(4);
        EscribePoli(*w->RtpPidePoliR(), "3.002x^2_-3.0005");
        Pulsa(*w->cmdListo());
        QCOMPARE(e->mensajes, QStringList{Exito(3)});
    }

    void cajaVaciaSegunElSorteo_data()
    {
        QTest::addColumn<float>("sorteo");
        QTest::addColumn<int>("fila");
        QTest::newRow("par") << 0.0f << 125;
        QTest::newRow("impar") << 0.05f << 224;
    }
    void cajaVaciaSegunElSorteo()
    {
        QFETCH(float, sorteo);
        QFETCH(int, fila);
        auto *w = e->Abre<frmderivada1>(4);
        rt::ProgramaAzar({sorteo});
        Pulsa(*w->cmdListo());
        QCOMPARE(e->mensajes, QStringList{Error(fila)});
        QVERIFY(EntornoEjercicios::Abierta<frmderivada1>());
    }

    void textoQueNoEsPolinomio()
    {
        auto *w = e->Abre<frmderivada1>(4);
        EscribePoli(*w->RtpPidePoliR(), "3x^2_-");
        Pulsa(*w->cmdListo());
        // The parser's own code for the text the box handed over.
        PoliPtr p;
        int posicion = 0;
        const int codigo = ParserPoli().Polinomio(w->RtpPidePoliR()->CadPol().toStdString(), p, posicion);
        QVERIFY(codigo != 0);
        QCOMPARE(e->mensajes, QStringList{Error(FilaErrorParser(codigo))});
        QVERIFY(FilaErrorParser(codigo) > 180);
        QVERIFY(!w->RtpPidePoliR()->Locked());
        QVERIFY(EntornoEjercicios::Abierta<frmderivada1>());
    }

    void cancelarDejaLaOpcionDelHub()
    {
        auto *w = e->Abre<frmderivada1>(4);
        Pulsa(*w->cmdCancelar());
        Asienta();
        QVERIFY(!EntornoEjercicios::Abierta<frmderivada1>());
        QVERIFY(e->abridor.deshabilitadas.isEmpty());
        QVERIFY(e->abridor.desmarcadas.isEmpty());
        QVERIFY(!ConceptoResuelto[4]);
        QCOMPARE(ConceptoActual, 0);
        QCOMPARE(NivelPila, e->nivelOpener);
        QCOMPARE(VentanaPrincipalActual()->Titulo(), std::string("Quorvane: hub"));
    }

    void segundaRespuestas_data()
    {
        // P = x^4 + x^3, P'' = 12x^2 + 6x
        QTest::addColumn<QString>("guion");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("correcta") << "12x^2_+6x" << Exito(11);
        QTest::newRow("un coeficiente apenas fuera") << "12.0001x^2_+6x" << Error(24, "2");
        QTest::newRow("dos coeficientes") << "11x^2_+5x" << Error(23, "2");
        QTest::newRow("sólo el término lineal") << "12x^2_+6.1x" << Error(24, "1");
        QTest::newRow("grado mayor") << "x^3_+12x^2" << Error(26);
        QTest::newRow("grado menor") << "12x" << Error(27);
    }
    void segundaRespuestas()
    {
        QFETCH(QString, guion);
        QFETCH(QString, mensaje);
        EntornoEjercicios::Polinomio({{1, 4}, {1, 3}});
        auto *w = e->Abre<frmDerivada2>(8);
        QVERIFY(w);
        EscribePoli(*w->RtpPidePoliR(), guion);
        Pulsa(*w->CmdContinuar());
        Asienta();
        QCOMPARE(e->mensajes, QStringList{mensaje});
        const bool correcta = mensaje == Exito(11);
        QCOMPARE(EntornoEjercicios::Abierta<frmDerivada2>(), !correcta);
        QCOMPARE(ConceptoResuelto[8], correcta);
        QCOMPARE(ConceptoActual, correcta ? 9 : 0);
        QCOMPARE(e->abridor.deshabilitadas, correcta ? QList<int>{8} : QList<int>{});
        // The parsed answer stays until the next check.
        QVERIFY(PoliRespuesta2);
        if (!correcta) {
            QVERIFY(!w->RtpPidePoliR()->Locked());
            // "Borrar" stays available.
            Pulsa(*w->cmdotro());
            QVERIFY(w->RtpPidePoliR()->Text().isEmpty());
            QVERIFY(w->cmdotro()->Enabled());
        }
    }

    void segundaMuestraLaPrimeraSoloSiYaSeResolvio()
    {
        auto *w = e->Abre<frmDerivada2>(8);
        QVERIFY(!w->CmdDespliega()->Enabled());
        QCOMPARE(w->CmdDespliega()->Caption(), QStringLiteral(" Derivada"));
        Pulsa(*w->cmdCancelar());
        Asienta();

        ConceptoResuelto[4] = true;
        w = e->Abre<frmDerivada2>(8);
        QVERIFY(w->CmdDespliega()->Enabled());
        QVERIFY(w->RtfDeri2()->isHidden());
        Pulsa(*w->CmdDespliega());
        QVERIFY(!w->RtfDeri2()->isHidden());
        QCOMPARE(QString::fromStdString(w->RtfDeri2()->Text()), QStringLiteral("3x2-3"));
        QVERIFY(!w->CmdDespliega()->Enabled());
        QCOMPARE(VentanaPrincipalActual()->Titulo(),
                 std::string("Quorvane: Del concepto a su visualización gráfica: Calculando la segunda derivada."));
    }
};

QTEST_MAIN(tst_Derivadas)
#include "tst_Derivadas.moc"
