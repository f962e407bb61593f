#pragma once
// The real roots of a square-free integer polynomial isolated exactly by
// Descartes' rule of signs, halving the stretches as Vincent, Collins and
// Akritas do (with FLINT's Taylor shifts): no root is ever approximated,
// so roots crowded together or clustered in the complex plane cost only
// the halvings that part them. For the library's own FLINT code.
#include "Racional.h"

#include <flint/fmpz_poly.h>

#include <vector>

struct IntervaloAislante {
    // Exactly one root of the polynomial in [izquierda, derecha], where it
    // changes sign; equal ends are that root, found exactly.
    Racional izquierda, derecha;
};

// Every real root of f (square-free, degree >= 1), ascending.
std::vector<IntervaloAislante> AislaRaicesReales(const fmpz_poly_t f);
