#include "EntradaNumerica.h"

#include "ModCadena.h"
#include "UCDextavo.h"

std::int16_t ValidaCajaNumerica(UCDextavo &caja)
{
    const std::int16_t codigo = caja.Valida();
    if (codigo >= 1)
        MuestraError("", static_cast<std::int16_t>(BaseErrorValidacion + codigo));
    return codigo;
}
