#include "ClsRaices.h"

#include "Avisos.h"

void ClsRaices::tipopol(std::int16_t valor)
{
    if (valor < 0 || valor > 2) {
        rt::MuestraAviso("Solo acepto los valores 0,1 y 2", "Error de programación");
        return;
    }
    m_tipopol = valor;
}
