#include "CatalogoEjercicios.h"

#include "GestorVentanas.h"

#include <QPointer>
#include <array>

namespace {
std::array<AbreVentanaEjercicio, 13> &catalogo()
{
    static std::array<AbreVentanaEjercicio, 13> c;
    return c;
}

// Cancels the open exercises that pasa lets through; each one unloads
// itself, so the list is taken again after every cancel.
template <class Filtro> void cierraSi(Filtro pasa)
{
    for (;;) {
        EjercicioAbierto *siguiente = nullptr;
        for (VentanaBase *v : GestorVentanas::instancia().cargadas())
            if (auto *e = dynamic_cast<EjercicioAbierto *>(v); e && pasa(*e)) {
                siguiente = e;
                break;
            }
        if (!siguiente)
            return;
        QPointer<VentanaBase> ventana = dynamic_cast<VentanaBase *>(siguiente);
        siguiente->Cancela();
        // An exercise that stayed loaded is unloaded all the same.
        if (ventana && GestorVentanas::instancia().cargadas().contains(ventana.data()))
            GestorVentanas::instancia().descarga(ventana);
    }
}
} // namespace

void CierraEjerciciosDe(const AbridorEjercicio &abridor)
{
    cierraSi([&abridor](const EjercicioAbierto &e) { return e.abridor() == &abridor; });
}

void CierraEjercicios()
{
    cierraSi([](const EjercicioAbierto &) { return true; });
}

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

void OlvidaEjercicios()
{
    catalogo().fill({});
    SalidasEjercicios() = {};
}

SalidasEjercicio &SalidasEjercicios()
{
    static SalidasEjercicio s;
    return s;
}
