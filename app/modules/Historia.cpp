#include "Historia.h"

#include "ExpresionRtf.h"
#include "Globales.h"
#include "TextosHistoria.h"

void HistoriaCalculos(rt::CajaRtf &caja)
{
    if (!PoliActual || PoliActual->Cuenta(0) < 1)
        return;
    EscribeExpresionRtf(caja, "", 1); // a new list
    EscribeListaRtf(caja, RaicesHistoria(*PoliActual));
}
