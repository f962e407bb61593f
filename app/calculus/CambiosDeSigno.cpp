#include "CambiosDeSigno.h"

#include "CalculosRaices.h"
#include "ModCalculos.h"
#include "RaicesPedidas.h"

namespace calculos {

namespace {

const PoliExacto &DeTipo(const CollFuncPolin &f, std::int16_t t)
{
    return Poli(t == 1 ? f.Polder1() : t == 2 ? f.Polder2() : f.Polin()).Exacto();
}

} // namespace

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
