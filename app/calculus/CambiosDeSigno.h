#pragma once
// Where a derivative of an answer changes sign. The constructions on
// monotonicity and concavity ask for sign changes of P' (P'') only at the
// required abscissas; the inflection construction asks for one at each.
// Decided on the exact derivative: each required abscissa, a root exactly
// or within the check's tolerance (tested first by the callers), accounts
// for the roots that RaicesPedidas.h gives it.
#include "CollFuncPolin.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace calculos {

// The band (0 left of the first abscissa, k between abscissas k and k + 1,
// n right of the last) holding a root of odd multiplicity of the
// polynomial of type t of f (1 P', 2 P'') that no abscissa accounts for;
// none when every sign change is at an abscissa.
std::optional<int> BandaConCambioDeSigno(const CollFuncPolin &f, std::int16_t t, const std::vector<double> &abscisas);

// Whether the polynomial of type t of f changes sign at x, a root of it
// within the check's tolerance: the roots x accounts for have an odd
// multiplicity in all.
bool CambiaSignoEn(const CollFuncPolin &f, std::int16_t t, double x);

// The class (CLASE_* of ModCalculos.h) of a critical point at x, a root of
// P' within the check's tolerance: an extremum where P' changes sign across
// the roots x accounts for (a minimum when it is positive after them),
// none where it keeps its sign.
std::int16_t ClasePorCambioDeSigno(const CollFuncPolin &f, double x);

} // namespace calculos
