#pragma once
// Polynomials and function records for the analysis tests.
#include "CollFuncPolin.h"
#include "Collpolinomio.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace prueba {

struct Raiz {
    double valor;
    int multiplicidad;
};

// sum coef * x^expon
inline PoliPtr Poli(std::initializer_list<std::pair<double, int>> terminos)
{
    auto p = Collpolinomio::Nuevo();
    for (auto [c, e] : terminos)
        p->Agrega(c, static_cast<std::int16_t>(e));
    return p;
}

// principal * prod (x - r)^m
inline PoliPtr DesdeRaices(double principal, const std::vector<Raiz> &raices)
{
    PoliPtr p = Poli({{principal, 0}});
    for (const Raiz &r : raices)
        for (int k = 0; k < r.multiplicidad; ++k)
            p = p->Producto(*Poli({{1, 1}, {-r.valor, 0}}));
    return p;
}

inline std::vector<double> Repite(const std::vector<Raiz> &raices)
{
    std::vector<double> v;
    for (const Raiz &r : raices)
        for (int k = 0; k < r.multiplicidad; ++k)
            v.push_back(r.valor);
    return v;
}

// A record with the roots given, as the finder would store them.
inline FuncPolinPtr Registro(const PoliPtr &p, const std::vector<Raiz> &r0,
                             const std::vector<Raiz> &r1, const std::vector<Raiz> &r2)
{
    auto fp = CollFuncPolin::Nuevo();
    fp->Precis(6);
    fp->Polin(p);
    fp->Polder1(p->Prima());
    fp->Polder2(fp->Polder1()->Prima());
    const std::vector<Raiz> *listas[] = {&r0, &r1, &r2};
    for (std::int16_t t = 0; t < 3; ++t)
        for (double x : Repite(*listas[t]))
            fp->Agrega(x, t);
    return fp;
}

// Roots of pol' when pol has only the real roots given (ascending): a root
// of multiplicity m stays with m - 1, and each gap between two consecutive
// roots holds one simple root (pol' changes sign once there).
inline std::vector<Raiz> RaicesDerivada(const Collpolinomio &pol, const std::vector<Raiz> &raices)
{
    const PoliPtr prima = pol.Prima();
    std::vector<Raiz> r;
    for (std::size_t i = 0; i < raices.size(); ++i) {
        if (raices[i].multiplicidad > 1)
            r.push_back({raices[i].valor, raices[i].multiplicidad - 1});
        if (i + 1 == raices.size())
            break;
        double lo = raices[i].valor, hi = raices[i + 1].valor;
        const bool positivo = pol.Eval((lo + hi) / 2) > 0;
        for (int k = 0; k < 200 && hi - lo > 0; ++k) {
            const double m = (lo + hi) / 2;
            const double d = prima->Eval(m);
            if (d == 0) {
                lo = hi = m;
                break;
            }
            ((d > 0) == positivo ? lo : hi) = m;
        }
        r.push_back({(lo + hi) / 2, 1});
    }
    return r;
}

// The record of p, whose roots are all real and given, with the roots of P'
// and P'' worked out from them.
inline FuncPolinPtr RegistroExacto(const PoliPtr &p, const std::vector<Raiz> &raices)
{
    const std::vector<Raiz> r1 = RaicesDerivada(*p, raices);
    const std::vector<Raiz> r2 = RaicesDerivada(*p->Prima(), r1);
    return Registro(p, raices, r1, r2);
}

} // namespace prueba
