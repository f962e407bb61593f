#pragma once
// How two polynomials differ term by term, as the derivative constructions
// report it: how many terms differ beyond the library's tolerance, and the
// lowest exponent among them.
#include "Collpolinomio.h"

#include <cstdint>

struct TerminosDistintos {
    int cuantos = 0;
    std::int16_t exponenteMenor = 0; // meaningful when cuantos > 0
};

// The terms where a and b differ by Collpolinomio::Diferente (a's
// coefficient the reference).
TerminosDistintos ComparaTerminos(const Collpolinomio &a, const Collpolinomio &b, double epsi = 1e-06);
