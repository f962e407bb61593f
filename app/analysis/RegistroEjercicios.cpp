#include "CatalogoEjercicios.h"

#include "VentanaEjercicio.h"
#include "frmConcavidad.h"
#include "frmDerivada2.h"
#include "frmMaxMinAbs.h"
#include "frmMonotonia.h"
#include "frmParidad.h"
#include "frmRango.h"
#include "frmderivada1.h"
#include "frmextension.h"
#include "frmposi.h"

namespace {
template <class T> void registra(int concepto)
{
    RegistraEjercicio(concepto, [](Camino c, AbridorEjercicio &a) { VentanaEjercicio::Abre<T>(c, a); });
}
} // namespace

void RegistraEjerciciosAnalisis()
{
    registra<frmposi>(1);
    registra<frmParidad>(2);
    registra<frmextension>(3);
    registra<frmderivada1>(4);
    registra<frmMonotonia>(6);
    registra<frmDerivada2>(8);
    registra<frmConcavidad>(10);
    registra<frmRango>(11);
    registra<frmMaxMinAbs>(12);
}
