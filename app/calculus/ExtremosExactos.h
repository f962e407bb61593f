#pragma once
// The absolute extreme values of a polynomial against a given number,
// decided exactly: the minimum of P is at least c exactly when P - c has
// no root of odd multiplicity, and at most c exactly when P - c has a real
// root. No critical point is located and no value is rounded, so a flat
// minimum such as that of 0.1(x - 9)^10 + 3 is 3, not 3 plus noise.
//
// minimo chooses the minimum (true) or the maximum (false). A side is
// bounded for an even degree whose leading coefficient points that way,
// and for a constant, which is its own minimum and maximum.
#include "Collpolinomio.h"

#include <vector>

// Whether p has an absolute minimum (minimo) or maximum.
bool TieneExtremo(const Collpolinomio &p, bool minimo);

// Where that extreme value of p stands against c: -1 below, 0 equal, 1
// above. p must have it (TieneExtremo).
int ComparaExtremo(const Collpolinomio &p, bool minimo, double c);

// The constructions' exact comparison of a required extreme with p's:
// +-INFINITO (ModCalculos.h) requires p to be unbounded on that side,
// a finite value requires p's extreme to be exactly that value.
bool MismoExtremo(const Collpolinomio &p, bool minimo, double requerido);

// The analysis exercises' comparison of a typed value v with p's extreme
// in CasiIgual's measure (relative to the extreme, absolute only when it
// is exactly 0; the infinity value where p is unbounded), for tol below 1.
bool ExtremoCasiIgual(const Collpolinomio &p, bool minimo, double v, double tol);

// p at its critical points cs (the doubles nearest to roots of p'), taken
// accurately for display: exactly 0 where that root of p' is also one of
// p (a root of their greatest common divisor), otherwise p's exact value
// at the point as typed, rounded once; away from 0 that differs from the
// value at the true critical point only in its last digits, as p'
// vanishes there.
std::vector<double> ValoresEnCriticos(const Collpolinomio &p, const std::vector<double> &cs);
