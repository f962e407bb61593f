#include "EntradaNumerica.h"

#include "ModCadena.h"
#include "UCDextavo.h"

#include <QLineEdit>

std::int16_t ValidaCajaNumerica(UCDextavo &caja)
{
    const std::int16_t codigo = caja.Valida();
    if (codigo >= 1) {
        MuestraError("", static_cast<std::int16_t>(BaseErrorValidacion + codigo));
        // Back in the box with the bad entry selected, to be typed over.
        caja.Caja()->setFocus();
        caja.Caja()->selectAll();
    }
    return codigo;
}
