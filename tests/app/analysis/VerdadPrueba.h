#pragma once
// The truth an analysis exercise is judged against: a classroom polynomial
// drawn at random as a teacher writes it (P, P' or P'' as a leading factor
// times (x - r)^m), typed as the student types it, and the answers every
// exercise expects, worked out from the factors in exact arithmetic (and,
// for the polynomials that were not factored, from their exact roots),
// never from the program's own lists.
#include "ClsParserPoli.h"
#include "ModCalculos.h"
#include "PoliExacto.h"
#include "RaicesExactas.h"
#include "Racional.h"

#include <QString>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

// Which polynomial is written as factors.
enum class Factorizado { P, Prima, Segunda };

struct RaizVerdad {
    Racional exacta; // the root when rational, else near it
    double valor = 0.0;
    int multiplicidad = 1;
};

struct Factor {
    Racional raiz;
    int multiplicidad = 1;
};

// A number as the student types it: a decimal where it has one, else a
// fraction.
inline QString TextoExacto(const Racional &r)
{
    const std::string t = r.Texto();
    const auto barra = t.find('/');
    if (barra == std::string::npos)
        return QString::fromStdString(t);
    const long long num = std::stoll(t.substr(0, barra)), den = std::stoll(t.substr(barra + 1));
    // den = 2^a 5^b has max(a, b) decimals.
    long long potencia = 1;
    for (int decimales = 1; decimales <= 15; ++decimales) {
        potencia *= 10;
        if (potencia % den != 0)
            continue;
        const long long digitos = num * (potencia / den);
        QString d = QString::number(digitos < 0 ? -digitos : digitos).rightJustified(decimales + 1, QLatin1Char('0'));
        d.insert(d.size() - decimales, QLatin1Char('.'));
        return (digitos < 0 ? QStringLiteral("-") : QString()) + d;
    }
    return QString::fromStdString(t);
}

// The linear text of the entry box, highest term first: "-1/3x^(3)+2.5x-1".
inline QString TextoExpandido(const PoliExacto &p)
{
    QString s;
    for (int e = p.Grado(); e >= 0; --e) {
        const Racional c = p.Coeficiente(e);
        if (c.EsCero())
            continue;
        QString coef = TextoExacto(c.Abs());
        if (e > 0 && c.Abs() == Racional(1))
            coef.clear();
        s += (c.Signo() < 0 ? QStringLiteral("-") : s.isEmpty() ? QString() : QStringLiteral("+")) + coef;
        if (e >= 1)
            s += QStringLiteral("x");
        if (e >= 2)
            s += QStringLiteral("^(%1)").arg(e);
    }
    return s.isEmpty() ? QStringLiteral("0") : s;
}

struct ProblemaAula {
    Factorizado forma = Factorizado::P;
    Racional principal;
    std::vector<Factor> factores; // ascending, distinct roots
    PoliExacto p;                 // P itself
    QString comoFactores;         // P typed as its factors (only when P is the factored one)
    QString expandido;            // P typed term by term
    QString nombre;
};

inline PoliExacto Producto(const Racional &principal, const std::vector<Factor> &factores)
{
    PoliExacto p = PoliExacto::Constante(principal);
    for (const Factor &f : factores)
        p = p * PoliExacto::Lineal(f.raiz).Potencia(f.multiplicidad);
    return p;
}

// P from its factored polynomial: that one itself, its primitive with
// constant term c0, or its second primitive ending in c1 x + c0. The
// factors must be ascending.
inline void CompletaProblema(ProblemaAula &p, const Racional &c1, const Racional &c0)
{
    const PoliExacto producto = Producto(p.principal, p.factores);
    const char *letra = p.forma == Factorizado::P ? "P" : p.forma == Factorizado::Prima ? "P'" : "P''";
    p.p = p.forma == Factorizado::P       ? producto
          : p.forma == Factorizado::Prima ? producto.Integral(c0)
                                          : producto.Integral(c1).Integral(c0);
    p.nombre = QStringLiteral("%1 = %2").arg(QLatin1String(letra), QString::fromStdString(p.principal.Texto()));
    for (const Factor &f : p.factores)
        p.nombre += QStringLiteral("(x-%1)^%2").arg(QString::fromStdString(f.raiz.Texto())).arg(f.multiplicidad);
    if (p.forma != Factorizado::P)
        p.nombre += QStringLiteral(", P(0) = %1").arg(QString::fromStdString(c0.Texto()));
}

// One-decimal roots in [-6, 6], some with a neighbour 0.01 to 0.4 away,
// multiplicities 1 to 3, the leading factor one a teacher picks; the
// factored polynomial's degree in gradoMin..gradoMax.
inline ProblemaAula SorteaAula(std::mt19937 &azar, Factorizado forma, int gradoMin, int gradoMax)
{
    static const Racional principales[] = {Racional(1), Racional(-1), Racional(2), Racional(-2),
                                           Racional(1, 2), Racional(-1, 2), Racional(3), Racional(1, 10)};
    auto entero = [&azar](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    ProblemaAula p;
    p.forma = forma;
    p.principal = principales[entero(0, 7)];
    for (;;) {
        p.factores.clear();
        int grado = 0;
        const int grupos = entero(1, 3);
        auto libre = [&p](const Racional &r) {
            return std::none_of(p.factores.begin(), p.factores.end(), [&r](const Factor &f) { return f.raiz == r; });
        };
        for (int g = 0; g < grupos; ++g) {
            const Racional r(entero(-60, 60), 10);
            if (!libre(r))
                continue;
            const int m = entero(1, 3);
            p.factores.push_back({r, m});
            grado += m;
            if (entero(0, 9) < 7) {
                const Racional vecino = r + Racional(entero(0, 1) ? entero(1, 40) : -entero(1, 40), 100);
                if (libre(vecino) && vecino.Abs() <= Racional(6)) {
                    const int mv = entero(1, 3);
                    p.factores.push_back({vecino, mv});
                    grado += mv;
                }
            }
        }
        if (grado >= gradoMin && grado <= gradoMax)
            break;
    }
    std::sort(p.factores.begin(), p.factores.end(), [](const Factor &a, const Factor &b) { return a.raiz < b.raiz; });
    const Racional c1(entero(-2, 2)), c0(entero(-3, 3));
    CompletaProblema(p, c1, c0);
    if (forma == Factorizado::P) {
        p.comoFactores = TextoExacto(p.principal);
        if (p.comoFactores == QStringLiteral("1"))
            p.comoFactores.clear();
        else if (p.comoFactores == QStringLiteral("-1"))
            p.comoFactores = QStringLiteral("-");
        for (const Factor &f : p.factores) {
            const QString r = TextoExacto(f.raiz.Abs());
            p.comoFactores += f.raiz.EsCero()      ? QStringLiteral("x")
                              : f.raiz.Signo() > 0 ? QStringLiteral("(x-%1)").arg(r)
                                                   : QStringLiteral("(x+%1)").arg(r);
            if (f.multiplicidad > 1)
                p.comoFactores += QStringLiteral("^(%1)").arg(f.multiplicidad);
        }
    }
    p.expandido = TextoExpandido(p.p);
    return p;
}

// P read as the entry box hands the text on; empty when the parser refuses it.
inline PoliPtr Teclea(const QString &lineal)
{
    PoliPtr p;
    int posicion = 0;
    if (ParserPoli().Polinomio(lineal.toStdString(), p, posicion) != 0)
        return nullptr;
    return p;
}

// The real roots of P (orden 0), P' (1) or P'' (2), ascending with their
// multiplicities: the factors where that one was factored, else its exact
// roots.
inline std::vector<RaizVerdad> RaicesVerdad(const ProblemaAula &p, int orden)
{
    std::vector<RaizVerdad> r;
    if (static_cast<int>(p.forma) == orden) {
        for (const Factor &f : p.factores)
            r.push_back({f.raiz, f.raiz.ADouble(), f.multiplicidad});
        return r;
    }
    PoliExacto q = p.p;
    for (int k = 0; k < orden; ++k)
        q = q.Derivada();
    for (const RaizExacta &x : RaicesExactas::Calcula(q))
        r.push_back({x.EsRacional() ? x.izquierda : Racional::DesdeDouble(x.valor), x.valor, x.multiplicidad});
    return r;
}

inline int SignoPrincipal(const ProblemaAula &p, int orden)
{
    PoliExacto q = p.p;
    for (int k = 0; k < orden; ++k)
        q = q.Derivada();
    return q.Principal().Signo();
}

// Every copy of each root: what the roots exercise asks for.
inline std::vector<double> ConCopias(const std::vector<RaizVerdad> &raices)
{
    std::vector<double> v;
    for (const RaizVerdad &r : raices)
        for (int k = 0; k < r.multiplicidad; ++k)
            v.push_back(r.valor);
    return v;
}

// The roots where the polynomial changes sign (odd multiplicity).
inline std::vector<RaizVerdad> Cambios(const std::vector<RaizVerdad> &raices)
{
    std::vector<RaizVerdad> v;
    for (const RaizVerdad &r : raices)
        if (r.multiplicidad % 2 == 1)
            v.push_back(r);
    return v;
}

inline std::vector<double> Valores(const std::vector<RaizVerdad> &raices)
{
    std::vector<double> v;
    for (const RaizVerdad &r : raices)
        v.push_back(r.valor);
    return v;
}

// Bands cut at `cortes`, each with the sign of a polynomial of leading
// sign `signo` whose real roots are `raices`: the sign right of a point
// is the leading one times -1 for every odd root beyond it.
inline ResultadoIntervalos Bandas(const std::vector<RaizVerdad> &cortes, const std::vector<RaizVerdad> &raices,
                                  int signo)
{
    ResultadoIntervalos r;
    double izquierdo = -INFINITO;
    // -INFINITO stands for minus infinity here: the roots all lie above it.
    auto signoTras = [&](double x) {
        int s = signo;
        for (const RaizVerdad &q : raices)
            if (q.valor > x && q.multiplicidad % 2 == 1)
                s = -s;
        return static_cast<std::int16_t>(s);
    };
    for (const RaizVerdad &c : cortes) {
        r.intervalos.push_back({izquierdo, c.valor});
        r.codigos.push_back(signoTras(izquierdo));
        izquierdo = c.valor;
    }
    r.intervalos.push_back({izquierdo, INFINITO});
    r.codigos.push_back(signoTras(izquierdo));
    r.n = static_cast<std::int16_t>(r.intervalos.size() - 1);
    return r;
}

// Sign of P: cut at every distinct root.
inline ResultadoIntervalos SignoVerdad(const ProblemaAula &p)
{
    const auto raices = RaicesVerdad(p, 0);
    return Bandas(raices, raices, SignoPrincipal(p, 0));
}
// Monotonicity and concavity: cut where P' or P'' changes sign.
inline ResultadoIntervalos CambiosVerdad(const ProblemaAula &p, int orden)
{
    const auto raices = RaicesVerdad(p, orden);
    return Bandas(Cambios(raices), raices, SignoPrincipal(p, orden));
}

// Classes of the critical points, ascending: 0 none (P' keeps its sign),
// 1 maximum, 2 minimum (the options of the classification window).
inline std::vector<int> ClasesVerdad(const ProblemaAula &p)
{
    const auto raices = RaicesVerdad(p, 1);
    const ResultadoIntervalos bandas = Bandas(raices, raices, SignoPrincipal(p, 1));
    std::vector<int> clases;
    for (std::size_t i = 0; i < raices.size(); ++i)
        clases.push_back(raices[i].multiplicidad % 2 == 0 ? 0 : bandas.codigos[i + 1] > 0 ? 2 : 1);
    return clases;
}

// The range [minimum, INFINITO] or [-INFINITO, maximum] at the critical
// points; the whole line for an odd degree.
inline Intervalo RangoVerdad(const ProblemaAula &p)
{
    if (p.p.Grado() % 2 == 1)
        return {-INFINITO, INFINITO};
    const bool arriba = p.p.Principal().Signo() > 0;
    bool primero = true;
    Racional extremo;
    for (const RaizVerdad &c : RaicesVerdad(p, 1)) {
        const Racional v = p.p.Evalua(c.exacta);
        if (primero || (arriba ? v < extremo : extremo < v))
            extremo = v;
        primero = false;
    }
    return arriba ? Intervalo{extremo.ADouble(), INFINITO} : Intervalo{-INFINITO, extremo.ADouble()};
}
