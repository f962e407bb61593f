#pragma once
// The rational roots of an integer polynomial, found modulo a prime and
// taken out by exact division: a typed product of many factors has its
// roots crowded beyond what any search in floating point can tell apart,
// but each of them is a short fraction. For the library's own FLINT code.
#include "Racional.h"

#include <flint/fmpz_poly.h>

#include <vector>

// Takes out of f, square-free and of degree >= 1, every rational root a/b
// whose numerator and denominator are below 2^30 in size (those of typed
// decimals and fractions); f becomes the quotient. A root is taken only
// when b x - a divides f exactly; larger fractions, should f have any,
// stay in it.
std::vector<Racional> SacaRaicesRacionales(fmpz_poly_t f);

// Whether f (degree >= 1) is square-free, told modulo a prime: a repeated
// factor over the integers stays repeated there. False means "perhaps
// not", to be decided exactly.
bool EsLibreDeCuadradosModular(const fmpz_poly_t f);
