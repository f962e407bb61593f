// Random problem polynomials: every kind has its degree and parity, the
// named kinds have the qualities their names promise, and the coincidence
// rules keep roots and critical points apart.
#include "Azar.h"
#include "RecetasProblema.h"
#include "generapoli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

struct Cualidades {
    long raices = 0;     // real roots of P, multiplicities counted
    int criticos = 0;    // distinct real roots of P'
    int inflexiones = 0; // distinct roots where P'' changes sign
};

Cualidades Mide(const FuncPolinPtr &f)
{
    Cualidades c;
    c.raices = f->Cuenta(0);
    std::map<double, int> criticos, segundas;
    for (const auto &r : *f) {
        if (r->tipopol() == 1)
            ++criticos[r->Raiz()];
        if (r->tipopol() == 2)
            ++segundas[r->Raiz()];
    }
    c.criticos = static_cast<int>(criticos.size());
    for (const auto &[x, m] : segundas)
        c.inflexiones += m % 2;
    return c;
}

std::string Clase(int g, int p, int q)
{
    return "(" + std::to_string(g) + "," + std::to_string(p) + "," + std::to_string(q) + ")";
}

// The rows the bank has: quality numbers per degree and parity option.
int Cualidadesde(int grado, int paridad)
{
    if (grado == 1)
        return 6; // the quality is not looked at
    if (grado == 2)
        return paridad == 0 ? 6 : 3;
    if (grado == 3)
        return 3;
    if (grado == 4)
        return 3;
    if (grado == 5)
        return paridad == 0 ? 6 : 5;
    if (grado % 2 == 0)
        return 4;
    return paridad == 0 ? 5 : 6;
}

} // namespace

TEST(GeneraCoeficientes, EveryKindHasItsDegreeAndParity)
{
    rt::SiembraAzar(4142);
    for (int g = 1; g <= 15; ++g)
        for (int p = 0; p <= 1; ++p)
            for (int q = 0; q < Cualidadesde(g, p); ++q)
                for (int vez = 0; vez < 200; ++vez) {
                    DamePolinomioProblema(g, p, q);
                    ASSERT_EQ(PoliAzar->Grado(), g) << Clase(g, p, q);
                    for (const auto &t : *PoliAzar) {
                        if (p == 0) {
                            ASSERT_EQ(t->expon() % 2, g % 2) << Clase(g, p, q);
                        }
                        if (!(g == 14 && p == 1 && q == 3)) {
                            ASSERT_EQ(t->coef(), std::floor(t->coef())) << Clase(g, p, q);
                        }
                    }
                }
}

TEST(GeneraCoeficientes, KindsWithoutRecipeGiveNoTerms)
{
    rt::SiembraAzar(1);
    const int sinReceta[][3] = {{3, 0, 3}, {0, 0, 0}, {16, 0, 0}, {4, 2, 0}, {6, 0, 4}, {7, 1, 6}, {2, 1, 3}};
    for (const auto &k : sinReceta) {
        DamePolinomioProblema(k[0], k[1], k[2]);
        EXPECT_EQ(PoliAzar->Cuenta(), 0) << Clase(k[0], k[1], k[2]);
    }
    // Degree 2 with the parity of the degree writes its leading term first.
    DamePolinomioProblema(2, 0, 2);
    EXPECT_EQ(PoliAzar->Cuenta(), 1);
    DamePolinomioProblema(1, 0, 5);
    EXPECT_EQ(PoliAzar->Cuenta(), 1);
}

TEST(GeneraCoeficientes, NamedKindsHaveTheirQualities)
{
    struct Promesa {
        int g, p, q;
        long raices;
        int criticos, inflexiones;
    };
    // Roots counted with multiplicity.
    const Promesa promesas[] = {
        {2, 0, 2, 2, 1, 0},  {2, 1, 1, 2, 1, 0},  {3, 1, 1, 3, 1, 1},  {4, 0, 0, 4, 3, 2},
        {7, 0, 2, 7, 3, 3},  {7, 0, 4, 7, 5, 5},  {7, 1, 0, 5, 1, 3},  {9, 1, 1, 7, 2, 3},
        {12, 0, 2, 8, 3, 4},
    };
    rt::SiembraAzar(2026);
    for (const auto &k : promesas) {
        EXPECT_FALSE(NombreCualidad(k.g, k.p, k.q).empty());
        for (int vez = 0; vez < 300; ++vez) {
            DamePolinomioProblema(k.g, k.p, k.q);
            const Cualidades c = Mide(CreaFuncPolin(PoliAzar));
            ASSERT_EQ(c.raices, k.raices) << Clase(k.g, k.p, k.q);
            ASSERT_EQ(c.criticos, k.criticos) << Clase(k.g, k.p, k.q);
            ASSERT_EQ(c.inflexiones, k.inflexiones) << Clase(k.g, k.p, k.q);
        }
    }
    // Its four critical points are always there.
    for (int vez = 0; vez < 300; ++vez) {
        DamePolinomioProblema(5, 0, 3);
        ASSERT_EQ(Mide(CreaFuncPolin(PoliAzar)).criticos, 4);
    }
    EXPECT_EQ(NombreCualidad(7, 0, 4), "5 puntos de inflexión, 5 puntos críticos, 7  raíces reales");
    EXPECT_EQ(NombreCualidad(3, 0, 3), "");
}

// Scripted draws: 0.04 is the sign +, 0.12 the sign -; a magnitude draw r
// gives Int(n r).
TEST(GeneraCoeficientes, CoincidenceRules)
{
    // (2,1,1): a = 2, b = 4, c = 2 = b/a: c moves to 4.
    rt::ProgramaAzar({0.04f, 0.2f, 0.04f, 0.4f, 0.04f, 0.25f});
    DamePolinomioProblema(2, 1, 1);
    rt::OlvidaAzarProgramado();
    EXPECT_EQ(PoliAzar->A_Arreglo(), (std::vector<double>{16, -12, 2})); // (2x - 4)(x - 4)

    // (2,1,1): a = 1, b = 1, c = -1 = -b/a: two different roots already.
    rt::ProgramaAzar({0.04f, 0.0f, 0.04f, 0.0f, 0.12f, 0.15f});
    DamePolinomioProblema(2, 1, 1);
    rt::OlvidaAzarProgramado();
    EXPECT_EQ(PoliAzar->A_Arreglo(), (std::vector<double>{-1, 0, 1})); // (x - 1)(x + 1)

    // (4,1,2): A = 4, B = -12, C = -3 = B/A: C + 3 = 0 would meet the
    // critical point 0, so C becomes 3.
    rt::ProgramaAzar({0.04f, 0.0f, 0.12f, 0.3f, 0.12f, 0.0f});
    DamePolinomioProblema(4, 1, 2);
    rt::OlvidaAzarProgramado();
    // P' = x (4x - 12)(x + 3) = 4x^3 - 36x
    EXPECT_EQ(PoliAzar->A_Arreglo(), (std::vector<double>{0, 0, -18, 0, 1}));
    const auto f = CreaFuncPolin(PoliAzar);
    EXPECT_EQ(Mide(f).criticos, 3);

    // (6,1,2): B = C = 10 would leave two critical points: C becomes -10.
    rt::ProgramaAzar({0.04f, 0.0f, 0.04f, 0.4f, 0.04f, 0.0f});
    DamePolinomioProblema(6, 1, 2);
    rt::OlvidaAzarProgramado();
    // P' = 6x^3 (x + 10)(x - 10)
    EXPECT_EQ(PoliAzar->A_Arreglo(), (std::vector<double>{0, 0, 0, 0, -150, 0, 1}));

    // (5,0,5): b = -3, c = 3: b + c = 0 would leave P'' = 12x^3 a single
    // inflection point, so b becomes -4.
    rt::ProgramaAzar({0.04f, 0.0f, 0.25f, 0.25f});
    DamePolinomioProblema(5, 0, 5);
    rt::OlvidaAzarProgramado();
    // P' = 15 (x^2 - 4)(x^2 + 3) = 15x^4 - 15x^2 - 180
    EXPECT_EQ(PoliAzar->A_Arreglo(), (std::vector<double>{0, -180, 0, -5, 0, 3}));
}

TEST(GeneraCoeficientes, TellingMembers)
{
    // (7,1,0) with A = 7, B = 3: the x^5 coefficient is Int(63/5) + 1.
    rt::ProgramaAzar({0.04f, 0.0f, 0.04f, 0.0f});
    DamePolinomioProblema(7, 1, 0);
    rt::OlvidaAzarProgramado();
    EXPECT_EQ(PoliAzar->A_Arreglo(), (std::vector<double>{0, 0, 0, 0, 0, 13, 7, 1}));

    // (9,1,0) with a = 1, b = 2: x^5 (x^4 + 2x^3 + 2), the 2 being the
    // first whole number above 1.896, where P'/x^4 would touch 0.
    rt::ProgramaAzar({0.04f, 0.0f, 0.04f, 0.0f});
    DamePolinomioProblema(9, 1, 0);
    rt::OlvidaAzarProgramado();
    EXPECT_EQ(PoliAzar->A_Arreglo(), (std::vector<double>{0, 0, 0, 0, 0, 2, 0, 0, 2, 1}));

    // (3,1,1): x0 = 0, C = 0, B = 2, A = 3: P = (x + 2)^3.
    rt::ProgramaAzar({0.04f, 0.0f, 0.04f, 0.0f, 0.04f, 0.0f, 0.04f, 0.0f});
    DamePolinomioProblema(3, 1, 1);
    rt::OlvidaAzarProgramado();
    EXPECT_EQ(PoliAzar->A_Arreglo(), (std::vector<double>{8, 12, 6, 1}));

    // (3,1,0): x0 = -1 makes P(-1) = 0.
    rt::ProgramaAzar({0.12f, 0.3f, 0.04f, 0.3f, 0.04f, 0.0f, 0.04f, 0.0f});
    DamePolinomioProblema(3, 1, 0);
    rt::OlvidaAzarProgramado();
    EXPECT_EQ(PoliAzar->Eval(-1), 0.0);
}
