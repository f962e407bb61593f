// Every analysis result checked against P, P' and P'' themselves, over many
// random polynomials built from known roots.
#include "ModCalculos.h"

#include "generapoli.h"
#include "test_ModCalculosAyuda.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

using namespace prueba;

namespace {

struct Caso {
    double principal = 1;
    std::vector<Raiz> raices;       // real roots of P, ascending
    std::vector<double> cuadraticas; // factors x^2 + q with q > 0
    bool simetrico = false;          // roots in pairs +-r, built from x^2 - r^2
    std::string Texto() const
    {
        std::ostringstream s;
        s << principal;
        for (const Raiz &r : raices)
            s << " (x - " << r.valor << ")^" << r.multiplicidad;
        for (double q : cuadraticas)
            s << " (x^2 + " << q << ")";
        return s.str();
    }
};

class Generador {
public:
    explicit Generador(unsigned semilla) : m_azar(semilla) {}

    // Integer and non-integer roots, simple, double and triple; now and then
    // symmetric about 0 so that even and odd polynomials come up.
    Caso Siguiente(bool conCuadraticas)
    {
        Caso c;
        c.principal = Uniforme(0.5, 2.5) * (Entero(0, 1) ? 1 : -1);
        if (Entero(0, 3) == 0) {
            c.simetrico = true;
            for (int k = Entero(1, 2); k > 0; --k) {
                const double r = NuevoValor(c, true);
                const int m = Multiplicidad();
                c.raices.push_back({r, m});
                c.raices.push_back({-r, m});
            }
            if (Entero(0, 1))
                c.raices.push_back({0, Multiplicidad()});
        } else {
            for (int k = Entero(0, 4); k > 0; --k)
                c.raices.push_back({NuevoValor(c, false), Multiplicidad()});
        }
        std::sort(c.raices.begin(), c.raices.end(),
                  [](const Raiz &a, const Raiz &b) { return a.valor < b.valor; });
        if (conCuadraticas && Entero(0, 2) == 0)
            c.cuadraticas.push_back(Entero(0, 1) ? 1.0 : Uniforme(0.3, 4));
        return c;
    }

private:
    int Entero(int a, int b) { return std::uniform_int_distribution<int>(a, b)(m_azar); }
    double Uniforme(double a, double b) { return std::uniform_real_distribution<double>(a, b)(m_azar); }
    int Multiplicidad()
    {
        const int d = Entero(1, 20);
        return d <= 12 ? 1 : (d <= 17 ? 2 : 3);
    }
    // Roots at least 0.3 apart (and from 0 for symmetric pairs).
    double NuevoValor(const Caso &c, bool positivo)
    {
        for (;;) {
            double r = Entero(0, 1) ? Entero(-4, 4) : std::round(Uniforme(-4, 4) * 100) / 100;
            if (positivo)
                r = std::fabs(r);
            if (positivo && r < 0.3)
                continue;
            bool lejos = true;
            for (const Raiz &o : c.raices)
                lejos = lejos && std::fabs(o.valor - r) >= 0.3 && std::fabs(o.valor + r) >= (positivo ? 0.3 : 0);
            if (lejos)
                return r;
        }
    }
    std::mt19937 m_azar;
};

// Symmetric roots go in as x^2 - r^2 so that even and odd polynomials keep
// exactly zero coefficients where they should.
PoliPtr Polinomio(const Caso &c)
{
    PoliPtr p = Poli({{c.principal, 0}});
    for (const Raiz &r : c.raices) {
        if (c.simetrico && r.valor < 0)
            continue;
        PoliPtr factor = c.simetrico && r.valor > 0 ? Poli({{1, 2}, {-r.valor * r.valor, 0}})
                                                    : Poli({{1, 1}, {-r.valor, 0}});
        p = p->Producto(*factor->Potencia(static_cast<std::int16_t>(r.multiplicidad)));
    }
    for (double q : c.cuadraticas)
        p = p->Producto(*Poli({{1, 2}, {q, 0}}));
    return p;
}

// Points inside an interval where its code must hold, off the grid on
// which the roots are drawn (an even root inside an interval is no cut).
std::vector<double> PuntosDentro(const Intervalo &i)
{
    const bool izq = i.izquierdo <= -INFINITO, der = i.derecho >= INFINITO;
    if (izq && der)
        return {-20.13, -3.17, -0.713, 0.0371, 0.457, 3.19, 20.3};
    if (izq)
        return {i.derecho - 0.1037, i.derecho - 1.013, i.derecho - 5.07, i.derecho - 20.3};
    if (der)
        return {i.izquierdo + 0.1037, i.izquierdo + 1.013, i.izquierdo + 5.07, i.izquierdo + 20.3};
    std::vector<double> v;
    for (double f : {0.113, 0.317, 0.529, 0.711, 0.893})
        v.push_back(i.izquierdo + f * (i.derecho - i.izquierdo));
    return v;
}

std::int16_t SignoDe(double v)
{
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

void RevisaForma(const ResultadoIntervalos &r)
{
    ASSERT_FALSE(r.intervalos.empty());
    ASSERT_EQ(r.codigos.size(), r.intervalos.size());
    EXPECT_EQ(r.n + 1u, r.intervalos.size());
    EXPECT_EQ(r.intervalos.front().izquierdo, -INFINITO);
    EXPECT_EQ(r.intervalos.back().derecho, INFINITO);
    for (std::size_t i = 0; i + 1 < r.intervalos.size(); ++i) {
        EXPECT_EQ(r.intervalos[i].derecho, r.intervalos[i + 1].izquierdo);
        EXPECT_LT(r.intervalos[i].izquierdo, r.intervalos[i].derecho);
    }
}

// The code of every interval is the sign of pol inside it.
void RevisaSignos(const ResultadoIntervalos &r, const Collpolinomio &pol, const char *que)
{
    SCOPED_TRACE(que);
    RevisaForma(r);
    for (std::size_t i = 0; i < r.intervalos.size(); ++i)
        for (double x : PuntosDentro(r.intervalos[i]))
            ASSERT_EQ(SignoDe(pol.Eval(x)), r.codigos[i]) << "interval " << i << " at x = " << x;
}

// Adjacent intervals differ: every cut is a true change of sign.
void RevisaCortes(const ResultadoIntervalos &r)
{
    for (std::size_t i = 0; i + 1 < r.codigos.size(); ++i)
        EXPECT_NE(r.codigos[i], r.codigos[i + 1]) << "cut at " << r.intervalos[i].derecho;
}

// simetrico: P was built with exactly zero coefficients where its parity
// needs them.
void RevisaTodo(const CollFuncPolin &fp, bool simetrico)
{
    const Collpolinomio &p = *fp.Polin();
    const Collpolinomio &d1 = *fp.Polder1();
    const Collpolinomio &d2 = *fp.Polder2();
    const int g = p.Grado();

    RevisaSignos(IntervalosSigno(fp), p, "sign");

    const ResultadoIntervalos mono = IntervalosMonotonia(fp);
    if (g == 0) {
        ASSERT_EQ(mono.codigos, std::vector<std::int16_t>{CODIGO_CONSTANTE});
    } else {
        RevisaSignos(mono, d1, "monotonicity");
        RevisaCortes(mono);
        EXPECT_EQ(mono.m, mono.n);
    }

    const ResultadoConcavidad conc = IntervalosConcavidad(fp);
    if (g <= 1) {
        EXPECT_TRUE(conc.esRecta);
        ASSERT_EQ(conc.codigos, std::vector<std::int16_t>{CODIGO_RECTA});
    } else {
        RevisaSignos(conc, d2, "concavity");
        RevisaCortes(conc);
        const ResultadoRaices infl = CalculaInflexiones(fp);
        ASSERT_EQ(infl.n, conc.n);
        for (int i = 0; i < infl.n; ++i)
            EXPECT_EQ(infl.raices[i], conc.intervalos[i].derecho);
    }

    // Classes by the sign of P' just beside each critical point.
    const PuntosCriticos pc = ClasificaPuntosCriticos(fp);
    const ResultadoRaices criticos = RaicesDistintas(fp);
    ASSERT_EQ(pc.x, criticos.raices);
    ASSERT_EQ(pc.clase.size(), pc.x.size());
    for (std::size_t i = 0; i < pc.x.size(); ++i) {
        double h = 0.01;
        if (i > 0)
            h = std::min(h, (pc.x[i] - pc.x[i - 1]) / 4);
        if (i + 1 < pc.x.size())
            h = std::min(h, (pc.x[i + 1] - pc.x[i]) / 4);
        const auto a = SignoDe(d1.Eval(pc.x[i] - h)), b = SignoDe(d1.Eval(pc.x[i] + h));
        const std::int16_t esperada = a > 0 && b < 0 ? CLASE_MAXIMO : (a < 0 && b > 0 ? CLASE_MINIMO : CLASE_NINGUNO);
        EXPECT_EQ(pc.clase[i], esperada) << "critical point " << pc.x[i];
    }

    // Range and absolute extrema against P sampled densely around the
    // critical points.
    const ExtremosAbsolutos e = MaxMinAbsoluto(fp);
    const Rango rango = RangoPolinomio(fp);
    EXPECT_EQ(rango.rango.izquierdo, e.valorMin);
    EXPECT_EQ(rango.rango.derecho, e.valorMax);
    const double principal = p.Cuenta() ? p.Elemento(1)->coef() : 0.0;
    if (g == 0) {
        EXPECT_EQ(e.valorMin, p.Eval(0));
        EXPECT_EQ(e.valorMax, p.Eval(0));
    } else if (g % 2 == 1) {
        EXPECT_TRUE(e.sinExtremo);
        EXPECT_EQ(e.valorMin, -INFINITO);
        EXPECT_EQ(e.valorMax, INFINITO);
    } else {
        EXPECT_FALSE(e.sinExtremo);
        double desde = -5, hasta = 5;
        if (!pc.x.empty()) {
            desde = std::min(desde, pc.x.front() - 1);
            hasta = std::max(hasta, pc.x.back() + 1);
        }
        double extremo = principal > 0 ? INFINITY : -INFINITY;
        auto toma = [&](double x) {
            const double v = p.Eval(x);
            extremo = principal > 0 ? std::min(extremo, v) : std::max(extremo, v);
        };
        for (int k = 0; k <= 20000; ++k)
            toma(desde + (hasta - desde) * k / 20000);
        for (double x : pc.x)
            toma(x);
        const double obtenido = principal > 0 ? e.valorMin : e.valorMax;
        EXPECT_NEAR(obtenido, extremo, 1e-9 * (1 + std::fabs(extremo)));
        EXPECT_EQ(principal > 0 ? e.valorMax : e.valorMin, principal > 0 ? INFINITO : -INFINITO);
        // The value at the abscissa reported, exact where a rounded
        // evaluation is not.
        EXPECT_NEAR(p.Eval(e.abscisa), obtenido, 1e-9 * (1 + std::fabs(obtenido)));
    }

    // Parity against P(-x) = +-P(x).
    const Paridad par = ParidadPolinomio(p);
    ASSERT_EQ(par.ninguna + par.par + par.impar, 1);
    bool esPar = true, esImpar = true;
    for (double x : {0.3, 0.7, 1.1, 2.5, 3.7}) {
        const double escala = 1e-9 * (1 + std::fabs(p.Eval(x)));
        esPar = esPar && std::fabs(p.Eval(-x) - p.Eval(x)) <= escala;
        esImpar = esImpar && std::fabs(p.Eval(-x) + p.Eval(x)) <= escala;
    }
    // Rounding can leave a tiny odd term in a product that is even in exact
    // arithmetic; the routine goes by the exponents actually present.
    if (par.par) {
        EXPECT_TRUE(esPar);
    }
    if (par.impar) {
        EXPECT_TRUE(esImpar);
    }
    if (simetrico) {
        EXPECT_EQ(par.par, esPar);
        EXPECT_EQ(par.impar, esImpar && !esPar);
    }

    // Limits by evaluation far out.
    const Limites lim = ExtensionPolinomio(p);
    if (g == 0) {
        EXPECT_EQ(lim.limMas, p.Eval(0));
    } else {
        EXPECT_EQ(lim.limMas, SignoDe(p.Eval(1e4)) * INFINITO);
        EXPECT_EQ(lim.limMenos, SignoDe(p.Eval(-1e4)) * INFINITO);
    }
}

} // namespace

TEST(PropiedadesCalculos, RecordsWithKnownRoots)
{
    Generador gen(20261210);
    for (int k = 0; k < 400; ++k) {
        const Caso c = gen.Siguiente(false);
        SCOPED_TRACE(c.Texto());
        RevisaTodo(*RegistroExacto(Polinomio(c), c.raices), c.simetrico);
        if (HasFatalFailure())
            return;
    }
}

TEST(PropiedadesCalculos, RecordsFromTheRootFinder)
{
    Generador gen(7031);
    for (int k = 0; k < 400; ++k) {
        const Caso c = gen.Siguiente(true);
        SCOPED_TRACE(c.Texto());
        RevisaTodo(*CreaFuncPolin(Polinomio(c)), c.simetrico);
        if (HasFatalFailure())
            return;
    }
}
