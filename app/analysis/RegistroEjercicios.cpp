#include "CatalogoEjercicios.h"

#include "VentanaEjercicio.h"
#include "frmClaPtoCri.h"
#include "frmConcavidad.h"
#include "frmDerivada2.h"
#include "frmMaxMinAbs.h"
#include "frmMonotonia.h"
#include "frmParidad.h"
#include "frmPuntosCriticos.h"
#include "frmPuntosInfle.h"
#include "frmRango.h"
#include "frmderivada1.h"
#include "frmextension.h"
#include "frmposi.h"
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
    registra<frmposi>(1);
    registra<frmParidad>(2);
    registra<frmextension>(3);
    registra<frmderivada1>(4);
    registra<frmPuntosCriticos>(5);
    registra<frmMonotonia>(6);
    registra<frmClaPtoCri>(7);
    registra<frmDerivada2>(8);
    registra<frmPuntosInfle>(9);
    registra<frmConcavidad>(10);
    registra<frmRango>(11);
    registra<frmMaxMinAbs>(12);
}
