#include "ContextoVentana.h"

#include "Globales.h"
#include "VentanaPrincipal.h"
#include "Ventanas.h"
#include "princip.h"

void ContextoVentana::entra()
{
    if (m_dentro) {
        aplica();
        return;
    }
    EntraPantalla(ayuda, apoyo, barra, titulo);
    m_dentro = true;
}

void ContextoVentana::aplica() const
{
    NumAyuda = ayuda;
    NumApoyo = apoyo;
    // The flags in force, for the next window that pushes from them.
    EstadoBarra = barra;
    if (VentanaPrincipal *principal = VentanaPrincipalActual()) {
        for (int i = 1; i <= NumBotonesBarra; ++i)
            principal->HabilitaBoton(i, barra[static_cast<std::size_t>(i)]);
        principal->PoneTitulo(titulo);
    }
}

void ContextoVentana::sale()
{
    if (!m_dentro)
        return;
    m_dentro = false;
    RegresaPantalla(1);
}

std::array<bool, 10> ContextoVentana::Barra(std::initializer_list<bool> botones)
{
    std::array<bool, 10> estado{};
    std::size_t i = 1;
    for (bool b : botones)
        if (i <= 8)
            estado[i++] = b;
    return estado;
}
