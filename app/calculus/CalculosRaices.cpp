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
    // The points between the ends, each read as typed, are taken exactly:
    // two roots far out may be neighbouring doubles with no double between.
    const PoliExacto &exacto = pol.Exacto();
    const Racional izquierda = Racional::DesdeDouble(a), derecha = Racional::DesdeDouble(b);
    const Racional medio(1, 2);
    if (const int s = exacto.SignoEn((izquierda + derecha) * medio); s != 0)
        return static_cast<std::int16_t>(s);
    // The midpoint is a root: one of even multiplicity, or one that the
    // record joined to a neighbour.
    std::vector<Racional> puntos{izquierda};
    for (double r : raicesDistintas)
        if (r > a && r < b)
            puntos.push_back(Racional::DesdeDouble(r));
    puntos.push_back(derecha);
    for (const Racional fraccion : {Racional(1, 2), Racional(1, 4), Racional(3, 4)})
        for (std::size_t i = 0; i + 1 < puntos.size(); ++i)
            if (const int s = exacto.SignoEn(puntos[i] + fraccion * (puntos[i + 1] - puntos[i])); s != 0)
                return static_cast<std::int16_t>(s);
    return 0;
}

} // namespace calculos
