// Every exercise on every graph road that offers it, opened from the road's
// own chooser: its caption, instruction, help and support numbers and the
// cursor read-out as the student finds them, and its option unchecked
// again on "Cancelar"; and each one finished on P = x^3 - 3x with the
// road's own success message, greying its option in the right chooser.
#include "EscenaGraficas.h"

#include "../analysis/PuntosPrueba.h"

#include "VentanaEjercicio.h"
#include "frmGrafiConcepto.h"
#include "frmGrafiDeri.h"
#include "frmClaPtoCri.h"
#include "frmMaxMinAbs.h"
#include "frmMonotonia.h"
#include "frmPuntosInfle.h"
#include "frmextension.h"
#include "frmParidad.h"
#include "frmPuntosCriticos.h"

#include "ColorOle.h"

#include <QLabel>
#include <QRadioButton>

namespace {

// Draws of a road's problem for x^3 - 3x.
void ProgramaCubica()
{
    rt::ProgramaAzar({0.25f, 0.0f, 0.0f, 0.0f, 0.0f, 0.3f});
}

VentanaCamino *AbreCamino(SesionPrueba &s, bool desdeP)
{
    ProgramaCubica();
    if (desdeP) {
        s.Hub()->mnuDoyGrafiPoli()->trigger();
        return SesionPrueba::Ventana<frmGrafiConcepto>();
    }
    s.Hub()->mnuGrafiDeri()->trigger();
    auto *w = SesionPrueba::Ventana<frmGrafiDeri>();
    if (w)
        w->mnuMaquinaPropone()->trigger();
    return w;
}

VentanaEjercicio *EjercicioEnPantalla()
{
    for (VentanaBase *v : GestorVentanas::instancia().cargadas())
        if (auto *e = qobject_cast<VentanaEjercicio *>(v))
            return e;
    return nullptr;
}

// Types both ends of an interval, picks its quality and checks it.
void DaIntervalo(VentanaIntervalos &w, const QString &izq, const QString &der, int cualidad)
{
    Teclea(*w.txtraices2(0), izq);
    Teclea(*w.txtraices2(1), der);
    if (cualidad >= 0)
        w.OptCualidad(cualidad)->click();
    SesionPrueba::Pulsa(w.cmdListo());
    SesionPrueba::Suelta();
}

// The exercise of option k, opened from the road's chooser.
template <class T> T *AbreOpcion(VentanaCamino *camino, int k)
{
    camino->OptGraCon(k)->click();
    return SesionPrueba::Ventana<T>();
}

bool Gris(const QRadioButton *o)
{
    return !o->isEnabled() && o->palette().color(o->backgroundRole()) == ColorDeOle(rt::QBColor(7));
}

} // namespace

class tst_TablaCaminos : public QObject {
    Q_OBJECT

private slots:
    void ejercicioEnSuCamino_data()
    {
        QTest::addColumn<bool>("desdeP");
        QTest::addColumn<int>("opcion");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<int>("instruccion");
        QTest::addColumn<QString>("palabra"); // what the instruction receives
        QTest::addColumn<int>("ayuda");
        QTest::addColumn<int>("apoyo");
        QTest::addColumn<bool>("recorre");

        const auto fila = [](const char *nombre, bool p, int k, const char *titulo, int n, int ayuda, int apoyo,
                             bool recorre, const char *palabra = "") {
            QTest::newRow(nombre) << p << k << QString::fromUtf8(titulo) << n << QString::fromUtf8(palabra) << ayuda
                                  << apoyo << recorre;
        };
        fila("P raices", true, 0, "Quorvane: A partir de la gráfica del polinomio y su tabulación, calcular las raíces.",
             3, 6, 59, true);
        fila("P signo", true, 1,
             "Quorvane: De la gráfica del polinomio deducir el concepto: Calculando el Signo de la Función", 5, 8, 60,
             true);
        fila("P paridad", true, 2, "Quorvane: De gráfica de polinomio a concepto: Paridad de la función.", 8, 11, 61,
             true);
        fila("P extension", true, 3, "Quorvane: De gráfica de polinomio a concepto: Calculando la Extensión", 11, 9, 62,
             true);
        fila("P criticos", true, 4, "Quorvane: De gráfica de polinomio a concepto: Calculando Puntos Críticos", 15, 14,
             63, true);
        fila("P monotonia", true, 5, "Quorvane: De gráfica de polinomio a concepto: Calculando  Monotonía", 18, 15, 64,
             true);
        fila("P clasificacion", true, 6,
             "Quorvane: De la gráfica al concepto de la función: Clasificando los Puntos Críticos", 21, 22, 65, true,
             "primero");
        fila("P inflexion", true, 7, "Quorvane: De gráfica de polinomio a concepto: Calculando los Puntos de Inflexión",
             33, 19, 66, true);
        fila("P concavidad", true, 8, "Quorvane: De gráfica de polinomio a concepto: Calculando Concavidad", 25, 20, 67,
             true);
        fila("P extremos", true, 9, "Quorvane: De gráfica de polinomio a concepto: Calculando  los Extremos absolutos",
             30, 18, 68, true);
        fila("P rango", true, 10, "Quorvane: De gráfica de polinomio a concepto: Calculando el Rango", 27, 17, 69, true);
        fila("P' extension", false, 1,
             "Quorvane: De gráfica de derivada a concepto: Calculando la Extensión de la Función", 12, 9, 74, true);
        fila("P' criticos", false, 2,
             "Quorvane: De gráfica de derivada a concepto del polinomio: Cálculo de Puntos Críticos", 16, 14, 75, false);
        fila("P' monotonia", false, 3,
             "Quorvane: De la gráfica de derivada a concepto de polinomio: Calculando Monotonía", 19, 15, 76, false);
        fila("P' clasificacion", false, 4,
             "Quorvane: De gráfica de derivada a concepto: Encontrando la Clasificación de los Puntos Críticos", 22, 22,
             77, false, "primero");
        fila("P' extremos", false, 5,
             "Quorvane: De la gráfica de derivada a concepto de polinomio: Calculando Extremos absolutos", 31, 18, 19,
             false);
    }
    void ejercicioEnSuCamino()
    {
        QFETCH(bool, desdeP);
        QFETCH(int, opcion);
        QFETCH(QString, titulo);
        QFETCH(int, instruccion);
        QFETCH(QString, palabra);
        QFETCH(int, ayuda);
        QFETCH(int, apoyo);
        QFETCH(bool, recorre);

        SesionPrueba s;
        VentanaCamino *camino = AbreCamino(s, desdeP);
        QVERIFY(camino);
        const int nivel = NivelPila;
        camino->OptGraCon(opcion)->click();
        VentanaEjercicio *e = EjercicioEnPantalla();
        QVERIFY(e);
        QCOMPARE(QString::fromStdString(e->RtfDasPoli2()->Text()).trimmed(), QStringLiteral("¿...?"));
        QCOMPARE(s.principal->windowTitle(), titulo);
        QCOMPARE(e->lblraicesm()->text(),
                 QString::fromStdString(TextoInstrucciones(static_cast<std::int16_t>(instruccion),
                                                           palabra.toStdString())));
        QCOMPARE(NumAyuda, std::int16_t(ayuda));
        QCOMPARE(NumApoyo, std::int16_t(apoyo));
        QCOMPARE(s.Grafica()->RecorreGraf(), recorre);
        QVERIFY(camino->OptGraCon(opcion)->isChecked());

        e->mnuReConceptos()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!EjercicioEnPantalla());
        QVERIFY(!camino->OptGraCon(opcion)->isChecked());
        QVERIFY(camino->OptGraCon(opcion)->isEnabled());
        QCOMPARE(NivelPila, nivel);
    }

    // Finishes with the road's own success message and its option greyed.
    void paridadEnElCaminoDeP()
    {
        SesionPrueba s;
        VentanaCamino *camino = AbreCamino(s, true);
        auto *w = AbreOpcion<frmParidad>(camino, 2);
        QVERIFY(w);
        w->OptParidad(0)->click(); // odd
        SesionPrueba::Pulsa(w->cmdListo());
        SesionPrueba::Suelta();
        QCOMPARE(s.mensajes, QStringList{Exito(4)});
        QVERIFY(Gris(camino->OptGraCon(2)));
    }

    void puntosCriticosEnAmbosCaminos()
    {
        for (bool desdeP : {true, false}) {
            SesionPrueba s;
            VentanaCamino *camino = AbreCamino(s, desdeP);
            const int k = desdeP ? 4 : 2;
            auto *w = AbreOpcion<frmPuntosCriticos>(camino, k);
            QVERIFY(w);
            Da(*w, QStringLiteral("1"));
            Da(*w, QStringLiteral("-1"));
            PulsaTerminar(*w);
            QCOMPARE(s.mensajes, (QStringList{Exito(9), Exito(34), Exito(10)}));
            QVERIFY(Gris(camino->OptGraCon(k)));
            QVERIFY(ConceptoResuelto[5]);
        }
    }

    void extensionEnAmbosCaminos()
    {
        for (bool desdeP : {true, false}) {
            SesionPrueba s;
            VentanaCamino *camino = AbreCamino(s, desdeP);
            const int k = desdeP ? 3 : 1;
            auto *w = AbreOpcion<frmextension>(camino, k);
            QVERIFY(w);
            Teclea(*w->txtLimite(0), QStringLiteral("-i"));
            Teclea(*w->txtLimite(1), QStringLiteral("i"));
            SesionPrueba::Pulsa(w->CmdExtensaListo());
            SesionPrueba::Suelta();
            QCOMPARE(s.mensajes, QStringList{Exito(8)});
            QVERIFY(Gris(camino->OptGraCon(k)));
        }
    }

    void monotoniaEnAmbosCaminos()
    {
        enum { Creciente = 0, Decreciente = 1 };
        for (bool desdeP : {true, false}) {
            SesionPrueba s;
            VentanaCamino *camino = AbreCamino(s, desdeP);
            const int k = desdeP ? 5 : 3;
            auto *w = AbreOpcion<frmMonotonia>(camino, k);
            QVERIFY(w);
            DaIntervalo(*w, QStringLiteral("-i"), QStringLiteral("-1"), Creciente);
            DaIntervalo(*w, QStringLiteral("-1"), QStringLiteral("1"), Decreciente);
            DaIntervalo(*w, QStringLiteral("1"), QStringLiteral("i"), Creciente);
            SesionPrueba::Pulsa(w->CmdOk());
            SesionPrueba::Suelta();
            QCOMPARE(s.mensajes, (QStringList{Exito(14), Exito(14), Exito(29), Exito(desdeP ? 23 : 63)}));
            QVERIFY(Gris(camino->OptGraCon(k)));
        }
    }

    // The interval exercises offered only on the road from P, finished
    // interval by interval ("izq|der|quality", -1 without one).
    void intervalosEnElCaminoDeP_data()
    {
        QTest::addColumn<int>("opcion");
        QTest::addColumn<QStringList>("intervalos");
        QTest::addColumn<QList<int>>("exitos");
        enum { Positiva = 0, Negativa = 1, Arriba = 0, Abajo = 1 };
        QTest::newRow("signo") << 1
                               << QStringList{QStringLiteral("-i|-1.732|%1").arg(Negativa),
                                              QStringLiteral("-1.732|0|%1").arg(Positiva),
                                              QStringLiteral("0|1.732|%1").arg(Negativa),
                                              QStringLiteral("1.732|i|%1").arg(Positiva)}
                               << QList<int>{14, 14, 14, 28, 16};
        QTest::newRow("concavidad") << 8
                                    << QStringList{QStringLiteral("-i|0|%1").arg(Abajo),
                                                   QStringLiteral("0|i|%1").arg(Arriba)}
                                    << QList<int>{14, 30, 44};
        QTest::newRow("rango") << 10 << QStringList{QStringLiteral("-i|i|-1")} << QList<int>{32, 33};
    }
    void intervalosEnElCaminoDeP()
    {
        QFETCH(int, opcion);
        QFETCH(QStringList, intervalos);
        QFETCH(QList<int>, exitos);
        SesionPrueba s;
        VentanaCamino *camino = AbreCamino(s, true);
        camino->OptGraCon(opcion)->click();
        auto *w = qobject_cast<VentanaIntervalos *>(EjercicioEnPantalla());
        QVERIFY(w);
        for (const QString &i : intervalos) {
            const QStringList partes = i.split(QLatin1Char('|'));
            DaIntervalo(*w, partes[0], partes[1], partes[2].toInt());
        }
        SesionPrueba::Pulsa(w->CmdOk());
        SesionPrueba::Suelta();
        QStringList esperados;
        for (int n : exitos)
            esperados << Exito(n);
        QCOMPARE(s.mensajes, esperados);
        QVERIFY(Gris(camino->OptGraCon(opcion)));
    }

    void clasificacionEnAmbosCaminos()
    {
        enum { Maximo = 1, Minimo = 2 };
        for (bool desdeP : {true, false}) {
            SesionPrueba s;
            VentanaCamino *camino = AbreCamino(s, desdeP);
            ConceptoResuelto[5] = true; // the critical points are known
            const int k = desdeP ? 6 : 4;
            auto *w = AbreOpcion<frmClaPtoCri>(camino, k);
            QVERIFY(w);
            for (int clase : {Maximo, Minimo}) {
                w->OptParidad(clase)->click();
                SesionPrueba::Pulsa(w->cmdListo());
                SesionPrueba::Suelta();
            }
            QCOMPARE(s.mensajes, (QStringList{Exito(19), Exito(17)}));
            QVERIFY(ConceptoResuelto[7]);
            QVERIFY(Gris(camino->OptGraCon(k)));
        }
    }

    void inflexionEnElCaminoDeP()
    {
        SesionPrueba s;
        VentanaCamino *camino = AbreCamino(s, true);
        auto *w = AbreOpcion<frmPuntosInfle>(camino, 7);
        QVERIFY(w);
        Da(*w, QStringLiteral("0"));
        PulsaTerminar(*w);
        QCOMPARE(s.mensajes, (QStringList{Exito(27), Exito(26)}));
        QCOMPARE(ConceptoActual, std::int16_t(10));
        QVERIFY(Gris(camino->OptGraCon(7)));
    }

    void extremosSinExtremoEnAmbosCaminos()
    {
        for (bool desdeP : {true, false}) {
            SesionPrueba s;
            VentanaCamino *camino = AbreCamino(s, desdeP);
            const int k = desdeP ? 9 : 5;
            auto *w = AbreOpcion<frmMaxMinAbs>(camino, k);
            QVERIFY(w);
            w->OptMaxMin(1)->click(); // neither
            SesionPrueba::Pulsa(w->cmdListo());
            SesionPrueba::Suelta();
            QCOMPARE(s.mensajes, QStringList{Exito(desdeP ? 53 : 62)});
            QVERIFY(!SesionPrueba::Ventana<frmMaxMinAbs>());
            QVERIFY(Gris(camino->OptGraCon(k)));
            QVERIFY(ConceptoResuelto[12]);
        }
    }
};

QTEST_MAIN(tst_TablaCaminos)
#include "tst_TablaCaminos.moc"
