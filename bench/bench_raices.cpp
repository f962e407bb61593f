// Time of the function record (P, P', P'' and all their real roots) of
// classroom polynomials of degree 1 to 15, next to GSL's solver for all
// complex roots of the same polynomials.
#include "CollFuncPolin.h"

#include <benchmark/benchmark.h>
#include <gsl/gsl_poly.h>

#include <vector>

namespace {

// Integer, half and quarter roots, one of them double from degree 9 on,
// as classroom exercises have them.
const double kRaices[] = {1, -2, 2, 0.5, -1, 3, -3, 1.5, 1.5, -0.5, 2.5, -2.5, 4, 0.25, -4};

std::vector<double> Coeficientes(int grado)
{
    std::vector<double> c{2.0};
    for (int k = 0; k < grado; ++k) {
        std::vector<double> n(c.size() + 1, 0.0);
        for (std::size_t i = 0; i < c.size(); ++i) {
            n[i + 1] += c[i];
            n[i] -= kRaices[k] * c[i];
        }
        c = n;
    }
    return c;
}

PoliPtr Polinomio(const std::vector<double> &c)
{
    auto p = Collpolinomio::Nuevo();
    for (std::size_t i = c.size(); i-- > 0;)
        p->Agrega(c[i], static_cast<std::int16_t>(i));
    return p;
}

void Registro(benchmark::State &estado)
{
    const PoliPtr p = Polinomio(Coeficientes(static_cast<int>(estado.range(0))));
    for (auto _ : estado) {
        auto f = CollFuncPolin::Nuevo();
        f->Precis(6);
        f->Polin(p);
        f->CalculaRaices(0);
        f->Polder1(p->Prima());
        f->Polder2(f->Polder1()->Prima());
        f->CalculaRaices(1);
        f->CalculaRaices(2);
        benchmark::DoNotOptimize(f->raices().size());
    }
}

// All complex roots of each polynomial of the list (those of degree 1 up).
void Resuelve(const std::vector<std::vector<double>> &polinomios, std::vector<double> &z)
{
    for (const auto &c : polinomios) {
        if (c.size() < 2)
            continue;
        gsl_poly_complex_workspace *w = gsl_poly_complex_workspace_alloc(c.size());
        gsl_poly_complex_solve(c.data(), c.size(), w, z.data());
        gsl_poly_complex_workspace_free(w);
    }
}

std::vector<double> Derivada(const std::vector<double> &c)
{
    std::vector<double> d;
    for (std::size_t k = 1; k < c.size(); ++k)
        d.push_back(static_cast<double>(k) * c[k]);
    return d;
}

void GslP(benchmark::State &estado)
{
    const std::vector<std::vector<double>> lista{Coeficientes(static_cast<int>(estado.range(0)))};
    std::vector<double> z(2 * lista[0].size());
    for (auto _ : estado) {
        Resuelve(lista, z);
        benchmark::DoNotOptimize(z.data());
    }
}

void GslTres(benchmark::State &estado)
{
    const auto c = Coeficientes(static_cast<int>(estado.range(0)));
    const std::vector<std::vector<double>> lista{c, Derivada(c), Derivada(Derivada(c))};
    std::vector<double> z(2 * c.size());
    for (auto _ : estado) {
        Resuelve(lista, z);
        benchmark::DoNotOptimize(z.data());
    }
}

} // namespace

BENCHMARK(Registro)->DenseRange(1, 15);
BENCHMARK(GslP)->DenseRange(1, 15);
BENCHMARK(GslTres)->DenseRange(1, 15);

BENCHMARK_MAIN();
