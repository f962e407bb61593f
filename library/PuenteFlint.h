#pragma once
// The FLINT objects behind the exact classes, for the library's own code
// (the root finder, the exact arithmetic). Never included by a widget:
// FLINT's macros and Qt's typedefs do not mix.
#include "PoliExacto.h"
#include "Racional.h"

#include <flint/fmpq.h>
#include <flint/fmpq_poly.h>

inline fmpq *Flint(Racional &r) { return static_cast<fmpq *>(r.Dato()); }
inline const fmpq *Flint(const Racional &r) { return static_cast<const fmpq *>(r.Dato()); }
inline fmpq_poly_struct *Flint(PoliExacto &p) { return static_cast<fmpq_poly_struct *>(p.Dato()); }
inline const fmpq_poly_struct *Flint(const PoliExacto &p) { return static_cast<const fmpq_poly_struct *>(p.Dato()); }

// num / den (den > 0) rounded to the nearest double, set in d, when both
// are exact as doubles; false, d untouched, otherwise.
bool CocienteCorto(const fmpz_t numerador, const fmpz_t denominador, double &d);
