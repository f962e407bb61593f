#include "CatalogoEjercicios.h"

#include "VentanaEjercicio.h"
#include "frmDerivada2.h"
#include "frmParidad.h"
#include "frmderivada1.h"
#include "frmextension.h"

#include "frmPolical.h"

namespace {
template <class T> void registra(int concepto)
{
    RegistraEjercicio(concepto, [](Camino c, AbridorEjercicio &a) { VentanaEjercicio::Abre<T>(c, a); });
}
} // namespace

void RegistraEjerciciosAnalisis()
{
    registra<frmParidad>(2);
    registra<frmextension>(3);
    registra<frmderivada1>(4);
    registra<frmDerivada2>(8);

    // The hub starts over without a polynomial, or goes away for the first
    // screen, popping its own context either way.
    SalidasEjercicios().otroPolinomio = [] {
        if (frmPolical *hub = GestorVentanas::instancia().existente<frmPolical>())
            hub->mnuRegNuevoPoli_Click();
    };
    SalidasEjercicios().alInicio = [] {
        if (frmPolical *hub = GestorVentanas::instancia().existente<frmPolical>())
            hub->mnuRegInicio_Click();
    };
}
