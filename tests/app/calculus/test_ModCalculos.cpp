#include "CambiosDeSigno.h"
#include "ModCalculos.h"
#include "generapoli.h"

#include "test_ModCalculosAyuda.h"
#include "../../library/PolinomiosAula.h"

#include <gtest/gtest.h>

using namespace prueba;

namespace {

void EsperaIntervalos(const ResultadoIntervalos &r, const std::vector<double> &cortes,
                      const std::vector<std::int16_t> &codigos)
{
    ASSERT_EQ(r.intervalos.size(), cortes.size() + 1);
    EXPECT_EQ(r.codigos, codigos);
    EXPECT_EQ(r.n, static_cast<std::int16_t>(cortes.size()));
    EXPECT_EQ(r.intervalos.front().izquierdo, -INFINITO);
    EXPECT_EQ(r.intervalos.back().derecho, INFINITO);
    for (std::size_t i = 0; i < cortes.size(); ++i) {
        EXPECT_DOUBLE_EQ(r.intervalos[i].derecho, cortes[i]);
        EXPECT_DOUBLE_EQ(r.intervalos[i + 1].izquierdo, cortes[i]);
    }
}

// x^3 - 3x: P' = 3(x-1)(x+1), P'' = 6x.
FuncPolinPtr CubicaTresX()
{
    return Registro(Poli({{1, 3}, {-3, 1}}), {{-std::sqrt(3.0), 1}, {0, 1}, {std::sqrt(3.0), 1}},
                    {{-1, 1}, {1, 1}}, {{0, 1}});
}

} // namespace

TEST(RaicesReales, RootsOfPWithAndWithoutTheirMultiplicity)
{
    // (x - 1)^2 (x + 2)
    const auto fp = Registro(DesdeRaices(1, {{-2, 1}, {1, 2}}), {{-2, 1}, {1, 2}}, {{-1, 1}, {1, 1}}, {{0, 1}});
    EXPECT_EQ(RaicesReales(*fp), (std::vector<double>{-2, 1, 1}));
    const auto r = RaicesRealesDistintas(*fp);
    EXPECT_EQ(r.raices, (std::vector<double>{-2, 1}));
    EXPECT_EQ(r.n, 2);
    EXPECT_FALSE(r.sinRaices);

    // x^2 + 1: the critical point at 0 is not a root of P.
    const auto sin = Registro(Poli({{1, 2}, {1, 0}}), {}, {{0, 1}}, {});
    EXPECT_TRUE(RaicesReales(*sin).empty());
    EXPECT_TRUE(RaicesRealesDistintas(*sin).sinRaices);
}

TEST(RaicesDistintas, CriticalPointsOncePerValue)
{
    auto r = RaicesDistintas(*CubicaTresX());
    EXPECT_EQ(r.raices, (std::vector<double>{-1, 1}));
    EXPECT_EQ(r.n, 2);
    EXPECT_FALSE(r.sinRaices);

    // (x-1)^3: P' = 3(x-1)^2, the double root counted once.
    r = RaicesDistintas(*Registro(DesdeRaices(1, {{1, 3}}), {{1, 3}}, {{1, 2}}, {{1, 1}}));
    EXPECT_EQ(r.raices, (std::vector<double>{1}));
    EXPECT_EQ(r.n, 1);

    for (auto p : {Poli({{2, 1}, {1, 0}}), Poli({{5, 0}}), Collpolinomio::Nuevo()}) {
        r = RaicesDistintas(*Registro(p, {}, {}, {}));
        EXPECT_TRUE(r.sinRaices);
        EXPECT_EQ(r.n, 0);
        EXPECT_TRUE(r.raices.empty());
    }
}

TEST(RaicesDistintas, PolynomialGetsItsOwnRecord)
{
    struct Caso {
        PoliPtr p;
        std::vector<double> raices;
    } casos[] = {
        {Poli({{1, 3}, {-3, 1}}), {-1, 1}},
        {DesdeRaices(1, {{1, 3}}), {1}},
        {DesdeRaices(-2, {{-1, 2}, {0.5, 3}}), {-1, -0.4, 0.5}},
        {Poli({{2, 1}, {1, 0}}), {}},
        {Poli({{5, 0}}), {}},
    };
    for (const auto &c : casos) {
        const auto r = RaicesDistintas(c.p);
        ASSERT_EQ(r.raices.size(), c.raices.size());
        for (std::size_t i = 0; i < c.raices.size(); ++i)
            EXPECT_NEAR(r.raices[i], c.raices[i], 1e-6);
        EXPECT_EQ(r.sinRaices, c.raices.empty());
    }

    const auto clases = ClasificaPuntosCriticos(Poli({{1, 3}, {-3, 1}}));
    EXPECT_EQ(clases.clase, (std::vector<std::int16_t>{CLASE_MAXIMO, CLASE_MINIMO}));
    EXPECT_TRUE(ClasificaPuntosCriticos(Poli({{1, 1}})).sinPuntos);
    EXPECT_EQ(ClasificaPuntosCriticos(Poli({{1, 4}})).clase, std::vector<std::int16_t>{CLASE_MINIMO});
}

TEST(ClasePorCambioDeSigno, ThePointsOwnSignChangeOfTheDerivative)
{
    // P' = 60x^2 (x - 1)(x - 4): a horizontal inflection at 0 right next
    // to a maximum at 1; x^4 and -x^4 are flat extrema.
    const auto f = CreaFuncPolin(Poli({{12, 5}, {-75, 4}, {80, 3}}));
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, 0), CLASE_NINGUNO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, 1), CLASE_MAXIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, 4), CLASE_MINIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*CreaFuncPolin(Poli({{1, 4}})), 0), CLASE_MINIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*CreaFuncPolin(Poli({{-1, 4}, {1, 1}})), 0.629960524947437), CLASE_MAXIMO);
}

TEST(ClasePorCambioDeSigno, OddRootsOfTheDerivativeAreExtremaEvenOnesNot)
{
    // P' = -(x + 4)^3 (x + 5)^3 (x + 6)^3 (x + 7)^2 (x + 4.25)(x + 6.25):
    // coefficients up to 1e9, where P''(a) at the triple roots is rounding
    // and P' changes sign again within a quarter of a unit.
    const auto f = CreaFuncPolin(DesdeRaices(-1, {{-4, 3}, {-5, 3}, {-6, 3}, {-7, 2}, {-4.25, 1}, {-6.25, 1}})->Integral());
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -7), CLASE_NINGUNO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -6.25), CLASE_MAXIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -6), CLASE_MINIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -5), CLASE_MAXIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -4.25), CLASE_MINIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*f, -4), CLASE_MAXIMO);
    // A positive leading sign, and x^4's flat minimum.
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*CreaFuncPolin(Poli({{1, 3}, {-3, 1}})), -1), CLASE_MAXIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*CreaFuncPolin(Poli({{1, 4}})), 0), CLASE_MINIMO);
}

TEST(CalculaInflexiones, OnlyRootsWhereSecondDerivativeChangesSign)
{
    struct Caso {
        const char *nombre;
        FuncPolinPtr fp;
        std::vector<double> esperadas;
    } casos[] = {
        {"x^3", Registro(Poli({{1, 3}}), {{0, 3}}, {{0, 2}}, {{0, 1}}), {0}},
        {"x^4", Registro(Poli({{1, 4}}), {{0, 4}}, {{0, 3}}, {{0, 2}}), {}},
        {"x^2 - 1", Registro(Poli({{1, 2}, {-1, 0}}), {{-1, 1}, {1, 1}}, {{0, 1}}, {}), {}},
        // P'' = 20x^3 - 20x = 20x(x-1)(x+1)
        {"x^5 - 10/3 x^3", Registro(Poli({{1, 5}, {-10.0 / 3, 3}}), {}, {}, {{-1, 1}, {0, 1}, {1, 1}}),
         {-1, 0, 1}},
        // P'' = 30x^2 (x - 2): the double root 0 is no inflection.
        {"x^6/... ", Registro(Poli({{1, 5}, {-5, 4}}), {}, {}, {{0, 2}, {2, 1}}), {2}},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.nombre);
        const auto r = CalculaInflexiones(*c.fp);
        EXPECT_EQ(r.raices, c.esperadas);
        EXPECT_EQ(r.n, static_cast<std::int16_t>(c.esperadas.size()));
        EXPECT_EQ(r.sinRaices, c.esperadas.empty());
    }
}

TEST(IntervalosSigno, BandsBetweenDistinctRoots)
{
    auto r = IntervalosSigno(*Registro(Poli({{1, 2}, {-1, 0}}), {{-1, 1}, {1, 1}}, {{0, 1}}, {}));
    EsperaIntervalos(r, {-1, 1}, {1, -1, 1});
    EXPECT_EQ(r.m, 2);

    // A double root still separates two bands of the same sign.
    r = IntervalosSigno(*Registro(DesdeRaices(1, {{2, 2}}), {{2, 2}}, {{2, 1}}, {}));
    EsperaIntervalos(r, {2}, {1, 1});
    EXPECT_EQ(r.m, 2);

    // -(x+1)^3 (x-2): the bands alternate only across the odd roots here.
    r = IntervalosSigno(*Registro(DesdeRaices(-1, {{-1, 3}, {2, 1}}), {{-1, 3}, {2, 1}}, {}, {}));
    EsperaIntervalos(r, {-1, 2}, {-1, 1, -1});
    EXPECT_EQ(r.m, 4);
}

TEST(IntervalosSigno, NoRealRootIsOneBandOverTheLine)
{
    struct Caso {
        PoliPtr p;
        std::int16_t codigo;
    } casos[] = {
        {Poli({{1, 2}, {1, 0}}), 1},
        {Poli({{-1, 4}, {-3, 0}}), -1},
        {Poli({{7, 0}}), 1},
        {Collpolinomio::Nuevo(), CODIGO_NULO},
    };
    for (const auto &c : casos) {
        const auto r = IntervalosSigno(*Registro(c.p, {}, {}, {}));
        EsperaIntervalos(r, {}, {c.codigo});
        EXPECT_EQ(r.m, 0);
    }
}

TEST(IntervalosMonotonia, CutOnlyWhereDerivativeChangesSign)
{
    auto r = IntervalosMonotonia(*CubicaTresX());
    EsperaIntervalos(r, {-1, 1}, {1, -1, 1});
    EXPECT_EQ(r.m, 2);

    // x^3: P' = 3x^2 keeps its sign across its double root.
    r = IntervalosMonotonia(*Registro(Poli({{1, 3}}), {{0, 3}}, {{0, 2}}, {{0, 1}}));
    EsperaIntervalos(r, {}, {1});
    EXPECT_EQ(r.m, 0);

    // P = x^4/4 - x^3/3: P' = x^2 (x - 1), the smallest root is even.
    r = IntervalosMonotonia(*Registro(Poli({{0.25, 4}, {-1.0 / 3, 3}}), {}, {{0, 2}, {1, 1}}, {}));
    EsperaIntervalos(r, {1}, {-1, 1});
    EXPECT_EQ(r.m, 1);

    struct Caso {
        PoliPtr p;
        std::int16_t codigo;
    } enteras[] = {
        {Poli({{4, 0}}), CODIGO_CONSTANTE},
        {Collpolinomio::Nuevo(), CODIGO_CONSTANTE},
        {Poli({{-2, 1}, {1, 0}}), -1},
    };
    for (const auto &c : enteras)
        EsperaIntervalos(CalculaMonotonia(*Registro(c.p, {}, {}, {})), {}, {c.codigo});
}

TEST(IntervalosConcavidad, CutAtInflectionsWithTheSignOfTheSecondDerivative)
{
    // x^3: tested at -0.1355235 and 0.1355235.
    auto r = IntervalosConcavidad(*Registro(Poli({{1, 3}}), {{0, 3}}, {{0, 2}}, {{0, 1}}));
    EsperaIntervalos(r, {0}, {-1, 1});
    EXPECT_FALSE(r.esRecta);
    EXPECT_EQ(r.m, 1);

    // x^4: P''(0) = 0, then P''(1.271047) > 0.
    r = IntervalosConcavidad(*Registro(Poli({{1, 4}}), {{0, 4}}, {{0, 3}}, {{0, 2}}));
    EsperaIntervalos(r, {}, {1});
    EXPECT_EQ(r.m, 2);

    // -x^2 + 3: no root of P'' at all.
    EsperaIntervalos(IntervalosConcavidad(*Registro(Poli({{-1, 2}, {3, 0}}), {}, {{0, 1}}, {})),
                     {}, {-1});
}

TEST(IntervalosConcavidad, StraightLines)
{
    for (auto p : {Poli({{2, 1}, {-1, 0}}), Poli({{3, 0}}), Collpolinomio::Nuevo()}) {
        const auto r = IntervalosConcavidad(*Registro(p, {}, {}, {}));
        EsperaIntervalos(r, {}, {CODIGO_RECTA});
        EXPECT_TRUE(r.esRecta);
    }
}

TEST(IntervalosConcavidad, NeverCodeZeroWhereSecondDerivativeVanishesAtTheTestPoint)
{
    // P'' = x^2 (x - 1.271047)^2 vanishes at both usual test points.
    const PoliPtr segunda = DesdeRaices(1, {{0, 2}, {1.271047, 2}});
    const PoliPtr p = segunda->Integral()->Integral();
    auto r = IntervalosConcavidad(*Registro(p, {}, {}, {{0, 2}, {1.271047, 2}}));
    EsperaIntervalos(r, {}, {1});
    r = IntervalosConcavidad(*Registro(p->Producto(*Poli({{-1, 0}})), {}, {}, {{0, 2}, {1.271047, 2}}));
    EsperaIntervalos(r, {}, {-1});

    // P'' = (x + 1)(x - 1) x^2: the middle interval's midpoint is the double
    // root 0.
    const PoliPtr segunda2 = DesdeRaices(1, {{-1, 1}, {0, 2}, {1, 1}});
    r = IntervalosConcavidad(
        *Registro(segunda2->Integral()->Integral(), {}, {}, {{-1, 1}, {0, 2}, {1, 1}}));
    EsperaIntervalos(r, {-1, 1}, {1, -1, 1});
}

TEST(ClasificaPuntosCriticos, Classes)
{
    struct Caso {
        const char *nombre;
        FuncPolinPtr fp;
        std::vector<double> x;
        std::vector<std::int16_t> clase;
    } casos[] = {
        {"x^3 - 3x", CubicaTresX(), {-1, 1}, {CLASE_MAXIMO, CLASE_MINIMO}},
        {"x^3", Registro(Poli({{1, 3}}), {{0, 3}}, {{0, 2}}, {{0, 1}}), {0}, {CLASE_NINGUNO}},
        {"x^4", Registro(Poli({{1, 4}}), {{0, 4}}, {{0, 3}}, {{0, 2}}), {0}, {CLASE_MINIMO}},
        {"-x^4", Registro(Poli({{-1, 4}}), {{0, 4}}, {{0, 3}}, {{0, 2}}), {0}, {CLASE_MAXIMO}},
        // P' = x^3 (x - 0.02): the neighbour lies closer than the usual test
        // step, which would see no change of sign at 0.
        {"0.2x^5 - 0.005x^4", Registro(Poli({{0.2, 5}, {-0.005, 4}}), {}, {{0, 3}, {0.02, 1}}, {}),
         {0, 0.02}, {CLASE_MAXIMO, CLASE_MINIMO}},
        // A flat minimum: P'' below the tolerance, decided by P'.
        {"1e-8 x^2", Registro(Poli({{1e-8, 2}}), {{0, 2}}, {{0, 1}}, {}), {0}, {CLASE_MINIMO}},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.nombre);
        const auto r = ClasificaPuntosCriticos(*c.fp);
        EXPECT_EQ(r.x, c.x);
        EXPECT_EQ(r.clase, c.clase);
        EXPECT_EQ(r.n, static_cast<std::int16_t>(c.x.size()));
        EXPECT_FALSE(r.sinPuntos);
    }
    const auto sin = ClasificaPuntosCriticos(*Registro(Poli({{1, 1}}), {{0, 1}}, {}, {}));
    EXPECT_TRUE(sin.sinPuntos);
    EXPECT_EQ(sin.n, 0);
    EXPECT_TRUE(sin.x.empty() && sin.clase.empty());
}

TEST(ClasificaPuntosCriticos, CrowdedMultipleRootsByTheirMultiplicity)
{
    // P' vanishes to the third and second order a few thousandths apart:
    // between the two it is hardly more than rounding, so its sign there
    // tells nothing, while the record still holds both roots.
    const double M = CLASE_MAXIMO, m = CLASE_MINIMO, N = CLASE_NINGUNO;
    struct Caso {
        double principal, separacion;
        std::vector<double> clase;
    } casos[] = {
        {1, 0.003, {M, N, m}},
        {25000, 0.003, {M, N, m}},
        {-300, 0.003, {m, N, M}},
        {25000, 0.004, {M, N, m}},
        {-300, 0.006, {m, N, M}},
    };
    for (const auto &c : casos) {
        const auto r = ClasificaPuntosCriticos(
            DesdeRaices(c.principal, {{-0.5, 3}, {-0.5 + c.separacion, 2}, {3, 1}})->Integral());
        EXPECT_EQ(std::vector<double>(r.clase.begin(), r.clase.end()), c.clase)
            << "leading " << c.principal << ", apart " << c.separacion;
    }
}

TEST(MaxMinAbsoluto, ExtremaRangeAndLimits)
{
    struct Caso {
        const char *nombre;
        FuncPolinPtr fp;
        double maximo, minimo, abscisa;
        bool sinExtremo;
    } casos[] = {
        // Equal minima at -1 and 1: the leftmost is kept.
        {"x^4 - 2x^2", Registro(Poli({{1, 4}, {-2, 2}}), {}, {{-1, 1}, {0, 1}, {1, 1}}, {}),
         INFINITO, -1, -1, false},
        {"-x^2 + 4", Registro(Poli({{-1, 2}, {4, 0}}), {{-2, 1}, {2, 1}}, {{0, 1}}, {}), 4, -INFINITO,
         0, false},
        {"x^4 (horizontal)", Registro(Poli({{1, 4}, {1, 0}}), {}, {{0, 3}}, {{0, 2}}), INFINITO, 1, 0,
         false},
        {"x^3", Registro(Poli({{1, 3}}), {{0, 3}}, {{0, 2}}, {{0, 1}}), INFINITO, -INFINITO,
         -INFINITO, true},
        {"x^3 - 3x", CubicaTresX(), INFINITO, -INFINITO, -INFINITO, true},
        // x^4 - 2x^2 + 3 with only its local maximum 0 listed: no minimum
        // qualifies, the value falls back to P over the critical points.
        {"missing minima", Registro(Poli({{1, 4}, {-2, 2}, {3, 0}}), {}, {{0, 1}}, {}), INFINITO, 3, 0,
         false},
        // Even degree with no critical point listed at all.
        {"no critical point", Registro(Poli({{1, 2}, {1, 0}}), {}, {}, {}), INFINITO, -INFINITO,
         -INFINITO, true},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.nombre);
        const auto r = MaxMinAbsoluto(*c.fp);
        EXPECT_DOUBLE_EQ(r.valorMax, c.maximo);
        EXPECT_DOUBLE_EQ(r.valorMin, c.minimo);
        EXPECT_DOUBLE_EQ(r.abscisa, c.abscisa);
        EXPECT_EQ(r.sinExtremo, c.sinExtremo);
        EXPECT_FALSE(r.esConstante);
        const auto rango = RangoPolinomio(*c.fp);
        EXPECT_DOUBLE_EQ(rango.rango.izquierdo, c.minimo);
        EXPECT_DOUBLE_EQ(rango.rango.derecho, c.maximo);
        EXPECT_EQ(rango.n, 1);
        EXPECT_EQ(rango.sinExtremo, c.sinExtremo);
    }
}

TEST(MaxMinAbsoluto, TiesWithinRoundingGoToTheLeftmostPoint)
{
    // Equal extrema whose computed values differ only by rounding of the
    // expanded coefficients: the leftmost point is reported.
    struct Caso {
        const char *nombre;
        PoliPtr p;
        double abscisa;
        bool minimo;
    } casos[] = {
        {"(x+1)^2 (x-0.3)^2", DesdeRaices(1, {{-1, 2}, {0.3, 2}}), -1, true},
        {"(x^2-4)^2 (x^2-0.01)^2", DesdeRaices(1, {{-2, 2}, {2, 2}, {-0.1, 2}, {0.1, 2}}), -2, true},
        {"-(x+2)^2 (x+0.9)^2 (x+0.1)^2", DesdeRaices(-1, {{-0.1, 2}, {-0.9, 2}, {-2, 2}}), -2, false},
        {"-2(x-0.5)^2 (x-1)^2 (x-2.7)^2 (x-5)^2", DesdeRaices(-2, {{5, 2}, {2.7, 2}, {1, 2}, {0.5, 2}}), 0.5,
         false},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.nombre);
        const auto r = MaxMinAbsoluto(*CreaFuncPolin(c.p));
        EXPECT_NEAR(r.abscisa, c.abscisa, 1e-9);
        EXPECT_NEAR(c.minimo ? r.valorMin : r.valorMax, 0, 1e-12);
        EXPECT_EQ(c.minimo ? r.valorMax : r.valorMin, c.minimo ? INFINITO : -INFINITO);
        EXPECT_FALSE(r.sinExtremo);
    }
}

TEST(CreaFuncPolin, TightClusterKeepsItsSignMonotonicityAndClasses)
{
    // P' = 8400000 (x-1)^3 (x-1.04) (x-1.05)^3, P(1) = 0: P is zero only at
    // 1 and positive elsewhere; it falls, rises to 1.04, falls to 1.05 and
    // rises again.
    // Built from P' in whole-number factors, 42 (x-1)^3 (25x-26) (20x-21)^3,
    // so that every coefficient is exact.
    PoliPtr prima = Poli({{42, 0}});
    const std::pair<double, double> factores[] = {{1, -1}, {1, -1}, {1, -1}, {25, -26},
                                                  {20, -21}, {20, -21}, {20, -21}};
    for (const auto &[a, b] : factores)
        prima = prima->Producto(*Poli({{a, 1}, {b, 0}}));
    PoliPtr p = prima->Integral();
    p = p->Resta(*Poli({{p->Eval(1), 0}}));
    const auto fp = CreaFuncPolin(p);
    EsperaIntervalos(IntervalosSigno(*fp), {1}, {CODIGO_POSITIVO, CODIGO_POSITIVO});
    const auto monotonia = IntervalosMonotonia(*fp);
    ASSERT_EQ(monotonia.n, 3);
    EXPECT_EQ(monotonia.codigos, (std::vector<std::int16_t>{-1, 1, -1, 1}));
    EXPECT_NEAR(monotonia.intervalos[1].izquierdo, 1, 1e-12);
    EXPECT_NEAR(monotonia.intervalos[2].izquierdo, 1.04, 1e-12);
    EXPECT_NEAR(monotonia.intervalos[3].izquierdo, 1.05, 1e-9);
    const auto criticos = ClasificaPuntosCriticos(*fp);
    EXPECT_EQ(criticos.clase, (std::vector<std::int16_t>{CLASE_MINIMO, CLASE_MAXIMO, CLASE_MINIMO}));
}

TEST(CreaFuncPolin, TypedPrimitiveOfTwoTripleRootsATenthApart)
{
    // P typed multiplied out, with P' = (x-6)^3 (x-6.1)^3: P' changes sign
    // at both, so 6 is a maximum and 6.1 a minimum.
    const std::string texto = TextoExpandido(ExactoAula({1, {{6, 3}, {6.1, 3}}}).Integral(Racional(0)));
    const PoliPtr p = LeeTexto(texto);
    ASSERT_TRUE(p) << texto;
    const auto fp = CreaFuncPolin(p);
    const auto criticos = ClasificaPuntosCriticos(*fp);
    EXPECT_EQ(criticos.x, (std::vector<double>{6, 6.1}));
    EXPECT_EQ(criticos.clase, (std::vector<std::int16_t>{CLASE_MAXIMO, CLASE_MINIMO}));
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*fp, 6), CLASE_MAXIMO);
    EXPECT_EQ(calculos::ClasePorCambioDeSigno(*fp, 6.1), CLASE_MINIMO);
    EsperaIntervalos(IntervalosMonotonia(*fp), {6, 6.1}, {CODIGO_POSITIVO, CODIGO_NEGATIVO, CODIGO_POSITIVO});
    EXPECT_EQ(RaicesDistintas(*fp).raices, (std::vector<double>{6, 6.1}));
}

TEST(MaxMinAbsoluto, ConstantIsItsOwnMaximumAndMinimum)
{
    for (double c : {5.0, -2.5, 0.0}) {
        const PoliPtr p = c == 0 ? Collpolinomio::Nuevo() : Poli({{c, 0}});
        const auto fp = Registro(p, {}, {}, {});
        const auto r = MaxMinAbsoluto(*fp);
        EXPECT_EQ(r.valorMax, c);
        EXPECT_EQ(r.valorMin, c);
        EXPECT_TRUE(r.esConstante);
        EXPECT_TRUE(r.sinExtremo);
        const auto rango = RangoPolinomio(*fp);
        EXPECT_EQ(rango.rango.izquierdo, c);
        EXPECT_EQ(rango.rango.derecho, c);
        const auto lim = ExtensionPolinomio(*p);
        EXPECT_EQ(lim.limMenos, c);
        EXPECT_EQ(lim.limMas, c);
    }
}

TEST(ExtensionPolinomio, LimitsFromDegreeAndLeadingCoefficient)
{
    struct Caso {
        PoliPtr p;
        double menos, mas;
    } casos[] = {
        {Poli({{-2, 3}}), INFINITO, -INFINITO},
        {Poli({{3, 2}}), INFINITO, INFINITO},
        {Poli({{-1, 2}, {5, 1}}), -INFINITO, -INFINITO},
        {Poli({{1, 1}, {-7, 0}}), -INFINITO, INFINITO},
        {Poli({{0.5, 5}, {-9, 4}}), -INFINITO, INFINITO},
    };
    for (const auto &c : casos) {
        const auto r = ExtensionPolinomio(*c.p);
        EXPECT_EQ(r.limMenos, c.menos);
        EXPECT_EQ(r.limMas, c.mas);
    }
}

TEST(ParidadPolinomio, ExactlyOneFlag)
{
    struct Caso {
        PoliPtr p;
        bool ninguna, par, impar;
    } casos[] = {
        {Poli({{1, 4}, {1, 2}}), false, true, false},
        {Poli({{1, 5}, {-1, 1}}), false, false, true},
        {Poli({{1, 2}, {1, 1}}), true, false, false},
        {Poli({{1, 3}, {1, 0}}), true, false, false},
        {Poli({{4, 0}}), false, true, false},
        {Collpolinomio::Nuevo(), false, true, false},
        {Poli({{-3, 1}}), false, false, true},
    };
    for (const auto &c : casos) {
        const auto r = ParidadPolinomio(*c.p);
        EXPECT_EQ(r.ninguna, c.ninguna);
        EXPECT_EQ(r.par, c.par);
        EXPECT_EQ(r.impar, c.impar);
    }
}

TEST(CasiIgual, RelativeToTheProgramValue)
{
    struct Caso {
        double a, b, tol;
        bool igual;
    } casos[] = {
        {1.0005, 1, 0.001, true},
        {1.002, 1, 0.001, false},
        {0.0005, 0, 0.001, true},   // absolute against 0
        {0, 0.0005, 0.001, false},  // relative error 1
        {0, 1e-17, 0.001, false},   // only 0 itself is compared absolutely
        {0.002, 1e-17, 0.001, false},
        {-3.002, -3, 0.001, true},
        {2000.5, 2000, 0.001, true},
        {3, 2, 0.5, false},         // equal to the tolerance is not near
        {-0.25, 0, 0.25, false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(CasiIgual(c.a, c.b, c.tol), c.igual) << c.a << " vs " << c.b;
}

TEST(DentroTolerancia, AbsoluteUpToOneRelativeAbove)
{
    struct Caso {
        double a, b, tol;
        bool dentro;
    } casos[] = {
        {0.000009, 0, 1e-5, true},      // absolute around 0
        {0.000011, 0, 1e-5, false},
        {0.5 + 9e-6, 0.5, 1e-5, true},  // still absolute below 1
        {0.5 + 2e-5, 0.5, 1e-5, false},
        {-1 - 9e-6, -1, 1e-5, true},    // |b| = 1: absolute
        {1000.009, 1000, 1e-5, true},   // relative above 1: 1e-2 allowed
        {1000.02, 1000, 1e-5, false},
        {-250.002, -250, 1e-5, true},   // the sign does not matter
        {2 + 1.5e-6, 2, 1e-6, true},    // the constructions' 1e-6
        {2 + 3e-6, 2, 1e-6, false},
        {0.25, 0.25, 0, true},          // equal values with no tolerance
    };
    for (const auto &c : casos)
        EXPECT_EQ(DentroTolerancia(c.a, c.b, c.tol), c.dentro) << c.a << " vs " << c.b << " tol " << c.tol;
}

TEST(EsCeroEn, TheExactValueAgainstTheCheckTolerance)
{
    struct Caso {
        PoliPtr p;
        double a, tol;
        bool cero;
    } casos[] = {
        {DesdeRaices(0.1, {{9, 10}}), 9, 1e-6, true},            // terms of 1e11 cancel exactly
        {DesdeRaices(0.1, {{8, 1}, {9, 9}}), 9, 1e-6, true},
        {DesdeRaices(0.1, {{8, 1}, {9, 9}}), 8, 1e-6, true},
        {DesdeRaices(1, {{9, 14}}), 9, 1e-6, true},
        {DesdeRaices(0.1, {{9, 10}}), 8, 1e-6, false},           // P(8) = 0.1
        {DesdeRaices(0.1, {{9, 10}}), 10, 1e-6, false},
        {DesdeRaices(3e3, {{6, 3}, {-7, 3}, {1.5, 2}}), 6, 1e-6, true},
        {DesdeRaices(3e3, {{6, 3}, {-7, 3}, {1.5, 2}}), 6.01, 1e-6, false},
        {Poli({{1, 2}, {-4, 0}}), 2 + 1e-7, 1e-6, true},        // 4e-7 + 1e-14: within the check's bound
        {Poli({{1, 2}, {-4, 0}}), 2 + 1e-6, 1e-6, false},
        {Poli({{0.1, 3}, {-0.3, 1}}), 1, 0, false},              // P(1) = -0.2
        {Poli({{0.3, 2}, {-0.3, 0}}), 1, 0, true},               // P'(1) of 0.1x^3 - 0.3x, tol 0
    };
    for (const auto &c : casos)
        EXPECT_EQ(EsCeroEn(*c.p, c.a, c.tol), c.cero)
            << "a = " << c.a << ", p(a) = " << c.p->Exacto().Evalua(Racional::DesdeDouble(c.a)).Texto();
}

TEST(ComparaDerivada, CountsDifferingExponentsUpToTheDegreeOfQ)
{
    struct Caso {
        PoliPtr p, q;
        std::int16_t cuenta, termino;
    } casos[] = {
        {Poli({{3, 2}, {2, 0}}), Poli({{3, 2}, {2, 1}, {2, 0}}), 1, 1},
        {Poli({{3.002, 2}, {2, 0}}), Poli({{3, 2}, {2, 0}}), 0, -7},
        {Poli({{0.0005, 1}, {1, 0}}), Poli({{1, 0}}), 0, -7},
        {Poli({{1, 3}, {5, 1}}), Poli({{2, 3}, {1, 2}, {5, 1}, {1, 0}}), 3, 3},
        {Poli({{0.002, 0}}), Collpolinomio::Nuevo(), 1, 0}, // absolute where q's is 0
        {Collpolinomio::Nuevo(), Collpolinomio::Nuevo(), 0, -7},
    };
    for (const auto &c : casos) {
        std::int16_t termino = -7;
        EXPECT_EQ(ComparaDerivada(*c.p, *c.q, 0.001, termino), c.cuenta);
        EXPECT_EQ(termino, c.termino);
    }
}
