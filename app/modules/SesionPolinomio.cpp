#include "SesionPolinomio.h"

#include "CalculoAparte.h"
#include "Globales.h"

void TomaPoliActual(const PoliPtr &p)
{
    // Made off the window's thread, published here whole.
    PoliActual = RegistroAparte(p);
    PoliDado = true;
    ConceptoResuelto.fill(false);
    ConceptoActual = 0;
}
