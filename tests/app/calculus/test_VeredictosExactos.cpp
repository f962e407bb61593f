// Zero tests, the real roots left beside required ones and absolute
// extreme values, decided on the exact polynomials and checked against
// the factors each polynomial was built from.
#include "ExtremosExactos.h"
#include "ModCalculos.h"
#include "RaicesPedidas.h"

#include "Collpolinomio.h"
#include "PoliExacto.h"
#include "Racional.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

Racional Q(const char *texto)
{
    return *Racional::DesdeTexto(texto);
}

struct Factor {
    Racional raiz;
    int multiplicidad;
};

// c prod (x - r)^m, times the extra factor when given.
PoliExacto Producto(const Racional &c, const std::vector<Factor> &factores, const PoliExacto &extra = {})
{
    PoliExacto p = PoliExacto::Constante(c);
    for (const Factor &f : factores)
        p = p * PoliExacto::Lineal(f.raiz).Potencia(f.multiplicidad);
    return extra.EsCero() ? p : p * extra;
}

// sum c_k x^k, from c_0 up.
PoliExacto Coeficientes(std::initializer_list<const char *> c)
{
    std::vector<Racional> v;
    for (const char *t : c)
        v.push_back(Q(t));
    return PoliExacto::DesdeCoeficientes(v);
}

PoliPtr Poli(const PoliExacto &p)
{
    return Collpolinomio::DesdeExacto(p);
}

PoliExacto operator+(const PoliExacto &p, const Racional &c)
{
    return p + PoliExacto::Constante(c);
}

} // namespace

// The wrong answers students found accepted at a required root, and the
// right ones beside them: P there is exactly what the factors give.
TEST(EsCeroEn, FlatAnswersByTheirExactValueAtTheRoot)
{
    struct Caso {
        PoliExacto p;
        double raiz;
        bool cero;
    } casos[] = {
        {Producto(Q("0.1"), {{9, 10}}), 9, true},
        {Producto(1, {{Q("8.9"), 8}}), 9, true},   // 1e-8: within the check's 1e-6
        {Producto(1, {{Q("8.8"), 8}}), 9, false},  // 2.56e-6
        {Producto(1, {{Q("9.2"), 8}}), 9, false},
        {Producto(1, {{Q("8.7"), 9}}), 9, false},
        {Producto(1, {{Q("8.5"), 10}}), 9, false},
        {Producto(3, {{Q("-9.2"), 4}, {Q("-8.8"), 3}}), -9, false},
        {Producto(Q("0.1"), {{Q("-9.3"), 4}, {Q("-9.4"), 4}}), -9, false},
        {Producto(10, {{Q("8.1"), 4}, {Q("8.3"), 2}, {Q("7.6"), 1}}), 8, false},
        {Producto(1, {{Q("9.000001"), 1}}), 9, true},   // exactly 1e-6 passes
        {Producto(1, {{Q("9.0000011"), 1}}), 9, false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(EsCeroEn(*Poli(c.p), c.raiz, 1e-6), c.cero)
            << "P(" << c.raiz << ") = " << c.p.Evalua(Racional::DesdeDouble(c.raiz)).Texto();
}

TEST(TieneOtraRaizReal, RootsTheRequiredOnesDoNotAccountFor)
{
    struct Caso {
        PoliExacto p;
        std::vector<Racional> pedidas;
        bool otra;
    } casos[] = {
        {Producto(Q("-1/3"), {{3, 1}, {4, 7}}), {3, 4}, false},
        {Producto(Q("1/3"), {{-1, 1}, {2, 1}, {3, 1}, {4, 8}}), {-1, 2, 3, 4}, false},
        {Producto(Q("1/3"), {{-4, 1}, {-2, 2}, {2, 1}, {3, 6}}), {-4, -2, 2, 3}, false},
        {Producto(1, {{-3, 6}, {-4, 8}}), {-4, -3}, false},
        {Producto(Q("2/7"), {{-1, 1}, {2, 1}, {3, 1}, {4, 4}}, Coeficientes({"37", "-12", "1"})), {-1, 2, 3, 4},
         false},
        // 4 within tolerance (P(4) = 1e-9): it stands for the root 4.1,
        // which P reaches without leaving [0, 1e-9].
        {Producto(-1, {{3, 1}, {Q("4.1"), 9}}), {3, 4}, false},
        // (x - 4)^2 + 1e-7 has no real root at all.
        {Coeficientes({"16.0000001", "-8", "1"}), {4}, false},
        // Really other roots: far, double, or a hair beside an exact one,
        // however small P is between.
        {Producto(Q("-1/3"), {{3, 1}, {4, 7}, {7, 1}}), {3, 4}, true},
        {Producto(1, {{-2, 1}, {1, 2}, {7, 2}}), {-2, 1}, true},
        {Producto(1, {{3, 1}, {4, 1}, {Q("4.001"), 1}}), {3, 4}, true},
        {Producto(1, {{3, 1}, {4, 2}, {Q("4.00005"), 1}}), {3, 4}, true},
        {Producto(Q("0.0000001"), {{3, 1}, {5, 2}}), {3}, true},
        // 4 within tolerance, but P leaves [P(4), 0] before it reaches 8.
        {Producto(1, {{8, 1}}, Coeficientes({"16.0000001", "-8", "1"})), {4}, true},
    };
    for (std::size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(calculos::TieneOtraRaizReal(casos[i].p, casos[i].pedidas), casos[i].otra) << "caso " << i;
}

TEST(ExtremosExactos, FlatExtremesAgainstTheRequiredValue)
{
    const PoliExacto plano = Producto(Q("0.1"), {{9, 10}});
    struct Caso {
        PoliExacto p;
        bool minimo;
        double valor;
        int comparacion; // sign of (extreme - valor)
    } casos[] = {
        {plano + 3, true, 3, 0},
        {plano, true, 0, 0},
        {plano + Q("-4"), true, -4, 0},
        {Racional(-1) * plano + 5, false, 5, 0},
        {plano + Q("3.0001"), true, 3, 1},
        {plano + Q("2.9999"), true, 3, -1},
        {Racional(-1) * plano + Q("5.0001"), false, 5, 1},
        {Racional(-1) * plano + Q("4.9999"), false, 5, -1},
        {plano + Q("-3.9999"), true, -4, 1},
        // 3x^2 - 8x + 25/3: the minimum is 3 at 4/3, with no rounding.
        {Coeficientes({"25/3", "-8", "3"}), true, 3, 0},
        // (x^2 - 2)^2 + 3: the minimum 3 at the irrational +-sqrt(2).
        {Coeficientes({"7", "0", "-4", "0", "1"}), true, 3, 0},
        {Coeficientes({"7", "0", "-4", "0", "1"}), true, 3.0001, -1},
        // A constant is its own minimum and maximum.
        {PoliExacto::Constante(-4), true, -4, 0},
        {PoliExacto::Constante(-4), false, -3, -1},
    };
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        const Caso &c = casos[i];
        const PoliPtr p = Poli(c.p);
        ASSERT_TRUE(TieneExtremo(*p, c.minimo)) << "caso " << i;
        EXPECT_EQ(ComparaExtremo(*p, c.minimo, c.valor), c.comparacion) << "caso " << i;
        EXPECT_EQ(MismoExtremo(*p, c.minimo, c.valor), c.comparacion == 0) << "caso " << i;
    }
    // Unbounded sides are the infinity value.
    const PoliPtr impar = Poli(Producto(1, {{1, 3}}));
    EXPECT_FALSE(TieneExtremo(*impar, true));
    EXPECT_TRUE(MismoExtremo(*impar, true, -INFINITO));
    EXPECT_TRUE(MismoExtremo(*impar, false, INFINITO));
    EXPECT_FALSE(MismoExtremo(*Poli(plano), true, -INFINITO));
    EXPECT_TRUE(MismoExtremo(*Poli(plano), false, INFINITO));
}

TEST(ExtremoCasiIgual, TypedValueRelativeToTheExactExtreme)
{
    const PoliPtr p = Poli(Producto(Q("0.1"), {{9, 10}}) + Q("-4"));
    EXPECT_TRUE(ExtremoCasiIgual(*p, true, -4, 0.001));
    EXPECT_TRUE(ExtremoCasiIgual(*p, true, -4.0039, 0.001));
    EXPECT_FALSE(ExtremoCasiIgual(*p, true, -4.0041, 0.001));
    EXPECT_FALSE(ExtremoCasiIgual(*p, true, -3.9959, 0.001));
    EXPECT_FALSE(ExtremoCasiIgual(*p, true, 4, 0.001));
    EXPECT_TRUE(ExtremoCasiIgual(*p, false, INFINITO, 0.001));
    EXPECT_FALSE(ExtremoCasiIgual(*p, false, 1000, 0.001));
    // A maximum of 0 is compared absolutely.
    const PoliPtr q = Poli(Racional(-1) * Producto(Q("0.1"), {{9, 10}}));
    EXPECT_TRUE(ExtremoCasiIgual(*q, false, 0.0009, 0.001));
    EXPECT_FALSE(ExtremoCasiIgual(*q, false, 0.0011, 0.001));
    // Only 0 itself: (x - 1)^2 - 1e-11 has its minimum -1e-11, however
    // small, and a typed 0 is no answer for it.
    const PoliPtr casiCero = Poli(Coeficientes({"0.99999999999", "-2", "1"}));
    EXPECT_TRUE(ExtremoCasiIgual(*casiCero, true, -1.0009e-11, 0.001));
    EXPECT_FALSE(ExtremoCasiIgual(*casiCero, true, 0, 0.001));
    EXPECT_FALSE(ExtremoCasiIgual(*casiCero, true, -0.0009, 0.001));
    // The irrational point sqrt(2) of (x^2 - 2)^2 + 3 - 1/1000.
    const PoliPtr r = Poli(Coeficientes({"6.999", "0", "-4", "0", "1"}));
    EXPECT_TRUE(ExtremoCasiIgual(*r, true, 2.999, 1e-9));
    EXPECT_FALSE(ExtremoCasiIgual(*r, true, 3, 1e-5));
}

namespace {

struct Azar {
    std::mt19937 gen{20261211};
    int entero(int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); }
    // A leading coefficient from the classroom to the large ones.
    Racional principal()
    {
        static const char *const principales[] = {"1/3", "2/7", "0.1", "1000/7", "3000/7", "250000/3", "7/9", "10"};
        const Racional c = Q(principales[entero(0, 7)]);
        return entero(0, 1) ? c : -c;
    }
};

} // namespace

// Flat wrong answers, one factor of multiplicity 7 to 10 a tenth to a half
// off the required root, are zero there exactly when the factors say so;
// right answers with terms up to 1e11 are zero there and leave no other
// root, and a root moved away from them is another one.
TEST(VeredictosExactos, PropiedadAzar)
{
    Azar azar;
    for (int prueba = 0; prueba < 200; ++prueba) {
        const int r = azar.entero(-9, 9);
        const int m = azar.entero(7, 10);
        const Racional delta = Racional(azar.entero(1, 5), 10) * Racional(azar.entero(0, 1) ? 1 : -1);
        const Racional c = azar.principal();
        const PoliExacto p = Producto(c, {{Racional(r) + delta, m}});
        // The truth: P(r) = c (-delta)^m.
        Racional verdad = c;
        for (int k = 0; k < m; ++k)
            verdad = verdad * -delta;
        EXPECT_EQ(EsCeroEn(*Poli(p), r, 1e-6), verdad.Abs() <= Q("0.000001")) << r << " " << m << " " << delta.Texto();
    }
    for (int prueba = 0; prueba < 100; ++prueba) {
        std::vector<Factor> factores;
        std::vector<Racional> pedidas;
        for (int n = azar.entero(1, 4); n > 0; --n) {
            const int r = azar.entero(-4, 4);
            if (std::find(pedidas.begin(), pedidas.end(), Racional(r)) != pedidas.end())
                continue;
            pedidas.push_back(r);
            factores.push_back({r, azar.entero(1, 8)});
        }
        const PoliExacto extra = azar.entero(0, 1) ? Coeficientes({"5", "-2", "1"}) : PoliExacto{};
        const PoliExacto p = Producto(azar.principal(), factores, extra);
        for (const Racional &r : pedidas)
            EXPECT_TRUE(EsCeroEn(*Poli(p), r.ADouble(), 1e-6));
        EXPECT_FALSE(calculos::TieneOtraRaizReal(p, pedidas));
        // One required root moved off by a tenth to a half stays a root of
        // its own beside the others.
        std::vector<Factor> movidos = factores;
        movidos.push_back({pedidas[0] + Racional(azar.entero(1, 5), 10), 1});
        EXPECT_TRUE(calculos::TieneOtraRaizReal(Producto(azar.principal(), movidos, extra), pedidas));
    }
    for (int prueba = 0; prueba < 100; ++prueba) {
        // c (x - a)^2k (x - b)^2 + v: its minimum (c > 0) or maximum is v.
        const Racional c = azar.principal();
        const Racional v = azar.entero(-10, 10);
        const PoliExacto p =
            Producto(c, {{azar.entero(-9, 9), 2 * azar.entero(1, 5)}, {azar.entero(-9, 9), 2}}) + v;
        const bool minimo = c.Signo() > 0;
        const PoliPtr pp = Poli(p);
        EXPECT_TRUE(MismoExtremo(*pp, minimo, v.ADouble()));
        EXPECT_FALSE(MismoExtremo(*pp, minimo, (v + Q("0.0001")).ADouble()));
        EXPECT_FALSE(MismoExtremo(*pp, minimo, (v - Q("0.0001")).ADouble()));
        EXPECT_EQ(ComparaExtremo(*pp, minimo, (v + Q("0.0001")).ADouble()), -1);
        EXPECT_EQ(ComparaExtremo(*pp, minimo, (v - Q("0.0001")).ADouble()), 1);
    }
}
