// How long a student waits after typing a hostile text (tiny coefficients
// that hide the degree, numbers beyond the doubles, long decimals raised to
// powers, degree 100 with crowded roots): the parser's answer alone, and
// the whole way of an accepted text, parser, function record (P, P', P''
// and their roots) and every analysis routine of the exercises. Every text
// must get its message or its analysis within 0.2 s. The texts are those of
// the parser's table test; the table at the end gives each one's answer.
//
// Under QUORVANE_MEDICION_BREVE (CI's brief run) each text is read once
// and nothing is analysed: the fuzz replay of the degree-100 texts does
// that under the sanitizers.
#include "ClsParserPoli.h"
#include "ExtremosExactos.h"
#include "ModCalculos.h"
#include "Regional.h"
#include "TiemposPorNombre.h"
#include "generapoli.h"
#include "../tests/library/TextosHostiles.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::vector<TextoHostil> &Textos()
{
    static const std::vector<TextoHostil> textos = TextosHostiles();
    return textos;
}

std::string Nombre(const char *que, std::size_t i)
{
    char numero[8];
    std::snprintf(numero, sizeof numero, "%02zu", i);
    return std::string(que) + "/" + numero;
}

int Lee(const TextoHostil &h, PoliPtr &p)
{
    int ut = 0;
    return ParserPoli().Polinomio(h.texto, p, ut);
}

// What the exercises compute from the record.
void Analiza(const PoliPtr &p)
{
    const FuncPolinPtr f = CreaFuncPolin(p);
    benchmark::DoNotOptimize(IntervalosSigno(*f).codigos.size());
    benchmark::DoNotOptimize(CalculaMonotonia(*f).codigos.size());
    benchmark::DoNotOptimize(IntervalosConcavidad(*f).codigos.size());
    benchmark::DoNotOptimize(CalculaInflexiones(*f).n);
    benchmark::DoNotOptimize(ClasificaPuntosCriticos(*f).n);
    const ExtremosAbsolutos e = MaxMinAbsoluto(*f);
    benchmark::DoNotOptimize(RangoPolinomio(*f).rango.izquierdo);
    // The exact comparison that judges a typed extreme value.
    for (const bool minimo : {true, false})
        if (TieneExtremo(*p, minimo))
            benchmark::DoNotOptimize(ComparaExtremo(*p, minimo, minimo ? e.valorMin : e.valorMax));
}

void MideLectura(benchmark::State &estado, std::size_t i)
{
    rt::ConSeparadorLocal punto('.');
    for (auto _ : estado) {
        PoliPtr p;
        benchmark::DoNotOptimize(Lee(Textos()[i], p));
    }
}

void MideTodo(benchmark::State &estado, std::size_t i)
{
    rt::ConSeparadorLocal punto('.');
    for (auto _ : estado) {
        PoliPtr p;
        if (Lee(Textos()[i], p) == 0)
            Analiza(p);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const bool breve = std::getenv("QUORVANE_MEDICION_BREVE") != nullptr;
    for (std::size_t i = 0; i < Textos().size(); ++i) {
        auto *lee = benchmark::RegisterBenchmark(Nombre("Lee", i).c_str(), MideLectura, i)->Unit(benchmark::kMillisecond);
        if (breve)
            lee->Iterations(1);
        if (Textos()[i].codigo != 0 || breve)
            continue;
        benchmark::RegisterBenchmark(Nombre("Todo", i).c_str(), MideTodo, i)->Unit(benchmark::kMillisecond)->Iterations(1);
    }
    benchmark::Initialize(&argc, argv);
    TiemposPorNombre tabla([](const TiemposPorNombre &t) {
        std::printf("\n%-50s %10s %10s %14s\n", "texto", "respuesta", "lee ms", "todo ms");
        for (std::size_t i = 0; i < Textos().size(); ++i) {
            const TextoHostil &h = Textos()[i];
            const std::string respuesta = h.codigo == 0 ? "aceptado" : "código " + std::to_string(h.codigo);
            char todo[32] = "-";
            if (h.codigo == 0 && t.Tiempo(Nombre("Todo", i)) > 0)
                std::snprintf(todo, sizeof todo, "%.3f", t.Tiempo(Nombre("Todo", i)));
            std::printf("%-50s %10s %10.3f %14s\n", h.nombre.c_str(), respuesta.c_str(), t.Tiempo(Nombre("Lee", i)), todo);
        }
    });
    benchmark::RunSpecifiedBenchmarks(&tabla);
    benchmark::Shutdown();
}
