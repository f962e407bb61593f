#include "CambiosDeSigno.h"

#include "CalculosRaices.h"
#include "ModCalculos.h"
#include "RaicesPedidas.h"

#include <algorithm>

namespace calculos {

namespace {

const PoliExacto &DeTipo(const CollFuncPolin &f, std::int16_t t)
{
    return Poli(t == 1 ? f.Polder1() : t == 2 ? f.Polder2() : f.Polin()).Exacto();
}

std::vector<Racional> Exactas(const std::vector<double> &abscisas)
{
    std::vector<Racional> v;
    for (double a : abscisas)
        v.push_back(Racional::DesdeDouble(a));
    return v;
}

} // namespace

std::optional<int> BandaConCambioDeSigno(const CollFuncPolin &f, std::int16_t t, const std::vector<double> &abscisas)
{
    const PoliExacto &p = DeTipo(f, t);
    if (p.EsCero())
        return std::nullopt;
    const std::vector<Racional> pedidas = Exactas(abscisas);
    for (const RaizAsignada &r : AsignaRaices(p, pedidas))
        if (r.pedida < 0 && r.raiz.multiplicidad % 2 == 1)
            return static_cast<int>(std::count_if(pedidas.begin(), pedidas.end(),
                                                  [&](const Racional &a) { return AntesDe(p, a, r.raiz); }));
    return std::nullopt;
}

bool CambiaSignoEn(const CollFuncPolin &f, std::int16_t t, double x)
{
    const PoliExacto &p = DeTipo(f, t);
    if (p.EsCero())
        return false;
    int multiplicidad = 0;
    for (const RaizAsignada &r : AsignaRaices(p, {Racional::DesdeDouble(x)}))
        if (r.pedida == 0)
            multiplicidad += r.raiz.multiplicidad;
    return multiplicidad % 2 == 1;
}

std::int16_t ClasePorCambioDeSigno(const CollFuncPolin &f, double x)
{
    const PoliExacto &p = DeTipo(f, 1);
    if (p.EsCero())
        return CLASE_NINGUNO;
    std::vector<RaizAsignada> raices = AsignaRaices(p, {Racional::DesdeDouble(x)});
    int multiplicidad = 0;
    std::size_t ultima = 0;
    for (std::size_t j = 0; j < raices.size(); ++j)
        if (raices[j].pedida == 0) {
            multiplicidad += raices[j].raiz.multiplicidad;
            ultima = j;
        }
    if (multiplicidad % 2 == 0)
        return CLASE_NINGUNO;
    return SignoDespues(p, raices, ultima) > 0 ? CLASE_MINIMO : CLASE_MAXIMO;
}

} // namespace calculos
