// Random polynomials with crowded roots, critical points and interval
// ends (closer than the roads' tolerances) and large coefficients, worked
// on every road that offers each exercise and judged against the factors
// they were built from: every right answer, typed exactly or as read off
// a graph (within 0.7 of the tolerance) and in any order, is accepted;
// answers moved past twice the tolerance are refused.
#include "JuicioVerdad.h"

using namespace juicio;

namespace {

// A factored polynomial of degree gradoMin..gradoMax: two or three roots
// apart, each perhaps with a neighbour closer than 1 % or 10 %.
ProblemaAula Sortea(std::mt19937 &azar, Factorizado forma, int gradoMin, int gradoMax)
{
    static const double Principales[] = {1, -1, 2, -0.5, 40, -300, 25000};
    auto entero = [&azar](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    auto real = [&azar](double a, double b) { return std::uniform_real_distribution<double>(a, b)(azar); };
    ProblemaAula p;
    p.forma = forma;
    p.principal = Racional::DesdeDouble(Principales[entero(0, 6)]);
    for (;;) {
        p.factores.clear();
        std::vector<int> bases;
        const int grupos = entero(2, 3);
        while (int(bases.size()) < grupos) {
            const int b = entero(-7, 7); // halves
            if (std::find(bases.begin(), bases.end(), b) == bases.end())
                bases.push_back(b);
        }
        int grado = 0;
        for (int b : bases) {
            const double r = b / 2.0;
            const int m = entero(1, 3);
            p.factores.push_back({Racional(b, 2), m});
            grado += m;
            if (entero(0, 9) < 6) {
                // A neighbour within 1 % or 10 % of it.
                const double cerca = entero(0, 1) ? real(0.002, 0.009) : real(0.02, 0.09);
                const double vecino = r == 0 ? cerca : r + std::fabs(r) * cerca;
                const int mv = entero(1, 2);
                p.factores.push_back({Racional::DesdeDouble(vecino), mv});
                grado += mv;
            }
        }
        if (grado >= gradoMin && grado <= gradoMax)
            break;
    }
    std::sort(p.factores.begin(), p.factores.end(), [](const Factor &a, const Factor &b) { return a.raiz < b.raiz; });
    const Racional c0(entero(-3, 3));
    const Racional c1(forma == Factorizado::Segunda ? entero(-2, 2) : 0);
    CompletaProblema(p, c1, c0);
    return p;
}

// Multiple roots in pairs a hundredth to a fifth apart, multiplicities 2
// to 4: between them P (P', P'') is far below the rounding of a double
// evaluation, so every sign and class there must come from the exact
// polynomial.
ProblemaAula SorteaMultiples(std::mt19937 &azar, Factorizado forma)
{
    auto entero = [&azar](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    ProblemaAula p;
    p.forma = forma;
    p.principal = Racional(entero(0, 1) ? 1 : -1, entero(0, 1) ? 1 : 10);
    const Racional r(entero(-60, 50), 10);
    p.factores = {{r, entero(2, 4)}, {r + Racional(entero(1, 20), 100), entero(2, 4)}};
    if (entero(0, 1))
        p.factores.push_back({r + Racional(entero(5, 9), 5), entero(1, 2)});
    CompletaProblema(p, Racional(0), Racional(entero(-3, 3)));
    return p;
}

// Every exercise on every road that offers it, judged against the factors.
void JuzgaEnTodoCamino(const ProblemaAula &p, std::mt19937 &azar)
{
    EntornoEjercicios e;
    PoliActual = CreaFuncPolin(Collpolinomio::DesdeExacto(p.p));
    PoliDado = true;
    Juez juez(e, azar);
    juez.intervalosDe(p);
    juez.puntosDe(p);
    QVERIFY2(juez.fallos.isEmpty(), qPrintable(p.nombre + QStringLiteral("\n") + juez.fallos.join('\n')));
}

} // namespace

class tst_JuicioAzar : public QObject {
    Q_OBJECT

private slots:
    void todoCamino_data()
    {
        QTest::addColumn<int>("semilla");
        QTest::addColumn<int>("forma");
        for (int i = 0; i < 60; ++i)
            QTest::newRow(qPrintable(QStringLiteral("semilla %1").arg(i))) << 1000 + i << i % 3;
    }
    void todoCamino()
    {
        QFETCH(int, semilla);
        QFETCH(int, forma);
        std::mt19937 azar(static_cast<unsigned>(semilla));
        const auto f = static_cast<Factorizado>(forma);
        const ProblemaAula p = f == Factorizado::P       ? Sortea(azar, f, 3, 9)
                               : f == Factorizado::Prima ? Sortea(azar, f, 2, 8)
                                                         : Sortea(azar, f, 1, 7);
        JuzgaEnTodoCamino(p, azar);
    }

    void multiplesApinados_data()
    {
        QTest::addColumn<int>("semilla");
        for (int i = 0; i < 24; ++i)
            QTest::newRow(qPrintable(QStringLiteral("semilla %1").arg(i))) << 3700 + i;
    }
    void multiplesApinados()
    {
        QFETCH(int, semilla);
        std::mt19937 azar(static_cast<unsigned>(semilla));
        const ProblemaAula p = SorteaMultiples(azar, static_cast<Factorizado>(semilla % 3));
        JuzgaEnTodoCamino(p, azar);
    }
};

QTEST_MAIN(tst_JuicioAzar)
#include "tst_JuicioAzar.moc"
