#include "RaicesPedidas.h"

#include "RaicesExactas.h"

#include <algorithm>
#include <cstddef>

namespace calculos {

namespace {

// Whether the simple polynomial s vanishes in [a, b], which holds at most
// one of its roots.
bool RaizEn(const PoliExacto &s, const Racional &a, const Racional &b)
{
    const int sa = s.SignoEn(a);
    const int sb = s.SignoEn(b);
    return sa == 0 || sb == 0 || sa != sb;
}

// Halves r's interval, keeping the root of the simple polynomial s.
void Estrecha(const PoliExacto &s, RaizExacta &r)
{
    if (r.EsRacional())
        return;
    const Racional m = (r.izquierda + r.derecha) * Racional(1, 2);
    if (s.SignoEn(m) == 0)
        r.izquierda = r.derecha = m;
    else if (RaizEn(s, r.izquierda, m))
        r.derecha = m;
    else
        r.izquierda = m;
}

// A point strictly between two consecutive roots of the simple s (an end
// that two intervals share is neither's root).
Racional Entre(const PoliExacto &s, RaizExacta &a, RaizExacta &b)
{
    while (a.derecha > b.izquierda) {
        Estrecha(s, a);
        Estrecha(s, b);
    }
    return (a.derecha + b.izquierda) * Racional(1, 2);
}

// Whether a is left of the root r of the simple polynomial s (a is not
// that root).
bool AntesDeRaiz(const PoliExacto &s, const Racional &a, RaizExacta r)
{
    while (!r.EsRacional() && r.izquierda <= a && a <= r.derecha)
        Estrecha(s, r);
    return a < r.izquierda;
}

// The sign of p at an exact point of band j (as BandaConOtroSigno counts
// them) where p does not vanish: half a unit beyond an outer abscissa, or
// halfway between two, then closer to the band's right end (or further
// out) until p is not 0 there, which a root of even multiplicity may make
// it.
int SignoEnBanda(const PoliExacto &p, const std::vector<Racional> &abscisas, std::size_t j)
{
    const std::size_t k = abscisas.size();
    const Racional medio(1, 2);
    Racional x = k == 0 ? Racional(0)
                 : j == 0 ? abscisas[0] - medio
                 : j == k ? abscisas[k - 1] + medio
                          : (abscisas[j - 1] + abscisas[j]) * medio;
    for (int paso = 0; paso <= p.Grado(); ++paso) {
        if (const int signo = p.SignoEn(x); signo != 0)
            return signo;
        x = j == 0 && k > 0 ? x - medio : (j == k ? x + medio : (x + abscisas[j]) * medio);
    }
    return 0;
}

// The index of the root of p, among its roots, that lies in [a, b], an
// interval holding exactly one root of p; s is p without repeated roots.
std::size_t IndiceDe(const std::vector<RaizAsignada> &raices, const PoliExacto &s, const Racional &a,
                     const Racional &b)
{
    for (std::size_t j = 0; j < raices.size(); ++j) {
        const RaizExacta &r = raices[j].raiz;
        const Racional lo = r.izquierda > a ? r.izquierda : a;
        const Racional hi = r.derecha < b ? r.derecha : b;
        if (lo <= hi && RaizEn(s, lo, hi))
            return j;
    }
    return raices.size();
}

// Gives the roots of p that r, where p is c (not zero), stands for to the
// required root k: those reached from r while h = p (p - c) stays
// negative, that is while p stays between 0 and c.
void AsignaPorTolerancia(const PoliExacto &p, const PoliExacto &sp, std::vector<RaizAsignada> &raices,
                         const Racional &r, const Racional &c, int k)
{
    const PoliExacto h = p * (p - PoliExacto::Constante(c));
    const PoliExacto sh = RaicesExactas::LibreDeCuadrados(h);
    std::vector<RaizExacta> hr = RaicesExactas::Calcula(h);
    std::size_t i0 = 0;
    while (i0 < hr.size() && !(hr[i0].izquierda <= r && r <= hr[i0].derecha))
        ++i0;
    if (i0 == hr.size())
        return;
    auto asigna = [&](RaizExacta &raiz) {
        if (raiz.EsRacional() ? p.SignoEn(raiz.izquierda) == 0 : RaizEn(sp, raiz.izquierda, raiz.derecha)) {
            const std::size_t j = IndiceDe(raices, sp, raiz.izquierda, raiz.derecha);
            if (j < raices.size() && raices[j].pedida < 0)
                raices[j].pedida = k;
        }
    };
    for (std::size_t i = i0; i + 1 < hr.size() && h.SignoEn(Entre(sh, hr[i], hr[i + 1])) < 0; ++i)
        asigna(hr[i + 1]);
    for (std::size_t i = i0; i > 0 && h.SignoEn(Entre(sh, hr[i - 1], hr[i])) < 0; --i)
        asigna(hr[i - 1]);
}

} // namespace

std::vector<RaizAsignada> AsignaRaices(const PoliExacto &p, const std::vector<Racional> &pedidas)
{
    std::vector<RaizAsignada> raices;
    for (const RaizExacta &r : RaicesExactas::Calcula(p))
        raices.push_back({r, -1});
    if (raices.empty())
        return raices;
    const PoliExacto sp = RaicesExactas::LibreDeCuadrados(p);
    // Exact roots first: a root that a required one is stays with it.
    for (std::size_t k = 0; k < pedidas.size(); ++k)
        if (p.Evalua(pedidas[k]).EsCero()) {
            const std::size_t j = IndiceDe(raices, sp, pedidas[k], pedidas[k]);
            if (j < raices.size())
                raices[j].pedida = static_cast<int>(k);
        }
    for (std::size_t k = 0; k < pedidas.size(); ++k) {
        const Racional c = p.Evalua(pedidas[k]);
        if (!c.EsCero())
            AsignaPorTolerancia(p, sp, raices, pedidas[k], c, static_cast<int>(k));
    }
    return raices;
}

bool TieneOtraRaizReal(const PoliExacto &p, const std::vector<Racional> &pedidas)
{
    for (const RaizAsignada &r : AsignaRaices(p, pedidas))
        if (r.pedida < 0)
            return true;
    return false;
}

int SignoDespues(const PoliExacto &p, std::vector<RaizAsignada> &raices, std::size_t j)
{
    if (j + 1 >= raices.size())
        return p.Principal().Signo();
    return p.SignoEn(Entre(RaicesExactas::LibreDeCuadrados(p), raices[j].raiz, raices[j + 1].raiz));
}

bool AntesDe(const PoliExacto &p, const Racional &a, RaizExacta r)
{
    return AntesDeRaiz(RaicesExactas::LibreDeCuadrados(p), a, r);
}

std::optional<int> BandaConOtroSigno(const PoliExacto &p, const std::vector<Racional> &abscisas,
                                     const std::vector<int> &signos)
{
    if (p.EsCero())
        return 0;
    const std::size_t k = abscisas.size();
    std::vector<bool> rota(k + 1, false);
    // A root of odd multiplicity inside a band: p takes both signs there.
    const PoliExacto s = RaicesExactas::LibreDeCuadrados(p);
    for (const RaizExacta &r : RaicesExactas::Calcula(p)) {
        if (r.multiplicidad % 2 == 0)
            continue;
        // An abscissa in r's interval where p vanishes is r itself: an end
        // of two bands, inside neither.
        const bool enAbscisa = std::any_of(abscisas.begin(), abscisas.end(), [&](const Racional &a) {
            return r.izquierda <= a && a <= r.derecha && p.Evalua(a).EsCero();
        });
        if (!enAbscisa)
            rota[static_cast<std::size_t>(std::count_if(
                abscisas.begin(), abscisas.end(), [&](const Racional &a) { return AntesDeRaiz(s, a, r); }))] = true;
    }
    for (std::size_t j = 0; j <= k; ++j)
        if (rota[j] || SignoEnBanda(p, abscisas, j) != signos.at(j))
            return static_cast<int>(j);
    return std::nullopt;
}

} // namespace calculos
