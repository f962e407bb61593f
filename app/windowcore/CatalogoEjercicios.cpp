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

// The window each concept opened last, while it stays loaded.
std::array<QPointer<VentanaBase>, 13> &abiertas()
{
    static std::array<QPointer<VentanaBase>, 13> a;
    return a;
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
    const auto k = static_cast<std::size_t>(concepto);
    // One concept at a time: each exercise pushes a screen context and pops
    // the top one as it leaves, so an exercise already open on the panel
    // leaves (as its "Cancelar") before another one opens over it. The
    // concept's own window, when open, stays as it is.
    VentanaBase *propia = abiertas()[k];
    cierraSi([propia](const EjercicioAbierto &e) { return dynamic_cast<const VentanaBase *>(&e) != propia; });
    catalogo()[k](camino, abridor);
    abiertas()[k] = GestorVentanas::instancia().actual();
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
