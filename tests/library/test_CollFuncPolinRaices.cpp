// Real roots of P, P' and P'' stored in the function record: order,
// multiplicity as repeated identical values, and accuracy.
#include "Avisos.h"
#include "ClsParserPoli.h"
#include "CollFuncPolin.h"
#include "PolinomiosAula.h"
#include "RaicesExactas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// a * prod (x - r), multiplied out exactly as the program does, from the
// decimals of a and of the roots.
PoliPtr DesdeRaices(const std::vector<double> &raices, double a = 1.0)
{
    PoliExacto e = PoliExacto::Constante(Racional::DesdeDouble(a));
    for (double r : raices)
        e = e * PoliExacto::Lineal(Racional::DesdeDouble(r));
    return Collpolinomio::DesdeExacto(e);
}

PoliPtr DesdeCoeficientes(const std::vector<std::pair<double, int>> &terminos)
{
    auto p = Collpolinomio::Nuevo();
    for (const auto &[c, e] : terminos)
        p->Agrega(c, static_cast<std::int16_t>(e));
    return p;
}

std::vector<double> Raices(const FuncPolinPtr &f, std::int16_t t)
{
    std::vector<double> v;
    for (const auto &r : *f)
        if (r->tipopol() == t)
            v.push_back(r->Raiz());
    return v;
}

std::vector<double> RaicesDe(const PoliPtr &p, std::int16_t precis = 6)
{
    auto f = CollFuncPolin::Nuevo();
    f->Precis(precis);
    f->Polin(p);
    f->CalculaRaices(0);
    return Raices(f, 0);
}

// Every expected value, in order; equal expected values must come out as
// identical stored values.
void EsperaRaices(const std::vector<double> &obtenidas, const std::vector<double> &esperadas,
                  double tolerancia, const std::string &caso)
{
    ASSERT_EQ(obtenidas.size(), esperadas.size()) << caso;
    for (std::size_t i = 0; i < esperadas.size(); ++i) {
        EXPECT_NEAR(obtenidas[i], esperadas[i], tolerancia) << caso << " root " << i;
        if (i > 0 && esperadas[i] == esperadas[i - 1]) {
            EXPECT_EQ(obtenidas[i], obtenidas[i - 1]) << caso << " repeated root " << i;
        }
    }
}

} // namespace

TEST(CalculaRaices, ExactCasesGiveExactValues)
{
    struct Caso {
        std::string nombre;
        PoliPtr p;
        std::vector<double> raices;
    };
    const std::vector<Caso> casos = {
        {"x^3-6x^2+11x-6", DesdeCoeficientes({{1, 3}, {-6, 2}, {11, 1}, {-6, 0}}), {1, 2, 3}},
        {"x^3-3x+2", DesdeCoeficientes({{1, 3}, {-3, 1}, {2, 0}}), {-2, 1, 1}},
        {"x^4-5x^2+4", DesdeCoeficientes({{1, 4}, {-5, 2}, {4, 0}}), {-2, -1, 1, 2}},
        {"x^2-2x+1", DesdeCoeficientes({{1, 2}, {-2, 1}, {1, 0}}), {1, 1}},
        {"x^2-2x+1.0000001", DesdeCoeficientes({{1, 2}, {-2, 1}, {1.0000001, 0}}), {1, 1}},
        {"5x^3", DesdeCoeficientes({{5, 3}}), {0, 0, 0}},
        {"2x+3", DesdeCoeficientes({{2, 1}, {3, 0}}), {-1.5}},
        {"x^5-32", DesdeCoeficientes({{1, 5}, {-32, 0}}), {2}},
        {"x^2-2", DesdeCoeficientes({{1, 2}, {-2, 0}}), {-std::sqrt(2.0), std::sqrt(2.0)}},
        {"x^2+bx", DesdeCoeficientes({{1, 2}, {3, 1}}), {-3, 0}},
        {"x^6-9x^3+8", DesdeCoeficientes({{1, 6}, {-9, 3}, {8, 0}}), {1, 2}},
    };
    for (const auto &c : casos) {
        const auto r = RaicesDe(c.p);
        EsperaRaices(r, c.raices, 1e-12, c.nombre);
        for (std::size_t i = 0; i < r.size(); ++i)
            if (c.raices[i] == std::floor(c.raices[i])) {
                EXPECT_EQ(r[i], c.raices[i]) << c.nombre;
            }
    }
}

TEST(CalculaRaices, NoRealRoots)
{
    EXPECT_TRUE(RaicesDe(DesdeCoeficientes({{1, 4}, {1, 0}})).empty());
    EXPECT_TRUE(RaicesDe(DesdeCoeficientes({{1, 2}, {1, 0}})).empty());
    EXPECT_TRUE(RaicesDe(DesdeCoeficientes({{1, 6}, {3, 4}, {1, 1}, {2, 0}})).empty());
    EXPECT_TRUE(RaicesDe(DesdeCoeficientes({{7, 0}})).empty());
    EXPECT_TRUE(RaicesDe(Collpolinomio::Nuevo()).empty());
}

TEST(CalculaRaices, UnsetPrecisionMeansToleranceOne)
{
    EsperaRaices(RaicesDe(DesdeCoeficientes({{1, 2}, {0.1, 1}, {0.1, 0}}), 0), {-0.05, -0.05}, 1e-15,
                 "x^2+0.1x+0.1");
}

TEST(CalculaRaices, ScaledPolynomialsKeepTheirRoots)
{
    EsperaRaices(RaicesDe(DesdeCoeficientes({{0.001, 3}, {-0.006, 2}, {0.011, 1}, {-0.006, 0}})), {1, 2, 3},
                 1e-12, "0.001(x-1)(x-2)(x-3)");
    EsperaRaices(RaicesDe(DesdeCoeficientes({{0.001, 2}, {-0.005, 1}, {0.006, 0}})), {2, 3}, 1e-12,
                 "0.001(x-2)(x-3)");
    EsperaRaices(RaicesDe(DesdeRaices({1, 2, 3}, 1e-7)), {1, 2, 3}, 1e-12, "1e-7(x-1)(x-2)(x-3)");
    EsperaRaices(RaicesDe(DesdeRaices({-4, 0.5, 7}, 1e6)), {-4, 0.5, 7}, 1e-12, "1e6 scale");
}

TEST(CalculaRaices, MultipleRootsFromExpandedProducts)
{
    struct Caso {
        std::vector<double> raices;
        double tolerancia;
    };
    const std::vector<Caso> casos = {
        {{2, 2}, 1e-12},
        {{-1, 3, 3}, 1e-12},
        {{0.5, 0.5, 0.5, -2}, 1e-12},
        {{1.3, 1.3, 1.3, 1.3, -0.4}, 1e-10},
        {{-2, 0.7, 0.7, 0.7, 0.7, 0.7, 0.7}, 1e-10},
        {{1.1, 1.1, 1.1, 1.1, 1.1, 1.1, 1.1, 1.1, 1.1, 1.1}, 1e-10},
        {{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, 1e-12},
        {{-3, -3, 2.5, 2.5, 2.5, 4}, 1e-10},
        {{-1.5, -1.5, -1.5, -1.5, -1.5, -1.5, 0.25, 2}, 1e-10},
        {{-2, -2, -1, 1, 1, 1, 2, 2, 2, 2}, 1e-10},
        {{-0.3, -0.3, 0.6, 0.6, 0.6, 1.7, 1.7, 1.7, 1.7}, 1e-10},
    };
    for (const auto &c : casos) {
        std::string nombre = "roots";
        for (double r : c.raices)
            nombre += " " + std::to_string(r);
        auto esperadas = c.raices;
        std::sort(esperadas.begin(), esperadas.end());
        EsperaRaices(RaicesDe(DesdeRaices(c.raices, 3)), esperadas, c.tolerancia, nombre);
    }
}

TEST(CalculaRaices, CloseDistinctRootsStayDistinct)
{
    const std::vector<std::vector<double>> casos = {
        {1, 1.01, -5},
        {1, 1.001, -5},
        {2, 2.02, 2.04},
        {-3, -2.997, 1, 4},
        {0.5, 0.505, 0.505, 3},
        {1, 1.001},
        {10, 10.01, 0, 1},
    };
    for (auto raices : casos) {
        std::string nombre = "roots";
        for (double r : raices)
            nombre += " " + std::to_string(r);
        const auto p = DesdeRaices(raices, 2);
        std::sort(raices.begin(), raices.end());
        EsperaRaices(RaicesDe(p), raices, 1e-9, nombre);
    }
}

TEST(CalculaRaices, DerivativeRootsShareValuesWithRootsOfP)
{
    // P = (x-1)^3 (x+2): P' has 1 twice and -1.25; P'' has 1 and -0.5.
    auto f = CollFuncPolin::Nuevo();
    f->Precis(6);
    f->Polin(DesdeRaices({1, 1, 1, -2}));
    f->CalculaRaices(0);
    f->Polder1(f->Polin()->Prima());
    f->Polder2(f->Polder1()->Prima());
    f->CalculaRaices(1);
    f->CalculaRaices(2);
    EsperaRaices(Raices(f, 0), {-2, 1, 1, 1}, 1e-12, "P");
    EsperaRaices(Raices(f, 1), {-1.25, 1, 1}, 1e-12, "P'");
    EsperaRaices(Raices(f, 2), {-0.5, 1}, 1e-12, "P''");
    ASSERT_EQ(f->raices().size(), 9u);
    std::int16_t tipoPrevio = 0;
    for (const auto &r : *f) {
        EXPECT_GE(r->tipopol(), tipoPrevio);
        tipoPrevio = r->tipopol();
    }
}

TEST(CalculaRaices, CandidateRootsOfTypedFactors)
{
    // 0.0000001 (x-1)(x-2)(x-3) with its factor roots and a false one.
    auto p = DesdeRaices({1, 2, 3}, 1e-7);
    p->coefind({0.0, 5.0, 1.0, 2.0, 3.0});
    EsperaRaices(RaicesDe(p), {1, 2, 3}, 0.0, "small leading coefficient");

    auto q = DesdeRaices({1.0 / 3, 1.0 / 3, 1.0 / 3, -4});
    q->coefind({0.0, 1.0 / 3, -4.0});
    const auto r = RaicesDe(q);
    EsperaRaices(r, {-4, 1.0 / 3, 1.0 / 3, 1.0 / 3}, 1e-14, "triple third");
    EXPECT_EQ(r[1], 1.0 / 3);

    // Taking out the typed roots one by one must not cost the others:
    // the quotients of a division by 14 no longer hold the fourfold 0.1.
    const struct {
        std::vector<double> raices;
        std::vector<double> candidatos;
        std::vector<double> esperadas;
    } tipeados[] = {
        {{14, 14, 14, 0.1, 0.1, 0.1, 0.1}, {0, 14, 0.1}, {0.1, 0.1, 0.1, 0.1, 14, 14, 14}},
        {{-17, 1, -0.2, -0.2, -0.2, -0.2}, {0, -17, 1, -0.2, -1}, {-17, -0.2, -0.2, -0.2, -0.2, 1}},
        {{-9.5, -9.5, 0.5, 0.5, 0.5, 13.5, 13.5, 13.5, -1.8, -1.8, -1.8}, {0, -0.5, -9.5, 0.5, 13.5, -1.8},
         {-9.5, -9.5, -1.8, -1.8, -1.8, 0.5, 0.5, 0.5, 13.5, 13.5, 13.5}},
    };
    for (const auto &c : tipeados) {
        auto t = DesdeRaices(c.raices);
        t->coefind(c.candidatos);
        const auto halladas = RaicesDe(t);
        EsperaRaices(halladas, c.esperadas, 0.0, "typed factors " + std::to_string(c.raices.size()));
    }

    // The same as the entry box hands them over.
    const std::pair<const char *, std::vector<double>> textos[] = {
        {"(x-14)^(3)(x-0.1)^(4)", {0.1, 0.1, 0.1, 0.1, 14, 14, 14}},
        {"(x+17)(x-1)(x+0.2)^(4)(x^(2)+1)", {-17, -0.2, -0.2, -0.2, -0.2, 1}},
        // Too close for the search on the whole, but every typed root
        // divides out exactly.
        {"(x+8)^(3)(x+15/2)^(4)(x+26/2)^(3)(x^(2)+1)", {-13, -13, -13, -8, -8, -8, -7.5, -7.5, -7.5, -7.5}},
    };
    for (const auto &[texto, esperadas] : textos) {
        PoliPtr leido;
        int ut = 0;
        ASSERT_EQ(ParserPoli().Polinomio(texto, leido, ut), 0) << texto;
        EsperaRaices(RaicesDe(leido), esperadas, 0.0, texto);
    }
}

TEST(CalculaRaices, CalledTwiceStoresEveryRootTwice)
{
    auto f = CollFuncPolin::Nuevo();
    f->Precis(6);
    f->Polin(DesdeCoeficientes({{1, 2}, {-1, 0}}));
    f->CalculaRaices(0);
    f->CalculaRaices(0);
    EXPECT_EQ(Raices(f, 0), (std::vector<double>{-1, -1, 1, 1}));
}

TEST(CalculaRaices, LeavesThePolynomialsUnchanged)
{
    auto p = DesdeRaices({1, 2, 2, 5});
    const auto antes = p->A_Arreglo();
    auto f = CollFuncPolin::Nuevo();
    f->Precis(6);
    f->Polin(p);
    f->CalculaRaices(0);
    EXPECT_EQ(p->A_Arreglo(), antes);
    EXPECT_EQ(f->PoliVacio()->Cuenta(), 0);
}

TEST(RaicesCuadrat, RefusesWhatIsNotQuadratic)
{
    rt::GrabadoraAvisos avisos;
    auto f = CollFuncPolin::Nuevo();
    f->Precis(6);
    PoliPtr cubica = DesdeRaices({1, 2, 3});
    double x1 = 7, x2 = 8;
    EXPECT_FALSE(f->RaicesCuadrat(cubica, x1, x2));
    EXPECT_EQ(cubica, f->PoliVacio());
    EXPECT_EQ(x1, 7);
    EXPECT_EQ(x2, 8);
    ASSERT_EQ(avisos.avisos().size(), 1u);
    EXPECT_EQ(avisos.avisos()[0].texto, "Error fatal: Trata de sacar raices a un polin no cuadratico");
}

TEST(CalculaCotas, BoundsOfPositiveAndNegativeRoots)
{
    auto f = CollFuncPolin::Nuevo();
    double cpos = -1, cneg = 1;
    f->CalculaCotas(DesdeCoeficientes({{1, 3}, {-6, 2}, {11, 1}, {-6, 0}}), cpos, cneg);
    EXPECT_DOUBLE_EQ(cpos, 7);
    EXPECT_EQ(cneg, 0);
    f->CalculaCotas(DesdeCoeficientes({{1, 3}, {-3, 1}, {2, 0}}), cpos, cneg);
    EXPECT_DOUBLE_EQ(cpos, 1 + std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(cneg, -(1 + std::sqrt(3.0)));
    f->CalculaCotas(DesdeCoeficientes({{1, 4}, {1, 2}, {1, 0}}), cpos, cneg);
    EXPECT_EQ(cpos, 0);
    EXPECT_EQ(cneg, 0);
}

TEST(CalculaRaices, RandomClassroomProductsKeepEveryRoot)
{
    // Values on a 0.1 grid at least 0.5 apart, one multiplicity up to 6
    // and the others up to 3, degree up to 12, leading coefficients from
    // 0.01 to 100. (Two 6-fold roots 0.6 apart are already below the
    // rounding of the coefficients.)
    std::mt19937 azar(20261210);
    for (int caso = 0; caso < 3000; ++caso) {
        std::vector<double> raices, distintas;
        int grado = 0;
        const int cuantas = 1 + static_cast<int>(azar() % 5);
        for (int d = 0; d < cuantas; ++d) {
            const double v = (static_cast<int>(azar() % 81) - 40) / 10.0;
            bool cerca = false;
            for (double w : distintas)
                cerca = cerca || std::fabs(w - v) < 0.45;
            const int m = 1 + static_cast<int>(azar() % (d == 0 ? 6 : 3));
            if (cerca || grado + m > 12)
                continue;
            distintas.push_back(v);
            grado += m;
            raices.insert(raices.end(), static_cast<std::size_t>(m), v);
        }
        const double a = std::pow(10.0, static_cast<int>(azar() % 5) - 2) * (azar() % 2 ? 1 : -1);
        const auto p = DesdeRaices(raices, a);
        std::sort(raices.begin(), raices.end());
        std::string nombre = "a=" + std::to_string(a) + " roots";
        for (double r : raices)
            nombre += " " + std::to_string(r);
        EsperaRaices(RaicesDe(p), raices, 1e-6, nombre);
        if (HasFailure())
            return;
    }
}


TEST(CalculaRaices, TightClusterOfExactCoefficientsIsNotMerged)
{
    // P' = 8400000 (x-1)^3 (x-1.04) (x-1.05)^3, P(1) = 0: P rises from 1 to
    // 1.04 and stays above zero by about 7e-7, nine units of rounding of the
    // size of its terms, and every coefficient is exact.
    const auto p = DesdeCoeficientes({{1050000, 8},
                                      {-8628000, 7},
                                      {31014900, 6},
                                      {-63702114, 5},
                                      {163534161.0 / 2, 4},
                                      {-67165182, 3},
                                      {34478703, 2},
                                      {-10113012, 1},
                                      {2595249.0 / 2, 0}});
    const auto f = RegistroDe(p);
    struct Caso {
        std::int16_t tipo;
        std::vector<double> raices;
    };
    const Caso casos[] = {
        {0, {1, 1, 1, 1}},
        {1, {1, 1, 1, 1.04, 1.05, 1.05, 1.05}},
    };
    for (const auto &c : casos)
        EsperaRaices(Raices(f, c.tipo), c.raices, 1e-9, "type " + std::to_string(c.tipo));
    const auto segunda = Raices(f, 2);
    ASSERT_EQ(segunda.size(), 6u);
    EXPECT_EQ(segunda[0], 1);
    EXPECT_EQ(segunda[1], 1);
    EXPECT_GT(segunda[2], 1);
    EXPECT_LT(segunda[2], 1.04);
    EXPECT_GT(segunda[3], 1.04);
    EXPECT_LT(segunda[3], 1.05);
    EXPECT_NEAR(segunda[4], 1.05, 1e-9);
    EXPECT_EQ(segunda[4], segunda[5]);
}

TEST(CalculaRaices, RecordOfRandomClassroomProducts)
{
    // Products as the random makers and typed exercises give them: whole,
    // half and tenth roots a whole unit apart, multiplicities 1 to 4,
    // degree up to 15, a small leading coefficient. P has exactly its
    // roots; a root of P of multiplicity m is one of P' of multiplicity
    // m - 1 and of P'' of m - 2, at the same place. (Closer roots with
    // decimal values are beyond double precision at the higher degrees:
    // rounding of the expanded coefficients alone splits or merges them.)
    std::mt19937 azar(16123);
    for (int caso = 0; caso < 2000; ++caso) {
        const PolinomioAula aula = SorteaAula(azar, 1 + static_cast<int>(azar() % 15), 0.95);
        const auto &factores = aula.factores;
        const std::vector<double> raices = RaicesAula(aula);
        const auto f = RegistroDe(PoliDeAula(aula));
        std::string nombre = "roots";
        for (double r : raices)
            nombre += " " + std::to_string(r);
        EsperaRaices(Raices(f, 0), raices, 1e-6, nombre);
        for (std::int16_t t = 1; t <= 2; ++t) {
            const auto derivada = Raices(f, t);
            for (const auto &[v, m] : factores) {
                if (m <= t)
                    continue; // a simple root of P may well be one of P'' too
                const auto cuantas = std::count_if(derivada.begin(), derivada.end(),
                                                   [v = v](double x) { return std::fabs(x - v) < 1e-6; });
                EXPECT_EQ(cuantas, m - t) << nombre << " type " << t << " at " << v;
            }
        }
        if (HasFailure())
            return;
    }
}

TEST(CalculaRaices, RandomIntegerPolynomialsChangeSignAtTheirRoots)
{
    // Coefficients from -9 to 9, degree 2 to 8: most have complex roots as
    // well, so a search from a critical point may step out of its stretch
    // and start again from the bound. Checked against P itself, worked in
    // long double: every change of sign on a fine grid holds a root of
    // odd multiplicity, and P changes sign across each root of odd
    // multiplicity and keeps it across each of even multiplicity.
    std::mt19937 azar(777);
    for (int caso = 0; caso < 1500; ++caso) {
        std::vector<double> c(static_cast<std::size_t>(2 + caso % 7) + 1);
        for (double &v : c)
            v = static_cast<int>(azar() % 19) - 9;
        while (c.back() == 0)
            c.back() = static_cast<int>(azar() % 19) - 9;
        auto p = Collpolinomio::Nuevo();
        std::string nombre = "coefficients";
        for (std::size_t i = c.size(); i-- > 0;) {
            p->Agrega(c[i], static_cast<std::int16_t>(i));
            nombre += " " + std::to_string(static_cast<int>(c[i]));
        }
        auto valor = [&c](long double x) {
            long double s = 0;
            for (std::size_t i = c.size(); i-- > 0;)
                s = s * x + c[i];
            return s;
        };
        std::vector<std::pair<double, int>> distintas;
        for (double r : RaicesDe(p)) {
            if (!distintas.empty() && distintas.back().first == r)
                ++distintas.back().second;
            else
                distintas.push_back({r, 1});
        }
        for (std::size_t k = 0; k < distintas.size(); ++k) {
            const auto [r, m] = distintas[k];
            double hueco = 1.0;
            if (k > 0)
                hueco = std::min(hueco, r - distintas[k - 1].first);
            if (k + 1 < distintas.size())
                hueco = std::min(hueco, distintas[k + 1].first - r);
            const long double d = hueco / 100;
            const bool cambia = (valor(r - d) < 0) != (valor(r + d) < 0);
            EXPECT_EQ(cambia, m % 2 == 1) << nombre << " at " << r << " multiplicity " << m;
        }
        const double desde = -20, hasta = 20; // past every root of such a polynomial
        constexpr int kCeldas = 4000;
        for (int i = 0; i < kCeldas; ++i) {
            const double a = desde + (hasta - desde) * i / kCeldas;
            const double b = desde + (hasta - desde) * (i + 1) / kCeldas;
            if (valor(a) * valor(b) >= 0)
                continue; // no change, or a root right on the grid
            const bool hallada = std::any_of(distintas.begin(), distintas.end(), [&](const auto &r) {
                return r.second % 2 == 1 && r.first >= a && r.first <= b;
            });
            EXPECT_TRUE(hallada) << nombre << " changes sign in [" << a << ", " << b << "]";
        }
        if (HasFailure())
            return;
    }
}

TEST(RaicesReales, CoefficientsTakenAsExactOrRounded)
{
    // Exact: whole numbers, halves, quarters, as products of such roots
    // give them. Rounded: decimal fractions, what cancellation leaves of
    // them (a lone low bit), and significands filled to the last bits.
    const struct {
        std::vector<double> coef;
        bool exactos;
    } casos[] = {
        {{2595249.0 / 2, -10113012, 34478703, 1050000}, true},
        {{0.25, -0.75, 1, 0}, true},
        {{-6, 11, -6, 1}, true},
        {{0.1, 1}, false},
        {{std::ldexp(1.0, -43), 480, 1}, false},
        {{1e15 + 0.5, 1}, false},
        {{165.888, -345.6, 480}, false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(RaicesReales::CoeficientesExactos(c.coef), c.exactos) << c.coef[0];
}

TEST(CalculaRaices, ExactCoefficientsKeepMultipleRootsAtPointsNoDoubleHolds)
{
    // Whole coefficients, multiple roots at thirds, sevenths and square
    // roots: P vanishes there only up to the rounding of the point, and
    // the tight bound must still call it zero.
    const double r3 = std::sqrt(3.0), r2 = std::sqrt(2.0);
    const struct {
        const char *nombre;
        std::vector<std::pair<double, int>> terminos;
        std::vector<double> raices;
    } casos[] = {
        {"(3x-1)^2 (x+2)", {{9, 3}, {12, 2}, {-11, 1}, {2, 0}}, {-2, 1.0 / 3, 1.0 / 3}},
        {"(x^2-3)^2 (x-1)", {{1, 5}, {-1, 4}, {-6, 3}, {6, 2}, {9, 1}, {-9, 0}}, {-r3, -r3, 1, r3, r3}},
        {"(x^2-2)^3", {{1, 6}, {-6, 4}, {12, 2}, {-8, 0}}, {-r2, -r2, -r2, r2, r2, r2}},
        {"(7x-3)^3 (x-2)", {{343, 4}, {-1127, 3}, {1071, 2}, {-405, 1}, {54, 0}}, {3.0 / 7, 3.0 / 7, 3.0 / 7, 2}},
    };
    for (const auto &c : casos)
        EsperaRaices(RaicesDe(DesdeCoeficientes(c.terminos)), c.raices, 1e-9, c.nombre);
}

namespace {

// The record's roots of type t as (value, how many times), ascending.
std::vector<std::pair<double, int>> Agrupadas(const FuncPolinPtr &f, std::int16_t t)
{
    std::vector<std::pair<double, int>> g;
    for (double r : Raices(f, t)) {
        if (!g.empty() && g.back().first == r)
            ++g.back().second;
        else
            g.push_back({r, 1});
    }
    return g;
}

// What the factors of a product with real roots only say of its record:
// P has exactly those roots and multiplicities; a root of multiplicity m
// is one of P' of m - 1 and of P'' of m - 2 (none of P' when simple), at
// the same value; P' has
// one more, simple root inside each gap between distinct roots of P and
// no other; P' and P'' have all their roots real.
void EsperaFactores(const FuncPolinPtr &f, const PolinomioAula &aula, const std::string &caso)
{
    auto factores = aula.factores;
    std::sort(factores.begin(), factores.end());
    int grado = 0;
    for (const auto &[r, m] : factores)
        grado += m;
    const auto p = Agrupadas(f, 0);
    ASSERT_EQ(p.size(), factores.size()) << caso;
    for (std::size_t i = 0; i < factores.size(); ++i) {
        EXPECT_EQ(p[i].first, factores[i].first) << caso << " root " << i;
        EXPECT_EQ(p[i].second, factores[i].second) << caso << " multiplicity at " << factores[i].first;
    }
    EXPECT_EQ(f->Cuenta(1), std::max(grado - 1, 0)) << caso;
    EXPECT_EQ(f->Cuenta(2), std::max(grado - 2, 0)) << caso;
    const auto d1 = Agrupadas(f, 1), d2 = Agrupadas(f, 2);
    for (std::size_t i = 0; i < factores.size(); ++i) {
        const auto [r, m] = factores[i];
        for (const auto &[d, t] : {std::pair{&d1, 1}, std::pair{&d2, 2}}) {
            const auto en = std::find_if(d->begin(), d->end(), [r = r](const auto &g) { return g.first == r; });
            if (m >= t) { // a simple root of P may well be one of P''
                EXPECT_EQ(en == d->end() ? 0 : en->second, m - t) << caso << " type " << t << " at " << r;
            }
        }
        if (i + 1 < factores.size()) {
            const double b = factores[i + 1].first;
            const auto dentro = std::count_if(d1.begin(), d1.end(), [&](const auto &g) { return g.first > r && g.first < b; });
            EXPECT_EQ(dentro, 1) << caso << " roots of P' between " << r << " and " << b;
        }
    }
}

// The record of the product typed as its factors and typed multiplied out.
void EsperaTecleado(const PolinomioAula &aula)
{
    for (const std::string &texto : {TextoFactores(aula), TextoExpandido(ExactoAula(aula))}) {
        const PoliPtr p = LeeTexto(texto);
        ASSERT_TRUE(p) << texto;
        EsperaFactores(RegistroDe(p), aula, texto);
    }
}

} // namespace

TEST(CalculaRaices, ClustersOfMultipleRootsTypedAsFactorsOrExpanded)
{
    const PolinomioAula casos[] = {
        {1, {{6, 3}, {6.1, 3}}},
        {0.5, {{1.7, 3}, {1.73, 3}}},
        {1, {{4, 2}, {4.01, 1}, {-1, 1}}},
        {1, {{-3, 6}, {-4, 8}}},
        {0.1, {{9, 10}}},
        {1, {{10, 1}, {11, 1}, {12, 1}, {13, 1}, {14, 1}, {15, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1}, {20, 1},
             {21, 1}, {22, 1}, {23, 1}, {24, 1}}},
    };
    for (const PolinomioAula &c : casos) {
        EsperaTecleado(c);
        if (HasFailure())
            return;
    }
    // (x - a)^3 (x - a - 0.1)^3 over the tenths from -10 to 10.
    for (int k = -100; k <= 100; ++k) {
        EsperaTecleado({1, {{k / 10.0, 3}, {(k + 1) / 10.0, 3}}});
        if (HasFailure())
            return;
    }
}

TEST(CalculaRaices, DegreeHundredWithCrowdedConsecutiveOrRationalRoots)
{
    // Products of 100 factors, typed as factors and built exactly (their
    // expanded coefficients run to hundreds of digits): whole numbers,
    // hundredths, tenths around 0, fifty double roots a thousandth apart.
    std::vector<std::pair<std::string, PolinomioAula>> casos;
    PolinomioAula enteros, centesimos, decimos, dobles;
    for (int k = 1; k <= 100; ++k)
        enteros.factores.push_back({k, 1});
    for (int k = 100; k <= 199; ++k)
        centesimos.factores.push_back({k / 100.0, 1});
    for (int k = -50; k <= 49; ++k)
        decimos.factores.push_back({k / 10.0, 1});
    for (int k = 1; k <= 50; ++k)
        dobles.factores.push_back({k / 1000.0, 2});
    for (const PolinomioAula &aula : {enteros, centesimos, decimos, dobles}) {
        const std::string texto = TextoFactores(aula);
        const PoliPtr p = LeeTexto(texto);
        ASSERT_TRUE(p) << texto;
        EsperaFactores(RegistroDe(p), aula, texto);
        EsperaFactores(RegistroDe(PoliDeAula(aula)), aula, "built exactly: " + texto);
        if (HasFailure())
            return;
    }

    // Fractions with a hundred different denominators: (x - 1/98)(x - 2/99)
    // ... (x - 100/197); each root is the double nearest its fraction.
    PolinomioAula fracciones;
    std::string texto;
    for (int k = 1; k <= 100; ++k) {
        fracciones.factores.push_back({Racional(k, 97 + k).ADouble(), 1});
        texto += "(x-" + std::to_string(k) + "/" + std::to_string(97 + k) + ")";
    }
    const PoliPtr p = LeeTexto(texto);
    ASSERT_TRUE(p);
    EsperaFactores(RegistroDe(p), fracciones, "(x-1/98)...(x-100/197)");
}

TEST(CalculaRaices, PowerOfAShiftedLinearTermPlusAConstant)
{
    // -(298 - x)^93 + 21: one real root, 298 - 21^(1/93), its roots in the
    // complex plane on a small circle around it; P' and P'' vanish only at
    // 298, 92 and 91 times.
    const PoliPtr p = LeeTexto("-(298-x)^(93)+21");
    ASSERT_TRUE(p);
    const auto f = RegistroDe(p);
    const long double raiz = 298.0L - std::exp(std::log(21.0L) / 93.0L);
    EXPECT_EQ(Raices(f, 0), std::vector<double>{static_cast<double>(raiz)});
    EXPECT_EQ(Raices(f, 1), std::vector<double>(92, 298.0));
    EXPECT_EQ(Raices(f, 2), std::vector<double>(91, 298.0));
}

TEST(CalculaRaices, RandomClassroomProductsTypedAsFactorsOrExpanded)
{
    // Tenths in [-6, 6], some with a neighbour 0.01 to 0.4 away,
    // multiplicities 1 to 3, degree up to 8.
    std::mt19937 azar(1211);
    const double principales[] = {1, -1, 2, -2, 0.5, -0.5, 3, 0.1};
    for (int caso = 0; caso < 400; ++caso) {
        PolinomioAula aula;
        aula.principal = principales[azar() % 8];
        const int grado = 1 + static_cast<int>(azar() % 8);
        int resto = grado;
        while (resto > 0) {
            std::vector<double> nuevas{(static_cast<int>(azar() % 121) - 60) / 10.0};
            if (azar() % 2)
                nuevas.push_back((std::lround(nuevas[0] * 100) + 1 + static_cast<long>(azar() % 40)) / 100.0);
            for (double r : nuevas) {
                const bool usada = std::any_of(aula.factores.begin(), aula.factores.end(),
                                               [r](const auto &f) { return std::fabs(f.first - r) < 0.005; });
                if (usada || resto == 0)
                    continue;
                const int m = std::min(resto, 1 + static_cast<int>(azar() % 3));
                aula.factores.push_back({r, m});
                resto -= m;
            }
        }
        EsperaTecleado(aula);
        if (HasFailure())
            return;
    }
}

TEST(CalculaRaices, OnlyTheRecordToleranceAndTheQuadraticRuleJoinRoots)
{
    const struct {
        const char *texto;
        std::vector<double> raices;
    } casos[] = {
        // Roots closer than 1e-6 are one, stored with the first value.
        {"(x-1)(x-1.0000005)(x-3)", {1, 1, 3}},
        {"(x-1)(x-1.000002)(x-3)", {1, 1.000002, 3}},
        {"(x-1)^(2)(x-1.0000005)^(3)(x-3)", {1, 1, 1, 1, 1, 3}},
        // A full quadratic (also in x^2, x^3) whose exact discriminant is
        // within 1e-6 of zero has a double root; just beyond, two.
        {"x^(2)-2x+1.0000001", {1, 1}},
        {"x^(2)-2x+0.9999995", {1 - std::sqrt(5e-7), 1 + std::sqrt(5e-7)}},
        {"x^(4)-2x^(2)+1.0000001", {-1, -1, 1, 1}},
        {"x^(6)-2x^(3)+1.0000001", {1, 1}},
        {"x^(3)-2x^(2)+1.0000001x", {0, 1, 1}},
        // So a quadratic's roots up to 0.001 apart are one, in the middle.
        {"(x-1)(x-1.0009)", {1.00045, 1.00045}},
        {"(x-1)(x-1.0011)", {1, 1.0011}},
        // Exactly 0.001 apart, D / a^2 is 1e-6 itself, which is not below.
        {"(x-1)(x-1.001)", {1, 1.001}},
        {"3(x+2.5)(x+2.501)", {-2.501, -2.5}},
        // The rule does not change with a constant factor: D / a^2 is
        // held against 1e-6, so the scaled P' of 0.0000001(x-1)(x-2)(x-3)
        // keeps its two critical points 2 -+ 1/sqrt(3) ...
        {"0.0000003x^(2)-0.0000012x+0.0000011", {2 - 1 / std::sqrt(3.0), 2 + 1 / std::sqrt(3.0)}},
        {"0.001x^(2)+0.001x+0.0001", {-0.5 - std::sqrt(0.15), -0.5 + std::sqrt(0.15)}},
        // ... and 1000 (x^2 - 2x + 0.9999999) keeps its double root.
        {"1000x^(2)-2000x+999.9999", {1, 1}},
        // A cubic is no quadratic: its close roots stay apart.
        {"(x-1)(x^(2)-2x+0.9999995)", {1 - std::sqrt(5e-7), 1, 1 + std::sqrt(5e-7)}},
    };
    for (const auto &c : casos) {
        PoliPtr p;
        int ut = 0;
        ASSERT_EQ(ParserPoli().Polinomio(c.texto, p, ut), 0) << c.texto;
        EsperaRaices(RaicesDe(p), c.raices, 1e-15, c.texto);
    }
}

TEST(CalculaRaices, CoefficientsOfWidelyDifferentSizesKeepTheNearestDouble)
{
    // Found by the whole-chain fuzzer. Arb's isolation, from the complex
    // roots, tells where each root lies.
    const std::string textos[] = {
        std::string("100000000000000000000000000000000x(3)-6x^(3)-6x+1") + std::string(227, '0') + "-6x^(3)-6x+100000000000000000000000000x+1",
        std::string("-12x^(3)+300000000000000000000000000000000x+1") + std::string(227, '0'),
        "(0.001x+0)^(050)x^(5)-26900/3",
        // A root where the exact isolation halves a stretch ends the
        // intervals of its neighbours.
        "(x^(3)-4x)^(3)(x(x^(3)-4x+1/3)^(3)(x+.181)^(2)(x)x^(5)+15)^(3)",
    };
    for (const std::string &texto : textos) {
        PoliPtr leido;
        int ut = 0;
        ASSERT_EQ(ParserPoli().Polinomio(texto, leido, ut), 0) << texto;
        std::vector<double> esperadas;
        for (const RaizExacta &r : RaicesExactas::CalculaConArb(leido->Exacto()))
            esperadas.insert(esperadas.end(), r.multiplicidad, r.valor);
        EsperaRaices(RaicesDe(leido), esperadas, 0.0, texto.substr(0, 40));
    }
}
