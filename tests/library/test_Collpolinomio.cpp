#include "Collpolinomio.h"
#include "Entero16.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

PoliPtr poli(std::initializer_list<std::pair<double, int>> terminos)
{
    auto p = Collpolinomio::Nuevo();
    for (auto [c, e] : terminos)
        p->Agrega(c, static_cast<std::int16_t>(e));
    return p;
}

// Coefficients from x^0 up, as A_Arreglo gives them.
using Coefs = std::vector<double>;

} // namespace

TEST(Collpolinomio, AgregaKeepsOrderAndDropsZeros)
{
    auto p = poli({{1, 1}, {5, 0}, {1, 3}});
    ASSERT_EQ(p->Cuenta(), 3);
    EXPECT_EQ(p->Elemento(1)->expon(), 3);
    EXPECT_EQ(p->Elemento(2)->expon(), 1);
    EXPECT_EQ(p->Elemento(3)->expon(), 0);
    auto hueco = p->ElementoClave("2");
    EXPECT_EQ(hueco->coef(), 0.0);
    EXPECT_EQ(hueco->expon(), 2);
    EXPECT_EQ(p->Cuenta(), 3);

    EXPECT_EQ(p->Agrega(0, 3), nullptr);
    EXPECT_EQ(p->A_Arreglo(), (Coefs{5, 1, 0, 1}));

    // The term that absorbs an addition is the stored one, even when it drops out.
    auto x3 = p->Elemento(1);
    EXPECT_EQ(p->Agrega(-1, 3), x3);
    EXPECT_EQ(x3->coef(), 0.0);
    EXPECT_EQ(p->Cuenta(), 2);

    auto z = poli({{2, 2}, {-2, 2}});
    EXPECT_EQ(z->Cuenta(), 0);
    EXPECT_EQ(z->Grado(), 0);
    for (double x : {-3.0, 0.0, 3.5})
        EXPECT_EQ(z->Eval(x), 0.0);
    EXPECT_EQ(z->A_Arreglo(), Coefs{0.0});
    EXPECT_EQ(poli({{7, 0}})->Grado(), 0);
}

TEST(Collpolinomio, ElementoPastTheEndIsADetachedZeroTerm)
{
    auto p = poli({{4, 5}, {2, 3}});
    // Position 3 does not exist; the stored x^3 term must not be handed out.
    auto t = p->Elemento(3);
    EXPECT_EQ(t->coef(), 0.0);
    EXPECT_EQ(t->expon(), 3);
    t->coef(9);
    EXPECT_EQ(p->ElementoClave("3")->coef(), 2.0);

    EXPECT_EQ(p->ElementoClave("5")->coef(), 4.0);
    EXPECT_EQ(p->ElementoClave("5"), p->Elemento(1)); // a reference, not a copy
    EXPECT_THROW(p->ElementoClave("abc"), std::invalid_argument);
    EXPECT_THROW(p->ElementoClave("3x"), std::invalid_argument);
    EXPECT_THROW(p->ElementoClave("40000"), rt::ErrorDesbordamiento);
    EXPECT_THROW(p->Elemento(40000), rt::ErrorDesbordamiento);

    p->RemueveClave("7"); // missing keys are ignored
    p->Remueve(9);
    EXPECT_EQ(p->Cuenta(), 2);
    p->RemueveClave("3");
    EXPECT_EQ(p->A_Arreglo(), (Coefs{0, 0, 0, 0, 0, 4}));
}

TEST(Collpolinomio, NegativeExponentKeepsTheOrder)
{
    auto p = poli({{1, 2}, {5, 0}});
    p->Agrega(2, -1); // stored as exponent 0
    ASSERT_EQ(p->Cuenta(), 2);
    EXPECT_EQ(p->Elemento(2)->expon(), 0);
    EXPECT_EQ(p->Elemento(2)->coef(), 7.0);
}

TEST(Collpolinomio, Evaluation)
{
    auto p = poli({{3, 2}, {-1, 1}, {5, 0}});
    EXPECT_EQ(p->Eval(2), 15.0);
    EXPECT_EQ((*p)(-1), 9.0);
    EXPECT_EQ(poli({{1, 4}})->Eval(3), 81.0);
    EXPECT_EQ(poli({{1, 1000}, {-1, 0}})->Eval(10), INFINITY);
    EXPECT_EQ(poli({{1, 1001}})->Eval(-10), -INFINITY);
}

TEST(Collpolinomio, DivisionWithRemainder)
{
    struct Caso {
        PoliPtr p;
        double a;
        Coefs cociente;
        double resto;
    };
    const Caso casos[] = {
        {poli({{1, 3}, {-1, 0}}), 1, {1, 1, 1}, 0},
        {poli({{1, 2}, {1, 0}}), 2, {2, 1}, 5},
        {poli({{1, 3}}), 0, {0, 0, 1}, 0},
        {poli({{2, 3}, {-3, 2}, {-1, 0}}), -1, {5, -5, 2}, -6},
        {poli({{4, 0}}), 3, {0}, 4},
        {Collpolinomio::Nuevo(), 7, {0}, 0},
    };
    for (const auto &c : casos) {
        double num = c.a;
        auto q = c.p->DivideconResiduo(num);
        EXPECT_EQ(q->A_Arreglo(), c.cociente) << c.a;
        EXPECT_EQ(num, c.resto) << c.a;
        EXPECT_FALSE(std::signbit(num) && num == 0.0);
        EXPECT_EQ(q->coefind(), c.p->coefind());
    }
}

TEST(Collpolinomio, DivisionOverflowStopsWithoutFailing)
{
    double num = 1e200;
    auto q = poli({{1, 3}, {1, 0}})->DivideconResiduo(num);
    EXPECT_TRUE(std::isinf(num));
    EXPECT_EQ(q->Grado(), 2);
}

TEST(Collpolinomio, Powers)
{
    EXPECT_EQ(Collpolinomio::Nuevo()->Potencia(0)->A_Arreglo(), Coefs{1});
    EXPECT_EQ(poli({{2, 1}})->Potencia(3)->A_Arreglo(), (Coefs{0, 0, 0, 8}));
    EXPECT_EQ(poli({{1, 1}, {1, 0}})->Potencia(2)->A_Arreglo(), (Coefs{1, 2, 1}));
    EXPECT_EQ(poli({{1, 1}, {-1, 0}})->Potencia(1)->A_Arreglo(), (Coefs{-1, 1}));
    EXPECT_EQ(Collpolinomio::Nuevo()->Potencia(3)->Cuenta(), 0);
}

TEST(Collpolinomio, DerivativeAndIntegral)
{
    auto p = poli({{3, 2}, {-1, 1}, {5, 0}});
    auto d = p->Prima();
    EXPECT_EQ(d->A_Arreglo(), (Coefs{-1, 6}));
    EXPECT_EQ(d->Integral(4)->A_Arreglo(), (Coefs{4, -1, 3}));
    EXPECT_EQ(poli({{5, 0}})->Prima()->Cuenta(), 0);
    EXPECT_EQ(Collpolinomio::Nuevo()->Integral()->Cuenta(), 0);
    EXPECT_THROW(poli({{1, 32767}})->Integral(), rt::ErrorDesbordamiento);
}

TEST(Collpolinomio, Diferente)
{
    struct Caso {
        PoliPtr p, q;
        Coefs diferencia;
    };
    const Caso casos[] = {
        {poli({{1000, 1}, {1, 0}}), poli({{1000.0001, 1}, {1, 0}}), {0}}, // relative 1e-07
        {Collpolinomio::Nuevo(), poli({{0.0000005, 0}}), {0}},           // not above 1e-06
        {poli({{1, 1}}), poli({{1, 1}, {1, 0}}), {1}},
        {poli({{2, 2}}), poli({{-1, 2}, {1, 1}}), {0, 1, 3}},
    };
    for (const auto &c : casos)
        EXPECT_EQ(c.p->Diferente(*c.q)->A_Arreglo(), c.diferencia);
    // Relative to the caller's coefficient, so not symmetric.
    auto uno = poli({{1, 0}});
    auto dos = poli({{2, 0}});
    EXPECT_EQ(uno->Diferente(*dos, 0.75)->A_Arreglo(), Coefs{1}); // 1/1 > 0.75
    EXPECT_EQ(dos->Diferente(*uno, 0.75)->Cuenta(), 0);           // 1/2 is not
}

TEST(Collpolinomio, ArraysAndCandidates)
{
    auto p = Collpolinomio::Nuevo();
    EXPECT_EQ(p->coefind(), Coefs{0});
    p->Desde_Arreglo({5, 0, 2});
    EXPECT_EQ(p->A_Arreglo(), (Coefs{5, 0, 2}));
    EXPECT_EQ(p->coefind(), (Coefs{0, 5}));

    auto q = Collpolinomio::Nuevo();
    q->coefind({0, 7});
    q->Desde_Arreglo({0, 0, 2});
    EXPECT_EQ(q->A_Arreglo(), (Coefs{0, 0, 2}));
    EXPECT_EQ(q->coefind(), (Coefs{0, 7}));

    // Sums carry the argument's candidates, the others the caller's.
    EXPECT_EQ(p->Suma(*q)->coefind(), (Coefs{0, 7}));
    EXPECT_EQ(p->Resta(*q)->coefind(), (Coefs{0, 5}));
    EXPECT_EQ(p->Producto(*q)->coefind(), (Coefs{0, 5}));
    EXPECT_EQ(p->Potencia(2)->coefind(), (Coefs{0, 5}));
    EXPECT_EQ(p->Prima()->coefind(), (Coefs{0, 5}));
    EXPECT_EQ(p->Integral()->coefind(), Coefs{0});
    EXPECT_EQ(p->Diferente(*q)->coefind(), Coefs{0});
}

TEST(Collpolinomio, ArithmeticAndCopies)
{
    auto p = poli({{1, 2}, {-1, 0}});
    auto q = poli({{1, 1}, {1, 0}});
    EXPECT_EQ(p->Suma(*q)->A_Arreglo(), (Coefs{0, 1, 1}));
    EXPECT_EQ(p->Resta(*q)->A_Arreglo(), (Coefs{-2, -1, 1}));
    EXPECT_EQ(p->Producto(*q)->A_Arreglo(), (Coefs{-1, -1, 1, 1}));
    EXPECT_EQ(p->Resta(*p)->Cuenta(), 0);
    EXPECT_THROW(poli({{1, 20000}})->Producto(*poli({{1, 20000}})), rt::ErrorDesbordamiento);

    auto c = p->Copia();
    c->Agrega(3, 1);
    c->Elemento(1)->coef(8);
    EXPECT_EQ(p->A_Arreglo(), (Coefs{-1, 0, 1}));
    EXPECT_EQ(c->A_Arreglo(), (Coefs{-1, 3, 8}));
}
