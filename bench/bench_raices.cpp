// Time of the function record (P, P', P'' and all their real roots with
// multiplicity) next to GSL's solver for the complex roots of P alone, on
// the same polynomials: classroom products of degree 1 to 15 in bands, and
// random integer polynomials of degree 2 to 8. At the end a table gives,
// per band, the time per polynomial of each and their ratio (medians when
// run with --benchmark_repetitions).
#include "CollFuncPolin.h"
#include "TiemposPorNombre.h"
#include "../tests/library/PolinomiosAula.h"

#include <benchmark/benchmark.h>
#include <gsl/gsl_poly.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kPorBanda = 120;

struct Banda {
    const char *nombre;
    int gradoMin, gradoMax;
    bool enteros; // random integer coefficients instead of a product
};

const Banda kBandas[] = {
    {"aula 1-3", 1, 3, false},    {"aula 4-6", 4, 6, false},     {"aula 7-9", 7, 9, false},
    {"aula 10-12", 10, 12, false}, {"aula 13-15", 13, 15, false}, {"enteros 2-8", 2, 8, true},
};

std::vector<double> DeEnteros(std::mt19937 &azar, int grado)
{
    std::vector<double> c(static_cast<std::size_t>(grado) + 1);
    for (double &v : c)
        v = static_cast<int>(azar() % 19) - 9;
    while (c.back() == 0)
        c.back() = static_cast<int>(azar() % 19) - 9;
    return c;
}

std::vector<std::vector<double>> Polinomios(const Banda &b)
{
    std::mt19937 azar(20261210u + static_cast<unsigned>(b.gradoMin * 31 + b.enteros));
    std::vector<std::vector<double>> lista;
    for (int i = 0; i < kPorBanda; ++i) {
        const int grado = b.gradoMin + i % (b.gradoMax - b.gradoMin + 1);
        lista.push_back(b.enteros ? DeEnteros(azar, grado) : CoeficientesAula(SorteaAula(azar, grado, 0.05)));
    }
    return lista;
}

PoliPtr Polinomio(const std::vector<double> &c)
{
    auto p = Collpolinomio::Nuevo();
    for (std::size_t i = c.size(); i-- > 0;)
        p->Agrega(c[i], static_cast<std::int16_t>(i));
    return p;
}

void Registro(benchmark::State &estado, const Banda &b)
{
    std::vector<PoliPtr> lista;
    for (const auto &c : Polinomios(b))
        lista.push_back(Polinomio(c));
    for (auto _ : estado) {
        for (const PoliPtr &p : lista) {
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
    estado.SetItemsProcessed(estado.iterations() * kPorBanda);
}

void GslP(benchmark::State &estado, const Banda &b)
{
    const auto lista = Polinomios(b);
    std::vector<double> z(2 * 16);
    for (auto _ : estado) {
        for (const auto &c : lista) {
            gsl_poly_complex_workspace *w = gsl_poly_complex_workspace_alloc(c.size());
            gsl_poly_complex_solve(c.data(), c.size(), w, z.data());
            gsl_poly_complex_workspace_free(w);
            benchmark::DoNotOptimize(z.data());
        }
    }
    estado.SetItemsProcessed(estado.iterations() * kPorBanda);
}


} // namespace

int main(int argc, char **argv)
{
    for (const Banda &b : kBandas) {
        benchmark::RegisterBenchmark(("Registro/" + std::string(b.nombre)).c_str(), Registro, b)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("GslP/" + std::string(b.nombre)).c_str(), GslP, b)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    TiemposPorNombre tabla([](const TiemposPorNombre &t) {
        std::printf("\n%-12s %14s %14s %8s\n", "banda", "registro us", "GSL(P) us", "razon");
        for (const Banda &b : kBandas) {
            const double r = t.Tiempo("Registro/" + std::string(b.nombre)) / kPorBanda;
            const double g = t.Tiempo("GslP/" + std::string(b.nombre)) / kPorBanda;
            if (r > 0 && g > 0)
                std::printf("%-12s %14.3f %14.3f %8.2f\n", b.nombre, r, g, r / g);
        }
    });
    benchmark::RunSpecifiedBenchmarks(&tabla);
    benchmark::Shutdown();
}
