// Time of the function record (P, P', P'' and all their real roots with
// multiplicity, decided exactly) next to GSL's solver for the complex roots
// of P alone and to the exact roots of P, P' and P'' by Arb alone, on the
// same polynomials: classroom products of degree 1 to 15 in bands and of
// degree 30 and 100, and random integer polynomials of degree 2 to 8, 30
// and 100. At the end a table gives, per band, the time per polynomial of
// each, the record's slowest polynomial and its ratios (medians when run
// with --benchmark_repetitions).
#include "CollFuncPolin.h"
#include "RaicesExactas.h"
#include "TiemposPorNombre.h"
#include "../tests/library/PolinomiosAula.h"

#include <benchmark/benchmark.h>
#include <gsl/gsl_poly.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

struct Banda {
    const char *nombre;
    int gradoMin, gradoMax;
    bool enteros; // random integer coefficients instead of a product
    int cuantos;  // polynomials in the band
};

const Banda kBandas[] = {
    {"aula 1-3", 1, 3, false, 120},     {"aula 4-6", 4, 6, false, 120},   {"aula 7-9", 7, 9, false, 120},
    {"aula 10-12", 10, 12, false, 120}, {"aula 13-15", 13, 15, false, 120}, {"enteros 2-8", 2, 8, true, 120},
    {"aula 30", 30, 30, false, 20},     {"aula 100", 100, 100, false, 10}, {"enteros 30", 30, 30, true, 20},
    {"enteros 100", 100, 100, true, 10},
};

PoliExacto DeEnteros(std::mt19937 &azar, int grado)
{
    std::vector<Racional> c(static_cast<std::size_t>(grado) + 1);
    for (Racional &v : c)
        v = Racional(static_cast<long>(azar() % 19) - 9);
    while (c.back().EsCero())
        c.back() = Racional(static_cast<long>(azar() % 19) - 9);
    return PoliExacto::DesdeCoeficientes(c);
}

std::vector<PoliExacto> Polinomios(const Banda &b)
{
    std::mt19937 azar(20261210u + static_cast<unsigned>(b.gradoMin * 31 + b.enteros));
    std::vector<PoliExacto> lista;
    for (int i = 0; i < b.cuantos; ++i) {
        const int grado = b.gradoMin + i % (b.gradoMax - b.gradoMin + 1);
        lista.push_back(b.enteros ? DeEnteros(azar, grado) : ExactoAula(SorteaAula(azar, grado, 0.05)));
    }
    return lista;
}

void MideRegistro(benchmark::State &estado, const Banda &b)
{
    std::vector<PoliPtr> lista;
    for (const PoliExacto &e : Polinomios(b))
        lista.push_back(Collpolinomio::DesdeExacto(e));
    double peor = 0;
    for (auto _ : estado) {
        for (const PoliPtr &p : lista) {
            const auto inicio = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(RegistroDe(p)->raices().size());
            peor = std::max(peor, std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - inicio).count());
        }
    }
    estado.counters["peor_us"] = peor;
    estado.SetItemsProcessed(estado.iterations() * b.cuantos);
}

void MideGslP(benchmark::State &estado, const Banda &b)
{
    std::vector<std::vector<double>> lista;
    for (const PoliExacto &e : Polinomios(b))
        lista.push_back(e.Doubles());
    std::vector<double> z(2 * 101);
    for (auto _ : estado) {
        for (const auto &c : lista) {
            if (c.size() < 2)
                continue;
            gsl_poly_complex_workspace *w = gsl_poly_complex_workspace_alloc(c.size());
            gsl_poly_complex_solve(c.data(), c.size(), w, z.data());
            gsl_poly_complex_workspace_free(w);
            benchmark::DoNotOptimize(z.data());
        }
    }
    estado.SetItemsProcessed(estado.iterations() * b.cuantos);
}

// The exact roots of P, P' and P'' with Arb on every square-free factor,
// as the record took them before the search in doubles came first.
void MideArb(benchmark::State &estado, const Banda &b)
{
    std::vector<PoliExacto> lista;
    for (const PoliExacto &e : Polinomios(b)) {
        lista.push_back(e);
        lista.push_back(e.Derivada());
        lista.push_back(e.Derivada().Derivada());
    }
    for (auto _ : estado)
        for (const PoliExacto &e : lista)
            benchmark::DoNotOptimize(RaicesExactas::CalculaConArb(e).size());
    estado.SetItemsProcessed(estado.iterations() * b.cuantos);
}

} // namespace

int main(int argc, char **argv)
{
    for (const Banda &b : kBandas) {
        benchmark::RegisterBenchmark(("Registro/" + std::string(b.nombre)).c_str(), MideRegistro, b)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("GslP/" + std::string(b.nombre)).c_str(), MideGslP, b)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Arb/" + std::string(b.nombre)).c_str(), MideArb, b)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    TiemposPorNombre tabla([](const TiemposPorNombre &t) {
        std::printf("\n%-12s %12s %12s %12s %10s %10s\n", "banda", "registro us", "GSL(P) us", "Arb us",
                    "/GSL", "/Arb");
        for (const Banda &b : kBandas) {
            const double r = t.Tiempo("Registro/" + std::string(b.nombre)) / b.cuantos;
            const double g = t.Tiempo("GslP/" + std::string(b.nombre)) / b.cuantos;
            const double a = t.Tiempo("Arb/" + std::string(b.nombre)) / b.cuantos;
            if (r > 0 && g > 0 && a > 0)
                std::printf("%-12s %12.2f %12.2f %12.2f %10.2f %10.2f\n", b.nombre, r, g, a, r / g, r / a);
        }
    });
    benchmark::RunSpecifiedBenchmarks(&tabla);
    benchmark::Shutdown();
}
