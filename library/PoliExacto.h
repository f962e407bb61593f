#pragma once
// A polynomial with exact rational coefficients: what a Collpolinomio
// stands for. Decisions about a polynomial (its roots and their
// multiplicities, its sign at a point, whether a remainder is zero) are
// taken on this; its doubles only draw and display it.
#include "Racional.h"

#include <vector>

class PoliExacto {
public:
    PoliExacto(); // the zero polynomial
    PoliExacto(const PoliExacto &otro);
    PoliExacto(PoliExacto &&otro) noexcept;
    PoliExacto &operator=(const PoliExacto &otro);
    PoliExacto &operator=(PoliExacto &&otro) noexcept;
    ~PoliExacto();

    static PoliExacto Constante(const Racional &c);
    static PoliExacto Monomio(const Racional &c, int expon);
    // x - a.
    static PoliExacto Lineal(const Racional &a);
    // Element k is the coefficient of x^k.
    static PoliExacto DesdeCoeficientes(const std::vector<Racional> &coef);
    // Each double read as the shortest decimal that gives it back.
    static PoliExacto DesdeDoubles(const std::vector<double> &coef);

    // 0 for the constants and the zero polynomial, as Collpolinomio.
    int Grado() const;
    bool EsCero() const;
    Racional Coeficiente(int expon) const;
    // Whether the coefficient of x^expon is zero, without reading it.
    bool CoeficienteEsCero(int expon) const;
    // The double nearest to the coefficient of x^expon.
    double CoeficienteDouble(int expon) const;
    Racional Principal() const { return Coeficiente(Grado()); }
    // The double nearest to each coefficient; element k is that of x^k.
    std::vector<double> Doubles() const;
    // The same into d, whose room is kept.
    void Doubles(std::vector<double> &d) const;
    // The coefficient of x^expon times the common denominator of all of
    // them: a whole number, read without reducing a fraction.
    Racional NumeradorComun(int expon) const;
    // How many coefficients are not zero.
    int Terminos() const;
    // The size of the coefficients in bits: that of the largest numerator
    // over the common denominator plus that of the denominator (0 for the
    // zero polynomial). The cost of the exact work grows with it.
    long Bits() const;

    friend PoliExacto operator+(const PoliExacto &a, const PoliExacto &b);
    friend PoliExacto operator-(const PoliExacto &a, const PoliExacto &b);
    friend PoliExacto operator*(const PoliExacto &a, const PoliExacto &b);
    friend PoliExacto operator*(const Racional &c, const PoliExacto &p);
    friend bool operator==(const PoliExacto &a, const PoliExacto &b);
    PoliExacto Potencia(int n) const;
    PoliExacto Derivada() const;
    // The primitive whose constant term is c.
    PoliExacto Integral(const Racional &c) const;
    // Division with remainder by a non-zero divisor.
    PoliExacto Divide(const PoliExacto &divisor, PoliExacto &residuo) const;
    // Synthetic division by x - a; the remainder is P(a).
    PoliExacto DivideEntreLineal(const Racional &a, Racional &residuo) const;

    Racional Evalua(const Racional &x) const;
    // The sign of P(x), and P(x) rounded once to the nearest double: on
    // long polynomials from balls of growing precision, exactly only where
    // those cannot tell, the same answers at a fraction of the cost.
    int SignoEn(const Racional &x) const;
    double ValorRedondeado(const Racional &x) const;
    // Bounds, rounded outwards to doubles, of every value P takes on
    // [a, b]: a rigorous enclosure, tight when the interval is.
    void AcotaEn(const Racional &a, const Racional &b, double &minimo, double &maximo) const;

    // For the library's own FLINT code (see PuenteFlint.h).
    void *Dato() { return m_dato; }
    const void *Dato() const { return m_dato; }

private:
    // An fmpq_poly held in place: four machine words.
    alignas(long) unsigned char m_dato[4 * sizeof(long)];
};
