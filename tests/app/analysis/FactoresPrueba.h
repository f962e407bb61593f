#pragma once
// Polynomials as a teacher writes them: a leading factor times (x - r)^m,
// expanded into the current polynomial.
#include "Globales.h"
#include "generapoli.h"

#include <utility>
#include <vector>

// (root, multiplicity) of each factor.
using Factores = std::vector<std::pair<double, int>>;

// Coefficients of principal * product of (x - r)^m, lowest degree first.
inline std::vector<double> Expande(double principal, const Factores &factores)
{
    std::vector<double> c{principal};
    for (const auto &[r, m] : factores)
        for (int k = 0; k < m; ++k) {
            std::vector<double> d(c.size() + 1, 0.0);
            for (std::size_t i = 0; i < c.size(); ++i) {
                d[i + 1] += c[i];
                d[i] -= r * c[i];
            }
            c = d;
        }
    return c;
}

// The primitive with constant term 0.
inline std::vector<double> Primitiva(const std::vector<double> &c)
{
    std::vector<double> p(c.size() + 1, 0.0);
    for (std::size_t i = 0; i < c.size(); ++i)
        p[i + 1] = c[i] / static_cast<double>(i + 1);
    return p;
}

inline void PoliActualDe(const std::vector<double> &c)
{
    PoliPtr p = Collpolinomio::Nuevo();
    for (std::size_t i = 0; i < c.size(); ++i)
        if (c[i] != 0)
            p->Agrega(c[i], static_cast<std::int16_t>(i));
    PoliActual = CreaFuncPolin(p);
    PoliDado = true;
}
