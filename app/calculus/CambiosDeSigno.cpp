#include "CambiosDeSigno.h"

#include "CalculosRaices.h"
#include "ModCalculos.h"

#include <algorithm>
#include <cmath>

namespace calculos {

namespace {

std::vector<double> RaicesImpares(const CollFuncPolin &f, std::int16_t t)
{
    std::vector<double> impares;
    for (const RaizAgrupada &r : Agrupa(RaicesDeTipo(f, t)))
        if (r.multiplicidad % 2 == 1)
            impares.push_back(r.valor);
    return impares;
}

bool EsPedida(double r, const std::vector<double> &abscisas)
{
    return std::any_of(abscisas.begin(), abscisas.end(), [r](double a) { return std::fabs(r - a) < CERCA_RAIZ; });
}

} // namespace

std::optional<int> BandaConCambioDeSigno(const CollFuncPolin &f, std::int16_t t, const std::vector<double> &abscisas)
{
    for (double r : RaicesImpares(f, t)) {
        if (!EsPedida(r, abscisas))
            return static_cast<int>(std::count_if(abscisas.begin(), abscisas.end(), [r](double a) { return a < r; }));
    }
    return std::nullopt;
}

bool CambiaSignoEn(const CollFuncPolin &f, std::int16_t t, double x)
{
    const std::vector<double> impares = RaicesImpares(f, t);
    return std::any_of(impares.begin(), impares.end(), [x](double r) { return std::fabs(r - x) < CERCA_RAIZ; });
}

} // namespace calculos
