#pragma once
// The current polynomial and the random problem polynomials: a polynomial
// becomes a function record with its derivatives, roots and window, and
// random polynomials and sorted lists of random integers are made here.
#include "CollFuncPolin.h"
#include "Collpolinomio.h"

#include <array>
#include <cstdint>
#include <vector>

// Coefficient of x^k in element k, filled by GeneraCoeficientes: the
// exact number the recipe means, and the double nearest to it.
extern std::array<double, 16> Coef;
extern std::array<Racional, 16> CoefExacto;
// The last polynomial made by DamePolinomioProblema.
extern PoliPtr PoliAzar;

// A new record for p (shared, not copied): precision 6, P', P'', the real
// roots of the three and a fitted window.
FuncPolinPtr CreaFuncPolin(PoliPtr p);

// Replaces PoliAzar with a new random polynomial of the kind asked for.
void DamePolinomioProblema(std::int16_t grado, std::int16_t paridad, std::int16_t cualidad);

// valores(1..cuantos): sorted random integers in -(tope-1)..tope-1, repeats
// allowed; element 0 stays 0. Nothing happens when cuantos <= 0.
void GeneraPoliAleatorio1(std::int16_t cuantos, std::int16_t tope, std::vector<std::int16_t> &valores);
// The same with all values different; the array gets one more element, 0.
void GeneraPoliAleatorio2(std::int16_t cuantos, std::int16_t tope, std::vector<std::int16_t> &valores);
