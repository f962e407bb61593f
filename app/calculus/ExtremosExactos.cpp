#include "ExtremosExactos.h"

#include "ModCalculos.h"
#include "RaicesExactas.h"

#include <algorithm>
#include <cmath>

namespace {

// p with the sign that makes the chosen extreme its minimum.
PoliExacto HaciaMinimo(const Collpolinomio &p, bool minimo)
{
    return minimo ? p.Exacto() : Racional(-1) * p.Exacto();
}

// Sign of (minimum of q) - c, for q of even degree with a positive leading
// coefficient, or constant.
int ComparaMinimo(const PoliExacto &q, const Racional &c)
{
    const PoliExacto d = q - PoliExacto::Constante(c);
    if (d.Grado() == 0)
        return d.Principal().Signo();
    const std::vector<RaizExacta> raices = RaicesExactas::Calcula(d);
    if (raices.empty())
        return 1;
    for (const RaizExacta &r : raices)
        if (r.multiplicidad % 2 == 1)
            return -1;
    return 0;
}

} // namespace

bool TieneExtremo(const Collpolinomio &p, bool minimo)
{
    const PoliExacto &e = p.Exacto();
    if (e.Grado() == 0)
        return true;
    return e.Grado() % 2 == 0 && (e.Principal().Signo() > 0) == minimo;
}

int ComparaExtremo(const Collpolinomio &p, bool minimo, double c)
{
    const Racional v = Racional::DesdeDouble(c);
    const int s = ComparaMinimo(HaciaMinimo(p, minimo), minimo ? v : -v);
    return minimo ? s : -s;
}

bool MismoExtremo(const Collpolinomio &p, bool minimo, double requerido)
{
    const bool acotado = TieneExtremo(p, minimo);
    if (std::fabs(requerido) == INFINITO)
        return !acotado && (requerido < 0) == minimo;
    return acotado && ComparaExtremo(p, minimo, requerido) == 0;
}

bool ExtremoCasiIgual(const Collpolinomio &p, bool minimo, double v, double tol)
{
    if (!TieneExtremo(p, minimo))
        return CasiIgual(v, minimo ? -INFINITO : INFINITO, tol);
    // On the side of the minimum of q = +-p, against w = +-v.
    const PoliExacto q = HaciaMinimo(p, minimo);
    const Racional w = minimo ? Racional::DesdeDouble(v) : -Racional::DesdeDouble(v);
    const Racional t = Racional::DesdeDouble(tol);
    const int signoExtremo = ComparaMinimo(q, Racional(0));
    if (signoExtremo == 0)
        return std::fabs(v) < tol;
    // |w - e| < t |e| puts e strictly between w / (1 + t) and w / (1 - t),
    // on w's side of 0.
    if (w.Signo() != signoExtremo)
        return false;
    const Racional a = w / (Racional(1) + t);
    const Racional b = w / (Racional(1) - t);
    const Racional &bajo = a < b ? a : b;
    const Racional &alto = a < b ? b : a;
    return ComparaMinimo(q, bajo) > 0 && ComparaMinimo(q, alto) < 0;
}

std::vector<double> ValoresEnCriticos(const Collpolinomio &p, const std::vector<double> &cs)
{
    const PoliExacto &e = p.Exacto();
    // P over its square-free part: the roots P shares with P'.
    std::vector<RaizExacta> comunes;
    if (e.Grado() >= 2) {
        PoliExacto resto;
        comunes = RaicesExactas::Calcula(e.Divide(RaicesExactas::LibreDeCuadrados(e), resto));
    }
    std::vector<double> valores;
    for (double c : cs) {
        const bool cero =
            std::any_of(comunes.begin(), comunes.end(), [c](const RaizExacta &r) { return r.valor == c; });
        valores.push_back(cero ? 0.0 : ValorExacto(p, c));
    }
    return valores;
}
