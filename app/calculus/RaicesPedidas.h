#pragma once
// Which real roots of an answer its required roots account for. A required
// root r is met exactly (P(r) = 0) or within the check's tolerance (P(r)
// small, not zero). Within tolerance, r stands for the real roots of P that
// shifting P by the constant P(r), so that r becomes a root, carries to r:
// those joined to r by a stretch on which P stays between 0 and P(r). So
// -(x - 3)(x - 4.1)^9 meets 4 through its root 4.1, while a root that P
// leaves that stretch to reach stays a root of its own, however small P is
// (no floor, no radius).
#include "PoliExacto.h"
#include "RaicesExactas.h"
#include "Racional.h"

#include <optional>
#include <vector>

namespace calculos {

// A distinct real root of p and the required root that accounts for it.
struct RaizAsignada {
    RaizExacta raiz;
    int pedida = -1; // index into the required roots; -1 none
};

// Every distinct real root of p, ascending, with its required root. Every
// required root must already be one within tolerance (the checks test that
// first); p is not the zero polynomial.
std::vector<RaizAsignada> AsignaRaices(const PoliExacto &p, const std::vector<Racional> &pedidas);

// Whether p has a real root that no required root accounts for.
bool TieneOtraRaizReal(const PoliExacto &p, const std::vector<Racional> &pedidas);

// The sign of p just right of its root j of raices (AsignaRaices' list).
int SignoDespues(const PoliExacto &p, std::vector<RaizAsignada> &raices, std::size_t j);

// Whether a is left of the root r of p (a is not that root).
bool AntesDe(const PoliExacto &p, const Racional &a, RaizExacta r);

// The leftmost band on which p does not have the sign asked at every point
// but its roots of even multiplicity (where it only touches 0): band 0 left
// of the first abscissa, band j between abscissas j and j + 1, the last
// right of the last. abscisas are distinct and ascending, signos (1 or -1)
// one per band. A band holds when no root of odd multiplicity lies inside
// it, so that p keeps one sign there, and p has the sign asked at one
// exact point of it; a root that moved off its abscissa breaks the band it
// moved into. None when every band holds.
std::optional<int> BandaConOtroSigno(const PoliExacto &p, const std::vector<Racional> &abscisas,
                                     const std::vector<int> &signos);

} // namespace calculos
