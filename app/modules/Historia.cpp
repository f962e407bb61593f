#include "Historia.h"

#include "ExpresionRtf.h"
#include "Globales.h"
#include "Utilerias.h"

void HistoriaCalculos(rt::CajaRtf &caja)
{
    if (!PoliActual || PoliActual->Cuenta(0) < 1)
        return;
    EscribeExpresionRtf(caja, "", 1); // a new list
    for (const RaizPtr &raiz : *PoliActual)
        if (raiz->tipopol() == 0)
            EscribeExpresionRtf(caja, FormateaNumero(raiz->Raiz()), 0);
}
