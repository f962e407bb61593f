#pragma once
// Every real root of a polynomial with its multiplicity, found without
// deflation: the real roots of P are isolated between consecutive distinct
// roots of P' (P is monotone there, so each stretch holds at most one), and
// a root of P' where P vanishes within the error bound of its value (the
// evaluation, the rounding of the point, and the rounding of the
// coefficients when they are not exact) is a root of P of one more than
// its multiplicity in P'. Applied down the
// derivatives, so a multiple root takes its value from the derivative in
// which it is simple.
//
// Plain dense coefficients: element k is the coefficient of x^k.
#include <cstddef>
#include <vector>

struct RaizMultiple {
    double valor = 0.0;
    int multiplicidad = 1;
    // A simple root found in a bracket and not yet settled to its last
    // digits: the bracket (P changes sign from izquierda to derecha, with
    // the value P(izquierda)) and P', P'' where the search stopped (P''
    // not a number when they were only carried over from a step away: P'
    // is then close, but not enough to settle with).
    bool afinada = true;
    double izquierda = 0.0, derecha = 0.0, valorIzquierda = 0.0, d1 = 0.0, d2 = 0.0;
};

class RaicesReales {
public:
    // Results already worked out, by exact coefficients: the search of P
    // passes through P' and P'', whose own searches can then reuse them.
    // A critical point settled on the way is settled for every later reader
    // too, since settling depends on nothing but the root and its polynomial.
    struct Memoria {
        struct Entrada {
            std::vector<double> coeficientes;
            std::vector<RaizMultiple> raices;
        };
        // Read by position: a search adds the results below it.
        std::vector<Entrada> entradas;
        // The stretch ends of one search, reused by the next.
        struct Punto {
            double x;
            double valor;
            bool esRaiz;
            // About P'' there, as the search of P' left it; not a number
            // where it is not known.
            double curvatura;
        };
        std::vector<Punto> puntos;
        // The stretches where P changes sign, searched side by side: the
        // bracket with P at its ends, where to start (not a number: from
        // the cubic through the ends), where to go on from should the
        // first step leave the bracket (not a number: bisect), and where
        // the root goes.
        struct Tramo {
            double u, fu, v, fv, inicio, respaldo;
            std::size_t lugar;
        };
        std::vector<Tramo> tramos;
    };

    // Distinct real roots in ascending order; the zero polynomial and the
    // constants have none.
    static std::vector<RaizMultiple> Calcula(std::vector<double> coef, Memoria *memoria = nullptr);

    // Bounds of the positive and of the negative real roots: 1 plus the
    // root of order (n - k) of the largest coefficient of opposite sign to
    // the leading one over the leading one, k the highest exponent of such
    // a coefficient; the same on P(-x) for cneg. 0 where no root can lie.
    static void Cotas(const std::vector<double> &coef, double &cpos, double &cneg);
    // The same with each root of order (n - k) rounded up to a power of two.
    static void CotasHolgadas(const std::vector<double> &coef, double &cpos, double &cneg);

    // P(x) together with a bound, worked out as it runs, of how far it may
    // be from P at the point it stands for: the error of the evaluation
    // (plain Horner where that settles the sign, compensated Horner near
    // zero), of rounding the point, and of the coefficients themselves
    // unless they are exact.
    struct Valor {
        double valor = 0.0;
        double cotaError = 0.0;
        double tamano = 0.0; // sum of |a_k x^k|
    };
    static Valor EvaluaConCota(const std::vector<double> &coef, double x);
    static Valor EvaluaConCota(const std::vector<double> &coef, double x, bool exactos);
    // Whether the coefficients are exact as they stand (whole numbers,
    // halves, quarters...), not the rounded result of some arithmetic.
    static bool CoeficientesExactos(const std::vector<double> &coef);

private:
    template <typename Raiz>
    static void CotasCon(const std::vector<double> &coef, double &cpos, double &cneg, Raiz raiz);
    // The roots with those of the stretches possibly not settled; the
    // leading coefficient is not zero.
    // The position of the result in memoria.
    // profundidad counts derivatives down from the polynomial asked for:
    // from the third on, the roots only end stretches of the one above.
    static std::size_t CalculaEsbozo(std::vector<double> coef, Memoria &memoria, int profundidad);
    static void CalculaSinMemoria(const std::vector<double> &coef, Memoria &memoria, int profundidad,
                                  std::vector<RaizMultiple> &raices);
    // Calcula at a depth of the search, every root settled.
    static std::vector<RaizMultiple> CalculaAfinadas(std::vector<double> coef, Memoria &memoria, int profundidad);
    static void AfinaRaiz(const std::vector<double> &coef, RaizMultiple &r);
    static std::vector<RaizMultiple> RaicesCuadratica(const std::vector<double> &coef);
    static std::vector<double> Derivada(const std::vector<double> &coef);
    // The root of a monotone P in each stretch, put in its place in
    // raices; settled to its last digits later. soloExtremo: the roots
    // only end stretches, so a search may stop as soon as its next step
    // is known to be below a millionth.
    static void RaicesEnTramos(const std::vector<double> &coef, std::vector<Memoria::Tramo> &tramos,
                               bool soloExtremo, std::vector<RaizMultiple> &raices);
    // Newton's steps on the compensated value from x, inside (u, v).
    // P' and P'' at x come in d1 and d2.
    static double Afina(const std::vector<double> &coef, double x, double u, double fu, double v, double d1,
                        double d2);
    // P(x) by compensated Horner, and the size of its error terms.
    struct Compensado {
        double valor = 0.0;
        double errores = 0.0;
    };
    static Compensado HornerCompensado(const std::vector<double> &coef, double x);
};
