#include "Collpolinomio.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

PoliPtr poli(std::initializer_list<std::pair<double, int>> terminos)
{
    auto p = Collpolinomio::Nuevo();
    for (auto [c, e] : terminos)
        p->Agrega(c, static_cast<std::int16_t>(e));
    return p;
}

} // namespace

TEST(Collpolinomio, AgregaKeepsOrderAndDropsZeros)
{
    auto p = poli({{1, 1}, {5, 0}, {1, 3}});
    ASSERT_EQ(p->Cuenta(), 3);
    EXPECT_EQ(p->Elemento(1)->expon(), 3);
    auto hueco = p->ElementoClave("2");
    EXPECT_EQ(hueco->coef(), 0.0);
    EXPECT_EQ(hueco->expon(), 2);
    EXPECT_EQ(p->Cuenta(), 3);
    EXPECT_EQ(p->Agrega(0, 3), nullptr);

    auto z = poli({{2, 2}, {-2, 2}});
    EXPECT_EQ(z->Cuenta(), 0);
    EXPECT_EQ(z->Grado(), 0);
    EXPECT_EQ(z->Eval(3.5), 0.0);
    EXPECT_EQ(z->A_Arreglo(), std::vector<double>{0.0});
}

TEST(Collpolinomio, DivisionWithRemainder)
{
    struct Caso { PoliPtr p; double a; std::vector<double> cociente; double resto; };
    const Caso casos[] = {
        {poli({{1, 3}, {-1, 0}}), 1, {1, 1, 1}, 0},
        {poli({{1, 2}, {1, 0}}), 2, {2, 1}, 5},
        {poli({{1, 3}}), 0, {0, 0, 1}, 0},
        {Collpolinomio::Nuevo(), 7, {0}, 0},
    };
    for (const auto &c : casos) {
        double num = c.a;
        auto q = c.p->DivideconResiduo(num);
        EXPECT_EQ(q->A_Arreglo(), c.cociente);
        EXPECT_EQ(num, c.resto);
    }
}

TEST(Collpolinomio, EvalOverflowGivesInfinity)
{
    auto p = poli({{1, 1000}, {-1, 0}});
    EXPECT_TRUE(std::isinf(p->Eval(10)));
}
