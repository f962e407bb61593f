#include "CatalogoEjercicios.h"

#include "VentanaEjercicio.h"
#include "frmClaPtoCri.h"
#include "frmDerivada2.h"
#include "frmParidad.h"
#include "frmPuntosCriticos.h"
#include "frmPuntosInfle.h"
#include "frmderivada1.h"
#include "frmextension.h"
#include "frmraices.h"

namespace {
template <class T> void registra(int concepto)
{
    RegistraEjercicio(concepto, [](Camino c, AbridorEjercicio &a) { VentanaEjercicio::Abre<T>(c, a); });
}
} // namespace

void RegistraEjerciciosAnalisis()
{
    registra<frmraices>(0);
    registra<frmParidad>(2);
    registra<frmextension>(3);
    registra<frmderivada1>(4);
    registra<frmPuntosCriticos>(5);
    registra<frmClaPtoCri>(7);
    registra<frmDerivada2>(8);
    registra<frmPuntosInfle>(9);
}
