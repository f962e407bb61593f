#include "CatalogoEjercicios.h"

#include <array>

namespace {
std::array<AbreVentanaEjercicio, 13> &catalogo()
{
    static std::array<AbreVentanaEjercicio, 13> c;
    return c;
}
} // namespace

void RegistraEjercicio(int concepto, AbreVentanaEjercicio abre)
{
    if (concepto >= 0 && concepto < static_cast<int>(catalogo().size()))
        catalogo()[static_cast<std::size_t>(concepto)] = std::move(abre);
}

bool HayEjercicio(int concepto)
{
    return concepto >= 0 && concepto < static_cast<int>(catalogo().size())
        && static_cast<bool>(catalogo()[static_cast<std::size_t>(concepto)]);
}

bool AbreEjercicio(int concepto, Camino camino, AbridorEjercicio &abridor)
{
    if (!HayEjercicio(concepto))
        return false;
    catalogo()[static_cast<std::size_t>(concepto)](camino, abridor);
    return true;
}

SalidasEjercicio &SalidasEjercicios()
{
    static SalidasEjercicio s;
    return s;
}
