#include "CalculosRaices.h"

#include <algorithm>
#include <cmath>

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

std::int16_t SignoEntre(const Collpolinomio &pol, const std::vector<double> &raicesDistintas, double a, double b)
{
    if (const std::int16_t s = SignoExacto(pol, (a + b) / 2); s != 0)
        return s;
    // The midpoint is a root: one of even multiplicity, or one that the
    // record joined to a neighbour.
    std::vector<double> puntos{a};
    for (double r : raicesDistintas)
        if (r > a && r < b)
            puntos.push_back(r);
    puntos.push_back(b);
    for (double fraccion : {0.5, 0.25, 0.75})
        for (std::size_t i = 0; i + 1 < puntos.size(); ++i)
            if (const std::int16_t s = SignoExacto(pol, puntos[i] + fraccion * (puntos[i + 1] - puntos[i])); s != 0)
                return s;
    return 0;
}

} // namespace calculos
