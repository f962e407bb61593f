#pragma once
// What the hub's "Graficar" draws after a finished concept: a polynomial q
// made from P that shares the concept just solved (its roots, its sign, its
// critical points...) without being P, and the explanation shown with it.
#include "Collpolinomio.h"

#include <cstdint>

// q for the concept last finished (ConceptoActual, 1 to 13) from P and P';
// the empty polynomial for any other number. Draws its random constants
// from the program's generator, in the order the explanation expects.
PoliPtr PoliConcepto(int concepto, const Collpolinomio &p, const Collpolinomio &p1);
// The error-table row that explains q (0: none).
std::int16_t MensajeConcepto(int concepto);
