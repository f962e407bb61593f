// The exercises opened from the real hub in a real session: the hub's
// concept option greys when its concept is finished, and the ways out to
// another polynomial and to the start leave the hub and the stack sound.
#include "../shell/tst_HubSesion.h"

#include "frmConcavidad.h"
#include "frmMaxMinAbs.h"
#include "frmMonotonia.h"
#include "frmParidad.h"
#include "frmRango.h"
#include "frmderivada1.h"
#include "frmextension.h"
#include "frmposi.h"

#include "PictureEjes.h"
#include "UCDextavo.h"

#include <QFrame>
#include <QLineEdit>
#include <QLabel>
#include <QRadioButton>

#include <tuple>

class tst_EjerciciosDesdeHub : public QObject {
    Q_OBJECT

private slots:
    void primeraDerivadaApagaLaOpcionDelHub()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        frmPolical *hub = s.Hub();
        const int nivel = NivelPila;
        hub->OptCalcConcepto(4)->click();
        auto *w = SesionPrueba::Ventana<frmderivada1>();
        QVERIFY(w);
        QCOMPARE(NivelPila, nivel + 1);

        SesionPrueba::Escribe(*w->RtpPidePoliR(), QStringLiteral("3x^2"));
        SesionPrueba::Pulsa(w->cmdListo());
        QCOMPARE(s.mensajes, QStringList{SesionPrueba::Error(16) + "0"});
        QVERIFY(hub->OptCalcConcepto(4)->isEnabled());

        SesionPrueba::Pulsa(w->cmdotro());
        SesionPrueba::Escribe(*w->RtpPidePoliR(), QStringLiteral("3x^2-3"));
        SesionPrueba::Pulsa(w->cmdListo());
        SesionPrueba::Suelta();
        QCOMPARE(s.mensajes.last(), QString::fromStdString(Exitos.Texto(0, 3)));
        QVERIFY(!SesionPrueba::Ventana<frmderivada1>());
        QVERIFY(!hub->OptCalcConcepto(4)->isEnabled());
        QVERIFY(ConceptoResuelto[4]);
        QCOMPARE(ConceptoActual, std::int16_t(5));
        QCOMPARE(NivelPila, nivel);
    }

    void extensionDibujaSusLeyendasEnLaGrafica()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("-2x^3+x"));
        s.Hub()->OptCalcConcepto(3)->click();
        auto *w = SesionPrueba::Ventana<frmextension>();
        QVERIFY(w);
        PictureEjes &graf = s.Grafica()->picejGraf();
        const QImage antes = graf.Imagen().copy();
        QTest::keyClicks(w->txtLimite(0)->Caja(), QStringLiteral("+i"));
        SesionPrueba::Pulsa(w->CmdExtensaListo());
        QCOMPARE(s.mensajes, QStringList{QString::fromStdString(Exitos.Texto(0, 7))});
        QVERIFY(graf.Imagen() != antes);
    }

    // Each concept option opens its own exercise, which lays its bands or
    // segment on the graph window of the session.
    void opcionesDeIntervalos()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        const auto abre = [&s](int k) {
            s.Hub()->OptCalcConcepto(k)->click();
            SesionPrueba::Suelta();
        };
        abre(1);
        QVERIFY(SesionPrueba::Ventana<frmposi>());
        SesionPrueba::Ventana<frmposi>()->Cancela();
        abre(10);
        QVERIFY(SesionPrueba::Ventana<frmConcavidad>());
        SesionPrueba::Ventana<frmConcavidad>()->Cancela();
        abre(11);
        QVERIFY(SesionPrueba::Ventana<frmRango>());
        SesionPrueba::Ventana<frmRango>()->Cancela();
        abre(12);
        QVERIFY(SesionPrueba::Ventana<frmMaxMinAbs>());
        SesionPrueba::Ventana<frmMaxMinAbs>()->Cancela();
        SesionPrueba::Suelta();
        QVERIFY(s.Hub()->OptCalcConcepto(12)->isEnabled());

        abre(6);
        auto *w = SesionPrueba::Ventana<frmMonotonia>();
        QVERIFY(w);
        const QImage antes = s.Grafica()->Picejegraf2().Imagen().copy();
        for (const auto &[izq, der, cualidad] : {std::tuple{"-1", "1", 1}, {"-i", "-1", 0}, {"1", "i", 0}}) {
            w->txtraices2(0)->Text(QString());
            QTest::keyClicks(w->txtraices2(0)->Caja(), QString::fromLatin1(izq));
            w->txtraices2(1)->Text(QString());
            QTest::keyClicks(w->txtraices2(1)->Caja(), QString::fromLatin1(der));
            w->OptParidad(cualidad)->click();
            SesionPrueba::Pulsa(w->cmdListo());
        }
        QVERIFY(s.Grafica()->Picejegraf2().Imagen() != antes);
        SesionPrueba::Pulsa(w->CmdOk());
        SesionPrueba::Suelta();
        QCOMPARE(s.mensajes.last(), QString::fromStdString(Exitos.Texto(0, 23)));
        QVERIFY(!SesionPrueba::Ventana<frmMonotonia>());
        QVERIFY(!s.Hub()->OptCalcConcepto(6)->isEnabled());
        QCOMPARE(ConceptoActual, std::int16_t(7));
    }

    void laDerivadaApagaLaLecturaDelCursor()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-x"));
        frmGrafica2 *g = s.Grafica();
        g->RecorreGraf(true);
        s.Hub()->OptCalcConcepto(4)->click();
        QVERIFY(SesionPrueba::Ventana<frmderivada1>());
        QVERIFY(!g->RecorreGraf());
    }

    void otroPolinomioYAlInicio()
    {
        SesionPrueba s;
        const int antes = NivelPila - 1; // below the hub's own context
        s.DaPolinomio(QStringLiteral("x^3-x"));
        s.Hub()->OptCalcConcepto(2)->click();
        auto *w = SesionPrueba::Ventana<frmParidad>();
        QVERIFY(w);
        w->mnuReProPoli()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmParidad>());
        QVERIFY(s.Hub());
        QVERIFY(!PoliActual);
        QVERIFY(!PoliDado);
        QVERIFY(s.Hub()->lblProductName()->isVisible());
        QVERIFY(s.Grafica()->fraAnuncio()->isVisible());
        // The exercise's context and the old hub's are gone; the new hub has its own.
        QCOMPARE(NivelPila, antes + 1);

        s.DaPolinomio(QStringLiteral("x^2"));
        s.Hub()->OptCalcConcepto(2)->click();
        w = SesionPrueba::Ventana<frmParidad>();
        QVERIFY(w);
        w->mnuReinicio()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmParidad>());
        QVERIFY(!s.Hub());
        QVERIFY(!s.Grafica());
        QVERIFY(!PoliActual);
        QCOMPARE(NivelPila, 1);
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
        QVERIFY(s.principal->mnupoliAccion()->isEnabled());
    }
};

QTEST_MAIN(tst_EjerciciosDesdeHub)
#include "tst_EjerciciosDesdeHub.moc"
