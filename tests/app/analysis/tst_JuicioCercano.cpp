// Crowded ends and points, answered as a student does on the road where
// each went wrong: every end typed exactly or as read off a graph (within
// 0.7 of the road's tolerance) is judged against the interval or point it
// is nearest to, never the first one within the tolerance; the really
// wrong neighbours keep their messages.
#include "FactoresPrueba.h"
#include "IntervalosPrueba.h"
#include "PuntosPrueba.h"

#include "frmMonotonia.h"
#include "frmPuntosCriticos.h"
#include "frmposi.h"

#include <vector>

namespace {

struct Paso {
    const char *izq;
    const char *der;
    int opcion;   // the quality option
    QString mensaje;
};

struct CasoIntervalos {
    const char *nombre;
    PoliExacto coeficientes;
    int concepto; // 1 sign, 6 monotonicity
    Camino camino;
    std::vector<Paso> pasos;
};

enum { Primera = 0, Segunda = 1 }; // positive / increasing, negative / decreasing

std::vector<CasoIntervalos> CasosIntervalos()
{
    const PoliExacto monotoniaApretada =
        Primitiva(Expande(8400000, {{1, 3}, {1.04, 1}, {1.05, 3}}));
    const PoliExacto cuatroCortes = Expande(2, {{0.5, 1}, {1, 2}, {2.5, 3}, {3, 4}});
    const std::vector<Paso> cuatroCortesPasos{
        {"-i", "0.62", Segunda, Exito(14)}, {"0.62", "1", Primera, Exito(14)},
        {"1", "1.45", Segunda, Exito(14)},  {"1.45", "2.73", Primera, Exito(14)},
        {"2.73", "3", Segunda, Exito(14)},  {"3", "i", Primera, Exito(29)},
    };
    return {
        {"signo (x-2)(x-2.01)(x+5)",
         Expande(1, {{2, 1}, {2.01, 1}, {-5, 1}}),
         1,
         Camino::Analitico,
         {
             {"2.05", "3", Primera, Error(172)},
             {"2.01", "i", Primera, Exito(14)},
             {"2.01", "i", Primera, Error(37)},
             {"2", "2.01", Primera, Error(32)},
             {"2", "2.5", Segunda, Error(135)},
             {"2", "2.01", Segunda, Exito(14)},
             {"-5", "1.5", Primera, Error(136)},
             {"-5", "2", Primera, Exito(14)},
             {"-i", "-5", Segunda, Exito(28)},
         }},
        {"signo (x-1)(x-1.01)(x+5)",
         Expande(1, {{1, 1}, {1.01, 1}, {-5, 1}}),
         1,
         Camino::Analitico,
         {{"1.01", "i", Segunda, Error(32)}, {"1.01", "i", Primera, Exito(14)}}},
        {"signo x^2-2x+0.9999999",
         PoliExacto::DesdeDoubles({0.9999999, -2, 1}),
         1,
         Camino::Analitico,
         {{"1.0003", "i", Primera, Exito(14)}}},
        {"monotonía P'=8400000(x-1)^3(x-1.04)(x-1.05)^3",
         monotoniaApretada,
         6,
         Camino::Analitico,
         {
             {"-i", "1", Segunda, Exito(14)},
             {"1", "1.04", Primera, Exito(14)},
             {"1.04", "1.05", Primera, Error(45)},
             {"1.04", "1.08", Segunda, Error(137)},
             {"1.04", "1.05", Segunda, Exito(14)},
             {"1.04", "1.05", Segunda, Error(37)},
             {"1.05", "i", Primera, Exito(29)},
         }},
        {"monotonía 2(x-0.5)(x-1)^2(x-2.5)^3(x-3)^4, gráfica de P", cuatroCortes, 6, Camino::GraficaPoli,
         cuatroCortesPasos},
        {"monotonía 2(x-0.5)(x-1)^2(x-2.5)^3(x-3)^4, gráfica de P'", cuatroCortes, 6, Camino::GraficaDeri,
         cuatroCortesPasos},
        {"monotonía (x-1)^2(x-1.3)^2(x-1.5), gráfica de P",
         Expande(1, {{1, 2}, {1.3, 2}, {1.5, 1}}),
         6,
         Camino::GraficaPoli,
         {
             {"-i", "1.07", Primera, Exito(14)},
             {"1.07", "1.21", Segunda, Exito(14)},
             {"1.21", "1.6", Primera, Error(137)},
             {"1.21", "1.39", Primera, Exito(14)},
             {"1.3", "1.445", Segunda, Exito(14)},
             {"1.445", "i", Primera, Exito(29)},
         }},
    };
}

} // namespace

class tst_JuicioCercano : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup() { e.reset(); }

    void intervalos_data()
    {
        QTest::addColumn<int>("caso");
        const auto casos = CasosIntervalos();
        for (std::size_t i = 0; i < casos.size(); ++i)
            QTest::newRow(casos[i].nombre) << int(i);
    }
    void intervalos()
    {
        QFETCH(int, caso);
        const CasoIntervalos c = CasosIntervalos()[static_cast<std::size_t>(caso)];
        PoliActualDe(c.coeficientes);
        VentanaIntervalos *w = c.concepto == 1
                                   ? static_cast<VentanaIntervalos *>(e->Abre<frmposi>(1, c.camino))
                                   : static_cast<VentanaIntervalos *>(e->Abre<frmMonotonia>(6, c.camino));
        QVERIFY(w);
        for (const Paso &p : c.pasos) {
            e->mensajes.clear();
            DaIntervalo(*w, QString::fromLatin1(p.izq), QString::fromLatin1(p.der), p.opcion);
            const QString paso = QStringLiteral("(%1, %2) opción %3: ").arg(p.izq, p.der).arg(p.opcion);
            QVERIFY2(!e->mensajes.isEmpty(), qPrintable(paso));
            QVERIFY2(e->mensajes.front() == p.mensaje, qPrintable(paso + e->mensajes.front()));
        }
    }

    // P' = (x + 3)(x + 2.9)(x + 2.8)(x + 2.6)(x - 5), increasing on
    // (-3, -2.9) and (-2.8, -2.6), read off the graph of P': an answer meant
    // for the second is nearer the first and takes it; the first, typed
    // next, takes it back and the earlier answer the second, each
    // sentence naming the interval its answer now stands for.
    void intervaloReleido()
    {
        PoliActualDe(Primitiva(Expande(1, {{-3, 1}, {-2.9, 1}, {-2.8, 1}, {-2.6, 1}, {5, 1}})));
        auto *w = e->Abre<frmMonotonia>(6, Camino::GraficaDeri);
        QVERIFY(w);
        DaIntervalo(*w, "-2.99", "-2.78", Primera);
        QVERIFY(Oraciones(*w).endsWith(QStringLiteral("\nEn  (-3 , -2.9) ;  P(x) es Creciente")));
        DaIntervalo(*w, "-3", "-2.9", Primera);
        DaIntervalo(*w, "-2.8", "-2.6", Primera); // both are given now
        QCOMPARE(e->mensajes, (QStringList{Exito(14), Exito(14), Error(37)}));
        QCOMPARE(Oraciones(*w), QStringLiteral("\nEn  (-2.8 , -2.6) ;  P(x) es Creciente"
                                               "\nEn  (-3 , -2.9) ;  P(x) es Creciente"));
    }

    // (x + 5)^3 (x + 4)^2 (x + 0.7): critical points -5, -4.4131, -4 and
    // -1.3369, read off either graph from right to left.
    void puntoCercanoDeSuVecino_data()
    {
        QTest::addColumn<int>("camino");
        QTest::newRow("gráfica de P") << int(Camino::GraficaPoli);
        QTest::newRow("gráfica de P'") << int(Camino::GraficaDeri);
    }
    void puntoCercanoDeSuVecino()
    {
        QFETCH(int, camino);
        PoliActualDe(Expande(1, {{-5, 3}, {-4, 2}, {-0.7, 1}}));
        auto *w = e->Abre<frmPuntosCriticos>(5, static_cast<Camino>(camino));
        QVERIFY(w);
        Da(*w, "-1.34");
        Da(*w, "-3.5");
        Da(*w, "-4");
        QCOMPARE(w->puntosFaltantes().size(), std::size_t(2));
        QVERIFY(std::abs(w->puntosFaltantes()[1] + 4.4131) < 1e-3); // -4 struck off itself
        Da(*w, "-4.41");
        Da(*w, "-5");
        PulsaTerminar(*w);
        QCOMPARE(e->mensajes,
                 (QStringList{Exito(9), Error(28), Exito(9), Exito(9), Exito(34), Exito(10)}));
    }

    // Points closer than the tolerance, each answer nearer the other one:
    // the second answer takes the point left, the first one keeps standing
    // for a point within its tolerance. A value near neither is refused.
    void puntosCruzados()
    {
        // P' = 3(x - 1)(x - 1.05): critical points 1 and 1.05.
        PoliActualDe(Primitiva(Expande(3, {{1, 1}, {1.05, 1}})));
        auto *w = e->Abre<frmPuntosCriticos>(5, Camino::GraficaPoli);
        QVERIFY(w);
        Da(*w, "1.07");   // nearer 1.05, within 10 % of 1
        Da(*w, "1.1235"); // 1.05 + 7 %, 12 % off 1
        QCOMPARE(e->mensajes, (QStringList{Exito(9), Exito(34)}));
        QVERIFY(w->puntosFaltantes().empty());
        PulsaTerminar(*w);

        e->mensajes.clear();
        PoliActualDe(Primitiva(Expande(3, {{1, 1}, {1.05, 1}})));
        w = e->Abre<frmPuntosCriticos>(5, Camino::GraficaPoli);
        Da(*w, "1.07");
        Da(*w, "1.17"); // 11 % off 1.05, 17 % off 1
        QCOMPARE(e->mensajes, (QStringList{Exito(9), Error(28)}));
    }
};

QTEST_MAIN(tst_JuicioCercano)
#include "tst_JuicioCercano.moc"
