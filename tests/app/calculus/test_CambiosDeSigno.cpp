// Sign changes of P' and P'' away from, and at, required abscissas.
#include "CambiosDeSigno.h"
#include "ModCalculos.h"
#include "generapoli.h"

#include "Collpolinomio.h"
#include "PoliExacto.h"
#include "Racional.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <vector>

namespace {

// The record of the polynomial with coefficients c0, c1, c2, ...
FuncPolinPtr Registro(std::initializer_list<double> coefs)
{
    auto p = Collpolinomio::Nuevo();
    std::int16_t e = 0;
    for (double c : coefs) {
        if (c != 0)
            p->Agrega(c, e);
        ++e;
    }
    return CreaFuncPolin(p);
}

// The record of the polynomial whose P'' is c prod (x - r)^m.
FuncPolinPtr DesdeSegunda(std::initializer_list<std::pair<const char *, int>> factores)
{
    PoliExacto q = PoliExacto::Constante(1);
    for (auto [r, m] : factores)
        q = q * PoliExacto::Lineal(*Racional::DesdeTexto(r)).Potencia(m);
    return CreaFuncPolin(Collpolinomio::DesdeExacto(q.Integral(0).Integral(0)));
}

} // namespace

TEST(BandaConCambioDeSigno, FindsTheBandOfAnExtraSignChange)
{
    struct Caso {
        std::initializer_list<double> poli;
        std::int16_t tipo;
        std::vector<double> abscisas;
        std::optional<int> banda;
    };
    const Caso casos[] = {
        // P' = 6(x + 2)(x - 1): only the required changes.
        {{0, -12, 3, 2}, 1, {-2, 1}, std::nullopt},
        // P' = 10(x + 2)(x - 1)(x - 3)(x - 4): two more, right of the last.
        {{0, -240, 130, 10, -15, 2}, 1, {-2, 1}, 2},
        // P' = (x + 5)(x + 2)(x - 1): one more, left of the first.
        {{0, -10, 1.5, 2, 0.25}, 1, {-2, 1}, 0},
        // P' = 4x^2 (x - 3): the double root changes nothing.
        {{0, 0, 0, -4, 1}, 1, {3}, std::nullopt},
        // P'' = -12(x + 2)(x - 1)(x - 3)(x - 4) between the abscissas -2, 1 and 4.
        {{0, 0, 720, -260, -15, 18, -2}, 2, {-2, 1}, 2},
        {{0, 0, 720, -260, -15, 18, -2}, 2, {-2, 1, 3, 4}, std::nullopt},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(calculos::BandaConCambioDeSigno(*Registro(c.poli), c.tipo, c.abscisas), c.banda);
}

TEST(CambiaSignoEn, OnlyAtRootsOfOddMultiplicity)
{
    // P'' = 12(x + 1)(x - 2).
    const auto simple = Registro({0, 100, -12, -2, 1});
    EXPECT_TRUE(calculos::CambiaSignoEn(*simple, 2, -1));
    EXPECT_TRUE(calculos::CambiaSignoEn(*simple, 2, 2));
    // P'' = 30(x^2 - 1)^2: zero at -1 and 1 without a change.
    const auto doble = Registro({0, 300, 15, 0, -5, 0, 1});
    EXPECT_FALSE(calculos::CambiaSignoEn(*doble, 2, -1));
    EXPECT_FALSE(calculos::CambiaSignoEn(*doble, 2, 1));
    // P' = 60x^2 (x - 1)(x - 4) for 12x^5 - 75x^4 + 80x^3: no change at 0.
    const auto horizontal = Registro({0, 0, 0, 80, -75, 12});
    EXPECT_FALSE(calculos::CambiaSignoEn(*horizontal, 1, 0));
    EXPECT_TRUE(calculos::CambiaSignoEn(*horizontal, 1, 1));
    EXPECT_TRUE(calculos::CambiaSignoEn(*horizontal, 2, 0));
}

// An abscissa that is a root only within tolerance stands for the roots
// P'' reaches from it without leaving [0, P''(a)]; an exact root stands
// for itself only, however close the next one.
TEST(CambiaSignoEn, RootsWithinToleranceCountWithTheirCluster)
{
    EXPECT_TRUE(calculos::CambiaSignoEn(*DesdeSegunda({{"2.01", 3}}), 2, 2));              // -1e-6
    EXPECT_FALSE(calculos::CambiaSignoEn(*DesdeSegunda({{"2.001", 2}}), 2, 2));            // 1e-6
    EXPECT_TRUE(calculos::CambiaSignoEn(*DesdeSegunda({{"2.001", 2}, {"2.002", 1}}), 2, 2));
    const auto junto = DesdeSegunda({{"2", 2}, {"2.00005", 1}});
    EXPECT_FALSE(calculos::CambiaSignoEn(*junto, 2, 2));
    EXPECT_EQ(calculos::BandaConCambioDeSigno(*junto, 2, {2}), 1);
    EXPECT_EQ(calculos::BandaConCambioDeSigno(*DesdeSegunda({{"2.01", 3}, {"-3", 1}}), 2, {-3, 2}), std::nullopt);
    EXPECT_EQ(calculos::BandaConCambioDeSigno(*DesdeSegunda({{"2.01", 3}, {"-3", 1}, {"-2.9999", 1}}), 2, {-3, 2}),
              1);
}

TEST(ClasePorCambioDeSigno, TheSignOfPPrimeAcrossTheRootsAccountedFor)
{
    // P' = -(x + 4)^3 (x + 5)^3 (x + 6)^3 (x + 7)^2 (x + 4.25)(x + 6.25):
    // P' changes sign again within a quarter of a unit.
    const auto f = CreaFuncPolin(Collpolinomio::DesdeExacto(
        (Racional(-1) * PoliExacto::Lineal(-4).Potencia(3) * PoliExacto::Lineal(-5).Potencia(3) *
         PoliExacto::Lineal(-6).Potencia(3) * PoliExacto::Lineal(-7).Potencia(2) *
         PoliExacto::Lineal(*Racional::DesdeTexto("-4.25")) * PoliExacto::Lineal(*Racional::DesdeTexto("-6.25")))
            .Integral(0)));
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -7), CLASE_NINGUNO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -6.25), CLASE_MAXIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -6), CLASE_MINIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -5), CLASE_MAXIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -4.25), CLASE_MINIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -4), CLASE_MAXIMO);
    // x^4's flat minimum, and -x^4 + x at the irrational 4^(-1/3) typed.
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*Registro({0, 0, 0, 0, 1}), 0), CLASE_MINIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*Registro({0, 1, 0, 0, -1}), 0.629960524947437), CLASE_MAXIMO);
    // Within tolerance only: P' = (x - 1.01)^3 at 1 (P'(1) = -1e-6) is a
    // minimum; P' = (x - 1)^2 + 1e-7 has no root and keeps its sign.
    const auto casiPlano = CreaFuncPolin(Collpolinomio::DesdeExacto(
        PoliExacto::Lineal(*Racional::DesdeTexto("1.01")).Potencia(3).Integral(0)));
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*casiPlano, 1), CLASE_MINIMO);
    const auto sinRaiz = CreaFuncPolin(Collpolinomio::DesdeExacto(
        PoliExacto::DesdeCoeficientes({*Racional::DesdeTexto("1.0000001"), -2, 1}).Integral(0)));
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*sinRaiz, 1), CLASE_NINGUNO);
}
