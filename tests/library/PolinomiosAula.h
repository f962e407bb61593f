#pragma once
// Classroom polynomials as the random makers and typed exercises give
// them: a small leading coefficient times (x - r)^m over whole, half and
// tenth roots r, multiplicities 1 to 4, expanded exactly as the program
// expands a product. Shared by the root tests and the benchmark.
#include "ClsParserPoli.h"
#include "CollFuncPolin.h"
#include "Collpolinomio.h"
#include "PoliExacto.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

struct PolinomioAula {
    double principal = 1.0;
    std::vector<std::pair<double, int>> factores; // root, multiplicity
};

// Of the given degree, its distinct roots at least separacion apart.
inline PolinomioAula SorteaAula(std::mt19937 &azar, int grado, double separacion)
{
    const double principales[] = {1, -1, 2, -2, 3, 0.5};
    PolinomioAula p;
    p.principal = principales[azar() % 6];
    int resto = grado;
    while (resto > 0) {
        double r = 0;
        switch (azar() % 3) {
        case 0: r = static_cast<int>(azar() % 11) - 5; break;
        case 1: r = (static_cast<int>(azar() % 15) - 7) + 0.5; break;
        default: r = (static_cast<int>(azar() % 81) - 40) / 10.0; break;
        }
        bool cerca = false;
        for (const auto &[v, m] : p.factores)
            cerca = cerca || std::fabs(v - r) < separacion;
        if (cerca)
            continue;
        const int m = std::min(resto, 1 + static_cast<int>(azar() % 4));
        p.factores.push_back({r, m});
        resto -= m;
    }
    return p;
}

// Its roots with repetition, ascending.
inline std::vector<double> RaicesAula(const PolinomioAula &p)
{
    std::vector<double> raices;
    for (const auto &[v, m] : p.factores)
        raices.insert(raices.end(), static_cast<std::size_t>(m), v);
    std::sort(raices.begin(), raices.end());
    return raices;
}

// The product, multiplied out exactly from the decimals of the roots.
inline PoliExacto ExactoAula(const PolinomioAula &p)
{
    PoliExacto e = PoliExacto::Constante(Racional::DesdeDouble(p.principal));
    for (const auto &[r, m] : p.factores)
        e = e * PoliExacto::Lineal(Racional::DesdeDouble(r)).Potencia(m);
    return e;
}

inline PoliPtr PoliDeAula(const PolinomioAula &p) { return Collpolinomio::DesdeExacto(ExactoAula(p)); }

// Coefficients, element k that of x^k: the doubles nearest to the product.
inline std::vector<double> CoeficientesAula(const PolinomioAula &p) { return ExactoAula(p).Doubles(); }

// A rational as typed: its decimal when it has one, else "n/d".
inline std::string TextoRacional(const Racional &r)
{
    Racional escala(1);
    for (int decimales = 0; decimales <= 40; ++decimales) {
        const std::string entero = (r * escala).Texto();
        if (entero.find('/') == std::string::npos) {
            std::string digitos = entero[0] == '-' ? entero.substr(1) : entero;
            if (decimales > 0) {
                if (digitos.size() <= static_cast<std::size_t>(decimales))
                    digitos.insert(0, static_cast<std::size_t>(decimales) + 1 - digitos.size(), '0');
                digitos.insert(digitos.size() - static_cast<std::size_t>(decimales), ".");
            }
            return (entero[0] == '-' ? "-" : "") + digitos;
        }
        escala = escala * Racional(10);
    }
    return r.Texto();
}

// The polynomial typed term by term, as the entry box writes it:
// "2x^(3)-0.5x+1/7".
inline std::string TextoExpandido(const PoliExacto &p)
{
    std::string texto;
    for (int k = p.Grado(); k >= 0; --k) {
        const Racional c = p.Coeficiente(k);
        if (c.EsCero())
            continue;
        std::string numero = TextoRacional(c.Abs());
        if (numero == "1" && k > 0)
            numero.clear();
        texto += (c.Signo() < 0 ? "-" : (texto.empty() ? "" : "+")) + numero;
        if (k >= 1)
            texto += "x";
        if (k >= 2)
            texto += "^(" + std::to_string(k) + ")";
    }
    return texto.empty() ? "0" : texto;
}

// The polynomial typed as its factors: "0.5(x-1.7)^(3)(x+2)".
inline std::string TextoFactores(const PolinomioAula &p)
{
    std::string texto = p.principal == 1 ? "" : (p.principal == -1 ? "-" : TextoRacional(Racional::DesdeDouble(p.principal)));
    for (const auto &[r, m] : p.factores) {
        const Racional raiz = Racional::DesdeDouble(r);
        texto += raiz.EsCero() ? "(x)" : "(x" + std::string(raiz.Signo() > 0 ? "-" : "+") + TextoRacional(raiz.Abs()) + ")";
        if (m > 1)
            texto += "^(" + std::to_string(m) + ")";
    }
    return texto;
}

// The polynomial the entry box reads from texto; empty when it is refused.
inline PoliPtr LeeTexto(const std::string &texto)
{
    PoliPtr p;
    int ut = 0;
    return ParserPoli().Polinomio(texto, p, ut) == 0 ? p : nullptr;
}

// The record of p as the program makes it: P, P', P'' and their roots.
inline FuncPolinPtr RegistroDe(const PoliPtr &p)
{
    auto f = CollFuncPolin::Nuevo();
    f->Precis(6);
    f->Polin(p);
    f->CalculaRaices(0);
    f->Polder1(p->Prima());
    f->Polder2(f->Polder1()->Prima());
    f->CalculaRaices(1);
    f->CalculaRaices(2);
    return f;
}
