#pragma once
// Where a derivative of an answer changes sign: the inflection
// construction asks for a change of P'' at each required abscissa, the
// classification construction for the change of P' across each.
// Decided on the exact derivative: each required abscissa, a root exactly
// or within the check's tolerance (tested first by the callers), accounts
// for the roots that RaicesPedidas.h gives it.
#include "CollFuncPolin.h"

#include <cstdint>

namespace calculos {

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
