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

std::int16_t Signo(double v)
{
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

std::int16_t SignoEn(const Collpolinomio &pol, double x)
{
    return static_cast<std::int16_t>(pol.Exacto().SignoEn(Racional::DesdeDouble(x)));
}

double Aparte(double x, double paso)
{
    return x + std::copysign(std::max(std::fabs(paso), std::ldexp(std::fabs(x), -40)), paso);
}

std::int16_t SignoFueraDeRaices(const Collpolinomio &pol, const std::vector<double> &raicesDistintas,
                                double x)
{
    for (double r : raicesDistintas)
        if (std::fabs(x - r) < 1E-06)
            return 0;
    return SignoEn(pol, x);
}

std::int16_t SignoEntre(const Collpolinomio &pol, const std::vector<double> &raicesDistintas,
                        double a, double b)
{
    std::vector<double> puntos{a};
    for (double r : raicesDistintas)
        if (r > a && r < b)
            puntos.push_back(r);
    puntos.push_back(b);
    for (std::size_t i = 0; i + 1 < puntos.size(); ++i) {
        const std::int16_t s = SignoEn(pol, (puntos[i] + puntos[i + 1]) / 2);
        if (s != 0)
            return s;
    }
    return 0;
}

} // namespace calculos
