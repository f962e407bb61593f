#include "RegistroConstrucciones.h"

#include "VentanaConstruccion.h"
#include "frmConClaPtoCriti.h"
#include "frmConConcavidad.h"
#include "frmConDerivada.h"
#include "frmConDerivada2.h"
#include "frmConExtension.h"
#include "frmConMaxMinAbs.h"
#include "frmConMonotonia.h"
#include "frmConParidad.h"
#include "frmConPosi.h"
#include "frmConPtoCritico.h"
#include "frmConPuntosInfle.h"
#include "frmConRango.h"
#include "frmConRaices.h"

#include <array>
#include <functional>

namespace {

using Abridor = std::function<void(AbridorEjercicio &)>;

template <class T> Abridor Ventana()
{
    return [](AbridorEjercicio &a) { VentanaConstruccion::Abre<T>(a); };
}

// By concept; a concept without its window yet stays empty.
const std::array<Abridor, 13> &Construcciones()
{
    static const std::array<Abridor, 13> tabla = {
        Ventana<frmConRaices>(), // 0 real roots
        Ventana<frmConPosi>(),   // 1 sign
        Ventana<frmConParidad>(), // 2 parity
        Ventana<frmConExtension>(), // 3 extension
        Ventana<frmConDerivada>(),   // 4 first derivative
        Ventana<frmConPtoCritico>(), // 5 critical points
        Ventana<frmConMonotonia>(),  // 6 monotonicity
        Ventana<frmConClaPtoCriti>(), // 7 classification
        Ventana<frmConDerivada2>(),  // 8 second derivative
        Ventana<frmConPuntosInfle>(), // 9 inflection points
        Ventana<frmConConcavidad>(), // 10 concavity
        Ventana<frmConRango>(), // 11 range
        Ventana<frmConMaxMinAbs>(), // 12 absolute extrema
    };
    return tabla;
}

} // namespace

bool HayConstruccion(int concepto)
{
    return concepto >= 0 && concepto < 13 && static_cast<bool>(Construcciones()[static_cast<std::size_t>(concepto)]);
}

bool AbreConstruccion(int concepto, AbridorEjercicio &abridor)
{
    if (!HayConstruccion(concepto))
        return false;
    Construcciones()[static_cast<std::size_t>(concepto)](abridor);
    return true;
}
