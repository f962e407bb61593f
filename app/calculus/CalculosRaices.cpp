#include "CalculosRaices.h"

#include "RaicesExactas.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace calculos {

std::vector<double> RaicesDeTipo(const CollFuncPolin &fp, std::int16_t t)
{
    std::vector<double> raices;
    for (const auto &r : fp)
        if (r->tipopol() == t)
            raices.push_back(r->Raiz());
    return raices;
}

std::vector<double> Distintas(const std::vector<double> &raices)
{
    std::vector<double> distintas;
    for (double r : raices)
        if (distintas.empty() || distintas.back() != r)
            distintas.push_back(r);
    return distintas;
}

std::vector<RaizAgrupada> Agrupa(const std::vector<double> &raices)
{
    std::vector<RaizAgrupada> grupos;
    for (double r : raices) {
        if (!grupos.empty() && grupos.back().valor == r)
            ++grupos.back().multiplicidad;
        else
            grupos.push_back({r, 1});
    }
    return grupos;
}

const Collpolinomio &Poli(const PoliPtr &p)
{
    static const Collpolinomio vacio;
    return p ? *p : vacio;
}

double CoeficientePrincipal(const Collpolinomio &p)
{
    return p.Cuenta() > 0 ? p.terminos().front()->coef() : 0.0;
}

std::int16_t SignoExacto(const Collpolinomio &pol, double x)
{
    return static_cast<std::int16_t>(pol.Exacto().SignoEn(Racional::DesdeDouble(x)));
}

double Aparte(double x, double paso)
{
    return x + std::copysign(std::max(std::fabs(paso), std::ldexp(std::fabs(x), -40)), paso);
}

namespace {

// The sign of p on the widest of the gaps between consecutive exact roots
// of p (the outer ones reaching to infinity) that meet (a, b): that of its
// leading coefficient, changed by each root right of the gap as often as
// its multiplicity. No point of the gap is needed, so two roots that
// share a double, or whose isolating intervals (found for different
// factors) touch, do not mislead it. 0 when p has no root.
int SignoDeLaBanda(const PoliExacto &p, double a, double b)
{
    const std::vector<RaizExacta> raices = RaicesExactas::Calcula(p);
    if (raices.empty())
        return 0;
    std::optional<std::size_t> hueco;
    double ancho = -1.0;
    for (std::size_t k = 0; k <= raices.size(); ++k) {
        const double izquierda = k > 0 ? raices[k - 1].valor : -INFINITY;
        const double derecha = k < raices.size() ? raices[k].valor : INFINITY;
        if (derecha <= a || izquierda >= b || !(derecha - izquierda > ancho))
            continue;
        ancho = derecha - izquierda;
        hueco = k;
    }
    if (!hueco)
        return 0;
    int cambios = 0;
    for (std::size_t k = *hueco; k < raices.size(); ++k)
        cambios += raices[k].multiplicidad;
    const int principal = p.Principal().Signo();
    return cambios % 2 == 0 ? principal : -principal;
}

} // namespace

std::int16_t SignoEntre(const Collpolinomio &pol, const std::vector<double> &raicesDistintas, double a, double b)
{
    // The points between the ends, each read as typed, are taken exactly:
    // two roots far out may be neighbouring doubles with no double between.
    // Each end, the double nearest to its root read back as typed, is
    // within one unit in the last place of that root, so the midpoint
    // stands inside the band when the ends lie more than a few such units
    // apart.
    const PoliExacto &exacto = pol.Exacto();
    const Racional izquierda = Racional::DesdeDouble(a), derecha = Racional::DesdeDouble(b);
    const Racional medio(1, 2);
    const double ulp = std::max(std::fabs(std::nextafter(a, INFINITY) - a), std::fabs(std::nextafter(b, INFINITY) - b));
    if (b - a > 4 * ulp)
        if (const int s = exacto.SignoEn((izquierda + derecha) * medio); s != 0)
            return static_cast<std::int16_t>(s);
    // Ends a few units apart, or a midpoint that is a root: one of even
    // multiplicity, or one that the record joined to a neighbour. The
    // exact roots tell: the widest of the gaps between consecutive exact
    // roots that meet the band (the narrow ones lie inside a joined
    // cluster) is the band itself.
    if (const int s = SignoDeLaBanda(exacto, a, b); s != 0)
        return static_cast<std::int16_t>(s);
    std::vector<Racional> puntos{izquierda};
    for (double r : raicesDistintas)
        if (r > a && r < b)
            puntos.push_back(Racional::DesdeDouble(r));
    puntos.push_back(derecha);
    for (const Racional &fraccion : {Racional(1, 2), Racional(1, 4), Racional(3, 4)})
        for (std::size_t i = 0; i + 1 < puntos.size(); ++i)
            if (const int s = exacto.SignoEn(puntos[i] + fraccion * (puntos[i + 1] - puntos[i])); s != 0)
                return static_cast<std::int16_t>(s);
    return 0;
}

} // namespace calculos
