// Feeds arbitrary bytes through the whole way a typed polynomial goes: the
// parser, the function record (P, P', P'' and their real roots) and every
// analysis routine the exercises judge answers with (signs, monotonicity,
// concavity, inflections, classification of critical points, extrema and
// range). Each result must keep what the routines promise; libFuzzer's
// -timeout fails an input that takes too long anywhere on the way.
#include "ClsParserPoli.h"
#include "CollFuncPolin.h"
#include "ExtremosExactos.h"
#include "ModCalculos.h"
#include "RaicesExactas.h"
#include "Regional.h"
#include "generapoli.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Exige(bool condicion, int linea)
{
    if (condicion)
        return;
    std::fprintf(stderr, "fuzz_CadenaCompleta.cpp:%d: no se cumple\n", linea);
    std::abort();
}

// Aborts naming the line of the broken promise.
#define EXIGE(condicion) Exige((condicion), __LINE__)

// From -INFINITO to INFINITO, each interval's right end the next one's
// left end, one code per interval, cuts counted in n.
void RevisaIntervalos(const ResultadoIntervalos &r, const std::vector<std::int16_t> &codigosValidos)
{
    EXIGE(!r.intervalos.empty());
    EXIGE(r.codigos.size() == r.intervalos.size());
    EXIGE(r.n == static_cast<int>(r.intervalos.size()) - 1);
    EXIGE(r.intervalos.front().izquierdo == -INFINITO && r.intervalos.back().derecho == INFINITO);
    // The cuts ascend (a root beyond INFINITO may stand outside the outer ends).
    for (std::size_t i = 0; i + 1 < r.intervalos.size(); ++i) {
        EXIGE(r.intervalos[i].derecho == r.intervalos[i + 1].izquierdo);
        EXIGE(i == 0 || r.intervalos[i].izquierdo < r.intervalos[i].derecho);
    }
    for (std::int16_t c : r.codigos) {
        bool valido = false;
        for (std::int16_t v : codigosValidos)
            valido = valido || c == v;
        EXIGE(valido);
    }
}

// A polynomial of degree g > 0 with real coefficients has at most g real
// roots, as many as g up to a pair of complex ones.
void RevisaCuenta(long cuenta, int grado)
{
    EXIGE(cuenta >= 0 && cuenta <= grado && (grado - cuenta) % 2 == 0);
}

// QUORVANE_FUZZ_SIGNOS set: the sign bands are checked against the
// multiplicities of the roots.
bool RevisaCambiosDeSigno()
{
    static const bool revisa = std::getenv("QUORVANE_FUZZ_SIGNOS") != nullptr;
    return revisa;
}

bool Ascendentes(const std::vector<double> &v)
{
    for (std::size_t i = 0; i + 1 < v.size(); ++i)
        if (!(v[i] < v[i + 1]))
            return false;
    return true;
}

void Analiza(const PoliPtr &p)
{
    const FuncPolinPtr f = CreaFuncPolin(p);
    const CollFuncPolin &fp = *f;
    const int grado = p->Grado();
    const bool cero = p->Cuenta() == 0;

    // The roots with their multiplicity.
    if (cero) {
        EXIGE(fp.Cuenta(0) == 0);
    } else {
        RevisaCuenta(fp.Cuenta(0), grado);
        if (grado >= 1)
            RevisaCuenta(fp.Cuenta(1), grado - 1);
        if (grado >= 2)
            RevisaCuenta(fp.Cuenta(2), grado - 2);
    }
    const ResultadoRaices distintas = RaicesRealesDistintas(fp);
    EXIGE(distintas.n == static_cast<int>(distintas.raices.size()) && Ascendentes(distintas.raices));

    // Signs: the sign flips across a root of odd multiplicity and stays
    // across one of even multiplicity. A root the record joined from
    // several within its tolerance stands for a cluster that may reach into
    // a band beside it, whose sign is read at its middle: the change is
    // checked only at a root whose neighbours, and itself, are the exact
    // roots with that nearest double.
    const ResultadoIntervalos signo = IntervalosSigno(fp);
    RevisaIntervalos(signo, {CODIGO_POSITIVO, CODIGO_NEGATIVO, CODIGO_NULO});
    EXIGE(signo.n == distintas.n && signo.m == fp.Cuenta(0));
    if (!cero) {
        const std::vector<double> todas = RaicesReales(fp);
        std::vector<int> multiplicidades;
        std::size_t k = 0;
        for (std::size_t i = 0; i < distintas.raices.size(); ++i) {
            int multiplicidad = 0;
            while (k < todas.size() && todas[k] == distintas.raices[i]) {
                ++multiplicidad;
                ++k;
            }
            EXIGE(multiplicidad > 0);
            EXIGE(signo.codigos[i] != CODIGO_NULO);
            multiplicidades.push_back(multiplicidad);
        }
        EXIGE(k == todas.size());
        // Checked when asked for (the brief runs ask).
        if (RevisaCambiosDeSigno()) {
            std::vector<bool> comoExactas;
            const std::vector<RaizExacta> exactas = RaicesExactas::Calcula(p->Exacto());
            for (std::size_t i = 0; i < distintas.raices.size(); ++i) {
                int exacta = 0;
                for (const RaizExacta &r : exactas)
                    if (r.valor == distintas.raices[i])
                        exacta += r.multiplicidad;
                comoExactas.push_back(exacta == multiplicidades[i]);
            }
            for (std::size_t i = 0; i < distintas.raices.size(); ++i) {
                const bool vecinas = comoExactas[i] && (i == 0 || comoExactas[i - 1]) &&
                                     (i + 1 == distintas.raices.size() || comoExactas[i + 1]);
                if (vecinas)
                    EXIGE(signo.codigos[i + 1] ==
                          (multiplicidades[i] % 2 == 1 ? -signo.codigos[i] : signo.codigos[i]));
            }
        }
    }

    // Monotonicity and concavity.
    RevisaIntervalos(CalculaMonotonia(fp), {CODIGO_POSITIVO, CODIGO_NEGATIVO, CODIGO_CONSTANTE, CODIGO_NULO});
    RevisaIntervalos(IntervalosMonotonia(fp), {CODIGO_POSITIVO, CODIGO_NEGATIVO, CODIGO_CONSTANTE, CODIGO_NULO});
    const ResultadoConcavidad concavidad = IntervalosConcavidad(fp);
    RevisaIntervalos(concavidad, {CODIGO_POSITIVO, CODIGO_NEGATIVO, CODIGO_RECTA, CODIGO_NULO});
    EXIGE(concavidad.esRecta == (grado <= 1));

    // Inflections: distinct roots of P'', ascending.
    const ResultadoRaices inflexiones = CalculaInflexiones(fp);
    EXIGE(inflexiones.n == static_cast<int>(inflexiones.raices.size()) && Ascendentes(inflexiones.raices));
    EXIGE(inflexiones.sinRaices == inflexiones.raices.empty());
    EXIGE(grado < 3 || inflexiones.n <= grado - 2);

    // Critical points: one class for each distinct root of P'.
    const PuntosCriticos criticos = ClasificaPuntosCriticos(fp);
    EXIGE(criticos.n == static_cast<int>(criticos.x.size()) && criticos.clase.size() == criticos.x.size());
    EXIGE(criticos.x.size() == RaicesDistintas(fp).raices.size() && Ascendentes(criticos.x));
    for (std::int16_t c : criticos.clase)
        EXIGE(c == CLASE_MINIMO || c == CLASE_MAXIMO || c == CLASE_NINGUNO);

    // Extrema and range, and the exact comparison of the extreme value.
    const ExtremosAbsolutos extremos = MaxMinAbsoluto(fp);
    const Rango rango = RangoPolinomio(fp);
    // Infinity is written INFINITO, so the order holds for extremes below it.
    if (std::fabs(rango.rango.izquierdo) <= INFINITO && std::fabs(rango.rango.derecho) <= INFINITO)
        EXIGE(rango.rango.izquierdo <= rango.rango.derecho);
    EXIGE(grado % 2 == 0 || extremos.sinExtremo);
    for (const bool minimo : {true, false}) {
        if (!TieneExtremo(*p, minimo))
            continue;
        const double valor = minimo ? extremos.valorMin : extremos.valorMax;
        if (std::isfinite(valor) && std::fabs(valor) < INFINITO) {
            const int lado = ComparaExtremo(*p, minimo, valor);
            EXIGE(lado >= -1 && lado <= 1);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t largo)
{
    // The separator does not change the chain after the parser, whose own
    // target tries both.
    rt::ConSeparadorLocal punto('.');
    const std::string texto(reinterpret_cast<const char *>(datos), largo);
    PoliPtr p;
    int ut = -1;
    if (ParserPoli().Polinomio(texto, p, ut) == 0)
        Analiza(p);
    return 0;
}
