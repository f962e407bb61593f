#pragma once
// Reading the root lists of a function record, shared by the analysis
// routines of ModCalculos.
#include "CollFuncPolin.h"
#include "Collpolinomio.h"

#include <cstdint>
#include <vector>

namespace calculos {

// Pad beyond the first and the last root where the outer intervals are tested.
inline constexpr double HOLGURA_RAICES = 3.271047;

// The root finder places a required abscissa within this much of it.
inline constexpr double CERCA_RAIZ = 1E-04;

struct RaizAgrupada {
    double valor = 0.0;
    int multiplicidad = 0;
};

// The roots of type t (0 P, 1 P', 2 P'') in the record's order: ascending,
// a multiple root repeated with identical values.
std::vector<double> RaicesDeTipo(const CollFuncPolin &fp, std::int16_t t);
// Consecutive equal values taken once (exact comparison: the record stores
// a multiple root with identical values).
std::vector<double> Distintas(const std::vector<double> &raices);
std::vector<RaizAgrupada> Agrupa(const std::vector<double> &raices);

// A missing polynomial reads as the zero polynomial.
const Collpolinomio &Poli(const PoliPtr &p);
double CoeficientePrincipal(const Collpolinomio &p);

// Sign of pol at x read as typed (the shortest decimal that gives x back),
// decided on the exact polynomial.
std::int16_t SignoExacto(const Collpolinomio &pol, double x);

// A point beyond x by paso, or by 2^-40 of x where that is more: far out
// (beyond about 1e12) paso is lost in the rounding of x and of a root.
double Aparte(double x, double paso);

// Sign of pol on (a, b), where it has no root of odd multiplicity, decided
// exactly: at the midpoint of (a, b); where the ends lie a few units in the
// last place apart, or pol vanishes there, from its leading coefficient and
// the multiplicities of its exact roots right of the band; failing that, at
// the midpoints of the pieces that the distinct roots given cut (a, b)
// into, then at their quarters; 0 only when pol vanishes at all of them.
std::int16_t SignoEntre(const Collpolinomio &pol, const std::vector<double> &raicesDistintas, double a, double b);

} // namespace calculos
