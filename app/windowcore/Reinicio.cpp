#include "Reinicio.h"

#include "CatalogoEjercicios.h"
#include "GestorVentanas.h"

#include "Globales.h"
#include "VentanaPrincipal.h"
#include "Ventanas.h"
#include "princip.h"

void RegresaAlInicio(bool conservaConceptos)
{
    CierraEjercicios();
    GestorVentanas::instancia().descargaTodas(true);

    PoliDado = false;
    PoliActual.reset();
    PidePoliDesdeEjercicio = false;
    const auto resueltos = ConceptoResuelto;
    // Last, so that nothing popped on the way leaves the first screen.
    RegresaPantalla(0);
    if (conservaConceptos)
        ConceptoResuelto = resueltos;
    if (VentanaPrincipal *principal = VentanaPrincipalActual())
        principal->HabilitaMenus(true);
    PasoGuia = "Rollo";
    ConceptoActual = 0;
}
