#pragma once
// Polynomials as a teacher writes them: a leading factor times (x - r)^m,
// expanded into the current polynomial.
#include "Globales.h"
#include "PoliExacto.h"
#include "generapoli.h"

#include <utility>
#include <vector>

// (root, multiplicity) of each factor.
using Factores = std::vector<std::pair<double, int>>;

// principal * product of (x - r)^m, exactly: each number stands for the
// decimal a teacher writes (2.1 is 21/10), as the polynomial typed as
// factors would.
inline PoliExacto Expande(double principal, const Factores &factores)
{
    PoliExacto p = PoliExacto::Constante(Racional::DesdeDouble(principal));
    for (const auto &[r, m] : factores)
        p = p * PoliExacto::Lineal(Racional::DesdeDouble(r)).Potencia(m);
    return p;
}

// The primitive with constant term 0.
inline PoliExacto Primitiva(const PoliExacto &p) { return p.Integral(Racional(0)); }

inline void PoliActualDe(const PoliExacto &p)
{
    PoliActual = CreaFuncPolin(Collpolinomio::DesdeExacto(p));
    PoliDado = true;
}
