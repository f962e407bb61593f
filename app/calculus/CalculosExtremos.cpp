// Critical points, absolute extrema, range, parity and limits.
#include "ModCalculos.h"

#include "CalculosRaices.h"
#include "ExtremosExactos.h"
#include "generapoli.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace calculos;

namespace {

struct Critico {
    double x = 0.0;
    std::int16_t clase = CLASE_NINGUNO;
};

// The class of root i of P' from the multiplicities the record holds:
// odd, an extremum; even, none. P' has its leading sign right of its last
// root and flips at each root of odd multiplicity on the way back to i.
// Exact: at a simple root this is the sign of P'' there, which a rounded
// evaluation cannot tell beside a crowded multiple root of P'.
std::int16_t ClaseDelGrupo(const std::vector<RaizAgrupada> &grupos, std::size_t i, int principal)
{
    if (grupos[i].multiplicidad % 2 == 0)
        return CLASE_NINGUNO;
    int impares = 0;
    for (std::size_t j = i + 1; j < grupos.size(); ++j)
        impares += grupos[j].multiplicidad % 2;
    const int derecha = principal * (impares % 2 == 0 ? 1 : -1);
    return derecha > 0 ? CLASE_MINIMO : CLASE_MAXIMO;
}

// Classes of the distinct critical points of the record, by the sign
// change of P' across each.
std::vector<Critico> Clasifica(const CollFuncPolin &fp)
{
    const std::vector<RaizAgrupada> grupos = Agrupa(RaicesDeTipo(fp, 1));
    const int principal = Poli(fp.Polder1()).Exacto().Principal().Signo();
    std::vector<Critico> criticos;
    for (std::size_t i = 0; i < grupos.size(); ++i)
        criticos.push_back({grupos[i].valor, ClaseDelGrupo(grupos, i, principal)});
    return criticos;
}

struct PuntoExtremo {
    double x = 0.0;
    double valor = 0.0;
};

// The leftmost of the points (given from left to right) where P is least
// (or greatest), with P's value there taken accurately (ValoresEnCriticos):
// values equal but for their last rounding count as equal extrema.
PuntoExtremo ExtremoMasIzquierdo(const Collpolinomio &p, const std::vector<double> &xs, bool minimo)
{
    const double signo = minimo ? 1.0 : -1.0; // look for the least signo * P
    const std::vector<double> valores = ValoresEnCriticos(p, xs);
    double mejor = signo * valores.front();
    for (double v : valores)
        mejor = std::min(mejor, signo * v);
    const double redondeo = 4 * std::numeric_limits<double>::epsilon() * std::fabs(mejor);
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (signo * valores[i] <= mejor + redondeo)
            return {xs[i], valores[i]};
    return {};
}

} // namespace

PuntosCriticos ClasificaPuntosCriticos(const PoliPtr &p)
{
    return ClasificaPuntosCriticos(*CreaFuncPolin(p));
}

PuntosCriticos ClasificaPuntosCriticos(const CollFuncPolin &fp)
{
    PuntosCriticos r;
    for (const Critico &c : Clasifica(fp)) {
        r.x.push_back(c.x);
        r.clase.push_back(c.clase);
    }
    r.n = static_cast<std::int16_t>(r.x.size());
    r.sinPuntos = r.x.empty();
    return r;
}

ExtremosAbsolutos MaxMinAbsoluto(const CollFuncPolin &fp)
{
    ExtremosAbsolutos r;
    const Collpolinomio &p = Poli(fp.Polin());
    const int g = p.Grado();
    const double principal = CoeficientePrincipal(p);
    if (g == 0) {
        // Every point of a constant is both its maximum and its minimum.
        r.valorMax = r.valorMin = principal;
        r.abscisa = 0.0;
        r.sinExtremo = true;
        r.esConstante = true;
        return r;
    }
    const std::vector<Critico> criticos = Clasifica(fp);
    if (g % 2 == 1 || criticos.empty()) {
        r.sinExtremo = true;
        return r;
    }
    // A positive leading coefficient: the least local minimum; a negative
    // one: the greatest local maximum. If no point passed the tests, the
    // extremum of an even-degree P is still reached at one of its critical
    // points.
    const bool buscaMinimo = p.Exacto().Principal().Signo() > 0;
    const std::int16_t buscada = buscaMinimo ? CLASE_MINIMO : CLASE_MAXIMO;
    std::vector<double> candidatos;
    for (const Critico &c : criticos)
        if (c.clase == buscada)
            candidatos.push_back(c.x);
    if (candidatos.empty())
        for (const Critico &c : criticos)
            candidatos.push_back(c.x);
    const PuntoExtremo elegido = ExtremoMasIzquierdo(p, candidatos, buscaMinimo);
    r.abscisa = elegido.x;
    const double valor = elegido.valor;
    if (buscaMinimo)
        r.valorMin = valor;
    else
        r.valorMax = valor;
    return r;
}

Rango RangoPolinomio(const CollFuncPolin &fp)
{
    const ExtremosAbsolutos e = MaxMinAbsoluto(fp);
    Rango r;
    r.rango = {e.valorMin, e.valorMax};
    r.sinExtremo = e.sinExtremo;
    return r;
}

Paridad ParidadPolinomio(const Collpolinomio &p)
{
    Paridad r;
    const int paridadGrado = p.Grado() % 2;
    for (const auto &t : p)
        if (t->expon() % 2 != paridadGrado) {
            r.ninguna = true;
            return r;
        }
    (paridadGrado == 0 ? r.par : r.impar) = true;
    return r;
}

Limites ExtensionPolinomio(const Collpolinomio &p)
{
    Limites r;
    const int g = p.Grado();
    const double c = CoeficientePrincipal(p);
    if (g <= 0) {
        r.limMenos = r.limMas = c;
        return r;
    }
    const double signo = p.Exacto().Principal().Signo() > 0 ? 1.0 : -1.0;
    r.limMas = signo * INFINITO;
    r.limMenos = g % 2 == 0 ? r.limMas : -r.limMas;
    return r;
}
