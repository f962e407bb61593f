// Sign changes of P' and P'' away from, and at, required abscissas.
#include "CambiosDeSigno.h"
#include "ModCalculos.h"
#include "RaicesPedidas.h"
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

// c prod (x - r)^m, the roots as typed.
PoliExacto Factores(const char *principal, std::initializer_list<std::pair<const char *, int>> factores)
{
    PoliExacto q = PoliExacto::Constante(*Racional::DesdeTexto(principal));
    for (auto [r, m] : factores)
        q = q * PoliExacto::Lineal(*Racional::DesdeTexto(r)).Potencia(m);
    return q;
}

// The record of the polynomial whose P'' is prod (x - r)^m.
FuncPolinPtr DesdeSegunda(std::initializer_list<std::pair<const char *, int>> factores)
{
    return CreaFuncPolin(Collpolinomio::DesdeExacto(Factores("1", factores).Integral(0).Integral(0)));
}

} // namespace

// A band holds its sign on the whole band: no root of odd multiplicity
// inside it (one that moved off its abscissa, even within the tolerance,
// breaks the band it moved into) and the sign asked at one point of it.
TEST(BandaConOtroSigno, EachBandOnTheWhole)
{
    struct Caso {
        PoliExacto p;
        std::vector<const char *> abscisas;
        std::vector<int> signos;
        std::optional<int> banda;
    };
    const Caso casos[] = {
        {Factores("6", {{"-2", 1}, {"1", 1}}), {"-2", "1"}, {1, -1, 1}, std::nullopt},
        {Factores("-6", {{"-2", 1}, {"1", 1}}), {"-2", "1"}, {1, -1, 1}, 0},
        // Two more sign changes right of the last abscissa, one left of the first.
        {Factores("10", {{"-2", 1}, {"1", 1}, {"3", 1}, {"4", 1}}), {"-2", "1"}, {1, -1, 1}, 2},
        {Factores("1", {{"-5", 1}, {"-2", 1}, {"1", 1}}), {"-2", "1"}, {1, -1, 1}, 0},
        // A double root inside a band only touches 0.
        {Factores("4", {{"0", 2}, {"3", 1}}), {"3"}, {-1, 1}, std::nullopt},
        {Factores("1", {{"2", 2}, {"2.00005", 1}}), {"2"}, {-1, 1}, 1},
        // Zeros that moved, each within 1e-6 of its abscissa.
        {Factores("1", {{"2.01", 3}}), {"2"}, {-1, 1}, 1},
        {Factores("1", {{"1.99", 3}}), {"2"}, {-1, 1}, 0},
        {Factores("-0.000000001", {{"9", 1}, {"-9", 1}}), {"0"}, {1, 1}, 0},
        {Factores("-0.0000001", {{"3", 1}, {"5", 1}}), {"4"}, {1, 1}, 0},
        {Factores("-0.5", {{"2.9", 9}}), {"3"}, {1, -1}, 0},
        {Factores("-1", {{"3", 1}, {"4.1", 9}}), {"3", "4"}, {-1, 1, -1}, 2},
        // Right answers, with and without the tolerance.
        {Factores("-1", {{"3", 1}, {"4", 3}}), {"3", "4"}, {-1, 1, -1}, std::nullopt},
        {PoliExacto::DesdeCoeficientes({*Racional::DesdeTexto("0.0000001"), 0, 1}), {"0"}, {1, 1}, std::nullopt},
        {Factores("0.1", {{"-3", 1}, {"2.01", 3}}), {"-3", "2.01"}, {-1, 1, -1}, 0},
        {Factores("-0.1", {{"-3", 1}, {"2.01", 3}}), {"-3", "2.01"}, {-1, 1, -1}, std::nullopt},
    };
    for (const Caso &c : casos) {
        std::vector<Racional> abscisas;
        for (const char *a : c.abscisas)
            abscisas.push_back(*Racional::DesdeTexto(a));
        EXPECT_EQ(calculos::BandaConOtroSigno(c.p, abscisas, c.signos), c.banda)
            << "con " << c.abscisas.size() << " abscisas, " << c.p.Grado() << "º grado, principal "
            << c.p.Principal().Texto();
    }
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
    EXPECT_FALSE(calculos::CambiaSignoEn(*DesdeSegunda({{"2", 2}, {"2.00005", 1}}), 2, 2));
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
