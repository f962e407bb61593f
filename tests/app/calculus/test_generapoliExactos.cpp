// Random problem polynomials are exactly the products their recipes mean:
// the draws of each seed are read ahead, the intended factors are built
// from them in exact arithmetic, and the made polynomial must be that
// product, coefficient for coefficient (a fraction stays a fraction).
#include "Azar.h"
#include "PoliExacto.h"
#include "Racional.h"
#include "generapoli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

// The draws a seed will give, served in order as the recipes take them.
class Sorteos {
public:
    explicit Sorteos(std::uint32_t semilla)
    {
        rt::SiembraAzar(semilla);
        for (int i = 0; i < 64; ++i)
            m_r.push_back(rt::Rnd());
        rt::SiembraAzar(semilla);
    }
    // (-1) raised to the integer nearest to 10 r, a half to the even one.
    long Signo() { return static_cast<long>(std::nearbyint(10.0 * Sig())) % 2 == 0 ? 1 : -1; }
    long U(int n) { return static_cast<long>(std::floor(n * Sig())) + 1; }
    long Z(int n) { return static_cast<long>(std::floor(n * Sig())); }
    long SU(int n) { const long s = Signo(); return s * U(n); }
    long SZ(int n) { const long s = Signo(); return s * Z(n); }

private:
    double Sig() { return static_cast<double>(m_r.at(m_i++)); }
    std::vector<float> m_r;
    std::size_t m_i = 0;
};

using R = Racional;
using PE = PoliExacto;

PE X(int k) { return PE::Monomio(R(1), k); }
PE C(const R &c) { return PE::Constante(c); }
// x + a
PE Mas(const R &a) { return PE::Lineal(-a); }
PE Primitiva(const PE &derivada) { return derivada.Integral(R(0)); }
// a x^m (x^2 - 1)(x^2 - q)
PE Factorizado(int m, long a, long q) { return R(a) * X(m) * Mas(1) * Mas(-1) * (X(2) - C(q)); }
long Q(Sorteos &d) { const long q = d.Z(3) + 2; return q * q; }

struct Receta {
    int grado, paridad, cualidad;
    // The intended polynomial from the draws, in the recipe's order.
    std::function<PE(Sorteos &)> verdad;
};

std::vector<Receta> Recetas()
{
    std::vector<Receta> r = {
        {2, 1, 0, [](Sorteos &d) { const long s = d.Signo(), a = s * d.U(8), b = d.SU(8); return R(a) * Mas(-b).Potencia(2); }},
        {2, 1, 1, [](Sorteos &d) {
             const long s = d.Signo(), a = s * d.U(6), b = d.SU(8);
             R c(d.SZ(9));
             if (c == R(b) / R(a))
                 c = c + R(2);
             return R(a) * Mas(-R(b) / R(a)) * Mas(-c);
         }},
        {2, 1, 2, [](Sorteos &d) {
             const long s = d.Signo(), a = s * d.U(6), b = d.SU(6), c = d.U(9);
             return R(a) * (Mas(-b).Potencia(2) + C(c));
         }},
        {3, 1, 0, [](Sorteos &d) {
             const long s = d.Signo(), x0 = s * d.Z(4);
             long c = 2 * d.SZ(4);
             const long b = 2 * d.SU(3), a = 3 * d.SU(2);
             if (R(std::labs(c)) == R(std::labs(b)) / R(std::labs(a)))
                 c += 2;
             const PE p = Primitiva((R(a) * X(1) + C(b)) * Mas(c));
             return p - C(p.Evalua(R(x0)));
         }},
        {3, 1, 1, [](Sorteos &d) {
             d.Signo(); d.Z(4); d.SZ(4);
             const long b = 2 * d.SU(3), a = 3 * d.SU(2);
             return R(a, 3) * Mas(b).Potencia(3);
         }},
        {4, 0, 0, [](Sorteos &d) {
             const long s = d.Signo(), a = s * d.U(6), c = -s * d.U(6), dd = -d.Z(7);
             return (R(a) * X(2) + C(c)) * (X(2) + C(dd));
         }},
        {4, 1, 1, [](Sorteos &d) {
             const long s = d.Signo(), a = 2 * s * d.U(4), b = 6 * d.SU(4);
             return Primitiva(X(1) * (R(a) * X(1) + C(b)).Potencia(2));
         }},
        {5, 0, 3, [](Sorteos &d) {
             const long s = d.Signo(), a = 15 * s * d.U(3), b = -d.U(2);
             const long c = b * (5 + d.U(4));
             return Primitiva(R(a) * (X(2) + C(b)) * (X(2) + C(c)));
         }},
    };
    // Even degrees.
    const long k2[] = {6, 8, 30, 24, 70}, j2[] = {1, 3, 2, 5, 3};
    for (int n = 6, i = 0; n <= 14; n += 2, ++i) {
        const long k = k2[i], j = j2[i];
        r.push_back({n, 0, 2, [n, k, j](Sorteos &d) {
                         const long s = d.Signo(), a = k * s * d.U(6), b = -j * d.U(4);
                         return Primitiva(R(a) * X(n - 5) * (X(2) + C(b)).Potencia(2));
                     }});
        r.push_back({n, 0, 3, [n](Sorteos &d) {
                         const long s = d.Signo(), a = s * d.U(3);
                         return Factorizado(n - 4, a, Q(d));
                     }});
        if (n == 10 || n == 12)
            continue; // their sixfold root is made otherwise
        // Degree 14 has 98 for 84: a coefficient of a whole sixth.
        const long factor = n == 6 ? 12 : n == 8 ? 24 : 98;
        r.push_back({n, 1, 3, [n, factor](Sorteos &d) {
                         const long s = d.Signo(), a = factor * s * d.U(4), b = (n - 1) * d.SU(3);
                         return Primitiva(R(a) * X(n - 3) * Mas(b).Potencia(2));
                     }});
    }
    // Odd degrees.
    for (int n = 7; n <= 15; n += 2) {
        r.push_back({n, 0, 4, [n](Sorteos &d) {
                         const long s = d.Signo();
                         long a, q;
                         if (n == 11) {
                             q = Q(d);
                             a = s * d.U(10);
                         } else {
                             a = s * d.U(10);
                             q = Q(d);
                         }
                         return Factorizado(n - 4, a, q);
                     }});
        r.push_back({n, 1, 1, [n](Sorteos &d) {
                         const long s = d.Signo(), a = n * (n - 2) * s * d.U(6), b = ((n - 1) / 2) * d.SU(4);
                         return Primitiva(R(a) * X(n - 3) * Mas(b).Potencia(2));
                     }});
        r.push_back({n, 1, 2, [n](Sorteos &d) {
                         const long s = d.Signo(), a = s * d.U(3), b = d.SU(4), c = d.SU(4);
                         return R(a) * X(n - 2) * Mas(b) * Mas(c);
                     }});
    }
    return r;
}

} // namespace

TEST(RecetasExactas, EveryFactoredKindIsTheProductOfItsFactors)
{
    for (const Receta &k : Recetas())
        for (std::uint32_t semilla = 1; semilla <= 150; ++semilla) {
            Sorteos d(semilla * 7919u + static_cast<std::uint32_t>(k.grado));
            const PE verdad = k.verdad(d);
            DamePolinomioProblema(k.grado, k.paridad, k.cualidad);
            ASSERT_TRUE(PoliAzar->Exacto() == verdad)
                << "(" << k.grado << "," << k.paridad << "," << k.cualidad << ") semilla " << semilla;
            // The doubles are the nearest to the exact coefficients.
            const std::vector<double> dobles = verdad.Doubles();
            for (int e = 0; e <= verdad.Grado(); ++e)
                ASSERT_EQ(PoliAzar->ElementoExponente(static_cast<std::int16_t>(e))->coef(),
                          dobles[static_cast<std::size_t>(e)]);
        }
}

TEST(RecetasExactas, DegreeFourteenKeepsItsSixths)
{
    // A = 98, B = 13: the x^12 coefficient is 98 * 169 / 12 = 8281/6.
    rt::ProgramaAzar({0.04f, 0.0f, 0.04f, 0.0f});
    DamePolinomioProblema(14, 1, 3);
    rt::OlvidaAzarProgramado();
    EXPECT_EQ(PoliAzar->Exacto().Coeficiente(12), R(8281, 6));
    EXPECT_EQ(PoliAzar->Exacto().Coeficiente(14), R(7));
    EXPECT_EQ(PoliAzar->Exacto().Coeficiente(13), R(196));
}
