#pragma once
// The bank of recipes for random problem polynomials. A kind is the degree
// (1 to 15), the parity option (0: the parity of the degree, 1: none) and
// the quality (the number of a recipe within that degree and parity).
#include <cstdint>
#include <string>

// Clears Coef and fills it with the coefficients of a random polynomial of
// the kind asked for; a kind without a recipe leaves the terms drawn so far
// (often none).
void GeneraCoeficientes(std::int16_t grado, std::int16_t paridad, std::int16_t cualidad);

// A random sign: (-1) raised to the integer nearest to 10 r.
int SignoAzar();

// The quality a kind promises, as the problem window lists it; empty for
// the kinds without a name of their own.
std::string NombreCualidad(std::int16_t grado, std::int16_t paridad, std::int16_t cualidad);
