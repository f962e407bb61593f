// Sign, monotonicity and concavity intervals of a function record.
#include "ModCalculos.h"

#include "CalculosRaices.h"

using namespace calculos;

namespace {

// Step left of the smallest root of P' where the first monotonicity
// interval is tested.
constexpr double PASO_MONOTONIA = 1.0;
// Step right of the largest root of P where the last sign band ends for
// its test (tested halfway).
constexpr double PASO_ULTIMA_BANDA = 1.0;
// Pad beyond the outer inflection abscissas for the concavity tests.
constexpr double HOLGURA_INFLEXION = 0.271047;
// Second test point of P'' when it vanishes at 0.
constexpr double PRUEBA_SEGUNDA = 1.271047;

// Intervals between consecutive cut points, the outer ends at infinity.
std::vector<Intervalo> CortaEn(const std::vector<double> &cortes)
{
    std::vector<Intervalo> intervalos(cortes.size() + 1);
    for (std::size_t i = 0; i < cortes.size(); ++i) {
        intervalos[i].derecho = cortes[i];
        intervalos[i + 1].izquierdo = cortes[i];
    }
    intervalos.front().izquierdo = -INFINITO;
    intervalos.back().derecho = INFINITO;
    return intervalos;
}

} // namespace

ResultadoIntervalos IntervalosSigno(const CollFuncPolin &fp)
{
    ResultadoIntervalos r;
    r.m = static_cast<std::int16_t>(fp.Cuenta(0));
    const std::vector<double> raices = Distintas(RaicesDeTipo(fp, 0));
    r.intervalos = CortaEn(raices);
    r.n = static_cast<std::int16_t>(raices.size());
    if (raices.empty()) {
        // No real root: one sign on the whole line (0 for the zero polynomial).
        r.codigos = {EvaluaSignoAux(fp, 0.0)};
        return r;
    }
    // The sign of each band at an exact point strictly between two
    // consecutive distinct roots: between two close multiple roots P is far
    // below what a rounded evaluation can tell from 0.
    const Collpolinomio &p = Poli(fp.Polin());
    std::vector<double> a{Aparte(raices.front(), -HOLGURA_RAICES)};
    a.insert(a.end(), raices.begin(), raices.end());
    a.push_back(Aparte(raices.back(), PASO_ULTIMA_BANDA));
    for (std::size_t i = 0; i + 1 < a.size(); ++i)
        r.codigos.push_back(SignoEntre(p, raices, a[i], a[i + 1]));
    return r;
}

ResultadoIntervalos CalculaMonotonia(const CollFuncPolin &fp)
{
    ResultadoIntervalos r;
    const std::vector<RaizAgrupada> grupos = Agrupa(RaicesDeTipo(fp, 1));
    if (grupos.empty()) {
        r.intervalos = CortaEn({});
        r.codigos = {EvaluaPrimaAux(fp, 0.0)};
        return r;
    }
    // P' keeps its sign across a root of even multiplicity: only the odd
    // ones cut, and the sign alternates at each cut.
    std::vector<double> cortes;
    for (const auto &g : grupos)
        if (g.multiplicidad % 2 == 1)
            cortes.push_back(g.valor);
    r.intervalos = CortaEn(cortes);
    r.codigos.push_back(EvaluaPrimaAux(fp, Aparte(grupos.front().valor, -PASO_MONOTONIA)));
    for (std::size_t i = 1; i < r.intervalos.size(); ++i)
        r.codigos.push_back(static_cast<std::int16_t>(-r.codigos.back()));
    r.m = r.n = static_cast<std::int16_t>(cortes.size());
    return r;
}

ResultadoIntervalos IntervalosMonotonia(const CollFuncPolin &fp)
{
    return CalculaMonotonia(fp);
}

ResultadoConcavidad IntervalosConcavidad(const CollFuncPolin &fp)
{
    ResultadoConcavidad r;
    r.m = static_cast<std::int16_t>(fp.Cuenta(2));
    if (Poli(fp.Polin()).Grado() <= 1) {
        r.esRecta = true;
        r.intervalos = CortaEn({});
        r.codigos = {CODIGO_RECTA};
        return r;
    }
    const Collpolinomio &segunda = Poli(fp.Polder2());
    const std::vector<double> raicesSegunda = Distintas(RaicesDeTipo(fp, 2));
    const ResultadoRaices inflexiones = CalculaInflexiones(fp);
    const std::vector<double> &x = inflexiones.raices;
    r.intervalos = CortaEn(x);
    r.n = inflexiones.n;
    if (x.empty()) {
        // P'' does not change sign: where both test points are roots of it,
        // its sign is that of its leading coefficient.
        std::int16_t codigo = SignoExacto(segunda, 0.0);
        if (codigo == 0)
            codigo = SignoExacto(segunda, PRUEBA_SEGUNDA);
        if (codigo == 0)
            codigo = static_cast<std::int16_t>(segunda.Exacto().Principal().Signo());
        r.codigos = {codigo};
        return r;
    }
    std::vector<double> l{Aparte(x.front(), -HOLGURA_INFLEXION)};
    l.insert(l.end(), x.begin(), x.end());
    l.push_back(Aparte(x.back(), HOLGURA_INFLEXION));
    // Between two inflections P'' keeps its sign, exactly, away from its
    // roots of even multiplicity.
    for (std::size_t i = 0; i + 1 < l.size(); ++i)
        r.codigos.push_back(SignoEntre(segunda, raicesSegunda, l[i], l[i + 1]));
    return r;
}
