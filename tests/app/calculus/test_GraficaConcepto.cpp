// The polynomial q that "Graficar" draws for each finished concept, and its
// explanation, without any window.
#include "GraficaConcepto.h"

#include "Azar.h"
#include "test_ModCalculosAyuda.h"

#include <gtest/gtest.h>

using prueba::Poli;

namespace {
bool Iguales(const Collpolinomio &a, const Collpolinomio &b)
{
    return a.Diferente(b, 1e-9)->Cuenta() == 0;
}
} // namespace

TEST(GraficaConcepto, PoliDeCadaConcepto)
{
    const PoliPtr p = Poli({{1, 3}, {-3, 1}});
    const PoliPtr p1 = Poli({{3, 2}, {-3, 0}});
    // 0.5 gives k = Int(5 * 0.5 + 1) = 3; 0.0 gives 1.
    rt::ProgramaAzar({0.5f});
    EXPECT_TRUE(Iguales(*PoliConcepto(5, *p, *p1), *Poli({{1, 3}, {-3, 1}, {3, 0}})));
    EXPECT_TRUE(Iguales(*PoliConcepto(1, *p, *p1), *Poli({{-1, 5}, {2, 3}, {3, 1}})));
    EXPECT_TRUE(Iguales(*PoliConcepto(4, *p, *p1), *Poli({{1, 5}, {-2, 3}, {-3, 1}})));
    // Monotonicity: the integral of (x^2 + 1)(3x^2 - 3) = 3x^4 - 3.
    rt::ProgramaAzar({0.0f});
    EXPECT_TRUE(Iguales(*PoliConcepto(7, *p, *p1), *Poli({{0.6, 5}, {-3, 1}})));
    // Inflection: k1 drawn first (constant), then k2 (slope).
    rt::ProgramaAzar({0.0f, 0.9f});
    EXPECT_TRUE(Iguales(*PoliConcepto(10, *p, *p1), *Poli({{1, 3}, {2, 1}, {1, 0}})));
    // Extrema: c = Rnd + 0.1 rounded to three decimals.
    rt::ProgramaAzar({0.12345f});
    EXPECT_TRUE(Iguales(*PoliConcepto(12, *p, *p1), *Poli({{0.223, 3}, {-0.669, 1}})));
    EXPECT_EQ(PoliConcepto(0, *p, *p1)->Cuenta(), 0L);
    EXPECT_EQ(PoliConcepto(14, *p, *p1)->Cuenta(), 0L);
    rt::OlvidaAzarProgramado();
}

TEST(GraficaConcepto, ExplicacionPorConcepto)
{
    const int esperados[] = {0, 61, 62, 63, 64, 65, 142, 143, 144, 201, 202, 203, 204, 205, 0};
    for (int c = 0; c <= 14; ++c)
        EXPECT_EQ(MensajeConcepto(c), esperados[c]) << "concepto " << c;
}
