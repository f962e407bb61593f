#pragma once
// A polynomial in one real variable: a sparse collection of terms kept in
// strictly decreasing order of exponent, no term with coefficient 0. The
// zero polynomial is the empty collection (degree 0, like a constant).
//
// Polynomials are shared by reference (PoliPtr); every member that returns
// a polynomial returns a new object and leaves this one unchanged, except
// DivideconResiduo, which also hands back the remainder.
//
// Beside its doubles it carries the exact polynomial it stands for (see
// Exacto): arithmetic is done exactly and the doubles are the nearest to
// the exact coefficients.
#include "Clsmonomio.h"
#include "PoliExacto.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rt { class CajaRtf; }

class Collpolinomio;
using PoliPtr = std::shared_ptr<Collpolinomio>;

class Collpolinomio {
public:
    Collpolinomio();
    static PoliPtr Nuevo() { return std::make_shared<Collpolinomio>(); }

    // Adds coef*x^expon. Returns the term affected (the new one, or the
    // stored one that absorbed it, even if it dropped out because it became
    // 0); an empty pointer when coef is exactly 0.
    MonomioPtr Agrega(double coef, std::int16_t expon);

    // The term at a 1-based position; past the end, a detached term with
    // coef 0 and the position as exponent (rt::ErrorDesbordamiento beyond
    // the 16-bit range).
    MonomioPtr Elemento(long posicion) const;
    // The term stored under the exponent written as text ("0", "12"). A
    // missing one reads as a detached term with coef 0 and that exponent;
    // a key that is not a 16-bit number throws rt::ErrorDesbordamiento or
    // std::invalid_argument.
    MonomioPtr ElementoClave(const std::string &clave) const;
    MonomioPtr ElementoExponente(std::int16_t expon) const { return ElementoClave(std::to_string(expon)); }

    long Cuenta() const { return static_cast<long>(m_terminos.size()); }
    void Remueve(long posicion);
    void RemueveClave(const std::string &clave);

    // Terms from the highest exponent down.
    const std::vector<MonomioPtr> &terminos() const { return m_terminos; }
    auto begin() const { return m_terminos.begin(); }
    auto end() const { return m_terminos.end(); }

    double Eval(double x) const;
    double operator()(double x) const { return Eval(x); }
    std::int16_t Grado() const;

    const std::vector<double> &coefind() const { return m_coefind.empty() ? SinCandidatos() : m_coefind; }
    void coefind(const std::vector<double> &candidatos) { m_coefind = candidatos; }

    PoliPtr Copia() const;
    std::vector<double> A_Arreglo() const;
    void Desde_Arreglo(const std::vector<double> &arr);

    PoliPtr Suma(const Collpolinomio &q) const;
    PoliPtr Resta(const Collpolinomio &q) const;
    PoliPtr Producto(const Collpolinomio &q) const;
    PoliPtr Potencia(std::int16_t expon) const;

    // Writes the polynomial, typeset, into a rich text box; only the first
    // character of letra is used ("x" when empty).
    void Despliega(rt::CajaRtf &cajartf, const std::string &letra = "x") const;

    // Synthetic division by (x - num); num receives the remainder P(a).
    PoliPtr DivideconResiduo(double &num) const;
    PoliPtr Prima() const;
    PoliPtr Integral(double c = 0.0) const;
    // The exact polynomial this one stands for: the one it was built from
    // while every step was exact (typed text, products and powers of
    // typed factors, derivatives), else each double coefficient read as
    // the shortest decimal that gives it back, which is what a person
    // typed. A term changed through its pointer is seen here.
    const PoliExacto &Exacto() const;
    // A polynomial with the doubles nearest to exacto's coefficients.
    static PoliPtr DesdeExacto(PoliExacto exacto);

    // The absolute differences of the coefficients that differ significantly
    // (relative to this polynomial's coefficient, absolute where it is 0).
    PoliPtr Diferente(const Collpolinomio &pol, double epsi = 1e-06) const;

private:
    // {0}: no typed factor. Stored as nothing until a list is given, since
    // most polynomials never get one and every new one would allocate it.
    static const std::vector<double> &SinCandidatos();

    // Builds the terms from exacto and keeps it as this one's exact form.
    void PonExacto(PoliExacto exacto);
    // The terms as they were when m_exacto was last set or read.
    bool HuellaVigente() const;

    std::vector<MonomioPtr> m_terminos;
    std::vector<double> m_coefind;
    mutable std::shared_ptr<const PoliExacto> m_exacto;
    mutable std::vector<Clsmonomio> m_huella;
};
