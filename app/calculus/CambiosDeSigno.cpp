#include "CambiosDeSigno.h"

#include "CalculosRaices.h"

#include <algorithm>
#include <cmath>

namespace calculos {

namespace {

// The root finder places a required abscissa within this much.
constexpr double CERCA = 1E-04;

std::vector<double> RaicesImpares(const CollFuncPolin &f, std::int16_t t)
{
    std::vector<double> impares;
    for (const RaizAgrupada &r : Agrupa(RaicesDeTipo(f, t)))
        if (r.multiplicidad % 2 == 1)
            impares.push_back(r.valor);
    return impares;
}

} // namespace

std::optional<int> BandaConCambioDeSigno(const CollFuncPolin &f, std::int16_t t, const std::vector<double> &abscisas)
{
    for (double r : RaicesImpares(f, t)) {
        const bool pedida = std::any_of(abscisas.begin(), abscisas.end(),
                                        [r](double a) { return std::fabs(r - a) < CERCA; });
        if (!pedida)
            return static_cast<int>(std::count_if(abscisas.begin(), abscisas.end(), [r](double a) { return a < r; }));
    }
    return std::nullopt;
}

bool CambiaSignoEn(const CollFuncPolin &f, std::int16_t t, double x)
{
    const std::vector<double> impares = RaicesImpares(f, t);
    return std::any_of(impares.begin(), impares.end(), [x](double r) { return std::fabs(r - x) < CERCA; });
}

} // namespace calculos
