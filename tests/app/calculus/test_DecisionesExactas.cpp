// Signs, inflections, concavity, classes and extreme values decided on the
// exact polynomial: crowded multiple roots a hundredth to a fifth apart,
// P typed as its factors or as the exact primitive of factored P' or P'',
// judged against those factors.
#include "ExtremosExactos.h"
#include "ModCalculos.h"
#include "generapoli.h"

#include "ClsParserPoli.h"
#include "Collpolinomio.h"
#include "PoliExacto.h"
#include "Racional.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Factor {
    Racional raiz;
    int multiplicidad = 1;
};

// c prod (x - r)^m, the factors ascending.
struct Factorizado {
    Racional principal;
    std::vector<Factor> factores;

    PoliExacto Producto() const
    {
        PoliExacto p = PoliExacto::Constante(principal);
        for (const Factor &f : factores)
            p = p * PoliExacto::Lineal(f.raiz).Potencia(f.multiplicidad);
        return p;
    }
    std::string Texto() const
    {
        std::ostringstream s;
        s << principal.Texto();
        for (const Factor &f : factores)
            s << "(x-" << f.raiz.Texto() << ")^" << f.multiplicidad;
        return s.str();
    }
};

// The sign of the product right of x (x at or between its roots, or -INFINITO).
int SignoTras(const Factorizado &f, double x)
{
    int s = f.principal.Signo();
    for (const Factor &r : f.factores)
        if (r.raiz.ADouble() > x && r.multiplicidad % 2 == 1)
            s = -s;
    return s;
}

// Bands of the product cut at its roots (todas) or at those of odd
// multiplicity, each with its sign.
ResultadoIntervalos Bandas(const Factorizado &f, bool todas)
{
    ResultadoIntervalos r;
    double izquierdo = -INFINITO;
    for (const Factor &c : f.factores) {
        if (!todas && c.multiplicidad % 2 == 0)
            continue;
        r.intervalos.push_back({izquierdo, c.raiz.ADouble()});
        r.codigos.push_back(static_cast<std::int16_t>(SignoTras(f, izquierdo)));
        izquierdo = c.raiz.ADouble();
    }
    r.intervalos.push_back({izquierdo, INFINITO});
    r.codigos.push_back(static_cast<std::int16_t>(SignoTras(f, izquierdo)));
    return r;
}

void EsperaBandas(const ResultadoIntervalos &programa, const ResultadoIntervalos &verdad, const std::string &que)
{
    ASSERT_EQ(programa.intervalos.size(), verdad.intervalos.size()) << que;
    ASSERT_EQ(programa.codigos.size(), verdad.codigos.size()) << que;
    for (std::size_t i = 0; i < verdad.intervalos.size(); ++i) {
        EXPECT_EQ(programa.intervalos[i].izquierdo, verdad.intervalos[i].izquierdo) << que << " banda " << i;
        EXPECT_EQ(programa.intervalos[i].derecho, verdad.intervalos[i].derecho) << que << " banda " << i;
        EXPECT_EQ(programa.codigos[i], verdad.codigos[i]) << que << " banda " << i;
    }
}

// What the routines say of P built from f as P itself (orden 0), or as the
// primitive of P' = f (1), or the second primitive of P'' = f (2).
void Juzga(const Factorizado &f, int orden, const PoliPtr &p)
{
    const std::string que = (orden == 0 ? "P = " : orden == 1 ? "P' = " : "P'' = ") + f.Texto();
    const FuncPolinPtr fp = CreaFuncPolin(p);
    if (orden == 0)
        EsperaBandas(IntervalosSigno(*fp), Bandas(f, true), que + ", signo");
    if (orden == 1) {
        EsperaBandas(CalculaMonotonia(*fp), Bandas(f, false), que + ", monotonía");
        const PuntosCriticos c = ClasificaPuntosCriticos(*fp);
        ASSERT_EQ(c.x.size(), f.factores.size()) << que;
        for (std::size_t i = 0; i < f.factores.size(); ++i) {
            const Factor &r = f.factores[i];
            const std::int16_t clase = r.multiplicidad % 2 == 0            ? CLASE_NINGUNO
                                       : SignoTras(f, r.raiz.ADouble()) > 0 ? CLASE_MINIMO
                                                                            : CLASE_MAXIMO;
            EXPECT_EQ(c.x[i], r.raiz.ADouble()) << que;
            EXPECT_EQ(c.clase[i], clase) << que << " en " << r.raiz.Texto();
        }
    }
    if (orden == 2) {
        std::vector<double> inflexiones;
        for (const Factor &r : f.factores)
            if (r.multiplicidad % 2 == 1)
                inflexiones.push_back(r.raiz.ADouble());
        EXPECT_EQ(CalculaInflexiones(*fp).raices, inflexiones) << que;
        EsperaBandas(IntervalosConcavidad(*fp), Bandas(f, false), que + ", concavidad");
    }
}

PoliPtr Teclea(const std::string &texto)
{
    PoliPtr p;
    int posicion = 0;
    EXPECT_EQ(ParserPoli().Polinomio(texto, p, posicion), 0) << texto;
    return p;
}

// As the student types the factors: "-0.5(x-5.5)^(4)(x+5.6)^(4)".
std::string ComoSeTeclea(const Factorizado &f)
{
    std::ostringstream s;
    s << f.principal.ADouble();
    for (const Factor &r : f.factores) {
        const double v = r.raiz.ADouble();
        s << (v == 0 ? "x" : v > 0 ? "(x-" : "(x+");
        if (v != 0)
            s << std::abs(v) << ")";
        s << "^(" << r.multiplicidad << ")";
    }
    return s.str();
}

// Clusters of two or three roots a hundredth to a fifth apart, multiplicities
// 1 to 4, a leading factor a teacher picks; degree 2 to 14.
Factorizado Apinado(std::mt19937 &azar)
{
    auto entero = [&azar](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    static const Racional principales[] = {Racional(1), Racional(-1), Racional(1, 10), Racional(-1, 2),
                                           Racional(3), Racional(-2), Racional(1, 7)};
    Factorizado f;
    f.principal = principales[entero(0, 6)];
    int grado = 0;
    for (int g = entero(1, 3); g > 0; --g) {
        Racional r(entero(-90, 90), 10);
        if (!f.factores.empty() && r <= f.factores.back().raiz + Racional(1, 2))
            r = f.factores.back().raiz + Racional(entero(6, 30), 10);
        for (int k = entero(2, 3); k > 0 && grado < 12; --k) {
            const int m = entero(1, 4);
            f.factores.push_back({r, m});
            grado += m;
            r = r + Racional(entero(1, 20), 100);
        }
    }
    return f;
}

} // namespace

TEST(DecisionesExactas, CrowdedMultipleRootsAgainstTheirFactors)
{
    std::mt19937 azar(37);
    for (int caso = 0; caso < 150; ++caso) {
        const Factorizado f = Apinado(azar);
        const PoliExacto producto = f.Producto();
        Juzga(f, 0, Teclea(ComoSeTeclea(f)));
        Juzga(f, 1, Collpolinomio::DesdeExacto(producto.Integral(Racional(caso % 5 - 2))));
        Juzga(f, 2, Collpolinomio::DesdeExacto(producto.Integral(Racional(1)).Integral(Racional(caso % 3))));
        if (::testing::Test::HasFailure())
            return;
    }
}

// The cases that rounding decided before, each judged by its factors.
TEST(DecisionesExactas, NamedCrowdedCases)
{
    auto r = [](const char *t) { return *Racional::DesdeTexto(t); };
    const struct {
        int orden;
        Factorizado f;
    } casos[] = {
        {0, {1, {{r("5.5"), 4}, {r("5.6"), 4}}}},
        {0, {1, {{r("9.8"), 4}, {r("9.9"), 4}}}},
        {0, {1, {{8, 3}, {r("8.1"), 3}, {r("8.2"), 2}}}},
        {0, {1, {{r("1.7"), 3}, {r("1.71"), 3}}}},
        {0, {-1, {{8, 4}, {r("8.05"), 3}}}},
        {2, {1, {{r("1.7"), 3}, {r("1.71"), 3}}}},
        {2, {1, {{6, 3}, {r("6.01"), 3}}}},
        {2, {Racional(1, 10), {{r("-5.8"), 4}, {r("-5.7"), 4}, {r("-5.4"), 3}}}},
        {1, {1, {{r("9.8"), 1}, {r("9.9"), 4}, {10, 4}}}},
    };
    for (const auto &c : casos) {
        const PoliExacto producto = c.f.Producto();
        if (c.orden == 0)
            Juzga(c.f, 0, Teclea(ComoSeTeclea(c.f)));
        else if (c.orden == 1)
            Juzga(c.f, 1, Collpolinomio::DesdeExacto(producto.Integral(Racional(0))));
        else
            Juzga(c.f, 2, Collpolinomio::DesdeExacto(producto.Integral(Racional(0)).Integral(Racional(0))));
    }
}

// Two roots 87.75 apart near -1.25e22 stand in one gap of the doubles: the
// ends of their band, their nearest doubles, lie wider apart than the band.
TEST(DecisionesExactas, TwoRootsInOneGapOfTheDoubles)
{
    auto r = [](const char *t) { return *Racional::DesdeTexto(t); };
    const Factorizado f{1, {{r("-12500000000000000000087.75"), 1}, {r("-12500000000000000000000"), 1}, {1, 1}}};
    ASSERT_NE(f.factores[0].raiz.ADouble(), f.factores[1].raiz.ADouble());
    Juzga(f, 0, Collpolinomio::DesdeExacto(f.Producto()));
    Juzga(f, 2, Collpolinomio::DesdeExacto(f.Producto().Integral(Racional(0)).Integral(Racional(0))));

    // -1.25e22 is halfway between two doubles; the roots -1.25e22 -+ sqrt(2)
    // of a factor of their own lie on either side, so the interval that
    // isolates the lower one ends at -1.25e22, a root of another factor.
    // With the root -1.25e22 once the band between the two doubles is
    // negative; twice, positive.
    const struct {
        const char *texto;
        std::vector<std::int16_t> signos;
    } juntas[] = {
        {"(x^(2)+25000000000000000000000x+156249999999999999999999999999999999999999998)"
         "(x+12500000000000000000000)(x-1)",
         {1, -1, -1, 1}},
        {"(x^(2)+25000000000000000000000x+156249999999999999999999999999999999999999998)"
         "(x+12500000000000000000000)^(2)(x-1)",
         {-1, 1, -1, 1}},
    };
    for (const auto &c : juntas)
        EXPECT_EQ(IntervalosSigno(*CreaFuncPolin(Teclea(c.texto))).codigos, c.signos) << c.texto;
}

// The quadratic rule does not change with a constant factor:
// 0.0000001(x - 1)(x - 2)(x - 3) typed expanded keeps its two critical
// points 2 -+ 1/sqrt(3), a maximum and a minimum, and both monotonicity
// changes.
TEST(DecisionesExactas, ScaledQuadraticKeepsBothCriticalPoints)
{
    const FuncPolinPtr fp = CreaFuncPolin(Teclea("0.0000001x^(3)-0.0000006x^(2)+0.0000011x-0.0000006"));
    const PuntosCriticos c = ClasificaPuntosCriticos(*fp);
    ASSERT_EQ(c.x.size(), 2u);
    EXPECT_NEAR(c.x[0], 2 - 1 / std::sqrt(3.0), 1e-15);
    EXPECT_NEAR(c.x[1], 2 + 1 / std::sqrt(3.0), 1e-15);
    EXPECT_EQ(c.clase, (std::vector<std::int16_t>{CLASE_MAXIMO, CLASE_MINIMO}));
    EXPECT_EQ(CalculaMonotonia(*fp).codigos, (std::vector<std::int16_t>{1, -1, 1}));
}

// Extreme values: exactly 0 where the critical point is a root of P, the
// accurate value elsewhere, and a typed value held against it relatively,
// absolutely only when it is 0.
TEST(DecisionesExactas, ExtremeValuesAreExact)
{
    const struct {
        const char *texto;
        double minimo;
    } casos[] = {
        {"0.1(x-9)^(10)", 0.0},
        {"(x-1)^(2)(x-1.01)^(2)", 0.0},
        {"(x^(2)-2)^(4)", 0.0},
        {"(x^(2)-2)^(2)(x-3)^(2)", 0.0},
        {"x^(2)-0.0000000000057", -5.7e-12},
        {"0.1(x-9)^(10)+3", 3.0},
    };
    for (const auto &c : casos) {
        const PoliPtr p = Teclea(c.texto);
        const ExtremosAbsolutos e = MaxMinAbsoluto(*CreaFuncPolin(p));
        EXPECT_EQ(e.valorMin, c.minimo) << c.texto;
        EXPECT_EQ(RangoPolinomio(*CreaFuncPolin(p)).rango.izquierdo, c.minimo) << c.texto;
        EXPECT_TRUE(ExtremoCasiIgual(*p, true, c.minimo, 0.001)) << c.texto;
    }
    // A true minimum of -5.7e-12 or -3.6e-10 is no 0.
    EXPECT_FALSE(ExtremoCasiIgual(*Teclea("x^(2)-0.0000000000057"), true, 0, 0.001));
    EXPECT_FALSE(ExtremoCasiIgual(*Teclea("x^(2)-0.00000000036"), true, 0, 0.1));
    EXPECT_TRUE(ExtremoCasiIgual(*Teclea("x^(2)-0.00000000036"), true, -3.65e-10, 0.1));
    // At 0 the measure is absolute.
    EXPECT_TRUE(ExtremoCasiIgual(*Teclea("0.1(x-9)^(10)"), true, 0.0009, 0.001));
    EXPECT_FALSE(ExtremoCasiIgual(*Teclea("0.1(x-9)^(10)"), true, 0.0011, 0.001));
    // The maximum side, and a crowded one: -(x - 2)^2 (x - 2.01)^2 + 1e-9.
    const PoliPtr alto = Teclea("-(x-2)^(2)(x-2.01)^(2)+0.000000001");
    EXPECT_EQ(MaxMinAbsoluto(*CreaFuncPolin(alto)).valorMax, 1e-9);
    EXPECT_FALSE(ExtremoCasiIgual(*alto, false, 0, 0.001));
}

// A typed value near a program value 0 is measured absolutely, near any
// other value relatively, however small.
TEST(DecisionesExactas, CasiIgualIsAbsoluteOnlyAtZero)
{
    EXPECT_TRUE(CasiIgual(0.005, 0, 0.01));
    EXPECT_FALSE(CasiIgual(0, 1e-12, 0.01));
    EXPECT_TRUE(CasiIgual(1.005e-12, 1e-12, 0.01));
}
