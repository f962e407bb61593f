#pragma once
// The real roots of a polynomial with rational coefficients, decided
// exactly: multiplicities from the square-free decomposition, each
// distinct root isolated (certified) in an interval with rational ends.
#include "PoliExacto.h"
#include "Racional.h"
#include "RaicesReales.h"

#include <vector>

struct RaizExacta {
    // The double nearest to the root.
    double valor = 0.0;
    int multiplicidad = 1;
    // The root is the only one of the polynomial in [izquierda, derecha];
    // both ends are the root itself when it is rational and was found so.
    Racional izquierda, derecha;
    bool EsRacional() const { return izquierda == derecha; }
};

class RaicesExactas {
public:
    // Every distinct real root in ascending order; none for the constants
    // and the zero polynomial. Each square-free factor is searched in
    // doubles first and every root so found proved exactly; then, where
    // rounding defeats that search, the points of separadores (ascending)
    // are tried as separators of the roots, as the roots of P separate
    // those of P'; Arb isolates the roots of a factor where both fail.
    // memoria, when given, keeps the search's work for the next call: the
    // search of P passes through P' and P'', which then need none of
    // their own.
    static std::vector<RaizExacta> Calcula(const PoliExacto &p, const std::vector<double> &separadores = {},
                                           RaicesReales::Memoria *memoria = nullptr);
    // The same with Arb on every factor.
    static std::vector<RaizExacta> CalculaConArb(const PoliExacto &p);
    // How many distinct real roots P has (0 for the constants and zero).
    static int CuentaDistintas(const PoliExacto &p);
    // P divided by the greatest common divisor of P and P': the same
    // roots, each simple.
    static PoliExacto LibreDeCuadrados(const PoliExacto &p);
};
