#include "SesionPolinomio.h"

#include "Globales.h"
#include "generapoli.h"

void TomaPoliActual(const PoliPtr &p)
{
    PoliActual = CreaFuncPolin(p);
    PoliDado = true;
    ConceptoResuelto.fill(false);
    ConceptoActual = 0;
}
