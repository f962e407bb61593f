#pragma once
// The function record of a polynomial under study: P, P', P'', a plotting
// window, a precision, and the real roots of the three polynomials in one
// ordered collection: all roots of P, then of P', then of P'', ascending
// within each type, a root of multiplicity m stored m times with identical
// values.
#include "ClsRaices.h"
#include "Collpolinomio.h"
#include "Racional.h"
#include "RaicesReales.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CollFuncPolin;
using FuncPolinPtr = std::shared_ptr<CollFuncPolin>;

class CollFuncPolin {
public:
    CollFuncPolin();
    static FuncPolinPtr Nuevo() { return std::make_shared<CollFuncPolin>(); }

    PoliPtr Polin() const { return m_polin; }
    void Polin(PoliPtr p) { m_polin = std::move(p); }
    PoliPtr Polder1() const { return m_polder1; }
    void Polder1(PoliPtr p) { m_polder1 = std::move(p); }
    PoliPtr Polder2() const { return m_polder2; }
    void Polder2(PoliPtr p) { m_polder2 = std::move(p); }

    double Xmin() const { return m_xmin; }
    void Xmin(double v) { m_xmin = v; }
    double Xmax() const { return m_xmax; }
    void Xmax(double v) { m_xmax = v; }
    double Ymin() const { return m_ymin; }
    void Ymin(double v) { m_ymin = v; }
    double Ymax() const { return m_ymax; }
    void Ymax(double v) { m_ymax = v; }

    std::int16_t Precis() const { return m_precis; }
    void Precis(std::int16_t v);

    // Stores a root of type tpol in its place and returns it.
    RaizPtr Agrega(double raiz, std::int16_t tpol);
    // The root at a 1-based position over all types; outside the collection
    // an unstored root of value -1E308 (after the programmer-error message).
    RaizPtr Elemento(long posicion) const;
    // The same with a key read as the runtime's Val of its text.
    RaizPtr ElementoClave(const std::string &clave) const;
    // Number of stored roots of type t, multiplicities counted.
    long Cuenta(std::int16_t t) const;
    const std::vector<RaizPtr> &raices() const { return m_raices; }
    auto begin() const { return m_raices.begin(); }
    auto end() const { return m_raices.end(); }

    // The real-root finder: stores every real root of P (t = 0), P' (1) or
    // P'' (2).
    void CalculaRaices(std::int16_t t);
    void RaicesDirectas(PoliPtr &pol, std::int16_t t);
    // Stores every root found, each as many times as its multiplicity.
    void AgregaHalladas(std::span<const RaizMultiple> halladas, std::int16_t t);
    bool RaicesCuadrat(PoliPtr &pol, double &x1, double &x2);
    void CalculaCotas(const PoliPtr &pol, double &cpos, double &cneg);

    // The record's own empty polynomial.
    PoliPtr PoliVacio() const { return m_poliVacio; }

    // Every tolerance of the record: 10 raised to -Precis.
    double Tolerancia() const { return m_tolerancia; }
    // The same exactly: the number Tolerancia() reads as when typed.
    Racional ToleranciaExacta() const;

private:
    // Puts a new root in its place; Agrega without the allocation. The
    // place is looked for from position desde on: every root before it
    // must be of a lower type. Taken by value and moved in: each copy of a
    // shared pointer is an atomic count.
    void Coloca(RaizPtr nueva, double raiz, std::int16_t tpol, std::size_t desde = 0);

    std::vector<RaizPtr> m_raices;
    std::int16_t m_precis = 0;
    double m_tolerancia = 1.0;
    PoliPtr m_polin, m_polder1, m_polder2;
    double m_xmin = 0, m_xmax = 0, m_ymin = 0, m_ymax = 0;
    PoliPtr m_poliVacio;
    // The search in doubles of P, kept for those of P' and P''.
    RaicesReales::Memoria m_busqueda;
};
