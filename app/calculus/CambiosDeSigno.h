#pragma once
// Where a derivative of an answer changes sign. The constructions on
// monotonicity and concavity ask for sign changes of P' (P'') only at the
// required abscissas; the inflection construction asks for one at each.
#include "CollFuncPolin.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace calculos {

// The band (0 left of the first abscissa, k between abscissas k and k + 1,
// n right of the last) holding a root of odd multiplicity of the roots of
// type t of f (1 P', 2 P'') that is none of the ascending abscissas; none
// when every sign change is at an abscissa.
std::optional<int> BandaConCambioDeSigno(const CollFuncPolin &f, std::int16_t t, const std::vector<double> &abscisas);

// Whether the polynomial of type t of f changes sign at x: x is, within
// 1E-04, a root of odd multiplicity.
bool CambiaSignoEn(const CollFuncPolin &f, std::int16_t t, double x);

} // namespace calculos
