// Sign changes of P' and P'' away from, and at, required abscissas.
#include "CambiosDeSigno.h"
#include "generapoli.h"

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
    EXPECT_FALSE(calculos::CambiaSignoEn(*simple, 2, 0));
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

TEST(TieneOtraRaiz, RootsOfTheRecordBeyondTheRequiredOnes)
{
    // High multiplicities and factors without real roots: dividing a
    // required root out with a rounded remainder would take these away.
    const auto producto = [](double c, std::initializer_list<std::pair<double, int>> factores,
                             std::initializer_list<double> extra = {}) {
        auto p = Collpolinomio::Nuevo();
        p->Agrega(c, 0);
        for (auto [r, m] : factores)
            for (int k = 0; k < m; ++k) {
                auto f = Collpolinomio::Nuevo();
                f->Agrega(1, 1);
                f->Agrega(-r, 0);
                p = p->Producto(*f);
            }
        if (extra.size() > 0) {
            auto q = Collpolinomio::Nuevo();
            std::int16_t e = 0;
            for (double k : extra)
                q->Agrega(k, e++);
            p = p->Producto(*q);
        }
        return CreaFuncPolin(p);
    };
    struct Caso {
        FuncPolinPtr f;
        std::vector<double> pedidas;
        bool otra;
    } casos[] = {
        {producto(-1.0 / 3, {{3, 1}, {4, 7}}), {3, 4}, false},
        {producto(1.0 / 3, {{-1, 1}, {2, 1}, {3, 1}, {4, 8}}), {-1, 2, 3, 4}, false},
        {producto(1.0 / 3, {{-4, 1}, {-2, 2}, {2, 1}, {3, 6}}), {-4, -2, 2, 3}, false},
        {producto(2.0 / 7, {{-1, 1}, {2, 1}, {3, 1}, {4, 4}}, {37, -12, 1}), {-1, 2, 3, 4}, false},
        {producto(1, {{-2, 1}, {1, 2}}, {1, 0, 1}), {-2, 1}, false},
        // Really other roots: far, double, or a hair beside a required one.
        {producto(-1.0 / 3, {{3, 1}, {4, 7}, {7, 1}}), {3, 4}, true},
        {producto(1, {{-2, 1}, {1, 2}, {7, 2}}), {-2, 1}, true},
        {producto(1, {{3, 1}, {4, 1}, {4.001, 1}}), {3, 4}, true},
    };
    for (std::size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(calculos::TieneOtraRaiz(*casos[i].f, 0, casos[i].pedidas), casos[i].otra) << "caso " << i;
}

TEST(MultiplicidadEn, DerivativesThatVanishUpToTheirRounding)
{
    // 1/3 (x - 3)^7 (x - 4)^8: terms of 1e9 at 4, every derivative below
    // the eighth zero but for rounding.
    auto p = Collpolinomio::Nuevo();
    p->Agrega(1.0 / 3, 0);
    for (auto [r, m] : {std::pair{3.0, 7}, std::pair{4.0, 8}})
        for (int k = 0; k < m; ++k) {
            auto f = Collpolinomio::Nuevo();
            f->Agrega(1, 1);
            f->Agrega(-r, 0);
            p = p->Producto(*f);
        }
    EXPECT_EQ(calculos::MultiplicidadEn(*p, 3, 1e-6), 7);
    EXPECT_EQ(calculos::MultiplicidadEn(*p, 4, 1e-6), 8);
    EXPECT_EQ(calculos::MultiplicidadEn(*p, 6, 1e-6), 0);
    // x^2 - 1e-7 is zero at 0 by the bound, its derivative 2x too; 2 is not.
    auto q = Collpolinomio::Nuevo();
    q->Agrega(1, 2);
    q->Agrega(-1e-7, 0);
    EXPECT_EQ(calculos::MultiplicidadEn(*q, 0, 1e-6), 2);
}
