// The point-list exercises opened from the real hub in a real session:
// the roots of P with their count, the critical points and then their
// classification, and the inflection points; each finish greys its option
// on the hub and leaves the stack as the hub had it.
#include "../shell/tst_HubSesion.h"
#include "EntornoEjercicios.h"
#include "PuntosPrueba.h"

#include "frmClaPtoCri.h"
#include "frmPuntosCriticos.h"
#include "frmPuntosInfle.h"
#include "frmraices.h"

#include "TextoNumero.h"
#include "modTexto.h"

#include <QLabel>
#include <QRadioButton>

class tst_PuntosDesdeHub : public QObject {
    Q_OBJECT

private:
    static constexpr std::int32_t Verde = 0x008000;

    static QString Exito(int n) { return QString::fromStdString(Exitos.Texto(0, n)); }
    template <class T> static T *abre(SesionPrueba &s, int k)
    {
        s.Hub()->OptCalcConcepto(k)->click();
        return SesionPrueba::Ventana<T>();
    }

private slots:
    void raicesConSuCuenta()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x+2")); // roots -2, 1, 1
        const int nivel = NivelPila;
        auto *w = abre<frmraices>(s, 0);
        QVERIFY(w);
        QCOMPARE(w->lblraicesm()->text(),
                 QStringLiteral("Escriba el máximo número posible de raíces reales de esta función:"));
        for (const char *cuenta : {"4", "2", "1", "3"})
            Da(*w, QString::fromLatin1(cuenta));
        QCOMPARE(s.mensajes,
                 (QStringList{SesionPrueba::Error(7), SesionPrueba::Error(8), SesionPrueba::Error(10), Exito(0)}));
        // The second phase has a context of its own.
        QCOMPARE(NivelPila, nivel + 2);
        QCOMPARE(NumAyuda, std::int16_t(6));
        QCOMPARE(NumApoyo, std::int16_t(7));
        QCOMPARE(s.principal->windowTitle(),
                 QStringLiteral("Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                                "Calculando las Raíces Reales"));
        QVERIFY(w->lblraicesm()->text().startsWith(
            QStringLiteral("Recuerde que esta función tiene a lo más 3 raíces reales.\n\n")));
        QVERIFY(w->CmdOk()->isVisible());

        PictureEjes &graf = s.Grafica()->picejGraf();
        s.mensajes.clear();
        Da(*w, QStringLiteral("1"));
        QVERIFY(HayMarca(graf, 1, 0, Verde));
        Da(*w, QStringLiteral("-2"));
        SesionPrueba::Pulsa(w->CmdOk());
        SesionPrueba::Suelta();
        // The double root was given once.
        QCOMPARE(s.mensajes, (QStringList{Exito(2), Exito(2), Exito(52)}));
        QVERIFY(!SesionPrueba::Ventana<frmraices>());
        QVERIFY(ConceptoResuelto[0]);
        QCOMPARE(ConceptoActual, std::int16_t(1));
        QCOMPARE(NivelPila, nivel);
        QVERIFY(!s.Hub()->OptCalcConcepto(0)->isEnabled());
        QVERIFY(HayMarca(graf, -2, 0, Verde));
        QVERIFY(HayMarca(graf, 1, 0, Verde));
    }

    void raizDobleDadaDosVeces()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x+2"));
        auto *w = abre<frmraices>(s, 0);
        for (const char *valor : {"3", "1", "1", "-2"})
            Da(*w, QString::fromLatin1(valor));
        SesionPrueba::Pulsa(w->CmdOk());
        SesionPrueba::Suelta();
        QCOMPARE(s.mensajes, (QStringList{Exito(0), Exito(2), Exito(2), Exito(12), Exito(1)}));
    }

    void otroPolinomioDesdeLaSegundaFase()
    {
        SesionPrueba s;
        const int antes = NivelPila - 1; // below the hub's own context
        s.DaPolinomio(QStringLiteral("x^2-1"));
        auto *w = abre<frmraices>(s, 0);
        Da(*w, QStringLiteral("2"));
        w->mnuReProPoli()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmraices>());
        // Both of the window's contexts and the old hub's are gone.
        QCOMPARE(NivelPila, antes + 1);
        QVERIFY(!PoliActual);
    }

    void criticosYSuClasificacion()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        const int nivel = NivelPila;
        PictureEjes &graf = s.Grafica()->picejGraf();

        // Before the critical points are found there is nothing to classify.
        auto *c = abre<frmClaPtoCri>(s, 7);
        QCOMPARE(c->lblraicesm()->text(), QString::fromStdString(TextoInstrucciones(20, "primero")));
        QVERIFY(!c->OptParidad(1)->isEnabled());
        QVERIFY(!c->cmdListo()->Enabled());
        SesionPrueba::Pulsa(c->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!ConceptoResuelto[7]);
        QVERIFY(!SesionPrueba::Ventana<frmClaPtoCri>());
        QVERIFY(s.Hub()->OptCalcConcepto(7)->isEnabled());

        auto *w = abre<frmPuntosCriticos>(s, 5);
        QVERIFY(w);
        Da(*w, QStringLiteral("1"));
        QVERIFY(HayMarca(graf, 1, -2, 1));
        QVERIFY(QString::fromStdString(w->rtbraices()->Text()).contains(QStringLiteral("= 1")));
        Da(*w, QStringLiteral("1"));
        // The value accepted last is named and left in the box.
        QCOMPARE(w->txtRespuesta()->Text(), QStringLiteral("1"));
        Da(*w, QStringLiteral("-1.005"));
        Da(*w, QStringLiteral("0.5"));
        SesionPrueba::Pulsa(w->CmdOk());
        SesionPrueba::Suelta();
        QCOMPARE(s.mensajes, (QStringList{Exito(9), SesionPrueba::Error(57) + QStringLiteral("1"), Exito(34),
                                          SesionPrueba::Error(44), Exito(10)}));
        QVERIFY(!s.Hub()->OptCalcConcepto(5)->isEnabled());
        QCOMPARE(ConceptoActual, std::int16_t(6));
        QCOMPARE(NivelPila, nivel);

        s.mensajes.clear();
        c = abre<frmClaPtoCri>(s, 7);
        QVERIFY(c->lblraicesm()->text().contains(QStringLiteral("** X = -1 **")));
        // A wrong class is cleared, and kept: Listo again says the same.
        c->OptParidad(2)->click();
        SesionPrueba::Pulsa(c->cmdListo());
        QVERIFY(!c->OptParidad(2)->isChecked());
        SesionPrueba::Pulsa(c->cmdListo());
        c->OptParidad(1)->click();
        SesionPrueba::Pulsa(c->cmdListo());
        QVERIFY(c->lblraicesm()->text().contains(QStringLiteral("** X = 1 **")));
        c->OptParidad(2)->click();
        SesionPrueba::Pulsa(c->cmdListo());
        SesionPrueba::Suelta();
        QCOMPARE(s.mensajes,
                 (QStringList{SesionPrueba::Error(41), SesionPrueba::Error(41), Exito(19), Exito(17)}));
        QVERIFY(!SesionPrueba::Ventana<frmClaPtoCri>());
        QVERIFY(ConceptoResuelto[7]);
        QVERIFY(!s.Hub()->OptCalcConcepto(7)->isEnabled());
        QCOMPARE(ConceptoActual, std::int16_t(8));
        QCOMPARE(NivelPila, nivel);
    }

    void inflexion()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        const int nivel = NivelPila;
        auto *w = abre<frmPuntosInfle>(s, 9);
        QVERIFY(w);
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("PUNTOS  DE  INFLEXIÓN"));
        QCOMPARE(w->lblraices2()->text(), QStringLiteral("Escribe  un punto de inflexión:"));
        Da(*w, QStringLiteral("0.004"));
        Da(*w, QStringLiteral("0.004"));
        SesionPrueba::Pulsa(w->CmdOk());
        SesionPrueba::Suelta();
        QCOMPARE(s.mensajes, (QStringList{Exito(27), SesionPrueba::Error(49), Exito(26)}));
        QVERIFY(ConceptoResuelto[9]);
        QCOMPARE(ConceptoActual, std::int16_t(10));
        QVERIFY(!s.Hub()->OptCalcConcepto(9)->isEnabled());
        QCOMPARE(NivelPila, nivel);
    }
};

QTEST_MAIN(tst_PuntosDesdeHub)
#include "tst_PuntosDesdeHub.moc"
