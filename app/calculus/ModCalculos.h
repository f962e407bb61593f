#pragma once
// The program's own analysis of a polynomial: what the exercises check the
// student's answers against and what the report lists. Every routine reads
// a function record (P, P', P'' and their real roots, as CreaFuncPolin makes
// it) and hands back a complete result; nothing is kept between calls.
//
// Interval ends and limits use +-INFINITO for +-infinity.
#include "CollFuncPolin.h"
#include "Collpolinomio.h"

#include <cstdint>
#include <optional>
#include <vector>

inline constexpr double INFINITO = 1000000.271047;

// Codes of an interval list.
inline constexpr std::int16_t CODIGO_POSITIVO = 1;  // P > 0, increasing, concave upwards
inline constexpr std::int16_t CODIGO_NEGATIVO = -1; // P < 0, decreasing, concave downwards
inline constexpr std::int16_t CODIGO_CONSTANTE = 3; // P' is the zero polynomial
inline constexpr std::int16_t CODIGO_RECTA = -3;    // degree at most 1: no concavity
inline constexpr std::int16_t CODIGO_NULO = 0;      // P is the zero polynomial (sign only)

// Classes of critical points.
inline constexpr std::int16_t CLASE_MINIMO = 1;
inline constexpr std::int16_t CLASE_MAXIMO = -1;
inline constexpr std::int16_t CLASE_NINGUNO = 2; // P' keeps its sign: horizontal inflection

struct Intervalo {
    double izquierdo = 0.0;
    double derecho = 0.0;
};

// Intervals from left to right, each one's right end the next one's left
// end; the first starts at -INFINITO, the last ends at INFINITO. There is
// always at least one interval and exactly one code per interval.
struct ResultadoIntervalos {
    std::vector<Intervalo> intervalos;
    std::vector<std::int16_t> codigos;
    std::int16_t n = 0; // index of the last interval
    std::int16_t m = 0; // see each routine
};

struct ResultadoConcavidad : ResultadoIntervalos {
    bool esRecta = false; // P has degree 0 or 1
};

// Distinct values, ascending.
struct ResultadoRaices {
    std::vector<double> raices;
    std::int16_t n = 0;     // raices.size()
    bool sinRaices = false; // nothing found (n == 0)
};

struct PuntosCriticos {
    std::vector<double> x;             // distinct critical points, ascending
    std::vector<std::int16_t> clase;   // CLASE_* of each point
    std::int16_t n = 0;
    bool sinPuntos = false;
};

struct ExtremosAbsolutos {
    double valorMax = INFINITO;  // absolute maximum value, INFINITO when unbounded above
    double valorMin = -INFINITO; // absolute minimum value, -INFINITO when unbounded below
    double abscisa = -INFINITO;  // where the extremum is reached (the leftmost on a tie)
    // No critical point decides an extremum: odd degree, or a constant
    // (whose value is then both its maximum and its minimum).
    bool sinExtremo = false;
    bool esConstante = false;
};

struct Rango {
    Intervalo rango; // [minimum or -INFINITO, maximum or INFINITO]
    std::int16_t n = 1;
    bool sinExtremo = false;
};

struct Paridad {
    bool ninguna = false;
    bool par = false;
    bool impar = false;
};

struct Limites {
    double limMenos = 0.0; // limit as x -> -infinity
    double limMas = 0.0;   // limit as x -> +infinity
};

// Real roots of P as the record lists them: ascending, a root of
// multiplicity m repeated m times with identical values.
std::vector<double> RaicesReales(const CollFuncPolin &fp);
// Distinct real roots of P, ascending.
ResultadoRaices RaicesRealesDistintas(const CollFuncPolin &fp);

// Distinct real roots of p': its critical points. Builds p's own record.
ResultadoRaices RaicesDistintas(const PoliPtr &p);
// The same, read from a record that already holds the roots of P'.
ResultadoRaices RaicesDistintas(const CollFuncPolin &fp);

// Abscissas of the inflection points: distinct roots of P'' where P''
// changes sign. sinRaices is set when none qualifies.
ResultadoRaices CalculaInflexiones(const CollFuncPolin &fp);

// Sign of P, P' or P'' at x: 1 or -1; 0 where the value is 0 (P' gives
// CODIGO_CONSTANTE there).
std::int16_t EvaluaSignoAux(const CollFuncPolin &fp, double x);
std::int16_t EvaluaPrimaAux(const CollFuncPolin &fp, double x);
std::int16_t EvaluaSegundaAux(const CollFuncPolin &fp, double x);

// Sign bands of P, cut at its distinct real roots (a root of even
// multiplicity still separates two bands). n = number of distinct roots,
// m = number of roots counted with multiplicity.
ResultadoIntervalos IntervalosSigno(const CollFuncPolin &fp);

// Increasing/decreasing intervals, cut at the roots of P' of odd
// multiplicity. m = number of cut points (= n).
ResultadoIntervalos CalculaMonotonia(const CollFuncPolin &fp);
ResultadoIntervalos IntervalosMonotonia(const CollFuncPolin &fp);

// Concavity intervals, cut at the inflection abscissas. n = number of
// inflection abscissas, m = roots of P'' counted with multiplicity.
ResultadoConcavidad IntervalosConcavidad(const CollFuncPolin &fp);

// Distinct critical points of p with their class. Builds p's own record.
PuntosCriticos ClasificaPuntosCriticos(const PoliPtr &p);
PuntosCriticos ClasificaPuntosCriticos(const CollFuncPolin &fp);

// Absolute maximum (negative leading coefficient) or minimum (positive) of
// an even-degree P; odd degrees have none.
ExtremosAbsolutos MaxMinAbsoluto(const CollFuncPolin &fp);

// The range of P as one interval.
Rango RangoPolinomio(const CollFuncPolin &fp);

// Even, odd or neither; constants (and the zero polynomial) are even.
Paridad ParidadPolinomio(const Collpolinomio &p);

// Limits of p at -infinity and +infinity; a constant c gives c at both.
Limites ExtensionPolinomio(const Collpolinomio &p);

// a equals the program's value b within the relative tolerance tol
// (absolute when b is 0).
bool CasiIgual(double a, double b, double tol);
// How far a is from the program's value b in CasiIgual's measure:
// CasiIgual(a, b, tol) holds exactly when this is below tol.
double ErrorRelativo(double a, double b);
// The lines' comparison of a typed value a with the program's b:
// |a - b| <= tol while |b| <= 1, |a - b| / |b| <= tol above, decided on
// the exact values (doubles read as typed).
bool DentroTolerancia(const Racional &a, const Racional &b, double tol);
bool DentroTolerancia(double a, double b, double tol);
// p vanishes at a within tol: |p(a)| <= tol, decided on the exact
// polynomial at a read as typed (the shortest decimal that gives the
// double back); tol 0 asks for an exact zero. p is P, P' or P'', as the
// caller tests.
bool EsCeroEn(const Collpolinomio &p, double a, double tol);

// p at x read as typed, evaluated exactly and rounded once: what the
// evaluation tools and the report show, with no rounding noise beside a
// multiple root (where a double evaluation may even show the wrong sign).
double ValorExacto(const Collpolinomio &p, double x);

// Number of exponents 0..degree(q) at which p differs from q beyond tol
// (relative to q's coefficient, absolute where it is 0); termino gets the
// highest such exponent and is left alone when none differs.
std::int16_t ComparaDerivada(const Collpolinomio &p, const Collpolinomio &q, double tol,
                             std::int16_t &termino);
