// Answers given again on the graph roads, in a real session: the exercise
// opened from its road's chooser (on the road from the derivative, P'
// typed by the student), every answer typed into its box. A value or band
// typed again is told so and never stands for a neighbour within the
// road's tolerance; one merely near an earlier answer is right where the
// earlier one can move on; the roots' answers stand for distinct roots.
// The polynomials are built from their factors.
#include "EscenaGraficas.h"

#include "../analysis/FactoresPrueba.h"
#include "../analysis/PasosPrueba.h"
#include "../analysis/PuntosPrueba.h"

#include "frmGrafiConcepto.h"
#include "frmGrafiDeri.h"
#include "frmposi.h"

#include <QPointer>
#include <QRadioButton>

namespace {

struct Caso {
    const char *nombre;
    bool desdeDerivada; // the road from the graph of P', P' typed by the student
    int opcion;         // of the road's chooser
    Factores factores;  // of P, or of P' on the road from the derivative
    std::vector<Paso> pasos;
};

std::vector<Caso> Casos()
{
    const auto error = &SesionPrueba::Error;
    return {
        {"críticos, P'=(x-1)(x-1.08)(x-3) propuesta",
         true,
         2,
         {{1, 1}, {1.08, 1}, {3, 1}},
         {Valor("1.08", Exito(9)), Valor("1.08", error(57) + QStringLiteral("1.08")), Valor("3", Exito(9)),
          Valor("1", Exito(34)), Fin(Exito(10))}},
        {"críticos, P=(x-2)^2(x-2.1)^2 desde P",
         false,
         4,
         {{2, 2}, {2.1, 2}},
         // Critical points 2, 2.05 and 2.1, within 10 % of each other.
         {Valor("2", Exito(9)), Valor("2", error(57) + QStringLiteral("2")), Fin(error(42)), Valor("2.1", Exito(9)),
          Valor("2.05", Exito(34)), Fin(Exito(10))}},
        {"raíces, P=(x-4)^2(x-4.01)(x+1)",
         false,
         0,
         {{-1, 1}, {4, 2}, {4.01, 1}},
         {Valor("4.004", Exito(2)), Valor("4", Exito(2)), Valor("-1", Exito(2)), Fin(Exito(52))}},
        {"críticos, P'=(x-6)^3(x-6.1)^3 propuesta",
         true,
         2,
         {{6, 3}, {6.1, 3}},
         // 6.05 stands for 6.1, which then was given already.
         {Valor("6", Exito(9)), Valor("6.05", Exito(34)), Valor("6.1", error(28)), Fin(Exito(10))}},
        {"raíces, P=(x-2)^2(x-2.0003)",
         false,
         0,
         {{2, 2}, {2.0003, 1}},
         {Valor("2.0002", Exito(2)), Valor("2.0002", Exito(2)), Valor("2", Exito(12)), Fin(Exito(1))}},
        {"signo, P=(x-1)^2(x-1.005)^2(x-1.01)^2",
         false,
         1,
         {{1, 2}, {1.005, 2}, {1.01, 2}},
         {Banda("0.9985", "1.0035", 0, Exito(14)), Banda("0.994", "0.999", 0, Exito(14)),
          Banda("-i", "1", 0, Exito(14)), Banda("1.01", "i", 0, Exito(28)), Fin(Exito(16))}},
        {"signo, P=(x+3)(x-2)^2(x-2.1)^2(x-2.2)^2",
         false,
         1,
         {{-3, 1}, {2, 2}, {2.1, 2}, {2.2, 2}},
         {Banda("2", "2.1", 0, Exito(14)), Banda("2", "2.1", 0, error(37)), Fin(error(36))}},
    };
}

// The polynomial as the entry box takes it, from its coefficients (lowest
// degree first).
QString TextoPolinomio(const std::vector<double> &c)
{
    QString s;
    for (std::size_t k = c.size(); k-- > 0;) {
        const double a = c[k];
        if (a == 0)
            continue;
        if (!s.isEmpty() || a < 0)
            s += a < 0 ? QStringLiteral("-") : QStringLiteral("+");
        if (std::abs(a) != 1 || k == 0)
            s += QString::number(std::abs(a), 'g', 10);
        if (k >= 1)
            s += QStringLiteral("x");
        if (k >= 2)
            s += QStringLiteral("^%1").arg(k);
    }
    return s;
}

} // namespace

class tst_RepetidasCaminos : public QObject {
    Q_OBJECT

private slots:
    void repetidas_data()
    {
        QTest::addColumn<int>("caso");
        const auto casos = Casos();
        for (std::size_t i = 0; i < casos.size(); ++i)
            QTest::newRow(casos[i].nombre) << int(i);
    }
    void repetidas()
    {
        QFETCH(int, caso);
        SesionPrueba s; // the message tables first
        const Caso c = Casos()[static_cast<std::size_t>(caso)];
        QRadioButton *opcion = nullptr;
        if (c.desdeDerivada) {
            s.Hub()->mnuGrafiDeri()->trigger();
            frmGrafiDeri *camino = SesionPrueba::Ventana<frmGrafiDeri>();
            QVERIFY(camino);
            camino->mnuTuPropones()->trigger();
            DaPolinomioEnEntrada(TextoPolinomio(Expande(1, c.factores).Doubles()));
            opcion = camino->OptGraCon(c.opcion);
        } else {
            s.Hub()->mnuDoyGrafiPoli()->trigger();
            frmGrafiConcepto *camino = SesionPrueba::Ventana<frmGrafiConcepto>();
            QVERIFY(camino);
            // The road's problem is drawn at random: ours takes its place.
            PoliActualDe(Expande(1, c.factores));
            opcion = camino->OptGraCon(c.opcion);
        }
        QVERIFY(opcion->isEnabled());
        opcion->click();
        SesionPrueba::Suelta();
        s.mensajes.clear();
        auto *ejercicio = qobject_cast<VentanaEjercicio *>(GestorVentanas::instancia().actual());
        QPointer<VentanaEjercicio> w = ejercicio;
        QVERIFY(w);
        for (std::size_t k = 0; k < c.pasos.size(); ++k) {
            const Paso &p = c.pasos[k];
            QVERIFY2(w, qPrintable(QStringLiteral("paso %1: el ejercicio se cerró").arg(k)));
            s.mensajes.clear();
            if (auto *puntos = qobject_cast<VentanaPuntos *>(w.data())) {
                if (p.izq)
                    Da(*puntos, QString::fromLatin1(p.izq));
                else
                    PulsaTerminar(*puntos);
            } else {
                auto *signo = qobject_cast<frmposi *>(w.data());
                QVERIFY(signo);
                if (p.izq) {
                    Teclea(*signo->txtraices2(0), QString::fromLatin1(p.izq));
                    Teclea(*signo->txtraices2(1), QString::fromLatin1(p.der));
                    signo->OptCualidad(p.opcion)->click();
                    SesionPrueba::Pulsa(signo->cmdListo());
                } else {
                    SesionPrueba::Pulsa(signo->CmdOk());
                }
                SesionPrueba::Suelta();
            }
            QVERIFY2(!s.mensajes.isEmpty(), qPrintable(QStringLiteral("paso %1: sin mensaje").arg(k)));
            QVERIFY2(s.mensajes.front() == p.mensaje, qPrintable(QStringLiteral("paso %1: ").arg(k) + s.mensajes.front() + QStringLiteral(" | esperado ") + p.mensaje));
        }
    }
};

QTEST_MAIN(tst_RepetidasCaminos)
#include "tst_RepetidasCaminos.moc"
